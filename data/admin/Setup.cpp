#include "Setup.h"

#include "DataSet.h"
#include "Database.h"
#include "DbError.h"
#include "Define.h"
#include "IniFile.h"
#include "MessageTable.h"
#include "Password.h"
#include "Schema.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString dataFolder(const QString& dir)
{
    return QDir(dir).filePath(QLatin1String(FileName::DataFolder));
}

void writeKey(IniFile& ini, const IniKey& key, int value)
{
    if (!ini.writeInteger(QLatin1String(key.section), QLatin1String(key.key), value))
        throw AppError(Msg::tr(Msg::AdminNotWritten).arg(QDir::toNativeSeparators(ini.path())));
}

// Ranges for the simulated 48-sensor plate: a shift of a quarter of the
// plate reaches the edge of a game surface.
void writeProgramIni(const QString& path)
{
    IniFile ini(path);
    writeKey(ini, Key::BackGroundColor, 0);
    writeKey(ini, Key::Refresh, Key::Refresh.defaultValue);
    writeKey(ini, Key::DeltaX, 12);
    writeKey(ini, Key::DeltaY, 12);
    writeKey(ini, Key::MargeHHoopX, 12);
    writeKey(ini, Key::MargeHHoopY, 12);
    writeKey(ini, Key::PacManCoefX, Key::PacManCoefX.defaultValue);
    writeKey(ini, Key::PacManCoefY, Key::PacManCoefY.defaultValue);
}

void writeDeviceIni(const QString& path)
{
    IniFile ini(path);
    if (!ini.writeString(QLatin1String(Key::PlateName.section), QLatin1String(Key::PlateName.key),
                         QStringLiteral("PLT2020A")) ||
        !ini.writeInteger(QLatin1String(Key::LastUser.section), QLatin1String(Key::LastUser.key),
                          1))
        throw AppError(Msg::tr(Msg::AdminNotWritten).arg(QDir::toNativeSeparators(path)));
}

class Store
{
public:
    explicit Store(const QString& dir) { m_db.OpenDirectory(dataFolder(dir)); }

    TTable& open(const char* name)
    {
        auto* table = new TTable(&m_db);
        table->SetDatabase(&m_db);
        table->SetTableName(QLatin1String(name));
        table->Open();
        return *table;
    }

private:
    TDatabase m_db;
};

void appendRow(TTable& table, const QList<QPair<const char*, QVariant>>& values)
{
    table.Append();
    for (const auto& [field, value] : values)
        table.FieldByName(QLatin1String(field))->SetValue(value);
    table.Post();
}

} // namespace

QStringList SetupInstallation(const QString& dir)
{
    QStringList created;
    const QString data = dataFolder(dir);
    if (!QFileInfo::exists(QDir(data).filePath(QLatin1String(DatabaseFileName)))) {
        CreateDatabase(data);
        created << QDir(data).filePath(QLatin1String(DatabaseFileName));
    }

    const QString configDir = QDir(dir).filePath(QLatin1String(FileName::ConfigFolder));
    if (!QDir().mkpath(configDir))
        throw AppError(Msg::tr(Msg::AdminNotWritten).arg(QDir::toNativeSeparators(configDir)));
    const QString programIni = QDir(configDir).filePath(QLatin1String(FileName::ProgramIni));
    if (!QFileInfo::exists(programIni)) {
        writeProgramIni(programIni);
        created << programIni;
    }
    const QString deviceIni = QDir(dir).filePath(QLatin1String(FileName::DeviceIni));
    if (!QFileInfo::exists(deviceIni)) {
        writeDeviceIni(deviceIni);
        created << deviceIni;
    }
    return created;
}

bool SeedDemoData(const QString& dir)
{
    Store tables(dir);
    TTable& patients = tables.open(Tables::Patient);
    if (!patients.IsEmpty())
        return false;

    struct Patient
    {
        const char *nom, *prenom, *birth, *size, *sexe, *adresse, *cp, *ville, *note;
    };
    const Patient demo[] = {
        {"MARTIN", "Louise", "03/12/1948", "38", "F", "4 rue des Lilas", "69003", "Lyon",
         "Fall in March; balance training twice a week."},
        {"BERNARD", "Paul", "07/22/1955", "43", "M", "12 avenue Foch", "75016", "Paris",
         "Hip replacement, left side."},
        {"DUBOIS", "Claire", "11/02/1962", "39", "F", "8 place du Marché", "33000", "Bordeaux", ""},
        {"PETIT", "Jean", "01/30/1940", "42", "M", "23 chemin Vert", "13008", "Marseille",
         "Walks with a cane."},
        {"LEROY", "Emma", "05/17/1971", "37", "F", "2 quai Rambaud", "69002", "Lyon", ""},
    };
    for (const Patient& p : demo) {
        appendRow(patients, {{"NOM", QString::fromUtf8(p.nom)},
                             {"PRENOM", QString::fromUtf8(p.prenom)},
                             {"BIRTHDT", QString::fromUtf8(p.birth)},
                             {"POINTURE", QString::fromUtf8(p.size)},
                             {"SEXE", QString::fromUtf8(p.sexe)},
                             {"ADRESSE", QString::fromUtf8(p.adresse)},
                             {"CP", QString::fromUtf8(p.cp)},
                             {"VILLE", QString::fromUtf8(p.ville)},
                             {"NOTE", QString::fromUtf8(p.note)}});
    }

    TTable& plates = tables.open(Tables::Plates);
    if (plates.IsEmpty()) {
        appendRow(plates, {{"Name", QStringLiteral("PLT2020A")}, {"NbCapX", 48}, {"DimCapX", 8}});
        appendRow(plates, {{"Name", QStringLiteral("PLT3000")}, {"NbCapX", 64}, {"DimCapX", 8}});
    }

    TTable& users = tables.open(Tables::Users);
    if (users.IsEmpty()) {
        for (const DemoUser& user : DemoUsers)
            AddUser(dir, QLatin1String(user.name), QLatin1String(user.password));
    }
    return true;
}

void AddUser(const QString& dir, const QString& name, const QString& password)
{
    static const QRegularExpression typable(QStringLiteral("^[0-9A-Za-z]*$"));
    if (!typable.match(password).hasMatch())
        throw AppError(Msg::tr(Msg::AdminBadPassword));
    if (name.trimmed().isEmpty())
        throw AppError(Msg::tr(Msg::AdminBadUser));
    Store tables(dir);
    // The login compares the typed name in upper case.
    appendRow(tables.open(Tables::Users),
              {{"NOM", name.trimmed().toUpper()}, {"PASS_WD", EncodePassword(password)}});
}
