#pragma once
// INI files with Windows profile semantics: section and key names compared
// without regard to case, defaults for missing keys or non-integers, and
// writing one key back keeps the rest of the file as it was.

#include <QString>
#include <QStringList>

class IniFile
{
public:
    explicit IniFile(const QString& path);

    const QString& path() const { return m_path; }
    bool exists() const;

    bool sectionExists(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    // The whole value must be a decimal integer (blanks around it allowed),
    // otherwise the default is returned.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;

    // Rewrites the file with the key set, creating file, section or key as
    // needed; every other line stays as it was. Returns false when the file
    // cannot be written.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);

    // Every key of a section, in file order.
    QStringList keys(const QString& section) const;
    QStringList sections() const;

private:
    QStringList readLines() const;
    bool isLatin1() const;
    QString m_path;
};
