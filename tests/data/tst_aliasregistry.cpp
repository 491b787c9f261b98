#include "AliasRegistry.h"
#include "DbError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestAliasRegistry : public QObject
{
    Q_OBJECT

private slots:
    void defaultPathFollowsConfigHome();
    void addReadDelete_data();
    void addReadDelete();
    void deleteKeepsOtherAliases();
    void addingATakenNameFails();
    void unknownAliasFails();
    void unwritableRegistryFails();
};

void TestAliasRegistry::defaultPathFollowsConfigHome()
{
    QTemporaryDir home;
    qputenv("VELUNOR_CONFIG_HOME", home.path().toUtf8());
    QCOMPARE(AliasRegistry::DefaultPath(), home.filePath("aliases.ini"));
    qunsetenv("VELUNOR_CONFIG_HOME");
    QVERIFY(AliasRegistry::DefaultPath().endsWith("/Velunor/aliases.ini"));
}

void TestAliasRegistry::addReadDelete_data()
{
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("lookedUp");
    QTest::newRow("same spelling") << "QXDATA"
                                   << "QXDATA";
    QTest::newRow("any case") << "QXDATA"
                              << "qxData";
    QTest::newRow("mixed case stored") << "VornDat"
                                       << "VORNDAT";
}

void TestAliasRegistry::addReadDelete()
{
    QFETCH(QString, added);
    QFETCH(QString, lookedUp);
    QTemporaryDir home;
    AliasRegistry registry(home.filePath("sub/aliases.ini")); // the folder is created on demand
    QVERIFY(!registry.IsAlias(lookedUp));
    registry.AddStandardAlias(added, "/opt/velunor/DATA");
    QVERIFY(registry.IsAlias(lookedUp));
    const auto params = registry.GetAliasParams(lookedUp);
    QCOMPARE(params.value("PATH"), QStringLiteral("/opt/velunor/DATA"));
    QCOMPARE(params.value("DRIVER"), QStringLiteral("PARADOX"));
    // A second registry object reads the same file.
    QCOMPARE(AliasRegistry(registry.path()).AliasNames(), QStringList{added});
    registry.DeleteAlias(lookedUp);
    QVERIFY(!registry.IsAlias(added));
    registry.DeleteAlias(lookedUp); // deleting what is gone is harmless
}

void TestAliasRegistry::deleteKeepsOtherAliases()
{
    QTemporaryDir home;
    AliasRegistry registry(home.filePath("aliases.ini"));
    registry.AddStandardAlias("ONE", "/data/one");
    registry.AddStandardAlias("QXDATA", "/data/two");
    registry.AddStandardAlias("THREE", "/data/three with blanks");
    registry.DeleteAlias("QXDATA");
    registry.AddStandardAlias("QXDATA", "/data/new");
    QCOMPARE(registry.AliasNames(), (QStringList{"ONE", "THREE", "QXDATA"}));
    QCOMPARE(registry.GetAliasParams("THREE").value("PATH"),
             QStringLiteral("/data/three with blanks"));
    QCOMPARE(registry.GetAliasParams("QXDATA").value("PATH"), QStringLiteral("/data/new"));
}

void TestAliasRegistry::addingATakenNameFails()
{
    QTemporaryDir home;
    AliasRegistry registry(home.filePath("aliases.ini"));
    registry.AddStandardAlias("QXDATA", "/data/one");
    QVERIFY_THROWS_EXCEPTION(EDBEngineError, registry.AddStandardAlias("qxdata", "/data/two"));
    QCOMPARE(registry.GetAliasParams("QXDATA").value("PATH"), QStringLiteral("/data/one"));
}

void TestAliasRegistry::unknownAliasFails()
{
    QTemporaryDir home;
    AliasRegistry registry(home.filePath("aliases.ini"));
    QVERIFY_THROWS_EXCEPTION(EDBEngineError, registry.GetAliasParams("QXDATA"));
    registry.AddStandardAlias("OTHER", "/x");
    QVERIFY_THROWS_EXCEPTION(EDBEngineError, registry.GetAliasParams("QXDATA"));
}

void TestAliasRegistry::unwritableRegistryFails()
{
    QTemporaryDir home;
    // A plain file where the registry's folder should be.
    QFile blocker(home.filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    AliasRegistry registry(home.filePath("blocked/aliases.ini"));
    QVERIFY_THROWS_EXCEPTION(EDBEngineError, registry.AddStandardAlias("QXDATA", "/x"));
}

QTEST_GUILESS_MAIN(TestAliasRegistry)
#include "tst_aliasregistry.moc"
