// What the GUI tests share: quiet offscreen output, finding the window a
// command opened, and letting closed windows go.
#pragma once

#include "form1.h"
#include "form2.h"
#include "setup.h"
#include "wiring.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace morvane::test {

// The offscreen platform warns each time a window asks for something only a
// real screen has (a mask, size hints). Those warnings say nothing about the
// program, so the GUI tests keep them out of their output.
inline void quietOffscreenWarnings()
{
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
            return;
        previous(type, context, message);
    });
}

// What every GUI test sets up first: the application as the program sets it
// up, without the offscreen platform's noise.
inline void setUpApplication()
{
    quietOffscreenWarnings();
    morvane::setUpApplication(*qApp);
}

// The shown top-level window of a class, if there is one.
template <typename Window>
Window *shownWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<Window *>(w); found && found->isVisible())
            return found;
    return nullptr;
}

// The result window built ahead for the next prediction: hidden, never shown.
inline Form2 *spareForm2()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<Form2 *>(w); found && !found->isVisible())
            return found;
    return nullptr;
}

// The top-level windows there are, less the one result window that may be
// waiting unseen for the next prediction; a second hidden one counts.
inline qsizetype topLevelWindows()
{
    const QWidgetList all = QApplication::topLevelWidgets();
    const qsizetype spares
        = std::count_if(all.begin(), all.end(), [](QWidget *w) { return qobject_cast<Form2 *>(w) && !w->isVisible(); });
    return all.size() - std::min<qsizetype>(spares, 1);
}

// Deletes the windows that closed themselves and runs what they left queued.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// After a test: its dialogs and the sheet closed, and gone.
inline void closeEverything()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog *>(w))
            w->close();
    if (Form2 *f = shownWindow<Form2>())
        f->close();
    settle();
}

// A wired input window, shown and exposed, as the program starts it.
inline std::unique_ptr<Form1> shownForm1()
{
    auto form1 = std::make_unique<Form1>();
    wireWindows(*form1);
    form1->show();
    if (!QTest::qWaitForWindowExposed(form1.get()))
        return nullptr;
    return form1;
}

}  // namespace morvane::test
