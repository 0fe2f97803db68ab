#include "clock.h"

namespace morvane {
namespace {

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

const SystemClock kSystemClock;
const Clock *current = &kSystemClock;

}  // namespace

const Clock &clock()
{
    return *current;
}

ScopedClock::ScopedClock(const Clock &c) : previous_(current)
{
    current = &c;
}

ScopedClock::~ScopedClock()
{
    current = previous_;
}

}  // namespace morvane
