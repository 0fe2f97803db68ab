#include "windows.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace morvane {

void centreOnScreen(QWidget &window, const QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

QMessageBox *messageBox(QWidget *parent, QMessageBox::Icon icon, const QString &name, const QString &text,
                        const QString &details)
{
    auto *box = new QMessageBox(icon, QStringLiteral("Morvane"), text, QMessageBox::NoButton, parent);
    box->setObjectName(name);
    box->setInformativeText(details);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel"))) {
        int widest = 0;
        for (const QString &line : details.split(u'\n'))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        const int limit = screen ? screen->availableGeometry().width() / 2 : 500;
        label->setMinimumWidth(std::min(widest + label->fontMetrics().averageCharWidth(), limit));
    }
    return box;
}

}  // namespace morvane
