// Romance readings by the animal of the birth year, 0 = Snake.
// Each block is one print line; a block ending in "-" was cut inside a run
// of Thai and the next block carries on the run.
#include "readings.h"

#include <array>

namespace morvane {
namespace {

// 0: Snake
constexpr Block kSnake[] = {
    u"",
};

// 1: Horse
constexpr Block kHorse[] = {
    u"",
};

// 2: Goat
constexpr Block kGoat[] = {
    u"",
};

// 3: Monkey
constexpr Block kMonkey[] = {
    u"",
};

// 4: Rooster
constexpr Block kRooster[] = {
    u"",
};

// 5: Dog
constexpr Block kDog[] = {
    u"",
};

// 6: Pig
constexpr Block kPig[] = {
    u"",
};

// 7: Rat
constexpr Block kRat[] = {
    u"",
};

// 8: Ox
constexpr Block kOx[] = {
    u"",
};

// 9: Tiger
constexpr Block kTiger[] = {
    u"",
};

// 10: Rabbit
constexpr Block kRabbit[] = {
    u"",
};

// 11: Dragon
constexpr Block kDragon[] = {
    u"",
};

constexpr std::array<Reading, 12> kReadings = {
    kSnake, kHorse, kGoat, kMonkey, kRooster, kDog, kPig, kRat, kOx, kTiger, kRabbit, kDragon,
};

}  // namespace

Reading AniProphesy(int animal)
{
    return animal >= 0 && animal < 0 + static_cast<int>(kReadings.size()) ? kReadings[static_cast<std::size_t>(animal)] : Reading{};
}

}  // namespace morvane
