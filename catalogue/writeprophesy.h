// WriteProphesy: picks the five readings for a person's four keys and lays
// them out twice, as one running text for the screen and as print lines.
#pragma once

#include <optional>
#include <string>

namespace morvane {

struct ProphesyTexts
{
    // The reading box: headings and readings separated by CR LF.
    std::u16string display;
    // Print lines separated by a lone CR, each indented by five spaces:
    std::u16string printPro;   // weekday, sign and animal readings
    std::u16string printNow;   // this year's reading
    std::u16string printNext;  // next year's reading
};

// Keys: weekday 0..6, sign 1..12, animal 0..11 and the year-cycle position
// 0..7 of this year; next year is the following place, 7 wrapping to 0. A
// key that is missing or outside its table gives an empty reading.
ProphesyTexts WriteProphesy(std::optional<int> weekday, std::optional<int> sign, std::optional<int> animal,
                            std::optional<int> yearPosition);

}  // namespace morvane
