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
</context>
<context>
    <name>TsuiScrollBar</name>
    <message>
        <location filename="../skin/scrolling/suiscrollbar.cpp" line="173"/>
        <source>Line up</source>
        <translation>Zeile nach oben</translation>
    </message>
    <message>
        <location filename="../skin/scrolling/suiscrollbar.cpp" line="173"/>
        <source>Line left</source>
        <translation>Zeile nach links</translation>
    </message>
    <message>
        <location filename="../skin/scrolling/suiscrollbar.cpp" line="174"/>
        <source>Line down</source>
        <translation>Zeile nach unten</translation>
    </message>
    <message>
        <location filename="../skin/scrolling/suiscrollbar.cpp" line="174"/>
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
        <location filename="../skin/frame/suititlebarbutton.cpp" line="187"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="188"/>
        <source>Maximise</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="191"/>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="193"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="195"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="197"/>
        <source>Window menu</source>
        <translation>Fenstermenü</translation>
    </message>
    <message>
        <location filename="../skin/frame/suititlebarbutton.cpp" line="201"/>
        <source>Button %1</source>
        <translation>Schaltfläche %1</translation>
    </message>
</context>
</TS>
