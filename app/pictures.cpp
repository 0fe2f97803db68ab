#include "pictures.h"

namespace morvane {

QPixmap banner()
{
    return QPixmap(QStringLiteral(":/assets/banner.png"));
}

QIcon windowIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/icon-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/assets/icon-128.png"), QSize(128, 128));
    icon.addFile(QStringLiteral(":/assets/icon-256.png"), QSize(256, 256));
    return icon;
}

QCursor pointingHand()
{
    // The hot spot is the fingertip.
    return QCursor(QPixmap(QStringLiteral(":/assets/hand.png")), 3, 0);
}

QCursor grabHand()
{
    return QCursor(QPixmap(QStringLiteral(":/assets/grab.png")));
}

QPixmap parchment()
{
    return QPixmap(QStringLiteral(":/assets/parchment.bmp"));
}

QPixmap aboutPicture()
{
    return QPixmap(QStringLiteral(":/assets/about.png"));
}

}  // namespace morvane
