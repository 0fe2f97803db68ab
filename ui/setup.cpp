#include "setup.h"

#include "fonts.h"
#include "pictures.h"
#include "version.h"

#include <QApplication>
#include <QStyleFactory>

namespace morvane {

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setApplicationVersion(QLatin1String(kVersion));
    QApplication::setDesktopFileName(QStringLiteral("th.morvane.morvane"));
    QApplication::setWindowIcon(windowIcon());
    // Fusion draws the buttons' face colours on every desktop.
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    // Controls without a font of their own: the Windows default, 8.25 pt.
    QApplication::setFont(resolveFont(kMsSansSerif, 8.25));
    app.setQuitOnLastWindowClosed(true);
}

}  // namespace morvane
