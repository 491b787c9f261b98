#include "ReportDocument.h"

#include "AppError.h"
#include "FileNames.h"
#include "MessageTable.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace {

// Guards against a connection whose end-of-data event never says so.
constexpr int MaxRowsPerList = 1000000;
// Space between a cell's text and the column's edges.
constexpr double CellPadding = 1.5;
constexpr double HeaderRuleWidth = 0.3;
constexpr double RowRuleWidth = 0.1;

struct ListPlan
{
    const ReportListItem* list = nullptr;
    QList<QStringList> rows;
    QList<int> columnFields; // index into a row for each column
    int firstCapacity = 0;
    int laterCapacity = 0;
};

struct SheetPlan
{
    const ReportPage* page = nullptr;
    int indexInPage = 0;
    int sheetsOfPage = 1;
    const ListPlan* list = nullptr;
    int firstRow = 0;
    int rowCount = 0;
};

int capacity(const ReportListItem& list, double top)
{
    const double room = list.rect.bottom() - top - list.headerHeight;
    // A row that ends within a hundredth of a millimetre of the bottom fits.
    return room <= 0 ? 0 : int(std::floor(room / list.rowHeight + 1e-6));
}

ReportCustomConnection* findConnection(const QList<ReportCustomConnection*>& connections,
                                       const QString& name)
{
    for (ReportCustomConnection* connection : connections) {
        if (connection && connection->name() == name)
            return connection;
    }
    return nullptr;
}

ListPlan pullRows(const ReportPage& page, const ReportListItem& list,
                  const QList<ReportCustomConnection*>& connections)
{
    ListPlan plan;
    plan.list = &list;
    plan.firstCapacity = capacity(list, list.rect.top());
    plan.laterCapacity = capacity(list, list.continueY);
    if (plan.firstCapacity < 1 || plan.laterCapacity < 1)
        throw AppError(Msg::tr(Msg::ReportListNoRoom).arg(list.name, page.name));

    ReportCustomConnection* connection = findConnection(connections, list.connection);
    if (!connection)
        throw AppError(Msg::tr(Msg::ReportUnknownConnection).arg(list.name, list.connection));
    for (const ReportColumn& column : list.columns) {
        const int index = connection->fieldIndex(column.field);
        if (index < 0)
            throw AppError(
                Msg::tr(Msg::ReportUnknownField).arg(list.name, column.field, connection->name()));
        plan.columnFields.append(index);
    }

    connection->first();
    while (!connection->eof()) {
        if (plan.rows.size() >= MaxRowsPerList)
            throw AppError(Msg::tr(Msg::ReportNoEndOfData).arg(connection->name()));
        plan.rows.append(connection->getRow());
    }
    return plan;
}

bool appearsOn(const ReportItem& item, const SheetPlan& sheet)
{
    switch (item.pages) {
    case ReportItemPages::All:
        return true;
    case ReportItemPages::First:
        return sheet.indexInPage == 0;
    case ReportItemPages::Last:
        return sheet.indexInPage == sheet.sheetsOfPage - 1;
    case ReportItemPages::Later:
        return sheet.indexInPage > 0;
    }
    return true;
}

class PictureCache
{
public:
    explicit PictureCache(const QString& baseDir) : m_baseDir(baseDir) {}

    QImage load(const ReportPictureItem& item)
    {
        const QString path = QFileInfo(item.file).isAbsolute()
                                 ? item.file
                                 : ResolveFileName(m_baseDir + QLatin1Char('/'), item.file);
        if (const auto it = m_images.constFind(path); it != m_images.constEnd())
            return *it;
        if (!QFileInfo(path).isFile())
            throw AppError(Msg::tr(Msg::ReportPictureMissing).arg(path, item.name));
        QImageReader reader(path);
        const QImage image = reader.read();
        if (image.isNull())
            throw AppError(Msg::tr(Msg::ReportPictureUnreadable).arg(path, item.name));
        m_images.insert(path, image);
        return image;
    }

private:
    QString m_baseDir;
    QHash<QString, QImage> m_images;
};

void addList(ReportSheet& sheet, const SheetPlan& plan)
{
    const ListPlan& data = *plan.list;
    const ReportListItem& list = *data.list;
    const double top = plan.indexInPage == 0 ? list.rect.top() : list.continueY;
    const double left = list.rect.left();
    const double width = list.rect.width();

    ReportDrawOp header;
    header.kind = ReportDrawOp::Kind::Box;
    header.item = list.name;
    header.rect = QRectF(left, top, width, list.headerHeight);
    header.fill = list.headerFill;
    sheet.ops.append(header);

    auto cell = [&](const ReportColumn& column, double y, double height, const QString& text,
                    const ReportFont& font, const QString& field) {
        ReportDrawOp op;
        op.kind = ReportDrawOp::Kind::Text;
        op.item = list.name;
        op.field = field;
        op.rect = QRectF(left + column.x + CellPadding, y,
                         std::max(0.0, column.width - 2 * CellPadding), height);
        op.text = text;
        op.font = font;
        op.alignment = column.alignment | Qt::AlignVCenter;
        op.elide = true;
        sheet.ops.append(op);
    };
    auto rule = [&](double y, double penWidth) {
        if (list.lineColor.alpha() == 0)
            return;
        ReportDrawOp op;
        op.kind = ReportDrawOp::Kind::Line;
        op.item = list.name;
        op.line = QLineF(left, y, left + width, y);
        op.penWidth = penWidth;
        op.penColor = list.lineColor;
        sheet.ops.append(op);
    };

    for (const ReportColumn& column : list.columns)
        cell(column, top, list.headerHeight, column.header, list.headerFont, QString());
    rule(top + list.headerHeight, HeaderRuleWidth);

    for (int k = 0; k < plan.rowCount; ++k) {
        const int rowIndex = plan.firstRow + k;
        const QStringList& row = data.rows[rowIndex];
        const double y = top + list.headerHeight + k * list.rowHeight;
        // Stripes follow the row's place in the whole list, so that they
        // alternate across a page break too.
        if (rowIndex % 2 == 1 && list.stripeFill.alpha() != 0) {
            ReportDrawOp stripe;
            stripe.kind = ReportDrawOp::Kind::Box;
            stripe.item = list.name;
            stripe.rect = QRectF(left, y, width, list.rowHeight);
            stripe.fill = list.stripeFill;
            sheet.ops.append(stripe);
        }
        for (int c = 0; c < list.columns.size(); ++c)
            cell(list.columns[c], y, list.rowHeight, row.value(data.columnFields[c]), list.font,
                 list.columns[c].field);
        rule(y + list.rowHeight, RowRuleWidth);
    }
}

QString withPageNumbers(QString text, int page, int pages)
{
    text.replace(QLatin1String("{page}"), QString::number(page));
    text.replace(QLatin1String("{pages}"), QString::number(pages));
    return text;
}

QPageLayout layoutOf(const ReportSheet& sheet)
{
    const bool landscape = sheet.size.width() > sheet.size.height();
    const QSizeF portrait = landscape ? sheet.size.transposed() : sheet.size;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

} // namespace

ReportDocument GenerateReport(const Report& report,
                              const QList<ReportCustomConnection*>& connections,
                              const ReportDocument::PageProgress& onGenerating)
{
    // First the rows, so that the number of sheets is known before any
    // "{pages}" is written.
    std::vector<std::unique_ptr<ListPlan>> lists;
    QList<SheetPlan> plans;
    for (const auto& page : report.pages) {
        const ReportListItem* list = page->list();
        if (!list) {
            plans.append(SheetPlan{page.get(), 0, 1, nullptr, 0, 0});
            continue;
        }
        lists.push_back(std::make_unique<ListPlan>(pullRows(*page, *list, connections)));
        const ListPlan& data = *lists.back();
        const int total = int(data.rows.size());
        int sheets = 1;
        if (total > data.firstCapacity)
            sheets += (total - data.firstCapacity + data.laterCapacity - 1) / data.laterCapacity;
        int next = 0;
        for (int s = 0; s < sheets; ++s) {
            const int room = s == 0 ? data.firstCapacity : data.laterCapacity;
            const int count = std::min(room, total - next);
            plans.append(SheetPlan{page.get(), s, sheets, &data, next, count});
            next += count;
        }
    }

    ReportDocument document;
    document.title = report.title;
    PictureCache pictures(report.baseDir);
    const int pageCount = int(plans.size());
    for (int p = 0; p < pageCount; ++p) {
        if (onGenerating)
            onGenerating(p + 1);
        const SheetPlan& plan = plans[p];
        ReportSheet sheet;
        sheet.size = plan.page->size;
        for (const auto& item : plan.page->items) {
            if (item->kind() == ReportItemKind::List) {
                addList(sheet, plan);
                continue;
            }
            if (!appearsOn(*item, plan))
                continue;
            ReportDrawOp op;
            op.item = item->name;
            switch (item->kind()) {
            case ReportItemKind::Text: {
                const auto& text = static_cast<const ReportTextItem&>(*item);
                op.kind = ReportDrawOp::Kind::Text;
                op.rect = text.rect;
                op.text = withPageNumbers(text.text, p + 1, pageCount);
                op.font = text.font;
                op.alignment = text.alignment;
                op.wordWrap = text.wordWrap;
                break;
            }
            case ReportItemKind::Picture: {
                const auto& picture = static_cast<const ReportPictureItem&>(*item);
                op.kind = ReportDrawOp::Kind::Picture;
                op.rect = picture.rect;
                op.picture = pictures.load(picture);
                op.keepAspect = picture.keepAspect;
                op.penWidth = picture.frameWidth;
                op.penColor = picture.frameColor;
                break;
            }
            case ReportItemKind::Line: {
                const auto& line = static_cast<const ReportLineItem&>(*item);
                op.kind = ReportDrawOp::Kind::Line;
                op.line = line.line;
                op.penWidth = line.width;
                op.penColor = line.color;
                break;
            }
            case ReportItemKind::Box: {
                const auto& box = static_cast<const ReportBoxItem&>(*item);
                op.kind = ReportDrawOp::Kind::Box;
                op.rect = box.rect;
                op.penWidth = box.lineWidth;
                op.penColor = box.lineColor;
                op.fill = box.fill;
                op.radius = box.radius;
                break;
            }
            case ReportItemKind::List:
                break;
            }
            sheet.ops.append(op);
        }
        document.sheets.append(sheet);
    }
    return document;
}

void ReportDocument::paintSheet(QPainter& painter, const ReportSheet& sheet, double dotsPerMm)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    // Point sizes are resolved by the device's resolution; scale them so
    // that a zoomed preview shrinks the text with the page.
    const double fontScale = dotsPerMm * 25.4 / painter.device()->logicalDpiY();
    auto device = [dotsPerMm](const QRectF& mm) {
        return QRectF(mm.x() * dotsPerMm, mm.y() * dotsPerMm, mm.width() * dotsPerMm,
                      mm.height() * dotsPerMm);
    };
    auto pen = [dotsPerMm](const ReportDrawOp& op) {
        QPen result(op.penColor, op.penWidth * dotsPerMm);
        result.setCapStyle(Qt::FlatCap);
        result.setJoinStyle(Qt::MiterJoin);
        return result;
    };

    for (const ReportDrawOp& op : sheet.ops) {
        switch (op.kind) {
        case ReportDrawOp::Kind::Text: {
            QFont font(op.font.family);
            font.setPointSizeF(op.font.size * fontScale);
            font.setBold(op.font.bold);
            font.setItalic(op.font.italic);
            painter.setFont(font);
            painter.setPen(op.font.color);
            const QRectF rect = device(op.rect);
            QString text = op.text;
            if (op.elide)
                text = QFontMetricsF(font, painter.device())
                           .elidedText(text, Qt::ElideRight, rect.width());
            int flags = int(op.alignment);
            if (op.wordWrap)
                flags |= Qt::TextWordWrap;
            painter.drawText(rect, flags, text);
            break;
        }
        case ReportDrawOp::Kind::Line:
            painter.setPen(pen(op));
            painter.drawLine(QLineF(op.line.p1() * dotsPerMm, op.line.p2() * dotsPerMm));
            break;
        case ReportDrawOp::Kind::Box: {
            painter.setPen(op.penWidth > 0 ? pen(op) : QPen(Qt::NoPen));
            painter.setBrush(op.fill.alpha() != 0 ? QBrush(op.fill) : QBrush(Qt::NoBrush));
            const QRectF rect = device(op.rect);
            if (op.radius > 0)
                painter.drawRoundedRect(rect, op.radius * dotsPerMm, op.radius * dotsPerMm);
            else
                painter.drawRect(rect);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        case ReportDrawOp::Kind::Picture: {
            QRectF target = device(op.rect);
            if (op.keepAspect && !op.picture.isNull()) {
                QSizeF fitted =
                    QSizeF(op.picture.size()).scaled(target.size(), Qt::KeepAspectRatio);
                QRectF centred(QPointF(), fitted);
                centred.moveCenter(target.center());
                target = centred;
            }
            painter.drawImage(target, op.picture);
            if (op.penWidth > 0) {
                painter.setPen(pen(op));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(target);
            }
            break;
        }
        }
    }
    painter.restore();
}

bool ReportDocument::print(QPagedPaintDevice& device, const PageProgress& onPrinting) const
{
    if (sheets.isEmpty())
        return true;
    device.setPageLayout(layoutOf(sheets.first()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int i = 0; i < sheets.size(); ++i) {
        if (onPrinting)
            onPrinting(i + 1);
        if (i > 0) {
            device.setPageLayout(layoutOf(sheets[i]));
            if (!device.newPage())
                return false;
        }
        paintSheet(painter, sheets[i], device.logicalDpiX() / 25.4);
    }
    return painter.end();
}

void ReportDocument::writePdf(const QString& path, const PageProgress& onPrinting) const
{
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Velunor"));
    writer.setResolution(1200);
    if (!print(writer, onPrinting))
        throw AppError(Msg::tr(Msg::ReportPdfNotWritten).arg(path));
}

QImage ReportDocument::renderSheet(int index, double dpi) const
{
    const ReportSheet& sheet = sheets.at(index);
    const double dotsPerMm = dpi / 25.4;
    QImage image(
        QSize(qRound(sheet.size.width() * dotsPerMm), qRound(sheet.size.height() * dotsPerMm)),
        QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintSheet(painter, sheet, dotsPerMm);
    return image;
}
