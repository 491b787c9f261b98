// steplink-pad: its settings, and the window driven offscreen while a test
// socket plays the simulator.

#include "PadSettings.h"
#include "PadWindow.h"
#include "PlateView.h"
#include "steplink_sim.h"

#include <QFile>
#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

namespace {
// Everything received so far; the last complete position, if any.
struct Receiver
{
    QUdpSocket socket;
    QList<QPointF> positions;
    int malformed = 0;

    bool bind()
    {
        socket.setProxy(QNetworkProxy::NoProxy);
        return socket.bind(QHostAddress::LocalHost, 0);
    }
    void drain()
    {
        while (socket.hasPendingDatagrams()) {
            const QByteArray d = socket.receiveDatagram().data();
            double x = 0, y = 0;
            if (steplink::ParseCogDatagram(std::string_view(d.constData(), d.size()), x, y))
                positions.append(QPointF(x, y));
            else
                ++malformed;
        }
    }
    bool lastIs(QPointF p)
    {
        drain();
        return !positions.isEmpty() && qAbs(positions.last().x() - p.x()) < 1e-6 &&
               qAbs(positions.last().y() - p.y()) < 1e-6;
    }
};

PadSettings settingsFor(int sx, int sy, quint16 port)
{
    PadSettings s;
    s.sensorsX = sx;
    s.sensorsY = sy;
    s.port = port;
    return s;
}
} // namespace

class TestPad : public QObject
{
    Q_OBJECT
private slots:
    void arguments_data();
    void arguments();
    void drag_data();
    void drag();
    void keys_data();
    void keys();
    void resendsWithoutChange();
};

void TestPad::arguments_data()
{
    QTest::addColumn<QString>("iniName"); // written in the program's folder; empty: none
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("args"); // "%DIR%" stands for a second folder
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("sensorsX");
    QTest::addColumn<int>("sensorsY");
    QTest::addColumn<int>("port");

    const QByteArray ini = "[Simulator]\nSensorsX=40\nSensorsY=30\nUdpPort=5001\n";
    const int run = int(PadArguments::Run), error = int(PadArguments::Error);
    QTest::newRow("no INI: defaults")
        << QString() << QByteArray() << QStringList{} << run << 48 << 48 << 47800;
    QTest::newRow("INI beside the program")
        << "Steplink.ini" << ini << QStringList{} << run << 40 << 30 << 5001;
    QTest::newRow("upper-case INI name")
        << "STEPLINK.INI" << ini << QStringList{} << run << 40 << 30 << 5001;
    QTest::newRow("--port wins") << "Steplink.ini" << ini << QStringList{"--port", "6000"} << run
                                 << 40 << 30 << 6000;
    QTest::newRow("--ini elsewhere")
        << QString() << QByteArray() << QStringList{"--ini", "%DIR%/other.ini"} << run << 12 << 10
        << 5002;
    QTest::newRow("--ini missing")
        << "Steplink.ini" << ini << QStringList{"--ini", "%DIR%/none.ini"} << error << 0 << 0 << 0;
    QTest::newRow("bad port") << QString() << QByteArray() << QStringList{"--port", "70000"}
                              << error << 0 << 0 << 0;
    QTest::newRow("port not a number")
        << QString() << QByteArray() << QStringList{"--port=x"} << error << 0 << 0 << 0;
    QTest::newRow("unknown option")
        << QString() << QByteArray() << QStringList{"--fast"} << error << 0 << 0 << 0;
    QTest::newRow("stray argument")
        << QString() << QByteArray() << QStringList{"pad.ini"} << error << 0 << 0 << 0;
    QTest::newRow("help") << QString() << QByteArray() << QStringList{"--help"}
                          << int(PadArguments::Help) << 0 << 0 << 0;
}

void TestPad::arguments()
{
    QFETCH(QString, iniName);
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, args);
    QFETCH(int, outcome);
    QFETCH(int, sensorsX);
    QFETCH(int, sensorsY);
    QFETCH(int, port);

    QTemporaryDir exeDir, otherDir;
    QVERIFY(exeDir.isValid() && otherDir.isValid());
    if (!iniName.isEmpty()) {
        QFile f(exeDir.filePath(iniName));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(ini) == ini.size());
    }
    {
        QFile f(otherDir.filePath("other.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[simulator]\nsensorsx=12\nsensorsy=10\nudpport=5002\n");
    }
    QStringList arguments{exeDir.filePath("steplink-pad")};
    for (const QString& a : args)
        arguments << QString(a).replace("%DIR%", otherDir.path());

    PadSettings settings = settingsFor(-1, -1, 1);
    QString message;
    const PadArguments result = ParsePadArguments(arguments, exeDir.path(), settings, message);
    QCOMPARE(int(result), outcome);
    if (result == PadArguments::Help)
        QVERIFY(message.contains("--ini") && message.contains("--port"));
    if (result != PadArguments::Run) {
        QVERIFY(!message.isEmpty());
        QCOMPARE(settings.sensorsX, -1); // left alone
        return;
    }
    QCOMPARE(settings.sensorsX, sensorsX);
    QCOMPARE(settings.sensorsY, sensorsY);
    QCOMPARE(int(settings.port), port);
}

void TestPad::drag_data()
{
    QTest::addColumn<int>("sensorsX");
    QTest::addColumn<int>("sensorsY");
    QTest::addColumn<QPointF>("press"); // in sensor units
    QTest::addColumn<QPointF>("release");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("square plate") << 48 << 48 << QPointF(24, 24) << QPointF(12, 36)
                                  << QPointF(12, 36);
    QTest::newRow("rectangular plate")
        << 40 << 20 << QPointF(5, 5) << QPointF(30, 2.5) << QPointF(30, 2.5);
    QTest::newRow("dragged off the plate clamps")
        << 48 << 48 << QPointF(40, 40) << QPointF(60, -10) << QPointF(48, 0);
}

void TestPad::drag()
{
    QFETCH(int, sensorsX);
    QFETCH(int, sensorsY);
    QFETCH(QPointF, press);
    QFETCH(QPointF, release);
    QFETCH(QPointF, expected);

    Receiver receiver;
    QVERIFY(receiver.bind());
    PadWindow window(settingsFor(sensorsX, sensorsY, receiver.socket.localPort()));
    window.resize(480, 520);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PlateView* plate = window.plateView();
    const QPointF centre(sensorsX / 2.0, sensorsY / 2.0);
    QCOMPARE(plate->position(), centre);
    QCOMPARE(window.valueText(), PadWindow::formatValues(centre));
    QTRY_VERIFY(receiver.lastIs(centre));

    const QPoint from = plate->sensorToWidget(press).toPoint();
    const QPoint to = plate->sensorToWidget(release).toPoint();
    QTest::mousePress(plate, Qt::LeftButton, {}, from);
    const QPointF pressed = plate->position();
    QVERIFY(qAbs(pressed.x() - press.x()) <= 0.5 && qAbs(pressed.y() - press.y()) <= 0.5);
    QTest::mouseMove(plate, (from + to) / 2);
    QTest::mouseMove(plate, to);
    QTest::mouseRelease(plate, Qt::LeftButton, {}, to);

    // Within a pixel of the target, and what is shown is what is sent.
    const QPointF p = plate->position();
    const double pixel = double(sensorsX) / plate->plateRect().width();
    QVERIFY2(qAbs(p.x() - expected.x()) <= pixel + 0.05 &&
                 qAbs(p.y() - expected.y()) <= pixel + 0.05,
             qPrintable(window.valueText()));
    QCOMPARE(window.valueText(), PadWindow::formatValues(p));
    QVERIFY(window.valueText() != PadWindow::formatValues(centre));
    QTRY_VERIFY(receiver.lastIs(p));
    QCOMPARE(window.valueText(), PadWindow::formatValues(receiver.positions.last()));
    QCOMPARE(receiver.malformed, 0);

    // Moving without a button held is hovering, not dragging.
    QTest::mouseMove(plate, from);
    QCOMPARE(plate->position(), p);
}

void TestPad::keys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QPointF>("expected");

    using K = QList<int>;
    QTest::newRow("right") << K{Qt::Key_Right} << QPointF(24.5, 24);
    QTest::newRow("up is smaller y") << K{Qt::Key_Up, Qt::Key_Up} << QPointF(24, 23);
    QTest::newRow("left and down")
        << K{Qt::Key_Left, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << QPointF(23.5, 25.5);
    QTest::newRow("home recentres")
        << K{Qt::Key_Right, Qt::Key_Down, Qt::Key_Home} << QPointF(24, 24);
    QTest::newRow("C recentres") << K{Qt::Key_Left, Qt::Key_Up, Qt::Key_C} << QPointF(24, 24);
    QTest::newRow("stops at the edge") << K(100, Qt::Key_Left) << QPointF(0, 24);
    QTest::newRow("other keys do nothing") << K{Qt::Key_A, Qt::Key_Space} << QPointF(24, 24);
}

void TestPad::keys()
{
    QFETCH(QList<int>, keys);
    QFETCH(QPointF, expected);

    Receiver receiver;
    QVERIFY(receiver.bind());
    PadWindow window(settingsFor(48, 48, receiver.socket.localPort()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int k : keys)
        QTest::keyClick(window.plateView(), Qt::Key(k));
    QCOMPARE(window.plateView()->position(), expected);
    QCOMPARE(window.valueText(), PadWindow::formatValues(expected));
    QTRY_VERIFY(receiver.lastIs(expected));
}

void TestPad::resendsWithoutChange()
{
    Receiver receiver;
    QVERIFY(receiver.bind());
    PadWindow window(settingsFor(48, 48, receiver.socket.localPort()));
    window.plateView()->setPosition(QPointF(10.04, 33.36)); // kept to a tenth
    QCOMPARE(window.valueText(), QStringLiteral("X: 10.0  Y: 33.4"));
    QTRY_VERIFY(receiver.lastIs(QPointF(10.0, 33.4)));
    const qsizetype before = receiver.positions.size();
    // For a simulator started later, the position keeps coming.
    QTRY_VERIFY_WITH_TIMEOUT((receiver.drain(), receiver.positions.size() >= before + 2), 5000);
    QVERIFY(receiver.lastIs(QPointF(10.0, 33.4)));
}

QTEST_MAIN(TestPad)
#include "tst_pad.moc"
