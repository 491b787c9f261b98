#pragma once
// The row a finished trial appends to the trial table (Jeu.DB). PK_JEU comes
// from the table; NOTE, Flag, SURFACE, FK_USE and ID_Pla stay empty.

#include <QDateTime>
#include <QString>

struct TrialRow
{
    QString DATE_JEU; // mm/dd/yyyy with the locale's separator
    QString TIME;     // hh:mm:ss, 24-hour, with the locale's separator
    int FK_PAT = 0;   // the current patient
    int TYPE = 0;     // game type 0..4
    QString NIVEAU;   // the level name as selected
    QString SCORE;    // the counter's caption at the end of the trial
};

// The row of a trial of game `type` at level `level` that ended with the
// counter showing `score`, for CurrentPatient, dated now by WallClock. Date
// and time come from one reading, so a trial ending at midnight is not
// stored with the new day's date and the old day's time.
TrialRow MakeTrialRow(int type, const QString& level, const QString& score);
TrialRow MakeTrialRow(int type, const QString& level, const QString& score, const QDateTime& at);
