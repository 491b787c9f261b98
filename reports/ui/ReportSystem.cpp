#include "ReportSystem.h"

#include "AppError.h"
#include "MessageTable.h"
#include "ReportPreview.h"

#include <QApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

ReportStatusWindow::ReportStatusWindow(const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("ReportStatus"));
    setWindowTitle(title);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("lStatus"));
    m_label->setMinimumWidth(240);
    m_label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
}

void ReportStatusWindow::showPage(const QString& pattern, int page)
{
    QString text = pattern;
    text.replace(QLatin1String("%p"), QString::number(page));
    m_label->setText(text);
    if (!isVisible())
        show();
    // Let the window paint; user input waits until the report is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString ReportStatusWindow::text() const
{
    return m_label->text();
}

ReportSystem::ReportSystem(QObject* parent) : QObject(parent)
{
    settings.setupTitle = tr("Print");
    settings.statusTitle = tr("Status");
    settings.statusGenerating = tr("Generating page %p");
    settings.statusPrinting = tr("Printing page %p");
    settings.previewTitle = tr("Preview");
    // The job title is what the print queue lists; it stays as it is.
    settings.jobTitle = QStringLiteral("ReportPrinter Report");
}

ReportDocument ReportSystem::generate(const Report& report,
                                      const QList<ReportCustomConnection*>& connections,
                                      QWidget* parent)
{
    ReportStatusWindow status(settings.statusTitle, parent);
    return GenerateReport(report, connections,
                          [&](int page) { status.showPage(settings.statusGenerating, page); });
}

void ReportSystem::writePdf(const ReportDocument& document, const QString& path, QWidget* parent)
{
    ReportStatusWindow status(settings.statusTitle, parent);
    document.writePdf(path, [&](int page) { status.showPage(settings.statusPrinting, page); });
}

bool ReportSystem::printWithDialog(const ReportDocument& document, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    return printWithDialog(document, printer, parent);
}

bool ReportSystem::printWithDialog(const ReportDocument& document, QPrinter& printer,
                                   QWidget* parent)
{
    printer.setDocName(settings.jobTitle);
    // Items are placed from the paper's corner, not from the printable area.
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("ReportPrintDialog"));
    dialog.setWindowTitle(settings.setupTitle);
    dialog.setMinMax(1, document.pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;

    ReportDocument chosen = document;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        const int from = std::max(1, printer.fromPage());
        const int to = std::min(document.pageCount(), std::max(from, printer.toPage()));
        chosen.sheets = document.sheets.mid(from - 1, to - from + 1);
    }
    ReportStatusWindow status(settings.statusTitle, parent);
    if (!chosen.print(printer, [&](int page) { status.showPage(settings.statusPrinting, page); }))
        throw AppError(Msg::tr(Msg::ReportPrinterFailed).arg(printer.printerName()));
    return true;
}

void ReportSystem::preview(const ReportDocument& document, QWidget* parent)
{
    ReportPreviewWindow window(document, *this, parent);
    if (settings.previewMaximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    window.exec();
}

void ReportSystem::execute(const Report& report, const QList<ReportCustomConnection*>& connections,
                           const ReportOutput& output, QWidget* parent)
{
    const ReportDocument document = generate(report, connections, parent);
    switch (output.kind) {
    case ReportOutput::Kind::Preview:
        preview(document, parent);
        break;
    case ReportOutput::Kind::Printer:
        printWithDialog(document, parent);
        break;
    case ReportOutput::Kind::PdfFile:
        writePdf(document, output.pdfPath, parent);
        break;
    }
}
