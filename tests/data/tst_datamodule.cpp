#include "Data.h"
#include "DataFixture.h"
#include "Define.h"
#include "MessageCapture.h"

#include <QtTest>
#include <memory>

// The data module's opening sequence in a temporary installation.
class TestDataModule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UsePrivateAliasRegistry(m_home); }
    void init();

    void openingLog_data();
    void openingLog();
    void openStateAfterCreation();
    void currentPatientIsFirstByName_data();
    void currentPatientIsFirstByName();
    void recreationReplacesAliasElsewhere();
    void aliasUsedUnchangedWithoutRecreation();
    void missingAliasEndsStart();
    void missingDatabaseEndsStart();
    void plateLookup_data();
    void plateLookup();
    void destroyClosesConnection();
    void moduleStartLogLine();

private:
    void prepare(const DataFixture& fx, bool createAlias);
    QStringList logLines(const DataFixture& fx) const;

    QTemporaryDir m_home;
};

void TestDataModule::init()
{
    DefineReset();
    AliasRegistry registry;
    for (const QString& alias : registry.AliasNames())
        registry.DeleteAlias(alias);
}

// What module start leaves behind, without the language and INI work.
void TestDataModule::prepare(const DataFixture& fx, bool createAlias)
{
    ExePath = fx.inst.path() + QLatin1Char('/');
    ConfigPath = ExePath + QLatin1String("Config/");
    CurrentGameType = -1;
    CreateAlias = createAlias;
    AliasName = QStringLiteral("QXDATA");
    fx.inst.write("Steplink.ini", "[Plate]\r\nName=PLT2020A\r\n");
    LogStart();
}

QStringList TestDataModule::logLines(const DataFixture& fx) const
{
    QStringList lines = QString::fromUtf8(fx.inst.read("_mirado.log")).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TestDataModule::openingLog_data()
{
    QTest::addColumn<bool>("createAlias");
    QTest::newRow("alias recreated") << true;
    QTest::newRow("alias kept") << false;
}

void TestDataModule::openingLog()
{
    QFETCH(bool, createAlias);
    DataFixture fx;
    prepare(fx, createAlias);
    if (!createAlias)
        AliasRegistry().AddStandardAlias("QXDATA", fx.dataDir());
    MessageCapture messages;
    TF_Data data;
    QCOMPARE(messages.texts(), QStringList());
    QVERIFY(!data.EndRequested());
    QCOMPARE(logLines(fx), (QStringList{"Mirado ", "db init start", "alias creation", "open tables",
                                        "db Init end"}));
}

void TestDataModule::openStateAfterCreation()
{
    DataFixture fx;
    const int patient = fx.addPatient("Anna");
    fx.addLevel(0, "pong");
    fx.addLevel(1, "clock");
    prepare(fx, true);
    TF_Data data;
    QVERIFY(data.tPat->Active());
    QVERIFY(data.tParam->Active());
    QVERIFY(data.tUser->Active());
    QVERIFY(!data.tJeu->Active());
    QVERIFY(!data.tPlates->Active());
    QVERIFY(!data.Query->Active());
    QVERIFY(data.DB->Connected());
    // Before a game is chosen the level table shows ping-pong only.
    QCOMPARE(data.tParam->Filter(), QStringLiteral("TYPE=0"));
    QCOMPARE(data.tParam->RecordCount(), 1);
    QCOMPARE(data.tParamNIVEAU->AsString(), QStringLiteral("pong"));
    QCOMPARE(data.tJeu->Filter(), QStringLiteral("FK_PAT=%1").arg(patient));
    QVERIFY(data.tJeu->Filtered());
    // Windows find the components by name.
    QCOMPARE(data.findChild<TTable*>("tParam"), data.tParam);
    QCOMPARE(data.findChild<TDataSource*>("sPat")->DataSet(), data.tPat);
    QCOMPARE(data.sJeu->DataSet(), data.tJeu);
}

void TestDataModule::currentPatientIsFirstByName_data()
{
    QTest::addColumn<QStringList>("patients");
    QTest::addColumn<int>("expectedKey");
    QTest::newRow("no patient") << QStringList{} << 0;
    QTest::newRow("one patient") << QStringList{"Martin"} << 1;
    QTest::newRow("first by name, not by key") << QStringList{"Zola", "Martin", "adam"} << 3;
}

void TestDataModule::currentPatientIsFirstByName()
{
    QFETCH(QStringList, patients);
    QFETCH(int, expectedKey);
    DataFixture fx;
    for (const QString& name : patients)
        fx.addPatient(name);
    prepare(fx, true);
    CurrentPatient = 77;
    TF_Data data;
    QCOMPARE(CurrentPatient, expectedKey);
    QCOMPARE(data.tJeu->Filter(), QStringLiteral("FK_PAT=%1").arg(expectedKey));
}

void TestDataModule::recreationReplacesAliasElsewhere()
{
    DataFixture fx;
    fx.addPatient("Here");
    DataFixture elsewhere;
    elsewhere.addPatient("Elsewhere");
    AliasRegistry().AddStandardAlias("qxdata", elsewhere.dataDir());
    prepare(fx, true);
    TF_Data data;
    QCOMPARE(AliasRegistry().GetAliasParams("QXDATA").value("PATH"), ExePath + "DATA");
    QCOMPARE(data.tPat->FieldByName("NOM")->AsString(), QStringLiteral("Here"));
}

void TestDataModule::aliasUsedUnchangedWithoutRecreation()
{
    DataFixture fx;
    fx.addPatient("Here");
    DataFixture elsewhere;
    elsewhere.addPatient("Nobody");
    elsewhere.addPatient("Elsewhere");
    AliasRegistry().AddStandardAlias("QXDATA", elsewhere.dataDir());
    prepare(fx, false);
    TF_Data data;
    QVERIFY(!data.EndRequested());
    QCOMPARE(AliasRegistry().GetAliasParams("QXDATA").value("PATH"), elsewhere.dataDir());
    QCOMPARE(data.tPat->FieldByName("NOM")->AsString(), QStringLiteral("Elsewhere"));
    QCOMPARE(CurrentPatient, 2);
}

void TestDataModule::missingAliasEndsStart()
{
    DataFixture fx;
    prepare(fx, false);
    AliasRegistry().AddStandardAlias("OTHER", fx.dataDir());
    MessageCapture messages;
    TF_Data data;
    QCOMPARE(messages.texts(), QStringList{"BDE information : alias not found !"});
    QVERIFY(data.EndRequested());
    QVERIFY(!data.DB->Connected());
    QVERIFY(!data.tPat->Active());
    QCOMPARE(logLines(fx), (QStringList{"Mirado ", "db init start", "alias creation"}));
}

void TestDataModule::missingDatabaseEndsStart()
{
    DataFixture fx(false); // no DATA folder
    prepare(fx, true);
    MessageCapture messages;
    TF_Data data;
    QVERIFY(data.EndRequested());
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY2(messages.texts().first().contains(DatabaseFileName),
             qPrintable(messages.texts().first()));
    QVERIFY(!data.tPat->Active());
    QVERIFY(!logLines(fx).contains("open tables"));
    QVERIFY(!logLines(fx).contains("db Init end"));
}

void TestDataModule::plateLookup_data()
{
    QTest::addColumn<QString>("iniName");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("plateName");
    QTest::addColumn<int>("nbCapX");
    QTest::newRow("model as stored")
        << "Steplink.ini" << QByteArray("[Plate]\nName=PLT2020A\n") << "PLT2020A" << 48;
    QTest::newRow("nelvi is the PLT2020A")
        << "Steplink.ini" << QByteArray("[Plate]\nName=nelvi\n") << "PLT2020A" << 48;
    QTest::newRow("NeLvI, any case")
        << "Steplink.ini" << QByteArray("[plate]\nNAME=NeLvI\n") << "PLT2020A" << 48;
    QTest::newRow("model in other case")
        << "Steplink.ini" << QByteArray("[Plate]\nName=plt3000\n") << "PLT3000" << 64;
    QTest::newRow("file name in other case")
        << "STEPLINK.INI" << QByteArray("[Plate]\nName=plt3000\n") << "PLT3000" << 64;
    QTest::newRow("no Name key") << "Steplink.ini" << QByteArray("[Plate]\n") << " " << 0;
    QTest::newRow("unknown model")
        << "Steplink.ini" << QByteArray("[Plate]\nName=XYZ\n") << "XYZ" << 0;
    QTest::newRow("no device INI") << "" << QByteArray() << "" << 0;
}

void TestDataModule::plateLookup()
{
    QFETCH(QString, iniName);
    QFETCH(QByteArray, ini);
    QFETCH(QString, plateName);
    QFETCH(int, nbCapX);
    DataFixture fx;
    fx.addPlate("PLT2020A", 48);
    fx.addPlate("Plt3000", 64);
    fx.exec("INSERT INTO Plates (Name, NbCapX) VALUES (NULL, 99)");
    fx.addPlate("PLT2020A", 12); // only the first equal row counts
    prepare(fx, true);
    QFile::remove(fx.inst.filePath("Steplink.ini"));
    if (!iniName.isEmpty())
        fx.inst.write(iniName, ini);
    MessageCapture messages;
    TF_Data data;
    QCOMPARE(data.PlateName, plateName);
    QCOMPARE(PlateNbCapX, nbCapX);
    QVERIFY(!data.tPlates->Active());
    QCOMPARE(messages.texts(),
             iniName.isEmpty()
                 ? QStringList{"Problems with the configuration : File missing - Steplink.ini"}
                 : QStringList{});
    QVERIFY(logLines(fx).endsWith("db Init end"));
}

void TestDataModule::destroyClosesConnection()
{
    DataFixture fx;
    prepare(fx, true);
    F_Data = new TF_Data;
    F_Data->F_DataDestroy();
    QVERIFY(!F_Data->tPat->Active());
    QVERIFY(!F_Data->DB->Connected());
    delete F_Data;
    QCOMPARE(F_Data, nullptr);
}

void TestDataModule::moduleStartLogLine()
{
    DataFixture fx(false);
    prepare(fx, true);
    DataModuleStart();
    QCOMPARE(logLines(fx), (QStringList{"Mirado ", "    initialization - data"}));
}

QTEST_GUILESS_MAIN(TestDataModule)
#include "tst_datamodule.moc"
