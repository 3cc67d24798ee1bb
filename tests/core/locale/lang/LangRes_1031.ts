<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A language file without the marker (id 0): it is never chosen. -->
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="3001"><source>caption</source><translation>de:Öffnen</translation></message>
</context>
</TS>
