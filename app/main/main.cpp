// Program entry: module start-up, then the entry sequence.

#include "AcqCgPodo.h"
#include "Application.h"
#include "Define.h"
#include "Data.h"
#include "EntrySequence.h"
#include "GameModules.h"
#include "SteplinkDriver.h"
#include "clock/TfmClock.h"
#include "clock/TfmClockParam.h"

namespace {

// The games of this installation; the main window creates their windows.
void RegisterGames()
{
    RegisterGameModule({GameType::Clock,
                        [](QWidget* parent) -> QDialog* { return new TfmClockParam(parent); },
                        [](QWidget* parent) -> QDialog* { return CreateClockWindow(parent); }});
}

} // namespace

int main(int argc, char* argv[])
{
    VelunorApplication app(argc, argv);
    InstallMessageBoxPresenter();

    // Module start-up, in the order the modules depend on each other: the
    // acquisition thread exists (paused) before the configuration module
    // reads its files.
    AcqThreadModuleStart();
    DefineModuleStart(QCoreApplication::applicationDirPath());
    DataModuleStart();
    QGuiApplication::setApplicationName(MiradoBranding ? QStringLiteral("Mirado")
                                                              : QStringLiteral("Velunor"));

    int exitCode = 0;
    if (!LoadSteplinkDriver(ExePath)) {
        exitCode = 1; // same end as a fatal driver error
    } else {
        RegisterGames();
        exitCode = RunEntrySequence(app);
    }

    // Module shutdown in reverse order: the acquisition thread last.
    AcqThreadModuleEnd();
    return exitCode;
}
