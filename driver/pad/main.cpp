// steplink-pad: moves the simulated Steplink platform by sending it position
// datagrams over local UDP.

#include "PadSettings.h"
#include "PadWindow.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    // Arguments first, so --help and mistakes are answered without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString exeDir =
        QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();

    PadSettings settings;
    QString message;
    switch (ParsePadArguments(arguments, exeDir, settings, message)) {
    case PadArguments::Help:
        std::fputs(qPrintable(message), stdout);
        return 0;
    case PadArguments::Error:
        std::fprintf(stderr, "steplink-pad: %s\n", qPrintable(message));
        return 2;
    case PadArguments::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("steplink-pad"));
    PadWindow window(settings);
    window.show();
    return app.exec();
}
