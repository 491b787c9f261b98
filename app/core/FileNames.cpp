#include "FileNames.h"

#include <QDir>
#include <QFileInfo>

QString ResolveFileName(const QString& dir, const QString& name)
{
    QString normalised = name;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString current = dir;
    if (!current.isEmpty() && !current.endsWith(QLatin1Char('/')))
        current += QLatin1Char('/');

    const QStringList parts = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString found;
        if (QFileInfo::exists(current + part)) {
            found = part;
        } else {
            const QStringList entries = QDir(current.isEmpty() ? QStringLiteral(".") : current)
                                            .entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
        }
        if (found.isEmpty()) {
            // Nothing further can match: keep the caller's spelling for the rest.
            return current + parts.mid(i).join(QLatin1Char('/'));
        }
        current += found;
        if (i + 1 < parts.size())
            current += QLatin1Char('/');
    }
    return current;
}
