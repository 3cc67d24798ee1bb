<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A test English whose fonts are not installed, except the last resort. -->
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="0"><source>English (test)</source><translation>English (test)</translation></message>
    <message id="3001"><source>caption</source><translation>en:Open</translation></message>
    <message id="11"><source>font</source><translation>No Such Font Family</translation></message>
    <message id="12"><source>font</source><translation>No Such Font Family Either</translation></message>
    <message id="13"><source>font</source><translation>Sans Serif</translation></message>
</context>
</TS>
