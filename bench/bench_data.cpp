// The data store under a clinic's load of several years: 500 patients and
// 100,000 trials. Prints one line
//
//   data: open_ms=.. list_ms=.. append_ms=..
//
// open_ms   the data module's opening sequence (TF_Data), alias to plate
//           look-up; median of 11;
// list_ms   the history grid's listing: the patient picker sets tJeu's filter
//           on one patient, the main window opens tJeu (detail of tPat, which
//           stands on that patient), walks it in table order keeping the rows
//           of one game type, and closes it; median of 50;
// append_ms one trial as a game stores it: open tJeu, append, post, flush to
//           disk, close; median of 50.
//
// The database lives in a temporary folder beside the benchmark.

#include "Data.h"
#include "Define.h"
#include "IniFile.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int PatientCount = 500;
constexpr int TrialCount = 100000;
constexpr int Repeats = 50;
constexpr int OpenRepeats = 11;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Rows written straight through SQL in one transaction: the fill is not what
// is measured. Trials of all patients are interleaved in time, as a clinic
// stores them day after day, so one patient's rows are spread over the file.
bool fill(const QString& file)
{
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(file);
        ok = db.open() && db.transaction();
        QSqlQuery query(db);
        ok = ok && query.prepare(QStringLiteral(
                       "INSERT INTO Patient (NOM, PRENOM, BIRTHDT, SEXE) VALUES (?, ?, ?, ?)"));
        for (int p = 0; ok && p < PatientCount; ++p) {
            query.addBindValue(QStringLiteral("PATIENT%1").arg(p, 3, 10, QLatin1Char('0')));
            query.addBindValue(QStringLiteral("First"));
            query.addBindValue(QStringLiteral("01/01/1950"));
            query.addBindValue(p % 2 ? QStringLiteral("M") : QStringLiteral("F"));
            ok = query.exec();
        }
        ok = ok && query.prepare(QStringLiteral(
                       "INSERT INTO Jeu (DATE_JEU, TIME, FK_PAT, TYPE, NIVEAU, SCORE) "
                       "VALUES (?, ?, ?, ?, ?, ?)"));
        const QDate start(2018, 1, 1);
        for (int t = 0; ok && t < TrialCount; ++t) {
            const int patient = t % PatientCount + 1;
            const int seconds = t / PatientCount * 97; // distinct per patient
            const QDate date = start.addDays(seconds / 86400);
            const QTime time = QTime(0, 0).addSecs(seconds % 86400);
            query.addBindValue(DateTimeSettings.formatDate(date));
            query.addBindValue(DateTimeSettings.formatTime(time));
            query.addBindValue(patient);
            query.addBindValue(t / PatientCount % 5);
            query.addBindValue(QStringLiteral("Level %1").arg(t % 3));
            query.addBindValue(QString::number(t % 97));
            ok = query.exec();
        }
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    // Beside the benchmark, on the build's disk: a memory-backed temporary
    // folder would hide the cost of flushing to disk.
    QTemporaryDir install(QCoreApplication::applicationDirPath() +
                          QStringLiteral("/bench_data-XXXXXX"));
    if (!home.isValid() || !install.isValid()) {
        std::fprintf(stderr, "bench_data: no temporary folder\n");
        return 1;
    }
    qputenv("VELUNOR_CONFIG_HOME", home.path().toUtf8());

    const QString dataDir = install.filePath(QLatin1String(FileName::DataFolder));
    CreateDatabase(dataDir);
    if (!fill(QDir(dataDir).filePath(QLatin1String(DatabaseFileName)))) {
        std::fprintf(stderr, "bench_data: the database cannot be filled\n");
        return 1;
    }
    IniFile(install.filePath(QLatin1String(FileName::DeviceIni)))
        .writeString(QStringLiteral("Plate"), QStringLiteral("Name"), QStringLiteral("PLT2020A"));

    ExePath = install.path() + QLatin1Char('/');
    ConfigPath = ExePath + QLatin1String(FileName::ConfigFolder) + QLatin1Char('/');

    // The program opens its data module once per start; a few starts give a
    // steadier figure than one.
    QElapsedTimer timer;
    std::vector<double> open;
    for (int i = 0; i < OpenRepeats; ++i) {
        timer.start();
        TF_Data opened;
        open.push_back(elapsedMs(timer));
        if (opened.EndRequested()) {
            std::fprintf(stderr, "bench_data: the data module did not open\n");
            return 1;
        }
    }
    TF_Data data;

    // A patient in the middle of the name order, with 200 trials of which 40
    // are of the listed type.
    const int patient = PatientCount / 2;
    const int gameType = 2;
    int listed = 0;
    std::vector<double> list;
    for (int i = 0; i < Repeats; ++i) {
        timer.restart();
        data.tPat->Locate(QStringLiteral("PK_PAT"), patient);
        data.tJeu->SetFilter(QStringLiteral("FK_PAT=") + QString::number(patient));
        data.tJeu->SetFiltered(true);
        data.tJeu->Open();
        TField* type = data.tJeu->FieldByName(QStringLiteral("TYPE"));
        TField* date = data.tJeu->FieldByName(QStringLiteral("DATE_JEU"));
        TField* score = data.tJeu->FieldByName(QStringLiteral("SCORE"));
        QStringList rows;
        data.tJeu->First();
        while (!data.tJeu->Eof()) {
            if (type->AsInteger() == gameType)
                rows << date->AsString() + score->AsString();
            data.tJeu->Next();
        }
        data.tJeu->Close();
        list.push_back(elapsedMs(timer));
        listed = int(rows.size());
    }
    if (listed != TrialCount / PatientCount / 5) {
        std::fprintf(stderr, "bench_data: listed %d trials instead of %d\n", listed,
                     TrialCount / PatientCount / 5);
        return 1;
    }

    std::vector<double> append;
    const QDateTime first(QDate(2030, 1, 1), QTime(8, 0));
    for (int i = 0; i < Repeats; ++i) {
        const QDateTime when = first.addSecs(i);
        timer.restart();
        data.tJeu->Open();
        data.tJeu->Append();
        data.tJeu->FieldByName(QStringLiteral("DATE_JEU"))
            ->SetAsString(DateTimeSettings.formatDate(when.date()));
        data.tJeu->FieldByName(QStringLiteral("TIME"))
            ->SetAsString(DateTimeSettings.formatTime(when.time()));
        data.tJeu->FieldByName(QStringLiteral("FK_PAT"))->SetAsInteger(patient);
        data.tJeu->FieldByName(QStringLiteral("TYPE"))->SetAsInteger(gameType);
        data.tJeu->FieldByName(QStringLiteral("NIVEAU"))->SetAsString(QStringLiteral("Level 1"));
        data.tJeu->FieldByName(QStringLiteral("SCORE"))->SetAsString(QStringLiteral("42"));
        data.tJeu->Post();
        data.tJeu->FlushBuffers();
        data.tJeu->Close();
        append.push_back(elapsedMs(timer));
    }

    std::printf("data: open_ms=%.1f list_ms=%.2f append_ms=%.2f\n", median(open), median(list),
                median(append));
    return 0;
}
