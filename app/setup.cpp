#include "setup.h"

#include "fonts.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"

#include <QApplication>
#include <QStyleFactory>

namespace morvane {

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("th.morvane.morvane"));
    // Fusion draws the buttons' face colours on every desktop.
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    // Controls without a font of their own: the Windows default, 8.25 pt.
    QApplication::setFont(resolveFont(kMsSansSerif, 8.25));
    app.setQuitOnLastWindowClosed(true);
}

void wireWindows(Form1 &form1)
{
    form1.openResult = [](Form1 &f) { Form2::open(f); };
    form1.openAbout = [](Form1 &f) { Form4::open(f); };
}

}  // namespace morvane
