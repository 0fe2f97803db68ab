// The reading catalogue: every romance reading the program can show, stored
// already cut into print lines ("blocks"), plus the closing advice.
//
// Plain C++ with no Qt: the texts are char16_t literals, so a block's length
// is its number of code points (all Thai is in the BMP).
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace morvane {

using Block = std::u16string_view;
using Reading = std::span<const Block>;

// Lookups by key; a key with no entry gives an empty reading.
Reading DayProphesy(int weekday);      // 0 = Sunday .. 6 = Saturday
Reading ZodiacProphesy(int sign);      // 1 = Capricorn .. 12 = Sagittarius
Reading AniProphesy(int animal);       // 0 = Snake .. 11 = Dragon
Reading YearlyProphesy(int position);  // 0 .. 7 on the yearly cycle

// The paragraph that closes every reading.
extern const std::u16string_view kClosingAdvice;

// For the tables themselves: a reading left out of a table's initialiser
// would compile as an empty one, so every table asserts that each of its
// keys has a reading.
template <std::size_t N>
constexpr bool everyKeyHasReading(const std::array<Reading, N> &table)
{
    for (const Reading &reading : table)
        if (reading.empty())
            return false;
    return true;
}

// The reading of a key, for a table whose keys start at `firstKey`; empty
// for a key outside the table.
template <std::size_t N>
constexpr Reading readingOf(const std::array<Reading, N> &table, int key, int firstKey)
{
    const long long index = static_cast<long long>(key) - firstKey;
    return index >= 0 && index < static_cast<long long>(N) ? table[static_cast<std::size_t>(index)] : Reading{};
}

}  // namespace morvane
