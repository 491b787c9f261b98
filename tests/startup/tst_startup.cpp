// Instance locks, the sibling product check and the splash window.

#include "Application.h"
#include "Define.h"
#include "InstanceLock.h"
#include "MessageCapture.h"
#include "SiblingWindows.h"
#include "TF_About.h"
#include "TestInstallation.h"

#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <xcb/xcb.h>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void secondLockRefusedAndActivates();
    void lockOfDeadHolderIsStale();

    void siblingClassAndTitle_data();
    void siblingClassAndTitle();
    void siblingWindowOnXServer_data();
    void siblingWindowOnXServer();
    void noXServerFindsNothing();

    void splashBranding_data();
    void splashBranding();

private:
    QTemporaryDir m_runtime;
    QProcess m_xvfb;
    QByteArray m_display;
};

void TestStartup::initTestCase()
{
    qputenv("VELUNOR_RUNTIME_DIR", m_runtime.path().toUtf8());
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return;
    // -displayfd picks a free display and tells it on the given descriptor
    // (1: standard output).
    m_xvfb.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("640x480x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
    if (m_xvfb.waitForReadyRead(10000))
        m_display = ":" + m_xvfb.readAllStandardOutput().trimmed();
}

void TestStartup::cleanupTestCase()
{
    m_xvfb.terminate();
    m_xvfb.waitForFinished(3000);
}

void TestStartup::secondLockRefusedAndActivates()
{
    InstanceLock running(QStringLiteral("Velunor"));
    QVERIFY(running.acquire());
    int raised = 0;
    running.onActivationRequest([&raised] { ++raised; });

    InstanceLock second(QStringLiteral("Velunor"));
    QVERIFY(!second.acquire());
    // Another name is another mutex.
    InstanceLock other(QStringLiteral("Mirado"));
    QVERIFY(other.acquire());

    // The second start asks from another process, as it really does; here
    // through a thread, so the running instance's event loop can answer.
    bool answered = false;
    QThread* asker = QThread::create(
        [&answered] { answered = InstanceLock::requestActivation(QStringLiteral("Velunor"), 3000); });
    asker->start();
    QTRY_COMPARE(raised, 1);
    QVERIFY(asker->wait(5000));
    delete asker;
    QVERIFY(answered);
}

void TestStartup::lockOfDeadHolderIsStale()
{
    // A holder that died without unlocking: a lock file naming a process
    // that no longer exists.
    QProcess dead;
    dead.start(QStringLiteral("true"));
    QVERIFY(dead.waitForFinished());
    const qint64 deadPid = dead.processId() ? dead.processId() : 999999;
    QFile file(QDir(InstanceLock::runtimeFolder()).filePath(QStringLiteral("Crashed.lock")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(deadPid) + "\nbalvoro\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    file.close();
    InstanceLock lock(QStringLiteral("Crashed"));
    QVERIFY(lock.acquire());
}

void TestStartup::siblingClassAndTitle_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("sibling");
    QTest::newRow("Ostrav") << "TApplication" << "Ostrav" << true;
    QTest::newRow("harvo") << "TApplication" << "harvo" << true;
    QTest::newRow("nelvi") << "TApplication" << "nelvi" << true;
    QTest::newRow("Pellamo") << "TApplication" << "Pellamo" << true;
    QTest::newRow("title without regard to case") << "TApplication" << "OSTRAV" << true;
    QTest::newRow("another class") << "Xterm" << "Ostrav" << false;
    QTest::newRow("another title") << "TApplication" << "Velunor" << false;
    QTest::newRow("title that only begins alike") << "TApplication" << "Ostrava" << false;
}

void TestStartup::siblingClassAndTitle()
{
    QFETCH(QString, className);
    QFETCH(QString, title);
    QTEST(SiblingProductRunning({{className, title}}), "sibling");
}

namespace {
// A window of a given class and title, as another program would show it.
xcb_window_t showWindow(xcb_connection_t* c, const QByteArray& cls, const QByteArray& title)
{
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 100, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    const QByteArray wmClass = "instance" + QByteArray(1, '\0') + cls + QByteArray(1, '\0');
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        uint32_t(wmClass.size()), wmClass.constData());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        uint32_t(title.size()), title.constData());
    xcb_map_window(c, window);
    xcb_flush(c);
    return window;
}
} // namespace

void TestStartup::siblingWindowOnXServer_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<bool>("sibling");
    QTest::newRow("application window titled Ostrav") << QByteArray("TApplication") << true;
    QTest::newRow("other class titled Ostrav") << QByteArray("Notepad") << false;
}

void TestStartup::siblingWindowOnXServer()
{
    if (m_display.isEmpty())
        QSKIP("Xvfb is not installed");
    QFETCH(QByteArray, className);
    const QByteArray previous = qgetenv("DISPLAY");
    qputenv("DISPLAY", m_display);
    xcb_connection_t* c = xcb_connect(m_display.constData(), nullptr);
    QVERIFY(!xcb_connection_has_error(c));
    const xcb_window_t window = showWindow(c, className, "Ostrav");
    QTEST(SiblingProductRunning(), "sibling");
    xcb_destroy_window(c, window);
    xcb_disconnect(c);
    QVERIFY(!SiblingProductRunning());
    qputenv("DISPLAY", previous);
}

void TestStartup::noXServerFindsNothing()
{
    const QByteArray previous = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":4999");
    QVERIFY(EnumerateTopLevelWindows().isEmpty());
    qunsetenv("DISPLAY");
    QVERIFY(!SiblingProductRunning());
    qputenv("DISPLAY", previous);
}

void TestStartup::splashBranding_data()
{
    QTest::addColumn<bool>("harvo");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("plate");
    QTest::newRow("Velunor") << false << "A propos de Velunor" << "PLT2020A";
    QTest::newRow("Mirado") << true << "A propos de Mirado" << "";
}

void TestStartup::splashBranding()
{
    QFETCH(bool, harvo);
    DefineReset();
    TestInstallation inst;
    inst.write(QStringLiteral("Config/Balvoro.ini"), "[General]\n");
    if (harvo)
        inst.write(QStringLiteral("harvo.ini"), "[Main]\n");
    else
        inst.write(QStringLiteral("STEPLINK.INI"), "[Plate]\nName=PLT2020A\n");
    MessageCapture messages;
    DefineModuleStart(inst.path());
    TF_About about;
    QTEST(about.windowTitle(), "caption");
    QCOMPARE(about.size(), QSize(600, 515));
    QTEST(about.findChild<QLabel*>(QStringLiteral("lbPlate"))->text(), "plate");
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lVersion"))->text(), QStringLiteral("V2.8"));
    QVERIFY(about.findChild<QLabel*>(QStringLiteral("dllVersion"))->text().startsWith(QStringLiteral("Steplink V")));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("imMirado"))->isVisibleTo(&about), harvo);
    QCOMPARE(QApplication::applicationName(), harvo ? QStringLiteral("Mirado") : QStringLiteral("Velunor"));

    for (int step : {10, 20, 20, 20, 10, 10, 10})
        about.ProgressStep(step);
    QCOMPARE(about.Progress(), 100);
    QVERIFY(!about.findChild<QPushButton*>(QStringLiteral("btnClose"))->isVisibleTo(&about));
    about.LoadingDone();
    QVERIFY(about.findChild<QPushButton*>(QStringLiteral("btnClose"))->isVisibleTo(&about));
    QVERIFY(!about.findChild<QProgressBar*>(QStringLiteral("pBar"))->isVisibleTo(&about));
    QCOMPARE(inst.read(QStringLiteral("_mirado.log")).split('\n').mid(2, 2),
             (QList<QByteArray>{"About start\r", "About end\r"}));
}

int main(int argc, char** argv)
{
    VelunorApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
