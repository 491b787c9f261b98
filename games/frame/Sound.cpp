#include "Sound.h"

#include "Define.h"
#include "FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point busyUntil;
SoundPlayback lastPlayback;

quint32 readLE32(const char* p)
{
    return quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16 |
           quint32(quint8(p[3])) << 24;
}

// One effect per file, kept for the run: loading a clip again at every
// dot of the pac-man labyrinth would be wasted work.
QSoundEffect* effectFor(const QString& path)
{
    static QHash<QString, QPointer<QSoundEffect>> effects;
    QPointer<QSoundEffect>& effect = effects[path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

} // namespace

QString SoundFilePath(const QString& fileName)
{
    QString name = fileName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(name))
        return name;
    // The folder of the program, not the working directory: a program
    // started from a desktop menu or another folder must not go silent.
    return ResolveFileName(
        ExePath.isEmpty() ? QCoreApplication::applicationDirPath() + '/' : ExePath, fileName);
}

int WaveDurationMs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    quint16 format = 0;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const QByteArray id = chunk.left(4);
        const quint32 size = readLE32(chunk.constData() + 4);
        if (id == "fmt ") {
            const QByteArray fmt = file.read(size);
            if (fmt.size() < 16)
                return -1;
            format = quint16(quint8(fmt[0]) | quint8(fmt[1]) << 8);
            byteRate = readLE32(fmt.constData() + 8);
            if (size % 2)
                file.skip(1);
        } else if (id == "data") {
            // 1 PCM, 3 float, 0xFFFE extensible: a constant byte rate.
            if (byteRate == 0 || (format != 1 && format != 3 && format != 0xFFFE))
                return -1;
            const qint64 available = file.size() - file.pos();
            const qint64 bytes = qMin<qint64>(size, available);
            // Rounded up: the clip plays until its last sample has sounded.
            return int((bytes * 1000 + byteRate - 1) / byteRate);
        } else if (!file.skip(size + (size % 2))) {
            return -1;
        }
    }
}

SoundPlayback PlaySoundFile(const QString& fileName)
{
    SoundPlayback playback;
    playback.Path = SoundFilePath(fileName);
    if (!QFileInfo(playback.Path).isFile()) {
        playback.Outcome = SoundPlayback::Missing;
    } else if (SoundPlaying()) {
        playback.Outcome = SoundPlayback::Skipped;
    } else if (const int duration = WaveDurationMs(playback.Path); duration < 0) {
        playback.Outcome = SoundPlayback::Unreadable;
    } else {
        playback.Outcome = SoundPlayback::Started;
        playback.DurationMs = duration;
        busyUntil = Clock::now() + std::chrono::milliseconds(duration);
        if (QCoreApplication::instance())
            effectFor(playback.Path)->play();
    }
    lastPlayback = playback;
    return playback;
}

bool SoundPlaying()
{
    return Clock::now() < busyUntil;
}

SoundPlayback LastSoundPlayback()
{
    return lastPlayback;
}
