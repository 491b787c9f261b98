#pragma once
// The five tables of the program's database, defined once: field names,
// types and sizes, and the indexes that give browse order and uniqueness.
// The datasets, the database creation and the setup tool all read these
// definitions; nothing else spells a column.

#include <QList>
#include <QString>
#include <QStringList>

class QSqlDatabase;

enum class TFieldType
{
    AutoInc,  // integer key the table assigns; read-only
    SmallInt, // 16-bit integer
    Integer,  // 32-bit integer
    String,   // text of at most `size` characters
    Memo,     // text without a size limit
    Blob,     // bytes
};

struct FieldDef
{
    QString name;
    TFieldType type;
    int size = 0; // characters, for String
    bool required = false;
};

struct IndexDef
{
    QString name;
    QStringList fields;
    bool primary = false;
    bool unique = false;
    bool caseInsensitive = false;
};

struct TableDef
{
    QString name;     // SQL table name, e.g. "Jeu"
    QString fileName; // the name the program gives the table, e.g. "Jeu.DB"
    QList<FieldDef> fields;
    QList<IndexDef> indexes;

    const FieldDef* field(const QString& fieldName) const; // case-insensitive; null when absent
    const IndexDef* index(const QString& indexName) const; // case-insensitive; null when absent
    const FieldDef* keyField() const;                      // the AutoInc field, null when none
};

namespace Tables {
// Table names as the data module opens them.
inline constexpr auto Patient = "Patient.DB";
inline constexpr auto Jeu = "Jeu.DB";
inline constexpr auto ParamJeu = "ParamJeu.DB";
inline constexpr auto Users = "Users.DB";
inline constexpr auto Plates = "Plates.DB";
} // namespace Tables

// Index names the data module browses by.
namespace Indexes {
inline constexpr auto PatientExistant = "Patient_Existant";
inline constexpr auto JeuFkPat = "FK_PAT";
inline constexpr auto NiveauExistant = "Niveau_Existant";
inline constexpr auto UtilisateurExistant = "Utilisateur existant";
} // namespace Indexes

const QList<TableDef>& AllTables();
// Finds a table by its SQL name or its file name ("Jeu", "jeu.db"); null when unknown.
const TableDef* FindTable(const QString& name);

// The database file that the standard driver keeps inside an alias folder.
inline constexpr auto DatabaseFileName = "Velunor.db";

// SQL statements that create a table and its indexes.
QStringList CreateTableStatements(const TableDef& table);

// Creates the five tables in an open, empty database. Throws EDBEngineError.
void CreateSchema(QSqlDatabase& db);

// Creates `folder` (if needed) and a new database file with the five empty
// tables inside it. Refuses to touch an existing database file. Throws
// EDBEngineError.
void CreateDatabase(const QString& folder);
