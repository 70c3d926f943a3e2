<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/mainwindow.ui" line="+20"/>
        <source>Velmora Firmware Update Tool V1.1</source>
        <comment>Just in case you don&apos;t know what an updater is</comment>
        <translation>Herramienta de actualización de firmware Velmora V1.1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select Serial Port:</source>
        <translation>Puerto serie:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Update status</source>
        <translation>Estado de la actualización</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Update firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Update Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Serial port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Firmware file</source>
        <translation>Archivo de firmware</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/ui/mainwindow.cpp" line="+50"/>
        <source>No files found in local directory</source>
        <translation>No se han encontrado archivos en la carpeta del programa</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/ui/mainwindow.cpp" line="+1"/>
        <source>Load File....</source>
        <translation>Cargar archivo...</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Select Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <location filename="../src/ui/mainwindow.cpp" line="+2"/>
        <source>Open Firmware File...</source>
        <translation>Abrir archivo de firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware Files (*.hex)</source>
        <translation>Archivos de firmware (*.hex)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No flash file specified yet!</source>
        <translation>¡Todavía no se ha elegido ningún archivo de firmware!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy &amp;Details</source>
        <translation>Copiar &amp;detalles</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No update yet</source>
        <translation>Todavía no hay ninguna actualización</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update running</source>
        <translation>Actualización en curso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update complete</source>
        <translation>Actualización completada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update failed</source>
        <translation>Error en la actualización</translation>
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
        <translation>El firmware se está escribiendo en el dispositivo. Si cierra ahora, la actualización se detendrá y el dispositivo puede quedarse sin un firmware que funcione hasta que se actualice de nuevo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The firmware is still being written to the device. Choosing another port now stops the update and can leave the device without working firmware until it is updated again.</source>
        <translation>El firmware se está escribiendo en el dispositivo. Si elige ahora otro puerto, la actualización se detendrá y el dispositivo puede quedarse sin un firmware que funcione hasta que se actualice de nuevo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keep Updating</source>
        <translation>Continuar la actualización</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop and Close</source>
        <translation>Detener y cerrar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop and Change Port</source>
        <translation>Detener y cambiar de puerto</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Writing firmware to the device: do not turn off</source>
        <translation>Escribiendo el firmware en el dispositivo: no apague el equipo</translation>
    </message>
</context>
<context>
    <name>bootloader</name>
    <message>
        <location filename="../src/uploader/bootloader_output.cpp" line="+139"/>
        <source>An update is already running!</source>
        <translation>¡Ya hay una actualización en curso!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update stopped: the serial port was changed. Press Update to try again.</source>
        <translation>Actualización detenida: se ha cambiado el puerto serie. Pulse «Actualizar firmware» para volver a intentarlo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The upload tool stopped before the update was complete (exit code %1). Please try again.</source>
        <extracomment>%1 is the number the upload tool ended with.</extracomment>
        <translation>La herramienta de transferencia se ha detenido antes de completar la actualización (código de salida %1). Inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The upload tool has not stopped after %1 seconds. Please check the cable and press Update to try again.</source>
        <translation>La herramienta de transferencia sigue sin detenerse después de %1 segundos. Compruebe el cable y pulse «Actualizar firmware» para volver a intentarlo.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>Error occured: </source>
        <extracomment>Shown on a line of its own, above the kind of error (&quot;Crashed!&quot;).</extracomment>
        <translation>Se ha producido un error: </translation>
    </message>
    <message>
        <location filename="../src/uploader/bootloader.cpp" line="+234"/>
        <source>Updating the firmware of a device</source>
        <translation>Actualizando el firmware de un dispositivo</translation>
    </message>
</context>
<context>
    <name>firmware_check</name>
    <message>
        <location filename="../src/uploader/firmware_check.cpp" line="+16"/>
        <source>The file could not be read: %1</source>
        <translation>No se ha podido leer el archivo: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is too large to be a firmware (.hex) file.</source>
        <translation>El archivo es demasiado grande para ser un archivo de firmware (.hex).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not a text file, so it cannot be a firmware (.hex) file.</source>
        <translation>El archivo no es un archivo de texto, por lo que no puede ser un archivo de firmware (.hex).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line %1: the line does not start with a colon (:).</source>
        <translation>Línea %1: la línea no empieza por dos puntos (:).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: the line holds a character other than the digits 0 to 9 and the letters A to F.</source>
        <translation>Línea %1: la línea contiene un carácter distinto de los dígitos 0 a 9 y las letras A a F.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Line %1: the line has an odd number of digits.</source>
        <translation>Línea %1: la línea tiene un número impar de dígitos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: the line&apos;s length does not match the byte count at its start.</source>
        <translation>Línea %1: la longitud de la línea no coincide con el número de bytes indicado al principio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line %1: the checksum does not match.</source>
        <translation>Línea %1: la suma de comprobación no coincide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line %1: the record type %2 is unknown.</source>
        <translation>Línea %1: el tipo de registro %2 es desconocido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line %1: the record of type %2 has the wrong length.</source>
        <translation>Línea %1: el registro de tipo %2 tiene una longitud incorrecta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line %1: the file goes on after its end record.</source>
        <translation>Línea %1: el archivo continúa después de su registro final.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: the file ends in the middle of this line. It may not have downloaded completely.</source>
        <translation>Línea %1: el archivo termina en mitad de esta línea. Es posible que no se haya descargado por completo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file ends after line %1 without its end record. It may not have downloaded completely.</source>
        <translation>El archivo termina después de la línea %1 sin su registro final. Es posible que no se haya descargado por completo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file holds no firmware data.</source>
        <translation>El archivo no contiene datos de firmware.</translation>
    </message>
</context>
<context>
    <name>message_catalogue</name>
    <message>
        <location filename="../src/uploader/message_catalogue.cpp" line="+14"/>
        <source>Unable to create &quot;serial_communication_record.txt&quot;, future debugging may be impaired.</source>
        <translation>No se ha podido crear el archivo «serial_communication_record.txt»; esto podría dificultar un diagnóstico posterior.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Input Firmware file name contains illegal characters. Please rename and load again.</source>
        <translation>El nombre del archivo de firmware contiene caracteres no válidos. Cambie el nombre del archivo y vuelva a cargarlo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Program requires an update to program this device, please download the latest software from %1!</source>
        <extracomment>%1 is the maker&apos;s web address.</extracomment>
        <translation>Este programa necesita actualizarse para programar este dispositivo. ¡Descargue la versión más reciente del software desde %1!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This serial port is unusable. Please check that the serial port isn&apos;t being used by another program, and is installed correctly.</source>
        <translation>No se puede usar este puerto serie. Compruebe que no lo esté usando otro programa y que esté instalado correctamente.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to find the device within a time limit of 30 seconds! Please check connections and try again!</source>
        <translation>¡No se ha encontrado el dispositivo en el plazo de 30 segundos! Compruebe las conexiones e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not find device library file &quot;device.txt&quot; in the local directory. Please replace this file or reinstall the program.</source>
        <translation>No se ha encontrado el archivo de biblioteca de dispositivos «device.txt» en la carpeta del programa. Reponga este archivo o vuelva a instalar el programa.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Command line tool incompatible with this helper program. Please reinstall the latest upload program and try again!</source>
        <translation>La herramienta de transferencia no es compatible con este programa. Vuelva a instalar la versión más reciente de la herramienta de transferencia e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please select a serial port to use!</source>
        <translation>¡Seleccione un puerto serie!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to write to the hard drive... Please check your computer and try again.</source>
        <translation>No se puede escribir en el disco duro. Revise su equipo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Unable to use this firmware file. Please ensure the file loaded is a valid firmware file for your device, and is not corrupt!</source>
        <translation>No se puede usar este archivo de firmware. Asegúrese de que el archivo cargado sea un archivo de firmware válido para su dispositivo y de que no esté dañado.</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>This file specifies more data than the current device can hold. The firmware may not behave as expected.</source>
        <translation>Este archivo contiene más datos de los que caben en el dispositivo. Es posible que el firmware no funcione como se espera.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Communication error! Please ensure all cables are secure and in good repair!</source>
        <translation>¡Error de comunicación! Compruebe que todos los cables estén bien conectados y en buen estado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>File could not be uploaded to device. Please ensure the firmware file is not corrupt and is a valid firmware file from %1!</source>
        <extracomment>%1 is the maker&apos;s web address.</extracomment>
        <translation>No se ha podido transferir el archivo al dispositivo. Asegúrese de que el archivo de firmware no esté dañado y de que sea un archivo de firmware válido de %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error with device configuration. Please check that device.txt is not corrupt, and reinstall the tool if necessary.</source>
        <translation>Error en la configuración del dispositivo. Compruebe que el archivo device.txt no esté dañado y, si es necesario, vuelva a instalar la herramienta de transferencia.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Failed to start!</source>
        <translation>¡No se ha podido iniciar!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crashed!</source>
        <translation>¡Se ha cerrado inesperadamente!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Timed out!</source>
        <translation>¡Tiempo de espera agotado!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error!</source>
        <translation>¡Error de lectura!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write error!</source>
        <translation>¡Error de escritura!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown error!</source>
        <translation>¡Error desconocido!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown!</source>
        <translation>¡Desconocido!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The upload tool %1 in %2 is there but could not be started (%3). Please reinstall the upload program and try again.</source>
        <extracomment>%1 is the tool&apos;s file name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>La herramienta de transferencia %1 está en %2, pero no se ha podido iniciar (%3). Vuelva a instalar la herramienta de transferencia e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The upload tool %1 was not found in the folder %2. Put this program in the folder of %1 and start it from there.</source>
        <extracomment>%1 is the tool&apos;s file name, %2 the folder where it was looked for.</extracomment>
        <translation>No se ha encontrado la herramienta de transferencia %1 en la carpeta %2. Coloque este programa en la carpeta de %1 e inícielo desde allí.</translation>
    </message>
</context>
<context>
    <name>output_interpreter</name>
    <message>
        <location filename="../src/uploader/output_interpreter.cpp" line="+25"/>
        <source>Upload Progress%1</source>
        <extracomment>%1 is the figure as the upload tool writes it, blanks included (&quot; 42%&quot;); keep it right after the words, with no blank of its own.</extracomment>
        <translation>Transferencia%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Verify Progress%1</source>
        <extracomment>%1 is the figure as the upload tool writes it, blanks included (&quot; 42%&quot;); keep it right after the words, with no blank of its own.</extracomment>
        <translation>Verificación%1</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Upload Complete!</source>
        <translation>¡Transferencia completada!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Upload complete, now verifying...</source>
        <translation>Transferencia completada; verificando...</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Please cycle power to the device%1</source>
        <extracomment>%1 is the upload tool&apos;s dots as it writes them while it waits (&quot;....&quot;, &quot;. &quot;); keep it right after the words, with no blank of its own.</extracomment>
        <translation>Apague el dispositivo y vuelva a encenderlo%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 detected with bootloader version %2</source>
        <extracomment>%1 is the device&apos;s name, %2 the version of its bootloader, as the tool names them.</extracomment>
        <translation>Se ha detectado %1 con la versión %2 del cargador de arranque</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Now flashing with %1</source>
        <extracomment>%1 is the firmware file&apos;s path.</extracomment>
        <translation>Escribiendo el firmware: %1</translation>
    </message>
</context>
</TS>
