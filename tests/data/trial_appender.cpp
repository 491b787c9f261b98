// Helper of tst_crash: stores trials one after another exactly as a game
// window does at the end of a trial (open tJeu, append, post, flush, close)
// through the data module, and prints each trial's key on its own line once
// its post has returned. The test kills it at random moments.
//
//   trial_appender INSTALLATION_DIR FIRST_SECOND
//
// FIRST_SECOND offsets the trial times, so that several runs on one
// patient never store two trials at the same second.

#include "Data.h"
#include "Define.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return 2;
    DefineReset();
    ExePath = args[1] + QLatin1Char('/');
    ConfigPath = ExePath + QLatin1String("Config/");
    const qint64 firstSecond = args[2].toLongLong();

    TF_Data data;
    if (data.EndRequested())
        return 1;
    TTable* trials = data.tJeu;
    const QDateTime origin(QDate(2024, 1, 1), QTime(0, 0));
    for (qint64 i = 0; i < 1000000; ++i) {
        const QDateTime when = origin.addSecs(firstSecond + i);
        trials->Open();
        trials->Append();
        trials->FieldByName(QStringLiteral("DATE_JEU"))
            ->SetAsString(DateTimeSettings.formatDate(when.date()));
        trials->FieldByName(QStringLiteral("TIME"))
            ->SetAsString(DateTimeSettings.formatTime(when.time()));
        trials->FieldByName(QStringLiteral("FK_PAT"))->SetAsInteger(CurrentPatient);
        trials->FieldByName(QStringLiteral("TYPE"))->SetAsInteger(int(i % 5));
        trials->FieldByName(QStringLiteral("NIVEAU"))->SetAsString(QStringLiteral("Crash"));
        trials->FieldByName(QStringLiteral("SCORE"))->SetAsString(QString::number(i));
        trials->Post();
        trials->FlushBuffers();
        const int key = trials->FieldByName(QStringLiteral("PK_JEU"))->AsInteger();
        trials->Close();
        std::printf("%d\n", key);
        std::fflush(stdout);
    }
    return 0;
}
