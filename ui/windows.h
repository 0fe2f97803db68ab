// Small things every window does the same way.
#pragma once

#include <QMessageBox>

class QApplication;
class QScreen;
class QWidget;

namespace morvane {

// Moves a window, frame included, to the middle of a screen's free area;
// with no screen given, the primary one. A window larger than the free
// area keeps its title bar and left edge on the screen.
void centreOnScreen(QWidget &window, const QScreen *screen);

// Moves a window, frame included, to the middle of the window it belongs
// to, kept inside the free area of that window's screen.
void centreOver(QWidget &window, const QWidget &owner);

// The manners of every window the program opens, Qt's own dialogs among
// them, installed once on the application:
//  - a window of fixed size stays at its size: maximized all the same (Qt's
//    title bar on Wayland offers maximize to every window, and a compositor
//    may maximize a window unasked), it takes the size it is given, as a
//    Wayland compositor insists on pain of closing the connection, then
//    asks to be a normal window again;
//  - a dialog opens centred over the window it belongs to, on the screen.
void installWindowManners(QApplication &app);

// A message box over a window, titled "Morvane", with a heading, the lines
// under it and no buttons yet; it deletes itself once closed. Qt makes a
// box as wide as its heading, so the Thai lines under a short heading
// would wrap into a narrow column: the box is widened to fit its longest
// line, up to half a screen.
QMessageBox *messageBox(QWidget *parent, QMessageBox::Icon icon, const QString &name, const QString &text,
                        const QString &details);

}  // namespace morvane
