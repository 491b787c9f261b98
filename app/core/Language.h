#pragma once
// Interface languages: Windows language identifiers (9 English, 12 French,
// 7 German ...) mapped to locales, and translation modules
// "velunor_<locale>.qm" in the configuration folder.

#include <QList>
#include <QLocale>
#include <QString>

struct LanguageModule
{
    int id;           // Windows primary language identifier
    QString name;     // "English", "Français" ...
    QString fileName; // full path of the module
};

QLocale LocaleForLanguageId(int id); // C locale for an unknown id
int LanguageIdForLocale(const QLocale& locale); // 0 when none maps

// Every installed module in the configuration folder.
QList<LanguageModule> InstalledLanguageModules(const QString& configPath);

// Switches the interface texts to the module of `id` and makes its locale
// the default. Returns false, changing nothing, when no module exists for it.
bool SetLanguageResource(const QString& configPath, int id);
