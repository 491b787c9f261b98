#include "FileNames.h"
#include "IniFile.h"
#include "TestInstallation.h"

#include <QtTest>

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void readInteger_data();
    void readInteger();
    void readStringStripsQuotesAndBlanks();
    void writeKeepsTheRest_data();
    void writeKeepsTheRest();
    void writeKeepsLatin1();
    void resolveFileName_data();
    void resolveFileName();
};

void TestIniFile::readInteger_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << QByteArray("[Sec]\nKey=42\n") << 42;
    QTest::newRow("negative") << QByteArray("[Sec]\nKey=-5\n") << -5;
    QTest::newRow("case of section and key") << QByteArray("[sEC]\nkEY=7\n") << 7;
    QTest::newRow("blanks around") << QByteArray("[ Sec ]\n  Key  =  8  \n") << 8;
    QTest::newRow("CR LF line ends") << QByteArray("[Sec]\r\nKey=9\r\n") << 9;
    QTest::newRow("missing key") << QByteArray("[Sec]\nOther=1\n") << -1;
    QTest::newRow("key in another section") << QByteArray("[A]\nKey=3\n[Sec]\n") << -1;
    QTest::newRow("not an integer") << QByteArray("[Sec]\nKey=12abc\n") << -1;
    QTest::newRow("empty value") << QByteArray("[Sec]\nKey=\n") << -1;
    QTest::newRow("real number") << QByteArray("[Sec]\nKey=1.5\n") << -1;
    QTest::newRow("comment line") << QByteArray("[Sec]\n;Key=4\n") << -1;
    QTest::newRow("first of two") << QByteArray("[Sec]\nKey=1\nKey=2\n") << 1;
    QTest::newRow("no file") << QByteArray() << -1;
}

void TestIniFile::readInteger()
{
    QFETCH(QByteArray, content);
    QFETCH(int, expected);
    TestInstallation inst;
    if (!content.isEmpty())
        inst.write(QStringLiteral("a.ini"), content);
    const IniFile ini(inst.filePath(QStringLiteral("a.ini")));
    QCOMPARE(ini.readInteger(QStringLiteral("Sec"), QStringLiteral("Key"), -1), expected);
}

void TestIniFile::readStringStripsQuotesAndBlanks()
{
    TestInstallation inst;
    inst.write(QStringLiteral("a.ini"), "[Plate]\nName = \"nelvi \"\nEmpty=\n");
    const IniFile ini(inst.filePath(QStringLiteral("a.ini")));
    QCOMPARE(ini.readString(QStringLiteral("plate"), QStringLiteral("NAME")), QStringLiteral("nelvi "));
    QCOMPARE(ini.readString(QStringLiteral("plate"), QStringLiteral("Empty"), QStringLiteral("d")),
             QString());
    QCOMPARE(ini.readString(QStringLiteral("plate"), QStringLiteral("None"), QStringLiteral(" ")),
             QStringLiteral(" "));
    QVERIFY(ini.valueExists(QStringLiteral("PLATE"), QStringLiteral("empty")));
    QVERIFY(!ini.sectionExists(QStringLiteral("Main")));
}

void TestIniFile::writeKeepsTheRest_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("replace in place, other lines kept")
        << QByteArray("; clinic settings\r\n[General]\r\nrefresh=30\r\nbackground_color=0\r\n"
                      "[Sensibilite]\r\nDeltaX=4\r\n")
        << QByteArray("; clinic settings\r\n[General]\r\nrefresh=30\r\nbackground_color=255\r\n"
                      "[Sensibilite]\r\nDeltaX=4\r\n");
    QTest::newRow("new key at the end of its section")
        << QByteArray("[General]\nrefresh=30\n\n[Sensibilite]\nDeltaX=4\n")
        << QByteArray("[General]\r\nrefresh=30\r\nBackGround_Color=255\r\n\r\n[Sensibilite]\r\n"
                      "DeltaX=4\r\n");
    QTest::newRow("new section")
        << QByteArray("[Sensibilite]\nDeltaX=4\n")
        << QByteArray("[Sensibilite]\r\nDeltaX=4\r\n\r\n[General]\r\nBackGround_Color=255\r\n");
    QTest::newRow("no file") << QByteArray() << QByteArray("[General]\r\nBackGround_Color=255\r\n");
}

void TestIniFile::writeKeepsTheRest()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TestInstallation inst;
    if (!before.isEmpty())
        inst.write(QStringLiteral("b.ini"), before);
    IniFile ini(inst.filePath(QStringLiteral("b.ini")));
    QVERIFY(ini.writeInteger(QStringLiteral("General"), QStringLiteral("BackGround_Color"), 255));
    QCOMPARE(inst.read(QStringLiteral("b.ini")), after);
}

void TestIniFile::writeKeepsLatin1()
{
    TestInstallation inst;
    inst.write(QStringLiteral("c.ini"), "[Patient]\nVille=Orl\xe9""ans\n");
    IniFile ini(inst.filePath(QStringLiteral("c.ini")));
    QCOMPARE(ini.readString(QStringLiteral("Patient"), QStringLiteral("Ville")),
             QStringLiteral("Orléans"));
    QVERIFY(ini.writeInteger(QStringLiteral("Patient"), QStringLiteral("Age"), 3));
    QCOMPARE(inst.read(QStringLiteral("c.ini")), QByteArray("[Patient]\r\nVille=Orl\xe9""ans\r\nAge=3\r\n"));
}

void TestIniFile::resolveFileName_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("found");
    QTest::newRow("exact") << "Steplink.ini" << "Steplink.ini";
    QTest::newRow("upper case") << "STEPLINK.INI" << "Steplink.ini";
    QTest::newRow("backslash folder") << "config\\Balvoro.INI" << "Config/Balvoro.ini";
    QTest::newRow("missing keeps spelling") << "config\\none.wav" << "Config/none.wav";
    QTest::newRow("missing folder") << "Sounds\\a.wav" << "Sounds/a.wav";
}

void TestIniFile::resolveFileName()
{
    QFETCH(QString, asked);
    QFETCH(QString, found);
    TestInstallation inst;
    inst.write(QStringLiteral("Steplink.ini"), "x");
    inst.write(QStringLiteral("Config/Balvoro.ini"), "x");
    QCOMPARE(ResolveFileName(inst.path(), asked), inst.filePath(found));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
