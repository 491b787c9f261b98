// Opens the clock window the way the main window does, against the platform
// driver library and the database of the installation it runs from:
//
//   clock-demo [--skip-initpos]
//
// The clock levels come from the level table (TYPE 1); when it holds none,
// two demonstration levels are offered for this run only. The initial
// position is taken with the initial-position dialog first, or, with
// --skip-initpos, from the plate's first samples. Trials are stored for the
// current patient. With the simulated plate, move the CoG with steplink-pad.

#include "AcqCgPodo.h"
#include "Application.h"
#include "Data.h"
#include "Define.h"
#include "SteplinkDriver.h"
#include "SurfaceMapping.h"
#include "TF_Confirm.h"
#include "TfmInitPos.h"
#include "clock/ClockLevel.h"
#include "clock/TfmClock.h"

#include <QThread>
#include <cstdio>

namespace {

QList<LevelRow> clockLevelRows()
{
    QList<LevelRow> rows;
    TTable* table = F_Data->tParam;
    table->SetFilter(QStringLiteral("TYPE=%1").arg(Clock::GameType));
    table->SetFiltered(true);
    table->Open();
    for (table->First(); !table->Eof(); table->Next()) {
        rows.append({table->FieldByName(QStringLiteral("NIVEAU"))->AsString(),
                     table->FieldByName(QStringLiteral("PARAM"))->AsString(),
                     table->FieldByName(QStringLiteral("FICHIER"))->AsString()});
    }
    return rows;
}

QList<LevelRow> demoLevelRows()
{
    Clock::TConfig circle;
    circle.Numbers = Clock::IdentityNumbers();
    circle.TypeJeu = Clock::Circle;
    circle.BallNb = 8;
    circle.BallSize = 40;
    circle.Dist = 60;
    circle.ShowGrid = true;
    circle.TargetColor = 16711935; // fuchsia
    circle.NbColor = 0;
    circle.BallColor = 65535; // yellow
    Clock::TConfig front = circle;
    front.TypeJeu = Clock::Front;
    front.BallNb = 5;
    front.Center = true;
    front.Random = true;
    front.BallColor = 32768; // green
    front.NbColor = 16777215;
    return {{QStringLiteral("Demo circle 8"), Clock::Encode(circle), QString()},
            {QStringLiteral("Demo front 5, centre"), Clock::Encode(front), QString()}};
}

} // namespace

int main(int argc, char* argv[])
{
    VelunorApplication app(argc, argv);
    InstallMessageBoxPresenter();
    const bool skipInitPos = app.arguments().contains(QStringLiteral("--skip-initpos"));

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
    AcqThread->SetPeriod(20);

    RunGuarded([&] {
        F_Data = new TF_Data;
        if (F_Data->EndRequested()) {
            exitCode = 1;
            return;
        }
        QList<LevelRow> rows = clockLevelRows();
        if (rows.isEmpty())
            rows = demoLevelRows();
        Clock::Configs.Rebuild(rows, Clock::Decode);
        CurrentGameType = Clock::GameType;
        F_Confirm = new TF_Confirm;
        CreateClockWindow(nullptr);

        if (skipInitPos) {
            AcqThread->StartAcq();
            QThread::msleep(200);
            InitX = AcqThread->CgX;
            InitY = AcqThread->CgY;
            AcqThread->StopAcq();
        } else {
            CreateInitPosDialog();
            if (fmInitPos->ShowModal() != QDialog::Accepted) {
                AcqThread->StopAcq();
                exitCode = 2;
                return;
            }
        }
        std::printf("patient %d, InitX %.3f, InitY %.3f, %d clock levels\n", CurrentPatient, InitX,
                    InitY, int(Clock::Configs.NbConfigs()));
        std::fflush(stdout);
        fmClock->exec();
    });

    delete fmClock;
    DestroyInitPosDialog();
    delete F_Confirm;
    delete F_Data;
    SteplinkDriver.SLExit();
    AcqThreadModuleEnd();
    return exitCode;
}
