// The windows are laid out in twips (1/1440 inch), 15 to a pixel at 96 dpi.
// Qt's device-pixel ratio takes care of denser screens, so logical pixels
// are all the layout needs.
#pragma once

#include <QRect>

namespace morvane {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips)
{
    // Round half away from zero, so negative positions mirror positive ones.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

constexpr QRect twipsRect(const QRect &twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// A rectangle in twips on a layout drawn `scale` times its size (a window
// larger than the screen). Each edge lands on the nearest pixel, so that
// controls that meet still meet. At scale 1, twipsRect() itself.
constexpr QRect twipsRect(const QRect &twips, qreal scale)
{
    if (scale == 1)
        return twipsRect(twips);
    const auto edge = [scale](int t) { return qRound(t * scale / kTwipsPerPixel); };
    return QRect(QPoint(edge(twips.left()), edge(twips.top())),
                 QPoint(edge(twips.left() + twips.width()) - 1, edge(twips.top() + twips.height()) - 1));
}

}  // namespace morvane
