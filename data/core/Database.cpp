#include "Database.h"

#include "AliasRegistry.h"
#include "DataSet.h"
#include "DbError.h"
#include "FileNames.h"
#include "MessageTable.h"
#include "Schema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

void ThrowSqlError(const QSqlError& error)
{
    // SQLite's extended result codes: 2067 unique index, 1555 primary key,
    // 1299 NOT NULL. The driver reports them as connection errors, so the
    // code decides, not the error type.
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("2067") || code == QLatin1String("1555"))
        throw EDBEngineError(EngineCode::KeyViolation, Msg::tr(Msg::KeyViolation));
    if (code == QLatin1String("1299"))
        throw EDBEngineError(EngineCode::RequiredField,
                             Msg::tr(Msg::DatabaseError).arg(error.text()));
    throw EDBEngineError(EngineCode::None, Msg::tr(Msg::DatabaseError).arg(error.text()));
}

TDatabase::TDatabase(const QString& databaseName, QObject* parent)
    : QObject(parent), m_databaseName(databaseName),
      m_connectionName(databaseName + QLatin1Char('-') + QUuid::createUuid().toString(QUuid::Id128))
{
}

TDatabase::~TDatabase()
{
    Close();
    for (TDataSet* dataSet : m_dataSets)
        dataSet->m_database = nullptr;
}

void TDatabase::SetAliasName(const QString& alias)
{
    if (m_connected && alias.compare(m_aliasName, Qt::CaseInsensitive) != 0)
        throw EDatabaseError(Msg::tr(Msg::DatabaseConnected));
    m_aliasName = alias;
}

void TDatabase::Open()
{
    if (m_connected)
        return;
    const QMap<QString, QString> params = AliasRegistry().GetAliasParams(m_aliasName);
    const QString driver = params.value(QLatin1String(AliasParam::Driver));
    if (driver.compare(QLatin1String(StandardDriver), Qt::CaseInsensitive) != 0)
        throw EDBEngineError(EngineCode::None,
                             Msg::tr(Msg::AliasDriverUnknown).arg(m_aliasName, driver));

    Connect(params.value(QLatin1String(AliasParam::Path)));
}

void TDatabase::OpenDirectory(const QString& folder)
{
    if (!m_connected)
        Connect(folder);
}

void TDatabase::Connect(QString folder)
{
    // Folder and file names given on Windows are found without regard to case.
    folder = QDir::cleanPath(folder);
    if (!QFileInfo(folder).isDir()) {
        const QFileInfo given(folder);
        folder = ResolveFileName(given.absolutePath(), given.fileName());
    }
    const QString file = ResolveFileName(folder, QLatin1String(DatabaseFileName));
    if (!QFileInfo(file).isFile())
        throw EDBEngineError(EngineCode::None,
                             Msg::tr(Msg::DatabaseMissing).arg(QDir::toNativeSeparators(file)));

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(file);
        // Another workstation program may hold a write for a moment.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            const QSqlError error = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            ThrowSqlError(error);
        }
        // A write-ahead log makes a commit one append and one flush of the
        // log, where a rollback journal needs four flushes: a trial posted
        // by a game is on disk in a few milliseconds instead of some twenty.
        // FULL flushes the log at every commit, so a posted row survives a
        // crash or a power cut the next instant. A database another program
        // holds open in its own journal mode stays in that mode.
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        if (!pragma.exec(QStringLiteral("PRAGMA synchronous=FULL"))) {
            const QSqlError error = pragma.lastError();
            pragma = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            ThrowSqlError(error);
        }
    }
    m_directory = folder;
    m_connected = true;
}

void TDatabase::Close()
{
    if (!m_connected)
        return;
    for (TDataSet* dataSet : m_dataSets)
        dataSet->Close();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connected = false;
    m_directory.clear();
}

QSqlDatabase TDatabase::Sql() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool TDatabase::TableExists(const QString& table) const
{
    if (!m_connected)
        return false;
    for (const QString& name : Sql().tables()) {
        if (name.compare(table, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void TDatabase::attach(TDataSet* dataSet)
{
    if (!m_dataSets.contains(dataSet))
        m_dataSets.append(dataSet);
}

void TDatabase::detach(TDataSet* dataSet)
{
    m_dataSets.removeAll(dataSet);
}
