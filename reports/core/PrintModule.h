#pragma once
// The report module of the trial history: the data connections the history
// report reads. The trial list is a copy of the main window's trial grid,
// taken when Print is pressed.

#include "ReportConnection.h"

#include <QList>
#include <QObject>
#include <QStringList>

namespace ReportFile {
inline constexpr auto HistoryTemplate = "RptMirado.rav";
inline constexpr auto ChartPicture = "chart.bmp";
inline constexpr auto HistoryReport = "History_Report";
inline constexpr auto HistoryPage = "Page1";
} // namespace ReportFile

// The columns of a trial grid row, as the main window shows them.
namespace TrialColumn {
inline constexpr int Date = 0;
inline constexpr int Time = 1;
inline constexpr int Level = 2;
inline constexpr int Score = 3;
} // namespace TrialColumn

// The game's name as the report prints it; empty for no game.
QString ExerciseName(int gameType);

class TPrintModule : public QObject
{
    Q_OBJECT
public:
    // The first module created becomes the program's `PrintModule`.
    explicit TPrintModule(QObject* parent = nullptr);
    ~TPrintModule() override;

    // The trial rows of the grid in grid order (its title row left out) and
    // the index of the selected one; the list shows the trials of its level.
    // An index outside the rows selects the first trial, as a grid always
    // has a current row.
    void setTrialGrid(const QList<QStringList>& rows, int selectedRow);
    QString selectedLevel() const { return m_level; }

    QList<ReportCustomConnection*> connections();

    ReportCustomConnection RvCustomConnection1{QStringLiteral("RvCustomConnection1")};
    ReportCustomConnection RvCustomConnectionChart{QStringLiteral("RvCustomConnectionChart")};

    void RvCustomConnection1GetCols(ReportCustomConnection& connection);
    void RvCustomConnection1First(ReportCustomConnection& connection);
    void RvCustomConnection1GetRow(ReportCustomConnection& connection);
    void RvCustomConnection1EOF(ReportCustomConnection& connection, bool& eof);
    void RvCustomConnectionChartGetCols(ReportCustomConnection& connection);

private:
    // The first row at or after `from` whose level is the selected one
    // (exact, case-sensitive text); -1 when there is none.
    int nextRowOfLevel(int from) const;

    QList<QStringList> m_rows;
    QString m_level;
    int m_sequence = 0; // rows delivered since First
    int m_scan = 0;     // the next grid row to look at
};

extern TPrintModule* PrintModule;
