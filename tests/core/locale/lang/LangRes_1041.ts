<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A small test language with texts that differ from their English captions. -->
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="0"><source>Japanese (test)</source><translation>日本語 (テスト)</translation></message>
    <message id="1"><source>one</source><translation>ja:one</translation></message>
    <message id="2"><source>two</source><translation>ja:two</translation></message>
    <message id="11"><source>font</source><translation>No Such Font Family</translation></message>
    <message id="12"><source>font</source><translation>DejaVu Sans</translation></message>
    <message id="13"><source>font</source><translation>Sans Serif</translation></message>
    <message id="14"><source>charset</source><translation>128</translation></message>
    <message id="122"><source>message</source><translation>ja:The document could not be read.</translation></message>
    <message id="216"><source>message</source><translation>ja:Item Details [%1% - %2%]</translation></message>
    <message id="2000"><source>caption</source><translation>ja:File</translation></message>
    <message id="2001"><source>caption</source><translation>ja:New</translation></message>
    <message id="2002"><source>caption</source><translation>ja:Open...</translation></message>
    <message id="2005"><source>caption</source><translation>ja:Import</translation></message>
    <message id="2006"><source>caption</source><translation>ja:Export...</translation></message>
    <message id="2021"><source>caption</source><translation>ja:Service Start</translation></message>
    <message id="2022"><source>caption</source><translation>ja:Service Stop</translation></message>
    <message id="2024"><source>caption</source><translation>ja:Run Tester</translation></message>
    <message id="2054"><source>caption</source><translation>ja:manual.pdf</translation></message>
    <message id="3000"><source>caption</source><translation>ja:Save</translation></message>
    <message id="3001"><source>caption</source><translation>ja:Open</translation></message>
    <message id="3005"><source>caption</source><translation>ja:Service Start/Stop</translation></message>
    <message id="3006"><source>caption</source><translation>ja:Run Tester</translation></message>
    <message id="3009"><source>caption</source><translation>ja:Controller Name</translation></message>
    <message id="3011"><source>caption</source><translation>ja:Controller Name (tip)</translation></message>
    <message id="3015"><source>caption</source><translation>ja:Controller Count</translation></message>
    <message id="3017"><source>caption</source><translation>ja:Engine</translation></message>
    <message id="3018"><source>caption</source><translation>ja:Controller</translation></message>
    <message id="3019"><source>caption</source><translation>ja:Item</translation></message>
    <message id="3021"><source>caption</source><translation>ja:ON - variable | OFF - cache</translation></message>
    <message id="3022"><source>caption</source><translation>ja:Details...</translation></message>
    <message id="3052"><source>caption</source><translation>ja:UPnP</translation></message>
    <message id="3053"><source>caption</source><translation>ja:Nimbal Device</translation></message>
    <message id="3060"><source>caption</source><translation>ja:Unlimited</translation></message>
    <message id="3063"><source>caption</source><translation>ja:Location</translation></message>
    <message id="3066"><source>caption</source><translation>ja:Robot Controller</translation></message>
    <message id="4000"><source>caption</source><translation>ja:Settings</translation></message>
    <message id="16000"><source>caption</source><translation>ja:Locales</translation></message>
    <message id="16001"><source>caption</source><translation>ja:Cancel</translation></message>
    <message id="16002"><source>caption</source><translation>ja:OK</translation></message>
    <message id="16003"><source>caption</source><translation>ja:Language</translation></message>
    <message id="16004"><source>caption</source><translation>ja:Decimal</translation></message>
    <message id="16005"><source>caption</source><translation>ja:Hex</translation></message>
    <message id="16006"><source>caption</source><translation>ja:User Default</translation></message>
</context>
</TS>
