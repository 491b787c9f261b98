#include "AppError.h"
#include "Data.h"
#include "DataFixture.h"
#include "Define.h"
#include "IniFile.h"
#include "MessageCapture.h"
#include "Password.h"
#include "Setup.h"

#include <QProcess>
#include <QtTest>

// The setup of an installation folder, as the setup tool and scripts/run use it.
class TestSetup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UsePrivateAliasRegistry(m_home); }
    void init() { DefineReset(); }

    void layoutIsCreatedOnce();
    void demoInstallationStarts();
    void addUser_data();
    void addUser();
    void tool_data();
    void tool();

private:
    QTemporaryDir m_home;
};

void TestSetup::layoutIsCreatedOnce()
{
    TestInstallation inst;
    const QStringList created = SetupInstallation(inst.path());
    QCOMPARE(created.size(), 3);
    QVERIFY(QFileInfo::exists(inst.filePath("DATA/Velunor.db")));
    const IniFile program(inst.filePath("Config/Balvoro.ini"));
    QCOMPARE(program.readInteger("General", "refresh", -1), 30);
    QVERIFY(program.readInteger("Sensibilite", "DeltaX", 0) > 0);
    QCOMPARE(IniFile(inst.filePath("Steplink.ini")).readString("Plate", "Name"),
             QStringLiteral("PLT2020A"));

    // A second run keeps what is there.
    IniFile(inst.filePath("Config/Balvoro.ini")).writeInteger("General", "refresh", 45);
    QCOMPARE(SetupInstallation(inst.path()), QStringList());
    QCOMPARE(IniFile(inst.filePath("Config/Balvoro.ini")).readInteger("General", "refresh", -1),
             45);
}

void TestSetup::demoInstallationStarts()
{
    TestInstallation inst;
    SetupInstallation(inst.path());
    const DemoReport report = SetupDemoInstallation(inst.path());
    QCOMPARE(report.patients, 8);
    // Patients there: refused, nothing doubled.
    QVERIFY_THROWS_EXCEPTION(AppError, SetupDemoInstallation(inst.path()));

    ExePath = inst.path() + QLatin1Char('/');
    ConfigPath = ExePath + QLatin1String("Config/");
    MessageCapture messages;
    TF_Data data;
    QCOMPARE(messages.texts(), QStringList());
    QVERIFY(!data.EndRequested());
    QCOMPARE(data.tPat->RecordCount(), 8);
    QCOMPARE(data.tPat->FieldByName("NOM")->AsString(), QStringLiteral("BERNARD"));
    QCOMPARE(PlateNbCapX, 48);
    QVERIFY(data.tUser->Locate("NOM", QLatin1String(DemoTherapist.name)));
    QCOMPARE(data.tUserPASS_WD->AsString(), EncodePassword(QLatin1String(DemoTherapist.password)));
}

void TestSetup::addUser_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::newRow("stored in capitals") << "nurse"
                                        << "abc123"
                                        << "NURSE";
    QTest::newRow("empty password") << "GUEST"
                                    << ""
                                    << "GUEST";
    QTest::newRow("blank in password") << "A"
                                       << "ab c"
                                       << "";
    QTest::newRow("accent in password") << "A"
                                        << "abé"
                                        << "";
    QTest::newRow("empty name") << " "
                                << "abc"
                                << "";
}

void TestSetup::addUser()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, stored);
    DataFixture fx;
    bool refused = false;
    try {
        AddUser(fx.inst.path(), name, password);
    } catch (const AppError&) {
        refused = true;
    }
    QCOMPARE(refused, stored.isEmpty());
    QCOMPARE(fx.count("Users"), stored.isEmpty() ? 0 : 1);
    if (!stored.isEmpty())
        QCOMPARE(fx.exec("SELECT PASS_WD FROM Users WHERE NOM = ?", {stored}).toString(),
                 EncodePassword(password));
}

void TestSetup::tool_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("patients");
    QTest::newRow("demo") << QStringList{"demo"} << 0 << 8;
    QTest::newRow("init") << QStringList{"init"} << 0 << 0;
    QTest::newRow("unknown command") << QStringList{"drop"} << 2 << -1;
}

void TestSetup::tool()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(int, patients);
    TestInstallation inst;
    QProcess tool;
    tool.start(QStringLiteral(BALVORO_ADMIN), QStringList{args.first(), inst.path()} + args.mid(1));
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), exitCode);
    if (patients < 0) {
        QVERIFY(!QFileInfo::exists(inst.filePath("DATA")));
        return;
    }
    DataFixture reader(false);
    QDir().mkpath(reader.dataDir());
    QVERIFY(QFile::copy(inst.filePath("DATA/Velunor.db"), reader.databaseFile()));
    QCOMPARE(reader.count("Patient"), patients);
}

QTEST_GUILESS_MAIN(TestSetup)
#include "tst_setup.moc"
