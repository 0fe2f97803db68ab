// What every run of the program, and every test of its windows, sets up
// before the first window appears.
#pragma once

class QApplication;

namespace morvane {

// Application name, style, the default font (which must draw Thai), the
// Thai of Qt's own dialogs and the windows' manners (windows.h).
void setUpApplication(QApplication &app);

}  // namespace morvane
