// Replays a real quiet-standing recording through the built simulator.
//
// The recording is from the BMClab public balance data sets (Santos & Duarte
// 2016, "A public data set of human balance evaluations", PeerJ 4:e2648),
// CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/), modified: CoP
// columns remapped to (ML, AP) and centred on the trial mean. See README.md
// beside the recordings for the full credit.

#include "SimHarness.h"

#include <QFile>
#include <QSet>
#include <QTest>

namespace {
// Sample values to 1e-4 sensor units, as a key for "is this a sample".
qint64 key(double x, double y)
{
    return qRound64(x * 1e4) * 100000000LL + qRound64(y * 1e4);
}
} // namespace

class TestRecording : public QObject
{
    Q_OBJECT
private slots:
    void replaysRealRecording();
};

void TestRecording::replaysRealRecording()
{
    const QString recording = QStringLiteral(STEPLINK_TEST_COP_DIR "/bds02_young_eo_firm.csv");
    QFile file(recording);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable("recording missing: " + recording));

    // The positions the simulator may report: centre + (x, -y) of each sample.
    const QPointF centre(24, 24);
    QSet<qint64> allowed;
    file.readLine(); // header
    while (!file.atEnd()) {
        const QList<QByteArray> f = file.readLine().trimmed().split(',');
        QCOMPARE(f.size(), 3);
        const float x = float(centre.x() + float(f[1].toDouble()));
        const float y = float(centre.y() + -float(f[2].toDouble()));
        allowed.insert(key(x, y));
    }
    QCOMPARE(allowed.size() > 1000, true);

    SimInstallation installation;
    QVERIFY(installation.isValid());
    QVERIFY(installation.writeFile(
        "Steplink.ini",
        SimIni(FreeUdpPort(), "Trace=" + recording.toUtf8() + "\nCmPerSensor=1\n")));
    SimLibrary lib(installation.libraryPath());
    QVERIFY2(lib.load(), qPrintable(lib.errorString()));
    QCOMPARE(lib.init(), 0);
    QCOMPARE(lib.malformedTraceLines(), 1); // the header line
    QCOMPARE(lib.startAcq(), 0);

    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (int i = 0; i < 40; ++i) {
        float x = 0, y = 0, third = 0, fourth = 0;
        QCOMPARE(lib.readCog(&x, &y, &third, &fourth), 0);
        // Quiet standing sways about a centimetre: near the plate centre.
        QVERIFY2(qAbs(x - centre.x()) < 2 && qAbs(y - centre.y()) < 2,
                 qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        QVERIFY2(allowed.contains(key(x, y)),
                 qPrintable(QStringLiteral("(%1, %2) is no sample").arg(x).arg(y)));
        minX = qMin(minX, double(x));
        maxX = qMax(maxX, double(x));
        minY = qMin(minY, double(y));
        maxY = qMax(maxY, double(y));
        QTest::qWait(20);
    }
    // Over most of a second the recorded CoP moves by millimetres.
    QVERIFY2(
        maxX - minX > 0.01 || maxY - minY > 0.01,
        qPrintable(
            QStringLiteral("no sway: x %1..%2, y %3..%4").arg(minX).arg(maxX).arg(minY).arg(maxY)));
    QCOMPARE(lib.stopAcq(), 0);
    QCOMPARE(lib.slExit(), 0);
    QVERIFY(lib.unload());
}

QTEST_GUILESS_MAIN(TestRecording)
#include "tst_recording.moc"
