// The reading assembly: from the birth entry and today's date, the name
// line, the birth line and the four keys of the catalogue.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// What the input window holds when "ทำนาย" is pressed.
struct BirthEntry
{
    std::u16string name;  // as typed, not trimmed
    int day = 0;          // 1..31; 0 when no day is chosen
    int month = 0;        // 1 = January .. 12; 0 when none is chosen
    int yearBE = 0;       // Buddhist era
};

struct AssembledReading
{
    std::u16string nameLine;
    std::u16string birthLine;
    int weekday = 0;
    std::optional<int> sign;
    int animal = 0;
    int age = 0;
    std::optional<int> yearPosition;
};

// A name as the windows and the print show it: on one line. Each line break
// (CR LF counts as one) and every other control character becomes a space,
// so a name pasted with its line end opens no blank line anywhere.
std::u16string OneLine(std::u16string_view text);

AssembledReading AssembleReading(const BirthEntry &entry, int todayDay, int todayMonth, int todayYearBE);

}  // namespace morvane
