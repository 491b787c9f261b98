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
        <source>Created %1</source>
        <translation>Créé : %1</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 ne peut pas être écrit.</translation>
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
    <message>
        <source>Plate disconnected or defective !</source>
        <translation>Plateau déconnecté ou défectueux !</translation>
    </message>
    <message>
        <source>Erreur DLL Steplink code : </source>
        <translation>Erreur DLL Steplink code : </translation>
    </message>
    <message>
        <source>Do you want to delete the selected trial ?</source>
        <translation>Voulez-vous supprimer l'essai sélectionné ?</translation>
    </message>
    <message>
        <source>No dictionary files</source>
        <translation>Aucun fichier de dictionnaire</translation>
    </message>
    <message>
        <source>The level editor of the game %1 is not part of this installation.</source>
        <translation>L'éditeur de niveaux du jeu %1 ne fait pas partie de cette installation.</translation>
    </message>
    <message>
        <source>The game %1 is not part of this installation.</source>
        <translation>Le jeu %1 ne fait pas partie de cette installation.</translation>
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
        <translation>Usage : balvoro-admin [--dir DOSSIER] COMMANDE [ARGUMENTS]
Commandes :
  init [DOSSIER]   crée le dossier DATA avec ses tables vides, Config/Balvoro.ini et Steplink.ini
  demo [DOSSIER]   installe une démonstration : thérapeute, patients, essais, niveaux
  add-user NOM     ajoute un utilisateur ; le mot de passe est lu sans écho, ou sur l'entrée standard
  passwd NOM       donne un nouveau mot de passe à un utilisateur, lu de la même façon
  add-patient --last-name NOM [--first-name PRÉNOM] [--birth-date MM/JJ/AAAA] [--sex M|F]
              [--foot-size POINTURE] [--address TEXTE] [--postal-code CODE] [--city VILLE] [--note TEXTE]
  list-patients    liste les patients
  list-users       liste les noms d'utilisateur
DOSSIER est le dossier d'installation : celui de balvoro-admin, sauf si --dir ou la variable d'environnement BALVORO_DIR en désigne un autre.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Aucune commande donnée.</translation>
    </message>
    <message>
        <source>Unknown command "%1".</source>
        <translation>Commande inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unknown option "%1".</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>The option %1 does not belong to the command %2.</source>
        <translation>L'option %1 n'appartient pas à la commande %2.</translation>
    </message>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>L'option %1 demande une valeur.</translation>
    </message>
    <message>
        <source>The option %1 is given twice.</source>
        <translation>L'option %1 est donnée deux fois.</translation>
    </message>
    <message>
        <source>Wrong number of arguments for the command %1.</source>
        <translation>Nombre d'arguments incorrect pour la commande %1.</translation>
    </message>
    <message>
        <source>The installation folder is given twice.</source>
        <translation>Le dossier d'installation est donné deux fois.</translation>
    </message>
    <message>
        <source>%1 holds no database. Create it first with: balvoro-admin init</source>
        <translation>%1 ne contient pas de base de données. Créez-la d'abord avec : balvoro-admin init</translation>
    </message>
    <message>
        <source>Kept %1 as it was.</source>
        <translation>%1 conservé tel quel.</translation>
    </message>
    <message>
        <source>%1 exists already and is not overwritten.</source>
        <translation>%1 existe déjà et n'est pas écrasé.</translation>
    </message>
    <message>
        <source>Demo installation laid out in %1: %2 patients, %3 levels, %4 trials.</source>
        <translation>Installation de démonstration créée dans %1 : %2 patients, %3 niveaux, %4 essais.</translation>
    </message>
    <message>
        <source>Demo therapist: user name %1, password %2</source>
        <translation>Thérapeute de démonstration : utilisateur %1, mot de passe %2</translation>
    </message>
    <message>
        <source>Demo therapist: user name %1 (an existing account: its password is unchanged)</source>
        <translation>Thérapeute de démonstration : utilisateur %1 (compte existant : son mot de passe est inchangé)</translation>
    </message>
    <message>
        <source>The database in %1 holds %2 patients already: a demo installation is laid out only where there are no patients. Nothing was changed.</source>
        <translation>La base de données de %1 contient déjà %2 patients : une démonstration ne s'installe que là où il n'y a aucun patient. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>A user named %1 exists already.</source>
        <translation>Un utilisateur nommé %1 existe déjà.</translation>
    </message>
    <message>
        <source>There is no user named %1.</source>
        <translation>Il n'y a pas d'utilisateur nommé %1.</translation>
    </message>
    <message>
        <source>Password of %1 changed.</source>
        <translation>Mot de passe de %1 modifié.</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Mot de passe pour %1 : </translation>
    </message>
    <message>
        <source>Repeat the password: </source>
        <translation>Répétez le mot de passe : </translation>
    </message>
    <message>
        <source>The two passwords differ. Nothing was changed.</source>
        <translation>Les deux mots de passe diffèrent. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>No password was given on standard input.</source>
        <translation>Aucun mot de passe n'a été donné sur l'entrée standard.</translation>
    </message>
    <message>
        <source>Patient %1 %2 added with the key %3.</source>
        <translation>Patient %1 %2 ajouté avec la clé %3.</translation>
    </message>
    <message>
        <source>The last name (--last-name) is required.</source>
        <translation>Le nom (--last-name) est obligatoire.</translation>
    </message>
    <message>
        <source>The sex "%1" is neither M nor F.</source>
        <translation>Le sexe « %1 » n'est ni M ni F.</translation>
    </message>
    <message>
        <source>The birth date "%1" is not a valid past date; write it as %2 or as 1950-12-31.</source>
        <translation>La date de naissance « %1 » n'est pas une date passée valide ; écrivez-la sous la forme %2 ou 1950-12-31.</translation>
    </message>
    <message>
        <source>Key;Last name;First name;Birth date;Sex;City</source>
        <translation>Clé;Nom;Prénom;Date de naissance;Sexe;Ville</translation>
    </message>
    <message>
        <source>Key;Name</source>
        <translation>Clé;Nom</translation>
    </message>
    <message>
        <source>Please fill all parameters !</source>
        <translation>Veuillez remplir tous les paramètres !</translation>
    </message>
    <message>
        <source>This code is already used ! Please modify it.</source>
        <translation>Ce code est déjà utilisé ! Veuillez le modifier.</translation>
    </message>
    <message>
        <source>Edition mode activate ... You must cancel or validate !</source>
        <translation>Mode édition activé ... Vous devez annuler ou valider !</translation>
    </message>
    <message>
        <source>Do you really want to delete %1 ?</source>
        <translation>Voulez-vous vraiment supprimer %1 ?</translation>
    </message>
    <message>
        <source>Please enter whole numbers only: "%1" is not one.</source>
        <translation>Veuillez saisir uniquement des nombres entiers : « %1 » n'en est pas un.</translation>
    </message>
    <message>
        <source>Please fill all ball numbers !</source>
        <translation>Veuillez remplir tous les numéros des balles !</translation>
    </message>
    <message>
        <source>Do you want to play again ?</source>
        <translation>Voulez-vous rejouer ?</translation>
    </message>
    <message>
        <source>Game over ! Do you want to play again ?</source>
        <translation>Partie terminée ! Voulez-vous rejouer ?</translation>
    </message>
    <message>
        <source>Please close the other Ardentis applications !</source>
        <translation>Veuillez fermer les autres applications Ardentis !</translation>
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
    <name>TLevelEditor</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Validate</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Choix du personnage</source>
        <translation>Choix du personnage</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Images bitmap (*.bmp)</translation>
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
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Visible data</source>
        <translation>Données visibles</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Foot Size</source>
        <translation>Pointure</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Ping Pong</source>
        <translation>Ping Pong</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>History of Performance</source>
        <translation>Historique des performances</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Fichiers</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Couleur de fond</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Surface Area</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Trial</source>
        <translation>Essai</translation>
    </message>
</context>
<context>
    <name>TfmClock</name>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Exercise Name :</source>
        <translation>Nom de l'exercice :</translation>
    </message>
</context>
<context>
    <name>TfmClockParam</name>
    <message>
        <source>Exercise Name :</source>
        <translation>Nom de l'exercice :</translation>
    </message>
    <message>
        <source>Movement :</source>
        <translation>Mouvement :</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absolu</translation>
    </message>
    <message>
        <source>Differential</source>
        <translation>Différentiel</translation>
    </message>
    <message>
        <source>Absolute &amp; Trailing effect</source>
        <translation>Absolu &amp; effet de traîne</translation>
    </message>
    <message>
        <source>Differential &amp; Trailing effect</source>
        <translation>Différentiel &amp; effet de traîne</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>1/4 Circle to the front</source>
        <translation>1/4 de cercle vers l'avant</translation>
    </message>
    <message>
        <source>1/4 Circle to the posterior</source>
        <translation>1/4 de cercle vers l'arrière</translation>
    </message>
    <message>
        <source>1/4 Circle to the left</source>
        <translation>1/4 de cercle vers la gauche</translation>
    </message>
    <message>
        <source>1/4 Circle to the right</source>
        <translation>1/4 de cercle vers la droite</translation>
    </message>
    <message>
        <source>Ball Number :</source>
        <translation>Nombre de balles :</translation>
    </message>
    <message>
        <source>Distance :</source>
        <translation>Distance :</translation>
    </message>
    <message>
        <source>Ball Size :</source>
        <translation>Taille des balles :</translation>
    </message>
    <message>
        <source>Speed :</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Grid :</source>
        <translation>Grille :</translation>
    </message>
    <message>
        <source>Center :</source>
        <translation>Centre :</translation>
    </message>
    <message>
        <source>Random Numbers :</source>
        <translation>Numéros aléatoires :</translation>
    </message>
    <message>
        <source>Ball Color :</source>
        <translation>Couleur des balles :</translation>
    </message>
    <message>
        <source>Color of Target :</source>
        <translation>Couleur de la cible :</translation>
    </message>
    <message>
        <source>Color of Number :</source>
        <translation>Couleur des numéros :</translation>
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
        <translation>Paramètres de l'horloge</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
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
    <name>TfmGame</name>
    <message>
        <source>Exercise Level :</source>
        <translation>Niveau de l'exercice :</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
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
    <name>TfmLanguage</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfmLoad</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>FIRST NAME</source>
        <translation>PRÉNOM</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>HEURE</translation>
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
