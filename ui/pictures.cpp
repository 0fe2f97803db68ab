#include "pictures.h"

#include "rawpictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPointer>

namespace morvane {
namespace {

// Decoding a PNG costs more than building a window, so each picture is
// decoded once and kept while the application lives (1.3 MB at 1x). Qt's
// pixmap cache would drop the sheet and decode it again as the style's
// pieces come and go.
class KeptPictures : public QObject
{
public:
    using QObject::QObject;
    QHash<QString, QPixmap> pictures;
};

// A picture by its file name in assets/ without ".png", at its ratio.
QImage decode(const QString &name, qreal ratio)
{
    // What the input window shows before its first paint is compiled in
    // as pixels and painted from where it lies, decoded by no one.
    for (std::size_t i = 0; i < kRawPictureCount; ++i) {
        const RawPicture &raw = kRawPictures[i];
        if (name == QLatin1String(raw.name)) {
            QImage image(reinterpret_cast<const uchar *>(raw.pixels), raw.width, raw.height, raw.width * 4,
                         raw.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
            // Set on the picture, not the pixmap, the ratio copies nothing.
            image.setDevicePixelRatio(ratio);
            return image;
        }
    }
    // Said to be a PNG, the reader goes straight to its own PNG decoder;
    // left to find out, it first loads every image plugin installed to ask
    // each whether it reads the file.
    QImageReader reader(QStringLiteral(":/assets/%1.png").arg(name), "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    image.setDevicePixelRatio(ratio);
    return image;
}

QPixmap picture(const QString &name, qreal ratio = 1)
{
    static QPointer<KeptPictures> kept;
    if (!kept)
        kept = new KeptPictures(qApp);
    auto it = kept->pictures.constFind(name);
    if (it == kept->pictures.constEnd())
        it = kept->pictures.insert(name, QPixmap::fromImage(decode(name, ratio)));
    return *it;
}

// name.png is drawn for ratio 1, name@2x.png for 2. Any denser ratio than 1
// takes the 2x picture: scaled down (125 %, 150 %) it stays sharp, and
// beyond 2 it is still the most detail there is.
QPixmap atRatio(const char *name, qreal ratio)
{
    if (ratio > 1)
        return picture(QLatin1String(name) + QLatin1String("@2x"), 2);
    return picture(QLatin1String(name));
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
        icon.addPixmap(picture(QStringLiteral("icon-%1").arg(size)));
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
    setPixmap(source_(devicePixelRatioF()));
}

void PictureLabel::paintEvent(QPaintEvent *)
{
    const QPixmap pixmap = source_(devicePixelRatioF());
    const QRect area = contentsRect();
    QPainter painter(this);
    if (!clip_.isEmpty())
        painter.setClipRegion(clip_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (hasScaledContents())
        painter.drawPixmap(area, pixmap);
    else
        painter.drawPixmap(area.topLeft(), pixmap);
}

}  // namespace morvane
