<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Msg</name>
    <message>
        <source>Problems with the configuration : </source>
        <translation>Problems with the configuration : </translation>
    </message>
    <message>
        <source>File missing - </source>
        <translation>File missing - </translation>
    </message>
    <message>
        <source>Set language resource fail !</source>
        <translation>Set language resource fail !</translation>
    </message>
    <message>
        <source>The platform driver library %1 cannot be loaded: %2</source>
        <translation>The platform driver library %1 cannot be loaded: %2</translation>
    </message>
    <message>
        <source>The platform driver library %1 lacks the function %2.</source>
        <translation>The platform driver library %1 lacks the function %2.</translation>
    </message>
    <message>
        <source>file missing </source>
        <translation>file missing </translation>
    </message>
    <message>
        <source>Put the patient on the plateform and click on "Save" to save the initial position.</source>
        <translation>Put the patient on the plateform and click on "Save" to save the initial position.</translation>
    </message>
    <message>
        <source>Initial Position is not correct</source>
        <translation>Initial Position is not correct</translation>
    </message>
    <message>
        <source>The report project file %1 does not exist.</source>
        <translation>The report project file %1 does not exist.</translation>
    </message>
    <message>
        <source>The report project file %1 cannot be read: %2</source>
        <translation>The report project file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>The report project file %1 is not valid (line %2, column %3): %4</source>
        <translation>The report project file %1 is not valid (line %2, column %3): %4</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt; inside &lt;%2&gt;</source>
        <translation>unexpected element &lt;%1&gt; inside &lt;%2&gt;</translation>
    </message>
    <message>
        <source>unknown attribute "%1" on &lt;%2&gt;</source>
        <translation>unknown attribute "%1" on &lt;%2&gt;</translation>
    </message>
    <message>
        <source>the attribute "%1" is missing on &lt;%2&gt;</source>
        <translation>the attribute "%1" is missing on &lt;%2&gt;</translation>
    </message>
    <message>
        <source>the attribute "%1" of &lt;%2&gt; has the invalid value "%3"</source>
        <translation>the attribute "%1" of &lt;%2&gt; has the invalid value "%3"</translation>
    </message>
    <message>
        <source>the name "%1" is used twice in &lt;%2&gt;</source>
        <translation>the name "%1" is used twice in &lt;%2&gt;</translation>
    </message>
    <message>
        <source>the page "%1" holds more than one list</source>
        <translation>the page "%1" holds more than one list</translation>
    </message>
    <message>
        <source>the document is no report project (root element &lt;%1&gt;)</source>
        <translation>the document is no report project (root element &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>No report project is open.</source>
        <translation>No report project is open.</translation>
    </message>
    <message>
        <source>The report "%1" does not exist in the report project %2.</source>
        <translation>The report "%1" does not exist in the report project %2.</translation>
    </message>
    <message>
        <source>The page "%1" does not exist in the report "%2".</source>
        <translation>The page "%1" does not exist in the report "%2".</translation>
    </message>
    <message>
        <source>The item "%1" does not exist on the page "%2" of the report "%3".</source>
        <translation>The item "%1" does not exist on the page "%2" of the report "%3".</translation>
    </message>
    <message>
        <source>The item "%1" on the page "%2" is no text item.</source>
        <translation>The item "%1" on the page "%2" is no text item.</translation>
    </message>
    <message>
        <source>The list "%1" reads the data connection "%2", which does not exist.</source>
        <translation>The list "%1" reads the data connection "%2", which does not exist.</translation>
    </message>
    <message>
        <source>The list "%1" shows the field "%2", which the data connection "%3" does not declare.</source>
        <translation>The list "%1" shows the field "%2", which the data connection "%3" does not declare.</translation>
    </message>
    <message>
        <source>The data connection "%1" delivers more values than the fields it declares.</source>
        <translation>The data connection "%1" delivers more values than the fields it declares.</translation>
    </message>
    <message>
        <source>The data connection "%1" never reports the end of its data.</source>
        <translation>The data connection "%1" never reports the end of its data.</translation>
    </message>
    <message>
        <source>The list "%1" on the page "%2" has no room for a single row.</source>
        <translation>The list "%1" on the page "%2" has no room for a single row.</translation>
    </message>
    <message>
        <source>The picture file %1 of the report item "%2" does not exist.</source>
        <translation>The picture file %1 of the report item "%2" does not exist.</translation>
    </message>
    <message>
        <source>The picture file %1 of the report item "%2" cannot be read.</source>
        <translation>The picture file %1 of the report item "%2" cannot be read.</translation>
    </message>
    <message>
        <source>The PDF file %1 cannot be written.</source>
        <translation>The PDF file %1 cannot be written.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print the report.</source>
        <translation>The printer %1 cannot print the report.</translation>
    </message>
    <message>
        <source>The chart picture %1 cannot be written.</source>
        <translation>The chart picture %1 cannot be written.</translation>
    </message>
    <message>
        <source>BDE information : alias not found !</source>
        <translation>BDE information : alias not found !</translation>
    </message>
    <message>
        <source>The database alias %1 does not exist.</source>
        <translation>The database alias %1 does not exist.</translation>
    </message>
    <message>
        <source>The database alias %1 exists already.</source>
        <translation>The database alias %1 exists already.</translation>
    </message>
    <message>
        <source>The database alias %1 uses the driver "%2", which this program does not know.</source>
        <translation>The database alias %1 uses the driver "%2", which this program does not know.</translation>
    </message>
    <message>
        <source>The alias registry %1 cannot be written.</source>
        <translation>The alias registry %1 cannot be written.</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>The database file %1 does not exist.</translation>
    </message>
    <message>
        <source>The database file %1 exists already.</source>
        <translation>The database file %1 exists already.</translation>
    </message>
    <message>
        <source>The database folder %1 cannot be created.</source>
        <translation>The database folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Cannot change the alias of a connected database.</source>
        <translation>Cannot change the alias of a connected database.</translation>
    </message>
    <message>
        <source>Database error: %1</source>
        <translation>Database error: %1</translation>
    </message>
    <message>
        <source>The database is not connected.</source>
        <translation>The database is not connected.</translation>
    </message>
    <message>
        <source>Table does not exist: %1</source>
        <translation>Table does not exist: %1</translation>
    </message>
    <message>
        <source>The table %1 has no field %2.</source>
        <translation>The table %1 has no field %2.</translation>
    </message>
    <message>
        <source>Index not found: %1</source>
        <translation>Index not found: %1</translation>
    </message>
    <message>
        <source>Key violation.</source>
        <translation>Key violation.</translation>
    </message>
    <message>
        <source>Field '%1' must have a value.</source>
        <translation>Field '%1' must have a value.</translation>
    </message>
    <message>
        <source>The value of field '%1' is longer than %2 characters.</source>
        <translation>The value of field '%1' is longer than %2 characters.</translation>
    </message>
    <message>
        <source>%1 is not a valid value for field '%2'.</source>
        <translation>%1 is not a valid value for field '%2'.</translation>
    </message>
    <message>
        <source>Field '%1' cannot be modified.</source>
        <translation>Field '%1' cannot be modified.</translation>
    </message>
    <message>
        <source>Field '%1' not found.</source>
        <translation>Field '%1' not found.</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value.</source>
        <translation>'%1' is not a valid integer value.</translation>
    </message>
    <message>
        <source>Dataset not in edit or insert mode.</source>
        <translation>Dataset not in edit or insert mode.</translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed dataset.</source>
        <translation>Cannot perform this operation on a closed dataset.</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset.</source>
        <translation>Cannot perform this operation on an empty dataset.</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset.</source>
        <translation>Cannot modify a read-only dataset.</translation>
    </message>
    <message>
        <source>Invalid filter expression: %1</source>
        <translation>Invalid filter expression: %1</translation>
    </message>
    <message>
        <source>Utilisateur ou mot de passe incorrect !</source>
        <translation>Utilisateur ou mot de passe incorrect !</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Created %1</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 cannot be written.</translation>
    </message>
    <message>
        <source>User %1 added.</source>
        <translation>User %1 added.</translation>
    </message>
    <message>
        <source>The user name is empty.</source>
        <translation>The user name is empty.</translation>
    </message>
    <message>
        <source>A password may hold only the letters A to Z and a to z and the digits: the login takes no other key.</source>
        <translation>A password may hold only the letters A to Z and a to z and the digits: the login takes no other key.</translation>
    </message>
    <message>
        <source>The level "%1" cannot be read: %2.</source>
        <translation>The level "%1" cannot be read: %2.</translation>
    </message>
    <message>
        <source>It is left out of the level list.</source>
        <translation>It is left out of the level list.</translation>
    </message>
    <message>
        <source>its parameters hold %1 fields instead of %2</source>
        <translation>its parameters hold %1 fields instead of %2</translation>
    </message>
    <message>
        <source>field %1 ("%2") is not a whole number</source>
        <translation>field %1 ("%2") is not a whole number</translation>
    </message>
    <message>
        <source>its ball numbers "%1" do not give each of the numbers 1 to %2 exactly once</source>
        <translation>its ball numbers "%1" do not give each of the numbers 1 to %2 exactly once</translation>
    </message>
    <message>
        <source>A game offers at most %1 levels; these levels are left out: %2</source>
        <translation>A game offers at most %1 levels; these levels are left out: %2</translation>
    </message>
    <message>
        <source>A game holds at most %1 levels. Delete a level before creating another one.</source>
        <translation>A game holds at most %1 levels. Delete a level before creating another one.</translation>
    </message>
    <message>
        <source>Plate disconnected or defective !</source>
        <translation>Plate disconnected or defective !</translation>
    </message>
    <message>
        <source>Erreur DLL Steplink code : </source>
        <translation>Erreur DLL Steplink code : </translation>
    </message>
    <message>
        <source>Do you want to delete the selected trial ?</source>
        <translation>Do you want to delete the selected trial ?</translation>
    </message>
    <message>
        <source>No dictionary files</source>
        <translation>No dictionary files</translation>
    </message>
    <message>
        <source>The level editor of the game %1 is not part of this installation.</source>
        <translation>The level editor of the game %1 is not part of this installation.</translation>
    </message>
    <message>
        <source>The game %1 is not part of this installation.</source>
        <translation>The game %1 is not part of this installation.</translation>
    </message>
    <message>
        <source>Usage: balvoro-admin [--dir DIR] COMMAND [ARGUMENTS]
Commands:
  init [DIR]       create the DATA folder with its empty tables, Config/Balvoro.ini and Steplink.ini
  demo [DIR]       lay out a demo installation: demo therapist, patients, trials, levels
  add-user NAME    add a user; the password is read without echo, or from standard input
  passwd NAME      give a user a new password, read the same way
  add-patient --last-name NAME [--first-name NAME] [--birth-date MM/DD/YYYY] [--sex M|F]
              [--foot-size SIZE] [--address TEXT] [--postal-code CODE] [--city CITY] [--note TEXT]
  list-patients    list the patients
  list-users       list the user names
DIR is the installation folder: the folder of balvoro-admin, unless --dir or the environment variable BALVORO_DIR names another.</source>
        <translation>Usage: balvoro-admin [--dir DIR] COMMAND [ARGUMENTS]
Commands:
  init [DIR]       create the DATA folder with its empty tables, Config/Balvoro.ini and Steplink.ini
  demo [DIR]       lay out a demo installation: demo therapist, patients, trials, levels
  add-user NAME    add a user; the password is read without echo, or from standard input
  passwd NAME      give a user a new password, read the same way
  add-patient --last-name NAME [--first-name NAME] [--birth-date MM/DD/YYYY] [--sex M|F]
              [--foot-size SIZE] [--address TEXT] [--postal-code CODE] [--city CITY] [--note TEXT]
  list-patients    list the patients
  list-users       list the user names
DIR is the installation folder: the folder of balvoro-admin, unless --dir or the environment variable BALVORO_DIR names another.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>Unknown command "%1".</source>
        <translation>Unknown command "%1".</translation>
    </message>
    <message>
        <source>Unknown option "%1".</source>
        <translation>Unknown option "%1".</translation>
    </message>
    <message>
        <source>The option %1 does not belong to the command %2.</source>
        <translation>The option %1 does not belong to the command %2.</translation>
    </message>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>The option %1 is given twice.</source>
        <translation>The option %1 is given twice.</translation>
    </message>
    <message>
        <source>Wrong number of arguments for the command %1.</source>
        <translation>Wrong number of arguments for the command %1.</translation>
    </message>
    <message>
        <source>The installation folder is given twice.</source>
        <translation>The installation folder is given twice.</translation>
    </message>
    <message>
        <source>%1 holds no database. Create it first with: balvoro-admin init</source>
        <translation>%1 holds no database. Create it first with: balvoro-admin init</translation>
    </message>
    <message>
        <source>Kept %1 as it was.</source>
        <translation>Kept %1 as it was.</translation>
    </message>
    <message>
        <source>%1 exists already and is not overwritten.</source>
        <translation>%1 exists already and is not overwritten.</translation>
    </message>
    <message>
        <source>Demo installation laid out in %1: %2 patients, %3 levels, %4 trials.</source>
        <translation>Demo installation laid out in %1: %2 patients, %3 levels, %4 trials.</translation>
    </message>
    <message>
        <source>Demo therapist: user name %1, password %2</source>
        <translation>Demo therapist: user name %1, password %2</translation>
    </message>
    <message>
        <source>Demo therapist: user name %1 (an existing account: its password is unchanged)</source>
        <translation>Demo therapist: user name %1 (an existing account: its password is unchanged)</translation>
    </message>
    <message>
        <source>The database in %1 holds %2 patients already: a demo installation is laid out only where there are no patients. Nothing was changed.</source>
        <translation>The database in %1 holds %2 patients already: a demo installation is laid out only where there are no patients. Nothing was changed.</translation>
    </message>
    <message>
        <source>A user named %1 exists already.</source>
        <translation>A user named %1 exists already.</translation>
    </message>
    <message>
        <source>There is no user named %1.</source>
        <translation>There is no user named %1.</translation>
    </message>
    <message>
        <source>Password of %1 changed.</source>
        <translation>Password of %1 changed.</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Password for %1: </translation>
    </message>
    <message>
        <source>Repeat the password: </source>
        <translation>Repeat the password: </translation>
    </message>
    <message>
        <source>The two passwords differ. Nothing was changed.</source>
        <translation>The two passwords differ. Nothing was changed.</translation>
    </message>
    <message>
        <source>No password was given on standard input.</source>
        <translation>No password was given on standard input.</translation>
    </message>
    <message>
        <source>Patient %1 %2 added with the key %3.</source>
        <translation>Patient %1 %2 added with the key %3.</translation>
    </message>
    <message>
        <source>The last name (--last-name) is required.</source>
        <translation>The last name (--last-name) is required.</translation>
    </message>
    <message>
        <source>The sex "%1" is neither M nor F.</source>
        <translation>The sex "%1" is neither M nor F.</translation>
    </message>
    <message>
        <source>The birth date "%1" is not a valid past date; write it as %2 or as 1950-12-31.</source>
        <translation>The birth date "%1" is not a valid past date; write it as %2 or as 1950-12-31.</translation>
    </message>
    <message>
        <source>Key;Last name;First name;Birth date;Sex;City</source>
        <translation>Key;Last name;First name;Birth date;Sex;City</translation>
    </message>
    <message>
        <source>Key;Name</source>
        <translation>Key;Name</translation>
    </message>
    <message>
        <source>Please fill all parameters !</source>
        <translation>Please fill all parameters !</translation>
    </message>
    <message>
        <source>This code is already used ! Please modify it.</source>
        <translation>This code is already used ! Please modify it.</translation>
    </message>
    <message>
        <source>Edition mode activate ... You must cancel or validate !</source>
        <translation>Edition mode activate ... You must cancel or validate !</translation>
    </message>
    <message>
        <source>Do you really want to delete %1 ?</source>
        <translation>Do you really want to delete %1 ?</translation>
    </message>
    <message>
        <source>Please enter whole numbers only: "%1" is not one.</source>
        <translation>Please enter whole numbers only: "%1" is not one.</translation>
    </message>
    <message>
        <source>Please fill all ball numbers !</source>
        <translation>Please fill all ball numbers !</translation>
    </message>
    <message>
        <source>Do you want to play again ?</source>
        <translation>Do you want to play again ?</translation>
    </message>
    <message>
        <source>Game over ! Do you want to play again ?</source>
        <translation>Game over ! Do you want to play again ?</translation>
    </message>
    <message>
        <source>Please close the other Ardentis applications !</source>
        <translation>Please close the other Ardentis applications !</translation>
    </message>
</context>
<context>
    <name>ReportPreviewWindow</name>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Page width</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportSystem</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Generating page %p</source>
        <translation>Generating page %p</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Printing page %p</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
</context>
<context>
    <name>TF_Confirm</name>
    <message>
        <source> Confirmation...</source>
        <translation> Confirmation...</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>TLevelEditor</name>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Validate</source>
        <translation>Validate</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Choix du personnage</source>
        <translation>Choix du personnage</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
</context>
<context>
    <name>TfmBalvoroMain</name>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Visible data</source>
        <translation>Visible data</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Last Name</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>First Name</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date of Birth</translation>
    </message>
    <message>
        <source>Foot Size</source>
        <translation>Foot Size</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>City Code</source>
        <translation>City Code</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Ping Pong</source>
        <translation>Ping Pong</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>HoolaHoop</source>
        <translation>HoolaHoop</translation>
    </message>
    <message>
        <source>PacMan</source>
        <translation>PacMan</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Trials</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>History of Performance</source>
        <translation>History of Performance</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Files</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Parameters</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Background Color</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Surface Area</source>
        <translation>Surface Area</translation>
    </message>
    <message>
        <source>Trial</source>
        <translation>Trial</translation>
    </message>
</context>
<context>
    <name>TfmClock</name>
    <message>
        <source>Clock</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Exercise Name :</source>
        <translation>Exercise Name :</translation>
    </message>
</context>
<context>
    <name>TfmClockParam</name>
    <message>
        <source>Exercise Name :</source>
        <translation>Exercise Name :</translation>
    </message>
    <message>
        <source>Movement :</source>
        <translation>Movement :</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>Differential</source>
        <translation>Differential</translation>
    </message>
    <message>
        <source>Absolute &amp; Trailing effect</source>
        <translation>Absolute &amp; Trailing effect</translation>
    </message>
    <message>
        <source>Differential &amp; Trailing effect</source>
        <translation>Differential &amp; Trailing effect</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>1/4 Circle to the front</source>
        <translation>1/4 Circle to the front</translation>
    </message>
    <message>
        <source>1/4 Circle to the posterior</source>
        <translation>1/4 Circle to the posterior</translation>
    </message>
    <message>
        <source>1/4 Circle to the left</source>
        <translation>1/4 Circle to the left</translation>
    </message>
    <message>
        <source>1/4 Circle to the right</source>
        <translation>1/4 Circle to the right</translation>
    </message>
    <message>
        <source>Ball Number :</source>
        <translation>Ball Number :</translation>
    </message>
    <message>
        <source>Distance :</source>
        <translation>Distance :</translation>
    </message>
    <message>
        <source>Ball Size :</source>
        <translation>Ball Size :</translation>
    </message>
    <message>
        <source>Speed :</source>
        <translation>Speed :</translation>
    </message>
    <message>
        <source>Grid :</source>
        <translation>Grid :</translation>
    </message>
    <message>
        <source>Center :</source>
        <translation>Center :</translation>
    </message>
    <message>
        <source>Random Numbers :</source>
        <translation>Random Numbers :</translation>
    </message>
    <message>
        <source>Ball Color :</source>
        <translation>Ball Color :</translation>
    </message>
    <message>
        <source>Color of Target :</source>
        <translation>Color of Target :</translation>
    </message>
    <message>
        <source>Color of Number :</source>
        <translation>Color of Number :</translation>
    </message>
    <message>
        <source>Diagonales :</source>
        <translation>Diagonales :</translation>
    </message>
    <message>
        <source>Cibles :</source>
        <translation>Cibles :</translation>
    </message>
    <message>
        <source>Son :</source>
        <translation>Son :</translation>
    </message>
    <message>
        <source>Visibilité :</source>
        <translation>Visibilité :</translation>
    </message>
    <message>
        <source>Chenille :</source>
        <translation>Chenille :</translation>
    </message>
    <message>
        <source>Taille Personnage :</source>
        <translation>Taille Personnage :</translation>
    </message>
    <message>
        <source>Personnage :</source>
        <translation>Personnage :</translation>
    </message>
    <message>
        <source>Parameters of Clock</source>
        <translation>Parameters of Clock</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>TfmColor</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfmGame</name>
    <message>
        <source>Exercise Level :</source>
        <translation>Exercise Level :</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>TfmInitPos</name>
    <message>
        <source>Init position</source>
        <translation>Init position</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TfmLanguage</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TfmLoad</name>
    <message>
        <source>Loading</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>FIRST NAME</source>
        <translation>FIRST NAME</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>TIME</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TfmLogin</name>
    <message>
        <source>Droits d'accès</source>
        <translation>Droits d'accès</translation>
    </message>
    <message>
        <source>Utilisateur</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Mot de passe</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
</TS>
