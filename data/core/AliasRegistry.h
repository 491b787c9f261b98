#pragma once
// The database alias registry: alias names mapped to a driver and its
// parameters, kept in one INI file in the user's configuration folder, so
// every program of the platform on this account finds the same databases.
//
//   [QXDATA]
//   DRIVER=PARADOX
//   PATH=/opt/velunor/DATA
//
// Alias names are compared without regard to case. The registry is read
// anew at every call, so a change by another program is seen at once.

#include <QMap>
#include <QString>
#include <QStringList>

namespace AliasParam {
inline constexpr auto Driver = "DRIVER";
inline constexpr auto Path = "PATH";
} // namespace AliasParam

// The driver of a standard alias: a folder holding the program's tables.
inline constexpr auto StandardDriver = "PARADOX";

class AliasRegistry
{
public:
    // $VELUNOR_CONFIG_HOME/aliases.ini when the variable is set (tests give
    // each run its own), otherwise aliases.ini in the user's Velunor
    // configuration folder.
    static QString DefaultPath();

    explicit AliasRegistry(const QString& path = DefaultPath());

    const QString& path() const { return m_path; }

    bool IsAlias(const QString& name) const;
    QStringList AliasNames() const;

    // Every parameter of the alias, keys in upper case. Throws
    // EDBEngineError when the alias is unknown.
    QMap<QString, QString> GetAliasParams(const QString& name) const;

    // Adds an alias of the standard driver for the folder `path`. Throws
    // EDBEngineError when the name is taken or the registry cannot be written.
    void AddStandardAlias(const QString& name, const QString& path,
                          const QString& driver = QLatin1String(StandardDriver));
    // Removes the alias; nothing happens when it does not exist. Throws
    // EDBEngineError when the registry cannot be written.
    void DeleteAlias(const QString& name);

private:
    using Entries = QList<QPair<QString, QMap<QString, QString>>>;
    Entries read() const;
    void write(const Entries& entries) const;
    template <typename Change> void modify(Change&& change) const;
    QString m_path;
};
