#pragma once
// The acquisition thread: polls the platform driver for the centre of
// gravity at a fixed period while sampling, and keeps the latest value in
// CgX, CgY for the user-interface thread to read at any time.
//
//   UI thread                          worker (run)
//   ---------                          ------------
//   StartAcq  -> SLStartAcqContinue    wait for "sampling"
//                sampling = true  -->  note tick; sleep 1 ms until Period passed
//                                      read under "reading" (SLReadPodoCG)
//   StopAcq   -> sampling = false      a read in progress finishes first;
//                wait for the read,    no read starts afterwards
//                30 ms, SLStopAcqContinue
//   Shutdown  -> quit = true           ends at once when paused, else after
//                                      the read in progress

#include "SteplinkDriver.h"

#include <QThread>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

class TAcqCgPodo : public QThread
{
    Q_OBJECT
public:
    using TickFn = std::uint32_t (*)();

    // Starts the worker paused, Period 500, CgX and CgY 0. `api` is the
    // driver table read at every call (it may be bound after creation).
    explicit TAcqCgPodo(const SteplinkApi* api, TickFn tick = SteadyTickMs);
    ~TAcqCgPodo() override;

    // Accepts 11 to 499 ms: stores it and returns 0; anything else gives -2.
    int SetPeriod(int milliseconds);
    int Period() const { return m_period.load(); }

    void StartAcq();
    void StopAcq();
    // Asks the loop to end and waits for it.
    void Shutdown();

    bool isSampling() const;

    std::atomic<float> CgX{0.0f};
    std::atomic<float> CgY{0.0f};

    // Milliseconds from `from` to `to` on a 32-bit tick clock that may wrap.
    static std::uint32_t ElapsedMs(std::uint32_t from, std::uint32_t to) { return to - from; }
    static std::uint32_t SteadyTickMs();

    static constexpr int StopSettleMs = 30;

protected:
    void run() override; // the sampling loop

private:
    const SteplinkApi* m_api;
    TickFn m_tick;
    std::atomic<int> m_period{500};
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_sampling = false;
    bool m_reading = false;
    std::atomic<bool> m_quit{false}; // also polled during the wait, without the lock
    float m_third = 0.0f;
    float m_fourth = 0.0f;
    std::int32_t m_readResult = 0;
};

static_assert(std::atomic<float>::is_always_lock_free, "CgX and CgY are read without a lock");

// The program's single acquisition thread, from module start to module end.
extern TAcqCgPodo* AcqThread;
void AcqThreadModuleStart();
void AcqThreadModuleEnd();
