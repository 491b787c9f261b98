#pragma once
// The report engine's output side: where a run report goes (preview,
// printer or PDF file), with the engine's titles and preview settings, and
// the small status window that follows the pages as they are made.

#include "ReportConnection.h"
#include "ReportDocument.h"
#include "ReportProject.h"

#include <QObject>
#include <QString>
#include <QWidget>

class QLabel;
class QPrinter;

struct ReportOutput
{
    enum class Kind
    {
        Preview,
        Printer,
        PdfFile
    };
    Kind kind = Kind::Preview;
    QString pdfPath; // for PdfFile

    static ReportOutput preview() { return {}; }
    static ReportOutput printer() { return {Kind::Printer, {}}; }
    static ReportOutput pdfFile(const QString& path) { return {Kind::PdfFile, path}; }
};

struct ReportSettings
{
    QString setupTitle;       // printer set-up dialog
    QString statusTitle;      // status window
    QString statusGenerating; // "%p" stands for the page number
    QString statusPrinting;
    QString previewTitle;
    bool previewMaximized = true;
    double previewZoom = 70;    // percent of the real size
    double previewMargin = 2.5; // percent of the page width, around each page
    QString jobTitle;           // what the print queue lists
};

// A small window that tells which page is being made; shown while a report
// is generated or printed.
class ReportStatusWindow : public QWidget
{
    Q_OBJECT
public:
    ReportStatusWindow(const QString& title, QWidget* parent = nullptr);
    // Shows `pattern` with "%p" replaced by `page`.
    void showPage(const QString& pattern, int page);
    QString text() const;

private:
    QLabel* m_label;
};

class ReportSystem : public QObject
{
    Q_OBJECT
public:
    explicit ReportSystem(QObject* parent = nullptr);

    ReportSettings settings;

    // Runs `report`, pulling list rows from `connections`, and sends it to
    // `output`. A preview is modal: this returns when it is closed. Throws
    // AppError on any failure of the report or the output.
    void execute(const Report& report, const QList<ReportCustomConnection*>& connections,
                 const ReportOutput& output, QWidget* parent = nullptr);

    ReportDocument generate(const Report& report, const QList<ReportCustomConnection*>& connections,
                            QWidget* parent = nullptr);
    void writePdf(const ReportDocument& document, const QString& path, QWidget* parent = nullptr);
    // Shows the set-up dialog and prints; false when the user cancels.
    bool printWithDialog(const ReportDocument& document, QWidget* parent = nullptr);
    bool printWithDialog(const ReportDocument& document, QPrinter& printer, QWidget* parent);
    // Shows the preview window modally.
    void preview(const ReportDocument& document, QWidget* parent = nullptr);
};
