// The reading catalogue: every romance reading the program can show, stored
// already cut into print lines ("blocks"), plus the closing advice.
//
// Plain C++ with no Qt: the texts are char16_t literals, so a block's length
// is its number of code points (all Thai is in the BMP).
#pragma once

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

}  // namespace morvane
