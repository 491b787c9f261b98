#include "Schema.h"

#include "Database.h"
#include "DbError.h"
#include "MessageTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

FieldDef text(const char* name, int size, bool required = false)
{
    return {QLatin1String(name), TFieldType::String, size, required};
}

FieldDef of(const char* name, TFieldType type)
{
    return {QLatin1String(name), type, 0, false};
}

QList<TableDef> buildTables()
{
    using T = TFieldType;
    QList<TableDef> tables;

    // Patients are entered by the clinic's patient software; this program
    // only reads them. The index orders by name, so that the picker lists
    // patients alphabetically; two patients may share a name.
    tables.append(
        {QStringLiteral("Patient"),
         QLatin1String(Tables::Patient),
         {of("PK_PAT", T::AutoInc), text("NOM", 30), text("PRENOM", 30), text("BIRTHDT", 10),
          text("POINTURE", 5), text("SEXE", 1), text("ADRESSE", 60), text("CP", 10),
          text("VILLE", 40), of("NOTE", T::Memo)},
         {{QStringLiteral("PatientPrimary"), {QStringLiteral("PK_PAT")}, true, true, false},
          {QLatin1String(Indexes::PatientExistant),
           {QStringLiteral("NOM"), QStringLiteral("PRENOM")},
           false,
           false,
           true}}});

    // SCORE holds up to 11 characters, enough for any 32-bit score with its
    // sign: a hula-hoop score can pass six digits, and a trial must never be
    // stored with a cut-off score or lost for it.
    tables.append(
        {QStringLiteral("Jeu"),
         QLatin1String(Tables::Jeu),
         {of("PK_JEU", T::AutoInc), text("DATE_JEU", 10), text("TIME", 8), of("FK_PAT", T::Integer),
          of("TYPE", T::SmallInt), text("NIVEAU", 30), text("SCORE", 11), text("NOTE", 50),
          of("Flag", T::Integer), of("SURFACE", T::Blob), of("FK_USE", T::Integer),
          of("ID_Pla", T::Integer)},
         {{QStringLiteral("tJeuIndex1"), {QStringLiteral("PK_JEU")}, true, true, false},
          {QStringLiteral("IDJeu"),
           {QStringLiteral("FK_PAT"), QStringLiteral("DATE_JEU"), QStringLiteral("TIME")},
           false,
           true,
           true},
          {QStringLiteral("IDNiveau"),
           {QStringLiteral("FK_PAT"), QStringLiteral("NIVEAU")},
           false,
           false,
           true},
          {QLatin1String(Indexes::JeuFkPat), {QStringLiteral("FK_PAT")}, false, false, false}}});

    // A level name is unique within its game type, whatever its case: each
    // game may have its own "Level 1", and "Easy" and "easy" of one game
    // would be two levels nobody can tell apart in the lists. An empty name
    // cannot be chosen in a game list, so the name is required.
    tables.append(
        {QStringLiteral("ParamJeu"),
         QLatin1String(Tables::ParamJeu),
         {of("PK_Param", T::AutoInc), of("TYPE", T::SmallInt), text("PARAM", 255),
          text("FICHIER", 255), text("NIVEAU", 30, true)},
         {{QStringLiteral("ParamPrimary"), {QStringLiteral("PK_Param")}, true, true, false},
          {QLatin1String(Indexes::NiveauExistant),
           {QStringLiteral("TYPE"), QStringLiteral("NIVEAU")},
           false,
           true,
           true}}});

    // Several rows may carry one name; the login takes the first.
    tables.append({QStringLiteral("Users"),
                   QLatin1String(Tables::Users),
                   {of("PK_USE", T::AutoInc), text("NOM", 30), text("PASS_WD", 30)},
                   {{QStringLiteral("UsersPrimary"), {QStringLiteral("PK_USE")}, true, true, false},
                    {QLatin1String(Indexes::UtilisateurExistant),
                     {QStringLiteral("NOM")},
                     false,
                     false,
                     true}}});

    tables.append({QStringLiteral("Plates"),
                   QLatin1String(Tables::Plates),
                   {text("Name", 30), of("NbCapX", T::Integer), of("DimCapX", T::Integer)},
                   {}});
    return tables;
}

bool same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString sqlType(const FieldDef& field)
{
    switch (field.type) {
    case TFieldType::AutoInc:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case TFieldType::SmallInt:
        return QStringLiteral("SMALLINT");
    case TFieldType::Integer:
        return QStringLiteral("INTEGER");
    case TFieldType::String:
        return QStringLiteral("VARCHAR(%1)").arg(field.size);
    case TFieldType::Memo:
        return QStringLiteral("TEXT");
    case TFieldType::Blob:
        return QStringLiteral("BLOB");
    }
    return {};
}

// SQL index names cannot hold blanks and are global to the database.
QString sqlIndexName(const TableDef& table, const IndexDef& index)
{
    QString name = table.name + QLatin1Char('_') + index.name;
    for (QChar& c : name) {
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    }
    return name;
}

} // namespace

const FieldDef* TableDef::field(const QString& fieldName) const
{
    for (const FieldDef& f : fields) {
        if (same(f.name, fieldName))
            return &f;
    }
    return nullptr;
}

const IndexDef* TableDef::index(const QString& indexName) const
{
    for (const IndexDef& i : indexes) {
        if (same(i.name, indexName))
            return &i;
    }
    return nullptr;
}

const FieldDef* TableDef::keyField() const
{
    for (const FieldDef& f : fields) {
        if (f.type == TFieldType::AutoInc)
            return &f;
    }
    return nullptr;
}

const QList<TableDef>& AllTables()
{
    static const QList<TableDef> tables = buildTables();
    return tables;
}

const TableDef* FindTable(const QString& name)
{
    for (const TableDef& table : AllTables()) {
        if (same(table.name, name) || same(table.fileName, name))
            return &table;
    }
    return nullptr;
}

QStringList CreateTableStatements(const TableDef& table)
{
    QStringList columns;
    for (const FieldDef& field : table.fields) {
        QString column = field.name + QLatin1Char(' ') + sqlType(field);
        if (field.required)
            column += QLatin1String(" NOT NULL");
        columns << column;
    }
    QStringList statements;
    statements << QStringLiteral("CREATE TABLE %1 (%2)")
                      .arg(table.name, columns.join(QLatin1String(", ")));
    for (const IndexDef& index : table.indexes) {
        if (index.primary)
            continue; // the AutoInc column is the primary key
        QStringList terms;
        for (const QString& fieldName : index.fields) {
            const FieldDef* field = table.field(fieldName);
            const bool text =
                field && (field->type == TFieldType::String || field->type == TFieldType::Memo);
            terms << (index.caseInsensitive && text ? fieldName + QLatin1String(" COLLATE NOCASE")
                                                    : fieldName);
        }
        statements << QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                          .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
                               sqlIndexName(table, index), table.name,
                               terms.join(QLatin1String(", ")));
    }
    return statements;
}

void CreateSchema(QSqlDatabase& db)
{
    if (!db.transaction())
        ThrowSqlError(db.lastError());
    for (const TableDef& table : AllTables()) {
        for (const QString& statement : CreateTableStatements(table)) {
            QSqlQuery query(db);
            if (!query.exec(statement)) {
                const QSqlError error = query.lastError();
                db.rollback();
                ThrowSqlError(error);
            }
        }
    }
    if (!db.commit())
        ThrowSqlError(db.lastError());
}

void CreateDatabase(const QString& folder)
{
    const QString file = QDir(folder).filePath(QLatin1String(DatabaseFileName));
    if (QFileInfo::exists(file))
        throw EDBEngineError(EngineCode::None,
                             Msg::tr(Msg::DatabaseExists).arg(QDir::toNativeSeparators(file)));
    if (!QDir().mkpath(folder))
        throw EDBEngineError(
            EngineCode::None,
            Msg::tr(Msg::DatabaseFolderFailed).arg(QDir::toNativeSeparators(folder)));

    const QString connection =
        QStringLiteral("create-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(file);
        try {
            if (!db.open())
                ThrowSqlError(db.lastError());
            CreateSchema(db);
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            QFile::remove(file);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}
