// Prints a demo trial history to a PDF file through the shipped template:
//     report-demo out.pdf [number of trials]
// The chart is drawn the way the main window draws grHistory.

#include "Define.h"
#include "PrintHistory.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QValueAxis>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: report-demo out.pdf [trials]\n");
        return 2;
    }
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const int trials = argc > 2 ? std::max(1, std::atoi(argv[2])) : 12;

    QTemporaryDir installation;
    QFile::copy(QStringLiteral(VELUNOR_REPORT_TEMPLATE),
                QDir(installation.path()).filePath(QStringLiteral("RptMirado.rav")));
    ExePath = installation.path() + QLatin1Char('/');

    // A clock history: the time falls as the patient learns the level, with
    // a few trials of a harder level in between.
    HistoryPrintInput input;
    QList<int> easyScores;
    QDate day(2025, 3, 3);
    for (int i = 0; i < trials; ++i) {
        const int score = 48 - i * 2 + (i % 3 == 1 ? 4 : 0);
        easyScores.append(std::max(12, score));
        input.trialRows.append({DateTimeSettings.formatDate(day),
                                DateTimeSettings.formatTime(QTime(9 + i % 6, 10 + i * 3 % 50, 12)),
                                QStringLiteral("Easy"), QString::number(easyScores.last())});
        if (i % 3 == 2)
            input.trialRows.append({DateTimeSettings.formatDate(day),
                                    DateTimeSettings.formatTime(QTime(15, 20 + i % 30, 5)),
                                    QStringLiteral("Hard"), QString::number(70 - i)});
        day = day.addDays(i % 2 ? 3 : 4);
    }
    input.selectedRow = 0;
    input.nom = QStringLiteral("Durand");
    input.prenom = QStringLiteral("Camille");
    input.gameType = 1;

    auto* series = new QLineSeries;
    series->setPen(QPen(Qt::red, 2));
    series->setPointsVisible(false);
    for (int k = 0; k < easyScores.size(); ++k)
        series->append(k + 1, easyScores[k]);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(QStringLiteral("Clock Easy"));
    chart->legend()->hide();
    auto* axisX = new QValueAxis;
    axisX->setTitleText(QStringLiteral("Trial"));
    axisX->setLabelFormat(QStringLiteral("%d"));
    auto* axisY = new QValueAxis;
    axisY->setTitleText(QStringLiteral("Time (s)"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
    axisX->setRange(1, std::max(2, int(easyScores.size())));
    QChartView view(chart);
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(780, 330);
    input.chart = &view;

    try {
        PrintHistory(input, ReportOutput::pdfFile(out));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    return 0;
}
