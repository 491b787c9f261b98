#include "AcqCgPodo.h"

#include <chrono>
#include <thread>

TAcqCgPodo* AcqThread = nullptr;

std::uint32_t TAcqCgPodo::SteadyTickMs()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

TAcqCgPodo::TAcqCgPodo(const SteplinkApi* api, TickFn tick) : m_api(api), m_tick(tick)
{
    setObjectName(QStringLiteral("AcqThread"));
    start(QThread::NormalPriority);
}

TAcqCgPodo::~TAcqCgPodo()
{
    Shutdown();
}

int TAcqCgPodo::SetPeriod(int milliseconds)
{
    if (milliseconds <= 10 || milliseconds >= 500)
        return -2;
    m_period.store(milliseconds);
    return 0;
}

bool TAcqCgPodo::isSampling() const
{
    std::lock_guard lock(m_mutex);
    return m_sampling;
}

void TAcqCgPodo::StartAcq()
{
    if (m_api->SLStartAcqContinue)
        m_api->SLStartAcqContinue();
    setPriority(QThread::HighPriority);
    {
        std::lock_guard lock(m_mutex);
        m_sampling = true;
    }
    m_changed.notify_all();
}

void TAcqCgPodo::StopAcq()
{
    {
        std::unique_lock lock(m_mutex);
        m_sampling = false;
        m_changed.wait(lock, [this] { return !m_reading; });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(StopSettleMs));
    if (m_api->SLStopAcqContinue)
        m_api->SLStopAcqContinue();
}

void TAcqCgPodo::Shutdown()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    if (QThread::currentThread() != this)
        wait();
}

void TAcqCgPodo::run()
{
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_sampling || m_quit; });
            if (m_quit)
                return;
        }

        const std::uint32_t start = m_tick();
        while (ElapsedMs(start, m_tick()) < static_cast<std::uint32_t>(m_period.load()) &&
               !m_quit.load(std::memory_order_relaxed))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));

        {
            std::lock_guard lock(m_mutex);
            if (m_quit)
                return;
            if (!m_sampling)
                continue; // paused during the wait: no read starts
            m_reading = true;
        }
        // A library that fails to write leaves the previous values in place.
        float x = CgX.load();
        float y = CgY.load();
        m_readResult = m_api->SLReadPodoCG(&x, &y, &m_third, &m_fourth);
        CgX.store(x);
        CgY.store(y);
        {
            std::lock_guard lock(m_mutex);
            m_reading = false;
            if (m_quit) {
                m_changed.notify_all();
                return;
            }
        }
        m_changed.notify_all();
    }
}

void AcqThreadModuleStart()
{
    if (!AcqThread)
        AcqThread = new TAcqCgPodo(&SteplinkDriver);
}

void AcqThreadModuleEnd()
{
    delete AcqThread; // shuts the loop down and joins it
    AcqThread = nullptr;
}
