#pragma once
// Print of the main window: the history of the selected patient for the
// level of the selected trial, with the history chart. The main window's
// btPrintClick hands over what it shows:
//
//     PrintHistory(HistoryPrintInput::fromWindow(*sgTrials, T_Nom->text(),
//                                                T_Prenom->text(), CurrentGameType, grHistory));

#include "ReportSystem.h"

#include <QList>
#include <QStringList>

class QTableWidget;
class QWidget;

struct HistoryPrintInput
{
    QList<QStringList> trialRows; // the grid's trials in grid order: date, time, level, score
    int selectedRow = 0;          // index into trialRows
    QString nom;                  // T_Nom
    QString prenom;               // T_Prenom
    int gameType = -1;            // CurrentGameType
    QWidget* chart = nullptr;     // grHistory, saved as it is displayed

    // Reads the trial grid. A QTableWidget keeps its column titles in its
    // header, so its row 0 is the first trial; a grid that keeps the titles
    // in its own first rows says how many with `titleRows`.
    static HistoryPrintInput fromWindow(const QTableWidget& sgTrials, const QString& nom,
                                        const QString& prenom, int gameType, QWidget* grHistory,
                                        int titleRows = 0);
};

// Prints the history report "History_Report" of the template in ExePath,
// saving the chart as "chart.bmp" beside it for the template to show.
// Returns false, doing nothing, when the grid lists no trial. Throws
// AppError naming the template, report, page, item or file at fault.
bool PrintHistory(const HistoryPrintInput& input,
                  const ReportOutput& output = ReportOutput::preview(), QWidget* parent = nullptr);
