#pragma once
// The configuration module: what the whole program shares. Every value here
// is written and read on the user-interface thread only.

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <cstdint>

// Game types as stored in the TYPE column of the level and trial tables.
namespace GameType {
inline constexpr int PingPong = 0;
inline constexpr int Clock = 1;
inline constexpr int Target = 2;
inline constexpr int HulaHoop = 3;
inline constexpr int PacMan = 4;
inline constexpr int Count = 5;
} // namespace GameType

// A Windows colour: red in the low byte, green in the next, blue in the third.
using TColor = std::uint32_t;

// Trial dates and times are stored as text in one fixed shape: month, day and
// four-digit year, and 24-hour hh:mm:ss, joined by the separators of the
// user's locale as it was at program start.
struct TDateTimeSettings
{
    QChar DateSeparator = QLatin1Char('/');
    QChar TimeSeparator = QLatin1Char(':');
    QString ShortDateFormat = QStringLiteral("mm/dd/yyyy");
    QString LongDateFormat = QStringLiteral("mm/dd/yyyy");
    QString ShortTimeFormat = QStringLiteral("hh:mm:ss");
    QString LongTimeFormat = QStringLiteral("hh:mm:ss");

    QString formatDate(const QDate& date) const;
    QString formatTime(const QTime& time) const;
    QDate parseDate(const QString& text) const; // invalid date when the text does not fit
    QTime parseTime(const QString& text) const; // invalid time when the text does not fit
};

extern QString ExePath;    // folder of the program, with a trailing '/'
extern QString ConfigPath; // ExePath + "Config/"
extern int CurrentGameType;
extern int CurrentPatient;
extern int SurfaceX;
extern int SurfaceY;
extern TDateTimeSettings DateTimeSettings;
extern TColor BackGround_Color;
extern int MargeHHoopX;
extern int MargeHHoopY;
extern int DeltaX;
extern int DeltaY;
extern int PacManCoefX;
extern int PacManCoefY;
extern int refresh;
extern int Language;
extern bool CreateAlias;
extern QString AliasName;
extern bool MiradoBranding;
extern int PlateNbCapX;
extern bool DeviceReady;

// File names the program uses, each spelled once.
namespace FileName {
inline constexpr auto ProgramIni = "Balvoro.ini";
inline constexpr auto SiblingIniOstrav = "ostrav.ini";
inline constexpr auto SiblingIniHarvo = "harvo.ini";
inline constexpr auto DeviceIni = "Steplink.ini";
inline constexpr auto Log = "_mirado.log";
inline constexpr auto ConfigFolder = "Config";
inline constexpr auto DataFolder = "DATA";
} // namespace FileName

// INI keys and their defaults, each spelled once.
struct IniKey
{
    const char* section;
    const char* key;
    int defaultValue;
};
namespace Key {
inline constexpr IniKey BackGroundColor{"General", "BackGround_Color", 0};
inline constexpr IniKey MargeHHoopX{"Sensibilite", "MargeHHoopX", 0};
inline constexpr IniKey MargeHHoopY{"Sensibilite", "MargeHHoopY", 0};
inline constexpr IniKey DeltaX{"Sensibilite", "DeltaX", 0};
inline constexpr IniKey DeltaY{"Sensibilite", "DeltaY", 0};
inline constexpr IniKey PacManCoefX{"Sensibilite", "PacManCoefX", 10};
inline constexpr IniKey PacManCoefY{"Sensibilite", "PacManCoefY", 10};
inline constexpr IniKey Refresh{"General", "refresh", 30};
inline constexpr IniKey ProgramLanguage{"General", "Language", 9}; // written by the language menu
inline constexpr IniKey SiblingLanguage{"Main", "Language", 9};
inline constexpr IniKey SiblingCreateAlias{"Main", "CreateAlias", 1};
inline constexpr IniKey PlateName{"Plate", "Name", 0};    // text key of the device INI
inline constexpr IniKey LastUser{"Main", "LastUser", 99}; // of the device INI
} // namespace Key

TDateTimeSettings DateTimeSettingsForLocale(const QLocale& locale);

// Module start: paths, a new log, date formats, INI files, interface
// language. `exeDir` is the folder of the running program (tests pass a
// temporary installation).
void DefineModuleStart(const QString& exeDir);
// Sets every shared value back to its value before module start.
void DefineReset();

void ReadProgramIni();
void LogStart();
void WriteLog(const QString& text);
QString LogFilePath();
QString ColorToName(TColor color);

// The program INI's full path, the device INI's full path (found without
// regard to case).
QString ProgramIniPath();
QString DeviceIniPath();
