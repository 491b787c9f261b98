#pragma once
// The setup of an installation folder: what the program needs beside itself
// before its first start, and the demo data of a trial installation. Used
// by the balvoro-admin tool and by tests that need a complete installation.

#include <QString>
#include <QStringList>

// Lays out DATA/ with the five empty tables, Config/Balvoro.ini and
// Steplink.ini in `dir`. What exists already is kept as it is. Returns the
// paths created. Throws AppError.
QStringList SetupInstallation(const QString& dir);

struct DemoUser
{
    const char* name;
    const char* password;
};
// The users of the demo installation.
inline constexpr DemoUser DemoUsers[] = {{"ADMIN", "admin"}, {"THERAPIST", "balance1"}};

// Adds the demo patients, users and platform models to the database of
// `dir`. Returns false, adding nothing, when it holds patients already.
// Throws AppError.
bool SeedDemoData(const QString& dir);

// Adds a user who logs in with `name` (any case) and `password`. The
// password must be made of letters and digits, the only keys the login
// takes. Throws AppError.
void AddUser(const QString& dir, const QString& name, const QString& password);
