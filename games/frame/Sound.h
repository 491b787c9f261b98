#pragma once
// The program's sound playback: one call, asynchronous, never interrupting
// a sound that is still playing (the new one is skipped), silent when the
// file is missing.
//
// Whether a sound is still playing is decided here, from the clip's own
// length read from its WAV header, not from the audio backend: without an
// audio device QSoundEffect reports a clip as playing forever, and every
// later sound would be skipped.

#include <QString>

struct SoundPlayback
{
    enum Result
    {
        Started,   // handed to the audio backend; busy for DurationMs
        Skipped,   // another sound was still playing
        Missing,   // no such file: silent, as intended
        Unreadable // not a PCM WAV file we can time: silent
    };
    Result Outcome = Missing;
    QString Path;       // the file looked for, resolved as SoundFilePath does
    int DurationMs = 0; // length of the clip when Started
};

// Where a sound named by the program ("Config\Ballmissed.wav") is looked
// for: in the program's folder ExePath, without regard to case, whatever
// the working directory is. An absolute name is taken as it is.
QString SoundFilePath(const QString& fileName);

// Starts `fileName` (resolved by SoundFilePath) and returns at once.
SoundPlayback PlaySoundFile(const QString& fileName);

// True while the last started clip has not reached its end.
bool SoundPlaying();

// What the last PlaySoundFile call did.
SoundPlayback LastSoundPlayback();

// Length in milliseconds of the PCM data of a RIFF/WAVE file; -1 when the
// file cannot be read as one.
int WaveDurationMs(const QString& path);

// The end sound of a trial and the pac-man sounds, as the program names them.
namespace SoundFile {
inline constexpr auto TrialEnd = "Config\\Ballmissed.wav";
inline constexpr auto Points = "Config\\Points.wav";
inline constexpr auto PacGum = "Config\\PacGum1.wav";
} // namespace SoundFile
