// The reading assembly: from what the input window holds and today's date,
// the name line, the birth line and the four keys of the catalogue.
#pragma once

#include <optional>
#include <string>

namespace morvane {

struct BirthEntry
{
    std::u16string name;     // as typed, not trimmed
    int day = 0;             // day list position + 1 (0 when none is chosen)
    int month = 0;           // month list position + 1
    std::u16string dayText;  // the lists' texts, copied into the birth line
    std::u16string monthText;
    std::u16string yearText;  // a Buddhist-era year, such as "2522"
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

// The number a year text spells: leading spaces, an optional sign, then
// digits; anything else ends it, and no digits give 0. Clamped to int.
int YearValue(std::u16string_view text);

AssembledReading AssembleReading(const BirthEntry &entry, int todayDay, int todayMonth, int todayYearBE);

}  // namespace morvane
