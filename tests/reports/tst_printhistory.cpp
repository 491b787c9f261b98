// Print of the trial history in a temporary installation with the shipped
// template, read back from the PDF as a person reads the paper.

#include "AppError.h"
#include "Define.h"
#include "MessageCapture.h"
#include "PdfText.h"
#include "PrintHistory.h"
#include "PrintModule.h"
#include "ReportPreview.h"
#include "TestInstallation.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QLabel>
#include <QLineSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

QStringList trial(const QString& date, const QString& time, const QString& level,
                  const QString& score)
{
    return {date, time, level, score};
}

// A history chart like the main window's: one red line of the level's scores.
std::unique_ptr<QChartView> makeChart(const QList<int>& scores, const QString& title, QSize size)
{
    auto* series = new QLineSeries;
    series->setPen(QPen(Qt::red, 2));
    for (int k = 0; k < scores.size(); ++k)
        series->append(k + 1, scores[k]);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->createDefaultAxes();
    chart->setTitle(title);
    chart->legend()->hide();
    auto view = std::make_unique<QChartView>(chart);
    view->resize(size);
    return view;
}

// The value printed right of a label in the header block.
QString valueAfter(const QString& pageText, const QString& label)
{
    const QRegularExpression pattern(
        QStringLiteral("%1 {2,}(\\S+)").arg(QRegularExpression::escape(label)));
    return pattern.match(pageText).captured(1);
}

// Runs `check` on the next modal window once it shows, then closes it; a
// window that never shows leaves `check` unrun.
void onNextModal(std::function<void(QWidget*)> check)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        check(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

} // namespace

class TestPrintHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void selectedLevelOnly_data();
    void selectedLevelOnly();
    void exerciseFollowsGame_data();
    void exerciseFollowsGame();
    void headerFields();
    void chartOverwrittenEachPrint();
    void emptyHistoryPrintsNothing_data();
    void emptyHistoryPrintsNothing();
    void templateErrors_data();
    void templateErrors();
    void chartNotWritable();
    void longListContinues();
    void inputFromGrid_data();
    void inputFromGrid();
    void statusWindowFollowsPages();
    void previewWindow();
    void printerDialog();

private:
    QString templatePath() const
    {
        return m_installation->filePath(QStringLiteral("RptMirado.rav"));
    }
    QString chartPath() const { return m_installation->filePath(QStringLiteral("chart.bmp")); }
    QString pdfPath() const { return m_installation->filePath(QStringLiteral("history.pdf")); }
    HistoryPrintInput input(const QList<QStringList>& rows, int selected, int gameType = 1);

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<MessageCapture> m_messages;
    std::unique_ptr<QChartView> m_chart;
};

void TestPrintHistory::init()
{
    DefineReset();
    m_installation = std::make_unique<TestInstallation>();
    m_messages = std::make_unique<MessageCapture>();
    QVERIFY(QFile::copy(QStringLiteral(VELUNOR_REPORT_TEMPLATE), templatePath()));
    DefineModuleStart(m_installation->path());
    m_messages->clear(); // the installation has no program INI; not our concern here
    m_chart = makeChart({30, 28, 25}, QStringLiteral("Clock Easy"), QSize(600, 260));
}

void TestPrintHistory::cleanup()
{
    m_chart.reset();
    m_messages.reset();
    m_installation.reset();
    DefineReset();
}

HistoryPrintInput TestPrintHistory::input(const QList<QStringList>& rows, int selected,
                                          int gameType)
{
    HistoryPrintInput in;
    in.trialRows = rows;
    in.selectedRow = selected;
    in.nom = QStringLiteral("Durand");
    in.prenom = QStringLiteral("Camille");
    in.gameType = gameType;
    in.chart = m_chart.get();
    return in;
}

void TestPrintHistory::selectedLevelOnly_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QList<QStringList>>("expected");
    // Grid of the fixture in selectedLevelOnly(): A, B, A, B, b, A.
    QTest::newRow("level B") << 3 << "B"
                             << QList<QStringList>{{"1", "02/02/2025", "09:02:00", "22"},
                                                   {"2", "02/04/2025", "09:04:00", "24"}};
    QTest::newRow("level A") << 0 << "A"
                             << QList<QStringList>{{"1", "02/01/2025", "09:01:00", "11"},
                                                   {"2", "02/03/2025", "09:03:00", "13"},
                                                   {"3", "02/06/2025", "09:06:00", "16"}};
    QTest::newRow("level b is not B")
        << 4 << "b" << QList<QStringList>{{"1", "02/05/2025", "09:05:00", "25"}};
}

void TestPrintHistory::selectedLevelOnly()
{
    QFETCH(int, selected);
    QFETCH(QString, level);
    QFETCH(QList<QStringList>, expected);
    const QList<QStringList> grid = {
        trial("02/01/2025", "09:01:00", "A", "11"), trial("02/02/2025", "09:02:00", "B", "22"),
        trial("02/03/2025", "09:03:00", "A", "13"), trial("02/04/2025", "09:04:00", "B", "24"),
        trial("02/05/2025", "09:05:00", "b", "25"), trial("02/06/2025", "09:06:00", "A", "16"),
    };
    QVERIFY(PrintHistory(input(grid, selected), ReportOutput::pdfFile(pdfPath())));
    QCOMPARE(PdfText::pageCount(pdfPath()), 1);
    const QString text = PdfText::text(pdfPath());
    QCOMPARE(valueAfter(text, QStringLiteral("Level")), level);
    QCOMPARE(PdfText::numberedRows(text), expected);
}

void TestPrintHistory::exerciseFollowsGame_data()
{
    QTest::addColumn<int>("gameType");
    QTest::addColumn<QString>("exercise");
    QTest::newRow("ping-pong") << 0 << "PingPong";
    QTest::newRow("clock") << 1 << "Clock";
    QTest::newRow("target") << 2 << "Target";
    QTest::newRow("hula-hoop") << 3 << "HoolaHoop";
    QTest::newRow("pac-man") << 4 << "PacMan";
}

void TestPrintHistory::exerciseFollowsGame()
{
    QFETCH(int, gameType);
    QFETCH(QString, exercise);
    // The chart's title names another game: the print follows the game chosen.
    QVERIFY(PrintHistory(input({trial("03/01/2025", "10:00:00", "Easy", "5")}, 0, gameType),
                         ReportOutput::pdfFile(pdfPath())));
    QCOMPARE(valueAfter(PdfText::text(pdfPath()), QStringLiteral("Exercise")), exercise);
}

void TestPrintHistory::headerFields()
{
    const QDateTime before = QDateTime::currentDateTime();
    QVERIFY(PrintHistory(input({trial("03/01/2025", "10:00:00", "Easy", "5")}, 0),
                         ReportOutput::pdfFile(pdfPath())));
    const QDateTime after = QDateTime::currentDateTime();
    const QString text = PdfText::text(pdfPath());
    QCOMPARE(valueAfter(text, QStringLiteral("Last name")), QStringLiteral("Durand"));
    QCOMPARE(valueAfter(text, QStringLiteral("First name")), QStringLiteral("Camille"));
    const QDate date = DateTimeSettings.parseDate(valueAfter(text, QStringLiteral("Printed on")));
    const QTime time = DateTimeSettings.parseTime(valueAfter(text, QStringLiteral("Printed at")));
    QVERIFY(date.isValid() && time.isValid());
    const QDateTime printed(date, time);
    QVERIFY2(printed >= before.addSecs(-1) && printed <= after, qPrintable(printed.toString()));
}

void TestPrintHistory::chartOverwrittenEachPrint()
{
    const QList<QStringList> grid = {trial("03/01/2025", "10:00:00", "Easy", "30")};
    QVERIFY(PrintHistory(input(grid, 0), ReportOutput::pdfFile(pdfPath())));
    const QByteArray first = m_installation->read(QStringLiteral("chart.bmp"));
    QCOMPARE(QImage(chartPath()).size(), QSize(600, 260));

    m_chart = makeChart({30, 28, 25, 21, 18}, QStringLiteral("Clock Hard"), QSize(700, 300));
    QVERIFY(PrintHistory(input(grid, 0), ReportOutput::pdfFile(pdfPath())));
    const QByteArray second = m_installation->read(QStringLiteral("chart.bmp"));
    QVERIFY(second != first);
    const QImage written(chartPath());
    QCOMPARE(written.size(), QSize(700, 300));
    // The picture is the chart as it is shown now.
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
             m_chart->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

void TestPrintHistory::emptyHistoryPrintsNothing_data()
{
    QTest::addColumn<QList<QStringList>>("grid");
    QTest::newRow("no row") << QList<QStringList>{};
    QTest::newRow("first trial cell empty") << QList<QStringList>{{"", "", "", ""}};
}

void TestPrintHistory::emptyHistoryPrintsNothing()
{
    QFETCH(QList<QStringList>, grid);
    QVERIFY(!PrintHistory(input(grid, 0), ReportOutput::pdfFile(pdfPath())));
    QVERIFY(!QFile::exists(pdfPath()));
    QVERIFY(!QFile::exists(chartPath()));
    QVERIFY(m_messages->texts().isEmpty());
}

void TestPrintHistory::templateErrors_data()
{
    QTest::addColumn<QString>("from"); // text replaced in the shipped template;
    QTest::addColumn<QString>("to");   // "from" empty: the template is removed
    QTest::addColumn<QStringList>("fragments");
    QTest::addColumn<bool>("chartWritten");
    QTest::newRow("missing template")
        << ""
        << "" << QStringList{"RptMirado.rav", "does not exist"} << false;
    QTest::newRow("malformed template") << "</reportProject>"
                                        << "" << QStringList{"RptMirado.rav", "not valid"} << false;
    QTest::newRow("unknown report")
        << "name=\"History_Report\""
        << "name=\"History\"" << QStringList{"\"History_Report\"", "RptMirado.rav"} << false;
    QTest::newRow("unknown page") << "name=\"Page1\""
                                  << "name=\"Page 1\"" << QStringList{"\"Page1\""} << false;
    QTest::newRow("unknown item") << "name=\"Heure\""
                                  << "name=\"Time\"" << QStringList{"\"Heure\"", "\"Page1\""}
                                  << false;
    QTest::newRow("unknown connection")
        << "connection=\"RvCustomConnection1\""
        << "connection=\"Trials\"" << QStringList{"\"Trials\""} << true;
    QTest::newRow("missing picture") << "file=\"chart.bmp\""
                                     << "file=\"graph.bmp\"" << QStringList{"graph.bmp"} << true;
}

void TestPrintHistory::templateErrors()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, fragments);
    QFETCH(bool, chartWritten);
    if (from.isEmpty()) {
        QVERIFY(QFile::remove(templatePath()));
    } else {
        QString content = QString::fromUtf8(m_installation->read(QStringLiteral("RptMirado.rav")));
        QVERIFY(content.contains(from));
        content.replace(from, to);
        m_installation->write(QStringLiteral("RptMirado.rav"), content.toUtf8());
    }
    QString message;
    try {
        PrintHistory(input({trial("03/01/2025", "10:00:00", "Easy", "5")}, 0),
                     ReportOutput::pdfFile(pdfPath()));
    } catch (const AppError& error) {
        message = error.message();
    }
    for (const QString& fragment : fragments)
        QVERIFY2(message.contains(fragment), qPrintable(message + " lacks " + fragment));
    QVERIFY(!QFile::exists(pdfPath()));
    QCOMPARE(QFile::exists(chartPath()), chartWritten);
}

void TestPrintHistory::chartNotWritable()
{
    // A folder where the picture should go: the old picture must not be
    // printed as if it were the current chart.
    QVERIFY(QDir(m_installation->path()).mkdir(QStringLiteral("chart.bmp")));
    QString message;
    try {
        PrintHistory(input({trial("03/01/2025", "10:00:00", "Easy", "5")}, 0),
                     ReportOutput::pdfFile(pdfPath()));
    } catch (const AppError& error) {
        message = error.message();
    }
    QVERIFY2(message.contains(chartPath()), qPrintable(message));
    QVERIFY(!QFile::exists(pdfPath()));
}

void TestPrintHistory::longListContinues()
{
    QList<QStringList> grid;
    for (int i = 1; i <= 45; ++i) {
        grid.append(trial(QStringLiteral("05/%1/2025").arg(i % 28 + 1, 2, 10, QLatin1Char('0')),
                          QStringLiteral("08:%1:00").arg(i, 2, 10, QLatin1Char('0')),
                          i % 9 == 0 ? QStringLiteral("Other") : QStringLiteral("Long"),
                          QString::number(100 + i)));
    }
    QVERIFY(PrintHistory(input(grid, 0), ReportOutput::pdfFile(pdfPath())));
    QCOMPARE(PdfText::pageCount(pdfPath()), 2);

    QList<QStringList> printed;
    for (int page = 1; page <= 2; ++page) {
        const QString text = PdfText::text(pdfPath(), page);
        // Every sheet carries the patient, the list header and its number.
        QCOMPARE(valueAfter(text, QStringLiteral("Last name")), QStringLiteral("Durand"));
        QCOMPARE(valueAfter(text, QStringLiteral("Level")), QStringLiteral("Long"));
        QVERIFY(text.contains(QStringLiteral("No.")) && text.contains(QStringLiteral("Score")));
        QVERIFY(text.contains(QStringLiteral("Page %1 of 2").arg(page)));
        QCOMPARE(text.contains(QStringLiteral("Trials (continued)")), page == 2);
        const QList<QStringList> rows = PdfText::numberedRows(text);
        QVERIFY(!rows.isEmpty());
        printed += rows;
    }
    // 40 trials of the level, numbered on across the break, in grid order.
    QCOMPARE(printed.size(), 40);
    int n = 0;
    for (const QStringList& source : grid) {
        if (source[2] != QLatin1String("Long"))
            continue;
        QCOMPARE(printed[n],
                 (QStringList{QString::number(n + 1), source[0], source[1], source[3]}));
        ++n;
    }
}

void TestPrintHistory::inputFromGrid_data()
{
    QTest::addColumn<int>("titleRows");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("selected");
    QTest::newRow("titles in the header") << 0 << 2 << 2;
    QTest::newRow("titles in row 0") << 1 << 2 << 1;
    QTest::newRow("no current row") << 0 << -1 << -1;
}

void TestPrintHistory::inputFromGrid()
{
    QFETCH(int, titleRows);
    QFETCH(int, current);
    QFETCH(int, selected);
    QTableWidget grid(titleRows + 3, 4);
    const QStringList titles{"Date", "Time", "Level", "Score"};
    for (int c = 0; c < 4 && titleRows; ++c)
        grid.setItem(0, c, new QTableWidgetItem(titles[c]));
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (!(r == 2 && c == 1)) // one cell never filled
                grid.setItem(titleRows + r, c,
                             new QTableWidgetItem(QStringLiteral("r%1c%2").arg(r).arg(c)));
        }
    }
    grid.setCurrentCell(current, current < 0 ? -1 : 0);
    const HistoryPrintInput in = HistoryPrintInput::fromWindow(
        grid, QStringLiteral("N"), QStringLiteral("P"), 3, m_chart.get(), titleRows);
    QCOMPARE(in.trialRows.size(), 3);
    QCOMPARE(in.trialRows[0], (QStringList{"r0c0", "r0c1", "r0c2", "r0c3"}));
    QCOMPARE(in.trialRows[2], (QStringList{"r2c0", "", "r2c2", "r2c3"}));
    QCOMPARE(in.selectedRow, current < 0 ? -1 : selected);
    QCOMPARE(in.nom, QStringLiteral("N"));
    QCOMPARE(in.gameType, 3);
    QCOMPARE(in.chart, static_cast<QWidget*>(m_chart.get()));
}

void TestPrintHistory::statusWindowFollowsPages()
{
    QStringList seen;
    // The status window lets timers run while it paints: look at it then.
    QTimer probe;
    probe.setInterval(0);
    connect(&probe, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("ReportStatus") && window->isVisible()) {
                const QString entry = window->windowTitle() + QLatin1Char('|') +
                                      window->findChild<QLabel*>(QStringLiteral("lStatus"))->text();
                if (!seen.contains(entry))
                    seen.append(entry);
            }
        }
    });
    probe.start();
    QList<QStringList> grid;
    for (int i = 1; i <= 20; ++i)
        grid.append(trial("06/01/2025", "10:00:00", "L", QString::number(i)));
    QVERIFY(PrintHistory(input(grid, 0), ReportOutput::pdfFile(pdfPath())));
    probe.stop();
    QCOMPARE(seen, (QStringList{"Status|Generating page 1", "Status|Generating page 2",
                                "Status|Printing page 1", "Status|Printing page 2"}));
}

void TestPrintHistory::previewWindow()
{
    const QString saved = m_installation->filePath(QStringLiteral("saved")); // no suffix given
    bool checked = false;
    onNextModal([&](QWidget* modal) {
        auto* preview = qobject_cast<ReportPreviewWindow*>(modal);
        QVERIFY(preview);
        QCOMPARE(preview->windowTitle(), QStringLiteral("Preview"));
        QVERIFY(preview->windowState() & Qt::WindowMaximized);
        QCOMPARE(preview->canvas()->zoom(), 70.0);
        QCOMPARE(preview->canvas()->marginPercent(), 2.5);
        QCOMPARE(preview->findChild<QLabel*>(QStringLiteral("lPage"))->text(),
                 QStringLiteral("Page 1 of 1"));
        QCOMPARE(preview->findChild<QLabel*>(QStringLiteral("lZoom"))->text(),
                 QStringLiteral("70 %"));
        auto* savePdf = preview->findChild<QAction*>(QStringLiteral("actSavePdf"));
        QVERIFY(savePdf);
        QCOMPARE(savePdf->text(), QStringLiteral("Save as PDF..."));
        ReportFileDialog::setNextSaveFileName(saved);
        savePdf->trigger();
        // A cancelled dialog writes nothing.
        ReportFileDialog::setNextSaveFileName(QString());
        savePdf->trigger();
        checked = true;
    });
    QVERIFY(PrintHistory(input({trial("07/01/2025", "11:00:00", "Easy", "42")}, 0)));
    QVERIFY(checked);
    QVERIFY(m_messages->texts().isEmpty());
    const QString pdf = saved + QStringLiteral(".pdf");
    QCOMPARE(PdfText::pageCount(pdf), 1);
    QCOMPARE(PdfText::numberedRows(PdfText::text(pdf)),
             (QList<QStringList>{{"1", "07/01/2025", "11:00:00", "42"}}));
}

void TestPrintHistory::printerDialog()
{
    // The set-up dialog and the printer, with the printer writing a PDF file
    // so that the page can be read back.
    ReportProject project;
    project.setProjectFile(templatePath());
    project.open();
    QVERIFY(m_chart->grab().save(chartPath(), "BMP"));
    TPrintModule module;
    module.setTrialGrid({trial("08/01/2025", "12:00:00", "Easy", "7")}, 0);
    ReportSystem system;
    const ReportDocument document =
        system.generate(project.findReport(QStringLiteral("History_Report")), module.connections());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath());
    QString title;
    onNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->accept();
    });
    QVERIFY(system.printWithDialog(document, printer, nullptr));
    QCOMPARE(title, QStringLiteral("Print"));
    QCOMPARE(printer.docName(), QStringLiteral("ReportPrinter Report"));
    QCOMPARE(PdfText::pageCount(pdfPath()), 1);
    QCOMPARE(PdfText::info(pdfPath(), QStringLiteral("Title")),
             QStringLiteral("ReportPrinter Report"));
    QVERIFY(PdfText::text(pdfPath()).contains(QStringLiteral("08/01/2025")));
}

QTEST_MAIN(TestPrintHistory)
#include "tst_printhistory.moc"
