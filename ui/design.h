// The windows' fixed look: sizes, control rectangles, faces and colours.
// The windows, the start-up preparation, the printed report and the
// picture generator all read them from here, so a picture is always drawn
// for the place it is shown in and a face made ready is the face shown.
//
// Geometry is in twips (1/1440 inch, 15 to a pixel at 96 dpi); twipsRect()
// turns it into logical pixels. Faces are resolved by fonts.h.
#pragma once

#include "twips.h"

#include <QColor>
#include <QRect>
#include <QSize>

namespace morvane::design {

// The two families the windows were laid out around.
enum class Family { BrowalliaUPC, MSSansSerif };

struct Face
{
    Family family;
    qreal points;
    bool bold = false;
    bool italic = false;
};

// A face drawn `scale` times its size, for a window drawn so.
constexpr Face scaled(Face face, qreal scale)
{
    face.points *= scale;
    return face;
}

// Every control without a face of its own: the Windows default.
inline constexpr Face kDefaultFace{Family::MSSansSerif, 8.25};

// Form1, the input window.
inline constexpr QSize kForm1Client{6960, 5010};
inline constexpr QRect kForm1Banner{720, 0, 5595, 1815};
// The today line; it covers the banner's bottom rows.
inline constexpr QRect kForm1Today{960, 1560, 4935, 375};
inline constexpr QRect kForm1NameLabel{2640, 2040, 1695, 255};
inline constexpr QRect kForm1Name{1800, 2400, 3375, 375};
inline constexpr QRect kForm1DayLabel{1320, 2880, 975, 255};
inline constexpr QRect kForm1MonthLabel{2880, 2880, 1095, 255};
inline constexpr QRect kForm1YearLabel{4560, 2880, 975, 255};
inline constexpr QRect kForm1Day{1320, 3120, 1095, 330};
inline constexpr QRect kForm1Month{2880, 3120, 1215, 330};
inline constexpr QRect kForm1Year{4560, 3120, 1095, 330};
inline constexpr QRect kForm1Predict{1800, 3960, 1695, 615};
inline constexpr QRect kForm1Exit{3480, 3960, 1695, 615};
inline constexpr Face kForm1TodayFace{Family::MSSansSerif, 9.75, false, true};
inline constexpr Face kForm1NameFace{Family::BrowalliaUPC, 14.25};
inline constexpr Face kForm1PredictFace{Family::MSSansSerif, 12};
inline constexpr Face kForm1ExitFace{Family::MSSansSerif, 9.75};
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
// The window's own face is the reading box's.
inline constexpr Face kForm2Face{Family::MSSansSerif, 9.75};
inline constexpr Face kForm2NameFace{Family::BrowalliaUPC, 24, true};
inline constexpr Face kForm2BirthdayFace{Family::BrowalliaUPC, 15.75, true};
inline constexpr Face kForm2CommandFace{Family::BrowalliaUPC, 21.75, true};
// Every face the result window draws, for the preparation ahead of it.
inline constexpr Face kForm2Faces[] = {kForm2Face, kForm2NameFace, kForm2BirthdayFace, kForm2CommandFace};
inline constexpr QColor kNameText{0, 128, 0};
inline constexpr QColor kBirthdayText{0, 0, 255};

// The pale paper of the result window's controls and the print layout.
inline constexpr QColor kSheet{255, 255, 192};
inline constexpr QColor kCommandRest{255, 0, 0};
inline constexpr QColor kCommandHover{0, 255, 0};

// Form3, the print layout (never shown). Its face is the report's.
inline constexpr QSize kForm3Client{2790, 585};
inline constexpr QRect kForm3Now{120, 120, 735, 375};
inline constexpr QRect kForm3Pro{960, 120, 855, 375};
inline constexpr QRect kForm3Next{1920, 120, 735, 375};
inline constexpr Face kPrintFace{Family::BrowalliaUPC, 14.25};
inline constexpr QColor kPrintText{0, 0, 255};

// Form4, the About window. Label3 lies inside Frame1.
inline constexpr QSize kForm4Client{6090, 4155};
inline constexpr QRect kForm4Picture{240, 120, 855, 1605};
inline constexpr QRect kForm4Title{1260, 240, 4740, 540};
inline constexpr QRect kForm4Credits{2040, 840, 3000, 1290};
inline constexpr QRect kForm4Frame{470, 2040, 5175, 1695};
inline constexpr QRect kForm4Advice{120, 360, 4935, 1215};
inline constexpr QRect kForm4Book{0, 3900, 6135, 255};
inline constexpr Face kForm4TitleFace{Family::MSSansSerif, 14.25, false, true};
inline constexpr QColor kForm4Back{255, 224, 192};
inline constexpr QColor kForm4TitleText{255, 0, 255};
inline constexpr QColor kForm4CreditsText{0, 128, 0};
inline constexpr QColor kForm4AdviceText{0, 0, 255};
inline constexpr QColor kForm4BookBack{192, 192, 192};
inline constexpr QColor kForm4BookText{64, 64, 64};

}  // namespace morvane::design
