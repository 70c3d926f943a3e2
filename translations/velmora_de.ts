<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/mainwindow.ui" line="+20"/>
        <source>Velmora Firmware Update Tool V1.1</source>
        <comment>Just in case you don&apos;t know what an updater is</comment>
        <translation>Velmora Firmware-Aktualisierung V1.1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select Serial Port:</source>
        <translation>Anschluss wählen:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Update status</source>
        <translation>Stand der Aktualisierung</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Update firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Update Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Serial port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Firmware file</source>
        <translation>Firmware-Datei</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/ui/mainwindow.cpp" line="+50"/>
        <source>No files found in local directory</source>
        <translation>Keine Dateien im Programmordner gefunden</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/ui/mainwindow.cpp" line="+1"/>
        <source>Load File....</source>
        <translation>Datei laden...</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Select Firmware:</source>
        <translation>Firmware wählen:</translation>
    </message>
    <message>
        <location filename="../src/ui/mainwindow.cpp" line="+2"/>
        <source>Open Firmware File...</source>
        <translation>Firmware-Datei öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware Files (*.hex)</source>
        <translation>Firmware-Dateien (*.hex)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No flash file specified yet!</source>
        <translation>Es ist noch keine Firmware-Datei ausgewählt!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy &amp;Details</source>
        <translation>&amp;Details kopieren</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No update yet</source>
        <translation>Noch keine Aktualisierung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update running</source>
        <translation>Aktualisierung läuft</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update complete</source>
        <translation>Aktualisierung abgeschlossen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update failed</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+282"/>
        <source>%1. %2</source>
        <extracomment>What a screen reader says: how the update stands (%1), then what the user is to do or what went wrong (%2).</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The firmware is still being written to the device. Closing now stops the update and can leave the device without working firmware until it is updated again.</source>
        <translation>Die Firmware wird gerade auf das Gerät geschrieben. Wenn Sie das Programm jetzt schließen, wird die Aktualisierung abgebrochen, und das Gerät kann ohne funktionierende Firmware bleiben, bis es erneut aktualisiert wird.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The firmware is still being written to the device. Choosing another port now stops the update and can leave the device without working firmware until it is updated again.</source>
        <translation>Die Firmware wird gerade auf das Gerät geschrieben. Wenn Sie jetzt einen anderen Anschluss wählen, wird die Aktualisierung abgebrochen, und das Gerät kann ohne funktionierende Firmware bleiben, bis es erneut aktualisiert wird.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keep Updating</source>
        <translation>Aktualisierung fortsetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop and Close</source>
        <translation>Abbrechen und schließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop and Change Port</source>
        <translation>Abbrechen und Anschluss wechseln</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Writing firmware to the device: do not turn off</source>
        <translation>Firmware wird auf das Gerät geschrieben: bitte nicht ausschalten</translation>
    </message>
</context>
<context>
    <name>bootloader</name>
    <message>
        <location filename="../src/uploader/bootloader_output.cpp" line="+139"/>
        <source>An update is already running!</source>
        <translation>Es läuft bereits eine Aktualisierung!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update stopped: the serial port was changed. Press Update to try again.</source>
        <translation>Aktualisierung abgebrochen: Der Anschluss wurde gewechselt. Klicken Sie auf „Firmware aktualisieren“, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The upload tool stopped before the update was complete (exit code %1). Please try again.</source>
        <extracomment>%1 is the number the upload tool ended with.</extracomment>
        <translation>Das Übertragungsprogramm wurde beendet, bevor die Aktualisierung abgeschlossen war (Exit-Code %1). Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The upload tool has not stopped after %1 seconds. Please check the cable and press Update to try again.</source>
        <translation>Das Übertragungsprogramm hat sich nach %1 Sekunden noch nicht beendet. Bitte prüfen Sie das Kabel und klicken Sie auf „Firmware aktualisieren“, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>Error occured: </source>
        <extracomment>Shown on a line of its own, above the kind of error (&quot;Crashed!&quot;).</extracomment>
        <translation>Fehler aufgetreten: </translation>
    </message>
    <message>
        <location filename="../src/uploader/bootloader.cpp" line="+234"/>
        <source>Updating the firmware of a device</source>
        <translation>Die Firmware eines Geräts wird aktualisiert</translation>
    </message>
</context>
<context>
    <name>firmware_check</name>
    <message>
        <location filename="../src/uploader/firmware_check.cpp" line="+16"/>
        <source>The file could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is too large to be a firmware (.hex) file.</source>
        <translation>Die Datei ist zu groß für eine Firmware-Datei (.hex).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not a text file, so it cannot be a firmware (.hex) file.</source>
        <translation>Die Datei ist keine Textdatei und kann daher keine Firmware-Datei (.hex) sein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line %1: the line does not start with a colon (:).</source>
        <translation>Zeile %1: Die Zeile beginnt nicht mit einem Doppelpunkt (:).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: the line holds a character other than the digits 0 to 9 and the letters A to F.</source>
        <translation>Zeile %1: Die Zeile enthält ein anderes Zeichen als die Ziffern 0 bis 9 und die Buchstaben A bis F.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Line %1: the line has an odd number of digits.</source>
        <translation>Zeile %1: Die Zeile hat eine ungerade Anzahl von Ziffern.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: the line&apos;s length does not match the byte count at its start.</source>
        <translation>Zeile %1: Die Länge der Zeile passt nicht zur Byteanzahl an ihrem Anfang.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line %1: the checksum does not match.</source>
        <translation>Zeile %1: Die Prüfsumme stimmt nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line %1: the record type %2 is unknown.</source>
        <translation>Zeile %1: Der Datensatztyp %2 ist unbekannt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line %1: the record of type %2 has the wrong length.</source>
        <translation>Zeile %1: Der Datensatz vom Typ %2 hat die falsche Länge.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line %1: the file goes on after its end record.</source>
        <translation>Zeile %1: Die Datei geht nach ihrem Schlussdatensatz weiter.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: the file ends in the middle of this line. It may not have downloaded completely.</source>
        <translation>Zeile %1: Die Datei endet mitten in dieser Zeile. Möglicherweise wurde sie nicht vollständig heruntergeladen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file ends after line %1 without its end record. It may not have downloaded completely.</source>
        <translation>Die Datei endet nach Zeile %1 ohne ihren Schlussdatensatz. Möglicherweise wurde sie nicht vollständig heruntergeladen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file holds no firmware data.</source>
        <translation>Die Datei enthält keine Firmware-Daten.</translation>
    </message>
</context>
<context>
    <name>message_catalogue</name>
    <message>
        <location filename="../src/uploader/message_catalogue.cpp" line="+14"/>
        <source>Unable to create &quot;serial_communication_record.txt&quot;, future debugging may be impaired.</source>
        <translation>Die Datei „serial_communication_record.txt“ konnte nicht angelegt werden. Eine spätere Fehlersuche kann dadurch erschwert sein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Input Firmware file name contains illegal characters. Please rename and load again.</source>
        <translation>Der Name der Firmware-Datei enthält unzulässige Zeichen. Bitte benennen Sie die Datei um und laden Sie sie erneut.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Program requires an update to program this device, please download the latest software from %1!</source>
        <extracomment>%1 is the maker&apos;s web address.</extracomment>
        <translation>Für dieses Gerät wird eine neuere Version dieses Programms benötigt. Bitte laden Sie die neueste Software von %1 herunter!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This serial port is unusable. Please check that the serial port isn&apos;t being used by another program, and is installed correctly.</source>
        <translation>Dieser Anschluss ist nicht verwendbar. Bitte prüfen Sie, ob er von einem anderen Programm belegt ist und ob er richtig installiert ist.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to find the device within a time limit of 30 seconds! Please check connections and try again!</source>
        <translation>Das Gerät wurde innerhalb von 30 Sekunden nicht gefunden! Bitte prüfen Sie die Verbindungen und versuchen Sie es erneut!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not find device library file &quot;device.txt&quot; in the local directory. Please replace this file or reinstall the program.</source>
        <translation>Die Gerätebibliothek „device.txt“ wurde im Programmordner nicht gefunden. Bitte ersetzen Sie die Datei oder installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Command line tool incompatible with this helper program. Please reinstall the latest upload program and try again!</source>
        <translation>Das Übertragungsprogramm passt nicht zu diesem Programm. Bitte installieren Sie die neueste Version des Übertragungsprogramms und versuchen Sie es erneut!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please select a serial port to use!</source>
        <translation>Bitte wählen Sie einen Anschluss aus!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to write to the hard drive... Please check your computer and try again.</source>
        <translation>Auf die Festplatte kann nicht geschrieben werden. Bitte prüfen Sie Ihren Computer und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Unable to use this firmware file. Please ensure the file loaded is a valid firmware file for your device, and is not corrupt!</source>
        <translation>Diese Firmware-Datei kann nicht verwendet werden. Bitte stellen Sie sicher, dass die geladene Datei eine gültige und unbeschädigte Firmware-Datei für Ihr Gerät ist!</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>This file specifies more data than the current device can hold. The firmware may not behave as expected.</source>
        <translation>Diese Datei enthält mehr Daten, als das Gerät aufnehmen kann. Die Firmware funktioniert möglicherweise nicht wie erwartet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Communication error! Please ensure all cables are secure and in good repair!</source>
        <translation>Kommunikationsfehler! Bitte prüfen Sie, ob alle Kabel fest sitzen und unbeschädigt sind!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>File could not be uploaded to device. Please ensure the firmware file is not corrupt and is a valid firmware file from %1!</source>
        <extracomment>%1 is the maker&apos;s web address.</extracomment>
        <translation>Die Datei konnte nicht auf das Gerät übertragen werden. Bitte stellen Sie sicher, dass die Firmware-Datei unbeschädigt ist und eine gültige Firmware-Datei von %1 ist!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error with device configuration. Please check that device.txt is not corrupt, and reinstall the tool if necessary.</source>
        <translation>Fehler in der Gerätekonfiguration. Bitte prüfen Sie, ob die Datei device.txt beschädigt ist, und installieren Sie das Übertragungsprogramm gegebenenfalls neu.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Failed to start!</source>
        <translation>Konnte nicht gestartet werden!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crashed!</source>
        <translation>Abgestürzt!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Timed out!</source>
        <translation>Zeitüberschreitung!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error!</source>
        <translation>Lesefehler!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write error!</source>
        <translation>Schreibfehler!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown error!</source>
        <translation>Unbekannter Fehler!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown!</source>
        <translation>Unbekannt!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The upload tool %1 in %2 is there but could not be started (%3). Please reinstall the upload program and try again.</source>
        <extracomment>%1 is the tool&apos;s file name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>Das Übertragungsprogramm %1 ist im Ordner %2 vorhanden, konnte aber nicht gestartet werden (%3). Bitte installieren Sie das Übertragungsprogramm neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The upload tool %1 was not found in the folder %2. Put this program in the folder of %1 and start it from there.</source>
        <extracomment>%1 is the tool&apos;s file name, %2 the folder where it was looked for.</extracomment>
        <translation>Das Übertragungsprogramm %1 wurde im Ordner %2 nicht gefunden. Legen Sie dieses Programm in den Ordner von %1 und starten Sie es von dort.</translation>
    </message>
</context>
<context>
    <name>output_interpreter</name>
    <message>
        <location filename="../src/uploader/output_interpreter.cpp" line="+25"/>
        <source>Upload Progress%1</source>
        <extracomment>%1 is the figure as the upload tool writes it, blanks included (&quot; 42%&quot;); keep it right after the words, with no blank of its own.</extracomment>
        <translation>Übertragung%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Verify Progress%1</source>
        <extracomment>%1 is the figure as the upload tool writes it, blanks included (&quot; 42%&quot;); keep it right after the words, with no blank of its own.</extracomment>
        <translation>Überprüfung%1</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Upload Complete!</source>
        <translation>Übertragung abgeschlossen!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Upload complete, now verifying...</source>
        <translation>Übertragung abgeschlossen, jetzt wird überprüft...</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Please cycle power to the device%1</source>
        <extracomment>%1 is the upload tool&apos;s dots as it writes them while it waits (&quot;....&quot;, &quot;. &quot;); keep it right after the words, with no blank of its own.</extracomment>
        <translation>Bitte schalten Sie das Gerät aus und wieder ein%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 detected with bootloader version %2</source>
        <extracomment>%1 is the device&apos;s name, %2 the version of its bootloader, as the tool names them.</extracomment>
        <translation>%1 erkannt, Bootloader-Version %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Now flashing with %1</source>
        <extracomment>%1 is the firmware file&apos;s path.</extracomment>
        <translation>Firmware wird geschrieben: %1</translation>
    </message>
</context>
</TS>
