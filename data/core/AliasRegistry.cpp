#include "AliasRegistry.h"

#include "DbError.h"
#include "IniFile.h"
#include "MessageTable.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

bool same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

[[noreturn]] void throwNotWritable(const QString& path)
{
    throw EDBEngineError(
        EngineCode::None,
        Msg::tr(Msg::AliasRegistryNotWritable).arg(QDir::toNativeSeparators(path)));
}

} // namespace

QString AliasRegistry::DefaultPath()
{
    const QString home = qEnvironmentVariable("VELUNOR_CONFIG_HOME");
    const QString folder =
        !home.isEmpty() ? home
                        : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                              QLatin1String("/Velunor");
    return QDir(folder).filePath(QStringLiteral("aliases.ini"));
}

AliasRegistry::AliasRegistry(const QString& path) : m_path(path) {}

AliasRegistry::Entries AliasRegistry::read() const
{
    const IniFile ini(m_path);
    Entries entries;
    for (const QString& section : ini.sections()) {
        bool seen = false;
        for (const auto& entry : entries)
            seen = seen || same(entry.first, section);
        if (seen || section.isEmpty())
            continue;
        QMap<QString, QString> params;
        for (const QString& key : ini.keys(section))
            params.insert(key.toUpper(), ini.readString(section, key));
        entries.append({section, params});
    }
    return entries;
}

void AliasRegistry::write(const Entries& entries) const
{
    QString text;
    for (const auto& [name, params] : entries) {
        text += QLatin1Char('[') + name + QLatin1String("]\n");
        for (auto it = params.cbegin(); it != params.cend(); ++it)
            text += it.key() + QLatin1Char('=') + it.value() + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throwNotWritable(m_path);
}

// Read, change and write back under a lock, so that two programs changing
// aliases at the same moment do not undo each other's change.
template <typename Change> void AliasRegistry::modify(Change&& change) const
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        throwNotWritable(m_path);
    QLockFile lock(m_path + QLatin1String(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(10000))
        throwNotWritable(m_path);
    Entries entries = read();
    if (change(entries))
        write(entries);
}

bool AliasRegistry::IsAlias(const QString& name) const
{
    return IniFile(m_path).sectionExists(name) && !name.trimmed().isEmpty();
}

QStringList AliasRegistry::AliasNames() const
{
    QStringList names;
    for (const auto& entry : read())
        names << entry.first;
    return names;
}

QMap<QString, QString> AliasRegistry::GetAliasParams(const QString& name) const
{
    for (const auto& [alias, params] : read()) {
        if (same(alias, name))
            return params;
    }
    throw EDBEngineError(EngineCode::None, Msg::tr(Msg::AliasUnknown).arg(name));
}

void AliasRegistry::AddStandardAlias(const QString& name, const QString& path,
                                     const QString& driver)
{
    modify([&](Entries& entries) {
        for (const auto& entry : entries) {
            if (same(entry.first, name))
                throw EDBEngineError(EngineCode::None, Msg::tr(Msg::AliasExists).arg(name));
        }
        QMap<QString, QString> params;
        params.insert(QLatin1String(AliasParam::Driver), driver);
        params.insert(QLatin1String(AliasParam::Path), path);
        entries.append({name, params});
        return true;
    });
}

void AliasRegistry::DeleteAlias(const QString& name)
{
    modify([&](Entries& entries) {
        const qsizetype before = entries.size();
        entries.removeIf([&](const auto& entry) { return same(entry.first, name); });
        return entries.size() != before;
    });
}
