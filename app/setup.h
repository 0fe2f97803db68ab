// What every run of the program, and every test of its windows, sets up
// before the first window appears.
#pragma once

class QApplication;

namespace morvane {

class Form1;

// Application name, style and the default font (which must draw Thai).
void setUpApplication(QApplication &app);

// Connects Form1's commands to the windows they open.
void wireWindows(Form1 &form1);

}  // namespace morvane
