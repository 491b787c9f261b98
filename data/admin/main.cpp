// balvoro-admin: prepares an installation folder and keeps its users and
// patients, which the program itself never adds.
//
//   balvoro-admin [--dir DIR] COMMAND [ARGUMENTS]      (usage: Msg::AdminUsage)
//
// Exit codes: 0 done, 1 refused or failed (nothing changed), 2 bad command
// line (the usage is printed).

#include "AppError.h"
#include "Define.h"
#include "MessageTable.h"
#include "PasswordInput.h"
#include "Setup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QTextStream>
#include <cstdio>

namespace {

// The environment variable naming the installation folder.
constexpr auto DirVariable = "BALVORO_DIR";

// add-patient's options and the patient fields they fill.
struct PatientOption
{
    const char* name;
    QString PatientRecord::*field;
};
const PatientOption patientOptions[] = {
    {"last-name", &PatientRecord::lastName},
    {"first-name", &PatientRecord::firstName},
    {"birth-date", &PatientRecord::birthDate},
    {"sex", &PatientRecord::sex},
    {"foot-size", &PatientRecord::footSize},
    {"address", &PatientRecord::address},
    {"postal-code", &PatientRecord::postalCode},
    {"city", &PatientRecord::city},
    {"note", &PatientRecord::note},
};

struct CommandLine
{
    QString command;
    QStringList arguments;
    QMap<QString, QString> options; // without the leading "--"
};

// A command line that cannot be run; answered with the usage.
struct UsageError
{
    QString text;
};

bool isPatientOption(const QString& name)
{
    for (const PatientOption& option : patientOptions) {
        if (name == QLatin1String(option.name))
            return true;
    }
    return false;
}

// Options are "--name value" or "--name=value" anywhere on the line; "--"
// ends them, so that a name may begin with a dash.
CommandLine parse(const QStringList& args)
{
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && (arg == QLatin1String("--help") || arg == QLatin1String("-h"))) {
            line.options.insert(QStringLiteral("help"), QString());
            continue;
        }
        if (!optionsEnded && arg.startsWith(QLatin1String("--"))) {
            QString name = arg.mid(2);
            QString value;
            const qsizetype equals = name.indexOf(QLatin1Char('='));
            if (equals >= 0) {
                value = name.mid(equals + 1);
                name.truncate(equals);
            }
            if (name != QLatin1String("dir") && !isPatientOption(name))
                throw UsageError{Msg::tr(Msg::AdminUnknownOption).arg(arg)};
            if (equals < 0) {
                if (i + 1 >= args.size())
                    throw UsageError{Msg::tr(Msg::AdminOptionValueMissing).arg(arg)};
                value = args[++i];
            }
            if (line.options.contains(name))
                throw UsageError{Msg::tr(Msg::AdminOptionTwice).arg(QLatin1String("--") + name)};
            line.options.insert(name, value);
            continue;
        }
        if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg.size() > 1)
            throw UsageError{Msg::tr(Msg::AdminUnknownOption).arg(arg)};
        if (line.command.isEmpty())
            line.command = arg;
        else
            line.arguments.append(arg);
    }
    return line;
}

struct CommandShape
{
    const char* name;
    int minArguments;
    int maxArguments;
    bool patientOptions;
};
const CommandShape commands[] = {
    {"init", 0, 1, false},       {"demo", 0, 1, false},       {"add-user", 1, 1, false},
    {"passwd", 1, 1, false},     {"add-patient", 0, 0, true}, {"list-patients", 0, 0, false},
    {"list-users", 0, 0, false},
};

void checkShape(const CommandLine& line)
{
    if (line.command.isEmpty())
        throw UsageError{Msg::tr(Msg::AdminNoCommand)};
    const CommandShape* shape = nullptr;
    for (const CommandShape& candidate : commands) {
        if (line.command == QLatin1String(candidate.name))
            shape = &candidate;
    }
    if (!shape)
        throw UsageError{Msg::tr(Msg::AdminUnknownCommand).arg(line.command)};
    if (line.arguments.size() < shape->minArguments || line.arguments.size() > shape->maxArguments)
        throw UsageError{Msg::tr(Msg::AdminArgumentCount).arg(line.command)};
    for (auto it = line.options.cbegin(); it != line.options.cend(); ++it) {
        if (isPatientOption(it.key()) && !shape->patientOptions)
            throw UsageError{Msg::tr(Msg::AdminOptionNotForCommand)
                                 .arg(QLatin1String("--") + it.key(), line.command)};
    }
}

// The installation folder: the DIR argument of init and demo, --dir, the
// environment, or the folder of this tool, in this order of precedence;
// naming it twice on the command line is an error.
QString installationFolder(const CommandLine& line)
{
    const bool takesDir =
        line.command == QLatin1String("init") || line.command == QLatin1String("demo");
    QString dir;
    if (takesDir && !line.arguments.isEmpty()) {
        if (line.options.contains(QStringLiteral("dir")))
            throw UsageError{Msg::tr(Msg::AdminDirTwice)};
        dir = line.arguments.first();
    } else if (line.options.contains(QStringLiteral("dir"))) {
        dir = line.options.value(QStringLiteral("dir"));
    } else {
        dir = qEnvironmentVariable(DirVariable);
        if (dir.isEmpty())
            dir = QCoreApplication::applicationDirPath();
    }
    if (dir.trimmed().isEmpty())
        throw UsageError{Msg::tr(Msg::AdminOptionValueMissing).arg(QStringLiteral("--dir"))};
    return QDir(dir).absolutePath();
}

void requireDatabase(const QString& dir)
{
    if (!QFileInfo::exists(DatabaseFilePath(dir)))
        throw AppError(Msg::tr(Msg::AdminNoDatabase).arg(QDir::toNativeSeparators(dir)));
}

bool userExists(const QString& dir, const QString& name)
{
    const QString upper = name.trimmed().toUpper();
    for (const QStringList& user : ListUsers(dir)) {
        if (user.value(1) == upper)
            return true;
    }
    return false;
}

// A new password: typed twice on a terminal, one line otherwise.
QString readNewPassword(const QString& name)
{
    const std::optional<QString> password =
        ReadSecretLine(Msg::tr(Msg::AdminPasswordPrompt).arg(name.trimmed().toUpper()));
    if (!password)
        throw AppError(Msg::tr(Msg::AdminNoPassword));
    if (StdinIsTerminal()) {
        const std::optional<QString> again = ReadSecretLine(Msg::tr(Msg::AdminPasswordRepeat));
        if (!again || *again != *password)
            throw AppError(Msg::tr(Msg::AdminPasswordMismatch));
    }
    return *password;
}

void printTable(QTextStream& out, const char* header, const QList<QStringList>& rows)
{
    out << Msg::tr(header).split(QLatin1Char(';')).join(QLatin1Char('\t')) << '\n';
    for (const QStringList& row : rows)
        out << row.join(QLatin1Char('\t')) << '\n';
}

int run(const CommandLine& line, QTextStream& out)
{
    const QString dir = installationFolder(line);
    const QString& command = line.command;
    const QString native = QDir::toNativeSeparators(dir);

    if (command == QLatin1String("init")) {
        for (const QString& path : InitInstallation(dir))
            out << Msg::tr(Msg::AdminCreated).arg(QDir::toNativeSeparators(path)) << '\n';
    } else if (command == QLatin1String("demo")) {
        const DemoReport report = SetupDemoInstallation(dir);
        for (const QString& path : report.created)
            out << Msg::tr(Msg::AdminCreated).arg(QDir::toNativeSeparators(path)) << '\n';
        for (const QString& path : report.kept)
            out << Msg::tr(Msg::AdminKept).arg(QDir::toNativeSeparators(path)) << '\n';
        out << Msg::tr(Msg::AdminDemoAdded)
                   .arg(native)
                   .arg(report.patients)
                   .arg(report.levels)
                   .arg(report.trials)
            << '\n';
        if (report.password.isEmpty())
            out << Msg::tr(Msg::AdminDemoTherapistKept).arg(report.therapist) << '\n';
        else
            out << Msg::tr(Msg::AdminDemoTherapist).arg(report.therapist, report.password) << '\n';
    } else if (command == QLatin1String("add-user")) {
        requireDatabase(dir);
        const QString& name = line.arguments.first();
        // Refused before the password is asked for; AddUser checks again
        // inside its transaction.
        if (!name.trimmed().isEmpty() && userExists(dir, name))
            throw AppError(Msg::tr(Msg::AdminUserExists).arg(name.trimmed().toUpper()));
        AddUser(dir, name, name.trimmed().isEmpty() ? QString() : readNewPassword(name));
        out << Msg::tr(Msg::AdminUserAdded).arg(name.trimmed().toUpper()) << '\n';
    } else if (command == QLatin1String("passwd")) {
        requireDatabase(dir);
        const QString& name = line.arguments.first();
        if (!userExists(dir, name))
            throw AppError(Msg::tr(Msg::AdminUserUnknown).arg(name.trimmed().toUpper()));
        ChangePassword(dir, name, readNewPassword(name));
        out << Msg::tr(Msg::AdminPasswordChanged).arg(name.trimmed().toUpper()) << '\n';
    } else if (command == QLatin1String("add-patient")) {
        requireDatabase(dir);
        PatientRecord patient;
        for (const PatientOption& option : patientOptions)
            patient.*option.field = line.options.value(QLatin1String(option.name));
        const int key = AddPatient(dir, patient);
        out << Msg::tr(Msg::AdminPatientAdded)
                   .arg(patient.lastName.trimmed(), patient.firstName.trimmed())
                   .arg(key)
            << '\n';
    } else if (command == QLatin1String("list-patients")) {
        requireDatabase(dir);
        printTable(out, Msg::AdminPatientListHeader, ListPatients(dir));
    } else if (command == QLatin1String("list-users")) {
        requireDatabase(dir);
        printTable(out, Msg::AdminUserListHeader, ListUsers(dir));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Trial and birth dates in the form the program writes them.
    DateTimeSettings = DateTimeSettingsForLocale(QLocale::system());
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        const CommandLine line = parse(QCoreApplication::arguments());
        if (line.options.contains(QStringLiteral("help"))) {
            out << Msg::tr(Msg::AdminUsage) << '\n';
            return 0;
        }
        checkShape(line);
        return run(line, out);
    } catch (const UsageError& error) {
        out.flush();
        err << error.text << '\n' << Msg::tr(Msg::AdminUsage) << '\n';
        return 2;
    } catch (const AppError& error) {
        out.flush();
        err << error.message() << '\n';
        return 1;
    }
}
