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

Moment toMoment(const QDateTime &when)
{
    const QDate date = when.date();
    const QTime time = when.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
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
