#pragma once
// The setup of an installation folder: what the program needs beside itself
// before its first start, its users and patients, and the demo data of a
// trial installation. Used by the balvoro-admin tool and by tests that need
// a complete installation.
//
// Every function is all or nothing: the database changes of one call are one
// transaction, and the files a call created are removed again when it fails,
// so an error never leaves an installation half written. Errors are thrown
// as AppError with a text for the user.

#include <QList>
#include <QString>
#include <QStringList>

struct DemoAccount
{
    const char* name;
    const char* password;
};
// The therapist account of the demo installation.
inline constexpr DemoAccount DemoTherapist{"THERAPIST", "balance1"};

// The database file of the installation `dir`, found without regard to the
// case of its folder and file names; it need not exist.
QString DatabaseFilePath(const QString& dir);

// Lays out DATA/ with the five empty tables, Config/Balvoro.ini and
// Steplink.ini in `dir`. What exists already is kept as it is. Returns the
// paths created.
QStringList SetupInstallation(const QString& dir);

// The same for a new installation: refuses to touch a database that exists.
QStringList InitInstallation(const QString& dir);

struct DemoReport
{
    QStringList created; // files written
    QStringList kept;    // files that were there already and were left alone
    int patients = 0;
    int levels = 0;
    int trials = 0;
    QString therapist;    // the demo therapist's user name
    QString password;     // its password; empty when an account of that name was kept
    int therapistKey = 0; // its PK_USE, LastUser of a new device INI
};

// Lays out a demo installation in `dir`: what SetupInstallation creates, the
// platform models, the demo therapist, eight patients with a few months of
// trials, two levels of each game (the pac-man levels with their labyrinth
// files) and a device INI that names the therapist as last user. Refuses a
// database that holds patients; never overwrites an existing file.
DemoReport SetupDemoInstallation(const QString& dir);

// Adds a user who logs in with `name` (any case; stored in upper case, as
// the login compares it) and `password`, which must be made of letters and
// digits, the only keys the login takes. Refuses a name that exists.
void AddUser(const QString& dir, const QString& name, const QString& password);
// Gives the user `name` (any case) a new password.
void ChangePassword(const QString& dir, const QString& name, const QString& password);

// A patient as the clinic's patient software enters it (Patient.DB).
struct PatientRecord
{
    QString lastName;   // NOM, required
    QString firstName;  // PRENOM
    QString birthDate;  // BIRTHDT: month/day/year in the program's date format, or yyyy-mm-dd
    QString sex;        // SEXE: "M" or "F" (any case), or empty
    QString footSize;   // POINTURE
    QString address;    // ADRESSE
    QString postalCode; // CP
    QString city;       // VILLE
    QString note;       // NOTE
};
// Adds the patient; returns its key PK_PAT.
int AddPatient(const QString& dir, const PatientRecord& patient);

// Rows of text in the order the program browses the tables: patients as key,
// last name, first name, birth date, sex, city; users as key and name (never
// the password).
QList<QStringList> ListPatients(const QString& dir);
QList<QStringList> ListUsers(const QString& dir);
