<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/core/link/access_check.cpp" line="+93"/>
        <source>The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then unplug and plug the reader in again.</source>
        <translation>El lector está conectado, pero este usuario no puede abrir %1. Instale las reglas de udev (%2, consulte el README) y, a continuación, desconecte y vuelva a conectar el lector.</translation>
    </message>
    <message>
        <location filename="../src/core/protocol/settings_frames.cpp" line="+35"/>
        <source>PreAmble</source>
        <translation>Preámbulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PostAmble</source>
        <translation>Postámbulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Data</source>
        <translation>Eliminar datos</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>The %1 has %n codes</source>
        <extracomment>%1 the affix as the page labels it, %n how many codes it holds (more than the reader keeps)</extracomment>
        <translation>
            <numerusform>%1 contiene %n códigos</numerusform>
            <numerusform>%1 contiene %n códigos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>the %1 has %n codes</source>
        <translation>
            <numerusform>%1 contiene %n códigos</numerusform>
            <numerusform>%1 contiene %n códigos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; the reader keeps at most %2. Nothing was sent.</source>
        <translation>%1; el lector guarda como máximo %2. No se ha enviado nada.</translation>
    </message>
    <message>
        <location filename="../src/core/text/name_tables.cpp" line="+20"/>
        <source>USA</source>
        <translation>EE. UU.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>U.K</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>French</source>
        <translation>Francia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Alemania</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <location filename="../src/core/session/session_result.cpp" line="+11"/>
        <source>status</source>
        <translation>el estado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>options</source>
        <translation>las opciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>output window</source>
        <translation>la ventana de salida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>keyboard country</source>
        <translation>el país del teclado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preamble</source>
        <translation>el preámbulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>postamble</source>
        <translation>el postámbulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>remove data</source>
        <translation>eliminar datos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>save command</source>
        <translation>la orden de guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interface change</source>
        <translation>el cambio de interfaz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ISP mode command</source>
        <translation>la orden del modo ISP</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/core/text/translations.cpp" line="+18"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written from right to left, &quot;LTR&quot; otherwise; no other text</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <location filename="../src/window/connection/access_warning.cpp" line="+15"/>
        <location line="+9"/>
        <location line="+7"/>
        <location filename="../src/window/connection/connection_panel.cpp" line="+81"/>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="+230"/>
        <source>Connect Device</source>
        <translation>Conectar el lector</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>another program</source>
        <translation>otro programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The reader %1 is in use by %2 (process %3). Connect again when it is free.</source>
        <translation>El lector %1 está en uso por %2 (proceso %3). Vuelva a conectar cuando esté libre.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No lock can be had for the reader %1 (%2), so another program could talk to it at the same time. Make the lock directory %3 writable for this user, then connect again.</source>
        <translation>No se puede obtener un bloqueo para el lector %1 (%2), así que otro programa podría comunicarse con él al mismo tiempo. Haga que este usuario pueda escribir en el directorio de bloqueos %3 y vuelva a conectar.</translation>
    </message>
    <message>
        <location filename="../src/window/connection/connection_panel.cpp" line="+1"/>
        <source>The serial port %1 is gone; the reader was disconnected.</source>
        <translation>El puerto serie %1 ha desaparecido; el lector se ha desconectado.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>to Serial</source>
        <extracomment>The interface-change button names the interface it switches to</extracomment>
        <translation>A serie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>to USB KB</source>
        <translation>A tecl. USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASCII Code</source>
        <translation>Código ASCII</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_update.cpp" line="+23"/>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="+23"/>
        <location line="+68"/>
        <source>FW Update</source>
        <translation>Actualización del firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>No se ha encontrado el programa de escritura del firmware %1 en %2; no se ha enviado nada al lector.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ISP Mode</source>
        <translation>Modo ISP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t send ISP mode command to device, please check your Keylon device!!</source>
        <translation>No se puede enviar la orden del modo ISP al dispositivo. Compruebe su dispositivo Keylon.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="-72"/>
        <source>Stop the writer</source>
        <translation>Detener la escritura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Stopping the writer can leave the reader without working firmware. Stop it?</source>
        <translation>Detener la escritura puede dejar el lector sin un firmware que funcione. ¿Detenerla?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The firmware writer ended with exit code %1. Connect again when the reader is back.</source>
        <translation>El programa de escritura del firmware terminó con el código de salida %1. Vuelva a conectar cuando el lector esté de nuevo disponible.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/interface_change.cpp" line="+19"/>
        <source>Do you want to change Keylon interface to &lt;b&gt;USB Keyboard&lt;/b&gt; and utility will close?</source>
        <translation>¿Desea cambiar la interfaz del Keylon a &lt;b&gt;teclado USB&lt;/b&gt;? La utilidad se cerrará.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to change Keylon interface to &lt;b&gt;serial&lt;/b&gt; and utility will close?</source>
        <translation>¿Desea cambiar la interfaz del Keylon a &lt;b&gt;serie&lt;/b&gt;? La utilidad se cerrará.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="-14"/>
        <source>Change Mode</source>
        <extracomment>Button: switches the reader to the other interface</extracomment>
        <translation>Cambiar modo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader did not get the interface change; the utility stays open.</source>
        <translation>El lector no ha recibido el cambio de interfaz; la utilidad sigue abierta.</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/config_files.cpp" line="+23"/>
        <source>Cannot read %1: %2. The page was left as it was.</source>
        <translation>No se puede leer %1: %2. La página no se ha modificado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no Keylon settings. The page was left as it was.</source>
        <translation>%1 no contiene ajustes de Keylon. La página no se ha modificado.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save Config</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Config Files(*.cfg)</source>
        <translation>Archivos de configuración (*.cfg)</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+8"/>
        <source>Config File</source>
        <translation>Archivo de configuración</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You didn&apos;t input config file.</source>
        <translation>No ha indicado ningún archivo de configuración.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write %1: %2. Nothing was saved.</source>
        <translation>No se puede escribir %1: %2. No se ha guardado nada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <location line="+4"/>
        <source>Open Config</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>You didn&apos;t select any files.</source>
        <translation>No ha seleccionado ningún archivo.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Default File</source>
        <translation>Archivo predeterminado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not found default.cfg file.</source>
        <translation>No se encuentra el archivo default.cfg.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <source>Load Default</source>
        <translation>Cargar predeterminados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The default file is successfully loaded, click the Set Status write to Keylon device.</source>
        <translation>El archivo predeterminado se ha cargado. Pulse «Escribir estado» para escribirlo en el dispositivo Keylon.</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_form.cpp" line="+93"/>
        <source>F/W Version: %1</source>
        <translation>Versión FW: %1</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_reader.cpp" line="+15"/>
        <source>Successfully obtained Keylon the set value</source>
        <translation>Los ajustes del Keylon se han leído.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get F/W version fail, please retry.</source>
        <translation>No se ha podido leer la versión del firmware. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Get PreAmble fail, please retry.</source>
        <translation>No se ha podido leer el preámbulo. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get PostAmble fail, please retry.</source>
        <translation>No se ha podido leer el postámbulo. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get RemoveData fail, please retry.</source>
        <translation>No se ha podido leer «Eliminar datos». Vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read Status</source>
        <translation>Leer estado</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_writer.cpp" line="+24"/>
        <location line="+14"/>
        <location line="+6"/>
        <source>Setting Keylon</source>
        <translation>Ajuste del Keylon</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Writing to the reader failed at the interface change; the page was saved, the interface was not changed.</source>
        <translation>La escritura en el lector ha fallado en el cambio de interfaz; la página se ha guardado, la interfaz no ha cambiado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing to the reader failed at the %1; the reader did not save the page.</source>
        <translation>La escritura en el lector ha fallado en el paso «%1»; el lector no ha guardado la página.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Successfully set Keylon set value</source>
        <translation>Los ajustes del Keylon se han escrito.</translation>
    </message>
    <message>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="-25"/>
        <source>Keylon2 Utility V1.0.0</source>
        <translation>Utilidad Keylon2 V1.0.0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F/W Version:</source>
        <translation>Versión FW:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+142"/>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Scan</source>
        <extracomment>Button: asks the reader to scan a key now</extracomment>
        <translation>&amp;Escanear</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <extracomment>Button: empties the output shown on the Status page</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Status</source>
        <extracomment>Tab with the reader&apos;s output</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keylon</source>
        <extracomment>The reader&apos;s name, a product name</extracomment>
        <translation>Keylon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PreAmble Enable</source>
        <translation>Preámbulo activo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+5"/>
        <source>Output length</source>
        <translation>Longitud de salida</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="-1"/>
        <source>Output start</source>
        <translation>Inicio de salida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buzzer Enable</source>
        <translation>Zumbador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID Code Auto Report</source>
        <translation>Envío auto. código ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PostAmble Enable</source>
        <translation>Postámbulo activo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Code</source>
        <extracomment>Label before the affix pickers: which kind of code they show</extracomment>
        <translation>Código</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>KB Country</source>
        <translation>País teclado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FW &amp;Update</source>
        <translation>&amp;Actualizar FW</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Data Enable</source>
        <translation>Eliminar datos activo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ID Code Enable</source>
        <translation>Eliminar código ID activo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+10"/>
        <source>Change Interface</source>
        <translation>Cambiar interfaz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <extracomment>Button: loads default.cfg into the page</extracomment>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Get Status</source>
        <translation>&amp;Leer estado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Set Status</source>
        <translation>E&amp;scribir estado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <extracomment>Tab with the reader&apos;s settings</extracomment>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TextLabel</source>
        <extracomment>Placeholder of a hidden label; never shown</extracomment>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PushButton</source>
        <extracomment>Placeholder of a hidden button; never shown</extracomment>
        <translation>Botón</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB KB</source>
        <translation>Teclado USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <location filename="../src/window/ui/window_access.cpp" line="-15"/>
        <source>Serial port name</source>
        <translation>Nombre del puerto serie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preamble</source>
        <translation>Preámbulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postamble</source>
        <translation>Postámbulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove data</source>
        <translation>Eliminar datos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preamble ASCII code</source>
        <translation>Código ASCII del preámbulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postamble ASCII code</source>
        <translation>Código ASCII del postámbulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove data ASCII code</source>
        <translation>Código ASCII de «Eliminar datos»</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Keyboard country</source>
        <translation>País del teclado</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
</context>
</TS>
