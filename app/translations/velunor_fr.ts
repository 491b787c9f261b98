<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Msg</name>
    <message>
        <source>Problems with the configuration : </source>
        <translation>Problèmes de configuration : </translation>
    </message>
    <message>
        <source>File missing - </source>
        <translation>Fichier manquant - </translation>
    </message>
    <message>
        <source>Set language resource fail !</source>
        <translation>Échec du changement de langue !</translation>
    </message>
    <message>
        <source>The platform driver library %1 cannot be loaded: %2</source>
        <translation>La bibliothèque du pilote de plateforme %1 ne peut pas être chargée : %2</translation>
    </message>
    <message>
        <source>The platform driver library %1 lacks the function %2.</source>
        <translation>La fonction %2 manque dans la bibliothèque du pilote de plateforme %1.</translation>
    </message>
    <message>
        <source>file missing </source>
        <translation>fichier manquant </translation>
    </message>
    <message>
        <source>Put the patient on the plateform and click on "Save" to save the initial position.</source>
        <translation>Placez le patient sur la plateforme et cliquez sur « Enregistrer » pour enregistrer la position initiale.</translation>
    </message>
    <message>
        <source>Initial Position is not correct</source>
        <translation>La position initiale n'est pas correcte</translation>
    </message>
    <message>
        <source>The report project file %1 does not exist.</source>
        <translation>Le fichier de projet de rapport %1 n'existe pas.</translation>
    </message>
    <message>
        <source>The report project file %1 cannot be read: %2</source>
        <translation>Le fichier de projet de rapport %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The report project file %1 is not valid (line %2, column %3): %4</source>
        <translation>Le fichier de projet de rapport %1 n'est pas valide (ligne %2, colonne %3) : %4</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt; inside &lt;%2&gt;</source>
        <translation>élément &lt;%1&gt; inattendu dans &lt;%2&gt;</translation>
    </message>
    <message>
        <source>unknown attribute "%1" on &lt;%2&gt;</source>
        <translation>attribut « %1 » inconnu sur &lt;%2&gt;</translation>
    </message>
    <message>
        <source>the attribute "%1" is missing on &lt;%2&gt;</source>
        <translation>l'attribut « %1 » manque sur &lt;%2&gt;</translation>
    </message>
    <message>
        <source>the attribute "%1" of &lt;%2&gt; has the invalid value "%3"</source>
        <translation>l'attribut « %1 » de &lt;%2&gt; a la valeur invalide « %3 »</translation>
    </message>
    <message>
        <source>the name "%1" is used twice in &lt;%2&gt;</source>
        <translation>le nom « %1 » est utilisé deux fois dans &lt;%2&gt;</translation>
    </message>
    <message>
        <source>the page "%1" holds more than one list</source>
        <translation>la page « %1 » contient plus d'une liste</translation>
    </message>
    <message>
        <source>the document is no report project (root element &lt;%1&gt;)</source>
        <translation>le document n'est pas un projet de rapport (élément racine &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>No report project is open.</source>
        <translation>Aucun projet de rapport n'est ouvert.</translation>
    </message>
    <message>
        <source>The report "%1" does not exist in the report project %2.</source>
        <translation>Le rapport « %1 » n'existe pas dans le projet de rapport %2.</translation>
    </message>
    <message>
        <source>The page "%1" does not exist in the report "%2".</source>
        <translation>La page « %1 » n'existe pas dans le rapport « %2 ».</translation>
    </message>
    <message>
        <source>The item "%1" does not exist on the page "%2" of the report "%3".</source>
        <translation>L'élément « %1 » n'existe pas sur la page « %2 » du rapport « %3 ».</translation>
    </message>
    <message>
        <source>The item "%1" on the page "%2" is no text item.</source>
        <translation>L'élément « %1 » de la page « %2 » n'est pas un texte.</translation>
    </message>
    <message>
        <source>The list "%1" reads the data connection "%2", which does not exist.</source>
        <translation>La liste « %1 » lit la connexion de données « %2 », qui n'existe pas.</translation>
    </message>
    <message>
        <source>The list "%1" shows the field "%2", which the data connection "%3" does not declare.</source>
        <translation>La liste « %1 » affiche le champ « %2 », que la connexion de données « %3 » ne déclare pas.</translation>
    </message>
    <message>
        <source>The data connection "%1" delivers more values than the fields it declares.</source>
        <translation>La connexion de données « %1 » fournit plus de valeurs que les champs qu'elle déclare.</translation>
    </message>
    <message>
        <source>The data connection "%1" never reports the end of its data.</source>
        <translation>La connexion de données « %1 » ne signale jamais la fin de ses données.</translation>
    </message>
    <message>
        <source>The list "%1" on the page "%2" has no room for a single row.</source>
        <translation>La liste « %1 » de la page « %2 » n'a pas de place pour une seule ligne.</translation>
    </message>
    <message>
        <source>The picture file %1 of the report item "%2" does not exist.</source>
        <translation>Le fichier image %1 de l'élément de rapport « %2 » n'existe pas.</translation>
    </message>
    <message>
        <source>The picture file %1 of the report item "%2" cannot be read.</source>
        <translation>Le fichier image %1 de l'élément de rapport « %2 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The PDF file %1 cannot be written.</source>
        <translation>Le fichier PDF %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print the report.</source>
        <translation>L'imprimante %1 ne peut pas imprimer le rapport.</translation>
    </message>
    <message>
        <source>The chart picture %1 cannot be written.</source>
        <translation>L'image du graphique %1 ne peut pas être écrite.</translation>
    </message>
    <message>
        <source>BDE information : alias not found !</source>
        <translation>Information BDE : alias introuvable !</translation>
    </message>
    <message>
        <source>The database alias %1 does not exist.</source>
        <translation>L'alias de base de données %1 n'existe pas.</translation>
    </message>
    <message>
        <source>The database alias %1 exists already.</source>
        <translation>L'alias de base de données %1 existe déjà.</translation>
    </message>
    <message>
        <source>The database alias %1 uses the driver "%2", which this program does not know.</source>
        <translation>L'alias de base de données %1 utilise le pilote « %2 », que ce programme ne connaît pas.</translation>
    </message>
    <message>
        <source>The alias registry %1 cannot be written.</source>
        <translation>Le registre des alias %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>Le fichier de base de données %1 n'existe pas.</translation>
    </message>
    <message>
        <source>The database file %1 exists already.</source>
        <translation>Le fichier de base de données %1 existe déjà.</translation>
    </message>
    <message>
        <source>The database folder %1 cannot be created.</source>
        <translation>Le dossier de base de données %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Cannot change the alias of a connected database.</source>
        <translation>Impossible de changer l'alias d'une base de données connectée.</translation>
    </message>
    <message>
        <source>Database error: %1</source>
        <translation>Erreur de base de données : %1</translation>
    </message>
    <message>
        <source>The database is not connected.</source>
        <translation>La base de données n'est pas connectée.</translation>
    </message>
    <message>
        <source>Table does not exist: %1</source>
        <translation>La table n'existe pas : %1</translation>
    </message>
    <message>
        <source>The table %1 has no field %2.</source>
        <translation>La table %1 n'a pas de champ %2.</translation>
    </message>
    <message>
        <source>Index not found: %1</source>
        <translation>Index introuvable : %1</translation>
    </message>
    <message>
        <source>Key violation.</source>
        <translation>Violation de clé.</translation>
    </message>
    <message>
        <source>Field '%1' must have a value.</source>
        <translation>Le champ '%1' doit avoir une valeur.</translation>
    </message>
    <message>
        <source>The value of field '%1' is longer than %2 characters.</source>
        <translation>La valeur du champ '%1' dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>%1 is not a valid value for field '%2'.</source>
        <translation>%1 n'est pas une valeur valide pour le champ '%2'.</translation>
    </message>
    <message>
        <source>Field '%1' cannot be modified.</source>
        <translation>Le champ '%1' ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>Field '%1' not found.</source>
        <translation>Champ '%1' introuvable.</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value.</source>
        <translation>'%1' n'est pas un nombre entier valide.</translation>
    </message>
    <message>
        <source>Dataset not in edit or insert mode.</source>
        <translation>L'ensemble de données n'est pas en mode édition ou insertion.</translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed dataset.</source>
        <translation>Impossible d'effectuer cette opération sur un ensemble de données fermé.</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset.</source>
        <translation>Impossible d'effectuer cette opération sur un ensemble de données vide.</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset.</source>
        <translation>Impossible de modifier un ensemble de données en lecture seule.</translation>
    </message>
    <message>
        <source>Invalid filter expression: %1</source>
        <translation>Expression de filtre incorrecte : %1</translation>
    </message>
    <message>
        <source>Utilisateur ou mot de passe incorrect !</source>
        <translation>Utilisateur ou mot de passe incorrect !</translation>
    </message>
    <message>
        <source>Usage: balvoro-admin init DIR | demo DIR | adduser DIR NAME PASSWORD</source>
        <translation>Usage : balvoro-admin init DOSSIER | demo DOSSIER | adduser DOSSIER NOM MOT_DE_PASSE</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Créé : %1</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Demo data added. Users (name/password): %1</source>
        <translation>Données de démonstration ajoutées. Utilisateurs (nom/mot de passe) : %1</translation>
    </message>
    <message>
        <source>The database holds patients already: no demo data added.</source>
        <translation>La base de données contient déjà des patients : aucune donnée de démonstration ajoutée.</translation>
    </message>
    <message>
        <source>User %1 added.</source>
        <translation>Utilisateur %1 ajouté.</translation>
    </message>
    <message>
        <source>The user name is empty.</source>
        <translation>Le nom d'utilisateur est vide.</translation>
    </message>
    <message>
        <source>A password may hold only the letters A to Z and a to z and the digits: the login takes no other key.</source>
        <translation>Un mot de passe ne peut contenir que les lettres A à Z et a à z et les chiffres : la connexion n'accepte aucune autre touche.</translation>
    </message>
    <message>
        <source>The level "%1" cannot be read: %2.</source>
        <translation>Le niveau « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>It is left out of the level list.</source>
        <translation>Il est écarté de la liste des niveaux.</translation>
    </message>
    <message>
        <source>its parameters hold %1 fields instead of %2</source>
        <translation>ses paramètres comptent %1 champs au lieu de %2</translation>
    </message>
    <message>
        <source>field %1 ("%2") is not a whole number</source>
        <translation>le champ %1 (« %2 ») n'est pas un nombre entier</translation>
    </message>
    <message>
        <source>its ball numbers "%1" do not give each of the numbers 1 to %2 exactly once</source>
        <translation>ses numéros de balles « %1 » ne donnent pas chacun des numéros 1 à %2 exactement une fois</translation>
    </message>
    <message>
        <source>A game offers at most %1 levels; these levels are left out: %2</source>
        <translation>Un jeu propose au plus %1 niveaux ; ces niveaux sont écartés : %2</translation>
    </message>
    <message>
        <source>A game holds at most %1 levels. Delete a level before creating another one.</source>
        <translation>Un jeu compte au plus %1 niveaux. Supprimez un niveau avant d'en créer un autre.</translation>
    </message>
</context>
<context>
    <name>ReportPreviewWindow</name>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Largeur de page</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportSystem</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Generating page %p</source>
        <translation>Création de la page %p</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Impression de la page %p</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>TfmColor</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TfmInitPos</name>
    <message>
        <source>Init position</source>
        <translation>Position initiale</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
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
