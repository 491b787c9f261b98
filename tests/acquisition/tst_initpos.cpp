// The initial-position dialog, driven like a therapist would, against a real
// acquisition thread that reads a fake driver table.

#include "AcqCgPodo.h"
#include "MessageCapture.h"
#include "MessageTable.h"
#include "SurfaceMapping.h"
#include "TfmInitPos.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <functional>
#include <limits>

namespace {

struct FakePlate
{
    std::atomic<float> x{0.0f};
    std::atomic<float> y{0.0f};
    std::atomic<int> starts{0};
    std::atomic<int> stops{0};
    std::atomic<int> readsAfterStop{0};
    std::atomic<bool> stopped{true};

    void reset(float newX, float newY)
    {
        x = newX;
        y = newY;
        starts = 0;
        stops = 0;
        readsAfterStop = 0;
    }
};

FakePlate plate;

int32_t fakeStart()
{
    ++plate.starts;
    plate.stopped = false;
    return 0;
}

int32_t fakeStop()
{
    ++plate.stops;
    plate.stopped = true;
    return 0;
}

int32_t fakeRead(float* x, float* y, float* third, float* fourth)
{
    if (plate.stopped)
        ++plate.readsAfterStop;
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

constexpr int Unfinished = 999; // the result when a step failed and the dialog had to be closed

} // namespace

class TestInitPos : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void controlsAsCreated();
    void save_data();
    void save();
    void saveBeforeFirstTick_data();
    void saveBeforeFirstTick();
    void saveKeepsLastTickNotClickMoment();
    void cancel_data();
    void cancel();
    void labelText_data();
    void labelText();

private:
    // Opens the dialog with ShowModal and runs `interact` once it is up.
    // Should a step of `interact` fail, the dialog is closed with Unfinished.
    int runDialog(const std::function<void()>& interact);
    void click(const char* button);
    QString label() const;
    QTimer* timer() const;

    const SteplinkApi m_api = fakeApi();
    TAcqCgPodo* m_thread = nullptr;
    TfmInitPos* m_dialog = nullptr;
    MessageCapture m_messages;
    QLocale m_locale;
};

void TestInitPos::initTestCase()
{
    m_locale = QLocale();
    m_thread = new TAcqCgPodo(&m_api);
    QCOMPARE(m_thread->SetPeriod(11), 0);
    // One dialog for the whole run, as in the program: values carry over.
    m_dialog = new TfmInitPos(m_thread);
}

void TestInitPos::cleanupTestCase()
{
    delete m_dialog;
    delete m_thread;
}

void TestInitPos::init()
{
    plate.reset(0.0f, 0.0f);
    m_messages.clear();
    QLocale::setDefault(QLocale::c());
    // No tick has copied this test's sample yet; the dialog keeps the last
    // test's label, so the tests wait on these instead.
    InitX = InitY = -1.0;
}

void TestInitPos::cleanup()
{
    if (m_thread->isSampling())
        m_thread->StopAcq();
    if (m_dialog->isVisible())
        m_dialog->done(Unfinished);
    QLocale::setDefault(m_locale);
}

int TestInitPos::runDialog(const std::function<void()>& interact)
{
    QTimer::singleShot(0, m_dialog, [this, interact] {
        interact();
        if (m_dialog->isVisible())
            m_dialog->done(Unfinished);
    });
    return m_dialog->ShowModal();
}

void TestInitPos::click(const char* button)
{
    auto* widget = m_dialog->findChild<QPushButton*>(QLatin1String(button));
    QVERIFY2(widget, button);
    QTest::mouseClick(widget, Qt::LeftButton);
}

QString TestInitPos::label() const
{
    const auto* widget = m_dialog->findChild<QLabel*>(QStringLiteral("Label1"));
    return widget ? widget->text() : QString();
}

QTimer* TestInitPos::timer() const
{
    return m_dialog->findChild<QTimer*>(QStringLiteral("Timer1"));
}

void TestInitPos::controlsAsCreated()
{
    TfmInitPos fresh(m_thread);
    QCOMPARE(fresh.windowTitle(), QStringLiteral("Init position"));

    const auto* text = fresh.findChild<QLabel*>(QStringLiteral("lText"));
    QVERIFY(text);
    QCOMPARE(text->text(), Msg::tr(Msg::InitPosInstruction));
    QCOMPARE(text->text(), QStringLiteral("Put the patient on the plateform and click on \"Save\" "
                                          "to save the initial position."));
    QVERIFY(text->font().bold());
    QVERIFY(text->wordWrap());
    QCOMPARE(text->alignment(), Qt::AlignCenter);

    const auto* position = fresh.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(position);
    QCOMPARE(position->text(), QStringLiteral("X:0.0 - Y: 0.0"));
    QVERIFY(position->font().bold());
    QCOMPARE(position->alignment(), Qt::AlignCenter);

    const auto* save = fresh.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    const auto* cancel = fresh.findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    QVERIFY(save && cancel);
    QCOMPARE(save->text(), QStringLiteral("&Save"));
    QCOMPARE(cancel->text(), QStringLiteral("&Cancel"));

    const auto* tick = fresh.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(tick);
    QCOMPARE(tick->interval(), 150);
    QVERIFY(!tick->isActive());
    QCOMPARE(plate.starts.load(), 0); // creating it samples nothing
}

void TestInitPos::save_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("result");

    const float nan = std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("X exactly 0: refused") << 0.0f << 12.3f << int(QDialog::Rejected);
    QTest::newRow("Y exactly 0: refused") << 12.3f << 0.0f << int(QDialog::Rejected);
    QTest::newRow("X 0.1: saved") << 0.1f << 12.3f << int(QDialog::Accepted);
    QTest::newRow("negative values: saved") << -24.5f << -3.0f << int(QDialog::Accepted);
    QTest::newRow("corrupt sample: refused") << nan << 12.3f << int(QDialog::Rejected);
}

void TestInitPos::save()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(int, result);
    plate.reset(x, y);

    int startsWhileOpen = -1;
    bool samplingWhileOpen = false;
    bool timerWhileOpen = false;
    const int answer = runDialog([&] {
        startsWhileOpen = plate.starts;
        samplingWhileOpen = m_thread->isSampling();
        timerWhileOpen = timer()->isActive();
        QTRY_VERIFY(InitX != -1.0 && InitY != -1.0);
        QCOMPARE(label(), TfmInitPos::PositionText(x, y));
        QCOMPARE(plate.stops.load(), 0);
        click("BitBtn1");
    });

    QCOMPARE(startsWhileOpen, 1);
    QVERIFY(samplingWhileOpen);
    QVERIFY(timerWhileOpen);
    QCOMPARE(answer, result);
    // Save stops sampling whatever the verdict, and no read follows the stop.
    QCOMPARE(plate.stops.load(), 1);
    QVERIFY(!m_thread->isSampling());
    QVERIFY(!timer()->isActive());
    QTest::qWait(40);
    QCOMPARE(plate.readsAfterStop.load(), 0);

    if (result == QDialog::Accepted) {
        QVERIFY(m_messages.texts().isEmpty());
        QCOMPARE(InitX, double(x));
        QCOMPARE(InitY, double(y));
    } else {
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Initial Position is not correct")});
    }
}

void TestInitPos::saveBeforeFirstTick_data()
{
    QTest::addColumn<double>("previousX");
    QTest::addColumn<double>("previousY");
    QTest::addColumn<int>("result");
    QTest::newRow("first run: 0, 0 refused") << 0.0 << 0.0 << int(QDialog::Rejected);
    QTest::newRow("later run: previous position saved") << 5.5 << -2.25 << int(QDialog::Accepted);
}

void TestInitPos::saveBeforeFirstTick()
{
    QFETCH(double, previousX);
    QFETCH(double, previousY);
    QFETCH(int, result);
    InitX = previousX;
    InitY = previousY;
    plate.reset(30.0f, 31.0f);

    // The first tick comes 150 ms after opening; Save comes at once.
    const int answer = runDialog([&] { click("BitBtn1"); });

    QCOMPARE(answer, result);
    QCOMPARE(InitX, previousX);
    QCOMPARE(InitY, previousY);
    QCOMPARE(m_messages.texts().size(), result == QDialog::Accepted ? 0 : 1);
    QCOMPARE(plate.stops.load(), 1);
}

void TestInitPos::saveKeepsLastTickNotClickMoment()
{
    plate.reset(3.5f, 7.25f);
    const int answer = runDialog([&] {
        QTRY_COMPARE(InitX, 3.5);
        QCOMPARE(InitY, 7.25);
        timer()->stop(); // hold back the next tick while the patient moves
        plate.x = 9.0f;
        plate.y = 9.0f;
        QTRY_COMPARE(m_thread->CgX.load(), 9.0f);
        click("BitBtn1");
    });
    QCOMPARE(answer, int(QDialog::Accepted));
    QCOMPARE(InitX, 3.5);
    QCOMPARE(InitY, 7.25);
}

void TestInitPos::cancel_data()
{
    QTest::addColumn<bool>("escapeKey");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Escape key") << true;
}

void TestInitPos::cancel()
{
    QFETCH(bool, escapeKey);
    plate.reset(3.5f, 7.25f);
    const int answer = runDialog([&] {
        QTRY_COMPARE(InitX, 3.5);
        if (escapeKey)
            QTest::keyClick(m_dialog, Qt::Key_Escape);
        else
            click("BitBtn2");
    });
    QCOMPARE(answer, int(QDialog::Rejected));
    QVERIFY(m_messages.texts().isEmpty());
    QCOMPARE(InitX, 3.5);
    QCOMPARE(InitY, 7.25);

    // Sampling is left to the caller; the closed dialog no longer copies it.
    QVERIFY(m_thread->isSampling());
    QCOMPARE(plate.stops.load(), 0);
    plate.x = 9.0f;
    QTRY_COMPARE(m_thread->CgX.load(), 9.0f);
    QTest::qWait(400);
    QCOMPARE(InitX, 3.5);
    m_thread->StopAcq();
}

void TestInitPos::labelText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("text");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale french(QLocale::French);
    QTest::newRow("padded to five, sign kept")
        << english << 12.3f << -45.6f << QStringLiteral("X: 12.3 - Y:-45.6");
    QTest::newRow("French decimal comma")
        << french << 12.3f << -45.6f << QStringLiteral("X: 12,3 - Y:-45,6");
    QTest::newRow("wider than five, no digit grouping")
        << english << 1234.5f << 7.0f << QStringLiteral("X:1234.5 - Y:  7.0");
    QTest::newRow("French, no digit grouping")
        << french << 1234.5f << 7.0f << QStringLiteral("X:1234,5 - Y:  7,0");
    QTest::newRow("one decimal, rounded")
        << english << 24.06f << -0.16f << QStringLiteral("X: 24.1 - Y: -0.2");
}

void TestInitPos::labelText()
{
    QFETCH(QLocale, locale);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    plate.reset(x, y);
    const int answer = runDialog([&] {
        QTRY_COMPARE(InitX, double(x));
        QCOMPARE(label(), text);
        click("BitBtn2");
    });
    QCOMPARE(answer, int(QDialog::Rejected));
}

QTEST_MAIN(TestInitPos)
#include "tst_initpos.moc"
