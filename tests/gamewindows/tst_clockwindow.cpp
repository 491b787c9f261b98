// The clock window in a temporary installation with a real database: the
// CoG comes from a fake driver table through a real acquisition thread,
// questions are answered through TF_Confirm's queue, errors land in the
// program's default error box (VelunorApplication) and are captured.

#include "AcqCgPodo.h"
#include "Application.h"
#include "Data.h"
#include "DataFixture.h"
#include "Define.h"
#include "ManualWallClock.h"
#include "MessageCapture.h"
#include "MessageTable.h"
#include "SurfaceMapping.h"
#include "TF_Confirm.h"
#include "clock/ClockLevel.h"
#include "clock/TfmClock.h"
#include "frame/Pictures.h"
#include "frame/Sound.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <memory>

namespace {

struct FakePlate
{
    std::atomic<float> x{0.0f};
    std::atomic<float> y{0.0f};
};

FakePlate plate;

int32_t fakeStart()
{
    return 0;
}
int32_t fakeStop()
{
    return 0;
}
int32_t fakeRead(float* x, float* y, float* third, float* fourth)
{
    *x = plate.x;
    *y = plate.y;
    *third = 0.0f;
    *fourth = 0.0f;
    return 0;
}

SteplinkApi fakeApi()
{
    SteplinkApi api;
    api.SLStartAcqContinue = fakeStart;
    api.SLReadPodoCG = fakeRead;
    api.SLStopAcqContinue = fakeStop;
    return api;
}

// The range of the mapping and the initial position: CoG (100, 100) puts
// the cursor in the middle of the playfield.
constexpr int Range = 100;
constexpr double Rest = 100.0;

constexpr TColor Red = 255;
constexpr TColor Fuchsia = 16711935;

Clock::TConfig level(int typeJeu, int ballNb)
{
    Clock::TConfig config;
    config.Numbers = Clock::IdentityNumbers();
    config.TypeJeu = typeJeu;
    config.BallNb = ballNb;
    config.BallSize = 40; // the character's corners reach the disc from its centre
    config.Dist = 60;
    config.ShowGrid = true;
    config.BallColor = Red;
    config.TargetColor = Fuchsia;
    return config;
}

QList<LevelRow> levelRows()
{
    return {{QStringLiteral("Front 3"), Clock::Encode(level(Clock::Front, 3)), QString()},
            {QStringLiteral("Circle 4"), Clock::Encode(level(Clock::Circle, 4)), QString()}};
}

const QString GameOver = QStringLiteral("Game over ! Do you want to play again ?");
const QString PlayAgain = QStringLiteral("Do you want to play again ?");

} // namespace

class TestClockWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void controlsAsCreated();
    void emptyLevelListDisablesStart();
    void wholeTrial_data();
    void wholeTrial();
    void replayQuestion_data();
    void replayQuestion();
    void closeDuringTrial_data();
    void closeDuringTrial();
    void zeroSampleSkipped_data();
    void zeroSampleSkipped();
    void mousePressSetsCursor();
    void resizeLaysOutAndRestarts();
    void failedSaveLeavesStop();
    void missingTargetPictureLeavesStop();
    void endSoundFoundFromAnyWorkingDirectory();

private:
    template <class T> T* child(const char* name) const
    {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    void open();
    void start();
    // Puts the CoG where the mapping gives `point` on the playfield.
    void moveCogTo(QPoint point);
    // Touches the remaining balls in order, the last one included.
    void touchRemainingBalls();
    // The same, then waits for the game-over question.
    void playToEnd();
    QStringList& asked();
    int trialRows() const { return m_db->count(QStringLiteral("Jeu")); }

    QTemporaryDir m_home;
    QTemporaryDir m_elsewhere;
    std::unique_ptr<DataFixture> m_db;
    const SteplinkApi m_api = fakeApi();
    TAcqCgPodo* m_thread = nullptr;
    TfmClock* m_window = nullptr;
    std::unique_ptr<ManualWallClock> m_clock;
    MessageCapture m_messages;
    QStringList m_asked;
    int m_patient = 0;
    QString m_startDir;
};

void TestClockWindow::initTestCase()
{
    UsePrivateAliasRegistry(m_home);
    m_startDir = QDir::currentPath();
    m_db = std::make_unique<DataFixture>();
    const QDir built(QStringLiteral(VELUNOR_CONFIG_DIR));
    for (const QString& name : built.entryList({QStringLiteral("*.bmp"), QStringLiteral("*.wav")}))
        QVERIFY(QFile::copy(built.filePath(name), m_db->inst.filePath("Config/" + name)));

    DefineReset();
    ExePath = m_db->inst.path() + QLatin1Char('/');
    ConfigPath = ExePath + QLatin1String("Config/");
    CreateAlias = true;
    AliasName = QStringLiteral("QXDATA");
    LogStart();
    m_patient = m_db->addPatient(QStringLiteral("MARTIN"));
    F_Data = new TF_Data;
    QVERIFY(!F_Data->EndRequested());
    QCOMPARE(CurrentPatient, m_patient);

    m_thread = new TAcqCgPodo(&m_api);
    QCOMPARE(m_thread->SetPeriod(11), 0);
    // One window for the whole run, as in the program.
    m_window = new TfmClock(m_thread);
}

void TestClockWindow::cleanupTestCase()
{
    delete m_window;
    delete m_thread;
    delete F_Data;
    F_Data = nullptr;
    Clock::Configs.Clear();
    QDir::setCurrent(m_startDir);
}

void TestClockWindow::init()
{
    CurrentGameType = Clock::GameType;
    DeltaX = DeltaY = Range;
    InitX = InitY = Rest;
    PlateNbCapX = 48;
    BackGround_Color = 0;
    plate.x = float(Rest);
    plate.y = float(Rest);
    m_clock = std::make_unique<ManualWallClock>(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    TF_Confirm::ClearQueuedAnswers();
    m_asked.clear();
    m_messages.clear();
    m_db->exec(QStringLiteral("DELETE FROM Jeu"));
    Clock::Configs.Rebuild(levelRows(), Clock::Decode);
    m_window->Game().SeedRandom(7);
}

void TestClockWindow::cleanup()
{
    QPushButton* stop = child<QPushButton>("btStop");
    if (stop->isEnabled())
        stop->click();
    m_window->hide();
    if (m_thread->isSampling())
        m_thread->StopAcq();
    m_clock.reset();
    QDir::setCurrent(m_startDir);
}

void TestClockWindow::open()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestClockWindow::start()
{
    QTest::mouseClick(child<QPushButton>("btStart"), Qt::LeftButton);
    QCOMPARE(m_window->FrameState().Phase(), FramePhase::Running);
}

void TestClockWindow::moveCogTo(QPoint point)
{
    const QSize field = child<QFrame>("pSurface")->size();
    plate.x = float(InitX + (point.x() - field.width() / 2.0) * 2.0 * DeltaX / field.width());
    plate.y = float(InitY + (point.y() - field.height() / 2.0) * 2.0 * DeltaY / field.height());
}

QStringList& TestClockWindow::asked()
{
    m_asked += TF_Confirm::TakeAskedQuestions();
    return m_asked;
}

void TestClockWindow::touchRemainingBalls()
{
    const ClockGame& game = m_window->Game();
    const int count = game.BallCount();
    QVERIFY(count > 0);
    for (int r = game.TargetIndex(); r < count - 1; ++r) {
        moveCogTo(game.Ball(game.BallOrder(r)).Bounds.center());
        QTRY_COMPARE_WITH_TIMEOUT(game.TargetIndex(), r + 1, 3000);
    }
    moveCogTo(game.Ball(game.BallOrder(count - 1)).Bounds.center());
}

void TestClockWindow::playToEnd()
{
    const int questions = asked().count(GameOver);
    touchRemainingBalls();
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE_WITH_TIMEOUT(asked().count(GameOver), questions + 1, 3000);
}

// Stops the test function when a helper failed.
#define CHECKED(call)                                                                              \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

void TestClockWindow::controlsAsCreated()
{
    open();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Clock"));
    QCOMPARE(m_window->minimumSize(), QSize(800, 600));
    QCOMPARE(child<QLabel>("Label7")->text(), QStringLiteral("Exercise Name :"));
    QCOMPARE(child<QLabel>("lScore")->text(), QStringLiteral("Score :"));
    QCOMPARE(child<QLabel>("lPoints")->text(), QStringLiteral("0"));
    QCOMPARE(child<QPushButton>("btStart")->text(), QStringLiteral("Start"));
    QCOMPARE(child<QPushButton>("btQuit")->text(), QStringLiteral("&Quit"));
    QVERIFY(!child<QPushButton>("btStop")->isEnabled());
    QTimer* timer = child<QTimer>("Timer");
    QTimer* seconds = child<QTimer>("TimerTps");
    QCOMPARE(timer->interval(), 50);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(seconds->interval(), 1000);
    QVERIFY(!timer->isActive() && !seconds->isActive());

    // The selector lists the level names sorted; the first is chosen and laid out.
    QComboBox* levels = child<QComboBox>("cbLevel");
    QCOMPARE(levels->count(), 2);
    QCOMPARE(levels->itemText(0), QStringLiteral("Circle 4"));
    QCOMPARE(levels->currentIndex(), 0);
    QCOMPARE(m_window->Game().BallCount(), 4);

    // The cross runs through the middle of the playfield.
    QFrame* field = child<QFrame>("pSurface");
    QCOMPARE(child<QFrame>("ligneHor")->geometry(),
             QRect(0, field->height() / 2, field->width(), 1));
    QCOMPARE(child<QFrame>("ligneVert")->geometry(),
             QRect(field->width() / 2, 0, 1, field->height()));
    QVERIFY(child<QFrame>("ligneHor")->isVisible());
}

void TestClockWindow::emptyLevelListDisablesStart()
{
    Clock::Configs.Clear();
    open();
    QCOMPARE(child<QComboBox>("cbLevel")->count(), 0);
    QVERIFY(!child<QPushButton>("btStart")->isEnabled());
    QVERIFY(child<QPushButton>("btQuit")->isEnabled());
    m_window->btStartClick(); // even a stray call starts nothing
    QCOMPARE(m_window->FrameState().Phase(), FramePhase::Ready);
    QVERIFY(!m_thread->isSampling());
    QVERIFY(!child<QTimer>("Timer")->isActive());
    QVERIFY(!m_window->Game().HasLevel());

    // Levels made meanwhile are offered at the next show.
    m_window->hide();
    Clock::Configs.Rebuild(levelRows(), Clock::Decode);
    open();
    QVERIFY(child<QPushButton>("btStart")->isEnabled());
}

void TestClockWindow::wholeTrial_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("levelIndex");
    QTest::newRow("No: finished") << int(TF_Confirm::No) << 0;
    QTest::newRow("Yes: a new trial") << int(TF_Confirm::Yes) << 1;
}

void TestClockWindow::wholeTrial()
{
    QFETCH(int, answer);
    QFETCH(int, levelIndex);
    open();
    QComboBox* levels = child<QComboBox>("cbLevel");
    levels->setCurrentIndex(levelIndex);
    m_window->cbLevelSelect();
    const QString levelName = levels->currentText();
    TF_Confirm::QueueAnswer(answer);
    start();
    QVERIFY(m_thread->isSampling());

    CHECKED(playToEnd());
    QCOMPARE(asked(), QStringList{GameOver});
    QCOMPARE(LastSoundPlayback().Path, ConfigPath + QStringLiteral("Ballmissed.wav"));

    QCOMPARE(trialRows(), 1);
    const QString where = QStringLiteral("FK_PAT=%1 AND TYPE=1 AND NIVEAU='%2' AND "
                                         "DATE_JEU='03/05/2024' AND TIME='14:07:09'")
                              .arg(m_patient)
                              .arg(levelName);
    QCOMPARE(m_db->count(QStringLiteral("Jeu"), where), 1);
    // SCORE is the counter's caption: the whole seconds the trial took.
    const QString score = m_db->exec(QStringLiteral("SELECT SCORE FROM Jeu")).toString();
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]+$")).match(score).hasMatch(),
             qPrintable(score));
    if (answer == TF_Confirm::No)
        QCOMPARE(score, child<QLabel>("lPoints")->text());
    QVERIFY(!F_Data->tJeu->Active());

    if (answer == TF_Confirm::No) {
        QCOMPARE(m_window->FrameState().Phase(), FramePhase::Finished);
        QVERIFY(!m_thread->isSampling());
        QVERIFY(!child<QTimer>("Timer")->isActive());
        QVERIFY(!child<QTimer>("TimerTps")->isActive());
        QVERIFY(child<QPushButton>("btStart")->isEnabled());
        QVERIFY(child<QPushButton>("btQuit")->isEnabled());
        QVERIFY(!child<QPushButton>("btStop")->isEnabled());
        QVERIFY(m_window->FrameState().AskReplay());
        return;
    }
    // Yes: same level, fresh playfield, counting again; acquisition ran on.
    QCOMPARE(m_window->FrameState().Phase(), FramePhase::Running);
    QCOMPARE(m_window->Game().TargetIndex(), 0);
    QCOMPARE(child<QLabel>("lPoints")->text(), QStringLiteral("0"));
    QVERIFY(m_thread->isSampling());
    QVERIFY(child<QTimer>("Timer")->isActive());
    QVERIFY(child<QTimer>("TimerTps")->isActive());
    QVERIFY(!child<QPushButton>("btStart")->isEnabled());
    QCOMPARE(levels->currentText(), levelName);

    // The replayed trial stores its own row.
    m_clock->advanceMs(61000);
    TF_Confirm::QueueAnswer(TF_Confirm::No);
    CHECKED(playToEnd());
    QCOMPARE(trialRows(), 2);
    QCOMPARE(asked(), (QStringList{GameOver, GameOver}));
}

void TestClockWindow::replayQuestion_data()
{
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("starts");
    QTest::newRow("No keeps the finished window") << "stop" << true << int(TF_Confirm::No) << false;
    QTest::newRow("Yes starts a fresh trial") << "stop" << true << int(TF_Confirm::Yes) << true;
    QTest::newRow("level selection: no question") << "select" << false << 0 << true;
    QTest::newRow("No to game over, then Start asks")
        << "game over" << true << int(TF_Confirm::Yes) << true;
}

void TestClockWindow::replayQuestion()
{
    QFETCH(QString, after);
    QFETCH(bool, asks);
    QFETCH(int, answer);
    QFETCH(bool, starts);
    open();
    start();
    const ClockGame& game = m_window->Game();
    moveCogTo(game.Ball(game.BallOrder(0)).Bounds.center());
    QTRY_COMPARE(game.TargetIndex(), 1);

    if (after == QLatin1String("game over")) {
        TF_Confirm::QueueAnswer(TF_Confirm::No);
        CHECKED(playToEnd());
        asked().clear();
    } else {
        child<QPushButton>("btStop")->click();
    }
    QCOMPARE(m_window->FrameState().Phase(), FramePhase::Finished);
    QVERIFY(!m_thread->isSampling());
    if (after == QLatin1String("select")) {
        child<QComboBox>("cbLevel")->setCurrentIndex(1);
        m_window->cbLevelSelect();
        QCOMPARE(m_window->FrameState().Phase(), FramePhase::Ready);
    }
    const int rows = trialRows();
    const int hit = game.TargetIndex();
    plate.x = plate.y = 0.5f; // far from the centre, wherever the balls are

    if (asks)
        TF_Confirm::QueueAnswer(answer);
    QTest::mouseClick(child<QPushButton>("btStart"), Qt::LeftButton);
    QCOMPARE(asked(), asks ? QStringList{PlayAgain} : QStringList{});
    if (!starts) {
        QCOMPARE(m_window->FrameState().Phase(), FramePhase::Finished);
        QVERIFY(!m_thread->isSampling());
        QVERIFY(!child<QTimer>("Timer")->isActive());
        QCOMPARE(game.TargetIndex(), hit); // the playfield is left as it was
    } else {
        QCOMPARE(m_window->FrameState().Phase(), FramePhase::Running);
        QVERIFY(m_thread->isSampling());
        QVERIFY(child<QTimer>("Timer")->isActive());
        QCOMPARE(game.TargetIndex(), 0);
        QCOMPARE(child<QLabel>("lPoints")->text(), QStringLiteral("0"));
    }
    // A stopped trial writes no row.
    QCOMPARE(trialRows(), rows);
}

void TestClockWindow::closeDuringTrial_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close";
    QTest::newRow("reject (Quit's result)") << "reject";
    QTest::newRow("Escape presses Stop") << "escape";
}

void TestClockWindow::closeDuringTrial()
{
    QFETCH(QString, how);
    open();
    start();
    QVERIFY(!child<QPushButton>("btQuit")->isEnabled());
    QSignalSpy rejected(m_window, &QDialog::rejected);

    if (how == QLatin1String("close"))
        m_window->close();
    else if (how == QLatin1String("reject"))
        m_window->reject();
    else
        QTest::keyClick(m_window, Qt::Key_Escape);

    QVERIFY(m_window->isVisible());
    QCOMPARE(rejected.count(), 0);
    if (how == QLatin1String("escape")) {
        QCOMPARE(m_window->FrameState().Phase(), FramePhase::Finished);
        QVERIFY(!m_thread->isSampling());
    } else {
        // Refused, but the clock window stops acquisition on every close
        // request; the seconds go on counting until Stop.
        QCOMPARE(m_window->FrameState().Phase(), FramePhase::Running);
        QVERIFY(!m_thread->isSampling());
        QVERIFY(child<QTimer>("TimerTps")->isActive());
        child<QPushButton>("btStop")->click();
    }
    // Once stopped, Escape means Quit and the window closes.
    QTest::keyClick(m_window, Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(trialRows(), 0);
}

void TestClockWindow::zeroSampleSkipped_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<bool>("played");
    QTest::newRow("(0, 0) skipped") << 0.0f << 0.0f << false;
    QTest::newRow("(0, y) played") << 0.0f << 130.0f << true;
    QTest::newRow("(x, 0) played") << 130.0f << 0.0f << true;
}

void TestClockWindow::zeroSampleSkipped()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(bool, played);
    open();
    const QRect centred = m_window->Game().Figure(0).Bounds;
    SurfaceX = SurfaceY = -12345;
    plate.x = x;
    plate.y = y;
    start();
    QSignalSpy ticks(child<QTimer>("Timer"), &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 4);
    if (played) {
        QVERIFY(SurfaceX != -12345);
        QVERIFY(m_window->Game().Figure(0).Bounds != centred);
    } else {
        QCOMPARE(SurfaceX, -12345);
        QCOMPARE(m_window->Game().Figure(0).Bounds, centred);
    }
}

void TestClockWindow::mousePressSetsCursor()
{
    // Without a range the mapping leaves the cursor alone: the game plays
    // on the pressed point.
    DeltaX = DeltaY = 0;
    SurfaceX = SurfaceY = 0;
    plate.x = plate.y = 50.0f;
    open();
    start();
    const ClockGame& game = m_window->Game();
    QWidget* box = child<QWidget>("pbSurface");
    const QPoint ball = game.Ball(game.BallOrder(0)).Bounds.center();
    QTest::mousePress(box, Qt::LeftButton, {}, ball - box->pos());
    QCOMPARE(QPoint(SurfaceX, SurfaceY), ball);
    QTRY_COMPARE(game.TargetIndex(), 1);
}

void TestClockWindow::resizeLaysOutAndRestarts()
{
    open();
    start();
    const ClockGame& game = m_window->Game();
    moveCogTo(game.Ball(game.BallOrder(0)).Bounds.center());
    QTRY_COMPARE(game.TargetIndex(), 1);
    QTRY_VERIFY(child<QLabel>("lPoints")->text() != QLatin1String("0"));
    plate.x = plate.y = 0.5f;

    m_window->setWindowState(Qt::WindowNoState);
    m_window->resize(1000, 700);
    QTRY_COMPARE(m_window->size(), QSize(1000, 700));
    QFrame* field = child<QFrame>("pSurface");
    QPushButton* startButton = child<QPushButton>("btStart");
    QPushButton* quit = child<QPushButton>("btQuit");
    QCOMPARE(field->width(), 1000 - field->x() - 30);
    QCOMPARE(field->height(), 700 - field->y() - startButton->height() - 60);
    QCOMPARE(startButton->y(), 700 - startButton->height() - 50);
    QCOMPARE(quit->geometry().topLeft(),
             QPoint(1000 - quit->width() - 30, 700 - quit->height() - 50));
    QCOMPARE(child<QLabel>("lPoints")->x(), 500);
    // The level is laid out again on the new playfield; the trial restarts.
    QCOMPARE(game.Playfield(), field->size());
    QCOMPARE(game.TargetIndex(), 0);
    QCOMPARE(child<QLabel>("lPoints")->text(), QStringLiteral("0"));
    QCOMPARE(m_window->FrameState().Phase(), FramePhase::Running);
}

void TestClockWindow::failedSaveLeavesStop()
{
    // A trial of this patient is stored at the very second this one ends:
    // the row breaks the unique index IDJeu.
    m_db->addTrial(m_patient, 1, QStringLiteral("03/05/2024"), QStringLiteral("14:07:09"));
    open();
    start();
    CHECKED(touchRemainingBalls()); // no question comes: the error box instead
    QTRY_VERIFY(!m_messages.texts().isEmpty());
    QCOMPARE(m_messages.texts(), QStringList{Msg::tr(Msg::KeyViolation)});
    QCOMPARE(asked(), QStringList{});
    QCOMPARE(trialRows(), 1);
    QVERIFY(!F_Data->tJeu->Active());

    // The game-over state: timers off, Stop the way back.
    QCOMPARE(m_window->FrameState().Phase(), FramePhase::GameOver);
    QVERIFY(!child<QTimer>("Timer")->isActive());
    QVERIFY(!child<QTimer>("TimerTps")->isActive());
    QVERIFY(child<QPushButton>("btStop")->isEnabled());
    QVERIFY(!child<QPushButton>("btStart")->isEnabled());
    child<QPushButton>("btStop")->click();
    QCOMPARE(m_window->FrameState().Phase(), FramePhase::Finished);
    QVERIFY(!m_thread->isSampling());

    // The next trial, a minute later, is stored.
    m_clock->advanceMs(60000);
    TF_Confirm::QueueAnswer(TF_Confirm::Yes);
    TF_Confirm::QueueAnswer(TF_Confirm::No);
    start();
    CHECKED(playToEnd());
    QCOMPARE(trialRows(), 2);
    QCOMPARE(m_messages.texts().size(), 1);
}

void TestClockWindow::missingTargetPictureLeavesStop()
{
    const QString picture = m_db->inst.filePath(QStringLiteral("Config/Balle_Rose.bmp"));
    const QString aside = picture + QStringLiteral(".aside");
    QVERIFY(QFile::rename(picture, aside));
    ForgetGamePictures();
    open();
    // The first level cannot be laid out: the show reports it.
    QCOMPARE(m_messages.texts().size(), 1);
    QVERIFY(m_messages.texts().first().startsWith(Msg::tr(Msg::FileMissing)));
    QVERIFY(!m_window->Game().HasLevel());

    QTest::mouseClick(child<QPushButton>("btStart"), Qt::LeftButton);
    QCOMPARE(m_messages.texts().size(), 2);
    QCOMPARE(m_window->FrameState().Phase(), FramePhase::Running);
    QVERIFY(!child<QTimer>("Timer")->isActive());
    QVERIFY(!m_thread->isSampling());
    QVERIFY(child<QPushButton>("btStop")->isEnabled());
    child<QPushButton>("btStop")->click();
    QVERIFY(child<QPushButton>("btStart")->isEnabled());
    QVERIFY(child<QPushButton>("btQuit")->isEnabled());

    QVERIFY(QFile::rename(aside, picture));
    TF_Confirm::QueueAnswer(TF_Confirm::Yes);
    start();
    QVERIFY(m_window->Game().HasLevel());
    QVERIFY(child<QTimer>("Timer")->isActive());
}

void TestClockWindow::endSoundFoundFromAnyWorkingDirectory()
{
    // Started from another folder, as from a desktop menu.
    QVERIFY(QDir::setCurrent(m_elsewhere.path()));
    QTRY_VERIFY_WITH_TIMEOUT(!SoundPlaying(), 2000);
    TF_Confirm::QueueAnswer(TF_Confirm::No);
    open();
    start();
    CHECKED(playToEnd());
    const SoundPlayback played = LastSoundPlayback();
    QCOMPARE(played.Outcome, SoundPlayback::Started);
    QCOMPARE(played.Path, m_db->inst.filePath(QStringLiteral("Config/Ballmissed.wav")));
    QCOMPARE(played.DurationMs, 600);
}

int main(int argc, char* argv[])
{
    // The program's default error box, so that an error raised in a handler
    // is reported as the program reports it.
    VelunorApplication app(argc, argv);
    TestClockWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clockwindow.moc"
