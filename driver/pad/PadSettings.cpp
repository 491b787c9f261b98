#include "PadSettings.h"

#include "SimConfig.h"
#include "steplink_sim.h"

#include <QCommandLineParser>
#include <QFileInfo>

PadArguments ParsePadArguments(const QStringList& arguments, const QString& exeDir,
                               PadSettings& settings, QString& message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Moves the simulated Steplink platform: drag the point, or use the "
                       "arrow keys; Home or C recentres."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help."));
    const QCommandLineOption iniOption(
        QStringLiteral("ini"),
        QStringLiteral("Device INI to read instead of Steplink.ini beside the program."),
        QStringLiteral("PATH"));
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("UDP port of the simulator (overrides the INI)."),
        QStringLiteral("N"));
    parser.addOption(helpOption);
    parser.addOption(iniOption);
    parser.addOption(portOption);

    if (!parser.parse(arguments)) {
        message = parser.errorText();
        return PadArguments::Error;
    }
    if (parser.isSet(helpOption)) {
        message = parser.helpText();
        // Without an application object the parser cannot name the program.
        if (!arguments.isEmpty())
            message.replace(QStringLiteral("<executable_name>"),
                            QFileInfo(arguments.first()).fileName());
        return PadArguments::Help;
    }
    if (!parser.positionalArguments().isEmpty()) {
        message = QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments()[0]);
        return PadArguments::Error;
    }

    QString ini;
    if (parser.isSet(iniOption)) {
        ini = parser.value(iniOption);
        if (!QFileInfo(ini).isFile()) {
            message = QStringLiteral("No INI file at %1").arg(ini);
            return PadArguments::Error;
        }
    } else {
        ini = QString::fromStdString(
            steplink::sim::FindFileNoCase(exeDir.toStdString(), STEPLINK_SIM_INI_FILE));
    }

    // Same reader as the simulator, so both agree on the plate and the port.
    const steplink::sim::SimConfig config = steplink::sim::ReadSimConfig(ini.toStdString());
    PadSettings result;
    result.sensorsX = config.sensorsX;
    result.sensorsY = config.sensorsY;
    result.port = static_cast<quint16>(config.udpPort);
    result.iniPath = ini;

    if (parser.isSet(portOption)) {
        bool ok = false;
        const uint port = parser.value(portOption).toUInt(&ok);
        if (!ok || port == 0 || port > 65535) {
            message = QStringLiteral("Not a UDP port: %1").arg(parser.value(portOption));
            return PadArguments::Error;
        }
        result.port = static_cast<quint16>(port);
    }
    settings = result;
    return PadArguments::Run;
}
