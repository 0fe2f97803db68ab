#include "setup.h"

#include "fonts.h"
#include "style.h"
#include "version.h"

#include <QApplication>

namespace morvane {

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setApplicationVersion(QLatin1String(kVersion));
    QApplication::setDesktopFileName(QStringLiteral("th.morvane.morvane"));
    QApplication::setStyle(new Style);
    // Controls without a font of their own: the Windows default, 8.25 pt.
    QApplication::setFont(resolveFont(kMsSansSerif, 8.25));
    app.setQuitOnLastWindowClosed(true);
}

}  // namespace morvane
