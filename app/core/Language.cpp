#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <memory>

namespace {

struct LanguageEntry
{
    int id;
    QLocale::Language language;
};

// Windows primary language identifiers of the languages we can ship.
constexpr LanguageEntry kLanguages[] = {
    {7, QLocale::German},  {9, QLocale::English},     {10, QLocale::Spanish},
    {12, QLocale::French}, {16, QLocale::Italian},    {19, QLocale::Dutch},
    {22, QLocale::Portuguese},
};

std::unique_ptr<QTranslator>& currentTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

QString moduleFile(const QString& configPath, const QLocale& locale)
{
    const QString code = QLocale::languageToCode(locale.language());
    return QDir(configPath).filePath(QStringLiteral("velunor_%1.qm").arg(code));
}

} // namespace

QLocale LocaleForLanguageId(int id)
{
    for (const LanguageEntry& entry : kLanguages) {
        if (entry.id == id)
            return QLocale(entry.language);
    }
    return QLocale::c();
}

int LanguageIdForLocale(const QLocale& locale)
{
    for (const LanguageEntry& entry : kLanguages) {
        if (entry.language == locale.language())
            return entry.id;
    }
    return 0;
}

QList<LanguageModule> InstalledLanguageModules(const QString& configPath)
{
    QList<LanguageModule> modules;
    for (const LanguageEntry& entry : kLanguages) {
        const QLocale locale(entry.language);
        const QString file = moduleFile(configPath, locale);
        if (QFileInfo(file).isFile())
            modules.append({entry.id, locale.nativeLanguageName(), file});
    }
    return modules;
}

bool SetLanguageResource(const QString& configPath, int id)
{
    const QLocale locale = LocaleForLanguageId(id);
    if (locale.language() == QLocale::C)
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(moduleFile(configPath, locale)))
        return false;
    if (currentTranslator())
        QCoreApplication::removeTranslator(currentTranslator().get());
    QCoreApplication::installTranslator(translator.get());
    currentTranslator() = std::move(translator);
    QLocale::setDefault(locale);
    return true;
}
