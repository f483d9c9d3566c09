<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Flasher</name>
    <message>
        <location filename="../flash/flasher.cpp" line="26"/>
        <source>Usage: ispflash [options] FIRMWARE
Writes FIRMWARE into the camera: the boot code first (named by boot_file in
section [system] of ispupdate.ini beside this program, the window&apos;s INI), then
the firmware in acknowledged 128-byte blocks.

  --boot FILE   send FILE as the boot code instead of the one the INI names
  --check       check the INI, the boot code, the firmware and that a camera is
                present and free, without writing to the camera
  --station     flash camera after camera until Ctrl-C: wait for a camera to be
                attached, update it, wait for it to be removed; a tally after
                each camera and a summary at the end
  --log FILE    append one JSON line per camera to FILE (time, host, firmware,
                its size and SHA-256, the boot code&apos;s SHA-256, result, exit
                code, blocks acknowledged, duration)
  -q, --quiet   print only errors
  --json        one JSON object per stage on standard output, then the result
  -h, --help    show this help
  --version     show the version

Exit status:
  0    the firmware was written (--check: everything is ready)
  1    an unexpected internal error
  2    bad command line, or the log cannot be opened
  3    the boot code cannot be loaded
  4    the firmware file cannot be loaded or is empty
  5    no camera found, or it is in use by another program
  6    a block was not acknowledged
  7    the camera stopped answering (the message says where)
  8    the firmware was written, but the camera did not confirm the end
  129  hung up (SIGHUP)
  130  interrupted (Ctrl-C or SIGTERM)
  131  quit (SIGQUIT)
       after 129 to 131 the exchange was ended cleanly, and the camera holds
       an incomplete image
With --station, the status of the last camera that failed (0 if none did),
or 129 to 131 when a signal interrupted an update.
A closed standard output does not stop an update.
</source>
        <translation>Aufruf: ispflash [Optionen] FIRMWARE
Schreibt FIRMWARE in die Kamera: zuerst den Boot-Code (benannt durch boot_file im
Abschnitt [system] der ispupdate.ini neben diesem Programm, der INI des Fensters),
dann die Firmware in bestätigten Blöcken zu 128 Byte.

  --boot DATEI  DATEI als Boot-Code senden statt des in der INI genannten
  --check       INI, Boot-Code, Firmware prüfen und ob eine Kamera angeschlossen
                und frei ist, ohne in die Kamera zu schreiben
  --station     Kamera um Kamera flashen bis Strg+C: auf eine Kamera warten,
                sie aktualisieren, warten, bis sie entfernt ist; nach jeder
                Kamera ein Zwischenstand, am Ende eine Zusammenfassung
  --log DATEI   eine JSON-Zeile je Kamera an DATEI anhängen (Zeit, Rechner,
                Firmware, ihre Größe und SHA-256, SHA-256 des Boot-Codes,
                Ergebnis, Exit-Status, bestätigte Blöcke, Dauer)
  -q, --quiet   nur Fehler ausgeben
  --json        ein JSON-Objekt je Phase auf der Standardausgabe, dann das Ergebnis
  -h, --help    diese Hilfe anzeigen
  --version     die Version anzeigen

Exit-Status:
  0    die Firmware wurde geschrieben (--check: alles ist bereit)
  1    ein unerwarteter interner Fehler
  2    fehlerhafte Befehlszeile, oder das Protokoll lässt sich nicht öffnen
  3    der Boot-Code lässt sich nicht laden
  4    die Firmware-Datei lässt sich nicht laden oder ist leer
  5    keine Kamera gefunden, oder sie wird von einem anderen Programm benutzt
  6    ein Block wurde nicht bestätigt
  7    die Kamera antwortet nicht mehr (die Meldung sagt, wo)
  8    die Firmware wurde geschrieben, aber die Kamera hat das Ende nicht bestätigt
  129  aufgelegt (SIGHUP)
  130  unterbrochen (Strg+C oder SIGTERM)
  131  beendet (SIGQUIT)
       nach 129 bis 131 wurde der Austausch sauber beendet, und die Kamera
       enthält ein unvollständiges Abbild
Mit --station der Status der letzten fehlgeschlagenen Kamera (0, wenn keine
fehlschlug), oder 129 bis 131, wenn ein Signal eine Aktualisierung unterbrach.
Eine geschlossene Standardausgabe hält eine Aktualisierung nicht an.
</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="131"/>
        <source>--check and --station exclude each other</source>
        <translation>--check und --station schließen einander aus</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="136"/>
        <source>one firmware file only</source>
        <translation>nur eine Firmware-Datei</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="139"/>
        <source>no firmware file given</source>
        <translation>keine Firmware-Datei angegeben</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="152"/>
        <source>at block %1/%2</source>
        <translation>bei Block %1/%2</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="157"/>
        <location filename="../flash/flasher.cpp" line="168"/>
        <source>during the boot code</source>
        <translation>während des Boot-Codes</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="166"/>
        <source>while entering download mode</source>
        <translation>beim Wechsel in den Download-Modus</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="170"/>
        <source>while starting the boot code</source>
        <translation>beim Starten des Boot-Codes</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="174"/>
        <source>during the final writes</source>
        <translation>während der abschließenden Schreibvorgänge</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="208"/>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="209"/>
        <source>end not confirmed</source>
        <translation>Ende nicht bestätigt</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="210"/>
        <source>device lost</source>
        <translation>Gerät verloren</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="211"/>
        <source>firmware not loaded</source>
        <translation>Firmware nicht geladen</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="212"/>
        <source>firmware empty</source>
        <translation>Firmware leer</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="213"/>
        <source>boot code not loaded</source>
        <translation>Boot-Code nicht geladen</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="214"/>
        <source>device not found</source>
        <translation>Gerät nicht gefunden</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="215"/>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="216"/>
        <source>block not acknowledged</source>
        <translation>Block nicht bestätigt</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="223"/>
        <source>the camera stopped answering %1</source>
        <translation>die Kamera antwortet nicht mehr %1</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="231"/>
        <source>firmware written, but the camera did not confirm the end</source>
        <translation>Firmware geschrieben, aber die Kamera hat das Ende nicht bestätigt</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="239"/>
        <source>
the camera is missing or in use by another program</source>
        <translation>
die Kamera fehlt oder wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="243"/>
        <source>interrupted %1: the camera holds an incomplete image</source>
        <translation>unterbrochen %1: die Kamera enthält ein unvollständiges Abbild</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="250"/>
        <source>block %1/%2 was not acknowledged</source>
        <translation>Block %1/%2 wurde nicht bestätigt</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="299"/>
        <source>ispflash: cannot open the log %1: %2
</source>
        <translation>ispflash: das Protokoll %1 lässt sich nicht öffnen: %2
</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="325"/>
        <source>Fail to load firmware file.
%1</source>
        <translation>Firmware-Datei lässt sich nicht laden.
%1</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="331"/>
        <source>firmware file is empty
%1</source>
        <translation>die Firmware-Datei ist leer
%1</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="356"/>
        <source>ready: %1 (%2 bytes, %3 blocks), boot code %4 (%5 bytes), camera present and free
</source>
        <translation>bereit: %1 (%2 Byte, %3 Blöcke), Boot-Code %4 (%5 Byte), Kamera angeschlossen und frei
</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="371"/>
        <source>waiting for a camera...</source>
        <translation>warte auf eine Kamera...</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="383"/>
        <source>remove the camera...</source>
        <translation>Kamera entfernen...</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="389"/>
        <source>%1 cameras: %2 ok, %3 failed
</source>
        <translation>%1 Kameras: %2 ok, %3 fehlgeschlagen
</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="422"/>
        <source>camera %1: %2 (%3 ok, %4 failed)
</source>
        <translation>Kamera %1: %2 (%3 ok, %4 fehlgeschlagen)
</translation>
    </message>
    <message>
        <location filename="../flash/flasher.cpp" line="454"/>
        <source>ispflash: could not write to the log %1
</source>
        <translation>ispflash: in das Protokoll %1 ließ sich nicht schreiben
</translation>
    </message>
    <message>
        <location filename="../flash/progress.cpp" line="137"/>
        <source>%1 %2 left</source>
        <translation>%1, noch %2</translation>
    </message>
</context>
</TS>
