#include "EntrySequence.h"

#include "Application.h"
#include "Data.h"
#include "Define.h"
#include "InstanceLock.h"
#include "Login.h"
#include "MessageTable.h"
#include "Messages.h"
#include "SiblingWindows.h"
#include "TF_About.h"
#include "TF_Confirm.h"
#include "TfmBalvoroMain.h"
#include "TfmColor.h"
#include "TfmInitPos.h"
#include "TfmLoad.h"

#include <QApplication>

namespace {

// A second start brings the running instance to the front and ends quietly.
bool takeMutex(InstanceLock& lock)
{
    if (lock.acquire())
        return true;
    InstanceLock::requestActivation(QStringLiteral("Velunor")) ||
        InstanceLock::requestActivation(QStringLiteral("Mirado"));
    return false;
}

void bringMainWindowToFront()
{
    if (!fmBalvoroMain)
        return;
    fmBalvoroMain->showNormal();
    fmBalvoroMain->raise();
    fmBalvoroMain->activateWindow();
}

} // namespace

int RunEntrySequence(VelunorApplication& app)
{
    // 1, 2: the two named mutexes, whatever this instance's title.
    InstanceLock velunor(QStringLiteral("Velunor"));
    if (!takeMutex(velunor))
        return 0;
    InstanceLock mirado(QStringLiteral("Mirado"));
    if (!takeMutex(mirado))
        return 0;
    velunor.onActivationRequest(bringMainWindowToFront);
    mirado.onActivationRequest(bringMainWindowToFront);

    // 3: a sibling product of the platform must not run beside us.
    if (SiblingProductRunning()) {
        ShowMessage(Msg::tr(Msg::CloseOtherApplications), MessageKind::Warning);
        return 0;
    }

    // 4, 5: the hourglass and the splash window.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    F_About = new TF_About;
    F_About->show();
    F_About->repaint();
    QCoreApplication::processEvents();
    F_About->ProgressStep(10);

    // 6, 7
    WriteLog(QStringLiteral("44"));
    bool loggedIn = false;
    RunGuarded([&] {
        F_Data = new TF_Data;
        if (F_Data->EndRequested())
            return;

        // 8: the login, then the windows of the run.
        TfmLogin login(F_Data);
        QApplication::restoreOverrideCursor(); // the login waits for a person
        loggedIn = login.ShowModal() == QDialog::Accepted;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (!loggedIn)
            return;
        F_About->ProgressStep(20);
        fmBalvoroMain = new TfmBalvoroMain;
        fmBalvoroMain->ShowAbout = [] {
            F_About->show();
            F_About->raise();
        };
        F_About->ProgressStep(20);
        fmLoad = new TfmLoad(fmBalvoroMain);
        F_About->ProgressStep(20);
        fmColor = new TfmColor(fmBalvoroMain);
        F_About->ProgressStep(10);
        CreateInitPosDialog(nullptr, fmBalvoroMain);
        F_About->ProgressStep(10);
        F_Confirm = new TF_Confirm(fmBalvoroMain);
        F_About->ProgressStep(10);
    });

    // 9: loading is over.
    F_About->LoadingDone();
    QApplication::restoreOverrideCursor();

    // 10: the message loop runs only with a ready device and a main window.
    int exitCode = 0;
    if (DeviceReady && fmBalvoroMain && !fmBalvoroMain->EndRequested()) {
        QObject::connect(fmBalvoroMain, &TfmBalvoroMain::Closed, &app, &QCoreApplication::quit);
        fmBalvoroMain->show();
        F_About->raise();
        exitCode = app.exec();
    }

    // 11: windows before the data module they are bound to; the locks go
    // with this frame.
    delete fmBalvoroMain; // owns the picker and the shared dialogs
    fmBalvoroMain = nullptr;
    fmLoad = nullptr;
    fmColor = nullptr;
    F_Confirm = nullptr;
    delete F_About;
    F_About = nullptr;
    delete F_Data;
    F_Data = nullptr;
    return exitCode;
}
