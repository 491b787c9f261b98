// A posted trial survives a crash of the program the next instant: a child
// process stores trials as the games do and is killed with SIGKILL at
// random moments; every trial whose post had returned must still be there,
// and the database must pass its integrity check.

#include "DataFixture.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

class TestCrash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UsePrivateAliasRegistry(m_home); }
    void postedTrialsSurviveKill();

private:
    QTemporaryDir m_home;
};

void TestCrash::postedTrialsSurviveKill()
{
    DataFixture fx;
    fx.addPatient(QStringLiteral("CRASH"));
    fx.addPlate(QStringLiteral("PLT2020A"), 48);
    fx.inst.write(QStringLiteral("Steplink.ini"), "[Plate]\nName=PLT2020A\n");

    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);

    constexpr int Rounds = 8;
    QSet<int> confirmed;
    for (int round = 0; round < Rounds; ++round) {
        QProcess child;
        child.setProgram(QStringLiteral(TRIAL_APPENDER));
        child.setArguments({fx.inst.path(), QString::number(round * 1000000)});
        child.start();
        QVERIFY(child.waitForStarted(10000));

        // Killed anywhere from the data module's opening to a few hundred
        // trials into the run.
        const int lifetime = random.bounded(20, 700);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < lifetime && child.state() == QProcess::Running)
            child.waitForReadyRead(qMax(1, int(lifetime - clock.elapsed())));
        QCOMPARE(child.state(), QProcess::Running);
        child.kill(); // SIGKILL
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // Only whole lines: a key cut by the kill was not confirmed.
        const QByteArray output = child.readAllStandardOutput();
        const QList<QByteArray> lines = output.split('\n');
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            bool ok = false;
            const int key = lines[i].toInt(&ok);
            QVERIFY(ok);
            confirmed.insert(key);
        }

        QCOMPARE(fx.exec(QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        QSet<int> stored;
        for (const QString& key : fx.exec(QStringLiteral("SELECT group_concat(PK_JEU) FROM Jeu"))
                                      .toString()
                                      .split(QLatin1Char(','), Qt::SkipEmptyParts))
            stored.insert(key.toInt());
        for (const int key : confirmed)
            QVERIFY2(stored.contains(key), qPrintable(QStringLiteral("trial %1 lost").arg(key)));
        // At most the one trial in flight per run is there unconfirmed.
        QVERIFY(stored.size() <= confirmed.size() + round + 1);
    }
    qInfo("confirmed %lld", qlonglong(confirmed.size()));
    QVERIFY(!confirmed.isEmpty());
}

QTEST_GUILESS_MAIN(TestCrash)
#include "tst_crash.moc"
