#pragma once
// A report once run: its sheets as lists of drawing operations, with the
// data, texts and pictures resolved, so that it no longer needs the project
// or the data connections. The same sheets paint a preview, a printer or a
// PDF file, so all three show the same thing.

#include "ReportConnection.h"
#include "ReportProject.h"

#include <QImage>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;
class QPagedPaintDevice;

struct ReportDrawOp
{
    enum class Kind
    {
        Text,
        Line,
        Box,
        Picture
    };
    Kind kind = Kind::Text;
    QString item;  // the template item it comes from
    QString field; // list cells: the field shown; empty for the header
    QRectF rect;   // millimetres
    QLineF line;   // millimetres, for lines
    QString text;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    bool elide = false;  // cut with "…" when wider than the rectangle
    double penWidth = 0; // millimetres; 0: no outline
    QColor penColor = Qt::black;
    QColor fill = Qt::transparent;
    double radius = 0;
    QImage picture;
    bool keepAspect = true;
};

struct ReportSheet
{
    QSizeF size; // millimetres
    QList<ReportDrawOp> ops;
};

class ReportDocument
{
public:
    using PageProgress = std::function<void(int page)>;

    QString title;
    QList<ReportSheet> sheets;

    int pageCount() const { return int(sheets.size()); }

    // Paints one sheet; the painter's origin is the paper's top-left corner
    // and `dotsPerMm` device pixels make one millimetre.
    static void paintSheet(QPainter& painter, const ReportSheet& sheet, double dotsPerMm);

    // Paints every sheet on a printer or PDF writer (origin at the paper
    // corner, i.e. a full-page printer); false when the device cannot be
    // painted on. `onPrinting` hears of each page before it is painted.
    bool print(QPagedPaintDevice& device, const PageProgress& onPrinting = {}) const;

    // Writes the document as a PDF file; throws AppError naming the file.
    void writePdf(const QString& path, const PageProgress& onPrinting = {}) const;

    // One sheet as a white picture at `dpi`.
    QImage renderSheet(int index, double dpi) const;
};

// Runs a report: pulls the rows of each list from the connection it names,
// spreads a list over as many sheets as it needs (its header repeated on
// each), places the other items on the sheets their "pages" setting gives,
// replaces "{page}" and "{pages}" and loads the pictures. Throws AppError
// naming an unknown connection or field, a missing or unreadable picture,
// or a list without room for a row. `onGenerating` hears of each page.
ReportDocument GenerateReport(const Report& report,
                              const QList<ReportCustomConnection*>& connections,
                              const ReportDocument::PageProgress& onGenerating = {});
