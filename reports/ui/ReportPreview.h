#pragma once
// The print preview: the report's pages one below the other on a grey
// desk, with printing, saving as PDF, zoom and page moves in a tool bar.

#include "ReportDocument.h"

#include <QDialog>
#include <QString>
#include <QWidget>

class QAction;
class QLabel;
class QScrollArea;
class ReportSystem;

// The file dialog of "Save as PDF...". A test queues the next answer
// instead of the dialog; an empty answer is a cancel.
namespace ReportFileDialog {
void setNextSaveFileName(const QString& path);
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggestion,
                        const QString& filter);
} // namespace ReportFileDialog

class ReportPreviewCanvas : public QWidget
{
    Q_OBJECT
public:
    ReportPreviewCanvas(const ReportDocument& document, QWidget* parent = nullptr);

    void setZoom(double percent);
    double zoom() const { return m_zoom; }
    void setMarginPercent(double percent);
    double marginPercent() const { return m_marginPercent; }

    double dotsPerMm() const;
    int margin() const; // pixels between and around the pages
    QRect pageRect(int index) const;
    int pageAt(int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void relayout();

    const ReportDocument& m_document;
    double m_zoom = 100;
    double m_marginPercent = 0;
};

class ReportPreviewWindow : public QDialog
{
    Q_OBJECT
public:
    ReportPreviewWindow(const ReportDocument& document, ReportSystem& system,
                        QWidget* parent = nullptr);

    ReportPreviewCanvas* canvas() const { return m_canvas; }
    int currentPage() const; // 1-based, the page at the top of the view
    void goToPage(int page);

public slots:
    void savePdf();
    void print();
    void zoomIn();
    void zoomOut();
    void fitWidth();

private:
    void setZoom(double percent);
    void updateLabels();

    ReportDocument m_document;
    ReportSystem& m_system;
    ReportPreviewCanvas* m_canvas;
    QScrollArea* m_scroll;
    QLabel* m_zoomLabel;
    QLabel* m_pageLabel;
    QString m_lastPdf;
};
