#include "TrialRow.h"

#include "Define.h"
#include "WallClock.h"

TrialRow MakeTrialRow(int type, const QString& level, const QString& score)
{
    return MakeTrialRow(type, level, score, WallClock::Now());
}

TrialRow MakeTrialRow(int type, const QString& level, const QString& score, const QDateTime& at)
{
    TrialRow row;
    row.DATE_JEU = DateTimeSettings.formatDate(at.date());
    row.TIME = DateTimeSettings.formatTime(at.time());
    row.FK_PAT = CurrentPatient;
    row.TYPE = type;
    row.NIVEAU = level;
    row.SCORE = score;
    return row;
}
