// The report engine without widgets: project files, lookups, the run of a
// list over sheets, pictures, and PDF output read back with poppler.

#include "AppError.h"
#include "PdfText.h"
#include "ReportConnection.h"
#include "ReportDocument.h"
#include "ReportProject.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Small sheets so that a few rows fill them: the list's first sheet holds
// 3 rows (20 + 10 header, rows of 10 down to 60), every further sheet 4.
const char* const SmallProject = R"(<?xml version="1.0" encoding="UTF-8"?>
<reportProject version="1">
  <report name="R" title="Small report">
    <page name="P1" size="A5">
      <text name="Head" x="10" y="2" width="100" height="6">Head text</text>
      <text name="OnlyFirst" x="10" y="8" width="100" height="6" pages="first">First only</text>
      <text name="OnlyLater" x="10" y="8" width="100" height="6" pages="later">Continued</text>
      <text name="OnlyLast" x="10" y="62" width="100" height="6" pages="last">Last only</text>
      <text name="PageNo" x="10" y="70" width="100" height="6">Page {page} of {pages}</text>
      <box x="5" y="1" width="120" height="8" fill="#eeeeee" lineWidth="0"/>
      <line x1="5" y1="9" x2="125" y2="9"/>
      <list name="L" connection="C" x="10" y="20" width="100" bottom="60" continueY="10"
            rowHeight="10" headerHeight="10">
        <column header="Num" field="A" x="0" width="30" align="right"/>
        <column header="Word" field="B" x="40" width="60"/>
      </list>
    </page>
    <page name="P2">
      <text name="Closing" x="10" y="10" width="100" height="6">The end</text>
    </page>
  </report>
</reportProject>
)";

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString path = QDir(dir.path()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
    return path;
}

// A connection over a fixed table: the unit-test stand-in for the program's.
struct TableConnection
{
    ReportCustomConnection connection;
    QStringList fields;
    QList<QStringList> rows;
    int position = 0;

    TableConnection(const QString& name, QStringList fieldNames, QList<QStringList> data)
        : connection(name), fields(std::move(fieldNames)), rows(std::move(data))
    {
        connection.onGetCols = [this](ReportCustomConnection& c) {
            for (const QString& field : fields)
                c.writeField(field, ReportFieldType::String, 30);
        };
        connection.onFirst = [this](ReportCustomConnection&) { position = 0; };
        connection.onEof = [this](ReportCustomConnection&, bool& eof) {
            eof = position >= rows.size();
        };
        connection.onGetRow = [this](ReportCustomConnection& c) {
            for (const QString& value : rows[position])
                c.writeStrData(value);
            ++position;
        };
    }
};

QList<QStringList> numberedRows(int count)
{
    QList<QStringList> rows;
    for (int i = 1; i <= count; ++i)
        rows.append({QString::number(i), QStringLiteral("word%1").arg(i)});
    return rows;
}

QStringList itemsOn(const ReportSheet& sheet)
{
    QStringList names;
    for (const ReportDrawOp& op : sheet.ops) {
        if (!op.item.isEmpty() && !names.contains(op.item))
            names.append(op.item);
    }
    return names;
}

// The values of one field on a sheet, in drawing order.
QStringList cellsOf(const ReportSheet& sheet, const QString& field)
{
    QStringList cells;
    for (const ReportDrawOp& op : sheet.ops) {
        if (op.kind == ReportDrawOp::Kind::Text && op.field == field)
            cells.append(op.text);
    }
    return cells;
}

const ReportDrawOp* textOf(const ReportSheet& sheet, const QString& item)
{
    for (const ReportDrawOp& op : sheet.ops) {
        if (op.item == item && op.kind == ReportDrawOp::Kind::Text)
            return &op;
    }
    return nullptr;
}

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT

private slots:
    void openErrors_data();
    void openErrors();
    void missingFileNamesIt();
    void failedOpenLeavesProjectClosed();

    void lookupErrors_data();
    void lookupErrors();
    void setTextReachesTheRun();

    void listOverSheets_data();
    void listOverSheets();
    void listErrors_data();
    void listErrors();
    void connectionWritingTooMuch();
    void connectionWithoutEndEventHasNoRows();

    void pictures_data();
    void pictures();

    void pdfListContinuesWithHeader();
    void pdfToMissingFolderNamesFile();
    void landscapeSheetKeepsItsShape();

private:
    QTemporaryDir m_dir;
};

void TestReportEngine::openErrors_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("fragments");

    const QByteArray head = "<?xml version=\"1.0\"?>\n<reportProject>\n<report name=\"R\">\n";
    const QByteArray tail = "</report>\n</reportProject>\n";
    QTest::newRow("not xml") << QByteArray("this is no project") << QStringList{"line 1"};
    QTest::newRow("empty") << QByteArray() << QStringList{"not valid"};
    QTest::newRow("unclosed element")
        << QByteArray(
               head +
               "<page name=\"P\">\n<text x=\"1\" y=\"1\" width=\"1\" height=\"1\">\n</page>" + tail)
        << QStringList{"line 6"}; // where </page> closes the open <text>
    QTest::newRow("wrong root") << QByteArray("<report name=\"R\"/>") << QStringList{"<report>"};
    QTest::newRow("unknown element")
        << QByteArray(head + "<page name=\"P\"><circle x=\"1\"/></page>\n" + tail)
        << QStringList{"<circle>", "<page>", "line 4"};
    QTest::newRow("unknown attribute")
        << QByteArray(head +
                      "<page name=\"P\"><text x=\"1\" y=\"1\" width=\"5\" height=\"5\" "
                      "colour=\"red\"/></page>\n" +
                      tail)
        << QStringList{"\"colour\"", "<text>"};
    QTest::newRow("missing attribute")
        << QByteArray(
               head +
               "<page name=\"P\"><picture x=\"1\" y=\"1\" width=\"5\" height=\"5\"/></page>\n" +
               tail)
        << QStringList{"\"file\"", "<picture>"};
    QTest::newRow("not a number")
        << QByteArray(
               head +
               "<page name=\"P\"><box x=\"1\" y=\"ten\" width=\"5\" height=\"5\"/></page>\n" + tail)
        << QStringList{"\"y\"", "\"ten\""};
    QTest::newRow("zero width")
        << QByteArray(head +
                      "<page name=\"P\"><box x=\"1\" y=\"1\" width=\"0\" height=\"5\"/></page>\n" +
                      tail)
        << QStringList{"\"width\""};
    QTest::newRow("bad colour") << QByteArray(head +
                                              "<page name=\"P\"><box x=\"1\" y=\"1\" width=\"5\" "
                                              "height=\"5\" fill=\"greenish\"/></page>\n" +
                                              tail)
                                << QStringList{"\"fill\"", "\"greenish\""};
    QTest::newRow("bad alignment")
        << QByteArray(head +
                      "<page name=\"P\"><text x=\"1\" y=\"1\" width=\"5\" height=\"5\" "
                      "align=\"middle\"/></page>\n" +
                      tail)
        << QStringList{"\"align\"", "\"middle\""};
    QTest::newRow("duplicate item")
        << QByteArray(
               head +
               "<page name=\"P\"><text name=\"Nom\" x=\"1\" y=\"1\" width=\"5\" height=\"5\"/>"
               "<text name=\"Nom\" x=\"1\" y=\"9\" width=\"5\" height=\"5\"/></page>\n" +
               tail)
        << QStringList{"\"Nom\"", "twice"};
    QTest::newRow("duplicate page")
        << QByteArray(head + "<page name=\"P\"/><page name=\"P\"/>\n" + tail)
        << QStringList{"\"P\"", "twice"};
    QTest::newRow("two lists")
        << QByteArray(
               head +
               "<page name=\"P\">"
               "<list connection=\"C\" x=\"1\" y=\"1\" width=\"50\" bottom=\"90\"/>"
               "<list connection=\"C\" x=\"1\" y=\"100\" width=\"50\" bottom=\"190\"/></page>\n" +
               tail)
        << QStringList{"more than one list"};
    QTest::newRow("list bottom above top")
        << QByteArray(head +
                      "<page name=\"P\"><list connection=\"C\" x=\"1\" y=\"100\" width=\"50\" "
                      "bottom=\"90\"/></page>\n" +
                      tail)
        << QStringList{"\"bottom\""};
    QTest::newRow("element inside a picture")
        << QByteArray(head +
                      "<page name=\"P\"><picture x=\"1\" y=\"1\" width=\"5\" height=\"5\" "
                      "file=\"a.bmp\"><text/></picture></page>\n" +
                      tail)
        << QStringList{"<text>", "<picture>"};
    QTest::newRow("garbage after the root")
        << QByteArray(head + tail + "<more/>") << QStringList{"not valid"};
}

void TestReportEngine::openErrors()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, fragments);
    const QString path = writeFile(m_dir, QStringLiteral("broken.rav"), content);
    ReportProject project;
    project.setProjectFile(path);
    const QString message = errorOf([&] { project.open(); });
    QVERIFY2(message.contains(path), qPrintable(message));
    for (const QString& fragment : fragments)
        QVERIFY2(message.contains(fragment), qPrintable(message + " lacks " + fragment));
    QVERIFY(!project.isOpen());
}

void TestReportEngine::missingFileNamesIt()
{
    const QString path = QDir(m_dir.path()).filePath(QStringLiteral("Nowhere.rav"));
    ReportProject project;
    project.setProjectFile(path);
    const QString message = errorOf([&] { project.open(); });
    QVERIFY2(message.contains(path) && message.contains(QStringLiteral("does not exist")),
             qPrintable(message));
}

void TestReportEngine::failedOpenLeavesProjectClosed()
{
    ReportProject project;
    project.setProjectFile(writeFile(m_dir, QStringLiteral("good.rav"), SmallProject));
    project.open();
    QVERIFY(project.isOpen());
    project.setProjectFile(writeFile(m_dir, QStringLiteral("bad.rav"), "<reportProject>"));
    QVERIFY(!errorOf([&] { project.open(); }).isEmpty());
    QVERIFY(!project.isOpen());
    // Nothing of the first project is left to find.
    QVERIFY(
        errorOf([&] { project.findReport(QStringLiteral("R")); }).contains(QStringLiteral("open")));
}

void TestReportEngine::lookupErrors_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("fragments");
    QTest::newRow("unknown report") << "History"
                                    << "P1"
                                    << "Head" << QStringList{"\"History\"", "small.rav"};
    QTest::newRow("report names are exact") << "r"
                                            << "P1"
                                            << "Head" << QStringList{"\"r\""};
    QTest::newRow("unknown page") << "R"
                                  << "Page1"
                                  << "Head" << QStringList{"\"Page1\"", "\"R\""};
    QTest::newRow("unknown item") << "R"
                                  << "P1"
                                  << "Heure" << QStringList{"\"Heure\"", "\"P1\"", "\"R\""};
    QTest::newRow("item on another page") << "R"
                                          << "P1"
                                          << "Closing" << QStringList{"\"Closing\""};
    QTest::newRow("not a text") << "R"
                                << "P1"
                                << "L" << QStringList{"\"L\"", "no text item"};
}

void TestReportEngine::lookupErrors()
{
    QFETCH(QString, report);
    QFETCH(QString, page);
    QFETCH(QString, item);
    QFETCH(QStringList, fragments);
    ReportProject project;
    project.setProjectFile(writeFile(m_dir, QStringLiteral("small.rav"), SmallProject));
    project.open();
    const QString message = errorOf([&] {
        project.findReport(report).findPage(page).findText(item).setText(QStringLiteral("x"));
    });
    QVERIFY(!message.isEmpty());
    for (const QString& fragment : fragments)
        QVERIFY2(message.contains(fragment), qPrintable(message + " lacks " + fragment));
}

void TestReportEngine::setTextReachesTheRun()
{
    ReportProject project;
    project.setProjectFile(writeFile(m_dir, QStringLiteral("small.rav"), SmallProject));
    project.open();
    const Report& report = project.findReport(QStringLiteral("R"));
    report.findPage(QStringLiteral("P1"))
        .findText(QStringLiteral("Head"))
        .setText(QStringLiteral("Durand"));
    TableConnection data(QStringLiteral("C"), {QStringLiteral("A"), QStringLiteral("B")},
                         numberedRows(1));
    const ReportDocument document = GenerateReport(report, {&data.connection});
    QCOMPARE(textOf(document.sheets[0], QStringLiteral("Head"))->text, QStringLiteral("Durand"));
    // A fresh open reads the file again, without the change.
    project.open();
    QCOMPARE(project.findReport(QStringLiteral("R"))
                 .findPage(QStringLiteral("P1"))
                 .findText(QStringLiteral("Head"))
                 .text,
             QStringLiteral("Head text"));
}

void TestReportEngine::listOverSheets_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("rowsPerSheet"); // sheets of page P1
    QTest::newRow("no rows: header only") << 0 << QList<int>{0};
    QTest::newRow("one row") << 1 << QList<int>{1};
    QTest::newRow("first sheet exactly full") << 3 << QList<int>{3};
    QTest::newRow("one row more") << 4 << QList<int>{3, 1};
    QTest::newRow("second sheet exactly full") << 7 << QList<int>{3, 4};
    QTest::newRow("three sheets") << 8 << QList<int>{3, 4, 1};
}

void TestReportEngine::listOverSheets()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, rowsPerSheet);
    ReportProject project;
    project.setProjectFile(writeFile(m_dir, QStringLiteral("small.rav"), SmallProject));
    project.open();
    TableConnection data(QStringLiteral("C"), {QStringLiteral("A"), QStringLiteral("B")},
                         numberedRows(rows));
    QList<int> generated;
    const ReportDocument document =
        GenerateReport(project.findReport(QStringLiteral("R")), {&data.connection},
                       [&](int page) { generated.append(page); });

    const int sheets = int(rowsPerSheet.size());
    QCOMPARE(document.pageCount(), sheets + 1); // page P2 follows
    QCOMPARE(generated.size(), sheets + 1);
    QCOMPARE(generated.last(), sheets + 1);
    int next = 1;
    for (int s = 0; s < sheets; ++s) {
        const ReportSheet& sheet = document.sheets[s];
        QStringList expected;
        for (int k = 0; k < rowsPerSheet[s]; ++k)
            expected.append(QString::number(next++));
        QCOMPARE(cellsOf(sheet, QStringLiteral("A")), expected);
        // The header comes back on every sheet, at continueY after the first.
        const ReportDrawOp* header = nullptr;
        for (const ReportDrawOp& op : sheet.ops) {
            if (op.item == QLatin1String("L") && op.kind == ReportDrawOp::Kind::Text &&
                op.text == QLatin1String("Num"))
                header = &op;
        }
        QVERIFY(header);
        QCOMPARE(header->rect.top(), s == 0 ? 20.0 : 10.0);

        const QStringList items = itemsOn(sheet);
        QVERIFY(items.contains(QStringLiteral("Head")));
        QCOMPARE(items.contains(QStringLiteral("OnlyFirst")), s == 0);
        QCOMPARE(items.contains(QStringLiteral("OnlyLater")), s > 0);
        QCOMPARE(items.contains(QStringLiteral("OnlyLast")), s == sheets - 1);
        QCOMPARE(textOf(sheet, QStringLiteral("PageNo"))->text,
                 QStringLiteral("Page %1 of %2").arg(s + 1).arg(sheets + 1));
        // No row runs below the list's bottom.
        for (const ReportDrawOp& op : sheet.ops) {
            if (op.item == QLatin1String("L"))
                QVERIFY(op.rect.bottom() <= 60.0 + 1e-9);
        }
    }
    QCOMPARE(itemsOn(document.sheets.last()), QStringList{QStringLiteral("Closing")});
}

void TestReportEngine::listErrors_data()
{
    QTest::addColumn<QString>("connectionName");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("listAttributes");
    QTest::addColumn<QStringList>("fragments");
    const QString fits = QStringLiteral("x=\"1\" y=\"20\" width=\"100\" bottom=\"60\"");
    QTest::newRow("unknown connection")
        << "Other" << QStringList{"A", "B"} << fits << QStringList{"\"L\"", "\"C\""};
    QTest::newRow("undeclared field")
        << "C" << QStringList{"A"} << fits << QStringList{"\"L\"", "\"B\"", "\"C\""};
    QTest::newRow("field names are exact")
        << "C" << QStringList{"A", "b"} << fits << QStringList{"\"B\""};
    QTest::newRow("no room on the first sheet")
        << "C" << QStringList{"A", "B"}
        << QStringLiteral(
               "x=\"1\" y=\"20\" width=\"100\" bottom=\"34\" rowHeight=\"6\" headerHeight=\"10\"")
        << QStringList{"\"L\"", "\"P\"", "no room"};
    QTest::newRow("no room on later sheets")
        << "C" << QStringList{"A", "B"}
        << QStringLiteral("x=\"1\" y=\"20\" width=\"100\" bottom=\"40\" continueY=\"35\" "
                          "rowHeight=\"6\" headerHeight=\"4\"")
        << QStringList{"no room"};
}

void TestReportEngine::listErrors()
{
    QFETCH(QString, connectionName);
    QFETCH(QStringList, fields);
    QFETCH(QString, listAttributes);
    QFETCH(QStringList, fragments);
    const QByteArray content =
        QStringLiteral(
            "<reportProject><report name=\"R\"><page name=\"P\">"
            "<list name=\"L\" connection=\"C\" %1>"
            "<column field=\"A\" x=\"0\" width=\"10\"/><column field=\"B\" x=\"10\" width=\"10\"/>"
            "</list></page></report></reportProject>")
            .arg(listAttributes)
            .toUtf8();
    ReportProject project;
    project.setProjectFile(writeFile(m_dir, QStringLiteral("list.rav"), content));
    project.open();
    TableConnection data(connectionName, fields, {});
    const QString message = errorOf(
        [&] { GenerateReport(project.findReport(QStringLiteral("R")), {&data.connection}); });
    QVERIFY(!message.isEmpty());
    for (const QString& fragment : fragments)
        QVERIFY2(message.contains(fragment), qPrintable(message + " lacks " + fragment));
}

void TestReportEngine::connectionWritingTooMuch()
{
    ReportProject project;
    project.setProjectFile(writeFile(m_dir, QStringLiteral("small.rav"), SmallProject));
    project.open();
    TableConnection data(QStringLiteral("C"), {QStringLiteral("A"), QStringLiteral("B")},
                         {{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}});
    const QString message = errorOf(
        [&] { GenerateReport(project.findReport(QStringLiteral("R")), {&data.connection}); });
    QVERIFY2(message.contains(QStringLiteral("\"C\"")), qPrintable(message));
}

void TestReportEngine::connectionWithoutEndEventHasNoRows()
{
    ReportCustomConnection connection(QStringLiteral("C"));
    int rowsAsked = 0;
    connection.onGetCols = [](ReportCustomConnection& c) {
        c.writeField(QStringLiteral("A"), ReportFieldType::String, 30);
        c.writeField(QStringLiteral("B"), ReportFieldType::Graphic, 0);
    };
    connection.onGetRow = [&](ReportCustomConnection&) { ++rowsAsked; };
    ReportProject project;
    project.setProjectFile(writeFile(m_dir, QStringLiteral("small.rav"), SmallProject));
    project.open();
    const ReportDocument document =
        GenerateReport(project.findReport(QStringLiteral("R")), {&connection});
    QCOMPARE(document.pageCount(), 2);
    QCOMPARE(rowsAsked, 0);
    QVERIFY(cellsOf(document.sheets[0], QStringLiteral("A")).isEmpty());
}

void TestReportEngine::pictures_data()
{
    QTest::addColumn<QString>("fileAttribute");
    QTest::addColumn<QString>("writtenAs"); // empty: no file
    QTest::addColumn<QByteArray>("format"); // empty: garbage bytes
    QTest::addColumn<QString>("error");     // empty: shown
    QTest::newRow("bmp beside the project") << "chart.bmp"
                                            << "chart.bmp" << QByteArray("BMP") << "";
    QTest::newRow("png in a folder") << "pics/logo.png"
                                     << "pics/logo.png" << QByteArray("PNG") << "";
    QTest::newRow("name found without regard to case") << "chart.bmp"
                                                       << "Chart.BMP" << QByteArray("BMP") << "";
    QTest::newRow("missing") << "chart.bmp"
                             << "" << QByteArray() << "does not exist";
    QTest::newRow("unreadable") << "chart.bmp"
                                << "chart.bmp" << QByteArray() << "cannot be read";
}

void TestReportEngine::pictures()
{
    QFETCH(QString, fileAttribute);
    QFETCH(QString, writtenAs);
    QFETCH(QByteArray, format);
    QFETCH(QString, error);
    QTemporaryDir dir;
    if (!writtenAs.isEmpty()) {
        const QString path = QDir(dir.path()).filePath(writtenAs);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (format.isEmpty()) {
            writeFile(dir, writtenAs, "not a picture at all");
        } else {
            QImage image(40, 20, QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(path, format.constData()));
        }
    }
    const QByteArray content =
        QStringLiteral(
            "<reportProject><report name=\"R\"><page name=\"P\">"
            "<picture name=\"Chart\" x=\"10\" y=\"10\" width=\"100\" height=\"100\" file=\"%1\"/>"
            "</page></report></reportProject>")
            .arg(fileAttribute)
            .toUtf8();
    ReportProject project;
    project.setProjectFile(writeFile(dir, QStringLiteral("pic.rav"), content));
    project.open();
    ReportDocument document;
    const QString message =
        errorOf([&] { document = GenerateReport(project.findReport(QStringLiteral("R")), {}); });
    if (!error.isEmpty()) {
        QVERIFY2(message.contains(error) && message.contains(QStringLiteral("chart.bmp")) &&
                     message.contains(QStringLiteral("\"Chart\"")),
                 qPrintable(message));
        return;
    }
    QVERIFY2(message.isEmpty(), qPrintable(message));
    // Kept in shape: 40 x 20 in a 100 mm square is 100 x 50 mm, centred.
    const QImage sheet = document.renderSheet(0, 25.4); // one pixel a millimetre
    QCOMPARE(sheet.pixelColor(60, 60), QColor(Qt::red));
    QCOMPARE(sheet.pixelColor(60, 30), QColor(Qt::white));
    QCOMPARE(sheet.pixelColor(60, 90), QColor(Qt::white));
}

void TestReportEngine::pdfListContinuesWithHeader()
{
    ReportProject project;
    project.setProjectFile(writeFile(m_dir, QStringLiteral("small.rav"), SmallProject));
    project.open();
    TableConnection data(QStringLiteral("C"), {QStringLiteral("A"), QStringLiteral("B")},
                         numberedRows(5));
    const ReportDocument document =
        GenerateReport(project.findReport(QStringLiteral("R")), {&data.connection});
    const QString pdf = QDir(m_dir.path()).filePath(QStringLiteral("small.pdf"));
    QList<int> printed;
    document.writePdf(pdf, [&](int page) { printed.append(page); });
    QCOMPARE(printed, (QList<int>{1, 2, 3}));

    QCOMPARE(PdfText::pageCount(pdf), 3);
    QCOMPARE(PdfText::info(pdf, QStringLiteral("Title")), QStringLiteral("Small report"));
    QCOMPARE(PdfText::info(pdf, QStringLiteral("Page size")).contains(QStringLiteral("A5")), true);
    const QString first = PdfText::text(pdf, 1);
    const QString second = PdfText::text(pdf, 2);
    QVERIFY(first.contains(QStringLiteral("Num")) && second.contains(QStringLiteral("Num")));
    QVERIFY(first.contains(QStringLiteral("First only")) &&
            !second.contains(QStringLiteral("First only")));
    QVERIFY(second.contains(QStringLiteral("Continued")) &&
            second.contains(QStringLiteral("Last only")));
    QVERIFY(first.contains(QStringLiteral("Page 1 of 3")) &&
            second.contains(QStringLiteral("Page 2 of 3")));
    QCOMPARE(PdfText::numberedRows(first),
             (QList<QStringList>{{"1", "word1"}, {"2", "word2"}, {"3", "word3"}}));
    QCOMPARE(PdfText::numberedRows(second), (QList<QStringList>{{"4", "word4"}, {"5", "word5"}}));
    QVERIFY(PdfText::text(pdf, 3).contains(QStringLiteral("The end")));
}

void TestReportEngine::pdfToMissingFolderNamesFile()
{
    ReportProject project;
    project.setProjectFile(writeFile(m_dir, QStringLiteral("small.rav"), SmallProject));
    project.open();
    TableConnection data(QStringLiteral("C"), {QStringLiteral("A"), QStringLiteral("B")}, {});
    const ReportDocument document =
        GenerateReport(project.findReport(QStringLiteral("R")), {&data.connection});
    const QString pdf = QDir(m_dir.path()).filePath(QStringLiteral("no/such/folder/out.pdf"));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    const QString message = errorOf([&] { document.writePdf(pdf); });
    QVERIFY2(message.contains(pdf), qPrintable(message));
}

void TestReportEngine::landscapeSheetKeepsItsShape()
{
    const QByteArray content =
        "<reportProject><report name=\"R\"><page name=\"P\" size=\"A4\" orientation=\"landscape\">"
        "<text x=\"250\" y=\"10\" width=\"40\" height=\"8\">far right</text>"
        "</page></report></reportProject>";
    ReportProject project;
    project.setProjectFile(writeFile(m_dir, QStringLiteral("wide.rav"), content));
    project.open();
    const ReportDocument document = GenerateReport(project.findReport(QStringLiteral("R")), {});
    QCOMPARE(document.sheets[0].size, QSizeF(297, 210));
    const QString pdf = QDir(m_dir.path()).filePath(QStringLiteral("wide.pdf"));
    document.writePdf(pdf);
    QVERIFY(
        PdfText::info(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595")));
    QVERIFY(PdfText::text(pdf).contains(QStringLiteral("far right")));
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
