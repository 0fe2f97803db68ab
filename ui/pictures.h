// The pictures and pointer images the windows share, compiled into the
// program as resources.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace morvane {

QPixmap banner();        // Form1's title picture, 373 x 121
QIcon windowIcon();      // Form1's icon
QCursor pointingHand();  // the hand over command buttons and labels
QCursor grabHand();      // the hand shown while a window is being dragged
QPixmap parchment();     // Form2's background sheet, 274 x 352
QPixmap aboutPicture();  // Form4's picture, 57 x 107

}  // namespace morvane
