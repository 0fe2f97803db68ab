// Where the windows meet: the program and the tests that drive whole
// predictions wire the input window to the windows it opens through here.
#pragma once

namespace morvane {

class Form1;

// The predict command opens the result window for Form1's entry and hides
// Form1 until it has gone; the About command opens the About window.
void wireWindows(Form1 &form1);

}  // namespace morvane
