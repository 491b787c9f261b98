// The trial cycle of the game windows and the trial row, without a window.

#include "Define.h"
#include "GameFrame.h"
#include "ManualWallClock.h"
#include "TrialRow.h"

#include <QtTest>

Q_DECLARE_METATYPE(FramePhase)
Q_DECLARE_METATYPE(GameFrameState::EscapeAction)

namespace {

const GameFrameTraits& traitsNamed(const QString& game)
{
    if (game == QLatin1String("pingpong"))
        return PingPongFrame;
    if (game == QLatin1String("target"))
        return TargetFrame;
    if (game == QLatin1String("hulahoop"))
        return HulaHoopFrame;
    if (game == QLatin1String("pacman"))
        return PacManFrame;
    return ClockFrame;
}

struct Played
{
    bool started = false;
    bool loadLevel = false;
    bool closeAllowed = false;
};

// Runs the window's handlers named in `events` (space-separated):
// show / showEmpty (FormShow with or without a level), select, start
// (answering No if asked), startYes (answering Yes if asked), stop, end (the
// game's end condition), yes / no (to the game-over question), close.
Played play(GameFrameState& frame, const QString& events)
{
    Played last;
    for (const QString& event : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (event == QLatin1String("show")) {
            frame.FormShow(true);
        } else if (event == QLatin1String("showEmpty")) {
            frame.FormShow(false);
        } else if (event == QLatin1String("select")) {
            frame.LevelSelected();
        } else if (event == QLatin1String("start") || event == QLatin1String("startYes")) {
            const auto result = frame.Start(event == QLatin1String("startYes"));
            last.started = result.Started;
            last.loadLevel = result.LoadLevel;
        } else if (event == QLatin1String("stop")) {
            frame.Stop();
        } else if (event == QLatin1String("end")) {
            frame.TrialEnded();
        } else if (event == QLatin1String("yes") || event == QLatin1String("no")) {
            frame.GameOverAnswered(event == QLatin1String("yes"));
        } else if (event == QLatin1String("close")) {
            last.closeAllowed = frame.CloseRequested().Allowed;
        } else {
            qFatal("unknown event %s", qPrintable(event));
        }
    }
    return last;
}

} // namespace

class TestGameFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void transitions_data();
    void transitions();
    void closeRequest_data();
    void closeRequest();
    void escape_data();
    void escape();
    void tick_data();
    void tick();
    void mousePress();

    void trialRow_data();
    void trialRow();
    void trialRowReadsTheWallClock();
};

void TestGameFrame::init()
{
    DefineReset();
}

void TestGameFrame::cleanup()
{
    DefineReset();
}

void TestGameFrame::transitions_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("events");
    QTest::addColumn<FramePhase>("phase");
    QTest::addColumn<bool>("closeAllowed");
    QTest::addColumn<bool>("askReplay");
    QTest::addColumn<bool>("timers");
    QTest::addColumn<bool>("acquisition");
    QTest::addColumn<bool>("startEnabled");
    QTest::addColumn<bool>("started");   // the last Start started a trial
    QTest::addColumn<bool>("loadLevel"); // ... and asked for LoadLevel

    using P = FramePhase;
    // clang-format off
    // game, events: phase, CloseAllowed, AskReplay, timers, acquisition, Start enabled, started, LoadLevel
    QTest::newRow("shown") << "clock" << "show" << P::Ready << true << false << false << false << true << false << false;
    QTest::newRow("no level: Start disabled and does nothing")
        << "clock" << "showEmpty start" << P::Ready << true << false << false << false << false << false << false;
    QTest::newRow("start") << "clock" << "show start" << P::Running << false << false << true << true << false << true << true;
    QTest::newRow("stop") << "clock" << "show start stop" << P::Finished << true << true << false << false << true << true << true;
    QTest::newRow("after Stop, No to the replay question changes nothing")
        << "clock" << "show start stop start" << P::Finished << true << true << false << false << true << false << false;
    QTest::newRow("after Stop, Yes starts and keeps AskReplay")
        << "clock" << "show start stop startYes" << P::Running << false << true << true << true << false << true << true;
    QTest::newRow("level selection clears AskReplay: no question")
        << "clock" << "show start stop select start" << P::Running << false << false << true << true << false << true << true;
    QTest::newRow("selection during a trial is ignored")
        << "clock" << "show start select" << P::Running << false << false << true << true << false << true << true;
    QTest::newRow("game over: timers off, acquisition on, question open")
        << "clock" << "show start end" << P::GameOver << false << false << false << true << false << true << true;
    QTest::newRow("Yes: next trial on the same level")
        << "clock" << "show start end yes" << P::Running << false << false << true << true << false << true << true;
    QTest::newRow("No: finished, acquisition stopped")
        << "clock" << "show start end no" << P::Finished << true << true << false << false << true << true << true;
    QTest::newRow("row write failed: Stop is the way back")
        << "clock" << "show start end stop" << P::Finished << true << true << false << false << true << true << true;
    QTest::newRow("shown again after a stop: ready, no question")
        << "clock" << "show start stop show" << P::Ready << true << false << false << false << true << true << true;
    QTest::newRow("clock close request during a trial stops acquisition only")
        << "clock" << "show start close" << P::Running << false << false << true << false << false << true << true;
    QTest::newRow("the next Start resumes acquisition")
        << "clock" << "show start close stop startYes" << P::Running << false << true << true << true << false << true << true;
    QTest::newRow("target close request leaves acquisition running")
        << "target" << "show start close" << P::Running << false << false << true << true << false << true << true;
    QTest::newRow("ping-pong Start without question does not load the level")
        << "pingpong" << "show start" << P::Running << false << false << true << true << false << true << false;
    QTest::newRow("ping-pong Yes to the replay question loads it and clears AskReplay")
        << "pingpong" << "show start stop startYes" << P::Running << false << false << true << true << false << true << true;
    // clang-format on
}

void TestGameFrame::transitions()
{
    QFETCH(QString, game);
    QFETCH(QString, events);
    QFETCH(FramePhase, phase);
    QFETCH(bool, closeAllowed);
    QFETCH(bool, askReplay);
    QFETCH(bool, timers);
    QFETCH(bool, acquisition);
    QFETCH(bool, startEnabled);
    QFETCH(bool, started);
    QFETCH(bool, loadLevel);

    GameFrameState frame(traitsNamed(game));
    const Played last = play(frame, events);
    QCOMPARE(frame.Phase(), phase);
    QCOMPARE(frame.CloseAllowed(), closeAllowed);
    QCOMPARE(frame.AskReplay(), askReplay);
    QCOMPARE(frame.StartAsksReplay(), askReplay);
    QCOMPARE(frame.TimersOn(), timers);
    QCOMPARE(frame.AcquisitionOn(), acquisition);
    QCOMPARE(frame.StartEnabled(), startEnabled);
    QCOMPARE(last.started, started);
    QCOMPARE(last.loadLevel, loadLevel);

    // Stop, the level list and Quit follow from whether a trial is under way.
    const bool trial = phase == FramePhase::Running || phase == FramePhase::GameOver;
    QCOMPARE(frame.StopEnabled(), trial);
    QCOMPARE(frame.LevelListEnabled(), !trial);
    QCOMPARE(frame.QuitEnabled(), !trial);
    QCOMPARE(frame.CloseAllowed(), !trial);
}

void TestGameFrame::closeRequest_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("events");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<bool>("stopsAcquisition");

    QTest::newRow("clock ready") << "clock"
                                 << "show" << true << true;
    QTest::newRow("clock running") << "clock"
                                   << "show start" << false << true;
    QTest::newRow("clock asking game over") << "clock"
                                            << "show start end" << false << true;
    QTest::newRow("clock finished") << "clock"
                                    << "show start end no" << true << true;
    QTest::newRow("target running") << "target"
                                    << "show start" << false << false;
    QTest::newRow("hula-hoop finished") << "hulahoop"
                                        << "show start stop" << true << false;
}

void TestGameFrame::closeRequest()
{
    QFETCH(QString, game);
    QFETCH(QString, events);
    QFETCH(bool, allowed);
    QFETCH(bool, stopsAcquisition);

    GameFrameState frame(traitsNamed(game));
    play(frame, events);
    const GameFrameState::CloseResult result = frame.CloseRequested();
    QCOMPARE(result.Allowed, allowed);
    QCOMPARE(result.StopAcquisition, stopsAcquisition);
}

void TestGameFrame::escape_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("events");
    QTest::addColumn<GameFrameState::EscapeAction>("action");

    using A = GameFrameState::EscapeAction;
    QTest::newRow("clock idle: Quit") << "clock"
                                      << "show" << A::Quit;
    QTest::newRow("clock trial: Stop") << "clock"
                                       << "show start" << A::Stop;
    QTest::newRow("clock finished: Quit") << "clock"
                                          << "show start stop" << A::Quit;
    QTest::newRow("ping-pong trial: nothing") << "pingpong"
                                              << "show start" << A::None;
    QTest::newRow("ping-pong idle: Quit") << "pingpong"
                                          << "show" << A::Quit;
    QTest::newRow("pac-man trial: Stop") << "pacman"
                                         << "show start" << A::Stop;
}

void TestGameFrame::escape()
{
    QFETCH(QString, game);
    QFETCH(QString, events);
    QFETCH(GameFrameState::EscapeAction, action);
    GameFrameState frame(traitsNamed(game));
    play(frame, events);
    QCOMPARE(frame.Escape(), action);
}

void TestGameFrame::tick_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("events");
    QTest::addColumn<float>("cgX");
    QTest::addColumn<float>("cgY");
    QTest::addColumn<bool>("plays");

    QTest::newRow("clock skips (0, 0)") << "clock"
                                        << "show start" << 0.0f << 0.0f << false;
    QTest::newRow("clock plays (0, y)") << "clock"
                                        << "show start" << 0.0f << 12.5f << true;
    QTest::newRow("clock plays (x, 0)") << "clock"
                                        << "show start" << 3.0f << 0.0f << true;
    QTest::newRow("clock plays -0 as 0: skipped") << "clock"
                                                  << "show start" << -0.0f << 0.0f << false;
    QTest::newRow("target steps on (0, 0)") << "target"
                                            << "show start" << 0.0f << 0.0f << true;
    QTest::newRow("no step while the question is open")
        << "clock"
        << "show start end" << 5.0f << 5.0f << false;
    QTest::newRow("no step after Stop") << "clock"
                                        << "show start stop" << 5.0f << 5.0f << false;
}

void TestGameFrame::tick()
{
    QFETCH(QString, game);
    QFETCH(QString, events);
    QFETCH(float, cgX);
    QFETCH(float, cgY);
    QFETCH(bool, plays);
    GameFrameState frame(traitsNamed(game));
    play(frame, events);
    QCOMPARE(frame.TickPlays(cgX, cgY), plays);
}

void TestGameFrame::mousePress()
{
    SurfaceX = 1;
    SurfaceY = 2;
    GameFrameState pacman(PacManFrame);
    QVERIFY(!pacman.MousePress(QPoint(300, 200)));
    QCOMPARE(SurfaceX, 1);
    QCOMPARE(SurfaceY, 2);

    GameFrameState clock(ClockFrame);
    QVERIFY(clock.MousePress(QPoint(300, 200)));
    QCOMPARE(SurfaceX, 300);
    QCOMPARE(SurfaceY, 200);
}

void TestGameFrame::trialRow_data()
{
    QTest::addColumn<QChar>("dateSeparator");
    QTest::addColumn<QChar>("timeSeparator");
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");

    QTest::newRow("month first, leading zeros")
        << QChar(u'/') << QChar(u':') << QDateTime(QDate(2026, 3, 5), QTime(9, 7, 3)) << "37"
        << "03/05/2026"
        << "09:07:03";
    QTest::newRow("locale separators")
        << QChar(u'.') << QChar(u'.') << QDateTime(QDate(2026, 11, 25), QTime(17, 45, 0)) << "125"
        << "11.25.2026"
        << "17.45.00";
    QTest::newRow("last second of the year, one reading")
        << QChar(u'/') << QChar(u':') << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999))
        << "8"
        << "12/31/2026"
        << "23:59:59";
    QTest::newRow("a zero counter is stored as the text 0")
        << QChar(u'-') << QChar(u':') << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)) << "0"
        << "01-01-2027"
        << "00:00:00";
}

void TestGameFrame::trialRow()
{
    QFETCH(QChar, dateSeparator);
    QFETCH(QChar, timeSeparator);
    QFETCH(QDateTime, at);
    QFETCH(QString, score);
    QFETCH(QString, date);
    QFETCH(QString, time);

    DateTimeSettings.DateSeparator = dateSeparator;
    DateTimeSettings.TimeSeparator = timeSeparator;
    CurrentPatient = 42;
    ManualWallClock clock(at);
    const TrialRow row = MakeTrialRow(ClockFrame.Type, QStringLiteral("Eight balls"), score);
    QCOMPARE(row.DATE_JEU, date);
    QCOMPARE(row.TIME, time);
    QCOMPARE(row.FK_PAT, 42);
    QCOMPARE(row.TYPE, 1);
    QCOMPARE(row.NIVEAU, QStringLiteral("Eight balls"));
    QCOMPARE(row.SCORE, score);
}

void TestGameFrame::trialRowReadsTheWallClock()
{
    CurrentPatient = 7;
    ManualWallClock clock(QDateTime(QDate(2026, 6, 1), QTime(10, 0, 0)));
    const TrialRow first = MakeTrialRow(2, QStringLiteral("T"), QStringLiteral("5"));
    clock.advanceMs(61'000);
    const TrialRow second = MakeTrialRow(2, QStringLiteral("T"), QStringLiteral("5"));
    QCOMPARE(first.TIME, QStringLiteral("10:00:00"));
    QCOMPARE(second.TIME, QStringLiteral("10:01:01"));
    QCOMPARE(second.FK_PAT, 7);
}

QTEST_GUILESS_MAIN(TestGameFrame)
#include "tst_gameframe.moc"
