// Plays whole clock trials on the rules class with a scripted cursor and
// prints the cost of one GameStep and of one trial:
//
//   clock: steps=N step_ns_mean=.. step_ns_p99=.. trial_us=.. step_allocs=..
//
// Each step is timed on its own (the two clock readings, some 20-40 ns, are
// included). trial_us is the mean wall time of one trial: LoadLevel, every
// step and seconds tick until the last ball. step_allocs counts the heap
// allocations made inside GameStep over the whole run; it must stay 0.

#include "Define.h"
#include "SurfaceMapping.h"
#include "clock/ClockGame.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

std::atomic<bool> countingAllocations{false};
std::atomic<long> allocations{0};

} // namespace

void* operator new(std::size_t size)
{
    if (countingAllocations.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

using SteadyClock = std::chrono::steady_clock;

const QSize playfield(1920, 1080);

Clock::TConfig benchLevel(int variant)
{
    Clock::TConfig level;
    level.Name = QStringLiteral("bench");
    level.Numbers = QStringLiteral("16151413121110090807060504030201");
    level.BallNb = 16;
    level.BallSize = 40;
    level.Dist = 80;
    level.Speed = 10;
    level.TargetColor = 16711935;
    level.BallColor = 255;
    level.TypeJeu = Clock::Circle;
    level.Center = true;
    switch (variant % 3) {
    case 0:
        level.Movement = Clock::AbsoluteTrailing;
        break;
    case 1:
        level.Movement = Clock::DifferentialTrailing;
        break;
    default:
        level.Movement = Clock::Absolute;
        level.Random = true;
        level.TypeJeu = Clock::Front;
        level.BallNb = 5;
        break;
    }
    return level;
}

QPoint centreOf(const QRect& box)
{
    return QPoint(box.x() + box.width() / 2, box.y() + box.height() / 2);
}

int towards(int from, int to, int step)
{
    return from + std::clamp(to - from, -step, step);
}

} // namespace

int main(int argc, char** argv)
{
    const int trials = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;

    PlateNbCapX = 48;
    InitX = InitY = 24.0; // the reference of the differential modes is the centre

    ClockGame game;
    game.SetPictureCheck([](const QString&) { return true; });
    game.SeedRandom(7);

    std::vector<std::int64_t> stepNs;
    stepNs.reserve(std::size_t(trials) * 400);
    double trialUsTotal = 0.0;

    for (int trial = 0; trial < trials; ++trial) {
        const Clock::TConfig level = benchLevel(trial);
        const bool differential = level.Movement == Clock::DifferentialTrailing;
        const auto trialStart = SteadyClock::now();
        game.LoadLevel(level, playfield);
        QPoint cursor = game.Cross();
        bool over = false;
        for (int tick = 1; !over && tick < 1'000'000; ++tick) {
            if (tick % 20 == 0)
                game.SecondsTick();
            // Aim the character's corner at the next ball or the marker.
            const QRect goal =
                game.ReturnPending() ? game.Gun().Bounds : game.Ball(game.TargetBall()).Bounds;
            const QPoint aim = centreOf(goal) + QPoint(14, 16);
            if (differential) {
                const QPoint at = game.Figure(0).Bounds.topLeft() + QPoint(14, 16);
                cursor = game.Cross() + QPoint(aim.x() > at.x()   ? 50
                                               : aim.x() < at.x() ? -50
                                                                  : 0,
                                               aim.y() > at.y()   ? 50
                                               : aim.y() < at.y() ? -50
                                                                  : 0);
            } else {
                cursor = QPoint(towards(cursor.x(), aim.x(), 15), towards(cursor.y(), aim.y(), 15));
            }

            countingAllocations.store(true, std::memory_order_relaxed);
            const auto before = SteadyClock::now();
            over = game.GameStep(cursor.x(), cursor.y());
            const auto after = SteadyClock::now();
            countingAllocations.store(false, std::memory_order_relaxed);
            stepNs.push_back(
                std::chrono::duration_cast<std::chrono::nanoseconds>(after - before).count());
        }
        if (!over) {
            std::fprintf(stderr, "bench_clock: trial %d did not end\n", trial);
            return 1;
        }
        trialUsTotal +=
            std::chrono::duration<double, std::micro>(SteadyClock::now() - trialStart).count();
    }

    double sum = 0.0;
    for (const std::int64_t ns : stepNs)
        sum += double(ns);
    std::vector<std::int64_t> sorted = stepNs;
    std::sort(sorted.begin(), sorted.end());
    const std::int64_t p99 = sorted[std::min(sorted.size() - 1, sorted.size() * 99 / 100)];

    std::printf(
        "clock: steps=%zu step_ns_mean=%.1f step_ns_p99=%lld trial_us=%.1f step_allocs=%ld\n",
        stepNs.size(), sum / double(stepNs.size()), static_cast<long long>(p99),
        trialUsTotal / trials, allocations.load());
    return allocations.load() == 0 ? 0 : 2;
}
