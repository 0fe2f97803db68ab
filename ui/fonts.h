// One place that turns the font names the windows ask for into fonts this
// machine can draw, for the screen and the printer alike.
//
// The windows were laid out around two Windows fonts, "BrowalliaUPC" and
// "MS Sans Serif". When one is installed it is used as asked. Otherwise a
// Thai-capable substitute stands in, at a size scaled so that text keeps
// about the extent the original gives and still fits its control:
//  - BrowalliaUPC -> TLWG Garuda at 0.68 of the size. This is the TLWG
//    project's own mapping; fontconfig declares the 0.68 matrix but Qt does
//    not apply it, so without the scale Thai comes out half as large again.
//  - MS Sans Serif -> TLWG Loma at 0.9 of the size. The original is a
//    bitmap font whose 8 pt Thai cell is 13 px high; Loma at full size needs
//    17.5 px a line for its marks above and below, so the About window's
//    five-line labels (81 and 86 px) would not hold their lines. At 0.9 a
//    line takes 15.9 px, the marks still clear each other, and Latin text
//    sets within a tenth of Tahoma's width (121 px for a pangram against
//    133 px). Garuda (20.6 px) and Umpush (21.8 px) are taller still.
// Any other family that is missing falls back to the first installed Thai
// family at full size.
#pragma once

#include "design.h"

#include <QFont>
#include <QString>

class QWidget;

namespace morvane {

inline const QString kBrowallia = QStringLiteral("BrowalliaUPC");
inline const QString kMsSansSerif = QStringLiteral("MS Sans Serif");

// The name a family of the layout is asked for by.
const QString &familyName(design::Family family);

struct FontChoice
{
    QString family;  // the installed family that will draw the text
    qreal scale;     // factor applied to requested point sizes
};

// What a requested family resolves to on this machine.
FontChoice resolveFamily(const QString &requested);

// A font for a requested family and point size, through resolveFamily().
QFont resolveFont(const QString &requested, qreal pointSize, bool bold = false, bool italic = false);
QFont resolveFont(const design::Face &face);

// With no font installed that draws Thai every text of the program is empty
// boxes. Then this says why: a line on standard error naming the package
// that brings the fonts, and a message over `parent`, in Thai where any
// installed font can draw it (the install command reads either way).
// Returns whether Thai can be drawn.
bool checkThaiFonts(QWidget *parent);

}  // namespace morvane
