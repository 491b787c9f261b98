#include "Define.h"
#include "Language.h"
#include "MessageCapture.h"
#include "TestInstallation.h"

#include <QCoreApplication>
#include <QtTest>

class TestDefine : public QObject
{
    Q_OBJECT

private slots:
    void init() { DefineReset(); }

    void colorToName_data();
    void colorToName();

    void dateTimeSettings_data();
    void dateTimeSettings();
    void dateRoundTrip();

    void readProgramIni_data();
    void readProgramIni();
    void missingProgramIniNamesFullPath();

    void logOfModuleStart();
    void logDeletedWhileRunning();

    void languageSwitch_data();
    void languageSwitch();
};

void TestDefine::colorToName_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<QString>("word");
    QTest::newRow("maroon") << 128u << "Marron";
    QTest::newRow("red") << 255u << "Rouge";
    QTest::newRow("green") << 32768u << "Vert";
    QTest::newRow("yellow") << 65535u << "Jaune";
    QTest::newRow("fuchsia") << 16711935u << "Rose";
    QTest::newRow("black is blue") << 0u << "Bleu";
    QTest::newRow("blue") << 16711680u << "Bleu";
    QTest::newRow("lime is no green") << 65280u << "Bleu";
}

void TestDefine::colorToName()
{
    QFETCH(quint32, color);
    QFETCH(QString, word);
    QCOMPARE(ColorToName(color), word);
}

void TestDefine::dateTimeSettings_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    // 3 July 2026, 09:05:07 in the afternoon-free 24-hour form
    QTest::newRow("en_US") << "en_US" << "07/03/2026" << "09:05:07";
    QTest::newRow("de_DE") << "de_DE" << "07.03.2026" << "09:05:07";
    QTest::newRow("nl_NL") << "nl_NL" << "07-03-2026" << "09:05:07";
    QTest::newRow("fi_FI") << "fi_FI" << "07.03.2026" << "09.05.07";
}

void TestDefine::dateTimeSettings()
{
    QFETCH(QString, locale);
    QFETCH(QString, date);
    QFETCH(QString, time);
    const TDateTimeSettings settings = DateTimeSettingsForLocale(QLocale(locale));
    QCOMPARE(settings.formatDate(QDate(2026, 7, 3)), date);
    QCOMPARE(settings.formatTime(QTime(9, 5, 7)), time);
    QCOMPARE(settings.formatTime(QTime(21, 0, 0)).left(2), QStringLiteral("21"));
    QCOMPARE(settings.ShortDateFormat, QStringLiteral("mm/dd/yyyy"));
    QCOMPARE(settings.LongTimeFormat, QStringLiteral("hh:mm:ss"));
}

void TestDefine::dateRoundTrip()
{
    const TDateTimeSettings settings = DateTimeSettingsForLocale(QLocale(QStringLiteral("de_DE")));
    QCOMPARE(settings.parseDate(QStringLiteral("12.31.2025")), QDate(2025, 12, 31));
    QCOMPARE(settings.parseTime(QStringLiteral("23:59:58")), QTime(23, 59, 58));
    QVERIFY(!settings.parseDate(QStringLiteral("12/31/2025")).isValid());
    QVERIFY(!settings.parseTime(QStringLiteral("x:1:2")).isValid());
}

void TestDefine::readProgramIni_data()
{
    QTest::addColumn<QByteArray>("programIni"); // empty: no file
    QTest::addColumn<QByteArray>("ostravIni");
    QTest::addColumn<QByteArray>("harvoIni");
    QTest::addColumn<int>("deltaX");
    QTest::addColumn<int>("refreshValue");
    QTest::addColumn<int>("pacManCoefX");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<bool>("mirado");
    QTest::addColumn<bool>("createAlias");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("messages");

    const QByteArray full = "[General]\r\nBackGround_Color=255\r\nrefresh=25\r\n"
                            "[Sensibilite]\r\nDeltaX=40\r\nDeltaY=30\r\nPacManCoefX=12\r\n";
    QTest::newRow("no program ini: all 0, not the defaults")
        << QByteArray() << QByteArray() << QByteArray() << 0 << 0 << 0 << "QXDATA" << false
        << true << 9 << 1;
    QTest::newRow("program ini without refresh gives 30")
        << QByteArray("[Sensibilite]\nDeltaX=40\n") << QByteArray() << QByteArray() << 40 << 30
        << 10 << "QXDATA" << false << true << 9 << 0;
    QTest::newRow("names compared without case")
        << QByteArray("[SENSIBILITE]\ndeltax = 41\n[general]\nREFRESH=17\n") << QByteArray()
        << QByteArray() << 41 << 17 << 10 << "QXDATA" << false << true << 9 << 0;
    QTest::newRow("non-integer gives the default")
        << QByteArray("[Sensibilite]\nDeltaX=4x\nPacManCoefX=\n[General]\nrefresh=abc\n")
        << QByteArray() << QByteArray() << 0 << 30 << 10 << "QXDATA" << false << true << 9 << 0;
    QTest::newRow("both siblings: ostrav wins")
        << full << QByteArray("[Main]\nLanguage=12\n") << QByteArray("[Main]\nLanguage=7\n") << 40
        << 25 << 12 << "QXDATA" << false << true << 12 << 0;
    QTest::newRow("harvo only: Mirado branding")
        << full << QByteArray() << QByteArray("[Main]\nLanguage=12\n") << 40 << 25 << 12
        << "VORNDAT" << true << true << 12 << 0;
    QTest::newRow("CreateAlias 0 turns recreation off")
        << full << QByteArray("[Main]\nCreateAlias=0\n") << QByteArray() << 40 << 25 << 12
        << "QXDATA" << false << false << 9 << 0;
    QTest::newRow("CreateAlias 5 means true")
        << full << QByteArray("[Main]\nCreateAlias=5\n") << QByteArray() << 40 << 25 << 12
        << "QXDATA" << false << true << 9 << 0;
}

void TestDefine::readProgramIni()
{
    QFETCH(QByteArray, programIni);
    QFETCH(QByteArray, ostravIni);
    QFETCH(QByteArray, harvoIni);
    TestInstallation inst;
    inst.copyTranslations(QStringLiteral(VELUNOR_CONFIG_DIR));
    if (!programIni.isEmpty())
        inst.write(QStringLiteral("Config/Balvoro.ini"), programIni);
    if (!ostravIni.isEmpty())
        inst.write(QStringLiteral("ostrav.ini"), ostravIni);
    if (!harvoIni.isEmpty())
        inst.write(QStringLiteral("harvo.ini"), harvoIni);

    MessageCapture messages;
    DefineModuleStart(inst.path());

    QTEST(DeltaX, "deltaX");
    QTEST(refresh, "refreshValue");
    QTEST(PacManCoefX, "pacManCoefX");
    QTEST(AliasName, "alias");
    QTEST(MiradoBranding, "mirado");
    QTEST(CreateAlias, "createAlias");
    QTEST(Language, "language");
    QTEST(int(messages.texts().size()), "messages");
    QCOMPARE(CurrentGameType, -1);
}

void TestDefine::missingProgramIniNamesFullPath()
{
    TestInstallation inst;
    inst.copyTranslations(QStringLiteral(VELUNOR_CONFIG_DIR));
    MessageCapture messages;
    DefineModuleStart(inst.path());
    QCOMPARE(messages.texts().size(), 1);
    QCOMPARE(messages.texts().first(),
             QStringLiteral("Problems with the configuration : File missing - ") +
                 QDir(inst.path()).filePath(QStringLiteral("Config/Balvoro.ini")));
    QCOMPARE(ConfigPath, QDir(inst.path()).filePath(QStringLiteral("Config")) + QLatin1Char('/'));
    QVERIFY(ExePath.endsWith(QLatin1Char('/')));
}

void TestDefine::logOfModuleStart()
{
    TestInstallation inst;
    inst.copyTranslations(QStringLiteral(VELUNOR_CONFIG_DIR));
    inst.write(QStringLiteral("Config/Balvoro.ini"), "[General]\nrefresh=30\n");
    // A log left by the previous run is emptied.
    inst.write(QStringLiteral("_mirado.log"), "old line\r\n");
    MessageCapture messages;
    DefineModuleStart(inst.path());
    WriteLog(QStringLiteral("    initialization - data"));
    QCOMPARE(inst.read(QStringLiteral("_mirado.log")),
             QByteArray("Mirado \r\nlang 9\r\n    initialization - data\r\n"));
}

void TestDefine::logDeletedWhileRunning()
{
    TestInstallation inst;
    MessageCapture messages;
    DefineModuleStart(inst.path());
    QVERIFY(QFile::remove(inst.filePath(QStringLiteral("_mirado.log"))));
    WriteLog(QStringLiteral("main create"));
    QVERIFY(!QFileInfo::exists(inst.filePath(QStringLiteral("_mirado.log"))));
}

void TestDefine::languageSwitch_data()
{
    QTest::addColumn<bool>("modules");
    QTest::addColumn<int>("siblingLanguage");
    QTest::addColumn<QString>("translated");
    QTest::addColumn<bool>("failMessage");
    QTest::newRow("French") << true << 12 << "Problèmes de configuration : " << false;
    QTest::newRow("English") << true << 9 << "Problems with the configuration : " << false;
    QTest::newRow("no module for Japanese: English")
        << true << 17 << "Problems with the configuration : " << false;
    QTest::newRow("no module at all") << false << 12 << "Problems with the configuration : "
                                      << true;
}

void TestDefine::languageSwitch()
{
    QFETCH(bool, modules);
    QFETCH(int, siblingLanguage);
    QFETCH(QString, translated);
    QFETCH(bool, failMessage);
    // Start from the built-in texts.
    SetLanguageResource(QStringLiteral(VELUNOR_CONFIG_DIR), 9);
    TestInstallation inst;
    if (modules)
        inst.copyTranslations(QStringLiteral(VELUNOR_CONFIG_DIR));
    inst.write(QStringLiteral("Config/Balvoro.ini"), "[General]\n");
    inst.write(QStringLiteral("ostrav.ini"), "[Main]\nLanguage=" + QByteArray::number(siblingLanguage));
    MessageCapture messages;
    DefineModuleStart(inst.path());
    QCOMPARE(QCoreApplication::translate("Msg", "Problems with the configuration : "), translated);
    QCOMPARE(messages.texts().contains(QStringLiteral("Set language resource fail !")), failMessage);
    QVERIFY(inst.read(QStringLiteral("_mirado.log")).contains("lang " + QByteArray::number(siblingLanguage)));
}

QTEST_GUILESS_MAIN(TestDefine)
#include "tst_define.moc"
