#include "WallClock.h"

namespace {

class SystemClock : public WallClock
{
protected:
    QDateTime currentDateTime() const override { return QDateTime::currentDateTime(); }
};

SystemClock systemClock;
WallClock* installed = nullptr;

} // namespace

QDateTime WallClock::Now()
{
    const WallClock* clock = installed ? installed : &systemClock;
    return clock->currentDateTime();
}

WallClock* WallClock::SetInstance(WallClock* clock)
{
    WallClock* previous = installed;
    installed = clock;
    return previous;
}
