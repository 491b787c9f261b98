// Program entry: module start-up, then the entry sequence.

#include "AcqCgPodo.h"
#include "Application.h"
#include "Data.h"
#include "Define.h"
#include "GameModules.h"
#include "SteplinkDriver.h"
#include "TF_Confirm.h"
#include "TfmBalvoroMain.h"
#include "TfmColor.h"
#include "TfmInitPos.h"
#include "TfmLoad.h"
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
    QGuiApplication::setApplicationDisplayName(MiradoBranding ? QStringLiteral("Mirado")
                                                              : QStringLiteral("Velunor"));

    int exitCode = 0;
    if (!LoadSteplinkDriver(ExePath))
        exitCode = 1; // same end as a fatal driver error

    // The login is not part of the start yet: the data module opens and the
    // main window follows at once.
    if (exitCode == 0) {
        RegisterGames();
        RunGuarded([] {
            F_Data = new TF_Data;
            if (F_Data->EndRequested())
                return;
            fmBalvoroMain = new TfmBalvoroMain;
            fmLoad = new TfmLoad(fmBalvoroMain);
            fmColor = new TfmColor;
            CreateInitPosDialog(nullptr, fmBalvoroMain);
            F_Confirm = new TF_Confirm;
        });
        if (DeviceReady && fmBalvoroMain && !fmBalvoroMain->EndRequested()) {
            QObject::connect(fmBalvoroMain, &TfmBalvoroMain::Closed, &app, &QCoreApplication::quit);
            fmBalvoroMain->show();
            exitCode = app.exec();
        }
    }

    // Windows before the data module they are bound to.
    delete fmBalvoroMain; // owns fmLoad and the initial-position dialog
    delete F_Confirm;
    delete fmColor;
    delete F_Data;
    // Module shutdown in reverse order: the acquisition thread last.
    AcqThreadModuleEnd();
    return exitCode;
}
