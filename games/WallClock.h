#pragma once
// The one clock the game windows read the date and time from. Tests install
// a clock of their own and move it on without sleeping.

#include <QDateTime>

class WallClock
{
public:
    virtual ~WallClock() = default;

    // The current local date and time of the installed clock.
    static QDateTime Now();
    // Installs `clock` (not owned) and returns the one it replaces; nullptr
    // brings the system clock back.
    static WallClock* SetInstance(WallClock* clock);

protected:
    virtual QDateTime currentDateTime() const = 0;
};
