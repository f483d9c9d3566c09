<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Download</name>
    <message>
        <location filename="../app/core/download.h" line="26"/>
        <source>8051 download mode</source>
        <translation>8051-Download-Modus</translation>
    </message>
    <message>
        <location filename="../app/core/download.h" line="27"/>
        <source>Boot code to SRAM...</source>
        <translation>Boot-Code ins SRAM...</translation>
    </message>
    <message>
        <location filename="../app/core/download.h" line="28"/>
        <source>wait...</source>
        <translation>warten...</translation>
    </message>
    <message>
        <location filename="../app/core/download.h" line="29"/>
        <source>boot code running...</source>
        <translation>Boot-Code läuft...</translation>
    </message>
    <message>
        <location filename="../app/core/download.h" line="30"/>
        <source>Firmware updating...</source>
        <translation>Firmware wird aktualisiert...</translation>
    </message>
    <message>
        <location filename="../app/core/download.h" line="31"/>
        <source>Firmware update ok!</source>
        <translation>Firmware-Aktualisierung erfolgreich!</translation>
    </message>
    <message>
        <location filename="../app/core/download.h" line="34"/>
        <source>Firmware file is not loaded!
</source>
        <translation>Keine Firmware-Datei geladen!
</translation>
    </message>
    <message>
        <location filename="../app/core/download.h" line="35"/>
        <source>Device not found!</source>
        <translation>Gerät nicht gefunden!</translation>
    </message>
    <message>
        <location filename="../app/core/download.h" line="36"/>
        <source>IP Camera</source>
        <translation>IP-Kamera</translation>
    </message>
    <message>
        <location filename="../app/core/download.h" line="37"/>
        <source>Fail to update firmware!!
</source>
        <translation>Firmware-Aktualisierung fehlgeschlagen!!
</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../app/core/startup.cpp" line="22"/>
        <source>Fail to load boot file:
%1

ISP utility can not run!</source>
        <translation>Boot-Datei kann nicht geladen werden:
%1

Das ISP-Programm kann nicht laufen!</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <location filename="../app/form1.cpp" line="55"/>
        <source>Update progress</source>
        <translation>Fortschritt der Aktualisierung</translation>
    </message>
    <message>
        <location filename="../app/form1.cpp" line="56"/>
        <source>Update status</source>
        <translation>Status der Aktualisierung</translation>
    </message>
    <message>
        <location filename="../app/form1.cpp" line="56"/>
        <source>Firmware file status</source>
        <translation>Status der Firmware-Datei</translation>
    </message>
    <message>
        <location filename="../app/form1.cpp" line="56"/>
        <source>Boot code status</source>
        <translation>Status des Boot-Codes</translation>
    </message>
    <message>
        <location filename="../app/form1.cpp" line="61"/>
        <source>Firmware File (*.bin)|*.bin</source>
        <translation>Firmware-Datei (*.bin)|*.bin</translation>
    </message>
    <message>
        <location filename="../app/form1.cpp" line="87"/>
        <source>Boot code file ok</source>
        <translation>Boot-Code-Datei in Ordnung</translation>
    </message>
    <message>
        <location filename="../app/form1.cpp" line="119"/>
        <source>Firmware file ok</source>
        <translation>Firmware-Datei in Ordnung</translation>
    </message>
    <message>
        <location filename="../app/form1.cpp" line="122"/>
        <source>Fail to load firmware file.
</source>
        <translation>Firmware-Datei kann nicht geladen werden.
</translation>
    </message>
    <message>
        <location filename="../build/app/form1_layout_texts.cpp" line="2"/>
        <location filename="../build/app/form1_layout_texts.cpp" line="3"/>
        <source>IP Camera ISP Utility</source>
        <translation>IP-Kamera-ISP-Programm</translation>
    </message>
    <message>
        <location filename="../build/app/form1_layout_texts.cpp" line="4"/>
        <source>Firmware File Name:</source>
        <translation>Firmware-Datei:</translation>
    </message>
    <message>
        <location filename="../build/app/form1_layout_texts.cpp" line="5"/>
        <source>Update Firmware</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../build/app/form1_layout_texts.cpp" line="6"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../build/app/form1_layout_texts.cpp" line="7"/>
        <source>Select a firmware file to update.</source>
        <translation>Firmware-Datei für die Aktualisierung auswählen.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="18"/>
        <source>Writes new firmware into a USB-attached IP camera.</source>
        <translation>Schreibt neue Firmware in eine per USB angeschlossene IP-Kamera.</translation>
    </message>
</context>
</TS>
