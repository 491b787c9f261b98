#include "PrintHistory.h"

#include "AppError.h"
#include "Define.h"
#include "FileNames.h"
#include "MessageTable.h"
#include "PrintModule.h"
#include "ReportProject.h"

#include <QApplication>
#include <QPixmap>
#include <QTableWidget>
#include <QThread>
#include <stdexcept>

HistoryPrintInput HistoryPrintInput::fromWindow(const QTableWidget& sgTrials, const QString& nom,
                                                const QString& prenom, int gameType,
                                                QWidget* grHistory, int titleRows)
{
    HistoryPrintInput input;
    for (int row = titleRows; row < sgTrials.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < sgTrials.columnCount(); ++column) {
            const QTableWidgetItem* item = sgTrials.item(row, column);
            cells.append(item ? item->text() : QString());
        }
        input.trialRows.append(cells);
    }
    input.selectedRow = sgTrials.currentRow() - titleRows;
    input.nom = nom;
    input.prenom = prenom;
    input.gameType = gameType;
    input.chart = grHistory;
    return input;
}

namespace {

TPrintModule& printModule()
{
    // The main window creates the module at start; a print before that
    // still finds one.
    if (!PrintModule)
        new TPrintModule(qApp);
    return *PrintModule;
}

} // namespace

bool PrintHistory(const HistoryPrintInput& input, const ReportOutput& output, QWidget* parent)
{
    if (input.trialRows.isEmpty() || input.trialRows.first().value(TrialColumn::Date).isEmpty())
        return false;
    if (!input.chart)
        throw std::invalid_argument("PrintHistory needs the history chart");

    ReportProject project;
    project.setProjectFile(ResolveFileName(ExePath, QLatin1String(ReportFile::HistoryTemplate)));
    project.open();

    const Report& report = project.findReport(QLatin1String(ReportFile::HistoryReport));
    const ReportPage& page = report.findPage(QLatin1String(ReportFile::HistoryPage));
    const int selected = input.selectedRow >= 0 && input.selectedRow < input.trialRows.size()
                             ? input.selectedRow
                             : 0;
    page.findText(QStringLiteral("Nom")).setText(input.nom);
    page.findText(QStringLiteral("Prenom")).setText(input.prenom);
    page.findText(QStringLiteral("Exercise")).setText(ExerciseName(input.gameType));
    page.findText(QStringLiteral("Level"))
        .setText(input.trialRows[selected].value(TrialColumn::Level));
    page.findText(QStringLiteral("Date"))
        .setText(DateTimeSettings.formatDate(QDate::currentDate()));
    page.findText(QStringLiteral("Heure"))
        .setText(DateTimeSettings.formatTime(QTime::currentTime()));

    // The template shows the chart from this file; a picture left from an
    // earlier print must never pass for this one, hence the error.
    const QString chartPath = ResolveFileName(ExePath, QLatin1String(ReportFile::ChartPicture));
    if (!input.chart->grab().save(chartPath, "BMP"))
        throw AppError(Msg::tr(Msg::ReportChartNotSaved).arg(chartPath));
    QThread::msleep(100);

    TPrintModule& module = printModule();
    module.setTrialGrid(input.trialRows, selected);
    ReportSystem system;
    system.execute(report, module.connections(), output, parent);
    project.close();
    return true;
}
