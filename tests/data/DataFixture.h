#pragma once
// A database in a temporary installation: DATA/ with the five empty tables,
// rows written straight through SQL (as another program would), and an
// alias registry of the test's own.

#include "AliasRegistry.h"
#include "Schema.h"
#include "TestInstallation.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QVariant>

// Every test process gets a registry folder of its own, so that tests
// running side by side never see each other's aliases.
inline void UsePrivateAliasRegistry(const QTemporaryDir& home)
{
    qputenv("VELUNOR_CONFIG_HOME", home.path().toUtf8());
}

class DataFixture
{
public:
    explicit DataFixture(bool create = true)
    {
        if (create)
            CreateDatabase(dataDir());
    }

    TestInstallation inst;

    QString dataDir() const { return inst.filePath(QStringLiteral("DATA")); }
    QString databaseFile() const
    {
        return dataDir() + QLatin1Char('/') + QLatin1String(DatabaseFileName);
    }

    // Runs one statement on the database file; returns the last inserted key.
    QVariant exec(const QString& sql, const QVariantList& values = {}) const
    {
        const QString name = QUuid::createUuid().toString();
        QVariant key;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(databaseFile());
            if (db.open()) {
                QSqlQuery query(db);
                query.prepare(sql);
                for (const QVariant& value : values)
                    query.addBindValue(value);
                if (!query.exec())
                    qWarning("fixture SQL failed: %s", qPrintable(query.lastError().text()));
                key = query.lastInsertId();
                if (query.isSelect() && query.next())
                    key = query.value(0);
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return key;
    }

    int count(const QString& table, const QString& where = QStringLiteral("1=1")) const
    {
        return exec(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where)).toInt();
    }

    int addPatient(const QString& nom, const QString& prenom = QStringLiteral("P")) const
    {
        return exec(QStringLiteral("INSERT INTO Patient (NOM, PRENOM, SEXE) VALUES (?, ?, 'M')"),
                    {nom, prenom})
            .toInt();
    }
    int addLevel(int type, const QString& name, const QString& param = QStringLiteral("1;2")) const
    {
        return exec(QStringLiteral("INSERT INTO ParamJeu (TYPE, PARAM, NIVEAU) VALUES (?, ?, ?)"),
                    {type, param, name})
            .toInt();
    }
    int addTrial(int patient, int type, const QString& date, const QString& time,
                 const QString& level = QStringLiteral("L"),
                 const QString& score = QStringLiteral("1")) const
    {
        return exec(QStringLiteral("INSERT INTO Jeu (DATE_JEU, TIME, FK_PAT, TYPE, NIVEAU, SCORE) "
                                   "VALUES (?, ?, ?, ?, ?, ?)"),
                    {date, time, patient, type, level, score})
            .toInt();
    }
    int addUser(const QString& nom, const QString& passwd) const
    {
        return exec(QStringLiteral("INSERT INTO Users (NOM, PASS_WD) VALUES (?, ?)"), {nom, passwd})
            .toInt();
    }
    void addPlate(const QString& name, int nbCapX) const
    {
        exec(QStringLiteral("INSERT INTO Plates (Name, NbCapX, DimCapX) VALUES (?, ?, 0)"),
             {name, nbCapX});
    }
};
