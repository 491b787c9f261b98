// Device INI and trace reading of the simulated platform.

#include "SimConfig.h"
#include "Trace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using steplink::sim::SimConfig;
using steplink::sim::Trace;

Q_DECLARE_METATYPE(SimConfig)

namespace {
SimConfig config(int initResult, int sx, int sy, int port, const char* trace, double cm, bool loop)
{
    SimConfig c;
    c.initResult = initResult;
    c.sensorsX = sx;
    c.sensorsY = sy;
    c.udpPort = port;
    c.trace = trace;
    c.cmPerSensor = cm;
    c.traceLoop = loop;
    return c;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

class TestSimCore : public QObject
{
    Q_OBJECT
private slots:
    void iniConfig_data();
    void iniConfig();
    void findFileNoCase_data();
    void findFileNoCase();
    void resolvePath();
    void traceParse_data();
    void traceParse();
    void traceOffsetAt_data();
    void traceOffsetAt();
    void traceLoadFile_data();
    void traceLoadFile();
};

void TestSimCore::iniConfig_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<SimConfig>("expected");

    const SimConfig defaults;
    QTest::newRow("empty") << QByteArray() << defaults;
    QTest::newRow("all keys") << QByteArray("[Plate]\nName=Sim\n[Simulator]\nInitResult=-5\n"
                                            "SensorsX=40\nSensorsY=30\nUdpPort=5000\n"
                                            "Trace=traces/a.csv\nCmPerSensor=0.5\nTraceLoop=0\n")
                              << config(-5, 40, 30, 5000, "traces/a.csv", 0.5, false);
    QTest::newRow("names without regard to case")
        << QByteArray("[ SIMULATOR ]\nsensorsx = 40\nUDPPORT=5000\ncmpersensor=2\n")
        << config(0, 40, 48, 5000, "", 2.0, true);
    QTest::newRow("comments") << QByteArray("[Simulator]\n; SensorsX=10\n  # SensorsY=10\n")
                              << defaults;
    QTest::newRow("first key wins") << QByteArray("[Simulator]\nSensorsX=40\nSensorsX=10\n")
                                    << config(0, 40, 48, 47800, "", 1.0, true);
    QTest::newRow("other section and no section")
        << QByteArray("SensorsX=10\n[Plate]\nSensorsY=10\n[Simulator2]\nUdpPort=1\n") << defaults;
    QTest::newRow("unusable values keep defaults")
        << QByteArray("[Simulator]\nInitResult=5x\nSensorsX=abc\nSensorsY=0\nUdpPort=70000\n"
                      "CmPerSensor=-1\nTraceLoop=\n")
        << defaults;
    QTest::newRow("not finite scale") << QByteArray("[Simulator]\nCmPerSensor=nan\n") << defaults;
    QTest::newRow("huge sensor count")
        << QByteArray("[Simulator]\nSensorsX=99999999999\nSensorsY=100000\n") << defaults;
    QTest::newRow("quoted path, crlf, plus sign")
        << QByteArray("[Simulator]\r\nTrace = \"My traces/a.csv\" \r\nInitResult=+3\r\n")
        << config(3, 48, 48, 47800, "My traces/a.csv", 1.0, true);
    QTest::newRow("unterminated section header")
        << QByteArray("[Simulator\nSensorsX=40\n") << defaults;
}

void TestSimCore::iniConfig()
{
    QFETCH(QByteArray, ini);
    QFETCH(SimConfig, expected);
    const SimConfig c = steplink::sim::ConfigFromIni(
        steplink::sim::IniDocument::parse(std::string_view(ini.constData(), ini.size())));
    QCOMPARE(c.initResult, expected.initResult);
    QCOMPARE(c.sensorsX, expected.sensorsX);
    QCOMPARE(c.sensorsY, expected.sensorsY);
    QCOMPARE(c.udpPort, expected.udpPort);
    QCOMPARE(QString::fromStdString(c.trace), QString::fromStdString(expected.trace));
    QCOMPARE(c.cmPerSensor, expected.cmPerSensor);
    QCOMPARE(c.traceLoop, expected.traceLoop);
}

void TestSimCore::findFileNoCase_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("found"); // empty: none

    QTest::newRow("exact") << QStringList{"Steplink.ini"} << "Steplink.ini";
    QTest::newRow("upper case") << QStringList{"STEPLINK.INI"} << "STEPLINK.INI";
    QTest::newRow("mixed case among others")
        << QStringList{"Steplink.ini.bak", "steplink.Ini", "other.ini"} << "steplink.Ini";
    QTest::newRow("exact preferred")
        << QStringList{"STEPLINK.INI", "Steplink.ini"} << "Steplink.ini";
    QTest::newRow("none") << QStringList{"Steplink.in", "Steplinkini"} << QString();
}

void TestSimCore::findFileNoCase()
{
    QFETCH(QStringList, files);
    QFETCH(QString, found);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString& f : files)
        QVERIFY(writeFile(dir.filePath(f), "x"));
    const QString result = QString::fromStdString(
        steplink::sim::FindFileNoCase(dir.path().toStdString(), "Steplink.ini"));
    QCOMPARE(result, found.isEmpty() ? QString() : dir.filePath(found));
}

void TestSimCore::resolvePath()
{
    using steplink::sim::ResolvePath;
    auto resolve = [](const char* base, const char* trace) {
        return QString::fromStdString(ResolvePath(base, trace));
    };
    QCOMPARE(resolve("/opt/v", "t/a.csv"), QStringLiteral("/opt/v/t/a.csv"));
    QCOMPARE(resolve("/opt/v", "/data/a.csv"), QStringLiteral("/data/a.csv"));
    QCOMPARE(resolve("/opt/v", ""), QString());
}

void TestSimCore::traceParse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("cmPerSensor");
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("malformed");
    QTest::addColumn<double>("period");

    QTest::newRow("recording format")
        << QByteArray("t_s,x_cm,y_cm\n0.00,0.1642,-0.3671\n0.01,0.1599,-0.3735\n") << 1.0 << 2 << 1
        << 0.02;
    QTest::newRow("blanks, crlf, blank lines not counted")
        << QByteArray(" 0 , 1 , 2 \r\n\r\n\n1,2,3\r\n") << 1.0 << 2 << 0 << 2.0;
    QTest::newRow("junk lines counted")
        << QByteArray("# comment\n0,1\n0,1,2,3\n0,a,1\n0,1,2\n1,,2\nnan,1,2\n0.5,1,inf\n") << 1.0
        << 1 << 7 << 0.0;
    QTest::newRow("time going backwards refused")
        << QByteArray("0,0,0\n1,1,1\n0.5,2,2\n1,3,3\n") << 1.0 << 3 << 1 << 1.0;
    QTest::newRow("offset start time") << QByteArray("10,0,0\n10.5,1,1\n") << 1.0 << 2 << 0 << 1.0;
    QTest::newRow("huge values refused when not representable")
        << QByteArray("0,1e300,0\n0,1e30,-1e30\n1e308,0,0\n") << 1.0 << 2 << 1 << qInf();
    QTest::newRow("empty") << QByteArray() << 1.0 << 0 << 0 << 0.0;
}

void TestSimCore::traceParse()
{
    QFETCH(QByteArray, text);
    QFETCH(double, cmPerSensor);
    QFETCH(int, samples);
    QFETCH(int, malformed);
    QFETCH(double, period);
    Trace trace(cmPerSensor);
    trace.addText(std::string_view(text.constData(), text.size()));
    QCOMPARE(int(trace.size()), samples);
    QCOMPARE(trace.malformedLines(), malformed);
    if (std::isinf(period))
        QVERIFY(std::isinf(trace.period()));
    else
        QVERIFY(qAbs(trace.period() - period) < 1e-9);
}

void TestSimCore::traceOffsetAt_data()
{
    QTest::addColumn<double>("cmPerSensor");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<double>("elapsed");
    QTest::addColumn<float>("dx");
    QTest::addColumn<float>("dy");

    // Samples at 0, 1, 2 s (period 3 s); y is forward, so it turns negative.
    QTest::newRow("start") << 1.0 << true << 0.0 << 1.0f << -10.0f;
    QTest::newRow("negative time") << 1.0 << true << -5.0 << 1.0f << -10.0f;
    QTest::newRow("between: at or before") << 1.0 << true << 1.99 << 2.0f << -20.0f;
    QTest::newRow("exact sample time") << 1.0 << true << 2.0 << 3.0f << -30.0f;
    QTest::newRow("looped") << 1.0 << true << 3.5 << 1.0f << -10.0f;
    QTest::newRow("looped many times") << 1.0 << true << 3000.0 + 1.5 << 2.0f << -20.0f;
    QTest::newRow("held after the end") << 1.0 << false << 3.5 << 3.0f << -30.0f;
    QTest::newRow("held long after") << 1.0 << false << 1e12 << 3.0f << -30.0f;
    QTest::newRow("scaled") << 2.0 << false << 1.0 << 1.0f << -10.0f;
    QTest::newRow("not finite time") << 1.0 << true << qInf() << 1.0f << -10.0f;
}

void TestSimCore::traceOffsetAt()
{
    QFETCH(double, cmPerSensor);
    QFETCH(bool, loop);
    QFETCH(double, elapsed);
    QFETCH(float, dx);
    QFETCH(float, dy);
    Trace trace(cmPerSensor);
    trace.addText("t,x,y\n0,1,10\n1,2,20\n2,3,30\n");
    float x = 0, y = 0;
    trace.offsetAt(elapsed, loop, x, y);
    QCOMPARE(x, dx);
    QCOMPARE(y, dy);
}

void TestSimCore::traceLoadFile_data()
{
    QTest::addColumn<QByteArray>("content"); // not written when "<missing>"
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("malformed");

    QTest::newRow("missing") << QByteArray("<missing>") << 0 << 0;
    QTest::newRow("empty") << QByteArray() << 0 << 0;
    QTest::newRow("no final line end") << QByteArray("t,x,y\n0,1,2\n0.01,1,2") << 2 << 1;
    QTest::newRow("binary junk") << QByteArray("\x00\x01\xff,\xfe\n\x00", 7) << 0 << 2;
    QByteArray longLine(3 * Trace::MaxLineLength, '7');
    QTest::newRow("overlong line refused whole")
        << QByteArray("0,1,1\n" + longLine + "\n1,2,2") << 2 << 1;
    QTest::newRow("overlong last line") << QByteArray("0,1,1\n" + longLine) << 1 << 1;
}

void TestSimCore::traceLoadFile()
{
    QFETCH(QByteArray, content);
    QFETCH(int, samples);
    QFETCH(int, malformed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("trace.csv");
    if (content != "<missing>")
        QVERIFY(writeFile(path, content));
    const Trace trace = Trace::load(path.toStdString(), 1.0);
    QCOMPARE(int(trace.size()), samples);
    QCOMPARE(trace.malformedLines(), malformed);

    // A folder where a file is expected reads as no trace.
    QCOMPARE(int(Trace::load(dir.path().toStdString(), 1.0).size()), 0);
}

QTEST_APPLESS_MAIN(TestSimCore)
#include "tst_simcore.moc"
