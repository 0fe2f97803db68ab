#include "prepare.h"

#include "design.h"
#include "pictures.h"
#include "twips.h"

#include <QGuiApplication>
#include <QPixmapCache>
#include <QScreen>

namespace morvane {

QPixmap resultSheet(qreal devicePixelRatio)
{
    const QSize size = twipsRect(design::kForm2Picture).size() * devicePixelRatio;
    const QString key = QStringLiteral("morvane-sheet-%1x%2").arg(size.width()).arg(size.height());
    QPixmap sheet;
    if (!QPixmapCache::find(key, &sheet)) {
        // Smooth scaling of the whole sheet took longer than the rest of
        // the window's first paint when the label did it on every new window.
        sheet = parchment().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        sheet.setDevicePixelRatio(devicePixelRatio);
        QPixmapCache::insert(key, sheet);
    }
    return sheet;
}

void prepareResultWindow()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    const QScreen *screen = QGuiApplication::primaryScreen();
    resultSheet(screen ? screen->devicePixelRatio() : 1.0);
}

}  // namespace morvane
