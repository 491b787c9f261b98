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
inline constexpr const char* CloseOtherApplications = QT_TRANSLATE_NOOP("Msg", "Please close the other Ardentis applications !");
inline constexpr const char* SetLanguageFail = QT_TRANSLATE_NOOP("Msg", "Set language resource fail !");

// Platform driver library
inline constexpr const char* DriverLoadFailed = QT_TRANSLATE_NOOP("Msg", "The platform driver library %1 cannot be loaded: %2");
inline constexpr const char* DriverFunctionMissing = QT_TRANSLATE_NOOP("Msg", "The platform driver library %1 lacks the function %2.");

// Initial-position check
inline constexpr const char* InitPosInstruction = QT_TRANSLATE_NOOP("Msg", "Put the patient on the plateform and click on \"Save\" to save the initial position.");
inline constexpr const char* InitPosNotCorrect = QT_TRANSLATE_NOOP("Msg", "Initial Position is not correct");

// Main window and patient picker
inline constexpr const char* PlateDisconnected = QT_TRANSLATE_NOOP("Msg", "Plate disconnected or defective !");
inline constexpr const char* SteplinkErrorCode = QT_TRANSLATE_NOOP("Msg", "Erreur DLL Steplink code : ");
inline constexpr const char* DeleteTrialQuestion = QT_TRANSLATE_NOOP("Msg", "Do you want to delete the selected trial ?");
inline constexpr const char* NoDictionaryFiles = QT_TRANSLATE_NOOP("Msg", "No dictionary files");
inline constexpr const char* LevelEditorMissing = QT_TRANSLATE_NOOP("Msg", "The level editor of the game %1 is not part of this installation.");
inline constexpr const char* GameWindowMissing = QT_TRANSLATE_NOOP("Msg", "The game %1 is not part of this installation.");

// Reports
inline constexpr const char* ReportFileMissing = QT_TRANSLATE_NOOP("Msg", "The report project file %1 does not exist.");
inline constexpr const char* ReportFileUnreadable = QT_TRANSLATE_NOOP("Msg", "The report project file %1 cannot be read: %2");
inline constexpr const char* ReportFileMalformed = QT_TRANSLATE_NOOP("Msg", "The report project file %1 is not valid (line %2, column %3): %4");
inline constexpr const char* ReportXmlUnexpectedElement = QT_TRANSLATE_NOOP("Msg", "unexpected element <%1> inside <%2>");
inline constexpr const char* ReportXmlUnknownAttribute = QT_TRANSLATE_NOOP("Msg", "unknown attribute \"%1\" on <%2>");
inline constexpr const char* ReportXmlMissingAttribute = QT_TRANSLATE_NOOP("Msg", "the attribute \"%1\" is missing on <%2>");
inline constexpr const char* ReportXmlBadValue = QT_TRANSLATE_NOOP("Msg", "the attribute \"%1\" of <%2> has the invalid value \"%3\"");
inline constexpr const char* ReportXmlDuplicateName = QT_TRANSLATE_NOOP("Msg", "the name \"%1\" is used twice in <%2>");
inline constexpr const char* ReportXmlSecondList = QT_TRANSLATE_NOOP("Msg", "the page \"%1\" holds more than one list");
inline constexpr const char* ReportXmlWrongRoot = QT_TRANSLATE_NOOP("Msg", "the document is no report project (root element <%1>)");
inline constexpr const char* ReportNotOpen = QT_TRANSLATE_NOOP("Msg", "No report project is open.");
inline constexpr const char* ReportUnknownReport = QT_TRANSLATE_NOOP("Msg", "The report \"%1\" does not exist in the report project %2.");
inline constexpr const char* ReportUnknownPage = QT_TRANSLATE_NOOP("Msg", "The page \"%1\" does not exist in the report \"%2\".");
inline constexpr const char* ReportUnknownItem = QT_TRANSLATE_NOOP("Msg", "The item \"%1\" does not exist on the page \"%2\" of the report \"%3\".");
inline constexpr const char* ReportItemNotText = QT_TRANSLATE_NOOP("Msg", "The item \"%1\" on the page \"%2\" is no text item.");
inline constexpr const char* ReportUnknownConnection = QT_TRANSLATE_NOOP("Msg", "The list \"%1\" reads the data connection \"%2\", which does not exist.");
inline constexpr const char* ReportUnknownField = QT_TRANSLATE_NOOP("Msg", "The list \"%1\" shows the field \"%2\", which the data connection \"%3\" does not declare.");
inline constexpr const char* ReportTooManyValues = QT_TRANSLATE_NOOP("Msg", "The data connection \"%1\" delivers more values than the fields it declares.");
inline constexpr const char* ReportNoEndOfData = QT_TRANSLATE_NOOP("Msg", "The data connection \"%1\" never reports the end of its data.");
inline constexpr const char* ReportListNoRoom = QT_TRANSLATE_NOOP("Msg", "The list \"%1\" on the page \"%2\" has no room for a single row.");
inline constexpr const char* ReportPictureMissing = QT_TRANSLATE_NOOP("Msg", "The picture file %1 of the report item \"%2\" does not exist.");
inline constexpr const char* ReportPictureUnreadable = QT_TRANSLATE_NOOP("Msg", "The picture file %1 of the report item \"%2\" cannot be read.");
inline constexpr const char* ReportPdfNotWritten = QT_TRANSLATE_NOOP("Msg", "The PDF file %1 cannot be written.");
inline constexpr const char* ReportPrinterFailed = QT_TRANSLATE_NOOP("Msg", "The printer %1 cannot print the report.");
inline constexpr const char* ReportChartNotSaved = QT_TRANSLATE_NOOP("Msg", "The chart picture %1 cannot be written.");

// Database and login
inline constexpr const char* AliasNotFound = QT_TRANSLATE_NOOP("Msg", "BDE information : alias not found !");
inline constexpr const char* AliasUnknown = QT_TRANSLATE_NOOP("Msg", "The database alias %1 does not exist.");
inline constexpr const char* AliasExists = QT_TRANSLATE_NOOP("Msg", "The database alias %1 exists already.");
inline constexpr const char* AliasDriverUnknown = QT_TRANSLATE_NOOP("Msg", "The database alias %1 uses the driver \"%2\", which this program does not know.");
inline constexpr const char* AliasRegistryNotWritable = QT_TRANSLATE_NOOP("Msg", "The alias registry %1 cannot be written.");
inline constexpr const char* DatabaseMissing = QT_TRANSLATE_NOOP("Msg", "The database file %1 does not exist.");
inline constexpr const char* DatabaseExists = QT_TRANSLATE_NOOP("Msg", "The database file %1 exists already.");
inline constexpr const char* DatabaseFolderFailed = QT_TRANSLATE_NOOP("Msg", "The database folder %1 cannot be created.");
inline constexpr const char* DatabaseConnected = QT_TRANSLATE_NOOP("Msg", "Cannot change the alias of a connected database.");
inline constexpr const char* DatabaseError = QT_TRANSLATE_NOOP("Msg", "Database error: %1");
inline constexpr const char* NotConnected = QT_TRANSLATE_NOOP("Msg", "The database is not connected.");
inline constexpr const char* TableMissing = QT_TRANSLATE_NOOP("Msg", "Table does not exist: %1");
inline constexpr const char* TableFieldMissing = QT_TRANSLATE_NOOP("Msg", "The table %1 has no field %2.");
inline constexpr const char* IndexNotFound = QT_TRANSLATE_NOOP("Msg", "Index not found: %1");
inline constexpr const char* KeyViolation = QT_TRANSLATE_NOOP("Msg", "Key violation.");
inline constexpr const char* FieldRequired = QT_TRANSLATE_NOOP("Msg", "Field '%1' must have a value.");
inline constexpr const char* FieldTooLong = QT_TRANSLATE_NOOP("Msg", "The value of field '%1' is longer than %2 characters.");
inline constexpr const char* FieldOutOfRange = QT_TRANSLATE_NOOP("Msg", "%1 is not a valid value for field '%2'.");
inline constexpr const char* FieldReadOnly = QT_TRANSLATE_NOOP("Msg", "Field '%1' cannot be modified.");
inline constexpr const char* FieldNotFound = QT_TRANSLATE_NOOP("Msg", "Field '%1' not found.");
inline constexpr const char* NotAnInteger = QT_TRANSLATE_NOOP("Msg", "'%1' is not a valid integer value.");
inline constexpr const char* NotEditing = QT_TRANSLATE_NOOP("Msg", "Dataset not in edit or insert mode.");
inline constexpr const char* DataSetClosed = QT_TRANSLATE_NOOP("Msg", "Cannot perform this operation on a closed dataset.");
inline constexpr const char* EmptyDataSet = QT_TRANSLATE_NOOP("Msg", "Cannot perform this operation on an empty dataset.");
inline constexpr const char* ReadOnlyDataSet = QT_TRANSLATE_NOOP("Msg", "Cannot modify a read-only dataset.");
inline constexpr const char* BadFilter = QT_TRANSLATE_NOOP("Msg", "Invalid filter expression: %1");
inline constexpr const char* LoginRefused = QT_TRANSLATE_NOOP("Msg", "Utilisateur ou mot de passe incorrect !");

// Setup tool
inline constexpr const char* AdminUsage = QT_TRANSLATE_NOOP("Msg", "Usage: balvoro-admin [--dir DIR] COMMAND [ARGUMENTS]\n"
    "Commands:\n"
    "  init [DIR]       create the DATA folder with its empty tables, Config/Balvoro.ini and Steplink.ini\n"
    "  demo [DIR]       lay out a demo installation: demo therapist, patients, trials, levels\n"
    "  add-user NAME    add a user; the password is read without echo, or from standard input\n"
    "  passwd NAME      give a user a new password, read the same way\n"
    "  add-patient --last-name NAME [--first-name NAME] [--birth-date MM/DD/YYYY] [--sex M|F]\n"
    "              [--foot-size SIZE] [--address TEXT] [--postal-code CODE] [--city CITY] [--note TEXT]\n"
    "  list-patients    list the patients\n"
    "  list-users       list the user names\n"
    "DIR is the installation folder: the folder of balvoro-admin, unless --dir or the environment variable BALVORO_DIR names another.");
inline constexpr const char* AdminNoCommand = QT_TRANSLATE_NOOP("Msg", "No command given.");
inline constexpr const char* AdminUnknownCommand = QT_TRANSLATE_NOOP("Msg", "Unknown command \"%1\".");
inline constexpr const char* AdminUnknownOption = QT_TRANSLATE_NOOP("Msg", "Unknown option \"%1\".");
inline constexpr const char* AdminOptionNotForCommand = QT_TRANSLATE_NOOP("Msg", "The option %1 does not belong to the command %2.");
inline constexpr const char* AdminOptionValueMissing = QT_TRANSLATE_NOOP("Msg", "The option %1 needs a value.");
inline constexpr const char* AdminOptionTwice = QT_TRANSLATE_NOOP("Msg", "The option %1 is given twice.");
inline constexpr const char* AdminArgumentCount = QT_TRANSLATE_NOOP("Msg", "Wrong number of arguments for the command %1.");
inline constexpr const char* AdminDirTwice = QT_TRANSLATE_NOOP("Msg", "The installation folder is given twice.");
inline constexpr const char* AdminNoDatabase = QT_TRANSLATE_NOOP("Msg", "%1 holds no database. Create it first with: balvoro-admin init");
inline constexpr const char* AdminCreated = QT_TRANSLATE_NOOP("Msg", "Created %1");
inline constexpr const char* AdminKept = QT_TRANSLATE_NOOP("Msg", "Kept %1 as it was.");
inline constexpr const char* AdminNotWritten = QT_TRANSLATE_NOOP("Msg", "%1 cannot be written.");
inline constexpr const char* AdminFileExists = QT_TRANSLATE_NOOP("Msg", "%1 exists already and is not overwritten.");
inline constexpr const char* AdminDemoAdded = QT_TRANSLATE_NOOP("Msg", "Demo installation laid out in %1: %2 patients, %3 levels, %4 trials.");
inline constexpr const char* AdminDemoTherapist = QT_TRANSLATE_NOOP("Msg", "Demo therapist: user name %1, password %2");
inline constexpr const char* AdminDemoTherapistKept = QT_TRANSLATE_NOOP("Msg", "Demo therapist: user name %1 (an existing account: its password is unchanged)");
inline constexpr const char* AdminDemoRefused = QT_TRANSLATE_NOOP("Msg", "The database in %1 holds %2 patients already: a demo installation is laid out only where there are no patients. Nothing was changed.");
inline constexpr const char* AdminUserAdded = QT_TRANSLATE_NOOP("Msg", "User %1 added.");
inline constexpr const char* AdminUserExists = QT_TRANSLATE_NOOP("Msg", "A user named %1 exists already.");
inline constexpr const char* AdminUserUnknown = QT_TRANSLATE_NOOP("Msg", "There is no user named %1.");
inline constexpr const char* AdminPasswordChanged = QT_TRANSLATE_NOOP("Msg", "Password of %1 changed.");
inline constexpr const char* AdminPasswordPrompt = QT_TRANSLATE_NOOP("Msg", "Password for %1: ");
inline constexpr const char* AdminPasswordRepeat = QT_TRANSLATE_NOOP("Msg", "Repeat the password: ");
inline constexpr const char* AdminPasswordMismatch = QT_TRANSLATE_NOOP("Msg", "The two passwords differ. Nothing was changed.");
inline constexpr const char* AdminNoPassword = QT_TRANSLATE_NOOP("Msg", "No password was given on standard input.");
inline constexpr const char* AdminBadUser = QT_TRANSLATE_NOOP("Msg", "The user name is empty.");
inline constexpr const char* AdminBadPassword = QT_TRANSLATE_NOOP("Msg", "A password may hold only the letters A to Z and a to z and the digits: the login takes no other key.");
inline constexpr const char* AdminPatientAdded = QT_TRANSLATE_NOOP("Msg", "Patient %1 %2 added with the key %3.");
inline constexpr const char* AdminLastNameMissing = QT_TRANSLATE_NOOP("Msg", "The last name (--last-name) is required.");
inline constexpr const char* AdminBadSex = QT_TRANSLATE_NOOP("Msg", "The sex \"%1\" is neither M nor F.");
inline constexpr const char* AdminBadBirthDate = QT_TRANSLATE_NOOP("Msg", "The birth date \"%1\" is not a valid past date; write it as %2 or as 1950-12-31.");
inline constexpr const char* AdminPatientListHeader = QT_TRANSLATE_NOOP("Msg", "Key;Last name;First name;Birth date;Sex;City");
inline constexpr const char* AdminUserListHeader = QT_TRANSLATE_NOOP("Msg", "Key;Name");

// Level lists and games
inline constexpr const char* LevelUnreadable = QT_TRANSLATE_NOOP("Msg", "The level \"%1\" cannot be read: %2.");
inline constexpr const char* LevelLeftOut = QT_TRANSLATE_NOOP("Msg", "It is left out of the level list.");
inline constexpr const char* ParamFieldCount = QT_TRANSLATE_NOOP("Msg", "its parameters hold %1 fields instead of %2");
inline constexpr const char* ParamNotWholeNumber = QT_TRANSLATE_NOOP("Msg", "field %1 (\"%2\") is not a whole number");
inline constexpr const char* ClockNumbersInvalid = QT_TRANSLATE_NOOP("Msg", "its ball numbers \"%1\" do not give each of the numbers 1 to %2 exactly once");
inline constexpr const char* LevelListFull = QT_TRANSLATE_NOOP("Msg", "A game offers at most %1 levels; these levels are left out: %2");
inline constexpr const char* TooManyLevels = QT_TRANSLATE_NOOP("Msg", "A game holds at most %1 levels. Delete a level before creating another one.");

// Level editors
inline constexpr const char* FillAllParameters = QT_TRANSLATE_NOOP("Msg", "Please fill all parameters !");
inline constexpr const char* CodeAlreadyUsed = QT_TRANSLATE_NOOP("Msg", "This code is already used ! Please modify it.");
inline constexpr const char* EditionModeActive = QT_TRANSLATE_NOOP("Msg", "Edition mode activate ... You must cancel or validate !");
inline constexpr const char* DeleteLevelQuestion = QT_TRANSLATE_NOOP("Msg", "Do you really want to delete %1 ?");
inline constexpr const char* WholeNumbersOnly = QT_TRANSLATE_NOOP("Msg", "Please enter whole numbers only: \"%1\" is not one.");
inline constexpr const char* FillAllBallNumbers = QT_TRANSLATE_NOOP("Msg", "Please fill all ball numbers !");

// Game windows
inline constexpr const char* PlayAgain = QT_TRANSLATE_NOOP("Msg", "Do you want to play again ?");
inline constexpr const char* GameOverPlayAgain = QT_TRANSLATE_NOOP("Msg", "Game over ! Do you want to play again ?");
} // namespace Msg
