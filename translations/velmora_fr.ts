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
        <translation>Port série&#xa0;:</translation>
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
        <location filename="../src/ui/mainwindow.cpp" line="+50"/>
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
        <translation>Micrologiciel&#xa0;:</translation>
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
        <translation>Aucun fichier de micrologiciel n&apos;a encore été choisi&#xa0;!</translation>
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
        <location line="+282"/>
        <source>%1. %2</source>
        <extracomment>What a screen reader says: how the update stands (%1), then what the user is to do or what went wrong (%2).</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The firmware is still being written to the device. Closing now stops the update and can leave the device without working firmware until it is updated again.</source>
        <translation>Le micrologiciel est en cours d&apos;écriture sur l&apos;appareil. Si vous fermez maintenant, la mise à jour s&apos;arrête et l&apos;appareil peut rester sans micrologiciel fonctionnel jusqu&apos;à ce qu&apos;il soit de nouveau mis à jour.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The firmware is still being written to the device. Choosing another port now stops the update and can leave the device without working firmware until it is updated again.</source>
        <translation>Le micrologiciel est en cours d&apos;écriture sur l&apos;appareil. Si vous choisissez maintenant un autre port, la mise à jour s&apos;arrête et l&apos;appareil peut rester sans micrologiciel fonctionnel jusqu&apos;à ce qu&apos;il soit de nouveau mis à jour.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keep Updating</source>
        <translation>Poursuivre la mise à jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop and Close</source>
        <translation>Arrêter et fermer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop and Change Port</source>
        <translation>Arrêter et changer de port</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Writing firmware to the device: do not turn off</source>
        <translation>Écriture du micrologiciel sur l&apos;appareil : ne pas éteindre</translation>
    </message>
</context>
<context>
    <name>bootloader</name>
    <message>
        <location filename="../src/uploader/bootloader_output.cpp" line="+139"/>
        <source>An update is already running!</source>
        <translation>Une mise à jour est déjà en cours&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update stopped: the serial port was changed. Press Update to try again.</source>
        <translation>Mise à jour interrompue&#xa0;: le port série a été changé. Cliquez sur «&#xa0;Mettre à jour le micrologiciel&#xa0;» pour réessayer.</translation>
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
        <translation>L&apos;outil de transfert ne s&apos;est toujours pas arrêté au bout de %1 secondes. Veuillez vérifier le câble, puis cliquer sur «&#xa0;Mettre à jour le micrologiciel&#xa0;» pour réessayer.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>Error occured: </source>
        <extracomment>Shown on a line of its own, above the kind of error (&quot;Crashed!&quot;).</extracomment>
        <translation>Une erreur s&apos;est produite&#xa0;: </translation>
    </message>
    <message>
        <location filename="../src/uploader/bootloader.cpp" line="+234"/>
        <source>Updating the firmware of a device</source>
        <translation>Mise à jour du micrologiciel d&apos;un appareil</translation>
    </message>
</context>
<context>
    <name>firmware_check</name>
    <message>
        <location filename="../src/uploader/firmware_check.cpp" line="+16"/>
        <source>The file could not be read: %1</source>
        <translation>Impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is too large to be a firmware (.hex) file.</source>
        <translation>Le fichier est trop volumineux pour être un fichier de micrologiciel (.hex).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not a text file, so it cannot be a firmware (.hex) file.</source>
        <translation>Le fichier n&apos;est pas un fichier texte : il ne peut donc pas être un fichier de micrologiciel (.hex).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line %1: the line does not start with a colon (:).</source>
        <translation>Ligne %1 : la ligne ne commence pas par deux-points (:).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: the line holds a character other than the digits 0 to 9 and the letters A to F.</source>
        <translation>Ligne %1 : la ligne contient un caractère autre que les chiffres 0 à 9 et les lettres A à F.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Line %1: the line has an odd number of digits.</source>
        <translation>Ligne %1 : la ligne a un nombre impair de chiffres.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: the line&apos;s length does not match the byte count at its start.</source>
        <translation>Ligne %1 : la longueur de la ligne ne correspond pas au nombre d&apos;octets indiqué à son début.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line %1: the checksum does not match.</source>
        <translation>Ligne %1 : la somme de contrôle ne correspond pas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line %1: the record type %2 is unknown.</source>
        <translation>Ligne %1 : le type d&apos;enregistrement %2 est inconnu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line %1: the record of type %2 has the wrong length.</source>
        <translation>Ligne %1 : l&apos;enregistrement de type %2 n&apos;a pas la bonne longueur.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line %1: the file goes on after its end record.</source>
        <translation>Ligne %1 : le fichier continue après son enregistrement de fin.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: the file ends in the middle of this line. It may not have downloaded completely.</source>
        <translation>Ligne %1 : le fichier s&apos;arrête au milieu de cette ligne. Il n&apos;a peut-être pas été téléchargé entièrement.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file ends after line %1 without its end record. It may not have downloaded completely.</source>
        <translation>Le fichier s&apos;arrête après la ligne %1 sans son enregistrement de fin. Il n&apos;a peut-être pas été téléchargé entièrement.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file holds no firmware data.</source>
        <translation>Le fichier ne contient aucune donnée de micrologiciel.</translation>
    </message>
</context>
<context>
    <name>message_catalogue</name>
    <message>
        <location filename="../src/uploader/message_catalogue.cpp" line="+14"/>
        <source>Unable to create &quot;serial_communication_record.txt&quot;, future debugging may be impaired.</source>
        <translation>Impossible de créer le fichier «&#xa0;serial_communication_record.txt&#xa0;»&#xa0;; un diagnostic ultérieur pourrait en être compliqué.</translation>
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
        <translation>Ce programme doit être mis à jour pour programmer cet appareil. Veuillez télécharger la dernière version du logiciel sur %1&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This serial port is unusable. Please check that the serial port isn&apos;t being used by another program, and is installed correctly.</source>
        <translation>Ce port série est inutilisable. Veuillez vérifier qu&apos;il n&apos;est pas utilisé par un autre programme et qu&apos;il est correctement installé.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to find the device within a time limit of 30 seconds! Please check connections and try again!</source>
        <translation>Appareil introuvable dans le délai de 30&#xa0;secondes&#xa0;! Veuillez vérifier les branchements et réessayer&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not find device library file &quot;device.txt&quot; in the local directory. Please replace this file or reinstall the program.</source>
        <translation>Le fichier de bibliothèque des appareils «&#xa0;device.txt&#xa0;» est introuvable dans le dossier du programme. Veuillez remplacer ce fichier ou réinstaller le programme.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Command line tool incompatible with this helper program. Please reinstall the latest upload program and try again!</source>
        <translation>L&apos;outil de transfert n&apos;est pas compatible avec ce programme. Veuillez réinstaller la dernière version de l&apos;outil de transfert et réessayer&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please select a serial port to use!</source>
        <translation>Veuillez choisir un port série&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to write to the hard drive... Please check your computer and try again.</source>
        <translation>Impossible d&apos;écrire sur le disque dur. Veuillez vérifier votre ordinateur et réessayer.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Unable to use this firmware file. Please ensure the file loaded is a valid firmware file for your device, and is not corrupt!</source>
        <translation>Impossible d&apos;utiliser ce fichier de micrologiciel. Veuillez vous assurer que le fichier chargé est un fichier de micrologiciel valide pour votre appareil et qu&apos;il n&apos;est pas endommagé&#xa0;!</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>This file specifies more data than the current device can hold. The firmware may not behave as expected.</source>
        <translation>Ce fichier contient plus de données que l&apos;appareil ne peut en recevoir. Le micrologiciel risque de ne pas fonctionner comme prévu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Communication error! Please ensure all cables are secure and in good repair!</source>
        <translation>Erreur de communication&#xa0;! Veuillez vérifier que tous les câbles sont bien branchés et en bon état&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>File could not be uploaded to device. Please ensure the firmware file is not corrupt and is a valid firmware file from %1!</source>
        <extracomment>%1 is the maker&apos;s web address.</extracomment>
        <translation>Le fichier n&apos;a pas pu être transféré vers l&apos;appareil. Veuillez vous assurer que le fichier de micrologiciel n&apos;est pas endommagé et qu&apos;il s&apos;agit bien d&apos;un fichier valide provenant de %1&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error with device configuration. Please check that device.txt is not corrupt, and reinstall the tool if necessary.</source>
        <translation>Erreur dans la configuration de l&apos;appareil. Veuillez vérifier que le fichier device.txt n&apos;est pas endommagé et, si nécessaire, réinstaller l&apos;outil de transfert.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Failed to start!</source>
        <translation>Impossible de démarrer&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crashed!</source>
        <translation>Arrêt inattendu&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Timed out!</source>
        <translation>Délai dépassé&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error!</source>
        <translation>Erreur de lecture&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write error!</source>
        <translation>Erreur d&apos;écriture&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown error!</source>
        <translation>Erreur inconnue&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown!</source>
        <translation>Inconnu&#xa0;!</translation>
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
        <translation>Transfert terminé&#xa0;!</translation>
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
        <translation>%1 détecté, version du chargeur d&apos;amorçage&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Now flashing with %1</source>
        <extracomment>%1 is the firmware file&apos;s path.</extracomment>
        <translation>Écriture du micrologiciel en cours&#xa0;: %1</translation>
    </message>
</context>
</TS>
