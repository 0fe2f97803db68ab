#include "setup.h"

#include "fonts.h"
#include "style.h"
#include "version.h"
#include "windows.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

namespace morvane {

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setApplicationVersion(QLatin1String(kVersion));
    QApplication::setDesktopFileName(QStringLiteral("th.morvane.morvane"));
    QApplication::setStyle(new Style);
    // Controls without a font of their own: the Windows default, 8.25 pt.
    QApplication::setFont(resolveFont(design::kDefaultFace));
    // The program speaks Thai whatever the system's language: Qt's own
    // dialogs, buttons and menus too.
    QLocale::setDefault(QLocale(QLocale::Thai, QLocale::Thailand));
    auto *qtThai = new QTranslator(&app);
    if (qtThai->load(QStringLiteral(":/translations/qt_th.qm")))
        QCoreApplication::installTranslator(qtThai);
    app.setQuitOnLastWindowClosed(true);
    installWindowManners(app);
}

}  // namespace morvane
