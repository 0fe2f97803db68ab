// Small things every window does the same way.
#pragma once

class QScreen;
class QWidget;

namespace morvane {

// Moves a window, frame included, to the middle of a screen's free area;
// with no screen given, the primary one.
void centreOnScreen(QWidget &window, const QScreen *screen);

}  // namespace morvane
