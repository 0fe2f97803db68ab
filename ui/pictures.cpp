#include "pictures.h"

#include <QPixmapCache>

namespace morvane {
namespace {

// Decoding a PNG costs more than building a window; every window shares
// the decoded pictures through Qt's pixmap cache.
QPixmap picture(const QString &path)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap.load(path);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

}  // namespace

QPixmap banner()
{
    return picture(QStringLiteral(":/assets/banner.png"));
}

QIcon windowIcon()
{
    QIcon icon;
    for (const char *size : {"32", "128", "256"})
        icon.addPixmap(picture(QStringLiteral(":/assets/icon-%1.png").arg(QLatin1String(size))));
    return icon;
}

QCursor pointingHand()
{
    // The hot spot is the fingertip.
    return QCursor(picture(QStringLiteral(":/assets/hand.png")), 3, 0);
}

QCursor grabHand()
{
    return QCursor(picture(QStringLiteral(":/assets/grab.png")));
}

QPixmap parchment()
{
    return picture(QStringLiteral(":/assets/parchment.bmp"));
}

QPixmap aboutPicture()
{
    return picture(QStringLiteral(":/assets/about.png"));
}

}  // namespace morvane
