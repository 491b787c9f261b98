// The simulated Steplink platform: reports a centre of gravity that rests at
// the plate centre, follows position datagrams from steplink-pad, and adds
// the sway of a recorded trace when one is configured.

// The six driver functions are the library's interface: give their
// declarations default visibility, everything else stays hidden.
#pragma GCC visibility push(default)
#include "steplink.h"
#pragma GCC visibility pop
#include "steplink_sim.h"

#include "SimConfig.h"
#include "Trace.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using steplink::sim::SimConfig;
using steplink::sim::Trace;

constexpr const char* VersionText = "2.8.0-sim";
// Third cell of SLReadPodoCG: a steady body load, in kg-like units.
constexpr float RestingLoad = 70.0f;

int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string libraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&SLInit), &info) == 0 || info.dli_fname == nullptr)
        return ".";
    const std::filesystem::path dir = std::filesystem::path(info.dli_fname).parent_path();
    return dir.empty() ? std::string(".") : dir.string();
}

class Simulator
{
public:
    ~Simulator()
    {
        // dlclose without SLExit: the listener's code is about to be unmapped.
        std::lock_guard lock(m_control);
        stopListener();
    }

    int32_t init()
    {
        std::lock_guard lock(m_control);
        if (m_started)
            return m_initResult;

        const std::string folder = libraryFolder();
        const SimConfig config = steplink::sim::ReadSimConfig(
            steplink::sim::FindFileNoCase(folder, STEPLINK_SIM_INI_FILE));
        m_initResult = config.initResult;
        m_badDatagrams = 0;
        m_badTraceLines = 0;
        if (m_initResult < 0)
            return m_initResult;

        m_sizeX = static_cast<float>(config.sensorsX);
        m_sizeY = static_cast<float>(config.sensorsY);
        m_baseX = m_sizeX / 2;
        m_baseY = m_sizeY / 2;
        m_loop = config.traceLoop;

        auto trace = std::make_unique<Trace>(
            Trace::load(steplink::sim::ResolvePath(folder, config.trace), config.cmPerSensor));
        m_badTraceLines = trace->malformedLines();
        // The acquisition thread may still hold the previous trace; it is
        // kept until the library goes away.
        if (m_trace)
            m_retired.push_back(std::move(m_trace));
        m_trace = std::move(trace);
        m_publishedTrace.store(m_trace->empty() ? nullptr : m_trace.get(),
                               std::memory_order_release);
        m_replayStart = nowNs();

        startListener(config.udpPort);
        m_started = true;
        return m_initResult;
    }

    int32_t exit()
    {
        std::lock_guard lock(m_control);
        stopListener();
        m_started = false;
        return 0;
    }

    void startAcquisition() { m_replayStart = nowNs(); }

    void read(float* x, float* y, float* third, float* fourth) const noexcept
    {
        float cx = m_baseX.load(std::memory_order_relaxed);
        float cy = m_baseY.load(std::memory_order_relaxed);
        if (const Trace* trace = m_publishedTrace.load(std::memory_order_acquire)) {
            const double elapsed = static_cast<double>(nowNs() - m_replayStart) * 1e-9;
            float dx = 0, dy = 0;
            trace->offsetAt(elapsed, m_loop.load(std::memory_order_relaxed), dx, dy);
            cx += dx;
            cy += dy;
        }
        // A plate reports nothing outside its sensors.
        if (x)
            *x = std::clamp(cx, 0.0f, m_sizeX.load(std::memory_order_relaxed));
        if (y)
            *y = std::clamp(cy, 0.0f, m_sizeY.load(std::memory_order_relaxed));
        if (third)
            *third = RestingLoad;
        if (fourth)
            *fourth = 0.0f;
    }

    int32_t malformedDatagrams() const { return m_badDatagrams; }
    int32_t malformedTraceLines() const { return m_badTraceLines; }

private:
    // The socket is bound here, before SLInit returns, so datagrams sent
    // right after it are queued rather than lost.
    void startListener(int port)
    {
        const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<uint16_t>(port));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            const int err = errno;
            if (fd >= 0)
                close(fd);
            std::fprintf(stderr,
                         "Steplink simulator: cannot listen on UDP 127.0.0.1:%d (%s); the "
                         "platform stays at the centre\n",
                         port, std::strerror(err));
            return;
        }
        int wake[2];
        if (pipe2(wake, O_CLOEXEC) != 0) {
            close(fd);
            std::fprintf(stderr, "Steplink simulator: cannot start the listener (%s)\n",
                         std::strerror(errno));
            return;
        }
        m_socket = fd;
        m_wakeRead = wake[0];
        m_wakeWrite = wake[1];
        m_listener = std::thread([this, fd, wakeFd = wake[0]] { listen(fd, wakeFd); });
    }

    void stopListener()
    {
        if (m_listener.joinable()) {
            const char byte = 0;
            while (write(m_wakeWrite, &byte, 1) < 0 && errno == EINTR) {
            }
            m_listener.join();
        }
        for (int* fd : {&m_socket, &m_wakeRead, &m_wakeWrite}) {
            if (*fd >= 0)
                close(*fd);
            *fd = -1;
        }
    }

    void listen(int fd, int wakeFd)
    {
        pollfd fds[2] = {{fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
        char buffer[STEPLINK_SIM_DATAGRAM_MAX + 1];
        for (;;) {
            if (poll(fds, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                return;
            }
            if (fds[1].revents != 0)
                return;
            if (fds[0].revents & (POLLERR | POLLNVAL))
                return;
            // MSG_TRUNC: the datagram's real length, so an oversize one is
            // refused instead of being parsed cut short.
            const ssize_t n = recv(fd, buffer, sizeof buffer, MSG_TRUNC | MSG_DONTWAIT);
            if (n < 0)
                continue;
            double x = 0, y = 0;
            if (n <= STEPLINK_SIM_DATAGRAM_MAX &&
                steplink::ParseCogDatagram(std::string_view(buffer, static_cast<size_t>(n)), x,
                                           y)) {
                const double sx = m_sizeX.load(std::memory_order_relaxed);
                const double sy = m_sizeY.load(std::memory_order_relaxed);
                m_baseX.store(static_cast<float>(std::clamp(x, 0.0, sx)),
                              std::memory_order_relaxed);
                m_baseY.store(static_cast<float>(std::clamp(y, 0.0, sy)),
                              std::memory_order_relaxed);
            } else {
                ++m_badDatagrams;
            }
        }
    }

    std::mutex m_control; // SLInit / SLExit / unload
    bool m_started = false;
    int32_t m_initResult = 0;

    std::atomic<float> m_sizeX{48.0f};
    std::atomic<float> m_sizeY{48.0f};
    std::atomic<float> m_baseX{24.0f};
    std::atomic<float> m_baseY{24.0f};
    std::atomic<bool> m_loop{true};
    std::atomic<int64_t> m_replayStart{nowNs()};
    std::atomic<const Trace*> m_publishedTrace{nullptr};
    std::unique_ptr<Trace> m_trace;
    std::vector<std::unique_ptr<Trace>> m_retired;

    std::atomic<int32_t> m_badDatagrams{0};
    std::atomic<int32_t> m_badTraceLines{0};

    int m_socket = -1;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    std::thread m_listener;
};

Simulator g_simulator;

} // namespace

extern "C" {

void SLGetVersion(char* version, int32_t size)
{
    if (version == nullptr || size <= 0)
        return;
    const size_t n = std::min(std::strlen(VersionText), static_cast<size_t>(size) - 1);
    std::memcpy(version, VersionText, n);
    version[n] = '\0';
}

int32_t SLInit(void* /*instance*/, void* /*window*/, const char* /*alias*/, int32_t /*code*/)
{
    return g_simulator.init();
}

int32_t SLStartAcqContinue(void)
{
    g_simulator.startAcquisition();
    return 0;
}

int32_t SLReadPodoCG(float* x, float* y, float* third, float* fourth)
{
    g_simulator.read(x, y, third, fourth);
    return 0;
}

int32_t SLStopAcqContinue(void)
{
    return 0;
}

int32_t SLExit(void)
{
    return g_simulator.exit();
}

int32_t SimMalformedDatagrams(void)
{
    return g_simulator.malformedDatagrams();
}

int32_t SimMalformedTraceLines(void)
{
    return g_simulator.malformedTraceLines();
}

} // extern "C"
