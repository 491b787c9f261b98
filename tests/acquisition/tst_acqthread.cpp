// The acquisition thread against a fake driver table that records every call.

#include "AcqCgPodo.h"

#include <QtTest>
#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>

namespace {

enum class Call { Start, Read, Stop };

struct FakeDriver
{
    std::mutex mutex;
    std::vector<Call> calls;
    std::vector<std::chrono::steady_clock::time_point> readTimes;
    std::atomic<float> x{0.0f};
    std::atomic<float> y{0.0f};
    std::atomic<int> readDelayMs{0};

    void record(Call call)
    {
        std::lock_guard lock(mutex);
        calls.push_back(call);
        if (call == Call::Read)
            readTimes.push_back(std::chrono::steady_clock::now());
    }
    int count(Call call)
    {
        std::lock_guard lock(mutex);
        return int(std::count(calls.begin(), calls.end(), call));
    }
    std::vector<Call> snapshot()
    {
        std::lock_guard lock(mutex);
        return calls;
    }
    void reset()
    {
        std::lock_guard lock(mutex);
        calls.clear();
        readTimes.clear();
        x = 0.0f;
        y = 0.0f;
        readDelayMs = 0;
    }
};

FakeDriver fake;

int32_t fakeStart()
{
    fake.record(Call::Start);
    return 0;
}
int32_t fakeStop()
{
    fake.record(Call::Stop);
    return 0;
}
int32_t fakeRead(float* x, float* y, float* third, float* fourth)
{
    if (fake.readDelayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(fake.readDelayMs.load()));
    *x = fake.x;
    *y = fake.y;
    *third = 1.0f;
    *fourth = 2.0f;
    fake.record(Call::Read);
    return 7;
}

SteplinkApi fakeApi()
{
    SteplinkApi api;
    api.SLStartAcqContinue = fakeStart;
    api.SLReadPodoCG = fakeRead;
    api.SLStopAcqContinue = fakeStop;
    return api;
}

// A tick clock just below the 32-bit wrap, moving with real time.
std::uint32_t wrappingTick()
{
    static const std::uint32_t origin = TAcqCgPodo::SteadyTickMs();
    return 0xFFFFFFF0u + (TAcqCgPodo::SteadyTickMs() - origin);
}

} // namespace

class TestAcqThread : public QObject
{
    Q_OBJECT

private slots:
    void init() { fake.reset(); }

    void setPeriod_data();
    void setPeriod();
    void createdPausedWithZeroCg();
    void samplesAndKeepsLastValue();
    void stopStopStartSamples();
    void startTwiceCallsLibraryTwice();
    void stopWaitsAndFollowsLastRead();
    void stopWaitsForReadInProgress();
    void exitWhilePausedMakesNoCall();
    void exitWhileSamplingEnds();
    void elapsedAcrossWrap_data();
    void elapsedAcrossWrap();
    void samplesAcrossTickWrap();

private:
    const SteplinkApi api = fakeApi();
};

void TestAcqThread::setPeriod_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("period");
    QTest::newRow("10 refused") << 10 << -2 << 500;
    QTest::newRow("11 taken") << 11 << 0 << 11;
    QTest::newRow("20 taken") << 20 << 0 << 20;
    QTest::newRow("499 taken") << 499 << 0 << 499;
    QTest::newRow("500 refused") << 500 << -2 << 500;
    QTest::newRow("negative refused") << -20 << -2 << 500;
}

void TestAcqThread::setPeriod()
{
    QFETCH(int, value);
    TAcqCgPodo thread(&api);
    QCOMPARE(thread.Period(), 500);
    QTEST(thread.SetPeriod(value), "result");
    QTEST(thread.Period(), "period");
}

void TestAcqThread::createdPausedWithZeroCg()
{
    fake.x = 5.0f;
    TAcqCgPodo thread(&api);
    thread.SetPeriod(11);
    QTest::qWait(60);
    QCOMPARE(thread.CgX.load(), 0.0f);
    QCOMPARE(thread.CgY.load(), 0.0f);
    QVERIFY(!thread.isSampling());
    QCOMPARE(fake.count(Call::Read), 0);
}

void TestAcqThread::samplesAndKeepsLastValue()
{
    TAcqCgPodo thread(&api);
    thread.SetPeriod(20);
    fake.x = 12.5f;
    fake.y = -3.25f;
    thread.StartAcq();
    QTRY_COMPARE(thread.CgX.load(), 12.5f);
    QCOMPARE(thread.CgY.load(), -3.25f);
    thread.StopAcq();
    const int reads = fake.count(Call::Read);
    fake.x = 99.0f;
    QTest::qWait(80);
    QCOMPARE(fake.count(Call::Read), reads);
    QCOMPARE(thread.CgX.load(), 12.5f);
}

void TestAcqThread::stopStopStartSamples()
{
    TAcqCgPodo thread(&api);
    thread.SetPeriod(11);
    thread.StopAcq();
    thread.StopAcq();
    QVERIFY(!thread.isSampling());
    thread.StartAcq();
    QVERIFY(thread.isSampling());
    QTRY_VERIFY(fake.count(Call::Read) >= 2);
    QCOMPARE(fake.count(Call::Stop), 2);
    thread.StopAcq();
}

void TestAcqThread::startTwiceCallsLibraryTwice()
{
    TAcqCgPodo thread(&api);
    thread.SetPeriod(11);
    thread.StartAcq();
    thread.StartAcq();
    QCOMPARE(fake.count(Call::Start), 2);
    QTRY_VERIFY(fake.count(Call::Read) >= 3);
    thread.StopAcq();
    QVERIFY(!thread.isSampling());
}

void TestAcqThread::stopWaitsAndFollowsLastRead()
{
    TAcqCgPodo thread(&api);
    thread.SetPeriod(11);
    thread.StartAcq();
    QTRY_VERIFY(fake.count(Call::Read) >= 2);
    QElapsedTimer timer;
    timer.start();
    thread.StopAcq();
    QVERIFY2(timer.elapsed() >= 30, qPrintable(QString::number(timer.elapsed())));
    QTest::qWait(50);
    const std::vector<Call> calls = fake.snapshot();
    QCOMPARE(calls.back(), Call::Stop);
    QCOMPARE(calls[calls.size() - 2], Call::Read);
}

void TestAcqThread::stopWaitsForReadInProgress()
{
    TAcqCgPodo thread(&api);
    thread.SetPeriod(11);
    fake.readDelayMs = 60; // a slow read is in progress when the stop comes
    thread.StartAcq();
    QTest::qWait(30);
    thread.StopAcq();
    const std::vector<Call> calls = fake.snapshot();
    QVERIFY(!calls.empty());
    QCOMPARE(calls.back(), Call::Stop);
    const int reads = fake.count(Call::Read);
    QTest::qWait(100);
    QCOMPARE(fake.count(Call::Read), reads);
}

void TestAcqThread::exitWhilePausedMakesNoCall()
{
    auto* thread = new TAcqCgPodo(&api);
    thread->SetPeriod(11);
    thread->StartAcq();
    QTRY_VERIFY(fake.count(Call::Read) >= 1);
    thread->StopAcq();
    const std::size_t before = fake.snapshot().size();
    QElapsedTimer timer;
    timer.start();
    delete thread;
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(fake.snapshot().size(), before);
}

void TestAcqThread::exitWhileSamplingEnds()
{
    auto* thread = new TAcqCgPodo(&api);
    thread->SetPeriod(499);
    thread->StartAcq();
    delete thread; // must not hang or read after the request
    QCOMPARE(fake.count(Call::Read), 0);
}

void TestAcqThread::elapsedAcrossWrap_data()
{
    QTest::addColumn<quint32>("from");
    QTest::addColumn<quint32>("to");
    QTest::addColumn<quint32>("elapsed");
    QTest::newRow("plain") << 100u << 120u << 20u;
    QTest::newRow("across the wrap") << 0xFFFFFFF6u << 10u << 20u;
    QTest::newRow("at the wrap") << 0xFFFFFFFFu << 0u << 1u;
}

void TestAcqThread::elapsedAcrossWrap()
{
    QFETCH(quint32, from);
    QFETCH(quint32, to);
    QTEST(TAcqCgPodo::ElapsedMs(from, to), "elapsed");
}

void TestAcqThread::samplesAcrossTickWrap()
{
    TAcqCgPodo thread(&api, wrappingTick);
    thread.SetPeriod(11);
    thread.StartAcq();
    // The clock wraps after 16 ms; the loop must keep reading past it.
    QTRY_VERIFY(fake.count(Call::Read) >= 5);
    thread.StopAcq();
}

QTEST_GUILESS_MAIN(TestAcqThread)
#include "tst_acqthread.moc"
