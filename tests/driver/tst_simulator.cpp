// The built simulator library, loaded from a temporary installation: the
// driver interface as the program sees it, position datagrams and trace
// replay.

#include "SimHarness.h"

#include <QNetworkProxy>
#include <QTest>
#include <QUdpSocket>

#include <memory>

namespace {

constexpr int WaitMs = 5000;

bool near(QPointF a, QPointF b, double tolerance = 1e-4)
{
    return qAbs(a.x() - b.x()) <= tolerance && qAbs(a.y() - b.y()) <= tolerance;
}

QString describe(QPointF p)
{
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

// An installation with the given INI, the library loaded from it.
struct Loaded
{
    SimInstallation installation;
    std::unique_ptr<SimLibrary> library;
};

std::unique_ptr<Loaded> install(const QString& iniName, const QByteArray& ini,
                                const QString& traceName = {}, const QByteArray& trace = {})
{
    auto l = std::make_unique<Loaded>();
    if (!l->installation.isValid())
        return nullptr;
    if (!iniName.isEmpty() && !l->installation.writeFile(iniName, ini))
        return nullptr;
    if (!traceName.isEmpty() && !l->installation.writeFile(traceName, trace))
        return nullptr;
    l->library = std::make_unique<SimLibrary>(l->installation.libraryPath());
    if (!l->library->load()) {
        qWarning() << l->library->errorString();
        return nullptr;
    }
    return l;
}

} // namespace

class TestSimulator : public QObject
{
    Q_OBJECT
private slots:
    void version_data();
    void version();
    void initResult_data();
    void initResult();
    void centreBeforeAnyDatagram_data();
    void centreBeforeAnyDatagram();
    void datagrams_data();
    void datagrams();
    void busyPortStillWorks();
    void reinitAfterExit();
    void unloadWhileRunning();
    void traceReplay_data();
    void traceReplay();
    void traceRestartsWithAcquisition();
};

void TestSimulator::version_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("expected");

    QTest::newRow("full buffer") << int(STEPLINK_VERSION_MAX) << "2.8.0-sim";
    QTest::newRow("exact fit") << 10 << "2.8.0-sim";
    QTest::newRow("truncated") << 4 << "2.8";
    QTest::newRow("room for the terminator only") << 1 << "";
    QTest::newRow("no room: untouched") << 0 << QString(STEPLINK_VERSION_MAX + 7, '#');
    QTest::newRow("negative size: untouched") << -3 << QString(STEPLINK_VERSION_MAX + 7, '#');
}

void TestSimulator::version()
{
    QFETCH(int, size);
    QFETCH(QString, expected);
    auto sim = install({}, {});
    QVERIFY(sim);
    QCOMPARE(sim->library->version(size), expected);
    sim->library->getVersion(nullptr, 10); // must not crash
}

void TestSimulator::initResult_data()
{
    QTest::addColumn<int>("result");
    QTest::newRow("ready") << 0;
    QTest::newRow("positive is ready too") << 3;
    QTest::newRow("plate absent") << int(SL_PLATE_ABSENT);
    QTest::newRow("fatal") << -7;
}

void TestSimulator::initResult()
{
    QFETCH(int, result);
    const quint16 port = FreeUdpPort();
    QVERIFY(port != 0);
    auto sim = install("Steplink.ini", SimIni(port, "InitResult=" + QByteArray::number(result)));
    QVERIFY(sim);
    SimLibrary& lib = *sim->library;

    QCOMPARE(lib.init(), result);
    // The simulation (and so its listener) runs only for a usable plate.
    QCOMPARE(UdpPortFree(port), result < 0);
    // A second SLInit gives the same answer and starts nothing twice.
    QCOMPARE(lib.init(), result);
    QCOMPARE(lib.slExit(), 0);
    QVERIFY(UdpPortFree(port));
    QVERIFY(lib.unload());
}

void TestSimulator::centreBeforeAnyDatagram_data()
{
    QTest::addColumn<QString>("iniName"); // empty: no INI at all
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<QPointF>("centre");

    QTest::newRow("no INI: defaults") << QString() << QByteArray() << QPointF(24, 24);
    QTest::newRow("default sensors") << "Steplink.ini" << QByteArray() << QPointF(24, 24);
    QTest::newRow("rectangular plate")
        << "Steplink.ini" << QByteArray("SensorsX=40\nSensorsY=30\n") << QPointF(20, 15);
    QTest::newRow("odd sensor count")
        << "Steplink.ini" << QByteArray("SensorsX=41\nSensorsY=7\n") << QPointF(20.5, 3.5);
    QTest::newRow("upper-case file name")
        << "STEPLINK.INI" << QByteArray("SensorsX=40\nSensorsY=30\n") << QPointF(20, 15);
    QTest::newRow("lower-case file name, keys any case")
        << "steplink.ini" << QByteArray("sensorsx=40\nSENSORSY=30\n") << QPointF(20, 15);
    QTest::newRow("unusable values fall back")
        << "Steplink.ini" << QByteArray("SensorsX=many\nSensorsY=-2\n") << QPointF(24, 24);
}

void TestSimulator::centreBeforeAnyDatagram()
{
    QFETCH(QString, iniName);
    QFETCH(QByteArray, extra);
    QFETCH(QPointF, centre);
    const quint16 port = FreeUdpPort();
    auto sim = install(iniName, SimIni(port, extra));
    QVERIFY(sim);
    SimLibrary& lib = *sim->library;

    QCOMPARE(lib.init(), 0);
    QCOMPARE(lib.startAcq(), 0);
    float x = 0, y = 0, third = -1, fourth = -1;
    QCOMPARE(lib.readCog(&x, &y, &third, &fourth), 0);
    QVERIFY2(near(QPointF(x, y), centre), qPrintable(describe(QPointF(x, y))));
    QVERIFY(third > 0);
    QCOMPARE(fourth, 0.0f);
    // The cells the caller does not want may be left out.
    QCOMPARE(lib.readCog(&x, &y, nullptr, nullptr), 0);
    QCOMPARE(lib.stopAcq(), 0);
    QCOMPARE(lib.slExit(), 0);
}

void TestSimulator::datagrams_data()
{
    QTest::addColumn<QByteArrayList>("malformed"); // sent first, all to be refused
    QTest::addColumn<QByteArray>("good");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("blank separated") << QByteArrayList{} << QByteArray("30 12") << QPointF(30, 12);
    QTest::newRow("comma, newline")
        << QByteArrayList{} << QByteArray("30.5,12.25\n") << QPointF(30.5, 12.25);
    QTest::newRow("outside the plate is clamped")
        << QByteArrayList{} << QByteArray("-5 100") << QPointF(0, 48);
    QTest::newRow("malformed ignored and counted")
        << QByteArrayList{"hello",
                          "12",
                          "1 2 3",
                          "1 2 junk",
                          "nan 4",
                          "4 inf",
                          "1e1 2",
                          "24,5 10",
                          "1" + QByteArray(STEPLINK_SIM_DATAGRAM_MAX, ' ') + "2",
                          QByteArray(2000, '7')}
        << QByteArray("10 11\n") << QPointF(10, 11);
}

void TestSimulator::datagrams()
{
    QFETCH(QByteArrayList, malformed);
    QFETCH(QByteArray, good);
    QFETCH(QPointF, expected);
    const quint16 port = FreeUdpPort();
    auto sim = install("Steplink.ini", SimIni(port));
    QVERIFY(sim);
    SimLibrary& lib = *sim->library;
    QCOMPARE(lib.init(), 0);
    QCOMPARE(lib.startAcq(), 0);

    for (const QByteArray& d : malformed)
        QVERIFY(SendDatagram(port, d));
    QVERIFY(near(lib.read(), QPointF(24, 24))); // nothing above moved it
    QVERIFY(SendDatagram(port, good));
    QTRY_VERIFY2_WITH_TIMEOUT(near(lib.read(), expected), qPrintable(describe(lib.read())), WaitMs);
    // One socket, datagrams in order: all bad ones were seen before the good.
    QCOMPARE(lib.malformedDatagrams(), int(malformed.size()));
    QCOMPARE(lib.malformedTraceLines(), 0);

    QCOMPARE(lib.slExit(), 0);
    QVERIFY(lib.unload());
}

void TestSimulator::busyPortStillWorks()
{
    const quint16 port = FreeUdpPort();
    QUdpSocket squatter;
    squatter.setProxy(QNetworkProxy::NoProxy);
    QVERIFY(squatter.bind(QHostAddress::LocalHost, port, QUdpSocket::DontShareAddress));
    auto sim = install("Steplink.ini", SimIni(port, "SensorsX=40\n"));
    QVERIFY(sim);
    SimLibrary& lib = *sim->library;
    QCOMPARE(lib.init(), 0);
    QVERIFY(near(lib.read(), QPointF(20, 24)));
    QCOMPARE(lib.slExit(), 0);
    QVERIFY(lib.unload());
}

void TestSimulator::reinitAfterExit()
{
    const quint16 port = FreeUdpPort();
    auto sim = install("Steplink.ini", SimIni(port));
    QVERIFY(sim);
    SimLibrary& lib = *sim->library;

    QCOMPARE(lib.init(), 0);
    QVERIFY(SendDatagram(port, "bad"));
    QVERIFY(SendDatagram(port, "5 6"));
    QTRY_VERIFY_WITH_TIMEOUT(near(lib.read(), QPointF(5, 6)), WaitMs);
    QCOMPARE(lib.malformedDatagrams(), 1);
    QCOMPARE(lib.slExit(), 0);
    QCOMPARE(lib.slExit(), 0); // twice is harmless
    QVERIFY(UdpPortFree(port));

    // A new session starts from the centre with fresh counters and listens again.
    QCOMPARE(lib.init(), 0);
    QVERIFY(near(lib.read(), QPointF(24, 24)));
    QCOMPARE(lib.malformedDatagrams(), 0);
    QVERIFY(SendDatagram(port, "7 8"));
    QTRY_VERIFY_WITH_TIMEOUT(near(lib.read(), QPointF(7, 8)), WaitMs);
    QCOMPARE(lib.slExit(), 0);
    QVERIFY(lib.unload());
}

void TestSimulator::unloadWhileRunning()
{
    const quint16 port = FreeUdpPort();
    auto sim = install("Steplink.ini", SimIni(port));
    QVERIFY(sim);
    QCOMPARE(sim->library->init(), 0);
    QCOMPARE(sim->library->startAcq(), 0);
    QVERIFY(!UdpPortFree(port));
    // No SLExit: unloading must stop the listener before its code goes away.
    QVERIFY(sim->library->unload());
    QVERIFY(UdpPortFree(port));
    // A live thread in unmapped code would crash on this wake-up.
    QVERIFY(SendDatagram(port, "1 1"));
    QTest::qWait(50);
}

void TestSimulator::traceReplay_data()
{
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<QByteArray>("datagram"); // empty: none, the base stays central
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<bool>("loop");

    // Samples (1, 2) cm then (-2, -1) cm; +y cm is forward, i.e. up on screen.
    QTest::newRow("looping") << QByteArray("Trace=trace.csv\n") << QByteArray() << QPointF(25, 22)
                             << QPointF(22, 25) << true;
    QTest::newRow("two cm per sensor, moved base")
        << QByteArray("Trace=trace.csv\nCmPerSensor=2\n") << QByteArray("10 12")
        << QPointF(10.5, 11) << QPointF(9, 12.5) << true;
    QTest::newRow("held at the last sample")
        << QByteArray("Trace=trace.csv\nTraceLoop=0\n") << QByteArray() << QPointF(25, 22)
        << QPointF(22, 25) << false;
}

void TestSimulator::traceReplay()
{
    QFETCH(QByteArray, extra);
    QFETCH(QByteArray, datagram);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(bool, loop);
    const quint16 port = FreeUdpPort();
    const QByteArray trace = "t_s,x_cm,y_cm\n0.00,1.0,2.0\n0.15,-2.0,-1.0\n\nnot,a,sample\n";
    auto sim = install("Steplink.ini", SimIni(port, extra), "trace.csv", trace);
    QVERIFY(sim);
    SimLibrary& lib = *sim->library;
    QCOMPARE(lib.init(), 0);
    QCOMPARE(lib.malformedTraceLines(), 2); // the header and the junk line; blank lines are not
    if (!datagram.isEmpty()) {
        QVERIFY(SendDatagram(port, datagram));
        QTRY_VERIFY_WITH_TIMEOUT(near(lib.read(), first) || near(lib.read(), second), WaitMs);
    }
    QCOMPARE(lib.startAcq(), 0);

    // Whatever the timing, every reading is one of the two samples.
    bool seenFirst = false, seenSecond = false;
    QPointF stray(-1, -1);
    QTRY_VERIFY_WITH_TIMEOUT(([&] {
                                 const QPointF p = lib.read();
                                 if (near(p, first))
                                     seenFirst = true;
                                 else if (near(p, second))
                                     seenSecond = true;
                                 else
                                     stray = p;
                                 // Looping comes back to the first sample.
                                 return stray.x() >= 0 ||
                                        (seenSecond && (!loop || (seenFirst && near(p, first))));
                             }()),
                             WaitMs);
    QVERIFY2(stray.x() < 0, qPrintable("not a trace sample: " + describe(stray)));
    if (!loop) {
        for (int i = 0; i < 10; ++i) {
            QVERIFY(near(lib.read(), second));
            QTest::qWait(20);
        }
    }
    QCOMPARE(lib.stopAcq(), 0);
    QCOMPARE(lib.slExit(), 0);
    QVERIFY(lib.unload());
}

void TestSimulator::traceRestartsWithAcquisition()
{
    const quint16 port = FreeUdpPort();
    auto sim = install("Steplink.ini", SimIni(port, "Trace=trace.csv\nTraceLoop=0\n"), "trace.csv",
                       "0,0,0\n0.5,0,5\n");
    QVERIFY(sim);
    SimLibrary& lib = *sim->library;
    QCOMPARE(lib.init(), 0);
    QCOMPARE(lib.malformedTraceLines(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(near(lib.read(), QPointF(24, 19)), WaitMs);
    // Holding the last sample until acquisition starts the replay again.
    QCOMPARE(lib.startAcq(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(near(lib.read(), QPointF(24, 24)), WaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(near(lib.read(), QPointF(24, 19)), WaitMs);
    QCOMPARE(lib.slExit(), 0);
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
