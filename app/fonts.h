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
//  - MS Sans Serif -> TLWG Loma at full size. Measured at 8.25 pt, Loma sets
//    a Latin pangram in the same 133 px as Tahoma/MS Sans Serif, and its Thai
//    line (17.5 px, marks above and below included) fits the 17 px labels
//    drawn for the original; Garuda needs 20.6 px and Umpush 21.8 px.
// Any other family that is missing falls back to the first installed Thai
// family at full size.
#pragma once

#include <QFont>
#include <QString>

namespace morvane {

inline const QString kBrowallia = QStringLiteral("BrowalliaUPC");
inline const QString kMsSansSerif = QStringLiteral("MS Sans Serif");

struct FontChoice
{
    QString family;  // the installed family that will draw the text
    qreal scale;     // factor applied to requested point sizes
};

// What a requested family resolves to on this machine.
FontChoice resolveFamily(const QString &requested);

// A font for a requested family and point size, through resolveFamily().
QFont resolveFont(const QString &requested, qreal pointSize, bool bold = false,
                  bool italic = false);

}  // namespace morvane
