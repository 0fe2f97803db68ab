// Work the result window would otherwise do between the click on "ทำนาย"
// and its first paint, done once while the program waits for the user.
#pragma once

namespace morvane {

// Decodes the parchment for the screen's pixel ratio, draws the result window's Thai faces
// once so their glyphs are rendered and cached, and reads the pointers the
// click brings up from the cursor theme. Only the first call does anything.
void prepareResultWindow();

}  // namespace morvane
