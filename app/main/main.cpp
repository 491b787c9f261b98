// Program entry: module start-up, then the entry sequence.

#include "AcqCgPodo.h"
#include "Application.h"
#include "Define.h"
#include "SteplinkDriver.h"

int main(int argc, char* argv[])
{
    VelunorApplication app(argc, argv);
    InstallMessageBoxPresenter();

    // Module start-up, in the order the modules depend on each other: the
    // acquisition thread exists (paused) before the configuration module
    // reads its files.
    AcqThreadModuleStart();
    DefineModuleStart(QCoreApplication::applicationDirPath());

    int exitCode = 0;
    if (!LoadSteplinkDriver(ExePath))
        exitCode = 1; // same end as a fatal driver error

    // Module shutdown in reverse order: the acquisition thread last.
    AcqThreadModuleEnd();
    return exitCode;
}
