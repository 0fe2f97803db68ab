// Small things every window does the same way.
#pragma once

#include <QMessageBox>

class QScreen;
class QWidget;

namespace morvane {

// Moves a window, frame included, to the middle of a screen's free area;
// with no screen given, the primary one.
void centreOnScreen(QWidget &window, const QScreen *screen);

// A message box over a window, titled "Morvane", with a heading, the lines
// under it and no buttons yet; it deletes itself once closed. Qt makes a
// box as wide as its heading, so the Thai lines under a short heading
// would wrap into a narrow column: the box is widened to fit its longest
// line, up to half a screen.
QMessageBox *messageBox(QWidget *parent, QMessageBox::Icon icon, const QString &name, const QString &text,
                        const QString &details);

}  // namespace morvane
