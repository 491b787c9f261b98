#include "LevelList.h"

bool LevelNameLess(const QString& a, const QString& b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    if (folded != 0)
        return folded < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

QString TooManyLevelsText()
{
    return Msg::tr(Msg::TooManyLevels).arg(MaxLevelsPerGame);
}

void ReportLevelProblem(const QString& text)
{
    ShowMessage(text, MessageKind::Error);
}
