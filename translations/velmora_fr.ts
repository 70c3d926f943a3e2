<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/mainwindow.ui" line="+20"/>
        <source>Velmora Firmware Update Tool V1.1</source>
        <comment>Just in case you don&apos;t know what an updater is</comment>
        <translation>Outil de mise à jour du micrologiciel Velmora V1.1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select Serial Port:</source>
        <translation>Port série :</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Update status</source>
        <translation>État de la mise à jour</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Update firmware</source>
        <translation>Mettre à jour le micrologiciel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Update Firmware</source>
        <translation>Mettre à jour le micrologiciel</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Serial port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Firmware file</source>
        <translation>Fichier du micrologiciel</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/ui/mainwindow.cpp" line="+41"/>
        <source>No files found in local directory</source>
        <translation>Aucun fichier trouvé dans le dossier du programme</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/ui/mainwindow.cpp" line="+1"/>
        <source>Load File....</source>
        <translation>Charger un fichier...</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Select Firmware:</source>
        <translation>Micrologiciel :</translation>
    </message>
    <message>
        <location filename="../src/ui/mainwindow.cpp" line="+2"/>
        <source>Open Firmware File...</source>
        <translation>Ouvrir un fichier de micrologiciel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware Files (*.hex)</source>
        <translation>Fichiers de micrologiciel (*.hex)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No flash file specified yet!</source>
        <translation>Aucun fichier de micrologiciel n&apos;a encore été choisi !</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy &amp;Details</source>
        <translation>Copier les &amp;détails</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No update yet</source>
        <translation>Aucune mise à jour pour l&apos;instant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update running</source>
        <translation>Mise à jour en cours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update complete</source>
        <translation>Mise à jour terminée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update failed</source>
        <translation>Échec de la mise à jour</translation>
    </message>
    <message>
        <location line="+264"/>
        <source>%1. %2</source>
        <extracomment>What a screen reader says: how the update stands (%1), then what the user is to do or what went wrong (%2).</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>bootloader</name>
    <message>
        <location filename="../src/uploader/bootloader_output.cpp" line="+139"/>
        <source>An update is already running!</source>
        <translation>Une mise à jour est déjà en cours !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update stopped: the serial port was changed. Press Update to try again.</source>
        <translation>Mise à jour interrompue : le port série a été changé. Cliquez sur « Mettre à jour le micrologiciel » pour réessayer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The upload tool stopped before the update was complete (exit code %1). Please try again.</source>
        <extracomment>%1 is the number the upload tool ended with.</extracomment>
        <translation>L&apos;outil de transfert s&apos;est arrêté avant la fin de la mise à jour (code de sortie %1). Veuillez réessayer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The upload tool has not stopped after %1 seconds. Please check the cable and press Update to try again.</source>
        <translation>L&apos;outil de transfert ne s&apos;est toujours pas arrêté au bout de %1 secondes. Veuillez vérifier le câble, puis cliquer sur « Mettre à jour le micrologiciel » pour réessayer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+4"/>
        <source>Error occured: </source>
        <extracomment>Shown on a line of its own, above the kind of error (&quot;Crashed!&quot;).</extracomment>
        <translation>Une erreur s&apos;est produite : </translation>
    </message>
</context>
<context>
    <name>message_catalogue</name>
    <message>
        <location filename="../src/uploader/message_catalogue.cpp" line="+14"/>
        <source>Unable to create &quot;serial_communication_record.txt&quot;, future debugging may be impaired.</source>
        <translation>Impossible de créer le fichier « serial_communication_record.txt » ; un diagnostic ultérieur pourrait en être compliqué.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Input Firmware file name contains illegal characters. Please rename and load again.</source>
        <translation>Le nom du fichier de micrologiciel contient des caractères non autorisés. Veuillez le renommer et le charger à nouveau.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Program requires an update to program this device, please download the latest software from %1!</source>
        <extracomment>%1 is the maker&apos;s web address.</extracomment>
        <translation>Ce programme doit être mis à jour pour programmer cet appareil. Veuillez télécharger la dernière version du logiciel sur %1 !</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This serial port is unusable. Please check that the serial port isn&apos;t being used by another program, and is installed correctly.</source>
        <translation>Ce port série est inutilisable. Veuillez vérifier qu&apos;il n&apos;est pas utilisé par un autre programme et qu&apos;il est correctement installé.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to find the device within a time limit of 30 seconds! Please check connections and try again!</source>
        <translation>Appareil introuvable dans le délai de 30 secondes ! Veuillez vérifier les branchements et réessayer !</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not find device library file &quot;device.txt&quot; in the local directory. Please replace this file or reinstall the program.</source>
        <translation>Le fichier de bibliothèque des appareils « device.txt » est introuvable dans le dossier du programme. Veuillez remplacer ce fichier ou réinstaller le programme.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Command line tool incompatible with this helper program. Please reinstall the latest upload program and try again!</source>
        <translation>L&apos;outil de transfert n&apos;est pas compatible avec ce programme. Veuillez réinstaller la dernière version de l&apos;outil de transfert et réessayer !</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please select a serial port to use!</source>
        <translation>Veuillez choisir un port série !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to write to the hard drive... Please check your computer and try again.</source>
        <translation>Impossible d&apos;écrire sur le disque dur. Veuillez vérifier votre ordinateur et réessayer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unable to use this firmware file. Please ensure the file loaded is a valid firmware file for your device, and is not corrupt!</source>
        <translation>Impossible d&apos;utiliser ce fichier de micrologiciel. Veuillez vous assurer que le fichier chargé est un fichier de micrologiciel valide pour votre appareil et qu&apos;il n&apos;est pas endommagé !</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This file specifies more data than the current device can hold. The firmware may not behave as expected.</source>
        <translation>Ce fichier contient plus de données que l&apos;appareil ne peut en recevoir. Le micrologiciel risque de ne pas fonctionner comme prévu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Communication error! Please ensure all cables are secure and in good repair!</source>
        <translation>Erreur de communication ! Veuillez vérifier que tous les câbles sont bien branchés et en bon état !</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>File could not be uploaded to device. Please ensure the firmware file is not corrupt and is a valid firmware file from %1!</source>
        <extracomment>%1 is the maker&apos;s web address.</extracomment>
        <translation>Le fichier n&apos;a pas pu être transféré vers l&apos;appareil. Veuillez vous assurer que le fichier de micrologiciel n&apos;est pas endommagé et qu&apos;il s&apos;agit bien d&apos;un fichier valide provenant de %1 !</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error with device configuration. Please check that device.txt is not corrupt, and reinstall the tool if necessary.</source>
        <translation>Erreur dans la configuration de l&apos;appareil. Veuillez vérifier que le fichier device.txt n&apos;est pas endommagé et, si nécessaire, réinstaller l&apos;outil de transfert.</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Failed to start!</source>
        <translation>Impossible de démarrer !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crashed!</source>
        <translation>Arrêt inattendu !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Timed out!</source>
        <translation>Délai dépassé !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error!</source>
        <translation>Erreur de lecture !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write error!</source>
        <translation>Erreur d&apos;écriture !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown error!</source>
        <translation>Erreur inconnue !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown!</source>
        <translation>Inconnu !</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The upload tool %1 in %2 is there but could not be started (%3). Please reinstall the upload program and try again.</source>
        <extracomment>%1 is the tool&apos;s file name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>L&apos;outil de transfert %1 se trouve bien dans %2, mais n&apos;a pas pu être démarré (%3). Veuillez réinstaller l&apos;outil de transfert et réessayer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The upload tool %1 was not found in the folder %2. Put this program in the folder of %1 and start it from there.</source>
        <extracomment>%1 is the tool&apos;s file name, %2 the folder where it was looked for.</extracomment>
        <translation>L&apos;outil de transfert %1 est introuvable dans le dossier %2. Placez ce programme dans le dossier de %1 et lancez-le depuis ce dossier.</translation>
    </message>
</context>
<context>
    <name>output_interpreter</name>
    <message>
        <location filename="../src/uploader/output_interpreter.cpp" line="+25"/>
        <source>Upload Progress%1</source>
        <extracomment>%1 is the figure as the upload tool writes it, blanks included (&quot; 42%&quot;); keep it right after the words, with no blank of its own.</extracomment>
        <translation>Transfert%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Verify Progress%1</source>
        <extracomment>%1 is the figure as the upload tool writes it, blanks included (&quot; 42%&quot;); keep it right after the words, with no blank of its own.</extracomment>
        <translation>Vérification%1</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Upload Complete!</source>
        <translation>Transfert terminé !</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Upload complete, now verifying...</source>
        <translation>Transfert terminé, vérification en cours...</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Please cycle power to the device%1</source>
        <extracomment>%1 is the upload tool&apos;s dots as it writes them while it waits (&quot;....&quot;, &quot;. &quot;); keep it right after the words, with no blank of its own.</extracomment>
        <translation>Veuillez éteindre puis rallumer l&apos;appareil%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 detected with bootloader version %2</source>
        <extracomment>%1 is the device&apos;s name, %2 the version of its bootloader, as the tool names them.</extracomment>
        <translation>%1 détecté, version du chargeur d&apos;amorçage : %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Now flashing with %1</source>
        <extracomment>%1 is the firmware file&apos;s path.</extracomment>
        <translation>Écriture du micrologiciel en cours : %1</translation>
    </message>
</context>
</TS>
