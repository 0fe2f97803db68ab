#include "outline.h"

#include <QTransform>

#include <algorithm>
#include <numeric>
#include <vector>

namespace morvane {

namespace {
constexpr auto R = OutlineShape::Rectangle;
constexpr auto E = OutlineShape::Ellipse;
}  // namespace

// Shapes 1 to 14 bite into the left edge from top to bottom, 15 to 25 into
// the bottom edge from left to right, 26 to 49 into the right edge from the
// bottom up, and 50 to 60 into the top edge from right to left.
// clang-format off
const std::array<OutlineShape, 60> kOutlineShapes = {{
    {E, -40, 0, 48, 33},     {R, 1, 30, 8, 41},       {E, 0, 50, 6, 95},
    {E, -5, 92, 16, 109},    {E, -10, 90, 13, 194},   {E, -10, 160, 13, 280},
    {E, 0, 195, 21, 390},    {E, 0, 95, 36, 101},     {E, 0, 238, 29, 251},
    {E, 0, 306, 29, 324},    {E, 0, 356, 33, 394},    {E, -30, 336, 30, 430},
    {R, 1, 420, 11, 480},    {E, 0, 325, 28, 370},

    {E, -10, 460, 140, 480}, {E, -10, 455, 40, 470},  {E, 180, 463, 540, 480},
    {E, 220, 461, 300, 470}, {E, 287, 453, 326, 470}, {R, 100, 469, 200, 480},
    {E, 384, 458, 402, 470}, {E, 450, 454, 502, 470}, {E, 400, 460, 472, 470},
    {E, 485, 456, 562, 480}, {E, 533, 450, 562, 480},

    {R, 551, 400, 570, 480}, {R, 549, 347, 570, 424}, {R, 550, 338, 570, 370},
    {R, 530, 318, 570, 325}, {R, 560, 300, 570, 345}, {E, 553, 320, 570, 360},
    {E, 535, 309, 600, 325}, {E, 540, 304, 600, 325}, {R, 551, 280, 580, 326},
    {R, 549, 260, 580, 287}, {R, 547, 250, 580, 274}, {R, 545, 208, 580, 260},
    {R, 547, 200, 580, 210}, {E, 549, 180, 580, 225}, {R, 555, 170, 580, 200},
    {R, 557, 150, 580, 172}, {R, 555, 130, 580, 157}, {E, 542, 132, 600, 145},
    {E, 550, 128, 600, 160}, {E, 542, 130, 600, 140}, {E, 549, 55, 600, 140},
    {R, 547, 64, 580, 101},  {E, 545, 59, 630, 70},   {R, 561, 0, 580, 95},

    {E, 525, 15, 640, 37},   {E, 528, 7, 640, 36},    {R, 450, 0, 580, 15},
    {E, 431, 0, 463, 24},    {E, 421, 0, 448, 14},    {E, 225, -10, 448, 23},
    {E, 125, -10, 298, 19},  {E, 235, 10, 250, 29},   {E, 115, 0, 140, 19},
    {E, 116, 0, 133, 23},    {E, -6, -20, 133, 13},
}};
// clang-format on

QRegion windowOutline(qreal scale)
{
    QRegion outline(QRect(QPoint(1, 1), QPoint(1100 - 1, 1300 - 1)));
    for (const OutlineShape &s : kOutlineShapes) {
        const QRect box(s.left, s.top, s.right - s.left, s.bottom - s.top);
        outline -= QRegion(box, s.kind == OutlineShape::Ellipse ? QRegion::Ellipse : QRegion::Rectangle);
    }
    QPoint middle(284, 237);
    if (scale != 1) {
        outline = QTransform::fromScale(scale, scale).map(outline);
        middle = (QPointF(middle) * scale).toPoint();
    }
    // Bites 3 to 14 overlap along the left edge and leave a few pixels of
    // the first column standing between them, dark specks apart from the
    // sheet; the window is the one piece that holds the sheet's middle.
    return connectedPart(outline, middle);
}

QRegion connectedPart(const QRegion &region, QPoint seed)
{
    // QRegion keeps its rectangles in bands of equal top and bottom, sorted
    // by top and then left, and merges neighbours within a band; so pieces
    // can only join across the border of two bands, one right on top of
    // the other.
    const std::vector<QRect> rects(region.begin(), region.end());
    std::vector<std::size_t> parent(rects.size());
    std::iota(parent.begin(), parent.end(), std::size_t{0});
    const auto root = [&parent](std::size_t i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    std::size_t above = 0;  // the first rectangle of the band above
    std::size_t band = 0;   // the first rectangle of this band
    for (std::size_t i = 0; i < rects.size(); ++i) {
        if (rects[i].top() != rects[band].top()) {
            above = band;
            band = i;
        }
        if (band == 0 || rects[above].bottom() + 1 != rects[i].top())
            continue;
        for (std::size_t j = above; j < band; ++j)
            if (rects[j].left() <= rects[i].right() && rects[i].left() <= rects[j].right())
                parent[root(j)] = root(i);
    }
    QRegion part;
    const auto holder = std::find_if(rects.begin(), rects.end(), [seed](const QRect &r) { return r.contains(seed); });
    if (holder == rects.end())
        return part;
    const std::size_t kept = root(std::size_t(holder - rects.begin()));
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (root(i) == kept)
            part += rects[i];
    return part;
}

}  // namespace morvane
