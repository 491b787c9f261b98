#pragma once
// The message table: every text the user sees in a message box, spelled once.
// Each is translated through the "Msg" context of the translation modules.

#include <QCoreApplication>

namespace Msg {
inline QString tr(const char* text)
{
    return QCoreApplication::translate("Msg", text);
}

// Configuration and start-up
inline constexpr const char* ConfigProblems = QT_TRANSLATE_NOOP("Msg", "Problems with the configuration : ");
inline constexpr const char* FileMissing = QT_TRANSLATE_NOOP("Msg", "File missing - ");
inline constexpr const char* FileMissingLower = QT_TRANSLATE_NOOP("Msg", "file missing ");
inline constexpr const char* SetLanguageFail = QT_TRANSLATE_NOOP("Msg", "Set language resource fail !");

// Platform driver library
inline constexpr const char* DriverLoadFailed = QT_TRANSLATE_NOOP("Msg", "The platform driver library %1 cannot be loaded: %2");
inline constexpr const char* DriverFunctionMissing = QT_TRANSLATE_NOOP("Msg", "The platform driver library %1 lacks the function %2.");

// Initial-position check
inline constexpr const char* InitPosInstruction = QT_TRANSLATE_NOOP("Msg", "Put the patient on the plateform and click on \"Save\" to save the initial position.");
inline constexpr const char* InitPosNotCorrect = QT_TRANSLATE_NOOP("Msg", "Initial Position is not correct");
} // namespace Msg
