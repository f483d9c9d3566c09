<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TsuiCustomColorBox</name>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="16"/>
        <source>Custom...</source>
        <translation>Benutzerdefiniert...</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="22"/>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="23"/>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="24"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="25"/>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="26"/>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="27"/>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="28"/>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="29"/>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="30"/>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="31"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="32"/>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="33"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="34"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="35"/>
        <source>Fuchsia</source>
        <translation>Fuchsie</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="36"/>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="37"/>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="38"/>
        <source>Scroll Bar</source>
        <translation>Bildlaufleiste</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="39"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="40"/>
        <source>Active Caption</source>
        <translation>Aktive Titelleiste</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="41"/>
        <source>Inactive Caption</source>
        <translation>Inaktive Titelleiste</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="42"/>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="43"/>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="44"/>
        <source>Window Frame</source>
        <translation>Fensterrahmen</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="45"/>
        <source>Menu Text</source>
        <translation>Menütext</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="46"/>
        <source>Window Text</source>
        <translation>Fenstertext</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="47"/>
        <source>Caption Text</source>
        <translation>Titelleistentext</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="48"/>
        <source>Active Border</source>
        <translation>Aktiver Rahmen</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="49"/>
        <source>Inactive Border</source>
        <translation>Inaktiver Rahmen</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="50"/>
        <source>App Work Space</source>
        <translation>Anwendungsarbeitsbereich</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="51"/>
        <source>Highlight</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="52"/>
        <source>Highlight Text</source>
        <translation>Markierter Text</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="53"/>
        <source>Btn Face</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="54"/>
        <source>Btn Shadow</source>
        <translation>Schaltflächenschatten</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="55"/>
        <source>Gray Text</source>
        <translation>Grauer Text</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="56"/>
        <source>Btn Text</source>
        <translation>Schaltflächentext</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="57"/>
        <source>Inactive Caption Text</source>
        <translation>Text inaktiver Titelleiste</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="58"/>
        <source>Btn Highlight</source>
        <translation>Schaltflächenlicht</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="59"/>
        <source>3 D Dk Shadow</source>
        <translation>3D-Dunkelschatten</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="60"/>
        <source>3 D Light</source>
        <translation>3D-Licht</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="61"/>
        <source>Info Text</source>
        <translation>Infotext</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="62"/>
        <source>Info Bk</source>
        <translation>Infohintergrund</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="63"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../skin/controls/suicolorbox.cpp" line="64"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>TsuiForm</name>
    <message>
        <location filename="../skin/frame/suiform.cpp" line="24"/>
        <source>Sorry, you can&apos;t select the Form assign to FormPanel property</source>
        <translation>Das Formular selbst kann nicht der Eigenschaft FormPanel zugewiesen werden</translation>
    </message>
    <message>
        <location filename="../skin/frame/suiform.cpp" line="349"/>
        <source>Strongly recommend you to use &quot;TsuiMainMenu&quot; instead of &quot;TMainMenu&quot;.<byte value="xd"/>
<byte value="xd"/>
If you still want to use TMainForm, <byte value="xd"/>
<byte value="xd"/>
set %1&apos;s MENU property to NIL please.<byte value="xd"/>
<byte value="xd"/>
And set %2&apos;s MENU property to this Menu when you finished designing the menu.</source>
        <translation>Es wird dringend empfohlen, &quot;TsuiMainMenu&quot; statt &quot;TMainMenu&quot; zu verwenden.<byte value="xd"/>
<byte value="xd"/>
Wenn Sie dennoch TMainForm verwenden möchten, <byte value="xd"/>
<byte value="xd"/>
setzen Sie bitte die Eigenschaft MENU von %1 auf NIL.<byte value="xd"/>
<byte value="xd"/>
Und setzen Sie die Eigenschaft MENU von %2 auf dieses Menü, wenn Sie den Entwurf des Menüs abgeschlossen haben.</translation>
    </message>
</context>
<context>
    <name>TsuiScrollBar</name>
    <message>
        <location filename="../skin/scrolling/suiscrollbar.cpp" line="174"/>
        <source>Line up</source>
        <translation>Zeile nach oben</translation>
    </message>
    <message>
        <location filename="../skin/scrolling/suiscrollbar.cpp" line="174"/>
        <source>Line left</source>
        <translation>Zeile nach links</translation>
    </message>
    <message>
        <location filename="../skin/scrolling/suiscrollbar.cpp" line="175"/>
        <source>Line down</source>
        <translation>Zeile nach unten</translation>
    </message>
    <message>
        <location filename="../skin/scrolling/suiscrollbar.cpp" line="175"/>
        <source>Line right</source>
        <translation>Zeile nach rechts</translation>
    </message>
</context>
<context>
    <name>TsuiSideChannel</name>
    <message>
        <location filename="../skin/scrolling/suisidechannel.cpp" line="53"/>
        <source>Keep open</source>
        <translation>Offen halten</translation>
    </message>
</context>
<context>
    <name>TsuiTitleBarButton</name>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="190"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="191"/>
        <source>Maximise</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="194"/>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="196"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="198"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="200"/>
        <source>Window menu</source>
        <translation>Fenstermenü</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="204"/>
        <source>Button %1</source>
        <translation>Schaltfläche %1</translation>
    </message>
</context>
</TS>
