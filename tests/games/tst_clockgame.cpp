// Whole clock trials played on the rules class, without a window.

#include "AppError.h"
#include "Define.h"
#include "GameFrame.h"
#include "ManualWallClock.h"
#include "TestInstallation.h"
#include "TrialRow.h"
#include "clock/ClockGame.h"

#include <QtTest>
#include <climits>
#include <set>

Q_DECLARE_METATYPE(ClockGame::Facing)

namespace {

const QSize field(800, 600);
const QString identity = QStringLiteral("01020304050607080910111213141516");
constexpr TColor fuchsia = 16711935; // "Rose"
constexpr TColor red = 255;          // "Rouge"

Clock::TConfig makeLevel(int ballNb = 4, int layout = Clock::Circle,
                         const QString& numbers = identity)
{
    Clock::TConfig level;
    level.Name = QStringLiteral("Test level");
    level.Numbers = numbers;
    level.Movement = Clock::Absolute;
    level.Speed = 10;
    level.BallSize = 40;
    level.BallNb = ballNb;
    level.TypeJeu = layout;
    level.Dist = 100;
    level.TargetColor = fuchsia;
    level.BallColor = red;
    level.NbColor = 0x00FFFF;
    return level;
}

void prepare(ClockGame& game)
{
    game.SetPictureCheck([](const QString&) { return true; });
    game.SeedRandom(1);
}

QPoint centreOf(const QRect& box)
{
    return QPoint(box.x() + box.width() / 2, box.y() + box.height() / 2);
}

// The cursor that puts the character's top-left corner on `point`: the
// corner test of a disc is met there whatever the disc's size.
QPoint cursorOnto(QPoint point)
{
    return point +
           QPoint(ClockGame::CharacterSize.width() / 2, ClockGame::CharacterSize.height() / 2);
}

bool touchBall(ClockGame& game, int k)
{
    const QPoint cursor = cursorOnto(centreOf(game.Ball(k).Bounds));
    return game.GameStep(cursor.x(), cursor.y());
}

bool touchGun(ClockGame& game)
{
    const QPoint cursor = cursorOnto(centreOf(game.Gun().Bounds));
    return game.GameStep(cursor.x(), cursor.y());
}

int visibleBalls(const ClockGame& game)
{
    int n = 0;
    for (int k = 1; k <= Clock::MaxBalls; ++k)
        n += game.Ball(k).Visible ? 1 : 0;
    return n;
}

} // namespace

class TestClockGame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void trialInOrder_data();
    void trialInOrder();
    void wrongBallDoesNotCount();
    void randomNumbering();
    void centreReturn();
    void lastBallEndsTrialDespiteCentre();
    void differentialSteps_data();
    void differentialSteps();
    void absoluteFollowsCursor_data();
    void absoluteFollowsCursor();
    void trailFollowsCharacter();
    void ringAroundTheCross();
    void numberFonts_data();
    void numberFonts();
    void loadLevelResetsTheTrial();
    void missingBallPictureStillPlays();
    void missingTargetPictureRefusesTheLevel();
    void unusableNumbersRefused();
    void stepsWithoutLevelOrAfterTheEnd();

    void wholeTrialsThroughTheFrame();
};

void TestClockGame::init()
{
    DefineReset();
    InitX = InitY = 0.0;
}

void TestClockGame::cleanup()
{
    DefineReset();
    InitX = InitY = 0.0;
}

void TestClockGame::trialInOrder_data()
{
    QTest::addColumn<int>("ballNb");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<int>("played");
    QTest::addColumn<int>("firstBall");
    QTest::addColumn<int>("lastBall");

    QTest::newRow("circle of 4") << 4 << 0 << identity << 4 << 1 << 4;
    QTest::newRow("circle of 16") << 16 << 0 << identity << 16 << 1 << 16;
    QTest::newRow("numbers 05 04 03 02 01: ball 5 first, ball 1 last")
        << 5 << 1 << QStringLiteral("05040302010607080910111213141516") << 5 << 5 << 1;
    QTest::newRow("posterior quarter of 3") << 3 << 2 << identity << 3 << 1 << 3;
    QTest::newRow("17 balls play 5") << 17 << 0 << identity << 5 << 1 << 5;
    QTest::newRow("-1 balls play 5") << -1 << 0 << identity << 5 << 1 << 5;
    QTest::newRow("0 balls play 5") << 0 << 3 << identity << 5 << 1 << 5;
}

void TestClockGame::trialInOrder()
{
    QFETCH(int, ballNb);
    QFETCH(int, layout);
    QFETCH(QString, numbers);
    QFETCH(int, played);
    QFETCH(int, firstBall);
    QFETCH(int, lastBall);

    ClockGame game;
    prepare(game);
    game.LoadLevel(makeLevel(ballNb, layout, numbers), field);
    QCOMPARE(game.BallCount(), played);
    QCOMPARE(visibleBalls(game), played);
    QCOMPARE(game.TargetBall(), firstBall);
    QCOMPARE(game.Number(firstBall).Caption, QStringLiteral("01"));
    QCOMPARE(game.BallOrder(played - 1), lastBall);

    for (int r = 0; r < played; ++r) {
        const int k = game.TargetBall();
        // Only the ball to touch next wears the target colour.
        for (int j = 1; j <= played; ++j) {
            if (game.Ball(j).Visible)
                QCOMPARE(game.Ball(j).Picture,
                         QString::fromLatin1(j == k ? "Balle_Rose.bmp" : "Balle_Rouge.bmp"));
        }
        QCOMPARE(game.Number(k).Caption.toInt(), r + 1);
        const bool ended = touchBall(game, k);
        QCOMPARE(ended, r == played - 1);
        QVERIFY(!game.Ball(k).Visible);
        QVERIFY(!game.Number(k).Visible);
        QCOMPARE(game.TargetIndex(), r + 1);
    }
    QCOMPARE(game.TargetBall(), 0);
    QVERIFY(game.TrialOver());
    QCOMPARE(visibleBalls(game), 0);
}

void TestClockGame::wrongBallDoesNotCount()
{
    ClockGame game;
    prepare(game);
    game.LoadLevel(makeLevel(4), field);
    QVERIFY(!touchBall(game, 3));
    QCOMPARE(game.TargetIndex(), 0);
    QVERIFY(game.Ball(3).Visible);
    QVERIFY(!touchBall(game, 1));
    QCOMPARE(game.TargetIndex(), 1);
    QVERIFY(!touchBall(game, 1)); // a hidden ball is no target any more
    QCOMPARE(game.TargetIndex(), 1);
    QCOMPARE(game.TargetBall(), 2);
}

void TestClockGame::randomNumbering()
{
    Clock::TConfig level = makeLevel(8);
    level.Random = true;
    level.Numbers = QStringLiteral("garbage"); // not read for a random level

    ClockGame game;
    prepare(game);
    std::set<QList<int>> orders;
    for (int trial = 0; trial < 6; ++trial) {
        game.LoadLevel(level, field); // every LoadLevel draws anew
        QStringList captions;
        QList<int> order;
        for (int k = 1; k <= 8; ++k)
            captions.append(game.Number(k).Caption);
        for (int r = 0; r < 8; ++r)
            order.append(game.BallOrder(r));
        orders.insert(order);

        QStringList sorted = captions;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
        QCOMPARE(sorted, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"})); // no leading zero
        const int first = game.TargetBall();
        QCOMPARE(game.Number(first).Caption, QStringLiteral("1"));
        QCOMPARE(game.Ball(first).Picture, QStringLiteral("Balle_Rose.bmp"));

        for (int r = 0; r < 8; ++r)
            QCOMPARE(touchBall(game, game.TargetBall()), r == 7);
    }
    QVERIFY2(orders.size() > 1, "every trial draws its own numbering");
}

void TestClockGame::centreReturn()
{
    Clock::TConfig level = makeLevel(4);
    level.Center = true;
    ClockGame game;
    prepare(game);
    game.LoadLevel(level, field);
    QVERIFY(!game.Gun().Visible);
    QCOMPARE(centreOf(game.Gun().Bounds), game.Cross());

    QVERIFY(!touchBall(game, 1));
    QCOMPARE(game.TargetIndex(), 1);
    QVERIFY(game.ReturnPending());
    QVERIFY(game.Gun().Visible);
    QCOMPARE(game.Ball(2).Picture, QStringLiteral("Balle_Rose.bmp")); // drawn as next meanwhile

    QVERIFY(!touchBall(game, 2)); // before the centre: does not count
    QCOMPARE(game.TargetIndex(), 1);
    QVERIFY(game.Ball(2).Visible);

    // Standing over the marker's centre with every corner outside its disc
    // is no touch.
    const QPoint over = centreOf(game.Gun().Bounds);
    game.GameStep(over.x(), over.y());
    QVERIFY(game.ReturnPending());

    QVERIFY(!touchGun(game));
    QVERIFY(!game.ReturnPending());
    QVERIFY(!game.Gun().Visible);
    QVERIFY(!touchBall(game, 2));
    QCOMPARE(game.TargetIndex(), 2);
}

void TestClockGame::lastBallEndsTrialDespiteCentre()
{
    Clock::TConfig level = makeLevel(3, Clock::Front);
    level.Center = true;
    ClockGame game;
    prepare(game);
    game.LoadLevel(level, field);
    QVERIFY(!touchBall(game, 1));
    QVERIFY(!touchGun(game));
    QVERIFY(!touchBall(game, 2));
    QVERIFY(!touchGun(game));
    QVERIFY(touchBall(game, 3)); // the marker shows, but the trial is over
    QVERIFY(game.Gun().Visible);
    QVERIFY(game.TrialOver());
}

void TestClockGame::differentialSteps_data()
{
    QTest::addColumn<int>("plateNbCapX");
    QTest::addColumn<double>("initX");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<ClockGame::Facing>("facing");

    using F = ClockGame::Facing;
    // 48 sensors, initial position 24/24: the reference is (400, 300); the
    // character starts at (386, 284).
    QTest::newRow("one step down right")
        << 48 << 24.0 << 5 << QPoint(500, 400) << 1 << QPoint(391, 289) << F::Right;
    QTest::newRow("five steps, 5 pixels each")
        << 48 << 24.0 << 5 << QPoint(500, 400) << 5 << QPoint(411, 309) << F::Right;
    QTest::newRow("held at the lower right border")
        << 48 << 24.0 << 5 << QPoint(500, 400) << 400 << QPoint(772, 567) << F::Right;
    QTest::newRow("on the reference in X: X stays")
        << 48 << 24.0 << 5 << QPoint(400, 100) << 3 << QPoint(386, 269) << F::Right;
    QTest::newRow("held at the top")
        << 48 << 24.0 << 5 << QPoint(400, 100) << 400 << QPoint(386, 0) << F::Right;
    QTest::newRow("left, Y on the reference")
        << 48 << 24.0 << 5 << QPoint(0, 300) << 3 << QPoint(371, 284) << F::Left;
    QTest::newRow("held at the left border")
        << 48 << 24.0 << 5 << QPoint(0, 300) << 400 << QPoint(0, 284) << F::Left;
    QTest::newRow("on the reference: still")
        << 48 << 24.0 << 5 << QPoint(400, 300) << 10 << QPoint(386, 284) << F::Right;
    // The reference follows the initial position: at 12/48 it is x = 200.
    QTest::newRow("reference from the initial position")
        << 48 << 12.0 << 7 << QPoint(300, 300) << 2 << QPoint(400, 284) << F::Right;
    // No plate model: the reference falls back to the playfield's centre.
    QTest::newRow("no sensor count: centre, still")
        << 0 << 24.0 << 5 << QPoint(400, 300) << 10 << QPoint(386, 284) << F::Right;
    QTest::newRow("no sensor count: centre, left")
        << 0 << 24.0 << 5 << QPoint(399, 300) << 2 << QPoint(376, 284) << F::Left;
    QTest::newRow("huge speed is held to the border")
        << 48 << 24.0 << INT_MAX << QPoint(500, 400) << 1 << QPoint(772, 567) << F::Right;
    QTest::newRow("huge negative speed is held to the border")
        << 48 << 24.0 << INT_MIN << QPoint(500, 400) << 1 << QPoint(0, 0) << F::Right;
}

void TestClockGame::differentialSteps()
{
    QFETCH(int, plateNbCapX);
    QFETCH(double, initX);
    QFETCH(int, speed);
    QFETCH(QPoint, cursor);
    QFETCH(int, steps);
    QFETCH(QPoint, topLeft);
    QFETCH(ClockGame::Facing, facing);

    PlateNbCapX = plateNbCapX;
    InitX = initX;
    InitY = 24.0;
    for (const int movement : {int(Clock::Differential), int(Clock::DifferentialTrailing)}) {
        Clock::TConfig level = makeLevel(4);
        level.Movement = movement;
        level.Speed = speed;
        level.Dist = 20; // balls out of the character's way
        ClockGame game;
        prepare(game);
        game.LoadLevel(level, field);
        QCOMPARE(game.Figure(0).Bounds.topLeft(), QPoint(386, 284));
        for (int i = 0; i < steps; ++i)
            game.GameStep(cursor.x(), cursor.y());
        QCOMPARE(game.Figure(0).Bounds.topLeft(), topLeft);
        QCOMPARE(game.Figure(0).Picture, facing);
        QCOMPARE(game.Figure(0).Bounds.size(), ClockGame::CharacterSize);
    }
}

void TestClockGame::absoluteFollowsCursor_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<ClockGame::Facing>("facing");

    using F = ClockGame::Facing;
    QTest::newRow("left half faces left") << QPoint(100, 100) << QPoint(86, 84) << F::Left;
    QTest::newRow("right half faces right") << QPoint(700, 500) << QPoint(686, 484) << F::Right;
    QTest::newRow("held inside: far below left")
        << QPoint(-1000, 5000) << QPoint(0, 567) << F::Left;
    QTest::newRow("held inside: upper right") << QPoint(800, 0) << QPoint(772, 0) << F::Right;
    QTest::newRow("bottom edge exactly") << QPoint(400, 583) << QPoint(386, 567) << F::Left;
}

void TestClockGame::absoluteFollowsCursor()
{
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, topLeft);
    QFETCH(ClockGame::Facing, facing);

    Clock::TConfig level = makeLevel(4);
    level.Dist = 20;
    ClockGame game;
    prepare(game);
    game.LoadLevel(level, field);
    game.GameStep(cursor.x(), cursor.y());
    QCOMPARE(game.Figure(0).Bounds.topLeft(), topLeft);
    QCOMPARE(game.Figure(0).Picture, facing);
    // Without a trail, the hidden first trail image stays on the cross.
    QVERIFY(!game.Figure(1).Visible);
    QCOMPARE(game.Figure(1).Bounds.topLeft(), QPoint(386, 284));
}

void TestClockGame::trailFollowsCharacter()
{
    Clock::TConfig level = makeLevel(4);
    level.Movement = Clock::AbsoluteTrailing;
    level.Dist = 20;
    ClockGame game;
    prepare(game);
    game.LoadLevel(level, field);
    for (int i = 0; i <= ClockGame::TrailLength; ++i) {
        QVERIFY(game.Figure(i).Visible);
        QCOMPARE(game.Figure(i).Bounds.topLeft(), QPoint(386, 284));
    }
    const QList<QPoint> path{{700, 100}, {650, 100}, {600, 100},
                             {550, 100}, {500, 100}, {560, 100}};
    for (const QPoint& p : path)
        game.GameStep(p.x(), p.y());
    // The trail shows the four previous positions, most recent first.
    QCOMPARE(game.Figure(0).Bounds.topLeft(), QPoint(546, 84));
    QCOMPARE(game.Figure(1).Bounds.topLeft(), QPoint(486, 84));
    QCOMPARE(game.Figure(2).Bounds.topLeft(), QPoint(536, 84));
    QCOMPARE(game.Figure(4).Bounds.topLeft(), QPoint(636, 84));
    // With a trail the picture follows the last move, not the half of the
    // playfield: right after moving right, left just before.
    QCOMPARE(game.Figure(0).Picture, ClockGame::Facing::Right);
    QCOMPARE(game.Figure(1).Picture, ClockGame::Facing::Left);

    level.Movement = Clock::Absolute;
    game.LoadLevel(level, field);
    for (int i = 1; i <= ClockGame::TrailLength; ++i)
        QVERIFY(!game.Figure(i).Visible);
}

void TestClockGame::ringAroundTheCross()
{
    ClockGame game;
    prepare(game);
    // Circle of 4: balls 1, 2, 3, 4 below, left of, above and right of the centre.
    game.LoadLevel(makeLevel(4, Clock::Circle), field);
    const QPoint cross = game.Cross();
    QCOMPARE(cross, QPoint(400, 300));
    QCOMPARE(game.Ball(1).Bounds, QRect(360, 510, 80, 80));
    QCOMPARE(centreOf(game.Ball(1).Bounds).x(), cross.x());
    QCOMPARE(centreOf(game.Ball(2).Bounds), QPoint(50, 300));
    QCOMPARE(centreOf(game.Ball(3).Bounds), QPoint(400, 50));
    QCOMPARE(centreOf(game.Ball(4).Bounds), QPoint(750, 300));

    // Quarter layouts with 3 balls: ball 2 on the quarter's axis.
    game.LoadLevel(makeLevel(3, Clock::Front), field);
    QCOMPARE(centreOf(game.Ball(2).Bounds), QPoint(400, 50));
    game.LoadLevel(makeLevel(3, Clock::Posterior), field);
    QCOMPARE(centreOf(game.Ball(2).Bounds), QPoint(400, 550));
    game.LoadLevel(makeLevel(3, Clock::Left), field);
    QCOMPARE(centreOf(game.Ball(2).Bounds), QPoint(50, 300));
    game.LoadLevel(makeLevel(3, Clock::Right), field);
    QCOMPARE(centreOf(game.Ball(2).Bounds), QPoint(750, 300));
    QVERIFY(!game.Ball(4).Visible);
    QVERIFY(!game.Number(4).Visible);
}

void TestClockGame::numberFonts_data()
{
    QTest::addColumn<int>("ballSize");
    QTest::addColumn<int>("points");
    QTest::newRow("20") << 20 << 10;
    QTest::newRow("30") << 30 << 13;
    QTest::newRow("40") << 40 << 16;
    QTest::newRow("50") << 50 << 20;
    QTest::newRow("other") << 35 << 10;
}

void TestClockGame::numberFonts()
{
    QFETCH(int, ballSize);
    QFETCH(int, points);
    Clock::TConfig level = makeLevel(4);
    level.BallSize = ballSize;
    ClockGame game;
    prepare(game);
    game.LoadLevel(level, field);
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(game.Number(k).FontPoints, points);
        QCOMPARE(game.Number(k).Color, TColor(0x00FFFF));
        QCOMPARE(game.Ball(k).Bounds.size(), QSize(2 * ballSize, 2 * ballSize));
    }
}

void TestClockGame::loadLevelResetsTheTrial()
{
    Clock::TConfig level = makeLevel(4);
    level.Center = true;
    level.ShowGrid = true;
    ClockGame game;
    prepare(game);
    game.LoadLevel(level, field);
    QVERIFY(game.GridVisible());
    touchBall(game, 1);
    game.SecondsTick();
    game.SecondsTick();
    QCOMPARE(game.PointsText(), QStringLiteral("2"));

    game.LoadLevel(level, field);
    QCOMPARE(game.PointsText(), QStringLiteral("0"));
    QCOMPARE(game.TargetIndex(), 0);
    QVERIFY(!game.ReturnPending());
    QVERIFY(!game.Gun().Visible);
    QCOMPARE(visibleBalls(game), 4);
    QCOMPARE(game.Figure(0).Bounds.topLeft(), QPoint(386, 284));
    QCOMPARE(game.Ball(2).Picture, QStringLiteral("Balle_Rouge.bmp"));

    level.ShowGrid = false;
    game.LoadLevel(level, QSize(1000, 700)); // a resize lays the level out again
    QVERIFY(!game.GridVisible());
    QCOMPARE(game.Cross(), QPoint(500, 350));
    QCOMPARE(game.Figure(0).Bounds.topLeft(), QPoint(486, 334));
}

void TestClockGame::missingBallPictureStillPlays()
{
    ClockGame game;
    game.SetPictureCheck(
        [](const QString& name) { return name == QLatin1String("Balle_Rose.bmp"); });
    game.LoadLevel(makeLevel(4), field);
    // The ball images keep their first size; the balls still count.
    QCOMPARE(game.Ball(2).Bounds.size(), ClockGame::UnloadedBallSize);
    QCOMPARE(game.Ball(2).Picture, QString());
    QCOMPARE(game.Ball(1).Picture, QStringLiteral("Balle_Rose.bmp"));
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(touchBall(game, k), k == 4);
}

void TestClockGame::missingTargetPictureRefusesTheLevel()
{
    // The real pictures of an installation, found without regard to case.
    TestInstallation installation;
    installation.write(QStringLiteral("Config/Balle_Rose.bmp"), "BM");
    installation.write(QStringLiteral("Config/balle_rouge.BMP"), "BM");
    ConfigPath = installation.filePath(QStringLiteral("Config")) + QLatin1Char('/');

    ClockGame game;
    game.LoadLevel(makeLevel(4), field);
    QVERIFY(game.HasLevel());
    QCOMPARE(game.Ball(2).Bounds.size(), QSize(80, 80));

    QVERIFY(QFile::remove(installation.filePath(QStringLiteral("Config/Balle_Rose.bmp"))));
    try {
        game.LoadLevel(makeLevel(4), field);
        QFAIL("a level whose target picture is missing cannot be laid out");
    } catch (const AppError& error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("File missing - ")),
                 qPrintable(error.message()));
        QVERIFY2(error.message().endsWith(QStringLiteral("Balle_Rose.bmp")),
                 qPrintable(error.message()));
    }
    QVERIFY(!game.HasLevel());
    QVERIFY(!game.GameStep(400, 300));
}

void TestClockGame::unusableNumbersRefused()
{
    ClockGame game;
    prepare(game);
    game.LoadLevel(makeLevel(4), field);
    QVERIFY(game.HasLevel());
    try {
        game.LoadLevel(makeLevel(4, Clock::Circle, QStringLiteral("01010101")), field);
        QFAIL("a numbering that repeats a number cannot be played");
    } catch (const AppError& error) {
        QVERIFY2(error.message().contains(QStringLiteral("\"Test level\"")),
                 qPrintable(error.message()));
    }
    // No step runs on the half-loaded level.
    QVERIFY(!game.HasLevel());
    QVERIFY(!game.GameStep(400, 300));
    QCOMPARE(game.TargetBall(), 0);
}

void TestClockGame::stepsWithoutLevelOrAfterTheEnd()
{
    ClockGame game;
    prepare(game);
    QVERIFY(!game.GameStep(0, 0)); // nothing selected yet
    game.LoadLevel(makeLevel(3, Clock::Left), field);
    touchBall(game, 1);
    touchBall(game, 2);
    QVERIFY(touchBall(game, 3));
    // A stray tick after the end neither ends the trial again nor reads
    // beyond the balls.
    QVERIFY(!touchBall(game, 3));
    QCOMPARE(game.TargetIndex(), 3);
    game.Clear();
    QVERIFY(!game.HasLevel());
}

void TestClockGame::wholeTrialsThroughTheFrame()
{
    // The window's part, played by the test: FormShow, Start, the 50 ms
    // sampling ticks and the 1000 ms seconds ticks, EndTrial with its row
    // and answer. The cursor glides 12 pixels per tick towards the next
    // target (or the marker), with one zero sample every 7 ticks.
    CurrentPatient = 31;
    ManualWallClock clock(QDateTime(QDate(2026, 4, 2), QTime(14, 30, 0)));
    Clock::TConfig level = makeLevel(8);
    level.Center = true;

    GameFrameState frame(ClockFrame);
    ClockGame game;
    prepare(game);
    QList<TrialRow> rows;

    frame.FormShow(true);
    game.LoadLevel(level, field);

    auto runTrial = [&]() -> int {
        QPoint cursor = game.Cross();
        int tick = 0;
        for (; tick < 100000 && frame.TimersOn(); ++tick) {
            clock.advanceMs(ClockFrame.TimerIntervalMs);
            if ((tick + 1) % (ClockFrame.SecondsIntervalMs / ClockFrame.TimerIntervalMs) == 0)
                game.SecondsTick();
            const bool zeroSample = tick % 7 == 3;
            if (!frame.TickPlays(zeroSample ? 0.0f : 1.0f, 1.0f))
                continue;
            const QRect goal =
                game.ReturnPending() ? game.Gun().Bounds : game.Ball(game.TargetBall()).Bounds;
            const QPoint aim = cursorOnto(centreOf(goal));
            const QPoint delta = aim - cursor;
            cursor += QPoint(std::clamp(delta.x(), -12, 12), std::clamp(delta.y(), -12, 12));
            if (game.GameStep(cursor.x(), cursor.y())) {
                frame.TrialEnded();
                rows.append(MakeTrialRow(ClockFrame.Type, level.Name, game.PointsText()));
            }
        }
        return tick;
    };

    auto start = frame.Start();
    QVERIFY(start.Started && start.LoadLevel);
    game.LoadLevel(level, field);
    const int ticks = runTrial();
    QCOMPARE(frame.Phase(), FramePhase::GameOver);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].SCORE, QString::number(ticks / 20)); // whole seconds elapsed
    QVERIFY(ticks / 20 > 0);
    QCOMPARE(rows[0].FK_PAT, 31);
    QCOMPARE(rows[0].TYPE, 1);
    QCOMPARE(rows[0].NIVEAU, QStringLiteral("Test level"));
    QCOMPARE(rows[0].DATE_JEU, QStringLiteral("04/02/2026"));
    QCOMPARE(rows[0].TIME, WallClock::Now().time().toString(QStringLiteral("hh:mm:ss")));

    // Yes: the same level from a fresh playfield; its own row.
    frame.GameOverAnswered(true);
    game.LoadLevel(level, field);
    QCOMPARE(game.PointsText(), QStringLiteral("0"));
    runTrial();
    QCOMPARE(rows.size(), 2);
    QVERIFY(rows[1].TIME != rows[0].TIME);

    // No, then a trial stopped half-way: no row.
    frame.GameOverAnswered(false);
    QVERIFY(frame.StartAsksReplay());
    start = frame.Start(true);
    QVERIFY(start.Started);
    game.LoadLevel(level, field);
    for (int i = 0; i < 10; ++i)
        game.GameStep(400, 300);
    frame.Stop();
    QCOMPARE(frame.Phase(), FramePhase::Finished);
    QCOMPARE(rows.size(), 2);
}

QTEST_GUILESS_MAIN(TestClockGame)
#include "tst_clockgame.moc"
