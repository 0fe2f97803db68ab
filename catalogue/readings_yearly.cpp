// Love in one year of life, by place on the eight-step yearly cycle; each
// place takes the character of the planet that rules it.
// Each block is one print line; a block ending in "-" was cut inside a run
// of Thai and the next block carries on the run.
#include "readings.h"

#include <array>

namespace morvane {
namespace {

// 0: Sun
constexpr Block kSun[] = {
    u"",
};

// 1: Moon
constexpr Block kMoon[] = {
    u"",
};

// 2: Mars
constexpr Block kMars[] = {
    u"",
};

// 3: Mercury
constexpr Block kMercury[] = {
    u"",
};

// 4: Saturn
constexpr Block kSaturn[] = {
    u"",
};

// 5: Jupiter
constexpr Block kJupiter[] = {
    u"",
};

// 6: Rahu
constexpr Block kRahu[] = {
    u"",
};

// 7: Venus
constexpr Block kVenus[] = {
    u"",
};

constexpr std::array<Reading, 8> kReadings = {
    kSun, kMoon, kMars, kMercury, kSaturn, kJupiter, kRahu, kVenus,
};

}  // namespace

Reading YearlyProphesy(int position)
{
    return position >= 0 && position < 0 + static_cast<int>(kReadings.size()) ? kReadings[static_cast<std::size_t>(position)] : Reading{};
}

// Closes every reading: an unkind outlook is not fate.
const std::u16string_view kClosingAdvice = u"";

}  // namespace morvane
