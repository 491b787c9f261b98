// Runs the acquisition thread at a 20 ms period against the simulated
// platform and prints the interval between reads and the processor use.
//
//   acquisition: reads=N mean_ms=.. p50_ms=.. p99_ms=.. max_ms=.. cpu_pct=..

#include "AcqCgPodo.h"
#include "SteplinkDriver.h"

#include "FreeUdpPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
SLReadPodoCGFn realRead = nullptr;
std::vector<Clock::time_point> readTimes;

int32_t timedRead(float* x, float* y, float* third, float* fourth)
{
    readTimes.push_back(Clock::now()); // acquisition thread only
    return realRead(x, y, third, fourth);
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;

    // The simulated platform in an installation of its own, with its UDP
    // listener on a free port so that nothing else interferes.
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(VELUNOR_INSTALL_DIR "/" STEPLINK_LIBRARY_FILE),
                QDir(dir.path()).filePath(QStringLiteral(STEPLINK_LIBRARY_FILE)));
    QFile ini(QDir(dir.path()).filePath(QStringLiteral("Steplink.ini")));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[Simulator]\nUdpPort=" + QByteArray::number(FreeUdpPort()) + "\n");
    ini.close();

    SteplinkApi api;
    QString error;
    if (!BindSteplinkLibrary(QDir(dir.path()).filePath(QStringLiteral(STEPLINK_LIBRARY_FILE)), api,
                             error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    api.SLInit(nullptr, nullptr, "QXDATA", STEPLINK_CLIENT_CODE);
    realRead = api.SLReadPodoCG;
    api.SLReadPodoCG = timedRead;
    readTimes.reserve(size_t(seconds) * 100);

    TAcqCgPodo thread(&api);
    thread.SetPeriod(20);
    const double cpuBefore = cpuSeconds();
    const auto wallBefore = Clock::now();
    thread.StartAcq();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    thread.StopAcq();
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    const double cpu = cpuSeconds() - cpuBefore;
    thread.Shutdown();
    api.SLExit();

    std::vector<double> intervals;
    for (size_t i = 1; i < readTimes.size(); ++i)
        intervals.push_back(
            std::chrono::duration<double, std::milli>(readTimes[i] - readTimes[i - 1]).count());
    if (intervals.empty()) {
        std::fprintf(stderr, "no reads\n");
        return 1;
    }
    double sum = 0;
    for (double v : intervals)
        sum += v;
    std::sort(intervals.begin(), intervals.end());
    auto pct = [&](double p) {
        return intervals[std::min(intervals.size() - 1, size_t(p * double(intervals.size())))];
    };
    std::printf("acquisition: reads=%zu mean_ms=%.2f p50_ms=%.2f p99_ms=%.2f max_ms=%.2f "
                "cpu_pct=%.2f\n",
                readTimes.size(), sum / double(intervals.size()), pct(0.50), pct(0.99),
                intervals.back(), 100.0 * cpu / wall);
    return 0;
}
