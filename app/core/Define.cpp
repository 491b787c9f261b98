#include "Define.h"

#include "FileNames.h"
#include "IniFile.h"
#include "Language.h"
#include "MessageTable.h"
#include "Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

QString ExePath;
QString ConfigPath;
int CurrentGameType = 0;
int CurrentPatient = 0;
int SurfaceX = 0;
int SurfaceY = 0;
TDateTimeSettings DateTimeSettings;
TColor BackGround_Color = 0;
int MargeHHoopX = 0;
int MargeHHoopY = 0;
int DeltaX = 0;
int DeltaY = 0;
int PacManCoefX = 0;
int PacManCoefY = 0;
int refresh = 0;
int Language = 0;
bool CreateAlias = true;
QString AliasName = QStringLiteral("QXDATA");
bool MiradoBranding = false;
int PlateNbCapX = 0;
bool DeviceReady = false;

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// The first character of a locale's format that is no field letter and no
// quote: its separator.
QChar separatorOf(const QString& format, QChar fallback)
{
    for (const QChar c : format) {
        if (!c.isLetter() && c != QLatin1Char('\'') && !c.isSpace())
            return c;
    }
    return fallback;
}

} // namespace

QString TDateTimeSettings::formatDate(const QDate& date) const
{
    return twoDigits(date.month()) + DateSeparator + twoDigits(date.day()) + DateSeparator +
           QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString TDateTimeSettings::formatTime(const QTime& time) const
{
    return twoDigits(time.hour()) + TimeSeparator + twoDigits(time.minute()) + TimeSeparator +
           twoDigits(time.second());
}

QDate TDateTimeSettings::parseDate(const QString& text) const
{
    const QStringList parts = text.trimmed().split(DateSeparator);
    if (parts.size() != 3)
        return {};
    bool okM = false, okD = false, okY = false;
    const QDate date(parts[2].toInt(&okY), parts[0].toInt(&okM), parts[1].toInt(&okD));
    return okM && okD && okY ? date : QDate();
}

QTime TDateTimeSettings::parseTime(const QString& text) const
{
    const QStringList parts = text.trimmed().split(TimeSeparator);
    if (parts.size() != 3)
        return {};
    bool okH = false, okM = false, okS = false;
    const QTime time(parts[0].toInt(&okH), parts[1].toInt(&okM), parts[2].toInt(&okS));
    return okH && okM && okS ? time : QTime();
}

TDateTimeSettings DateTimeSettingsForLocale(const QLocale& locale)
{
    TDateTimeSettings settings;
    settings.DateSeparator = separatorOf(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
    settings.TimeSeparator = separatorOf(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
    return settings;
}

void DefineReset()
{
    ExePath.clear();
    ConfigPath.clear();
    CurrentGameType = 0;
    CurrentPatient = 0;
    SurfaceX = SurfaceY = 0;
    DateTimeSettings = TDateTimeSettings();
    BackGround_Color = 0;
    MargeHHoopX = MargeHHoopY = DeltaX = DeltaY = 0;
    PacManCoefX = PacManCoefY = 0;
    refresh = 0;
    Language = 0;
    CreateAlias = true;
    AliasName = QStringLiteral("QXDATA");
    MiradoBranding = false;
    PlateNbCapX = 0;
    DeviceReady = false;
}

void DefineModuleStart(const QString& exeDir)
{
    ExePath = QDir::cleanPath(QFileInfo(exeDir).absoluteFilePath()) + QLatin1Char('/');
    ConfigPath = ResolveFileName(ExePath, QLatin1String(FileName::ConfigFolder)) + QLatin1Char('/');
    CurrentGameType = -1;
    LogStart();
    DateTimeSettings = DateTimeSettingsForLocale(QLocale::system());
    ReadProgramIni();
}

QString ProgramIniPath()
{
    return ResolveFileName(ConfigPath, QLatin1String(FileName::ProgramIni));
}

QString DeviceIniPath()
{
    return ResolveFileName(ExePath, QLatin1String(FileName::DeviceIni));
}

static int readKey(const IniFile& ini, const IniKey& key)
{
    return ini.readInteger(QLatin1String(key.section), QLatin1String(key.key), key.defaultValue);
}

void ReadProgramIni()
{
    const IniFile program(ProgramIniPath());
    if (program.exists()) {
        BackGround_Color = static_cast<TColor>(readKey(program, Key::BackGroundColor));
        MargeHHoopX = readKey(program, Key::MargeHHoopX);
        MargeHHoopY = readKey(program, Key::MargeHHoopY);
        DeltaX = readKey(program, Key::DeltaX);
        DeltaY = readKey(program, Key::DeltaY);
        PacManCoefX = readKey(program, Key::PacManCoefX);
        PacManCoefY = readKey(program, Key::PacManCoefY);
        refresh = readKey(program, Key::Refresh);
    } else {
        // The defaults of the table belong to an existing file; without one
        // every setting stays 0.
        BackGround_Color = 0;
        MargeHHoopX = MargeHHoopY = DeltaX = DeltaY = PacManCoefX = PacManCoefY = refresh = 0;
        ShowMessage(Msg::tr(Msg::ConfigProblems) + Msg::tr(Msg::FileMissing) +
                        QDir::toNativeSeparators(program.path()),
                    MessageKind::Warning);
    }

    MiradoBranding = false;
    AliasName = QStringLiteral("QXDATA");
    CreateAlias = true;

    QString siblingPath;
    const QString ostrav = ResolveFileName(ExePath, QLatin1String(FileName::SiblingIniOstrav));
    const QString harvo = ResolveFileName(ExePath, QLatin1String(FileName::SiblingIniHarvo));
    if (QFileInfo(ostrav).isFile()) {
        siblingPath = ostrav;
    } else if (QFileInfo(harvo).isFile()) {
        siblingPath = harvo;
        MiradoBranding = true;
        AliasName = QStringLiteral("VORNDAT");
    }

    if (!siblingPath.isEmpty()) {
        const IniFile sibling(siblingPath);
        Language = readKey(sibling, Key::SiblingLanguage);
        CreateAlias = readKey(sibling, Key::SiblingCreateAlias) != 0;
    } else {
        Language = 9;
    }

    WriteLog(QStringLiteral("lang ") + QString::number(Language));

    if (!SetLanguageResource(ConfigPath, Language) && !SetLanguageResource(ConfigPath, 9))
        ShowMessage(Msg::tr(Msg::SetLanguageFail), MessageKind::Warning);
}

QString LogFilePath()
{
    return ResolveFileName(ExePath, QLatin1String(FileName::Log));
}

void LogStart()
{
    QFile file(LogFilePath());
    // A log that cannot be written must not stop a clinic from working: the
    // program goes on without it.
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write("Mirado \r\n");
}

void WriteLog(const QString& text)
{
    QFile file(LogFilePath());
    if (!file.exists())
        return;
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(text.toUtf8() + "\r\n");
}

QString ColorToName(TColor color)
{
    switch (color) {
    case 128:
        return QStringLiteral("Marron");
    case 255:
        return QStringLiteral("Rouge");
    case 32768:
        return QStringLiteral("Vert");
    case 65535:
        return QStringLiteral("Jaune");
    case 16711935:
        return QStringLiteral("Rose");
    default:
        return QStringLiteral("Bleu");
    }
}
