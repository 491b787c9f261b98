// Opens the clock level editor on the database of the installation it runs
// from, as the main window does, and prints the clock level list once it is
// closed:
//
//   leveleditor-demo
//
// The installation needs its database (balvoro-admin init or demo).

#include "Application.h"
#include "Data.h"
#include "Define.h"
#include "TF_Confirm.h"
#include "TfmColor.h"
#include "clock/TfmClockParam.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    VelunorApplication app(argc, argv);
    InstallMessageBoxPresenter();
    DefineModuleStart(QCoreApplication::applicationDirPath());
    DataModuleStart();

    int exitCode = 1;
    RunGuarded([&] {
        F_Data = new TF_Data;
        if (F_Data->EndRequested())
            return;
        fmColor = new TfmColor;
        F_Confirm = new TF_Confirm;
        auto* editor = new TfmClockParam;
        // What the main window's btParamClick does for the clock.
        CurrentGameType = Clock::GameType;
        F_Data->tParam->SetFilter(QStringLiteral("TYPE=") + QString::number(CurrentGameType));
        editor->exec();
        std::printf("clock levels: %d\n", int(Clock::Configs.NbConfigs()));
        for (const Clock::TConfig& level : Clock::Configs.Configs())
            std::printf("  %s: %s\n", qPrintable(level.Name), qPrintable(Clock::Encode(level)));
        delete editor;
        exitCode = 0;
    });
    delete F_Confirm;
    delete fmColor;
    delete F_Data;
    return exitCode;
}
