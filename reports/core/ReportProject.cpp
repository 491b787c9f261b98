#include "ReportProject.h"

#include "AppError.h"
#include "MessageTable.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QSet>
#include <QXmlStreamReader>

// ---------------------------------------------------------------------------
// Lookups

ReportItem& ReportPage::findItem(const QString& itemName) const
{
    for (const auto& item : items) {
        if (!item->name.isEmpty() && item->name == itemName)
            return *item;
    }
    throw AppError(
        Msg::tr(Msg::ReportUnknownItem).arg(itemName, name, report ? report->name : QString()));
}

ReportTextItem& ReportPage::findText(const QString& itemName) const
{
    ReportItem& item = findItem(itemName);
    if (item.kind() != ReportItemKind::Text)
        throw AppError(Msg::tr(Msg::ReportItemNotText).arg(itemName, name));
    return static_cast<ReportTextItem&>(item);
}

const ReportListItem* ReportPage::list() const
{
    for (const auto& item : items) {
        if (item->kind() == ReportItemKind::List)
            return static_cast<const ReportListItem*>(item.get());
    }
    return nullptr;
}

ReportPage& Report::findPage(const QString& pageName) const
{
    for (const auto& page : pages) {
        if (page->name == pageName)
            return *page;
    }
    throw AppError(Msg::tr(Msg::ReportUnknownPage).arg(pageName, name));
}

Report& ReportProject::findReport(const QString& reportName) const
{
    if (!m_open)
        throw AppError(Msg::tr(Msg::ReportNotOpen));
    for (const auto& report : m_reports) {
        if (report->name == reportName)
            return *report;
    }
    throw AppError(Msg::tr(Msg::ReportUnknownReport).arg(reportName, m_projectFile));
}

// ---------------------------------------------------------------------------
// Reading the project file

namespace {

// A problem with the content; reported with the reader's line and column.
struct XmlProblem
{
    QString text;
};

class ProjectReader
{
public:
    ProjectReader(QXmlStreamReader& xml, const QString& baseDir) : m_xml(xml), m_baseDir(baseDir) {}

    std::vector<std::unique_ptr<Report>> readProject()
    {
        if (!m_xml.readNextStartElement()) {
            // Empty or broken document: the reader holds the reason.
            if (!m_xml.hasError())
                m_xml.raiseError(QStringLiteral("no root element"));
            return {};
        }
        if (m_xml.name() != QLatin1String("reportProject"))
            throw XmlProblem{Msg::tr(Msg::ReportXmlWrongRoot).arg(m_xml.name().toString())};
        allowOnly({"version"});

        std::vector<std::unique_ptr<Report>> reports;
        QSet<QString> names;
        while (m_xml.readNextStartElement()) {
            expect(QStringLiteral("report"), QStringLiteral("reportProject"));
            auto report = readReport();
            checkUnique(names, report->name, QStringLiteral("reportProject"));
            reports.push_back(std::move(report));
        }
        return reports;
    }

private:
    std::unique_ptr<Report> readReport()
    {
        allowOnly({"name", "title"});
        auto report = std::make_unique<Report>();
        report->name = required(QStringLiteral("name"));
        report->title = attr(QStringLiteral("title"));
        if (report->title.isEmpty())
            report->title = report->name;
        report->baseDir = m_baseDir;

        QSet<QString> names;
        while (m_xml.readNextStartElement()) {
            expect(QStringLiteral("page"), QStringLiteral("report"));
            auto page = readPage();
            checkUnique(names, page->name, QStringLiteral("report"));
            page->report = report.get();
            report->pages.push_back(std::move(page));
        }
        return report;
    }

    std::unique_ptr<ReportPage> readPage()
    {
        allowOnly({"name", "size", "orientation", "width", "height"});
        auto page = std::make_unique<ReportPage>();
        page->name = required(QStringLiteral("name"));

        const QString sizeName = attr(QStringLiteral("size"), QStringLiteral("A4"));
        static const QList<QPair<QString, QPageSize::PageSizeId>> known = {
            {QStringLiteral("A3"), QPageSize::A3},
            {QStringLiteral("A4"), QPageSize::A4},
            {QStringLiteral("A5"), QPageSize::A5},
            {QStringLiteral("Letter"), QPageSize::Letter},
            {QStringLiteral("Legal"), QPageSize::Legal},
        };
        bool found = false;
        for (const auto& [word, id] : known) {
            if (sizeName.compare(word, Qt::CaseInsensitive) == 0) {
                page->size = QPageSize::size(id, QPageSize::Millimeter);
                found = true;
            }
        }
        if (!found)
            badValue(QStringLiteral("size"), sizeName);
        if (m_xml.attributes().hasAttribute(QStringLiteral("width")))
            page->size.setWidth(positive(QStringLiteral("width")));
        if (m_xml.attributes().hasAttribute(QStringLiteral("height")))
            page->size.setHeight(positive(QStringLiteral("height")));

        const QString orientation = attr(QStringLiteral("orientation"), QStringLiteral("portrait"));
        if (orientation == QLatin1String("landscape"))
            page->size.transpose();
        else if (orientation != QLatin1String("portrait"))
            badValue(QStringLiteral("orientation"), orientation);

        QSet<QString> names;
        while (m_xml.readNextStartElement()) {
            const QString element = m_xml.name().toString();
            std::unique_ptr<ReportItem> item;
            if (element == QLatin1String("text"))
                item = readText();
            else if (element == QLatin1String("list"))
                item = readList(*page);
            else if (element == QLatin1String("picture"))
                item = readPicture();
            else if (element == QLatin1String("line"))
                item = readLine();
            else if (element == QLatin1String("box"))
                item = readBox();
            else
                throw XmlProblem{
                    Msg::tr(Msg::ReportXmlUnexpectedElement).arg(element, QStringLiteral("page"))};
            if (!item->name.isEmpty())
                checkUnique(names, item->name, QStringLiteral("page"));
            page->items.push_back(std::move(item));
        }
        return page;
    }

    std::unique_ptr<ReportItem> readText()
    {
        allowOnly({"name", "pages", "x", "y", "width", "height", "font", "size", "bold", "italic",
                   "color", "align", "valign", "wrap"});
        auto item = std::make_unique<ReportTextItem>();
        readCommon(*item);
        item->rect = readRect();
        item->font = readFont({}, ReportFont());
        item->alignment = horizontalAlign(QStringLiteral("align"), Qt::AlignLeft) |
                          verticalAlign(QStringLiteral("valign"), Qt::AlignVCenter);
        item->wordWrap = boolean(QStringLiteral("wrap"), false);
        item->text = m_xml.readElementText().trimmed();
        return item;
    }

    std::unique_ptr<ReportItem> readList(const ReportPage& page)
    {
        allowOnly({"name",         "connection",   "x",           "y",
                   "width",        "bottom",       "continueY",   "rowHeight",
                   "headerHeight", "font",         "size",        "bold",
                   "italic",       "color",        "headerFont",  "headerSize",
                   "headerBold",   "headerItalic", "headerColor", "headerFill",
                   "stripe",       "lineColor"});
        if (page.list())
            throw XmlProblem{Msg::tr(Msg::ReportXmlSecondList).arg(page.name)};
        auto item = std::make_unique<ReportListItem>();
        readCommon(*item);
        item->connection = required(QStringLiteral("connection"));
        const double x = number(QStringLiteral("x"));
        const double y = number(QStringLiteral("y"));
        const double width = positive(QStringLiteral("width"));
        const double bottom = number(QStringLiteral("bottom"));
        if (bottom <= y)
            badValue(QStringLiteral("bottom"), attr(QStringLiteral("bottom")));
        item->rect = QRectF(x, y, width, bottom - y);
        item->continueY = optionalNumber(QStringLiteral("continueY"), y);
        if (item->continueY >= bottom)
            badValue(QStringLiteral("continueY"), attr(QStringLiteral("continueY")));
        item->rowHeight = optionalPositive(QStringLiteral("rowHeight"), item->rowHeight);
        item->headerHeight = optionalPositive(QStringLiteral("headerHeight"), item->headerHeight);
        item->font = readFont({}, ReportFont());
        ReportFont headerDefault = item->font;
        headerDefault.bold = true;
        item->headerFont = readFont(QStringLiteral("header"), headerDefault);
        item->headerFill = color(QStringLiteral("headerFill"), item->headerFill);
        item->stripeFill = color(QStringLiteral("stripe"), item->stripeFill);
        item->lineColor = color(QStringLiteral("lineColor"), item->lineColor);

        while (m_xml.readNextStartElement()) {
            expect(QStringLiteral("column"), QStringLiteral("list"));
            allowOnly({"header", "field", "x", "width", "align"});
            ReportColumn column;
            column.header = attr(QStringLiteral("header"));
            column.field = required(QStringLiteral("field"));
            column.x = number(QStringLiteral("x"));
            column.width = positive(QStringLiteral("width"));
            column.alignment = horizontalAlign(QStringLiteral("align"), Qt::AlignLeft);
            item->columns.append(column);
            noChildren();
        }
        return item;
    }

    std::unique_ptr<ReportItem> readPicture()
    {
        allowOnly({"name", "pages", "x", "y", "width", "height", "file", "keepAspect", "frame",
                   "frameColor"});
        auto item = std::make_unique<ReportPictureItem>();
        readCommon(*item);
        item->rect = readRect();
        item->file = required(QStringLiteral("file"));
        item->keepAspect = boolean(QStringLiteral("keepAspect"), true);
        item->frameWidth = optionalNumber(QStringLiteral("frame"), 0);
        item->frameColor = color(QStringLiteral("frameColor"), item->frameColor);
        noChildren();
        return item;
    }

    std::unique_ptr<ReportItem> readLine()
    {
        allowOnly({"name", "pages", "x1", "y1", "x2", "y2", "width", "color"});
        auto item = std::make_unique<ReportLineItem>();
        readCommon(*item);
        item->line = QLineF(number(QStringLiteral("x1")), number(QStringLiteral("y1")),
                            number(QStringLiteral("x2")), number(QStringLiteral("y2")));
        item->width = optionalPositive(QStringLiteral("width"), item->width);
        item->color = color(QStringLiteral("color"), item->color);
        noChildren();
        return item;
    }

    std::unique_ptr<ReportItem> readBox()
    {
        allowOnly({"name", "pages", "x", "y", "width", "height", "lineWidth", "lineColor", "fill",
                   "radius"});
        auto item = std::make_unique<ReportBoxItem>();
        readCommon(*item);
        item->rect = readRect();
        item->lineWidth = optionalNumber(QStringLiteral("lineWidth"), item->lineWidth);
        item->lineColor = color(QStringLiteral("lineColor"), item->lineColor);
        item->fill = color(QStringLiteral("fill"), item->fill);
        item->radius = optionalNumber(QStringLiteral("radius"), 0);
        noChildren();
        return item;
    }

    // -- attribute helpers

    void readCommon(ReportItem& item)
    {
        item.name = attr(QStringLiteral("name"));
        const QString pages = attr(QStringLiteral("pages"), QStringLiteral("all"));
        if (pages == QLatin1String("all"))
            item.pages = ReportItemPages::All;
        else if (pages == QLatin1String("first"))
            item.pages = ReportItemPages::First;
        else if (pages == QLatin1String("last"))
            item.pages = ReportItemPages::Last;
        else if (pages == QLatin1String("later"))
            item.pages = ReportItemPages::Later;
        else
            badValue(QStringLiteral("pages"), pages);
    }

    QRectF readRect()
    {
        return QRectF(number(QStringLiteral("x")), number(QStringLiteral("y")),
                      positive(QStringLiteral("width")), positive(QStringLiteral("height")));
    }

    // Font attributes: "font", "size", "bold", "italic", "color", each with
    // an optional prefix ("headerFont" is the family of the prefix "header").
    ReportFont readFont(const QString& prefix, const ReportFont& fallback)
    {
        auto key = [&](const char* word) {
            QString name = QLatin1String(word);
            if (prefix.isEmpty())
                return name;
            name[0] = name[0].toUpper();
            return prefix + name;
        };
        ReportFont font = fallback;
        font.family = attr(key("font"), fallback.family);
        font.size = optionalPositive(key("size"), fallback.size);
        font.bold = boolean(key("bold"), fallback.bold);
        font.italic = boolean(key("italic"), fallback.italic);
        font.color = color(key("color"), fallback.color);
        return font;
    }

    // Reads to the end of an element that holds no elements.
    void noChildren()
    {
        const QString element = m_xml.name().toString();
        if (m_xml.readNextStartElement())
            throw XmlProblem{
                Msg::tr(Msg::ReportXmlUnexpectedElement).arg(m_xml.name().toString(), element)};
    }

    void allowOnly(std::initializer_list<const char*> allowed)
    {
        for (const QXmlStreamAttribute& attribute : m_xml.attributes()) {
            bool ok = false;
            for (const char* name : allowed)
                ok = ok || attribute.name() == QLatin1String(name);
            if (!ok)
                throw XmlProblem{Msg::tr(Msg::ReportXmlUnknownAttribute)
                                     .arg(attribute.name().toString(), m_xml.name().toString())};
        }
    }

    void expect(const QString& element, const QString& parent)
    {
        if (m_xml.name() != element)
            throw XmlProblem{
                Msg::tr(Msg::ReportXmlUnexpectedElement).arg(m_xml.name().toString(), parent)};
    }

    void checkUnique(QSet<QString>& names, const QString& name, const QString& parent)
    {
        if (names.contains(name))
            throw XmlProblem{Msg::tr(Msg::ReportXmlDuplicateName).arg(name, parent)};
        names.insert(name);
    }

    QString attr(const QString& name, const QString& fallback = QString()) const
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        return attributes.hasAttribute(name) ? attributes.value(name).toString() : fallback;
    }

    QString required(const QString& name)
    {
        if (!m_xml.attributes().hasAttribute(name))
            throw XmlProblem{
                Msg::tr(Msg::ReportXmlMissingAttribute).arg(name, m_xml.name().toString())};
        const QString value = attr(name);
        if (value.trimmed().isEmpty())
            badValue(name, value);
        return value;
    }

    [[noreturn]] void badValue(const QString& name, const QString& value)
    {
        throw XmlProblem{Msg::tr(Msg::ReportXmlBadValue).arg(name, m_xml.name().toString(), value)};
    }

    double toNumber(const QString& name, const QString& text)
    {
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        if (!ok || !qIsFinite(value))
            badValue(name, text);
        return value;
    }

    double number(const QString& name) { return toNumber(name, required(name)); }

    double positive(const QString& name)
    {
        const double value = number(name);
        if (value <= 0)
            badValue(name, attr(name));
        return value;
    }

    double optionalNumber(const QString& name, double fallback)
    {
        return m_xml.attributes().hasAttribute(name) ? toNumber(name, attr(name)) : fallback;
    }

    double optionalPositive(const QString& name, double fallback)
    {
        const double value = optionalNumber(name, fallback);
        if (value <= 0)
            badValue(name, attr(name));
        return value;
    }

    bool boolean(const QString& name, bool fallback)
    {
        if (!m_xml.attributes().hasAttribute(name))
            return fallback;
        const QString value = attr(name);
        if (value == QLatin1String("true"))
            return true;
        if (value == QLatin1String("false"))
            return false;
        badValue(name, value);
    }

    QColor color(const QString& name, const QColor& fallback)
    {
        if (!m_xml.attributes().hasAttribute(name))
            return fallback;
        const QString value = attr(name);
        const QColor parsed(value);
        if (!parsed.isValid())
            badValue(name, value);
        return parsed;
    }

    Qt::Alignment horizontalAlign(const QString& name, Qt::Alignment fallback)
    {
        if (!m_xml.attributes().hasAttribute(name))
            return fallback;
        const QString value = attr(name);
        if (value == QLatin1String("left"))
            return Qt::AlignLeft;
        if (value == QLatin1String("center"))
            return Qt::AlignHCenter;
        if (value == QLatin1String("right"))
            return Qt::AlignRight;
        badValue(name, value);
    }

    Qt::Alignment verticalAlign(const QString& name, Qt::Alignment fallback)
    {
        if (!m_xml.attributes().hasAttribute(name))
            return fallback;
        const QString value = attr(name);
        if (value == QLatin1String("top"))
            return Qt::AlignTop;
        if (value == QLatin1String("middle"))
            return Qt::AlignVCenter;
        if (value == QLatin1String("bottom"))
            return Qt::AlignBottom;
        badValue(name, value);
    }

    QXmlStreamReader& m_xml;
    QString m_baseDir;
};

} // namespace

void ReportProject::open()
{
    close();
    const QFileInfo info(m_projectFile);
    if (m_projectFile.isEmpty() || !info.isFile())
        throw AppError(Msg::tr(Msg::ReportFileMissing).arg(m_projectFile));
    QFile file(m_projectFile);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(Msg::tr(Msg::ReportFileUnreadable).arg(m_projectFile, file.errorString()));

    QXmlStreamReader xml(&file);
    std::vector<std::unique_ptr<Report>> reports;
    QString problem;
    try {
        ProjectReader reader(xml, info.absolutePath());
        reports = reader.readProject();
        if (xml.hasError())
            problem = xml.errorString();
        else {
            // Anything after the root element is as broken as a bad element.
            while (!xml.atEnd())
                xml.readNext();
            if (xml.hasError())
                problem = xml.errorString();
        }
    } catch (const XmlProblem& error) {
        problem = error.text;
    }
    if (!problem.isEmpty())
        throw AppError(Msg::tr(Msg::ReportFileMalformed)
                           .arg(m_projectFile)
                           .arg(xml.lineNumber())
                           .arg(xml.columnNumber())
                           .arg(problem));
    m_reports = std::move(reports);
    m_open = true;
}

void ReportProject::close()
{
    m_reports.clear();
    m_open = false;
}
