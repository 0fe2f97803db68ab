// The windows' fixed look: sizes, control rectangles and colours. The
// program, the printed report and the picture generator all read them from
// here, so a picture is always drawn for the place it is shown in.
//
// Geometry is in twips (1/1440 inch, 15 to a pixel at 96 dpi); twipsRect()
// turns it into logical pixels.
#pragma once

#include "twips.h"

#include <QColor>
#include <QRect>
#include <QSize>

namespace morvane::design {

// Form1, the input window.
inline constexpr QSize kForm1Client{6960, 5010};
inline constexpr QRect kForm1Banner{720, 0, 5595, 1815};
// The today line; it covers the banner's bottom rows.
inline constexpr QRect kForm1Today{960, 1560, 4935, 375};
inline constexpr QColor kForm1Back{255, 192, 255};
inline constexpr QColor kTodayText{128, 0, 128};
inline constexpr QColor kPredictFace{255, 255, 192};
inline constexpr QColor kExitFace{192, 255, 192};

// Form2, the result window. The client area is the whole window.
inline constexpr QSize kForm2Size{8535, 7125};
inline constexpr QColor kForm2Back{255, 192, 255};
inline constexpr QRect kForm2Picture{0, 120, 8415, 6915};
inline constexpr QRect kForm2Name{1200, 600, 6135, 615};
inline constexpr QRect kForm2Birthday{840, 1200, 6855, 375};
inline constexpr QRect kForm2Reading{840, 1800, 7095, 4095};
inline constexpr QRect kForm2Print{2400, 6000, 1095, 495};
inline constexpr QRect kForm2Close{5160, 6000, 855, 495};
// The controls the result window lays over the parchment, which must stay
// plain paper under them.
inline constexpr QRect kForm2Controls[] = {kForm2Name, kForm2Birthday, kForm2Reading, kForm2Print, kForm2Close};

// The pale paper of the result window's controls and the print layout.
inline constexpr QColor kSheet{255, 255, 192};
inline constexpr QColor kCommandRest{255, 0, 0};
inline constexpr QColor kCommandHover{0, 255, 0};

// Form3, the print layout (never shown).
inline constexpr QSize kForm3Client{2790, 585};
inline constexpr QColor kPrintText{0, 0, 255};

// Form4, the About window.
inline constexpr QSize kForm4Client{6090, 4155};
inline constexpr QRect kForm4Picture{240, 120, 855, 1605};
inline constexpr QColor kForm4Back{255, 224, 192};

}  // namespace morvane::design
