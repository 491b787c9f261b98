// The clock game at the size it is played at, in one line:
//
//   clock: step_ns=.. paint_ms=.. period_mean_ms=.. period_p99_dev_ms=..
//
// step_ns: the mean cost of one ClockGame::GameStep on a 1920 x 1080
//   playfield, over whole trials steered by a scripted cursor (blocks of
//   steps are timed, so the clock readings stay out of the figure).
// paint_ms: the mean cost of painting TfmClock's playfield at 1920 x 1080
//   into an image: panel, cross, sixteen balls with their numbers, the
//   character and its trail.
// period_mean_ms, period_p99_dev_ms: the step timer of a running trial in
//   TfmClock over 10 seconds, the window at that size repainting on every
//   step and the CoG coming through a real acquisition thread: the mean
//   period, and the 99th percentile of its distance from the timer's
//   interval.
//
// Run it offscreen (QT_QPA_PLATFORM=offscreen, as scripts/bench does);
// "--picture FILE" saves the painted playfield, "--verbose" names the steps
// that came more than 3 ms off the interval.

#include "AcqCgPodo.h"
#include "Define.h"
#include "GameFrame.h"
#include "SteplinkDriver.h"
#include "clock/ClockGame.h"
#include "clock/ClockLevel.h"
#include "clock/TfmClock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFrame>
#include <QImage>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using SteadyClock = std::chrono::steady_clock;

const QSize Playfield(1920, 1080);
// The plate's middle, and the CoG range that reaches the playfield's edge.
constexpr double Rest = 24.0;
constexpr int Range = 12;

constexpr TColor Red = 255;
constexpr TColor Fuchsia = 16711935;

Clock::TConfig benchLevel(Clock::Movement movement, Clock::Layout layout, int balls, bool random,
                          bool center)
{
    Clock::TConfig level;
    level.Name = QStringLiteral("Bench");
    level.Numbers = Clock::IdentityNumbers();
    level.Movement = movement;
    level.TypeJeu = layout;
    level.BallNb = balls;
    level.Random = random;
    level.Center = center;
    level.ShowGrid = true;
    level.BallSize = 40;
    level.Dist = 80;
    level.Speed = 10;
    level.BallColor = Red;
    level.TargetColor = Fuchsia;
    return level;
}

// From `from` to `to` in steps of at most `step` pixels, `to` included.
void walk(std::vector<QPoint>& path, QPoint from, QPoint to, int step)
{
    const int n =
        std::max(1, int(std::ceil(std::hypot(to.x() - from.x(), to.y() - from.y()) / step)));
    for (int i = 1; i <= n; ++i)
        path.push_back(from + (to - from) * i / n);
}

// Out from the centre marker to each ball in turn and back: every lap
// touches the next ball at least once, and returns to the marker between
// balls. The cursor stands off the marker's middle so that the character's
// corner, not its middle, lies on the marker.
std::vector<QPoint> spokes(const ClockGame& game)
{
    const QPoint home = game.Cross() + QPoint(ClockGame::CharacterSize.width() / 2,
                                              ClockGame::CharacterSize.height() / 2);
    std::vector<QPoint> path;
    for (int k = 1; k <= game.BallCount(); ++k) {
        walk(path, home, game.Ball(k).Bounds.center(), 15);
        walk(path, game.Ball(k).Bounds.center(), home, 15);
    }
    return path;
}

double stepNs()
{
    PlateNbCapX = 48;
    InitX = InitY = Rest;
    ClockGame game;
    game.SetPictureCheck([](const QString&) { return true; });
    game.SeedRandom(7);

    struct Variant
    {
        Clock::TConfig level;
        long cap; // steps at most; the differential character never reaches the ring this way
    };
    const Variant variants[] = {
        {benchLevel(Clock::Absolute, Clock::Circle, 16, false, true), 1'000'000},
        {benchLevel(Clock::AbsoluteTrailing, Clock::Circle, 8, false, true), 1'000'000},
        {benchLevel(Clock::Absolute, Clock::Front, 5, true, false), 1'000'000},
        {benchLevel(Clock::DifferentialTrailing, Clock::Circle, 12, false, false), 4'000},
    };

    long steps = 0;
    double ns = 0.0;
    for (int trial = 0; trial < 400; ++trial) {
        const Variant& variant = variants[trial % std::size(variants)];
        game.LoadLevel(variant.level, Playfield);
        const std::vector<QPoint> path = spokes(game);
        std::size_t at = 0;
        long n = 0;
        bool over = false;
        const auto begin = SteadyClock::now();
        while (!over && n < variant.cap) {
            over = game.GameStep(path[at].x(), path[at].y());
            if (++at == path.size())
                at = 0;
            ++n;
        }
        ns += std::chrono::duration<double, std::nano>(SteadyClock::now() - begin).count();
        steps += n;
        if (!over && variant.cap == 1'000'000) {
            std::fprintf(stderr, "bench_games: a trial did not end\n");
            return -1.0;
        }
    }
    return ns / double(steps);
}

// The plate the acquisition thread reads: the CoG goes round a small circle
// about the rest position, so the character moves on every step and never
// reaches a ball.
QElapsedTimer plateClock;

std::int32_t plateStart()
{
    return 0;
}
std::int32_t plateStop()
{
    return 0;
}
std::int32_t plateRead(float* x, float* y, float* third, float* fourth)
{
    const double turn = double(plateClock.elapsed()) / 2000.0 * 2.0 * M_PI;
    *x = float(Rest + 1.5 * std::cos(turn));
    *y = float(Rest + 1.5 * std::sin(turn));
    *third = 0.0f;
    *fourth = 0.0f;
    return 0;
}

template <class T> T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        std::fprintf(stderr, "bench_games: no %s\n", name);
    return found;
}

void processEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    const double step = stepNs();
    if (step < 0)
        return 1;

    QApplication app(argc, argv);
    DefineReset();
    ExePath = QStringLiteral(VELUNOR_INSTALL_DIR "/");
    ConfigPath = QStringLiteral(VELUNOR_CONFIG_DIR "/");
    CurrentGameType = Clock::GameType;
    BackGround_Color = 0;
    DeltaX = DeltaY = Range;
    InitX = InitY = Rest;
    PlateNbCapX = 48;
    Clock::Configs.Rebuild(
        {{QStringLiteral("Bench"),
          Clock::Encode(benchLevel(Clock::AbsoluteTrailing, Clock::Circle, 16, false, true)),
          QString()}},
        Clock::Decode);

    SteplinkApi plate;
    plate.SLStartAcqContinue = plateStart;
    plate.SLReadPodoCG = plateRead;
    plate.SLStopAcqContinue = plateStop;
    plateClock.start();
    TAcqCgPodo acquisition(&plate);
    acquisition.SetPeriod(20); // as the main window sets it

    TfmClock window(&acquisition);
    window.show();
    processEventsFor(200);
    // The frame keeps 46 pixels beside the playfield and 146 around it.
    window.resize(Playfield.width() + 46, Playfield.height() + 146);
    processEventsFor(200);
    QFrame* field = child<QFrame>(&window, "pSurface");
    QTimer* timer = child<QTimer>(&window, "Timer");
    QPushButton* start = child<QPushButton>(&window, "btStart");
    QPushButton* stop = child<QPushButton>(&window, "btStop");
    if (!field || !timer || !start || !stop)
        return 1;
    if (field->size() != Playfield || !window.Game().HasLevel()) {
        std::fprintf(stderr, "bench_games: playfield %dx%d, level %s\n", field->width(),
                     field->height(), window.Game().HasLevel() ? "laid out" : "missing");
        return 1;
    }

    QImage image(Playfield, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 5; ++i)
        field->render(&image);
    constexpr int paints = 200;
    QElapsedTimer painting;
    painting.start();
    for (int i = 0; i < paints; ++i)
        field->render(&image);
    const double paintMs = double(painting.nsecsElapsed()) / 1e6 / paints;
    // "--picture FILE" keeps what was painted, to see that it is the game.
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype pictureArg = arguments.indexOf(QStringLiteral("--picture"));
    if (pictureArg > 0 && pictureArg + 1 < arguments.size())
        image.save(arguments.at(pictureArg + 1));

    // A running trial for 10 seconds.
    std::vector<qint64> ticks;
    ticks.reserve(400);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, [&] { ticks.push_back(clock.nsecsElapsed()); });
    start->click();
    if (window.FrameState().Phase() != FramePhase::Running) {
        std::fprintf(stderr, "bench_games: the trial did not start\n");
        return 1;
    }
    processEventsFor(10'000);
    const bool stillRunning = window.FrameState().Phase() == FramePhase::Running;
    stop->click();
    window.hide();
    acquisition.Shutdown();
    if (!stillRunning || ticks.size() < 3) {
        std::fprintf(stderr, "bench_games: the trial ended early (%zu steps)\n", ticks.size());
        return 1;
    }

    const double interval = timer->interval();
    const bool verbose = arguments.contains(QStringLiteral("--verbose"));
    std::vector<double> periods, deviations;
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        periods.push_back(double(ticks[i] - ticks[i - 1]) / 1e6);
        deviations.push_back(std::abs(periods.back() - interval));
        // A late step and the early one that catches up show a stall.
        if (verbose && deviations.back() > 3.0)
            std::fprintf(stderr, "bench_games: step %zu at %.0f ms came after %.2f ms\n", i,
                         double(ticks[i]) / 1e6, periods.back());
    }
    double sum = 0.0;
    for (const double p : periods)
        sum += p;
    std::sort(deviations.begin(), deviations.end());
    const double p99 = deviations[std::min(deviations.size() - 1,
                                           std::size_t(std::ceil(deviations.size() * 0.99)) - 1)];

    std::printf("clock: step_ns=%.1f paint_ms=%.3f period_mean_ms=%.3f period_p99_dev_ms=%.3f\n",
                step, paintMs, sum / double(periods.size()), p99);
    return 0;
}
