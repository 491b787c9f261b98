// The position datagram shared by steplink-pad (format) and the simulator
// (parse).

#include "steplink_sim.h"

#include <QTest>

#include <string>

class TestDatagram : public QObject
{
    Q_OBJECT
private slots:
    void parseGood_data();
    void parseGood();
    void parseMalformed_data();
    void parseMalformed();
    void formatRoundTrip_data();
    void formatRoundTrip();
};

void TestDatagram::parseGood_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    QTest::newRow("blank") << QByteArray("24 24") << 24.0 << 24.0;
    QTest::newRow("decimals") << QByteArray("12.5 30.25") << 12.5 << 30.25;
    QTest::newRow("comma") << QByteArray("12.5,30.25") << 12.5 << 30.25;
    QTest::newRow("comma and blanks") << QByteArray("12.5 , 30.25") << 12.5 << 30.25;
    QTest::newRow("tabs and blanks around") << QByteArray(" \t1\t\t2  ") << 1.0 << 2.0;
    QTest::newRow("newline") << QByteArray("3 4\n") << 3.0 << 4.0;
    QTest::newRow("crlf") << QByteArray("3 4\r\n") << 3.0 << 4.0;
    QTest::newRow("negative") << QByteArray("-1.5 -0") << -1.5 << 0.0;
    QTest::newRow("no leading digit") << QByteArray(".5 5.") << 0.5 << 5.0;
    QTest::newRow("at the size limit")
        << QByteArray("1" + QByteArray(STEPLINK_SIM_DATAGRAM_MAX - 2, ' ') + "2") << 1.0 << 2.0;
}

void TestDatagram::parseGood()
{
    QFETCH(QByteArray, text);
    QFETCH(double, x);
    QFETCH(double, y);
    double px = -99, py = -99;
    QVERIFY(steplink::ParseCogDatagram(std::string_view(text.constData(), text.size()), px, py));
    QCOMPARE(px, x);
    QCOMPARE(py, y);
}

void TestDatagram::parseMalformed_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blanks only") << QByteArray("   \n");
    QTest::newRow("one number") << QByteArray("24");
    QTest::newRow("one number and comma") << QByteArray("24,");
    QTest::newRow("three numbers") << QByteArray("1 2 3");
    QTest::newRow("trailing junk") << QByteArray("1 2 x");
    QTest::newRow("words") << QByteArray("hello world");
    QTest::newRow("unseparated") << QByteArray("1.2.3");
    QTest::newRow("minus glued") << QByteArray("12-3");
    QTest::newRow("double comma") << QByteArray("1,,2");
    QTest::newRow("decimal comma") << QByteArray("24,5 10");
    QTest::newRow("nan") << QByteArray("nan 4");
    QTest::newRow("inf") << QByteArray("1 inf");
    QTest::newRow("exponent") << QByteArray("1e1 2");
    QTest::newRow("hex") << QByteArray("0x10 2");
    QTest::newRow("plus sign") << QByteArray("+1 2");
    QTest::newRow("two line ends") << QByteArray("1 2\n\n");
    QTest::newRow("embedded nul") << QByteArray("1 2\0 3", 6);
    QTest::newRow("over the size limit")
        << QByteArray("1" + QByteArray(STEPLINK_SIM_DATAGRAM_MAX - 1, ' ') + "2");
}

void TestDatagram::parseMalformed()
{
    QFETCH(QByteArray, text);
    double x = 7, y = 8;
    QVERIFY(!steplink::ParseCogDatagram(std::string_view(text.constData(), text.size()), x, y));
    QCOMPARE(x, 7.0); // untouched on refusal
    QCOMPARE(y, 8.0);
}

void TestDatagram::formatRoundTrip_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QByteArray>("expected"); // empty: not formattable

    QTest::newRow("centre") << 24.0 << 24.0 << QByteArray("24.000 24.000");
    QTest::newRow("fractions") << 0.1 << 47.9 << QByteArray("0.100 47.900");
    QTest::newRow("negative") << -3.25 << 0.0 << QByteArray("-3.250 0.000");
    QTest::newRow("large") << 1e9 << -1e9 << QByteArray("1000000000.000 -1000000000.000");
    QTest::newRow("too large") << 1e10 << 0.0 << QByteArray();
    QTest::newRow("nan") << qQNaN() << 1.0 << QByteArray();
    QTest::newRow("inf") << 1.0 << qInf() << QByteArray();
}

void TestDatagram::formatRoundTrip()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QByteArray, expected);
    const std::string text = steplink::FormatCogDatagram(x, y);
    QCOMPARE(QByteArray::fromStdString(text), expected);
    if (expected.isEmpty())
        return;
    double px = 0, py = 0;
    QVERIFY(steplink::ParseCogDatagram(text, px, py));
    QVERIFY(qAbs(px - x) < 5e-4);
    QVERIFY(qAbs(py - y) < 5e-4);
}

QTEST_APPLESS_MAIN(TestDatagram)
#include "tst_datagram.moc"
