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
        <source>Usage: balvoro-admin init DIR | demo DIR | adduser DIR NAME PASSWORD</source>
        <translation>Usage: balvoro-admin init DIR | demo DIR | adduser DIR NAME PASSWORD</translation>
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
        <source>Demo data added. Users (name/password): %1</source>
        <translation>Demo data added. Users (name/password): %1</translation>
    </message>
    <message>
        <source>The database holds patients already: no demo data added.</source>
        <translation>The database holds patients already: no demo data added.</translation>
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
