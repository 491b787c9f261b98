#pragma once
// A report project: the templates of named reports, read from our XML
// project file (reports/FORMAT.md). Every length is in millimetres from the
// top-left corner of the paper; font sizes are in points.

#include <QColor>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

struct ReportFont
{
    QString family = QStringLiteral("DejaVu Sans");
    double size = 10.0;
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;
};

// On which of the sheets of a page an item is drawn, when a list spreads
// the page over several sheets: all, the first, the last, or all but the first.
enum class ReportItemPages
{
    All,
    First,
    Last,
    Later
};

enum class ReportItemKind
{
    Text,
    List,
    Picture,
    Line,
    Box
};

class ReportItem
{
public:
    virtual ~ReportItem() = default;
    virtual ReportItemKind kind() const = 0;

    QString name; // may be empty for decoration
    ReportItemPages pages = ReportItemPages::All;
};

class ReportTextItem : public ReportItem
{
public:
    ReportItemKind kind() const override { return ReportItemKind::Text; }
    void setText(const QString& value) { text = value; }

    QRectF rect;
    QString text; // "{page}" and "{pages}" are replaced when the report runs
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
};

struct ReportColumn
{
    QString header;
    QString field;
    double x = 0; // from the left edge of the list
    double width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// A band of rows pulled from a data connection. On the first sheet the
// header sits at `rect.top()`; on every further sheet at `continueY`. Rows
// stop at `rect.bottom()`.
class ReportListItem : public ReportItem
{
public:
    ReportItemKind kind() const override { return ReportItemKind::List; }

    QRectF rect;
    double continueY = 0;
    QString connection;
    double rowHeight = 6;
    double headerHeight = 7;
    ReportFont font;
    ReportFont headerFont;
    QColor headerFill = Qt::transparent;
    QColor stripeFill = Qt::transparent; // every second row
    QColor lineColor = Qt::transparent;  // rule under the header and each row
    QList<ReportColumn> columns;
};

class ReportPictureItem : public ReportItem
{
public:
    ReportItemKind kind() const override { return ReportItemKind::Picture; }

    QRectF rect;
    QString file; // relative to the project file's folder, or absolute
    bool keepAspect = true;
    double frameWidth = 0; // 0: no frame
    QColor frameColor = Qt::black;
};

class ReportLineItem : public ReportItem
{
public:
    ReportItemKind kind() const override { return ReportItemKind::Line; }

    QLineF line;
    double width = 0.3;
    QColor color = Qt::black;
};

class ReportBoxItem : public ReportItem
{
public:
    ReportItemKind kind() const override { return ReportItemKind::Box; }

    QRectF rect;
    double lineWidth = 0.3; // 0: no outline
    QColor lineColor = Qt::black;
    QColor fill = Qt::transparent;
    double radius = 0;
};

class Report;

class ReportPage
{
public:
    QString name;
    QSizeF size{210, 297}; // as the paper lies: width > height is landscape
    std::vector<std::unique_ptr<ReportItem>> items;

    // Exact name; throws AppError naming the item, the page and the report.
    ReportItem& findItem(const QString& itemName) const;
    // As findItem, and the item must be a text item.
    ReportTextItem& findText(const QString& itemName) const;
    const ReportListItem* list() const; // at most one per page

    const Report* report = nullptr;
};

class Report
{
public:
    QString name;
    QString title; // the document title of the PDF and the print job
    std::vector<std::unique_ptr<ReportPage>> pages;

    ReportPage& findPage(const QString& pageName) const; // throws AppError

    QString baseDir; // folder of the project file, for picture files
};

class ReportProject
{
public:
    ReportProject() = default;
    ReportProject(const ReportProject&) = delete;
    ReportProject& operator=(const ReportProject&) = delete;

    void setProjectFile(const QString& path) { m_projectFile = path; }
    const QString& projectFile() const { return m_projectFile; }

    // Reads the project file; throws AppError naming the file when it is
    // missing, unreadable or not a valid project. A failed open leaves the
    // project closed.
    void open();
    void close();
    bool isOpen() const { return m_open; }

    // Exact name; throws AppError naming the report and the project file.
    Report& findReport(const QString& reportName) const;
    const std::vector<std::unique_ptr<Report>>& reports() const { return m_reports; }

private:
    QString m_projectFile;
    bool m_open = false;
    std::vector<std::unique_ptr<Report>> m_reports;
};
