// The sound layer: files found in the program's Config/ folder whatever the
// working directory, a new sound skipped while one plays (timed from the
// clip itself, with or without an audio device), a missing file silent.

#include "Define.h"
#include "TestInstallation.h"
#include "frame/Sound.h"

#include <QtTest>

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void lookup_data();
    void lookup();
    void skippedWhilePlaying();
    void durationOfBuiltSounds_data();
    void durationOfBuiltSounds();

private:
    TestInstallation m_inst;
    QTemporaryDir m_elsewhere;
    QString m_startDir;
};

void TestSound::initTestCase()
{
    m_startDir = QDir::currentPath();
    const QDir built(QStringLiteral(VELUNOR_CONFIG_DIR));
    for (const QString& name : built.entryList({QStringLiteral("*.wav")}))
        QVERIFY(QFile::copy(built.filePath(name), m_inst.filePath("Config/" + name)));
    m_inst.write(QStringLiteral("Config/Broken.wav"), "RIFF\x04\0\0\0WAVE");
    m_inst.write(QStringLiteral("Config/Text.wav"), "not a sound at all");
    DefineReset();
    ExePath = m_inst.path() + QLatin1Char('/');
    ConfigPath = ExePath + QLatin1String("Config/");
    // Started from another folder, as from a desktop menu: the working
    // directory holds a decoy of its own that must not be played.
    QVERIFY(QDir::setCurrent(m_elsewhere.path()));
    QDir().mkpath(QStringLiteral("Config"));
    QFile::copy(built.filePath(QStringLiteral("PacGum1.wav")),
                QStringLiteral("Config/Ballmissed.wav"));
}

void TestSound::cleanupTestCase()
{
    QDir::setCurrent(m_startDir);
}

void TestSound::init()
{
    QTRY_VERIFY_WITH_TIMEOUT(!SoundPlaying(), 3000);
}

void TestSound::lookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found");
    QTest::addColumn<int>("outcome");
    QTest::newRow("end sound") << "Config\\Ballmissed.wav"
                               << "Config/Ballmissed.wav" << int(SoundPlayback::Started);
    QTest::newRow("other case") << "CONFIG\\ballmissed.WAV"
                                << "Config/Ballmissed.wav" << int(SoundPlayback::Started);
    QTest::newRow("missing: silent") << "Config\\Nothing.wav"
                                     << "Config/Nothing.wav" << int(SoundPlayback::Missing);
    QTest::newRow("no data chunk") << "Config\\Broken.wav"
                                   << "Config/Broken.wav" << int(SoundPlayback::Unreadable);
    QTest::newRow("not a WAV file") << "Config\\Text.wav"
                                    << "Config/Text.wav" << int(SoundPlayback::Unreadable);
}

void TestSound::lookup()
{
    QFETCH(QString, name);
    QFETCH(QString, found);
    QFETCH(int, outcome);
    const QString expected = m_inst.filePath(found);
    QCOMPARE(SoundFilePath(name), expected);
    const SoundPlayback played = PlaySoundFile(name);
    QCOMPARE(int(played.Outcome), outcome);
    QCOMPARE(played.Path, expected);
    QCOMPARE(LastSoundPlayback().Path, expected);
    // Only a started clip keeps the layer busy.
    QCOMPARE(SoundPlaying(), outcome == SoundPlayback::Started);
}

void TestSound::skippedWhilePlaying()
{
    QElapsedTimer elapsed;
    elapsed.start();
    const SoundPlayback first = PlaySoundFile(QLatin1String(SoundFile::TrialEnd));
    QCOMPARE(first.Outcome, SoundPlayback::Started);
    QCOMPARE(first.DurationMs, 600);
    QVERIFY(SoundPlaying());

    // A sound asked for meanwhile is skipped, not queued and not cutting in.
    QCOMPARE(PlaySoundFile(QLatin1String(SoundFile::PacGum)).Outcome, SoundPlayback::Skipped);
    QCOMPARE(PlaySoundFile(QLatin1String(SoundFile::TrialEnd)).Outcome, SoundPlayback::Skipped);
    // A missing file stays silent and does not disturb the playing one.
    QCOMPARE(PlaySoundFile(QStringLiteral("Config\\Nothing.wav")).Outcome, SoundPlayback::Missing);
    QVERIFY(SoundPlaying());

    // The clip's own length frees the layer, with or without an audio device.
    QTRY_VERIFY_WITH_TIMEOUT(!SoundPlaying(), 3000);
    QVERIFY(elapsed.elapsed() >= 600);
    QCOMPARE(PlaySoundFile(QLatin1String(SoundFile::PacGum)).Outcome, SoundPlayback::Started);
}

void TestSound::durationOfBuiltSounds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("ms");
    QTest::newRow("Ballmissed.wav") << QString::fromLatin1(SoundFile::TrialEnd) << 600;
    QTest::newRow("Points.wav") << QString::fromLatin1(SoundFile::Points)
                                << 350; // 7717 samples at 22050 Hz, rounded up
    QTest::newRow("PacGum1.wav") << QString::fromLatin1(SoundFile::PacGum) << 80;
}

void TestSound::durationOfBuiltSounds()
{
    QFETCH(QString, name);
    QFETCH(int, ms);
    QCOMPARE(WaveDurationMs(SoundFilePath(name)), ms);
}

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
