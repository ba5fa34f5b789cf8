<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/core/link/access_check.cpp" line="+39"/>
        <source>The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then unplug and plug the reader in again.</source>
        <translation>El lector está conectado, pero este usuario no puede abrir %1. Instale las reglas de udev (%2, consulte el README) y, a continuación, desconecte y vuelva a conectar el lector.</translation>
    </message>
    <message>
        <location filename="../src/core/settings/settings_table.cpp" line="+22"/>
        <source>PreAmble</source>
        <translation>Preámbulo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PostAmble</source>
        <translation>Postámbulo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove Data</source>
        <translation>Eliminar datos</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/protocol/settings_frames.cpp" line="+47"/>
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
        <location line="+4"/>
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
        <location filename="../src/core/session/session_result.cpp" line="+8"/>
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
    <name>Keylon2ctl</name>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="+197"/>
        <source>(default: %1, %2)</source>
        <translation>(por defecto: %1, %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(default: %1)</source>
        <translation>(por defecto: %1)</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The reader: %1, sn:SERIAL or usb:PORTPATH, as list shows them. Commands on several readers take it as often as wanted.</source>
        <extracomment>%1 how each transport names a reader (&quot;hid:PATH, serial:PORT&quot;)</extracomment>
        <translation>El lector: %1, sn:SERIAL o usb:PORTPATH, tal como los muestra list. Las órdenes sobre varios lectores la admiten tantas veces como se quiera.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every attached reader.</source>
        <translation>Cada lector conectado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write, apply, diff: readers at once; 0 is all at once.</source>
        <translation>write, apply, diff: lectores a la vez; 0 es todos a la vez.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>apply: read only and tell what would change; no write frame is sent.</source>
        <translation>apply: solo leer y decir qué cambiaría; no se envía ninguna trama de escritura.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apply: after the readers attached, each reader plugged in, once per plug, until SIGINT (Ctrl-C), SIGTERM or SIGHUP; then the summary. Exit 0 when no reader failed, else 1.</source>
        <translation>apply: tras los lectores conectados, cada lector que se enchufe, una vez por conexión, hasta SIGINT (Ctrl-C), SIGTERM o SIGHUP; después, el resumen. Código de salida 0 si ningún lector falló; si no, 1.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A reader that another process holds (the window, a station, another keylon2ctl) is waited for, up to SECONDS; without it such a reader is refused at once as busy (exit 6), naming that process.</source>
        <translation>Un lector que otro proceso tiene (la ventana, una estación, otro keylon2ctl) se espera hasta SECONDS segundos; sin esta opción, ese lector se rechaza al instante como ocupado (código 6), nombrando ese proceso.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A reader for which no lock can be had (neither a file in the lock directory nor the reader&apos;s node) is talked to all the same, with a warning; without it such a reader is refused and nothing is sent. Another program may then send its frames between this one&apos;s.</source>
        <translation>Con un lector para el que no se puede obtener un bloqueo (ni un archivo en el directorio de bloqueos ni el nodo del lector) se habla de todos modos, con un aviso; sin esta opción, ese lector se rechaza y no se envía nada. Otro programa puede entonces enviar sus tramas entre las de este.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>write: read the reader first and change only the keys the file sets.</source>
        <translation>write: leer primero el lector y cambiar solo las claves que fija el archivo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write: do not read the settings back.</source>
        <translation>write: no volver a leer los ajustes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: keep the reader&apos;s settings and firmware version in FILE, a configuration file that apply and the window&apos;s Import take; a folder gets one file per reader. Without it each reader&apos;s file goes to keylon2/firmware-backups/ in the user&apos;s state directory ($XDG_STATE_HOME, ~/.local/state), named by its serial number and the time.</source>
        <translation>firmware-update: guardar los ajustes y la versión del firmware del lector en FILE, un archivo de configuración que apply y la importación de la ventana aceptan; una carpeta recibe un archivo por lector. Sin esta opción, el archivo de cada lector va a keylon2/firmware-backups/ en el directorio de estado del usuario ($XDG_STATE_HOME, ~/.local/state), con el nombre de su número de serie y la hora.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>firmware-update: how long to wait for the reader to come back after the writer.</source>
        <translation>firmware-update: cuánto esperar a que el lector vuelva después del programa de escritura.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>firmware-update: a reader that comes back with the version of before is no failure.</source>
        <translation>firmware-update: un lector que vuelve con la versión de antes no es un fallo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: the version the reader must report after the update; another one is a failure.</source>
        <translation>firmware-update: la versión que el lector debe indicar tras la actualización; otra es un fallo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: leave the settings the writer reset as they are, instead of writing back those of before.</source>
        <translation>firmware-update: dejar como están los ajustes que el programa de escritura restableció, en lugar de volver a escribir los de antes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>read: the configuration file or the settings alone as JSON.</source>
        <translation>read: el archivo de configuración o solo los ajustes en JSON.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One JSON document on standard output (&quot;schema&quot;: 1), also on failure. apply --watch: a JSON line per reader as it is done, then the document.</source>
        <translation>Un documento JSON en la salida estándar (&quot;schema&quot;: 1), también en caso de fallo. apply --watch: una línea JSON por lector en cuanto termina y después el documento.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Also the protocol&apos;s debug lines, on standard error.</source>
        <translation>También las líneas de depuración del protocolo, en la salida de error.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This help; after a command, that command&apos;s.</source>
        <translation>Esta ayuda; tras una orden, la de esa orden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every command in full, the configuration file&apos;s keys and the exit codes.</source>
        <translation>Cada orden completa, las claves del archivo de configuración y los códigos de salida.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The program&apos;s version.</source>
        <translation>La versión del programa.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--wait-back wants a number of seconds, 0 to %1</source>
        <translation>--wait-back espera un número de segundos, de 0 a %1</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>every attached reader, USB HID and serial, with its serial number and USB port</source>
        <translation>cada lector conectado, USB HID y serie, con su número de serie y su puerto USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On USB HID its node, on the serial line its port; each with its USB serial number, the USB socket it sits in (the name sysfs gives it, such as 1-2.3, which stays when the reader is plugged in again there), vendor and product ID, and product string or description. Warns when two readers share a serial number, or one has none: sn: cannot pick those. A serial port counts as a reader when its description starts with the reader driver&apos;s text or its USB vendor ID is 0416.</source>
        <translation>En USB HID su nodo, en la línea serie su puerto; cada uno con su número de serie USB, la toma USB en la que está (el nombre que le da sysfs, como 1-2.3, que se mantiene cuando el lector se vuelve a enchufar allí), ID de fabricante y de producto, y nombre del producto o descripción. Avisa cuando dos lectores comparten número de serie o uno no tiene: sn: no puede elegirlos. Un puerto serie cuenta como lector cuando su descripción empieza por el texto del controlador del lector o su ID de fabricante USB es 0416.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the reader&apos;s settings as a configuration file (the window&apos;s Import reads it) or as JSON</source>
        <translation>los ajustes del lector como archivo de configuración (lo lee la Importación de la ventana) o en JSON</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over the serial line the reader does not tell its keyboard country: the file leaves KBCountry out, so that applying it keeps each reader&apos;s country.</source>
        <translation>Por la línea serie el lector no indica su país del teclado: el archivo omite KBCountry, de modo que aplicarlo conserva el país de cada lector.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>writes and saves every setting of the file, then reads them back</source>
        <translation>escribe y guarda cada ajuste del archivo y después los vuelve a leer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Always writes, whether or not the reader holds the settings already. The file must set every [KEYLON] key but Interface, or the keys it leaves out would be reset; with --partial the reader is read first and only the keys the file sets change. A file without KBCountry, as read makes one over the serial line, writes to readers on the serial line; a reader on USB HID refuses it. The settings go to the interface the reader is on (the file&apos;s Interface is not applied: see set-interface); over the serial line KBCountry is not sent, the serial interface has no such setting.</source>
        <translation>Escribe siempre, tenga o no el lector ya los ajustes. El archivo debe fijar cada clave de [KEYLON] excepto Interface; si no, las claves omitidas se restablecerían; con --partial el lector se lee primero y solo cambian las claves que fija el archivo. Un archivo sin KBCountry, como el que crea read por la línea serie, se escribe en los lectores de la línea serie; un lector en USB HID lo rechaza. Los ajustes van a la interfaz en la que está el lector (no se aplica el Interface del archivo: vea set-interface); por la línea serie no se envía KBCountry, la interfaz serie no tiene ese ajuste.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>reads each reader and writes, saves and reads back only the readers whose settings differ from the file&apos;s</source>
        <translation>lee cada lector y escribe, guarda y vuelve a leer solo los lectores cuyos ajustes difieren de los del archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compares, key by key, what the reader holds with the keys the file sets, and changes only those keys. Each reader is unchanged, changed (naming the keys) or failed (saying why); a reader that already matches costs one read and nothing more. With --check nothing is written: it says what would change, and the exit code is 5 when a reader would change (0 when every reader matches). With --watch it is a station: it applies the file to the readers attached, then to each reader plugged in (on USB HID or the serial line), once per plug, a line per reader as it is done, until SIGINT (Ctrl-C), SIGTERM or SIGHUP, or until its output goes away; the readers under way then finish, and the summary follows. Its exit code is 0 when no reader failed, else 1 (not 128 plus the signal: a signal is how a station ends). It takes no --device. With --json it prints a JSON line per reader as it is done, and apply&apos;s whole document as its last line.</source>
        <translation>Compara, clave por clave, lo que tiene el lector con las claves que fija el archivo, y cambia solo esas claves. Cada lector queda sin cambios, cambiado (con las claves) o fallido (con el motivo); un lector que ya coincide cuesta una lectura y nada más. Con --check no se escribe nada: dice qué cambiaría, y el código de salida es 5 cuando un lector cambiaría (0 cuando todos coinciden). Con --watch es una estación: aplica el archivo a los lectores conectados y después a cada lector que se enchufe (en USB HID o en la línea serie), una vez por conexión, una línea por lector en cuanto termina, hasta SIGINT (Ctrl-C), SIGTERM o SIGHUP, o hasta que desaparezca su salida; los lectores en curso terminan entonces y sigue el resumen. Su código de salida es 0 si ningún lector falló; si no, 1 (no 128 más la señal: una señal es como termina una estación). No admite --device. Con --json imprime una línea JSON por lector en cuanto termina y, como última línea, el documento completo de apply.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>each reader&apos;s values that differ from the file&apos;s, key by key (reader -&gt; file); writes nothing</source>
        <translation>los valores de cada lector que difieren de los del archivo, clave por clave (lector -&gt; archivo); no escribe nada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The keys the file sets are compared as apply compares them; the values are spelled as a configuration file spells them. Exit 0 when every reader matches the file, 5 when one differs; a reader that failed gives its own code.</source>
        <translation>Las claves que fija el archivo se comparan como las compara apply; los valores se escriben como los escribe un archivo de configuración. Código de salida 0 cuando todos los lectores coinciden con el archivo, 5 cuando uno difiere; un lector que falló da su propio código.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>switches the reader to its USB keyboard or its serial interface</source>
        <translation>cambia el lector a su teclado USB o a su interfaz serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader leaves the link and is found again on the other interface. Nothing is sent to a reader that is on that interface already.</source>
        <translation>El lector abandona el enlace y se vuelve a encontrar en la otra interfaz. No se envía nada a un lector que ya está en esa interfaz.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>key ID codes from a reader on its serial interface, one per line, until interrupted</source>
        <translation>códigos ID de llaves desde un lector en su interfaz serie, uno por línea, hasta que se interrumpa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>With --json the codes are collected and printed in one document when monitor ends.</source>
        <translation>Con --json los códigos se reúnen y se imprimen en un solo documento cuando termina monitor.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>what stands between this user and the readers, one line each with what to do</source>
        <translation>qué hay entre este usuario y los lectores, una línea por punto con lo que hay que hacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checks the udev rule, whether this user may open each reader&apos;s node and through what (seat ACL, group, owner), whether this session has a seat (an SSH session has none: join group plugdev), ModemManager on a reader&apos;s port, brltty, and another process holding a port. Exit 0 when every attached reader can be opened, 3 when none is attached, 4 when one cannot be opened.</source>
        <translation>Comprueba la regla udev, si este usuario puede abrir el nodo de cada lector y por qué medio (ACL de puesto, grupo, propietario), si esta sesión tiene puesto (una sesión SSH no tiene: únase al grupo plugdev), ModemManager en el puerto de un lector, brltty y otro proceso que tenga un puerto. Código de salida 0 cuando se puede abrir cada lector conectado, 3 cuando no hay ninguno conectado, 4 cuando uno no se puede abrir.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the bash or zsh completion script; devices: what --device completes to</source>
        <translation>el script de completado de bash o zsh; devices: a qué completa --device</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Usage: keylon2ctl %1 [--json]</source>
        <translation>Uso: keylon2ctl %1 [--json]</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <location line="-206"/>
        <source>write, apply, set-interface, firmware-update: append JSON lines to LOG, the audit log: one per reader handled, and before a reader&apos;s first write frame a line that opens it. A log that cannot be opened stops the command before anything is sent.</source>
        <translation>write, apply, set-interface, firmware-update: añadir líneas JSON a LOG, el registro de auditoría: una por lector tratado y, antes de la primera trama de escritura de un lector, una línea que lo abre. Un registro que no se puede abrir detiene la orden antes de enviar nada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>write, apply, diff, set-interface, firmware-update: keep FILE (name it NAME.prom in node exporter&apos;s textfile directory) in Prometheus&apos; text format: readers by result, drift, firmware updates by outcome, the last reader and failure, the readers with their identity. A station writes it at each event, a run at its start and end. A file that cannot be written is said on standard error and changes nothing else.</source>
        <translation>write, apply, diff, set-interface, firmware-update: mantener FILE (llámelo NAME.prom en el directorio textfile de node exporter) en el formato de texto de Prometheus: lectores por resultado, desviaciones, actualizaciones del firmware por desenlace, el último lector y el último fallo, los lectores con su identidad. Una estación lo escribe en cada evento; una ejecución, al principio y al final. Un archivo que no se puede escribir se indica en la salida de error y no cambia nada más.</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>puts the reader into ISP mode, runs ./flashmate RECONNKLN from the working directory, and checks the reader that comes back</source>
        <translation>pone el lector en modo ISP, ejecuta ./flashmate RECONNKLN desde el directorio de trabajo y comprueba el lector que vuelve</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before: the reader is read and its settings and firmware version kept in a backup file (see --backup); a reader that cannot be read, or a backup that cannot be written, gets nothing. After the writer: the same reader (the same serial number, else the same USB port; a new node is normal) is waited for up to --wait-back seconds and read. It is updated (the version before and after), or it failed: the writer changed nothing (the version of before; --allow-same takes that), another version than --expect-version, not back (it may wait in its loader: run the writer again, or unplug it and plug it in again), or another reader came back in its place (nothing is written to it). The settings the writer reset are written back from the backup, only those that differ, then read back, unless --keep-reset; the line says which. Several readers (--device as often as wanted, or --all) are updated one after another, never two in their loaders at once. An interrupt lets a writer under way run to its end (stopping a writer can leave the reader without working firmware), then no other reader starts. Nothing is sent when the firmware writer is not there. With --json the writer&apos;s output goes to standard error.</source>
        <translation>Antes: se lee el lector y sus ajustes y la versión de su firmware se guardan en un archivo de copia (vea --backup); un lector que no se puede leer, o una copia que no se puede escribir, no recibe nada. Después del programa de escritura: se espera al mismo lector (el mismo número de serie, si no el mismo puerto USB; un nodo nuevo es normal) hasta --wait-back segundos y se lee. Está actualizado (la versión antes y después), o falló: el programa de escritura no cambió nada (la versión de antes; --allow-same lo acepta), otra versión que --expect-version, no volvió (puede esperar en su cargador: ejecute de nuevo el programa de escritura, o desconecte el lector y vuelva a conectarlo), u otro lector volvió en su lugar (no se le escribe nada). Los ajustes que el programa de escritura restableció se vuelven a escribir desde la copia, solo los que difieren, y se leen de nuevo, salvo con --keep-reset; la línea dice cuáles. Varios lectores (--device tantas veces como se quiera, o --all) se actualizan uno tras otro, nunca dos a la vez en su cargador. Una interrupción deja que un programa de escritura en curso llegue a su fin (detenerlo puede dejar el lector sin firmware que funcione) y después no empieza ningún otro lector. No se envía nada cuando el programa de escritura del firmware no está. Con --json la salida del programa de escritura va a la salida de error.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Reads and writes the settings of Keylon2 key readers.

Usage: keylon2ctl COMMAND [ARGUMENTS] [OPTIONS]
       keylon2ctl COMMAND --help

Commands:
</source>
        <translation>Lee y escribe los ajustes de los lectores de llaves Keylon2.

Uso: keylon2ctl ORDEN [ARGUMENTOS] [OPCIONES]
     keylon2ctl ORDEN --help

Órdenes:
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DEVICE is --device %1, sn:SERIAL or usb:PORTPATH (as list shows them), or the same word after the command&apos;s arguments; without one, the only attached reader. A serial number that two readers share, or an empty one, never picks a reader. Serial ports count as readers by their description or their USB vendor ID 0416; any other port must be named.</source>
        <translation>DEVICE es --device %1, sn:SERIAL o usb:PORTPATH (tal como los muestra list), o la misma palabra tras los argumentos de la orden; sin él, el único lector conectado. Un número de serie que comparten dos lectores, o uno vacío, nunca elige un lector. Los puertos serie cuentan como lectores por su descripción o su ID de fabricante USB 0416; cualquier otro puerto debe nombrarse.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit codes:</source>
        <translation>Códigos de salida:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>apply --watch ends at SIGINT, SIGTERM or SIGHUP, or when its output goes away, with 0 when no reader failed, else 1.</source>
        <translation>apply --watch termina con SIGINT, SIGTERM o SIGHUP, o cuando desaparece su salida, con 0 si ningún lector falló; si no, 1.</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/exit_codes.h" line="+31"/>
        <source>success (every reader unchanged, or changed, written or switched as asked)</source>
        <translation>éxito (cada lector sin cambios, o cambiado, escrito o conmutado según lo pedido)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a reader failed (no answer, a write that failed, a difference on verify)</source>
        <translation>un lector falló (sin respuesta, una escritura fallida, una diferencia al verificar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>usage error, or a file that cannot be taken (nothing was sent)</source>
        <translation>error de uso, o un archivo que no se puede aceptar (no se envió nada)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no reader found</source>
        <translation>no se encontró ningún lector</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>permission denied on the reader&apos;s device node</source>
        <translation>permiso denegado en el nodo de dispositivo del lector</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drift: diff or apply --check found a reader that differs from the file (a failure keeps its own code)</source>
        <translation>desviación: diff o apply --check encontró un lector que difiere del archivo (un fallo conserva su propio código)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>busy: a reader is held by another process (--wait not given, or it ran out)</source>
        <translation>ocupado: otro proceso tiene un lector (sin --wait, o se agotó)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hung up (SIGHUP, a dropped session): the readers under way finished, no other was started</source>
        <translation>colgado (SIGHUP, una sesión perdida): los lectores en curso terminaron, no se empezó ningún otro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interrupted (SIGINT, Ctrl-C): the readers under way finished, no other was started</source>
        <translation>interrumpido (SIGINT, Ctrl-C): los lectores en curso terminaron, no se empezó ningún otro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output went away (a closed pipe or terminal: EPIPE or EIO): ended as after an interrupt; never killed by SIGPIPE</source>
        <translation>la salida desapareció (una tubería o un terminal cerrados: EPIPE o EIO): terminado como tras una interrupción; nunca muere por SIGPIPE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>terminated (SIGTERM): the readers under way finished, no other was started</source>
        <translation>terminado (SIGTERM): los lectores en curso terminaron, no se empezó ningún otro</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+180"/>
        <source>writing</source>
        <translation>escribiendo</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="+56"/>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+16"/>
        <source>would change: %1</source>
        <translation>cambiaría: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>changed: %1</source>
        <translation>cambiado: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> (saved; not read back after the interrupt)</source>
        <translation> (guardado; no se volvió a leer tras la interrupción)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>would change</source>
        <extracomment>How the summary counts the readers that apply changed or would change (&quot;3 changed&quot;)</extracomment>
        <translation>cambiarían</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>changed</source>
        <translation>cambiados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>checking</source>
        <translation>comprobando</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>applying</source>
        <translation>aplicando</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>differs: %1</source>
        <translation>difiere: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>differ</source>
        <extracomment>How the summary counts the readers that differ from the file (&quot;2 differ&quot;)</extracomment>
        <translation>difieren</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>--backup names one file, and several readers are to be updated: name a folder. Nothing was sent.</source>
        <translation>--backup nombra un solo archivo, pero hay que actualizar varios lectores: nombre una carpeta. No se envió nada.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a firmware writer under way runs to its end (stopping it can leave the reader without working firmware)</source>
        <translation>un programa de escritura del firmware en curso llega a su fin (detenerlo puede dejar el lector sin firmware que funcione)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not started: %1 did not come back and may wait in its loader, where a second reader could not be told from it; nothing was sent</source>
        <translation>no empezado: %1 no volvió y puede esperar en su cargador, donde un segundo lector no se podría distinguir de él; no se envió nada</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>updated</source>
        <extracomment>How the summary counts the readers whose firmware was updated (&quot;2 updated&quot;)</extracomment>
        <translation>actualizados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>updating</source>
        <translation>actualizando</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="+6"/>
        <source>reading</source>
        <translation>leyendo</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="-68"/>
        <source>switched</source>
        <extracomment>How the summary counts the readers switched to the other interface (&quot;2 switched&quot;)</extracomment>
        <translation>conmutados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>switching</source>
        <translation>conmutando</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="-39"/>
        <source>interrupted: nothing was written</source>
        <translation>interrumpido: no se escribió nada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not started</source>
        <translation>no empezado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed: %1</source>
        <translation>falló: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>%n readers: %1 done, %2 failed</source>
        <translation>
            <numerusform>%n lector: %1 hechos, %2 fallidos</numerusform>
            <numerusform>%n lectores: %1 hechos, %2 fallidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n readers: %1 unchanged, %3 %4, %2 failed</source>
        <extracomment>%3: how many readers changed, %4 the word for them (&quot;changed&quot;, &quot;differ&quot;, ...)</extracomment>
        <translation>
            <numerusform>%n lector: %1 sin cambios, %3 %4, %2 fallidos</numerusform>
            <numerusform>%n lectores: %1 sin cambios, %3 %4, %2 fallidos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>, %1 interrupted, %2 not started</source>
        <translation>, %1 interrumpidos, %2 no empezados</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="+172"/>
        <source>settings as before</source>
        <translation>ajustes como antes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>settings left reset (--keep-reset): %1</source>
        <translation>ajustes dejados restablecidos (--keep-reset): %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>settings restored: %1</source>
        <translation>ajustes recuperados: %1</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>written, saved and verified</source>
        <translation>escrito, guardado y verificado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>written and saved</source>
        <translation>escrito y guardado</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>already on the serial interface</source>
        <translation>ya está en la interfaz serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already on the USB keyboard interface</source>
        <translation>ya está en la interfaz de teclado USB</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the reader switches to the serial interface</source>
        <translation>el lector cambia a la interfaz serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader switches to the USB keyboard interface</source>
        <translation>el lector cambia a la interfaz de teclado USB</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>cannot write the backup %1: %2; nothing was sent</source>
        <translation>no se puede escribir la copia %1: %2; no se envió nada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: settings and firmware %2 kept in %3</source>
        <translation>%1: ajustes y firmware %2 guardados en %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the reader did not come back within %1 s; it may wait in its loader: run the firmware writer again, or unplug the reader and plug it in again; its settings are in %2</source>
        <translation>el lector no volvió en %1 s; puede esperar en su cargador: ejecute de nuevo el programa de escritura del firmware, o desconecte el lector y vuelva a conectarlo; sus ajustes están en %2</translation>
    </message>
    <message>
        <location line="-146"/>
        <source>another reader (%1, %2) came back where this one was; nothing was written to it</source>
        <translation>otro lector (%1, %2) volvió en el lugar de este; no se le escribió nada</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>updated: firmware %1 -&gt; %2; %3</source>
        <extracomment>%1 the firmware version before, %2 after, %3 what became of the settings</extracomment>
        <translation>actualizado: firmware %1 -&gt; %2; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the firmware writer ended, but the reader still reports firmware %1: nothing was updated</source>
        <translation>el programa de escritura del firmware terminó, pero el lector sigue indicando el firmware %1: no se actualizó nada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>firmware %1 as before (--allow-same); %2</source>
        <translation>firmware %1 como antes (--allow-same); %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the reader reports firmware %1, not %2 as expected</source>
        <translation>el lector indica el firmware %1, no %2 como se esperaba</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; backup %1</source>
        <translation>; copia %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/station.cpp" line="+260"/>
        <source>udev&apos;s monitor</source>
        <translation>el monitor de udev</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>changes in %1</source>
        <translation>los cambios en %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a listing once a second</source>
        <translation>una lista cada segundo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>waiting for readers to be plugged in (%1); Ctrl-C ends</source>
        <translation>esperando a que se enchufen lectores (%1); Ctrl-C termina</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/document.cpp" line="+59"/>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/io.cpp" line="+22"/>
        <source>the output went away: the readers under way finish, no other starts</source>
        <translation>la salida desapareció: los lectores en curso terminan, no empieza ningún otro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interrupted: the readers under way finish, no other starts; interrupt again to end at once</source>
        <translation>interrumpido: los lectores en curso terminan, no empieza ningún otro; interrumpa de nuevo para terminar al instante</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/doctor.cpp" line="+60"/>
        <source>ok</source>
        <extracomment>doctor&apos;s status column; the three words are padded to the longest</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>problem</source>
        <translation>problema</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1. Fix: %2</source>
        <extracomment>%1 what doctor found, %2 what to do about it</extracomment>
        <translation>%1. Solución: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/parser.cpp" line="+46"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>no command given; see --help</source>
        <translation>no se ha indicado ninguna orden; consulte --help</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation>orden desconocida «%1»; consulte --help</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 does not take --%2; see keylon2ctl %1 --help</source>
        <extracomment>%1 a command, %2 an option&apos;s name</extracomment>
        <translation>%1 no admite --%2; consulte keylon2ctl %1 --help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--%1 is given more than once</source>
        <translation>--%1 se ha indicado más de una vez</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 wants %2</source>
        <extracomment>%2: the values it takes, as they are typed (&quot;cfg or json&quot;)</extracomment>
        <translation>--%1 espera %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: wrong number of arguments; see --help</source>
        <translation>%1: número de argumentos incorrecto; consulte --help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected argument %1; see keylon2ctl %2 --help</source>
        <translation>argumento inesperado %1; consulte keylon2ctl %2 --help</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 wants %2</source>
        <extracomment>%1 a command, %2 the values its argument takes, as they are typed (&quot;usb or serial&quot;)</extracomment>
        <translation>%1 espera %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 works on one reader; %2 were named</source>
        <translation>%1 actúa sobre un solo lector; se han indicado %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="-207"/>
        <source>--device and --all exclude each other</source>
        <translation>--device y --all se excluyen mutuamente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--jobs wants a number of readers (0: all at once)</source>
        <translation>--jobs espera un número de lectores (0: todos a la vez)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--wait wants a number of seconds, 0 to %1</source>
        <translation>--wait espera un número de segundos, de 0 a %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--json and --format exclude each other</source>
        <translation>--json y --format se excluyen mutuamente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch takes every reader plugged in; it does not take --device</source>
        <translation>--watch toma cada lector que se conecta; no admite --device</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/document.cpp" line="-7"/>
        <source>--%1 wants a file name</source>
        <translation>--%1 espera un nombre de archivo</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="-211"/>
        <source>%1. Nothing was sent.</source>
        <translation>%1. No se ha enviado nada.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>%1 Nothing was sent.</source>
        <translation>%1 No se ha enviado nada.</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/devices.cpp" line="+60"/>
        <source>%1 readers found, name one with --device: %2</source>
        <translation>se han encontrado %1 lectores, indique uno con --device: %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--device wants %1, sn:SERIAL or usb:PORTPATH, not &quot;%2&quot;</source>
        <extracomment>%1 how each transport names a reader (&quot;hid:PATH, serial:PORT&quot;), %2 what was given</extracomment>
        <translation>--device espera %1, sn:SERIAL o usb:PORTPATH, no «%2»</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no reader at %1 (found: %2)</source>
        <translation>ningún lector en %1 (encontrados: %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 readers answer to %2 (%3); it cannot pick one: name it by usb:PORTPATH or %4</source>
        <extracomment>%4 how the readers&apos; transport names one (&quot;hid:PATH&quot;)</extracomment>
        <translation>%1 lectores responden a %2 (%3); no se puede elegir uno: indíquelo con usb:PORTPATH o %4</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 has no serial number; sn: cannot pick it</source>
        <translation>%1 no tiene número de serie; sn: no puede elegirlo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 readers share the serial number %2 (%3); sn: cannot pick them, name them by usb:PORTPATH or %4</source>
        <extracomment>%4 how the readers&apos; transport names one (&quot;hid:PATH&quot;)</extracomment>
        <translation>%1 lectores comparten el número de serie %2 (%3); sn: no puede elegirlos, indíquelos con usb:PORTPATH o %4</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>no lock (%1); going on without one, as --no-lock asks</source>
        <translation>sin bloqueo (%1); se continúa sin él, como pide --no-lock</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>no lock can be had (%1); nothing was sent. Make the lock directory %2 writable for this user, or give --no-lock to go on without one</source>
        <translation>no se puede obtener un bloqueo (%1); no se ha enviado nada. Haga que este usuario pueda escribir en el directorio de bloqueos %2, o indique --no-lock para continuar sin él</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>busy: still in use by %1 after waiting %2 s</source>
        <extracomment>%1 the program that holds the reader (&quot;keylon2ctl (process 4242)&quot;)</extracomment>
        <translation>ocupado: sigue en uso por %1 tras esperar %2 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>busy: in use by %1; --wait SECONDS waits for it</source>
        <translation>ocupado: en uso por %1; --wait SECONDS lo espera</translation>
    </message>
    <message>
        <location filename="../src/core/link/reader_lock.cpp" line="+346"/>
        <source>%1 (process %2)</source>
        <extracomment>%1 the program that holds the reader (&quot;keylon2ctl&quot;)</extracomment>
        <translation>%1 (proceso %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a program</source>
        <translation>un programa</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>another process</source>
        <translation>otro proceso</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/devices.cpp" line="+19"/>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/reader_outcome.cpp" line="+78"/>
        <source>not started: interrupted</source>
        <translation>no empezado: interrumpido</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="-333"/>
        <source>interrupted before anything was written</source>
        <translation>interrumpido antes de escribir nada</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>verify failed: %1</source>
        <extracomment>%1: each key that read back otherwise, separated by &quot;; &quot;</extracomment>
        <translation>falló la verificación: %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/jobs.cpp" line="+79"/>
        <source>%1 is %2, wrote %3</source>
        <extracomment>%1 a key of the configuration file, %2 the value read back, %3 the value written</extracomment>
        <translation>%1 es %2, escrito %3</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>writing the %1 failed</source>
        <extracomment>%1 a step of the exchange: status, options, output window, preamble, save command, ...</extracomment>
        <translation>falló la escritura: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing the %1 failed (%2)</source>
        <translation>falló la escritura: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer to the %1 read</source>
        <translation>sin respuesta a la lectura: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer to the %1 read (%2)</source>
        <translation>sin respuesta a la lectura: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad answer to the %1 read</source>
        <translation>respuesta no válida a la lectura: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad answer to the %1 read (%2)</source>
        <translation>respuesta no válida a la lectura: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader is gone, at the %1</source>
        <translation>el lector ha desaparecido, durante: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader is gone, at the %1 (%2)</source>
        <translation>el lector ha desaparecido, durante: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/reader_commands.cpp" line="+205"/>
        <source>the serial line is gone</source>
        <translation>la línea serie ha desaparecido</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>a reader on USB HID types its key ID codes as keystrokes; monitor needs a serial reader</source>
        <translation>un lector en USB HID teclea sus códigos ID como pulsaciones; monitor necesita un lector serie</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="+147"/>
        <source>%1 lacks KBCountry in [KEYLON]: over USB HID write sends the keyboard country and would reset it; add it, or change only what the file sets with --partial or apply. Nothing was sent.</source>
        <translation>a %1 le falta KBCountry en [KEYLON]: por USB HID write envía el país del teclado y lo restablecería; añádalo, o cambie solo lo que el archivo fija con --partial o apply. No se ha enviado nada.</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+132"/>
        <source>%1 lacks %2 in [KEYLON]: write sends every setting and would reset those; add them, or change only what the file sets with --partial or apply. Nothing was sent.</source>
        <extracomment>%2: the keys the file lacks</extracomment>
        <translation>a %1 le falta %2 en [KEYLON]: write envía cada ajuste y los restablecería; añádalos, o cambie solo lo que el archivo fija con --partial o apply. No se ha enviado nada.</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>%1 sets none of the reader&apos;s settings in [KEYLON].</source>
        <translation>%1 no fija ningún ajuste del lector en [KEYLON].</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="+262"/>
        <source>Cannot read %1: %2.</source>
        <extracomment>%2: why, as the system words it</extracomment>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 holds no Keylon settings.</source>
        <translation>%1 no contiene ajustes de Keylon.</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+27"/>
        <source>cannot read %1 again for the log: %2</source>
        <translation>no se puede volver a leer %1 para el registro: %2</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>No se ha encontrado el programa de escritura del firmware %1 en %2; no se ha enviado nada al lector.</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="-70"/>
        <source>the firmware writer did not run to its end</source>
        <translation>el programa de escritura del firmware no llegó al final</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the firmware writer ended with exit code %1</source>
        <translation>el programa de escritura del firmware terminó con el código de salida %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/audit_log.cpp" line="+91"/>
        <source>cannot open the log %1: %2</source>
        <translation>no se puede abrir el registro %1: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot use %1 as the log: not a regular file</source>
        <translation>no se puede usar %1 como registro: no es un archivo normal</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>the log %1 is closed</source>
        <translation>el registro %1 está cerrado</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>cannot write to the log %1: %2</source>
        <translation>no se puede escribir en el registro %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot write to the log %1: only %2 of %3 bytes of a line went out</source>
        <translation>no se puede escribir en el registro %1: solo salieron %2 de los %3 bytes de una línea</translation>
    </message>
    <message>
        <location line="-92"/>
        <source>cannot save the log %1: %2</source>
        <translation>no se puede guardar el registro %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/metrics.cpp" line="+281"/>
        <source>cannot write the metrics %1: %2</source>
        <translation>no se pueden escribir las métricas %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="-193"/>
        <source>%1: %2=%3: %4 is not a bracket name the notation knows; %5</source>
        <translation>%1: %2=%3: %4 no es un nombre entre corchetes que la notación conozca; %5</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>write a name the notation knows (keylon2ctl --help-all lists them) or any code as [0xHH]; a &apos;[&apos; itself is [0x5B]</source>
        <translation>escriba un nombre que la notación conozca (keylon2ctl --help-all los enumera) o cualquier código como [0xHH]; un &apos;[&apos; se escribe [0x5B]</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>write [%1]</source>
        <translation>escriba [%1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write [%1] (code %2)</source>
        <translation>escriba [%1] (código %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: %2=%3: the &apos;[&apos; of %4 is never closed; close the name, or write a &apos;[&apos; itself as [0x5B]</source>
        <translation>%1: %2=%3: el &apos;[&apos; de %4 nunca se cierra; cierre el nombre, o escriba un &apos;[&apos; como [0x5B]</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1: unknown key %2 in [KEYLON]</source>
        <translation>%1: clave desconocida %2 en [KEYLON]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: unknown key %2 in [KEYLON]; did you mean %3?</source>
        <translation>%1: clave desconocida %2 en [KEYLON]; ¿quería decir %3?</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>%1: unknown key %2 in [KEYLON]; the key is spelled %3</source>
        <translation>%1: clave desconocida %2 en [KEYLON]; la clave se escribe %3</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1; a &apos;#&apos; does not start a comment after a value: put the comment on a line of its own</source>
        <translation>%1; un &apos;#&apos; no empieza un comentario después de un valor: ponga el comentario en una línea aparte</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: %2 is given twice in [KEYLON] (lines %3 and %4), and only the last line would count; keep the one line you mean</source>
        <translation>%1: %2 aparece dos veces en [KEYLON] (líneas %3 y %4) y solo contaría la última línea; deje solo la línea que quiere</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: line %2: %3=%4: a &apos;;&apos; outside double quotes starts a comment, so this reads as %3=%5; write %3=%6 to keep the &apos;;&apos;, or put a comment on a line of its own</source>
        <translation>%1: línea %2: %3=%4: un &apos;;&apos; fuera de comillas dobles empieza un comentario, así que se lee %3=%5; escriba %3=%6 para conservar el &apos;;&apos;, o ponga un comentario en una línea aparte</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: the section [%2] is spelled [KEYLON]</source>
        <translation>%1: la sección [%2] se escribe [KEYLON]</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is saved as %2 (Notepad calls it &quot;Unicode&quot;); save it as UTF-8</source>
        <translation>%1 está guardado como %2 (el Bloc de notas lo llama «Unicode»); guárdelo como UTF-8</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1: %2=%3 is not 0 or 1</source>
        <translation>%1: %2=%3 no es 0 ni 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2=%3 is not a number</source>
        <translation>%1: %2=%3 no es un número</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2=%3 is out of range: %4</source>
        <extracomment>%4: the range, &quot;0 to 255&quot;</extracomment>
        <translation>%1: %2=%3 está fuera de rango: %4</translation>
    </message>
    <message>
        <location line="-275"/>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>%1 to %2 (%3)</source>
        <translation>de %1 a %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/settings_table.cpp" line="+137"/>
        <source>0 or 1 (true and false are taken too)</source>
        <translation>0 o 1 (también se aceptan true y false)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the preamble, postamble and remove data, in the bracket notation; at most 31 codes each</source>
        <translation>el preámbulo, el postámbulo y eliminar datos, en la notación entre corchetes; como máximo 31 códigos cada uno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 to %2: the reader keeps one byte, and a read shows it signed</source>
        <translation>de %1 a %2: el lector guarda un byte, y una lectura lo muestra con signo</translation>
    </message>
    <message>
        <location line="-153"/>
        <source>0 USB keyboard, 1 serial: the interface the file was read over; never applied</source>
        <translation>0 teclado USB, 1 serie: la interfaz por la que se leyó el archivo; nunca se aplica</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1; not on the serial interface</source>
        <extracomment>%1: the keyboard countries with their numbers</extracomment>
        <translation>%1; no en la interfaz serie</translation>
    </message>
    <message>
        <location filename="../src/core/access/access_doctor.cpp" line="+344"/>
        <source>the udev rule is switched off: %1 links to /dev/null</source>
        <translation>la regla de udev está desactivada: %1 apunta a /dev/null</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remove that link and run sudo udevadm control --reload-rules; then unplug and plug the reader in again</source>
        <translation>elimine ese enlace y ejecute sudo udevadm control --reload-rules; después desconecte y vuelva a conectar el lector</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the udev rule %1 is not installed</source>
        <translation>la regla de udev %1 no está instalada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>install the keylon2-utility package, or copy %1 to /etc/udev/rules.d/ and run sudo udevadm control --reload-rules; then unplug and plug the reader in again</source>
        <translation>instale el paquete keylon2-utility, o copie %1 en /etc/udev/rules.d/ y ejecute sudo udevadm control --reload-rules; después desconecte y vuelva a conectar el lector</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the udev rule %1 gives the readers to the user at the seat only</source>
        <translation>la regla de udev %1 solo da los lectores al usuario del puesto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install the package&apos;s rule, which also gives them to group plugdev</source>
        <translation>instale la regla del paquete, que también los da al grupo plugdev</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the udev rule is installed: %1</source>
        <translation>la regla de udev está instalada: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>running as root, which may open every node</source>
        <translation>se ejecuta como root, que puede abrir cualquier nodo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this session is at seat %1, whose user the udev rule hands the readers</source>
        <translation>esta sesión está en el puesto %1, a cuyo usuario la regla de udev da los lectores</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this session has no seat (as over SSH); the readers come through group plugdev, which this user is in</source>
        <translation>esta sesión no tiene puesto (como por SSH); los lectores llegan por el grupo plugdev, al que pertenece este usuario</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this session has no seat (as over SSH): the seat&apos;s access does not reach it</source>
        <translation>esta sesión no tiene puesto (como por SSH): el acceso del puesto no le llega</translation>
    </message>
    <message>
        <location line="-255"/>
        <source>log in again: this user joined group plugdev after this session began</source>
        <translation>vuelva a iniciar sesión: este usuario entró en el grupo plugdev después de empezar esta sesión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>join group plugdev: sudo usermod -aG plugdev %1, then log in again</source>
        <translation>únase al grupo plugdev: sudo usermod -aG plugdev %1 y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <location line="+267"/>
        <source>ModemManager is not running</source>
        <translation>ModemManager no se está ejecutando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager se está ejecutando (pid %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>brltty is installed: it takes over USB serial adapters it knows when they are plugged in</source>
        <translation>brltty está instalado: se apropia de los adaptadores serie USB que conoce al conectarlos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>if the reader&apos;s serial port vanishes when it is plugged in, remove it: sudo apt-get remove brltty</source>
        <translation>si el puerto serie del lector desaparece al conectarlo, elimínelo: sudo apt-get remove brltty</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>brltty is not installed</source>
        <translation>brltty no está instalado</translation>
    </message>
    <message>
        <location line="-220"/>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 no se puede abrir: %2</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>unplug and plug the reader in again</source>
        <translation>desconecte y vuelva a conectar el lector</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>this user may open %1</source>
        <translation>este usuario puede abrir %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, as root</source>
        <translation>este usuario puede abrir %1, como root</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>this user may open %1, as its owner</source>
        <translation>este usuario puede abrir %1, como propietario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, through the seat&apos;s ACL entry</source>
        <translation>este usuario puede abrir %1, mediante la entrada ACL del puesto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, through group %2</source>
        <translation>este usuario puede abrir %1, mediante el grupo %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, as every user may (mode %2)</source>
        <translation>este usuario puede abrir %1, como cualquier usuario (modo %2)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not there to be opened</source>
        <translation>%1 no está ahí para abrirse</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>this user may not open %1</source>
        <translation>este usuario no puede abrir %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>this user may not open %1 (owner %2, group %3, mode %4)</source>
        <translation>este usuario no puede abrir %1 (propietario %2, grupo %3, modo %4)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>this user may not open %1 (owner %2, group %3, mode %4, no ACL entry for this user)</source>
        <translation>este usuario no puede abrir %1 (propietario %2, grupo %3, modo %4, sin entrada ACL para este usuario)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>install the udev rule (see above), then unplug and plug the reader in again</source>
        <translation>instale la regla de udev (vea más arriba) y después desconecte y vuelva a conectar el lector</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unplug and plug the reader in again: the udev rule applies when the reader is added</source>
        <translation>desconecte y vuelva a conectar el lector: la regla de udev se aplica cuando se añade el lector</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>no other program holds %1</source>
        <translation>ningún otro programa tiene %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is locked by %2 (%3)</source>
        <translation>%1 está bloqueado por %2 (%3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>end that program, or close the port in it</source>
        <translation>cierre ese programa, o cierre el puerto en él</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is open in %2</source>
        <translation>%1 está abierto en %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>end that program before using the reader: two programs on one reader confuse each other&apos;s frames</source>
        <translation>cierre ese programa antes de usar el lector: dos programas en un lector se confunden las tramas entre sí</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>in use by %1, which holds its lock %2</source>
        <translation>en uso por %1, que tiene su bloqueo %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wait until it is done: another program is refused as busy, or waits with keylon2ctl --wait SECONDS</source>
        <translation>espere a que termine: otro programa se rechaza como ocupado, o espera con keylon2ctl --wait SECONDS</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ModemManager leaves %1 alone</source>
        <translation>ModemManager deja en paz %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ModemManager may probe %1 with AT commands, which the reader takes for frames</source>
        <translation>ModemManager puede sondear %1 con órdenes AT, que el lector toma por tramas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install the udev rule, which marks the port to be left alone, and plug the reader in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>instale la regla de udev, que marca el puerto para dejarlo en paz, y vuelva a conectar el lector; o detenga ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/doctor.cpp" line="+33"/>
        <source>%1: only a reader&apos;s node is locked, and a reader whose node cannot be opened has no lock</source>
        <translation>%1: solo se bloquea el nodo de un lector, y un lector cuyo nodo no se puede abrir no tiene bloqueo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a service needs ReadWritePaths=%1; elsewhere make the directory, writable by every user and sticky (mode 1777)</source>
        <translation>un servicio necesita ReadWritePaths=%1; en otro caso cree el directorio, con escritura para todos los usuarios y bit sticky (modo 1777)</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="+332"/>
        <source>Configuration files (FILE), as the window&apos;s Export writes them: [FW] Ver (the firmware version;
never written) and [KEYLON] with these keys:
%1Another key in [KEYLON], a value that is no number where a number belongs, a value out of its
range, a key given twice, a &apos;;&apos; outside double quotes (the INI reader starts a comment there:
write Pre=&quot;AB;CD&quot;) or a bracketed name the notation does not know (such as [TAB], [cr] or
[Enter]) refuses the file before anything is sent, naming the key and how to write it. A UTF-8
byte order mark at the start of the file is skipped.
Bracket names in Pre, Post and Remove, with their codes in hexadecimal:%2
[0xHH] is any code (two hexadecimal digits), [0x5B] a &apos;[&apos; itself. Names are upper case.
The characters %3 are the codes b0 to b6.
</source>
        <translation>Archivos de configuración (FILE), tal como los escribe Exportar de la ventana: [FW] Ver (la versión
del firmware; nunca se escribe) y [KEYLON] con estas claves:
%1Otra clave en [KEYLON], un valor que no es un número donde va un número, un valor fuera de rango,
una clave indicada dos veces, un &apos;;&apos; fuera de comillas dobles (el lector INI empieza ahí un
comentario: escriba Pre=&quot;AB;CD&quot;) o un nombre entre corchetes que la notación no conoce (como [TAB],
[cr] o [Enter]) hace rechazar el archivo antes de enviar nada, indicando la clave y cómo escribirla.
Una marca de orden de bytes UTF-8 al principio del archivo se omite.
Nombres entre corchetes en Pre, Post y Remove, con sus códigos en hexadecimal:%2
[0xHH] es cualquier código (dos dígitos hexadecimales), [0x5B] un &apos;[&apos; en sí. Los nombres van en
mayúsculas.
Los caracteres %3 son los códigos b0 a b6.
</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="+11"/>
        <source>%1, %2</source>
        <extracomment>Two items of a list, such as two ways to name a reader (&quot;hid:PATH, serial:PORT&quot;)</extracomment>
        <translation>%1, %2</translation>
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
        <location filename="../src/window/connection/connection_panel.cpp" line="+90"/>
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
        <location line="+60"/>
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
        <location filename="../src/window/maintenance/firmware_update.cpp" line="+38"/>
        <location line="+47"/>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="+24"/>
        <location line="+81"/>
        <source>FW Update</source>
        <translation>Actualización del firmware</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>No se ha encontrado el programa de escritura del firmware %1 en %2; no se ha enviado nada al lector.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ISP Mode</source>
        <translation>Modo ISP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t send ISP mode command to device, please check your Keylon device!!</source>
        <translation>No se puede enviar la orden del modo ISP al dispositivo. Compruebe su dispositivo Keylon.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The reader did not come back within %1 seconds. It may wait in its loader: run the update again, or connect when the reader is back.</source>
        <translation>El lector no volvió en %1 segundos. Puede esperar en su cargador: ejecute de nuevo la actualización, o conéctese cuando el lector haya vuelto.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Another reader (serial number %1) came back where the reader was; nothing was written to it.</source>
        <translation>Otro lector (número de serie %1) volvió donde estaba el lector; no se escribió nada en él.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The reader is back, but its settings could not be read; nothing was written to it.</source>
        <translation>El lector ha vuelto, pero no se pudieron leer sus ajustes; no se escribió nada en él.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The reader is back and still reports firmware %1: the update did not change it.</source>
        <translation>El lector ha vuelto y sigue indicando el firmware %1: la actualización no lo cambió.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader is back with firmware %1 (before the update: %2).</source>
        <translation>El lector ha vuelto con el firmware %1 (antes de la actualización: %2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its settings are as before.</source>
        <translation>Sus ajustes son como antes.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>These settings are not as before the update: %1. Write back those of before?</source>
        <translation>Estos ajustes no son como antes de la actualización: %1. ¿Volver a escribir los de antes?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The settings of before the update were written back: %1.</source>
        <translation>Se volvieron a escribir los ajustes de antes de la actualización: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing back the settings of before the update failed at the %1.</source>
        <translation>La escritura de los ajustes de antes de la actualización falló en %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The settings of before the update were written, but these read back otherwise: %1.</source>
        <translation>Se escribieron los ajustes de antes de la actualización, pero estos se leen de otra forma: %1.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="-86"/>
        <source>Stop the writer</source>
        <translation>Detener la escritura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect and check</source>
        <translation>Conectar y comprobar</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Stopping the writer can leave the reader without working firmware. Stop it?</source>
        <translation>Detener la escritura puede dejar el lector sin un firmware que funcione. ¿Detenerla?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The firmware writer ended with exit code %1. Connect again when the reader is back.</source>
        <translation>El programa de escritura del firmware terminó con el código de salida %1. Vuelva a conectar cuando el lector esté de nuevo disponible.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/interface_change.cpp" line="+20"/>
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
        <location line="+9"/>
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
        <location filename="../src/window/settings_page/config_files.cpp" line="+24"/>
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
        <location line="+16"/>
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
        <location filename="../src/window/settings_page/settings_form.cpp" line="+95"/>
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
        <location filename="../src/window/settings_page/settings_writer.cpp" line="+26"/>
        <location line="+17"/>
        <location line="+7"/>
        <source>Setting Keylon</source>
        <translation>Ajuste del Keylon</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Writing to the reader failed at the interface change; the page was saved, the interface was not changed.</source>
        <translation>La escritura en el lector ha fallado en el cambio de interfaz; la página se ha guardado, la interfaz no ha cambiado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing to the reader failed at the %1; the reader did not save the page.</source>
        <translation>La escritura en el lector ha fallado en el paso «%1»; el lector no ha guardado la página.</translation>
    </message>
    <message>
        <location line="+9"/>
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
        <location filename="../src/window/ui/window_access.cpp" line="+263"/>
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
    <message>
        <location line="+5"/>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not connected</source>
        <translation>No conectado</translation>
    </message>
</context>
</TS>
