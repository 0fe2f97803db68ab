// The torn outline of the result window: one rectangle with 60 bites taken
// out of it, in logical pixels from the window's top-left corner.
#pragma once

#include <QRegion>

#include <array>

namespace morvane {

struct OutlineShape
{
    enum Kind { Rectangle, Ellipse };
    Kind kind;
    // A rectangle covers left <= x < right and top <= y < bottom; an ellipse
    // is the one inscribed in that box.
    int left, top, right, bottom;
};

extern const std::array<OutlineShape, 60> kOutlineShapes;

// The visible area of the window: the rectangle (1, 1)-(1100, 1300) minus
// every shape of the table, less the specks that the bites leave standing
// apart from the sheet (see connectedPart). For a window drawn `scale`
// times its size, the same area scaled.
QRegion windowOutline(qreal scale = 1);

// The part of a region that is joined to the pixel `seed` through pixels
// sharing an edge; empty when the region does not hold `seed`.
QRegion connectedPart(const QRegion &region, QPoint seed);

}  // namespace morvane
