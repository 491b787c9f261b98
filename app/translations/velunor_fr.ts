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
</TS>
