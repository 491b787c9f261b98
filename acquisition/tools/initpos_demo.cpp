// Opens the initial-position dialog against the platform driver library in
// the program's folder and prints what it saved:
//
//   initpos-demo [runs]     (runs: how many times to open it, default 1)
//
// With the simulated plate, move the CoG with steplink-pad meanwhile.

#include "AcqCgPodo.h"
#include "Application.h"
#include "Define.h"
#include "SteplinkDriver.h"
#include "SurfaceMapping.h"
#include "TfmInitPos.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    VelunorApplication app(argc, argv);
    InstallMessageBoxPresenter();

    AcqThreadModuleStart();
    DefineModuleStart(QCoreApplication::applicationDirPath());

    int exitCode = 0;
    if (!LoadSteplinkDriver(ExePath)) {
        AcqThreadModuleEnd();
        return 1;
    }
    const QByteArray alias = AliasName.toLocal8Bit();
    const int init =
        SteplinkDriver.SLInit(nullptr, nullptr, alias.constData(), STEPLINK_CLIENT_CODE);
    std::printf("driver %s, SLInit %d\n", qPrintable(SteplinkVersion()), init);
    if (init < 0 && init != SL_PLATE_ABSENT) {
        AcqThreadModuleEnd();
        return 1;
    }
    AcqThread->SetPeriod(20);

    const int runs = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 1;
    CreateInitPosDialog();
    for (int run = 1; run <= runs; ++run) {
        const int result = fmInitPos->ShowModal();
        // The dialog stops sampling only on Save; otherwise it is ours to do.
        if (result != QDialog::Accepted)
            AcqThread->StopAcq();
        std::printf("run %d: %s, InitX %.3f, InitY %.3f\n", run,
                    result == QDialog::Accepted ? "Save" : "Cancel", InitX, InitY);
        std::fflush(stdout);
        if (result != QDialog::Accepted)
            exitCode = 2;
    }
    DestroyInitPosDialog();

    SteplinkDriver.SLExit();
    AcqThreadModuleEnd();
    return exitCode;
}
