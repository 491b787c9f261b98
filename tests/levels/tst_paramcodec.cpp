// The PARAM conventions every game's codec shares.

#include "ParamCodec.h"

#include <QtTest>

class TestParamCodec : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void toInteger_data();
    void toInteger();
    void writerForms();
    void readerKeepsFirstFailure();
};

void TestParamCodec::split_data()
{
    QTest::addColumn<QString>("param");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("three") << "a;b;c" << QStringList{"a", "b", "c"};
    QTest::newRow("empty string is one empty field") << "" << QStringList{""};
    QTest::newRow("empty middle field kept") << "1;;3" << QStringList{"1", "", "3"};
    QTest::newRow("trailing separator gives an empty last field")
        << "1;2;" << QStringList{"1", "2", ""};
    QTest::newRow("leading separator gives an empty first field") << ";2" << QStringList{"", "2"};
}

void TestParamCodec::split()
{
    QFETCH(QString, param);
    QFETCH(QStringList, fields);
    QCOMPARE(ParamCodec::Split(param), fields);
    QCOMPARE(ParamCodec::Join(fields), param);
}

void TestParamCodec::toInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "60" << true << 60;
    QTest::newRow("leading zero kept as the number") << "05" << true << 5;
    QTest::newRow("flag yes") << "-1" << true << -1;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("system colour") << "-16777201" << true << -16777201;
    QTest::newRow("beyond 32 bits") << "2147483648" << false << 0;
    QTest::newRow("below 32 bits") << "-2147483649" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("leading blank") << " 5" << false << 0;
    QTest::newRow("trailing blank") << "5 " << false << 0;
    QTest::newRow("decimal point") << "1.5" << false << 0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0661") << false << 0;
}

void TestParamCodec::toInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    int result = 12345;
    QCOMPARE(ParamCodec::ToInteger(text, result), ok);
    if (ok)
        QCOMPARE(result, value);
    else
        QCOMPARE(result, 12345); // a refused text leaves the value alone
}

void TestParamCodec::writerForms()
{
    const QString param = ParamCodec::Writer()
                              .text(QStringLiteral("07"))
                              .integer(-3)
                              .flag(true)
                              .flag(false)
                              .color(TColor(255))
                              .color(TColor(0xFF00000Fu))
                              .result();
    QCOMPARE(param, QStringLiteral("07;-3;-1;0;255;-16777201"));

    ParamCodec::Reader reader(param, 6);
    QVERIFY(reader.ok());
    QCOMPARE(reader.text(1), QStringLiteral("07"));
    QCOMPARE(reader.integer(1), 7);
    QCOMPARE(reader.flag(3), true);
    QCOMPARE(reader.flag(4), false);
    QCOMPARE(reader.color(5), TColor(255));
    QCOMPARE(reader.color(6), TColor(0xFF00000Fu));
    QVERIFY(reader.ok());
}

void TestParamCodec::readerKeepsFirstFailure()
{
    ParamCodec::Reader reader(QStringLiteral("1;x;y"), 3);
    QCOMPARE(reader.integer(1), 1);
    QCOMPARE(reader.integer(2), 0);
    reader.integer(3);
    QVERIFY(!reader.ok());
    QVERIFY2(reader.error().contains(QStringLiteral("field 2")), qPrintable(reader.error()));
    QVERIFY(!reader.error().contains(QStringLiteral("field 3")));

    ParamCodec::Reader shortRow(QStringLiteral("1;2"), 3);
    QVERIFY(!shortRow.ok());
    QVERIFY2(shortRow.error().contains(QStringLiteral("2 fields instead of 3")),
             qPrintable(shortRow.error()));
}

QTEST_GUILESS_MAIN(TestParamCodec)
#include "tst_paramcodec.moc"
