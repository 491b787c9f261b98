#pragma once
// A wall clock a test sets and moves on; installed for its lifetime.

#include "WallClock.h"

class ManualWallClock : public WallClock
{
public:
    explicit ManualWallClock(const QDateTime& start) : m_now(start)
    {
        m_previous = WallClock::SetInstance(this);
    }
    ~ManualWallClock() override { WallClock::SetInstance(m_previous); }
    ManualWallClock(const ManualWallClock&) = delete;
    ManualWallClock& operator=(const ManualWallClock&) = delete;

    void set(const QDateTime& now) { m_now = now; }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }

protected:
    QDateTime currentDateTime() const override { return m_now; }

private:
    QDateTime m_now;
    WallClock* m_previous = nullptr;
};
