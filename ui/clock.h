// Where the program learns today's date and the time. Production reads the
// local system clock; tests install a fixed clock for as long as they need.
#pragma once

#include "calendar.h"

#include <QDateTime>

namespace morvane {

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The clock everything reads: the system clock unless a test installed one.
const Clock &clock();

// Installs a clock for its lifetime, then puts back the previous one.
class ScopedClock
{
public:
    explicit ScopedClock(const Clock &c);
    ~ScopedClock();
    ScopedClock(const ScopedClock &) = delete;
    ScopedClock &operator=(const ScopedClock &) = delete;

private:
    const Clock *previous_;
};

// A moment of the clock as the engine takes it.
Moment toMoment(const QDateTime &when);

// A clock that always says the same moment.
class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime moment) : moment_(std::move(moment)) { }
    QDateTime now() const override { return moment_; }
    void set(QDateTime moment) { moment_ = std::move(moment); }

private:
    QDateTime moment_;
};

}  // namespace morvane
