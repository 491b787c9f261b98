#pragma once
// What steplink-pad needs to know about the platform: the plate's sensor
// counts and the simulator's UDP port, from the device INI beside the pad
// (or the one --ini names), with --port overriding the INI.

#include <QString>
#include <QStringList>

struct PadSettings
{
    int sensorsX = 48;
    int sensorsY = 48;
    quint16 port = 47800;
    QString iniPath; // the INI actually read; empty when none was found
};

enum class PadArguments
{
    Run,
    Help,  // `message` holds the help text
    Error, // `message` says what is wrong
};

// `arguments` as QCoreApplication::arguments() gives them (program first).
PadArguments ParsePadArguments(const QStringList& arguments, const QString& exeDir,
                               PadSettings& settings, QString& message);
