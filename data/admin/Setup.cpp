#include "Setup.h"

#include "DataSet.h"
#include "Database.h"
#include "DbError.h"
#include "Define.h"
#include "DemoData.h"
#include "FileNames.h"
#include "IniFile.h"
#include "MessageTable.h"
#include "Password.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlError>

namespace {

// Folders of an installation copied from Windows may be named in any case.
QString dataFolder(const QString& dir)
{
    return ResolveFileName(dir, QLatin1String(FileName::DataFolder));
}

QString databaseFile(const QString& dir)
{
    return ResolveFileName(dataFolder(dir), QLatin1String(DatabaseFileName));
}

QString configFolder(const QString& dir)
{
    return ResolveFileName(dir, QLatin1String(FileName::ConfigFolder));
}

QString programIni(const QString& dir)
{
    return ResolveFileName(configFolder(dir), QLatin1String(FileName::ProgramIni));
}

QString deviceIni(const QString& dir)
{
    return ResolveFileName(dir, QLatin1String(FileName::DeviceIni));
}

[[noreturn]] void notWritten(const QString& path)
{
    throw AppError(Msg::tr(Msg::AdminNotWritten).arg(QDir::toNativeSeparators(path)));
}

// The files and folders one call creates. Unless the call commits, they
// are removed again (newest first) when the journal goes out of scope, so a
// failed call leaves the installation as it found it.
class FileJournal
{
public:
    FileJournal() = default;
    FileJournal(const FileJournal&) = delete;
    FileJournal& operator=(const FileJournal&) = delete;
    ~FileJournal()
    {
        if (m_committed)
            return;
        for (auto it = m_entries.crbegin(); it != m_entries.crend(); ++it) {
            if (it->folder) {
                QDir().rmdir(it->path);
            } else {
                QFile::remove(it->path);
                // A database leaves its write-ahead log beside it while open.
                for (const char* suffix : {"-wal", "-shm", "-journal"})
                    QFile::remove(it->path + QLatin1String(suffix));
            }
        }
    }

    // Creates the folder and the missing folders above it.
    void makeFolder(const QString& path)
    {
        const QString clean = QDir::cleanPath(QDir(path).absolutePath());
        QStringList missing;
        for (QString p = clean; !QFileInfo::exists(p); p = QFileInfo(p).absolutePath()) {
            missing.prepend(p);
            if (QFileInfo(p).absolutePath() == p)
                break;
        }
        for (const QString& folder : missing) {
            if (!QDir().mkdir(folder))
                notWritten(folder);
            m_entries.append({folder, true});
        }
        if (!QFileInfo(clean).isDir())
            notWritten(clean);
    }
    void createdFile(const QString& path) { m_entries.append({path, false}); }
    QStringList createdFiles() const
    {
        QStringList files;
        for (const Entry& entry : m_entries) {
            if (!entry.folder)
                files.append(entry.path);
        }
        return files;
    }
    void commit() { m_committed = true; }

private:
    struct Entry
    {
        QString path;
        bool folder;
    };
    QList<Entry> m_entries;
    bool m_committed = false;
};

// The tables of an installation inside one transaction: everything written
// through them reaches the database at commit(), or not at all.
class Store
{
public:
    explicit Store(const QString& dir)
    {
        m_db.OpenDirectory(dataFolder(dir));
        QSqlDatabase sql = m_db.Sql();
        if (!sql.transaction())
            ThrowSqlError(sql.lastError());
        m_inTransaction = true;
    }
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;
    ~Store()
    {
        if (m_inTransaction)
            m_db.Sql().rollback();
    }

    TTable& open(const char* name, const char* index = nullptr)
    {
        auto* table = new TTable(&m_db);
        table->SetDatabase(&m_db);
        table->SetTableName(QLatin1String(name));
        if (index)
            table->SetIndexName(QLatin1String(index));
        table->Open();
        return *table;
    }

    void commit()
    {
        QSqlDatabase sql = m_db.Sql();
        if (!sql.commit())
            ThrowSqlError(sql.lastError());
        m_inTransaction = false;
    }

private:
    TDatabase m_db;
    bool m_inTransaction = false;
};

void appendRow(TTable& table, const QList<QPair<const char*, QVariant>>& values)
{
    table.Append();
    for (const auto& [field, value] : values)
        table.FieldByName(QLatin1String(field))->SetValue(value);
    table.Post();
}

void writeKey(IniFile& ini, const IniKey& key, int value)
{
    if (!ini.writeInteger(QLatin1String(key.section), QLatin1String(key.key), value))
        notWritten(ini.path());
}

// Ranges for the simulated 48-sensor plate at rest in 24,24: a shift of a
// quarter of the plate (12 sensors) takes the cursor from the middle of a
// game surface to its edge, a comfortable drag on the pad. The pac-man
// dead zone of 30 pixels (about one sensor) keeps the sway of a replayed
// trace from turning the pac-man at every step.
void writeProgramIni(const QString& path)
{
    IniFile ini(path);
    writeKey(ini, Key::BackGroundColor, 0);
    writeKey(ini, Key::Refresh, Key::Refresh.defaultValue);
    writeKey(ini, Key::DeltaX, 12);
    writeKey(ini, Key::DeltaY, 12);
    writeKey(ini, Key::MargeHHoopX, 12);
    writeKey(ini, Key::MargeHHoopY, 12);
    writeKey(ini, Key::PacManCoefX, 30);
    writeKey(ini, Key::PacManCoefY, 30);
}

// The plate model of Plates.DB that the simulated platform stands in for,
// with the simulator's sensor counts and UDP port agreeing with it.
constexpr auto DemoPlate = "PLT2020A";
constexpr int DemoPlateSensors = 48;
constexpr int SimulatorUdpPort = 47800;

// lastUser 0: no LastUser key, the login starts with an empty name.
void writeDeviceIni(const QString& path, int lastUser)
{
    IniFile ini(path);
    bool ok = ini.writeString(QLatin1String(Key::PlateName.section),
                              QLatin1String(Key::PlateName.key), QLatin1String(DemoPlate));
    if (lastUser > 0)
        ok = ok && ini.writeInteger(QLatin1String(Key::LastUser.section),
                                    QLatin1String(Key::LastUser.key), lastUser);
    const QString simulator = QStringLiteral("Simulator");
    ok = ok && ini.writeInteger(simulator, QStringLiteral("SensorsX"), DemoPlateSensors) &&
         ini.writeInteger(simulator, QStringLiteral("SensorsY"), DemoPlateSensors) &&
         ini.writeInteger(simulator, QStringLiteral("UdpPort"), SimulatorUdpPort);
    if (!ok)
        notWritten(path);
}

// Creates the database when it is missing; true when it did.
bool createDatabase(const QString& dir, FileJournal& journal)
{
    const QString file = databaseFile(dir);
    if (QFileInfo::exists(file))
        return false;
    journal.makeFolder(dataFolder(dir));
    CreateDatabase(dataFolder(dir));
    journal.createdFile(file);
    return true;
}

void createProgramIni(const QString& dir, FileJournal& journal, QStringList* kept)
{
    journal.makeFolder(configFolder(dir));
    const QString path = programIni(dir);
    if (QFileInfo::exists(path)) {
        if (kept)
            kept->append(path);
        return;
    }
    journal.createdFile(path);
    writeProgramIni(path);
}

void createDeviceIni(const QString& dir, int lastUser, FileJournal& journal, QStringList* kept)
{
    const QString path = deviceIni(dir);
    if (QFileInfo::exists(path)) {
        if (kept)
            kept->append(path);
        return;
    }
    journal.createdFile(path);
    writeDeviceIni(path, lastUser);
}

// Writes a file that must not exist yet.
void writeNewFile(const QString& path, const QByteArray& content, FileJournal& journal)
{
    if (QFileInfo::exists(path))
        throw AppError(Msg::tr(Msg::AdminFileExists).arg(QDir::toNativeSeparators(path)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        notWritten(path);
    journal.createdFile(path);
}

QString checkedUserName(const QString& name)
{
    const QString upper = name.trimmed().toUpper();
    if (upper.isEmpty())
        throw AppError(Msg::tr(Msg::AdminBadUser));
    return upper;
}

void checkPassword(const QString& password)
{
    static const QRegularExpression typable(QStringLiteral("^[0-9A-Za-z]*$"));
    if (!typable.match(password).hasMatch())
        throw AppError(Msg::tr(Msg::AdminBadPassword));
}

bool locateUser(TTable& users, const QString& upperName)
{
    return users.Locate(QStringLiteral("NOM"), upperName, Qt::CaseSensitive);
}

int addUserRow(TTable& users, const QString& upperName, const QString& password)
{
    appendRow(users, {{"NOM", upperName}, {"PASS_WD", EncodePassword(password)}});
    return users.FieldByName(QStringLiteral("PK_USE"))->AsInteger();
}

bool findLevel(TTable& levels, int type, const QString& name)
{
    TField* typeField = levels.FieldByName(QStringLiteral("TYPE"));
    TField* nameField = levels.FieldByName(QStringLiteral("NIVEAU"));
    for (levels.First(); !levels.Eof(); levels.Next()) {
        // Level names are unique per game without regard to case.
        if (typeField->AsInteger() == type &&
            nameField->AsString().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The labyrinth file of a pac-man level: 14 lines of 23 cells, each line
// ended by carriage return and line feed.
QByteArray labyrinthFile(const QStringList& maze)
{
    QByteArray content;
    for (const QString& line : maze)
        content += line.toLatin1() + "\r\n";
    return content;
}

} // namespace

QString DatabaseFilePath(const QString& dir)
{
    return databaseFile(dir);
}

QStringList SetupInstallation(const QString& dir)
{
    FileJournal journal;
    createDatabase(dir, journal);
    createProgramIni(dir, journal, nullptr);
    createDeviceIni(dir, 0, journal, nullptr);
    journal.commit();
    return journal.createdFiles();
}

QStringList InitInstallation(const QString& dir)
{
    const QString file = databaseFile(dir);
    if (QFileInfo::exists(file))
        throw AppError(Msg::tr(Msg::DatabaseExists).arg(QDir::toNativeSeparators(file)));
    return SetupInstallation(dir);
}

DemoReport SetupDemoInstallation(const QString& dir)
{
    DemoReport report;
    FileJournal journal;
    const QDate today = QDate::currentDate();
    createDatabase(dir, journal);
    {
        Store store(dir);
        TTable& patients = store.open(Tables::Patient, Indexes::PatientExistant);
        if (!patients.IsEmpty())
            throw AppError(Msg::tr(Msg::AdminDemoRefused)
                               .arg(QDir::toNativeSeparators(dataFolder(dir)))
                               .arg(patients.RecordCount()));

        createProgramIni(dir, journal, &report.kept);

        // The platform models, each added when Plates.DB does not know it.
        TTable& plates = store.open(Tables::Plates);
        const struct
        {
            const char* name;
            int sensors;
        } models[] = {{DemoPlate, DemoPlateSensors}, {"PLT3000", 64}};
        for (const auto& model : models) {
            if (!plates.Locate(QStringLiteral("Name"), QLatin1String(model.name),
                               Qt::CaseInsensitive))
                appendRow(plates, {{"Name", QLatin1String(model.name)},
                                   {"NbCapX", model.sensors},
                                   {"DimCapX", 8}});
        }

        // An account of the therapist's name is kept with its own password.
        TTable& users = store.open(Tables::Users, Indexes::UtilisateurExistant);
        report.therapist = QLatin1String(DemoTherapist.name);
        if (locateUser(users, report.therapist)) {
            report.therapistKey = users.FieldByName(QStringLiteral("PK_USE"))->AsInteger();
        } else {
            report.password = QLatin1String(DemoTherapist.password);
            report.therapistKey = addUserRow(users, report.therapist, report.password);
        }

        // Levels first: a pac-man level's labyrinth file is named after its key.
        TTable& levels = store.open(Tables::ParamJeu, Indexes::NiveauExistant);
        for (const Demo::Level& level : Demo::Levels()) {
            // A level the clinic made under the same name stays as it is.
            if (findLevel(levels, level.type, level.name))
                continue;
            appendRow(levels,
                      {{"TYPE", level.type}, {"PARAM", level.param}, {"NIVEAU", level.name}});
            if (!level.maze.isEmpty()) {
                // "Tab" + key + ".lab" in the configuration folder, as the
                // pac-man level editor names it.
                const QString file =
                    QStringLiteral("Tab%1.lab")
                        .arg(levels.FieldByName(QStringLiteral("PK_Param"))->AsInteger());
                levels.Edit();
                levels.FieldByName(QStringLiteral("FICHIER"))->SetAsString(file);
                levels.Post();
                writeNewFile(QDir(configFolder(dir)).filePath(file), labyrinthFile(level.maze),
                             journal);
            }
            ++report.levels;
        }

        const QList<Demo::Level> demoLevels = Demo::Levels();
        const QList<Demo::Patient> demoPatients = Demo::Patients();
        TTable& trials = store.open(Tables::Jeu);
        for (qsizetype p = 0; p < demoPatients.size(); ++p) {
            const Demo::Patient& patient = demoPatients[p];
            appendRow(patients, {{"NOM", QString::fromUtf8(patient.nom)},
                                 {"PRENOM", QString::fromUtf8(patient.prenom)},
                                 {"BIRTHDT", DateTimeSettings.formatDate(patient.birth)},
                                 {"POINTURE", QString::fromUtf8(patient.pointure)},
                                 {"SEXE", QString::fromUtf8(patient.sexe)},
                                 {"ADRESSE", QString::fromUtf8(patient.adresse)},
                                 {"CP", QString::fromUtf8(patient.cp)},
                                 {"VILLE", QString::fromUtf8(patient.ville)},
                                 {"NOTE", QString::fromUtf8(patient.note)}});
            ++report.patients;
            const int key = patients.FieldByName(QStringLiteral("PK_PAT"))->AsInteger();
            // Filtered on the patient, as a game appends, so that each post
            // reads back only this patient's rows.
            trials.SetFilter(QStringLiteral("FK_PAT=") + QString::number(key));
            trials.SetFiltered(true);
            for (const Demo::Trial& trial : Demo::Trials(int(p), today)) {
                appendRow(trials, {{"DATE_JEU", DateTimeSettings.formatDate(trial.date)},
                                   {"TIME", DateTimeSettings.formatTime(trial.time)},
                                   {"FK_PAT", key},
                                   {"TYPE", demoLevels[trial.level].type},
                                   {"NIVEAU", demoLevels[trial.level].name},
                                   {"SCORE", QString::number(trial.score)}});
                ++report.trials;
            }
        }

        createDeviceIni(dir, report.therapistKey, journal, &report.kept);
        store.commit();
    }
    journal.commit();
    report.created = journal.createdFiles();
    return report;
}

void AddUser(const QString& dir, const QString& name, const QString& password)
{
    const QString upper = checkedUserName(name);
    checkPassword(password);
    Store store(dir);
    TTable& users = store.open(Tables::Users, Indexes::UtilisateurExistant);
    if (locateUser(users, upper))
        throw AppError(Msg::tr(Msg::AdminUserExists).arg(upper));
    addUserRow(users, upper, password);
    store.commit();
}

void ChangePassword(const QString& dir, const QString& name, const QString& password)
{
    const QString upper = checkedUserName(name);
    checkPassword(password);
    Store store(dir);
    TTable& users = store.open(Tables::Users, Indexes::UtilisateurExistant);
    TField* nom = users.FieldByName(QStringLiteral("NOM"));
    bool found = false;
    // Every row of the name: the login takes the first, and a second one
    // must not keep an old password that becomes valid if the first goes.
    for (users.First(); !users.Eof(); users.Next()) {
        if (nom->AsString() != upper)
            continue;
        users.Edit();
        users.FieldByName(QStringLiteral("PASS_WD"))->SetAsString(EncodePassword(password));
        users.Post();
        found = true;
    }
    if (!found)
        throw AppError(Msg::tr(Msg::AdminUserUnknown).arg(upper));
    store.commit();
}

int AddPatient(const QString& dir, const PatientRecord& patient)
{
    const QString lastName = patient.lastName.trimmed();
    if (lastName.isEmpty())
        throw AppError(Msg::tr(Msg::AdminLastNameMissing));
    const QString sex = patient.sex.trimmed().toUpper();
    if (!sex.isEmpty() && sex != QLatin1String("M") && sex != QLatin1String("F"))
        throw AppError(Msg::tr(Msg::AdminBadSex).arg(patient.sex));
    QString birth;
    if (!patient.birthDate.trimmed().isEmpty()) {
        QDate date = DateTimeSettings.parseDate(patient.birthDate);
        if (!date.isValid())
            date = QDate::fromString(patient.birthDate.trimmed(), Qt::ISODate);
        if (!date.isValid() || date > QDate::currentDate())
            throw AppError(
                Msg::tr(Msg::AdminBadBirthDate)
                    .arg(patient.birthDate, DateTimeSettings.formatDate(QDate(1950, 12, 31))));
        birth = DateTimeSettings.formatDate(date);
    }

    Store store(dir);
    TTable& patients = store.open(Tables::Patient, Indexes::PatientExistant);
    appendRow(patients, {{"NOM", lastName},
                         {"PRENOM", patient.firstName.trimmed()},
                         {"BIRTHDT", birth},
                         {"SEXE", sex},
                         {"POINTURE", patient.footSize.trimmed()},
                         {"ADRESSE", patient.address.trimmed()},
                         {"CP", patient.postalCode.trimmed()},
                         {"VILLE", patient.city.trimmed()},
                         {"NOTE", patient.note}});
    const int key = patients.FieldByName(QStringLiteral("PK_PAT"))->AsInteger();
    store.commit();
    return key;
}

QList<QStringList> ListPatients(const QString& dir)
{
    Store store(dir);
    TTable& patients = store.open(Tables::Patient, Indexes::PatientExistant);
    QList<QStringList> rows;
    for (patients.First(); !patients.Eof(); patients.Next()) {
        QStringList row;
        for (const char* field : {"PK_PAT", "NOM", "PRENOM", "BIRTHDT", "SEXE", "VILLE"})
            row.append(patients.FieldByName(QLatin1String(field))->AsString());
        rows.append(row);
    }
    return rows;
}

QList<QStringList> ListUsers(const QString& dir)
{
    Store store(dir);
    TTable& users = store.open(Tables::Users, Indexes::UtilisateurExistant);
    QList<QStringList> rows;
    for (users.First(); !users.Eof(); users.Next())
        rows.append({users.FieldByName(QStringLiteral("PK_USE"))->AsString(),
                     users.FieldByName(QStringLiteral("NOM"))->AsString()});
    return rows;
}
