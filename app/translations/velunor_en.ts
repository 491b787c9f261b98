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
</context>
</TS>
