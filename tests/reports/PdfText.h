#pragma once
// Reads a PDF back with poppler's tools, as a person would read the paper.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace PdfText {

inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of one page (1-based), or of all pages when `page` is 0.
inline QString text(const QString& pdf, int page = 0)
{
    QStringList arguments{QStringLiteral("-layout")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    arguments << pdf << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), arguments);
}

inline QString info(const QString& pdf, const QString& key)
{
    const QString out = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression line(
        QStringLiteral("^%1:\\s*(.*)$").arg(QRegularExpression::escape(key)),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(out);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

inline int pageCount(const QString& pdf)
{
    return info(pdf, QStringLiteral("Pages")).toInt();
}

// The rows of a list whose first cell is a number, each as its cells
// (split at runs of two or more spaces, so a cell may hold one space).
inline QList<QStringList> numberedRows(const QString& pageText)
{
    QList<QStringList> rows;
    static const QRegularExpression numbered(QStringLiteral("^\\s*\\d+\\s{2,}"));
    static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
    for (const QString& line : pageText.split(QLatin1Char('\n'))) {
        if (numbered.match(line).hasMatch())
            rows.append(line.trimmed().split(gap));
    }
    return rows;
}

} // namespace PdfText
