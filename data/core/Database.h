#pragma once
// The database connection component: it reaches the tables of a database
// alias. With the standard driver the alias names a folder, and the five
// tables live in one SQLite file inside it (DatabaseFileName).

#include <QObject>
#include <QSqlDatabase>
#include <QString>

class QSqlError;
class TDataSet;

// Turns a storage error into the engine error the windows expect: a
// unique-index violation becomes EngineCode::KeyViolation.
[[noreturn]] void ThrowSqlError(const QSqlError& error);

class TDatabase : public QObject
{
    Q_OBJECT
public:
    explicit TDatabase(const QString& databaseName = QStringLiteral("DB"),
                       QObject* parent = nullptr);
    ~TDatabase() override;

    const QString& DatabaseName() const { return m_databaseName; }
    const QString& AliasName() const { return m_aliasName; }
    // Only while disconnected, as the engine requires.
    void SetAliasName(const QString& alias);

    // Looks the alias up in the registry and opens its database file, which
    // must exist: a connection never creates an empty database by accident.
    // Throws EDBEngineError.
    void Open();
    // Opens the database of a folder directly, without an alias: for the
    // setup tool, which prepares a folder before any alias points to it.
    void OpenDirectory(const QString& folder);
    // Closes every dataset of this connection first.
    void Close();
    bool Connected() const { return m_connected; }

    // The alias folder of the open connection.
    const QString& Directory() const { return m_directory; }
    QSqlDatabase Sql() const;

    // True when a table of that name exists (case-insensitive).
    bool TableExists(const QString& table) const;

private:
    friend class TDataSet;
    void Connect(QString folder);
    void attach(TDataSet* dataSet);
    void detach(TDataSet* dataSet);

    QString m_databaseName;
    QString m_aliasName;
    QString m_connectionName;
    QString m_directory;
    bool m_connected = false;
    QList<TDataSet*> m_dataSets;
};
