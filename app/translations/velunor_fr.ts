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
</context>
</TS>
