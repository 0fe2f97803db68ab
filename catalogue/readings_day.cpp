// Romance readings by the weekday of birth, 0 = Sunday.
// Each block is one print line; a block ending in "-" was cut inside a run
// of Thai and the next block carries on the run.
#include "readings.h"

#include <array>

namespace morvane {
namespace {

// 0: Sunday
constexpr Block kSunday[] = {
    u"",
};

// 1: Monday
constexpr Block kMonday[] = {
    u"",
};

// 2: Tuesday
constexpr Block kTuesday[] = {
    u"",
};

// 3: Wednesday
constexpr Block kWednesday[] = {
    u"",
};

// 4: Thursday
constexpr Block kThursday[] = {
    u"",
};

// 5: Friday
constexpr Block kFriday[] = {
    u"",
};

// 6: Saturday
constexpr Block kSaturday[] = {
    u"",
};

constexpr std::array<Reading, 7> kReadings = {
    kSunday, kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday,
};

}  // namespace

Reading DayProphesy(int weekday)
{
    return weekday >= 0 && weekday < 0 + static_cast<int>(kReadings.size()) ? kReadings[static_cast<std::size_t>(weekday)] : Reading{};
}

}  // namespace morvane
