#include "ReportPreview.h"

#include "Application.h"
#include "ReportSystem.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <optional>

namespace {
constexpr double MinZoom = 10;
constexpr double MaxZoom = 400;
constexpr double ZoomStep = 1.25;
std::optional<QString> nextSaveFileName;
} // namespace

void ReportFileDialog::setNextSaveFileName(const QString& path)
{
    nextSaveFileName = path;
}

QString ReportFileDialog::getSaveFileName(QWidget* parent, const QString& caption,
                                          const QString& suggestion, const QString& filter)
{
    if (nextSaveFileName)
        return std::exchange(nextSaveFileName, std::nullopt).value();
    return QFileDialog::getSaveFileName(parent, caption, suggestion, filter);
}

// ---------------------------------------------------------------------------

ReportPreviewCanvas::ReportPreviewCanvas(const ReportDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("ReportPreviewCanvas"));
    setAutoFillBackground(false);
    relayout();
}

void ReportPreviewCanvas::setZoom(double percent)
{
    m_zoom = std::clamp(percent, MinZoom, MaxZoom);
    relayout();
}

void ReportPreviewCanvas::setMarginPercent(double percent)
{
    m_marginPercent = std::max(0.0, percent);
    relayout();
}

double ReportPreviewCanvas::dotsPerMm() const
{
    // 100 % shows the paper at its real size on the screen.
    return m_zoom / 100.0 * logicalDpiX() / 25.4;
}

int ReportPreviewCanvas::margin() const
{
    double widest = 0;
    for (const ReportSheet& sheet : m_document.sheets)
        widest = std::max(widest, sheet.size.width());
    return qRound(widest * dotsPerMm() * m_marginPercent / 100.0);
}

QRect ReportPreviewCanvas::pageRect(int index) const
{
    const double scale = dotsPerMm();
    const int gap = margin();
    int y = gap;
    for (int i = 0; i < index; ++i)
        y += qRound(m_document.sheets[i].size.height() * scale) + gap;
    const QSizeF mm = m_document.sheets[index].size;
    const QSize size(qRound(mm.width() * scale), qRound(mm.height() * scale));
    return QRect(QPoint((width() - size.width()) / 2, y), size);
}

int ReportPreviewCanvas::pageAt(int y) const
{
    for (int i = 0; i < m_document.pageCount(); ++i) {
        if (y < pageRect(i).bottom() + margin())
            return i;
    }
    return std::max(0, m_document.pageCount() - 1);
}

void ReportPreviewCanvas::relayout()
{
    const double scale = dotsPerMm();
    const int gap = margin();
    int width = 0;
    int height = gap;
    for (const ReportSheet& sheet : m_document.sheets) {
        width = std::max(width, qRound(sheet.size.width() * scale));
        height += qRound(sheet.size.height() * scale) + gap;
    }
    setMinimumSize(width + 2 * gap, height);
    resize(std::max(this->width(), width + 2 * gap), height);
    update();
}

void ReportPreviewCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    for (int i = 0; i < m_document.pageCount(); ++i) {
        const QRect page = pageRect(i);
        if (!page.adjusted(0, 0, 4, 4).intersects(event->rect()))
            continue;
        painter.fillRect(page.translated(3, 3), QColor(0, 0, 0, 70));
        painter.fillRect(page, Qt::white);
        painter.save();
        painter.setClipRect(page);
        painter.translate(page.topLeft());
        ReportDocument::paintSheet(painter, m_document.sheets[i], dotsPerMm());
        painter.restore();
    }
}

// ---------------------------------------------------------------------------

ReportPreviewWindow::ReportPreviewWindow(const ReportDocument& document, ReportSystem& system,
                                         QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_document(document), m_system(system)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(system.settings.previewTitle);
    resize(900, 700);

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("tbPreview"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto addAction = [&](const char* name, const QString& text, const QString& themeIcon,
                         const QKeySequence& shortcut, auto slot) {
        QAction* action = toolbar->addAction(QIcon::fromTheme(themeIcon), text);
        action->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    addAction("actPrint", tr("Print..."), QStringLiteral("document-print"), QKeySequence::Print,
              &ReportPreviewWindow::print);
    addAction("actSavePdf", tr("Save as PDF..."), QStringLiteral("document-save-as"),
              QKeySequence::Save, &ReportPreviewWindow::savePdf);
    toolbar->addSeparator();
    addAction("actZoomOut", tr("Zoom out"), QStringLiteral("zoom-out"), QKeySequence::ZoomOut,
              &ReportPreviewWindow::zoomOut);
    m_zoomLabel = new QLabel(toolbar);
    m_zoomLabel->setObjectName(QStringLiteral("lZoom"));
    m_zoomLabel->setMinimumWidth(50);
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    toolbar->addWidget(m_zoomLabel);
    addAction("actZoomIn", tr("Zoom in"), QStringLiteral("zoom-in"), QKeySequence::ZoomIn,
              &ReportPreviewWindow::zoomIn);
    addAction("actPageWidth", tr("Page width"), QStringLiteral("zoom-fit-width"), QKeySequence(),
              &ReportPreviewWindow::fitWidth);
    toolbar->addSeparator();
    addAction("actPrevious", tr("Previous page"), QStringLiteral("go-previous"),
              QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { goToPage(currentPage() - 1); });
    m_pageLabel = new QLabel(toolbar);
    m_pageLabel->setObjectName(QStringLiteral("lPage"));
    m_pageLabel->setMinimumWidth(90);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    toolbar->addWidget(m_pageLabel);
    addAction("actNext", tr("Next page"), QStringLiteral("go-next"),
              QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { goToPage(currentPage() + 1); });
    toolbar->addSeparator();
    addAction("actClose", tr("Close"), QStringLiteral("window-close"), QKeySequence(),
              &QDialog::reject);

    m_canvas = new ReportPreviewCanvas(m_document);
    m_canvas->setMarginPercent(system.settings.previewMargin);
    m_canvas->setZoom(system.settings.previewZoom);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("saPreview"));
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidget(m_canvas);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ReportPreviewWindow::updateLabels);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(m_scroll);
    updateLabels();
}

int ReportPreviewWindow::currentPage() const
{
    const int top = m_scroll->verticalScrollBar()->value();
    const int gap = m_canvas->margin();
    return m_canvas->pageAt(top + gap) + 1;
}

void ReportPreviewWindow::goToPage(int page)
{
    page = std::clamp(page, 1, std::max(1, m_document.pageCount()));
    m_scroll->verticalScrollBar()->setValue(m_canvas->pageRect(page - 1).top() -
                                            m_canvas->margin());
    updateLabels();
}

void ReportPreviewWindow::setZoom(double percent)
{
    const int page = currentPage();
    m_canvas->setZoom(percent);
    goToPage(page);
}

void ReportPreviewWindow::zoomIn()
{
    setZoom(m_canvas->zoom() * ZoomStep);
}

void ReportPreviewWindow::zoomOut()
{
    setZoom(m_canvas->zoom() / ZoomStep);
}

void ReportPreviewWindow::fitWidth()
{
    double widest = 0;
    for (const ReportSheet& sheet : m_document.sheets)
        widest = std::max(widest, sheet.size.width());
    if (widest <= 0)
        return;
    const double room =
        m_scroll->viewport()->width() / (1.0 + 2.0 * m_canvas->marginPercent() / 100.0);
    setZoom(100.0 * room / (widest * logicalDpiX() / 25.4));
}

void ReportPreviewWindow::updateLabels()
{
    m_zoomLabel->setText(tr("%1 %").arg(qRound(m_canvas->zoom())));
    m_pageLabel->setText(tr("Page %1 of %2").arg(currentPage()).arg(m_document.pageCount()));
}

void ReportPreviewWindow::savePdf()
{
    RunGuarded([this] {
        const QString start =
            m_lastPdf.isEmpty()
                ? QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                      .filePath(m_document.title + QStringLiteral(".pdf"))
                : m_lastPdf;
        QString path = ReportFileDialog::getSaveFileName(this, tr("Save as PDF"), start,
                                                         tr("PDF files (*.pdf)"));
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".pdf");
        m_system.writePdf(m_document, path, this);
        m_lastPdf = path;
    });
}

void ReportPreviewWindow::print()
{
    RunGuarded([this] { m_system.printWithDialog(m_document, this); });
}
