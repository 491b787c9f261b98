#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

QString sectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1).trimmed();
    return {};
}

bool isSection(const QString& line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']'));
}

bool isComment(const QString& line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// Key of a "key=value" line, empty for anything else.
QString keyOf(const QString& line)
{
    if (isComment(line) || isSection(line))
        return {};
    const int eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.left(eq).trimmed();
}

QString valueOf(const QString& line)
{
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    // Profile functions drop one pair of surrounding quotes.
    if (value.size() >= 2 &&
        ((value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) ||
         (value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\'')))))
        value = value.mid(1, value.size() - 2);
    return value;
}

bool same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(const QString& path) : m_path(path) {}

bool IniFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

// Files written on Windows are often in a legacy code page: take UTF-8 when
// it decodes cleanly, Latin-1 otherwise, and write back in the same encoding.
bool IniFile::isLatin1() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(file.readAll()); // decoding is lazy: take the text
    return utf8.hasError();
}

QStringList IniFile::readLines() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList IniFile::sections() const
{
    QStringList result;
    for (const QString& line : readLines()) {
        if (isSection(line))
            result << sectionName(line);
    }
    return result;
}

bool IniFile::sectionExists(const QString& section) const
{
    for (const QString& name : sections()) {
        if (same(name, section))
            return true;
    }
    return false;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList result;
    bool inSection = false;
    for (const QString& line : readLines()) {
        if (isSection(line)) {
            inSection = same(sectionName(line), section);
            continue;
        }
        if (!inSection)
            continue;
        const QString key = keyOf(line);
        if (!key.isEmpty())
            result << key;
    }
    return result;
}

bool IniFile::valueExists(const QString& section, const QString& key) const
{
    for (const QString& name : keys(section)) {
        if (same(name, key))
            return true;
    }
    return false;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const
{
    bool inSection = false;
    for (const QString& line : readLines()) {
        if (isSection(line)) {
            inSection = same(sectionName(line), section);
            continue;
        }
        if (inSection && same(keyOf(line), key))
            return valueOf(line);
    }
    return defaultValue;
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key).trimmed().toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    QStringList lines = readLines();
    const QString entry = key + QLatin1Char('=') + value;
    int sectionLine = -1;
    int lastInSection = -1;
    bool written = false;
    bool inSection = false;
    for (int i = 0; i < lines.size() && !written; ++i) {
        if (isSection(lines[i])) {
            if (inSection)
                break; // left the section without finding the key
            inSection = same(sectionName(lines[i]), section);
            if (inSection) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (same(keyOf(lines[i]), key)) {
            lines[i] = keyOf(lines[i]) + QLatin1Char('=') + value;
            written = true;
        } else if (!lines[i].trimmed().isEmpty()) {
            lastInSection = i;
        }
    }
    if (!written) {
        if (sectionLine < 0) {
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
                lines << QString();
            lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        } else {
            lines.insert(lastInSection + 1, entry);
        }
    }

    const bool latin1 = isLatin1();
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString text = lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
    file.write(latin1 ? text.toLatin1() : text.toUtf8());
    return file.commit();
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}
