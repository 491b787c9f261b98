// The setup tool balvoro-admin run as a process, as an installer or a
// therapist runs it: its answers to bad command lines, the users it adds
// and the login that must accept them, the patients, and the demo
// installation the program starts on.

#include "AppError.h"
#include "Data.h"
#include "DataFixture.h"
#include "Define.h"
#include "IniFile.h"
#include "LevelList.h"
#include "Login.h"
#include "MessageCapture.h"
#include "Password.h"
#include "Setup.h"
#include "clock/ClockLevel.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QStringList& args, const QByteArray& input = {},
                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(BALVORO_ADMIN), args);
    ToolRun run;
    if (!tool.waitForStarted(10000))
        return run;
    tool.write(input);
    tool.closeWriteChannel();
    if (!tool.waitForFinished(60000)) {
        tool.kill();
        tool.waitForFinished();
        return run;
    }
    run.exitCode = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    run.out = QString::fromUtf8(tool.readAllStandardOutput());
    run.err = QString::fromUtf8(tool.readAllStandardError());
    return run;
}

// What a refused command must leave as it was: every file of the
// installation and every row of the five tables.
QStringList fingerprint(const DataFixture& fx)
{
    QStringList print;
    QDirIterator files(fx.inst.path(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        print << QDir(fx.inst.path()).relativeFilePath(path);
    }
    print.sort();
    if (QFileInfo::exists(fx.databaseFile())) {
        for (const char* table : {"Patient", "Jeu", "ParamJeu", "Users", "Plates"})
            print << QStringLiteral("%1: %2").arg(QLatin1String(table)).arg(fx.count(table));
        print << fx.exec("SELECT group_concat(NOM || '=' || PASS_WD, ',') FROM Users").toString();
    }
    return print;
}

enum class Setup
{
    Empty,     // a folder without database
    Installed, // init, one user NURSE and one patient
    Demo,      // the demo installation
};

} // namespace

class TestAdminTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void badInput_data();
    void badInput();
    void userAndLogin();
    void patients_data();
    void patients();
    void demoInstallation();
    void demoKeepsExistingFiles();
    void failedDemoLeavesNothing_data();
    void failedDemoLeavesNothing();

private:
    void prepare(DataFixture& fx, Setup setup);
    // The data module of the installation `dir`, opened as the program does.
    std::unique_ptr<TF_Data> openData(const QString& dir);
    bool logsIn(TF_Data* data, const QString& name, const QString& password);

    QTemporaryDir m_home;
};

Q_DECLARE_METATYPE(Setup)

void TestAdminTool::initTestCase()
{
    UsePrivateAliasRegistry(m_home);
}

void TestAdminTool::init()
{
    DefineReset();
    // The tool writes dates in the form of the user's locale, as the program.
    DateTimeSettings = DateTimeSettingsForLocale(QLocale::system());
}

void TestAdminTool::prepare(DataFixture& fx, Setup setup)
{
    switch (setup) {
    case Setup::Empty:
        break;
    case Setup::Installed:
        InitInstallation(fx.inst.path());
        AddUser(fx.inst.path(), QStringLiteral("nurse"), QStringLiteral("pass1"));
        {
            PatientRecord patient;
            patient.lastName = QStringLiteral("DURAND");
            AddPatient(fx.inst.path(), patient);
        }
        break;
    case Setup::Demo:
        SetupDemoInstallation(fx.inst.path());
        break;
    }
}

std::unique_ptr<TF_Data> TestAdminTool::openData(const QString& dir)
{
    ExePath = dir + QLatin1Char('/');
    ConfigPath = ExePath + QLatin1String("Config/");
    return std::make_unique<TF_Data>();
}

bool TestAdminTool::logsIn(TF_Data* data, const QString& name, const QString& password)
{
    TfmLogin login(data);
    login.show();
    login.eLogin->setText(name);
    QTest::keyClicks(login.ePassWd, password);
    MessageCapture refused;
    QTest::mouseClick(login.B_OK, Qt::LeftButton);
    return login.LoginOk && refused.texts().isEmpty();
}

void TestAdminTool::badInput_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("args"); // "--dir DIR" goes first unless DIR is among them
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("no command") << Setup::Installed << QStringList{} << QByteArray() << 2
                                << "No command given.";
    QTest::newRow("unknown command") << Setup::Installed << QStringList{"drop"} << QByteArray() << 2
                                     << "Unknown command \"drop\".";
    QTest::newRow("unknown option") << Setup::Installed << QStringList{"list-users", "--force"}
                                    << QByteArray() << 2 << "Unknown option \"--force\".";
    QTest::newRow("short option") << Setup::Installed << QStringList{"list-users", "-f"}
                                  << QByteArray() << 2 << "Unknown option \"-f\".";
    QTest::newRow("patient option on another command")
        << Setup::Installed << QStringList{"list-users", "--city", "Lyon"} << QByteArray() << 2
        << "The option --city does not belong to the command list-users.";
    QTest::newRow("option without its value")
        << Setup::Installed << QStringList{"add-patient", "--last-name"} << QByteArray() << 2
        << "The option --last-name needs a value.";
    QTest::newRow("option twice") << Setup::Installed
                                  << QStringList{"add-patient", "--last-name", "A", "--last-name=B"}
                                  << QByteArray() << 2 << "The option --last-name is given twice.";
    QTest::newRow("add-user without a name")
        << Setup::Installed << QStringList{"add-user"} << QByteArray("pass2\n") << 2
        << "Wrong number of arguments for the command add-user.";
    QTest::newRow("passwd without a name")
        << Setup::Installed << QStringList{"passwd"} << QByteArray("pass2\n") << 2
        << "Wrong number of arguments for the command passwd.";
    QTest::newRow("two names") << Setup::Installed << QStringList{"add-user", "A", "B"}
                               << QByteArray("pass2\n") << 2
                               << "Wrong number of arguments for the command add-user.";
    QTest::newRow("folder given twice")
        << Setup::Empty << QStringList{"--dir", "DIR", "init", "DIR"} << QByteArray() << 2
        << "The installation folder is given twice.";
    QTest::newRow("add-user with an existing name, other case")
        << Setup::Installed << QStringList{"add-user", "Nurse"} << QByteArray("pass2\n") << 1
        << "A user named NURSE exists already.";
    QTest::newRow("add-user without a password on standard input")
        << Setup::Installed << QStringList{"add-user", "bob"} << QByteArray() << 1
        << "No password was given on standard input.";
    QTest::newRow("add-user with a key the login does not take")
        << Setup::Installed << QStringList{"add-user", "bob"} << QByteArray("pass word\n") << 1
        << "A password may hold only";
    QTest::newRow("add-user with a blank name")
        << Setup::Installed << QStringList{"add-user", " "} << QByteArray("pass2\n") << 1
        << "The user name is empty.";
    QTest::newRow("passwd of an unknown user")
        << Setup::Installed << QStringList{"passwd", "ghost"} << QByteArray("pass2\n") << 1
        << "There is no user named GHOST.";
    QTest::newRow("add-patient without a last name")
        << Setup::Installed << QStringList{"add-patient", "--first-name", "Ann"} << QByteArray()
        << 1 << "The last name (--last-name) is required.";
    QTest::newRow("add-patient with another sex")
        << Setup::Installed << QStringList{"add-patient", "--last-name", "A", "--sex", "X"}
        << QByteArray() << 1 << "The sex \"X\" is neither M nor F.";
    QTest::newRow("add-patient born on no day")
        << Setup::Installed
        << QStringList{"add-patient", "--last-name", "A", "--birth-date", "02/30/1950"}
        << QByteArray() << 1 << "The birth date \"02/30/1950\" is not a valid past date";
    QTest::newRow("add-patient born in the future")
        << Setup::Installed
        << QStringList{"add-patient", "--last-name", "A", "--birth-date", "2999-01-01"}
        << QByteArray() << 1 << "The birth date \"2999-01-01\" is not a valid past date";
    QTest::newRow("add-patient with a name too long for its field")
        << Setup::Installed << QStringList{"add-patient", "--last-name", QString(31, 'A')}
        << QByteArray() << 1 << "The value of field 'NOM' is longer than 30 characters.";
    QTest::newRow("init over a database")
        << Setup::Installed << QStringList{"init"} << QByteArray() << 1 << "exists already.";
    QTest::newRow("demo into a folder with patients")
        << Setup::Demo << QStringList{"demo"} << QByteArray() << 1
        << "holds 8 patients already: a demo installation is laid out only where there are no "
           "patients. Nothing was changed.";
    QTest::newRow("demo into a folder with one patient")
        << Setup::Installed << QStringList{"demo", "DIR"} << QByteArray() << 1
        << "holds 1 patients already";
    QTest::newRow("a command that needs a database")
        << Setup::Empty << QStringList{"list-users"} << QByteArray() << 1
        << "holds no database. Create it first";
}

void TestAdminTool::badInput()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    DataFixture fx(false);
    prepare(fx, setup);
    const QStringList before = fingerprint(fx);

    if (args.contains(QStringLiteral("DIR")))
        args.replaceInStrings(QRegularExpression(QStringLiteral("^DIR$")), fx.inst.path());
    else
        args = QStringList{QStringLiteral("--dir"), fx.inst.path()} + args;
    const ToolRun run = runTool(args, input);

    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    // A bad command line is answered with the usage; a refusal with its reason only.
    QCOMPARE(run.err.contains(QStringLiteral("Usage: balvoro-admin")), exitCode == 2);
    QCOMPARE(run.out, QString());
    QCOMPARE(fingerprint(fx), before);
}

void TestAdminTool::userAndLogin()
{
    DataFixture fx(false);
    const QString dir = fx.inst.path();
    QCOMPARE(runTool({"init", dir}).exitCode, 0);

    // The password comes from standard input when that is no terminal.
    ToolRun run = runTool({"--dir", dir, "add-user", "nurse"}, "Secret42\n");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("User NURSE added.\n"));
    QCOMPARE(fx.exec("SELECT PASS_WD FROM Users WHERE NOM = 'NURSE'").toString(),
             EncodePassword(QStringLiteral("Secret42")));
    // Without a final line end too.
    QCOMPARE(runTool({"--dir", dir, "add-user", "guest"}, "Guest1").exitCode, 0);

    run = runTool({"--dir", dir, "list-users"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("Key\tName\n2\tGUEST\n1\tNURSE\n"));
    QVERIFY(!run.out.contains(EncodePassword(QStringLiteral("Secret42"))));

    {
        auto data = openData(dir);
        QVERIFY(!data->EndRequested());
        QVERIFY(logsIn(data.get(), QStringLiteral("nurse"), QStringLiteral("Secret42")));
        QVERIFY(logsIn(data.get(), QStringLiteral("GUEST"), QStringLiteral("Guest1")));
        QVERIFY(!logsIn(data.get(), QStringLiteral("nurse"), QStringLiteral("secret42")));
    }

    run = runTool({"--dir", dir, "passwd", "Nurse"}, "Other7\n");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("Password of NURSE changed.\n"));
    auto data = openData(dir);
    QVERIFY(!logsIn(data.get(), QStringLiteral("nurse"), QStringLiteral("Secret42")));
    QVERIFY(logsIn(data.get(), QStringLiteral("nurse"), QStringLiteral("Other7")));
    QVERIFY(logsIn(data.get(), QStringLiteral("guest"), QStringLiteral("Guest1")));
}

void TestAdminTool::patients_data()
{
    QTest::addColumn<QString>("birthDate");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("storedSex");
    const QString stored =
        DateTimeSettingsForLocale(QLocale::system()).formatDate(QDate(1960, 2, 29));
    QTest::newRow("date as the program writes it, sex in lower case") << stored << "f"
                                                                      << "F";
    QTest::newRow("ISO date") << "1960-02-29"
                              << "M"
                              << "M";
    QTest::newRow("no birth date, no sex") << ""
                                           << ""
                                           << "";
}

void TestAdminTool::patients()
{
    QFETCH(QString, birthDate);
    QFETCH(QString, sex);
    QFETCH(QString, storedSex);
    DataFixture fx;
    const QString dir = fx.inst.path();
    QCOMPARE(runTool({"--dir", dir, "add-patient", "--last-name", "ZOLA"}).exitCode, 0);

    QStringList args{
        "add-patient", "--last-name=DURAND",    "--first-name",  "Alice", "--foot-size", "38",
        "--address",   "1 rue Haute",           "--postal-code", "75001", "--city",      "Paris",
        "--note",      "--dizzy in the morning"};
    if (!birthDate.isEmpty())
        args << "--birth-date" << birthDate;
    if (!sex.isEmpty())
        args << "--sex" << sex;
    // The folder from the environment this time.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BALVORO_DIR"), dir);
    const ToolRun run = runTool(args, {}, env);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("Patient DURAND Alice added with the key 2.\n"));

    const QString birth =
        birthDate.isEmpty() ? QString() : DateTimeSettings.formatDate(QDate(1960, 2, 29));
    QCOMPARE(fx.exec("SELECT NOM || '|' || PRENOM || '|' || ifnull(BIRTHDT, '') || '|' || "
                     "ifnull(SEXE, '') || '|' || POINTURE || '|' || ADRESSE || '|' || CP || '|' "
                     "|| VILLE || '|' || NOTE FROM Patient WHERE PK_PAT = 2")
                 .toString(),
             QStringLiteral("DURAND|Alice|%1|%2|38|1 rue Haute|75001|Paris|--dizzy in the morning")
                 .arg(birth, storedSex));

    // Listed in the program's browse order, by name.
    const ToolRun list = runTool({"list-patients", "--dir", dir});
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(list.out, QStringLiteral("Key\tLast name\tFirst name\tBirth date\tSex\tCity\n"
                                      "2\tDURAND\tAlice\t%1\t%2\tParis\n"
                                      "1\tZOLA\t\t\t\t\n")
                           .arg(birth, storedSex));
}

void TestAdminTool::demoInstallation()
{
    DataFixture fx(false);
    const QString dir = fx.inst.path();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BALVORO_DIR"), dir);
    const ToolRun run = runTool({"demo"}, {}, env);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(
        run.out.contains(QStringLiteral("Demo therapist: user name THERAPIST, password balance1")),
        qPrintable(run.out));

    MessageCapture messages;
    auto data = openData(dir);
    QCOMPARE(messages.texts(), QStringList());
    QVERIFY(!data->EndRequested());
    QCOMPARE(data->tPat->RecordCount(), 8);
    QCOMPARE(data->PlateName, QStringLiteral("PLT2020A"));
    QCOMPARE(PlateNbCapX, 48);

    // The device INI: the pad's port, and the therapist's name in the login.
    const IniFile device(dir + QStringLiteral("/Steplink.ini"));
    QCOMPARE(device.readInteger("Simulator", "UdpPort", 0), 47800);
    QCOMPARE(device.readInteger("Simulator", "SensorsX", 0), PlateNbCapX);
    QCOMPARE(device.readInteger("Main", "LastUser", 99),
             fx.exec("SELECT PK_USE FROM Users WHERE NOM = 'THERAPIST'").toInt());
    {
        TfmLogin login(data.get());
        login.PrefillUserName();
        QCOMPARE(login.eLogin->text(), QStringLiteral("THERAPIST"));
    }
    QVERIFY(logsIn(data.get(), QStringLiteral("therapist"), QStringLiteral("balance1")));

    const IniFile program(dir + QStringLiteral("/Config/Balvoro.ini"));
    QVERIFY(program.readInteger("Sensibilite", "DeltaX", 0) > 0);
    QVERIFY(program.readInteger("Sensibilite", "MargeHHoopY", 0) > 0);

    // Two levels of each game, each in its game's layout.
    QSet<QString> levelsOfType[5];
    for (int type = 0; type < 5; ++type) {
        data->tParam->SetFilter(QStringLiteral("TYPE=%1").arg(type));
        QCOMPARE(data->tParam->RecordCount(), 2);
        for (data->tParam->First(); !data->tParam->Eof(); data->tParam->Next()) {
            const LevelRow row{data->tParamNIVEAU->AsString(), data->tParamPARAM->AsString(),
                               data->tParamFICHIER->AsString()};
            levelsOfType[type].insert(row.Niveau);
            const QStringList fields = row.Param.split(QLatin1Char(';'));
            const qsizetype expected[] = {11, 19, 14, 4, 4};
            QCOMPARE(fields.size(), expected[type]);
            if (type == Clock::GameType) {
                Clock::TConfig level;
                QString error;
                QVERIFY2(Clock::Decode(row, level, &error), qPrintable(error));
                QCOMPARE(Clock::Encode(level), row.Param);
            }
            if (type == 2)
                QCOMPARE(fields.first().size(), 128);
            if (type == 4) {
                QCOMPARE(row.Fichier,
                         QStringLiteral("Tab%1.lab").arg(data->tParamPK_Param->AsInteger()));
                QFile file(ConfigPath + row.Fichier);
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
                const QByteArray content = file.readAll();
                const QList<QByteArray> lines = content.split('\n');
                QCOMPARE(lines.size(), 15); // fourteen lines, each ended by CR LF
                QVERIFY(lines.last().isEmpty());
                bool startCell = false;
                for (int r = 0; r < 14; ++r) {
                    QVERIFY(lines[r].endsWith('\r'));
                    const QByteArray cells = lines[r].chopped(1);
                    QCOMPARE(cells.size(), 23);
                    for (const char c : cells)
                        QVERIFY(c == '#' || c == ' ' || c == '!');
                    startCell = startCell || (r >= 1 && r <= 12 && cells.contains(' '));
                }
                QVERIFY(startCell);
            }
        }
    }

    // A few months of trials for every patient, of every game, each at its
    // own second, naming a level of its game, with a whole-number score.
    QCOMPARE(fx.exec("SELECT COUNT(*) FROM (SELECT FK_PAT FROM Jeu GROUP BY FK_PAT, DATE_JEU, "
                     "TIME HAVING COUNT(*) > 1)")
                 .toInt(),
             0);
    QCOMPARE(fx.exec("SELECT COUNT(DISTINCT FK_PAT) FROM Jeu").toInt(), 8);
    QCOMPARE(fx.exec("SELECT COUNT(*) FROM Jeu WHERE FK_PAT NOT IN (SELECT PK_PAT FROM Patient)")
                 .toInt(),
             0);
    QCOMPARE(fx.exec("SELECT COUNT(DISTINCT TYPE) FROM Jeu").toInt(), 5);
    const QDate today = QDate::currentDate();
    QDate earliest = today;
    int trials = 0;
    data->tPat->First();
    while (!data->tPat->Eof()) {
        data->tJeu->SetFilter(QStringLiteral("FK_PAT=") +
                              data->tPat->FieldByName("PK_PAT")->AsString());
        data->tJeu->SetFiltered(true);
        data->tJeu->Open();
        QVERIFY(data->tJeu->RecordCount() >= 20);
        for (data->tJeu->First(); !data->tJeu->Eof(); data->tJeu->Next()) {
            const QDate date =
                DateTimeSettings.parseDate(data->tJeu->FieldByName("DATE_JEU")->AsString());
            QVERIFY(date.isValid() && date < today);
            earliest = std::min(earliest, date);
            QVERIFY(
                DateTimeSettings.parseTime(data->tJeu->FieldByName("TIME")->AsString()).isValid());
            const int type = data->tJeu->FieldByName("TYPE")->AsInteger();
            QVERIFY(type >= 0 && type < 5);
            QVERIFY(levelsOfType[type].contains(data->tJeu->FieldByName("NIVEAU")->AsString()));
            QVERIFY(data->tJeu->FieldByName("SCORE")->AsInteger() >= 0);
            ++trials;
        }
        data->tJeu->Close();
        data->tPat->Next();
    }
    QCOMPARE(trials, fx.count("Jeu"));
    QVERIFY(earliest.daysTo(today) >= 60);
}

void TestAdminTool::demoKeepsExistingFiles()
{
    DataFixture fx(false);
    const QByteArray device = "[Plate]\r\nName=plt3000\r\n[Main]\r\nLastUser=7\r\n";
    const QByteArray program = "[Sensibilite]\r\nDeltaX=40\r\n";
    fx.inst.write("STEPLINK.INI", device);
    fx.inst.write("Config/Balvoro.ini", program);
    const ToolRun run = runTool({"demo", fx.inst.path()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(fx.inst.read("STEPLINK.INI"), device);
    QCOMPARE(fx.inst.read("Config/Balvoro.ini"), program);
    QVERIFY(!QFileInfo::exists(fx.inst.filePath("Steplink.ini")));
    QVERIFY2(run.out.contains(QStringLiteral("Kept %1 as it was.")
                                  .arg(QDir::toNativeSeparators(fx.inst.filePath("STEPLINK.INI")))),
             qPrintable(run.out));
    QCOMPARE(fx.count("Patient"), 8);
}

void TestAdminTool::failedDemoLeavesNothing_data()
{
    QTest::addColumn<bool>("initialised");
    QTest::newRow("new folder") << false;
    QTest::newRow("after init") << true;
}

void TestAdminTool::failedDemoLeavesNothing()
{
    QFETCH(bool, initialised);
    DataFixture fx(false);
    if (initialised) {
        QCOMPARE(runTool({"init", fx.inst.path()}).exitCode, 0);
        QFile::remove(fx.inst.filePath("Config/Balvoro.ini"));
    }
    // Folders in the way of every labyrinth file the demo could write: it
    // fails after its rows are written, before they are committed.
    for (int key = 1; key <= 40; ++key)
        QDir().mkpath(fx.inst.filePath(QStringLiteral("Config/Tab%1.lab").arg(key)));
    const QStringList before = fingerprint(fx);

    const ToolRun run = runTool({"demo", fx.inst.path()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("exists already and is not overwritten")),
             qPrintable(run.err));
    QCOMPARE(fingerprint(fx), before);
    QCOMPARE(QFileInfo::exists(fx.inst.filePath("DATA")), initialised);
}

QTEST_MAIN(TestAdminTool)
#include "tst_admintool.moc"
