// Binding the driver library at run time, and the real simulated platform
// driven through the acquisition thread.

#include "AcqCgPodo.h"
#include "FreeUdpPort.h"
#include "MessageCapture.h"
#include "SteplinkDriver.h"
#include "TestInstallation.h"

#include <QFile>
#include <QtTest>

class TestDriverLoader : public QObject
{
    Q_OBJECT

private slots:
    void missingLibraryIsNamed();
    void missingFunctionIsNamed();
    void simulatedPlatformThroughThread();
};

void TestDriverLoader::missingLibraryIsNamed()
{
    TestInstallation inst;
    MessageCapture messages;
    QVERIFY(!LoadSteplinkDriver(inst.path()));
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY2(messages.texts().first().contains(inst.filePath(QStringLiteral("libSteplink.so"))),
             qPrintable(messages.texts().first()));
    QVERIFY(!SteplinkDriver.isBound());
}

void TestDriverLoader::missingFunctionIsNamed()
{
    SteplinkApi api;
    QString error;
    QVERIFY(!BindSteplinkLibrary(QStringLiteral(STEPLINK_PARTIAL_LIBRARY), api, error));
    QVERIFY2(error.contains(QStringLiteral("SLExit")), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral(STEPLINK_PARTIAL_LIBRARY)), qPrintable(error));
    QVERIFY(!api.isBound());
}

void TestDriverLoader::simulatedPlatformThroughThread()
{
    TestInstallation inst;
    QVERIFY(QFile::copy(QStringLiteral(STEPLINK_BUILT_LIBRARY), inst.filePath(QStringLiteral("libSteplink.so"))));
    // A port of its own, so that parallel tests do not meet.
    inst.write(QStringLiteral("Steplink.ini"),
               "[Plate]\nName=PLT2020A\n[Simulator]\nSensorsX=48\nSensorsY=40\nUdpPort=" +
                   QByteArray::number(FreeUdpPort()) + "\n");
    MessageCapture messages;
    QVERIFY(LoadSteplinkDriver(inst.path()));
    QVERIFY(messages.texts().isEmpty());
    QVERIFY(!SteplinkVersion().isEmpty());
    QCOMPARE(SteplinkDriver.SLInit(nullptr, nullptr, "QXDATA", STEPLINK_CLIENT_CODE), 0);

    TAcqCgPodo thread(&SteplinkDriver);
    thread.SetPeriod(20);
    thread.StartAcq();
    // At rest the simulated CoG stands at the plate centre, never at 0.
    QTRY_COMPARE(thread.CgX.load(), 24.0f);
    QCOMPARE(thread.CgY.load(), 20.0f);
    thread.StopAcq();
    SteplinkDriver.SLExit();
}

QTEST_GUILESS_MAIN(TestDriverLoader)
#include "tst_driverloader.moc"
