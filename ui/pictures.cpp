#include "pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>

namespace morvane {
namespace {

// Decoding a PNG costs more than building a window; every window shares
// the decoded pictures through Qt's pixmap cache.
QPixmap picture(const QString &path, qreal ratio = 1)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap.load(path);
        pixmap.setDevicePixelRatio(ratio);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

// name.png is drawn for ratio 1, name@2x.png for 2. Any denser ratio than 1
// takes the 2x picture: scaled down (125 %, 150 %) it stays sharp, and
// beyond 2 it is still the most detail there is.
QPixmap atRatio(const char *name, qreal ratio)
{
    if (ratio > 1)
        return picture(QStringLiteral(":/assets/%1@2x.png").arg(QLatin1String(name)), 2);
    return picture(QStringLiteral(":/assets/%1.png").arg(QLatin1String(name)));
}

// Pointer images follow the densest screen, drawn at its ratio. The hot
// spot is given in the 32-pixel picture's pixels.
QCursor cursor(const char *name, QPoint hotSpot)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1;
    QPixmap image = atRatio(name, ratio);
    if (ratio > 1 && ratio != image.devicePixelRatio()) {
        image = image.scaled(QSize(32, 32) * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
    }
    // Wayland takes the hot spot in logical pixels, as QCursor documents;
    // X11 is handed the image's own pixels and the hot spot as it is.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        hotSpot = (QPointF(hotSpot) * image.devicePixelRatio()).toPoint();
    return QCursor(image, hotSpot.x(), hotSpot.y());
}

}  // namespace

QPixmap banner(qreal ratio)
{
    return atRatio("banner", ratio);
}

QPixmap parchment(qreal ratio)
{
    return atRatio("parchment", ratio);
}

QPixmap aboutPicture(qreal ratio)
{
    return atRatio("about", ratio);
}

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(picture(QStringLiteral(":/assets/icon-%1.png").arg(size)));
    return icon;
}

QCursor pointingHand()
{
    // The hot spot is the fingertip.
    return cursor("hand", QPoint(3, 0));
}

QCursor grabHand()
{
    return cursor("grab", QPoint(16, 16));
}

PictureLabel::PictureLabel(Source source, QWidget *parent) : QLabel(parent), source_(source)
{
    setPixmap(source_(1));
}

void PictureLabel::paintEvent(QPaintEvent *)
{
    const QPixmap pixmap = source_(devicePixelRatioF());
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (hasScaledContents())
        painter.drawPixmap(area, pixmap);
    else
        painter.drawPixmap(area.topLeft(), pixmap);
}

}  // namespace morvane
