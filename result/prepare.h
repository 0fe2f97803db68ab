// Work the result window would otherwise do between the click on "ทำนาย"
// and its first paint, done once while the program waits for the user.
#pragma once

#include <QPixmap>

namespace morvane {

// The parchment at the size the result window shows it, for a screen of
// the given pixel ratio: scaled once, then shared through the pixmap cache.
QPixmap resultSheet(qreal devicePixelRatio);

// Decodes and scales the parchment, draws the result window's Thai faces
// once so their glyphs are rendered and cached, and reads the pointers the
// click brings up from the cursor theme. Only the first call does anything.
void prepareResultWindow();

}  // namespace morvane
