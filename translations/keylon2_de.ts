<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/core/link/access_check.cpp" line="+39"/>
        <source>The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then unplug and plug the reader in again.</source>
        <translation>Das Lesegerät ist angeschlossen, aber dieser Benutzer darf %1 nicht öffnen. Installieren Sie die udev-Regeln (%2, siehe README) und stecken Sie das Lesegerät dann aus und wieder ein.</translation>
    </message>
    <message>
        <location filename="../src/core/settings/settings_table.cpp" line="+22"/>
        <source>PreAmble</source>
        <translation>Präambel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PostAmble</source>
        <translation>Postambel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove Data</source>
        <translation>Daten entfernen</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/protocol/settings_frames.cpp" line="+47"/>
        <source>The %1 has %n codes</source>
        <extracomment>%1 the affix as the page labels it, %n how many codes it holds (more than the reader keeps)</extracomment>
        <translation>
            <numerusform>%1 enthält %n Codes</numerusform>
            <numerusform>%1 enthält %n Codes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>the %1 has %n codes</source>
        <translation>
            <numerusform>%1 enthält %n Codes</numerusform>
            <numerusform>%1 enthält %n Codes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1; the reader keeps at most %2. Nothing was sent.</source>
        <translation>%1; das Lesegerät speichert höchstens %2. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <location filename="../src/core/text/name_tables.cpp" line="+20"/>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>U.K</source>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>French</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <location filename="../src/core/session/session_result.cpp" line="+8"/>
        <source>status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>output window</source>
        <translation>Ausgabefenster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>keyboard country</source>
        <translation>Tastaturland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preamble</source>
        <translation>Präambel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>postamble</source>
        <translation>Postambel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>remove data</source>
        <translation>Daten entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>save command</source>
        <translation>Speicherbefehl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interface change</source>
        <translation>Schnittstellenwechsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ISP mode command</source>
        <translation>ISP-Modus-Befehl</translation>
    </message>
</context>
<context>
    <name>Keylon2ctl</name>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="+197"/>
        <source>(default: %1, %2)</source>
        <translation>(Standard: %1, %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(default: %1)</source>
        <translation>(Standard: %1)</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The reader: %1, sn:SERIAL or usb:PORTPATH, as list shows them. Commands on several readers take it as often as wanted.</source>
        <extracomment>%1 how each transport names a reader (&quot;hid:PATH, serial:PORT&quot;)</extracomment>
        <translation>Das Lesegerät: %1, sn:SERIAL oder usb:PORTPATH, wie list sie zeigt. Befehle für mehrere Lesegeräte nehmen die Option beliebig oft.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every attached reader.</source>
        <translation>Jedes angeschlossene Lesegerät.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write, apply, diff: readers at once; 0 is all at once.</source>
        <translation>write, apply, diff: Lesegeräte gleichzeitig; 0 heißt alle gleichzeitig.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>apply: read only and tell what would change; no write frame is sent.</source>
        <translation>apply: nur lesen und sagen, was sich ändern würde; es wird kein Schreibrahmen gesendet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apply: after the readers attached, each reader plugged in, once per plug, until SIGINT (Ctrl-C), SIGTERM or SIGHUP; then the summary. Exit 0 when no reader failed, else 1.</source>
        <translation>apply: nach den angeschlossenen Lesegeräten jedes eingesteckte Lesegerät, einmal je Einstecken, bis SIGINT (Strg-C), SIGTERM oder SIGHUP; dann die Zusammenfassung. Exit-Code 0, wenn kein Lesegerät fehlschlug, sonst 1.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A reader that another process holds (the window, a station, another keylon2ctl) is waited for, up to SECONDS; without it such a reader is refused at once as busy (exit 6), naming that process.</source>
        <translation>Auf ein Lesegerät, das ein anderer Prozess hält (das Fenster, eine Station, ein anderes keylon2ctl), wird bis zu SECONDS gewartet; ohne diese Option wird ein solches Lesegerät sofort als belegt abgewiesen (Exit-Code 6), mit Nennung dieses Prozesses.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A reader for which no lock can be had (neither a file in the lock directory nor the reader&apos;s node) is talked to all the same, with a warning; without it such a reader is refused and nothing is sent. Another program may then send its frames between this one&apos;s.</source>
        <translation>Mit einem Lesegerät, für das keine Sperre zu bekommen ist (weder eine Datei im Sperrverzeichnis noch der Geräteknoten des Lesegeräts), wird trotzdem gesprochen, mit einer Warnung; ohne diese Option wird ein solches Lesegerät abgewiesen und nichts gesendet. Ein anderes Programm kann dann seine Rahmen zwischen die dieses Programms senden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>write: read the reader first and change only the keys the file sets.</source>
        <translation>write: das Lesegerät zuerst lesen und nur die Einträge ändern, die die Datei setzt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write: do not read the settings back.</source>
        <translation>write: die Einstellungen nicht zurücklesen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: keep the reader&apos;s settings and firmware version in FILE, a configuration file that apply and the window&apos;s Import take; a folder gets one file per reader. Without it each reader&apos;s file goes to keylon2/firmware-backups/ in the user&apos;s state directory ($XDG_STATE_HOME, ~/.local/state), named by its serial number and the time.</source>
        <translation>firmware-update: Einstellungen und Firmware-Version des Lesegeräts in FILE aufbewahren, einer Konfigurationsdatei, die apply und der Import des Fensters annehmen; ein Ordner erhält eine Datei je Lesegerät. Ohne diese Option kommt die Datei jedes Lesegeräts nach keylon2/firmware-backups/ im Zustandsverzeichnis des Benutzers ($XDG_STATE_HOME, ~/.local/state), benannt nach seiner Seriennummer und der Uhrzeit.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>firmware-update: how long to wait for the reader to come back after the writer.</source>
        <translation>firmware-update: wie lange nach dem Schreibprogramm auf die Rückkehr des Lesegeräts gewartet wird.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>firmware-update: a reader that comes back with the version of before is no failure.</source>
        <translation>firmware-update: ein Lesegerät, das mit der bisherigen Version zurückkommt, gilt nicht als Fehler.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: the version the reader must report after the update; another one is a failure.</source>
        <translation>firmware-update: die Version, die das Lesegerät nach dem Update melden muss; eine andere ist ein Fehler.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: leave the settings the writer reset as they are, instead of writing back those of before.</source>
        <translation>firmware-update: die Einstellungen, die das Schreibprogramm zurückgesetzt hat, so lassen, statt die bisherigen zurückzuschreiben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>read: the configuration file or the settings alone as JSON.</source>
        <translation>read: die Konfigurationsdatei oder nur die Einstellungen als JSON.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One JSON document on standard output (&quot;schema&quot;: 1), also on failure. apply --watch: a JSON line per reader as it is done, then the document.</source>
        <translation>Ein JSON-Dokument auf der Standardausgabe (&quot;schema&quot;: 1), auch bei einem Fehler. apply --watch: eine JSON-Zeile je Lesegerät, sobald es fertig ist, dann das Dokument.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Also the protocol&apos;s debug lines, on standard error.</source>
        <translation>Auch die Debug-Zeilen des Protokolls, auf der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This help; after a command, that command&apos;s.</source>
        <translation>Diese Hilfe; nach einem Befehl die Hilfe dieses Befehls.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every command in full, the configuration file&apos;s keys and the exit codes.</source>
        <translation>Jeder Befehl vollständig, die Einträge der Konfigurationsdatei und die Exit-Codes.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The program&apos;s version.</source>
        <translation>Die Version des Programms.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--wait-back wants a number of seconds, 0 to %1</source>
        <translation>--wait-back erwartet eine Anzahl Sekunden, 0 bis %1</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>every attached reader, USB HID and serial, with its serial number and USB port</source>
        <translation>jedes angeschlossene Lesegerät, USB-HID und seriell, mit seiner Seriennummer und seinem USB-Anschluss</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On USB HID its node, on the serial line its port; each with its USB serial number, the USB socket it sits in (the name sysfs gives it, such as 1-2.3, which stays when the reader is plugged in again there), vendor and product ID, and product string or description. Warns when two readers share a serial number, or one has none: sn: cannot pick those. A serial port counts as a reader when its description starts with the reader driver&apos;s text or its USB vendor ID is 0416.</source>
        <translation>Bei USB-HID sein Geräteknoten, an der seriellen Schnittstelle sein Port; jeweils mit seiner USB-Seriennummer, dem USB-Steckplatz, in dem es steckt (der Name, den sysfs ihm gibt, etwa 1-2.3, der bleibt, wenn das Lesegerät dort wieder eingesteckt wird), Hersteller- und Produkt-ID sowie Produktname oder Beschreibung. Warnt, wenn zwei Lesegeräte dieselbe Seriennummer haben oder eines keine hat: sn: kann diese nicht auswählen. Eine serielle Schnittstelle zählt als Lesegerät, wenn ihre Beschreibung mit dem Text des Lesegerätetreibers beginnt oder ihre USB-Hersteller-ID 0416 ist.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the reader&apos;s settings as a configuration file (the window&apos;s Import reads it) or as JSON</source>
        <translation>die Einstellungen des Lesegeräts als Konfigurationsdatei (der Import des Fensters liest sie) oder als JSON</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over the serial line the reader does not tell its keyboard country: the file leaves KBCountry out, so that applying it keeps each reader&apos;s country.</source>
        <translation>Über die serielle Schnittstelle nennt das Lesegerät sein Tastaturland nicht: Die Datei lässt KBCountry weg, sodass ihr Anwenden das Tastaturland jedes Lesegeräts beibehält.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>writes and saves every setting of the file, then reads them back</source>
        <translation>schreibt und speichert jede Einstellung der Datei und liest sie dann zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Always writes, whether or not the reader holds the settings already. The file must set every [KEYLON] key but Interface, or the keys it leaves out would be reset; with --partial the reader is read first and only the keys the file sets change. A file without KBCountry, as read makes one over the serial line, writes to readers on the serial line; a reader on USB HID refuses it. The settings go to the interface the reader is on (the file&apos;s Interface is not applied: see set-interface); over the serial line KBCountry is not sent, the serial interface has no such setting.</source>
        <translation>Schreibt immer, ob das Lesegerät die Einstellungen schon hat oder nicht. Die Datei muss jeden [KEYLON]-Eintrag außer Interface setzen, sonst würden die weggelassenen Einträge zurückgesetzt; mit --partial wird das Lesegerät zuerst gelesen und nur die Einträge ändern sich, die die Datei setzt. Eine Datei ohne KBCountry, wie read sie über die serielle Schnittstelle erstellt, wird auf Lesegeräte an der seriellen Schnittstelle geschrieben; ein Lesegerät an USB-HID weist sie ab. Die Einstellungen gehen an die Schnittstelle, an der das Lesegerät ist (Interface aus der Datei wird nicht angewendet: siehe set-interface); über die serielle Schnittstelle wird KBCountry nicht gesendet, die serielle Schnittstelle hat diese Einstellung nicht.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>reads each reader and writes, saves and reads back only the readers whose settings differ from the file&apos;s</source>
        <translation>liest jedes Lesegerät und schreibt, speichert und liest nur die Lesegeräte zurück, deren Einstellungen von denen der Datei abweichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compares, key by key, what the reader holds with the keys the file sets, and changes only those keys. Each reader is unchanged, changed (naming the keys) or failed (saying why); a reader that already matches costs one read and nothing more. With --check nothing is written: it says what would change, and the exit code is 5 when a reader would change (0 when every reader matches). With --watch it is a station: it applies the file to the readers attached, then to each reader plugged in (on USB HID or the serial line), once per plug, a line per reader as it is done, until SIGINT (Ctrl-C), SIGTERM or SIGHUP, or until its output goes away; the readers under way then finish, and the summary follows. Its exit code is 0 when no reader failed, else 1 (not 128 plus the signal: a signal is how a station ends). It takes no --device. With --json it prints a JSON line per reader as it is done, and apply&apos;s whole document as its last line.</source>
        <translation>Vergleicht Eintrag für Eintrag, was das Lesegerät hat, mit den Einträgen, die die Datei setzt, und ändert nur diese Einträge. Jedes Lesegerät ist unverändert, geändert (mit den Einträgen) oder fehlgeschlagen (mit dem Grund); ein Lesegerät, das schon passt, kostet einen Lesevorgang und nichts weiter. Mit --check wird nichts geschrieben: Es sagt, was sich ändern würde, und der Exit-Code ist 5, wenn sich ein Lesegerät ändern würde (0, wenn jedes Lesegerät passt). Mit --watch ist es eine Station: Es wendet die Datei auf die angeschlossenen Lesegeräte an, dann auf jedes eingesteckte Lesegerät (an USB-HID oder der seriellen Schnittstelle), einmal je Einstecken, eine Zeile je Lesegerät, sobald es fertig ist, bis SIGINT (Strg-C), SIGTERM oder SIGHUP oder bis seine Ausgabe wegfällt; die laufenden Lesegeräte werden dann fertig, und die Zusammenfassung folgt. Sein Exit-Code ist 0, wenn kein Lesegerät fehlschlug, sonst 1 (nicht 128 plus das Signal: Ein Signal ist die Art, wie eine Station endet). Es nimmt kein --device. Mit --json gibt es eine JSON-Zeile je Lesegerät aus, sobald es fertig ist, und als letzte Zeile das ganze Dokument von apply.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>each reader&apos;s values that differ from the file&apos;s, key by key (reader -&gt; file); writes nothing</source>
        <translation>die Werte jedes Lesegeräts, die von denen der Datei abweichen, Eintrag für Eintrag (Lesegerät -&gt; Datei); schreibt nichts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The keys the file sets are compared as apply compares them; the values are spelled as a configuration file spells them. Exit 0 when every reader matches the file, 5 when one differs; a reader that failed gives its own code.</source>
        <translation>Die Einträge, die die Datei setzt, werden verglichen, wie apply sie vergleicht; die Werte werden geschrieben, wie eine Konfigurationsdatei sie schreibt. Exit-Code 0, wenn jedes Lesegerät zur Datei passt, 5, wenn eines abweicht; ein fehlgeschlagenes Lesegerät gibt seinen eigenen Code.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>switches the reader to its USB keyboard or its serial interface</source>
        <translation>schaltet das Lesegerät auf seine USB-Tastatur oder seine serielle Schnittstelle um</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader leaves the link and is found again on the other interface. Nothing is sent to a reader that is on that interface already.</source>
        <translation>Das Lesegerät verlässt die Verbindung und wird an der anderen Schnittstelle wiedergefunden. An ein Lesegerät, das schon an dieser Schnittstelle ist, wird nichts gesendet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>key ID codes from a reader on its serial interface, one per line, until interrupted</source>
        <translation>ID-Codes von Schlüsseln von einem Lesegerät an seiner seriellen Schnittstelle, einer je Zeile, bis zur Unterbrechung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>With --json the codes are collected and printed in one document when monitor ends.</source>
        <translation>Mit --json werden die Codes gesammelt und in einem Dokument ausgegeben, wenn monitor endet.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>what stands between this user and the readers, one line each with what to do</source>
        <translation>was zwischen diesem Benutzer und den Lesegeräten steht, je eine Zeile mit dem, was zu tun ist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checks the udev rule, whether this user may open each reader&apos;s node and through what (seat ACL, group, owner), whether this session has a seat (an SSH session has none: join group plugdev), ModemManager on a reader&apos;s port, brltty, and another process holding a port. Exit 0 when every attached reader can be opened, 3 when none is attached, 4 when one cannot be opened.</source>
        <translation>Prüft die udev-Regel, ob dieser Benutzer den Geräteknoten jedes Lesegeräts öffnen darf und wodurch (Seat-ACL, Gruppe, Eigentümer), ob diese Sitzung einen Seat hat (eine SSH-Sitzung hat keinen: Gruppe plugdev beitreten), ModemManager an der Schnittstelle eines Lesegeräts, brltty und einen anderen Prozess, der eine Schnittstelle hält. Exit-Code 0, wenn jedes angeschlossene Lesegerät geöffnet werden kann, 3, wenn keines angeschlossen ist, 4, wenn eines nicht geöffnet werden kann.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the bash or zsh completion script; devices: what --device completes to</source>
        <translation>das Vervollständigungsskript für bash oder zsh; devices: wozu --device vervollständigt</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Usage: keylon2ctl %1 [--json]</source>
        <translation>Aufruf: keylon2ctl %1 [--json]</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <location line="-206"/>
        <source>write, apply, set-interface, firmware-update: append JSON lines to LOG, the audit log: one per reader handled, and before a reader&apos;s first write frame a line that opens it. A log that cannot be opened stops the command before anything is sent.</source>
        <translation>write, apply, set-interface, firmware-update: JSON-Zeilen an LOG anhängen, das Prüfprotokoll: eine je bearbeitetem Lesegerät und vor dem ersten Schreibrahmen eines Lesegeräts eine Zeile, die es eröffnet. Ein Protokoll, das sich nicht öffnen lässt, beendet den Befehl, bevor etwas gesendet wird.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>write, apply, diff, set-interface, firmware-update: keep FILE (name it NAME.prom in node exporter&apos;s textfile directory) in Prometheus&apos; text format: readers by result, drift, firmware updates by outcome, the last reader and failure, the readers with their identity. A station writes it at each event, a run at its start and end. A file that cannot be written is said on standard error and changes nothing else.</source>
        <translation>write, apply, diff, set-interface, firmware-update: FILE (als NAME.prom im Textfile-Verzeichnis des Node Exporters) im Textformat von Prometheus führen: Lesegeräte nach Ergebnis, Abweichung, Firmware-Aktualisierungen nach Ausgang, das letzte Lesegerät und der letzte Fehler, die Lesegeräte mit ihrer Kennung. Eine Station schreibt sie bei jedem Ereignis, ein Lauf an seinem Anfang und Ende. Eine Datei, die sich nicht schreiben lässt, wird auf der Standardfehlerausgabe gemeldet und ändert sonst nichts.</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>puts the reader into ISP mode, runs ./flashmate RECONNKLN from the working directory, and checks the reader that comes back</source>
        <translation>versetzt das Lesegerät in den ISP-Modus, startet ./flashmate RECONNKLN aus dem Arbeitsverzeichnis und prüft das Lesegerät, das zurückkommt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before: the reader is read and its settings and firmware version kept in a backup file (see --backup); a reader that cannot be read, or a backup that cannot be written, gets nothing. After the writer: the same reader (the same serial number, else the same USB port; a new node is normal) is waited for up to --wait-back seconds and read. It is updated (the version before and after), or it failed: the writer changed nothing (the version of before; --allow-same takes that), another version than --expect-version, not back (it may wait in its loader: run the writer again, or unplug it and plug it in again), or another reader came back in its place (nothing is written to it). The settings the writer reset are written back from the backup, only those that differ, then read back, unless --keep-reset; the line says which. Several readers (--device as often as wanted, or --all) are updated one after another, never two in their loaders at once. An interrupt lets a writer under way run to its end (stopping a writer can leave the reader without working firmware), then no other reader starts. Nothing is sent when the firmware writer is not there. With --json the writer&apos;s output goes to standard error.</source>
        <translation>Vorher: Das Lesegerät wird gelesen und seine Einstellungen und Firmware-Version werden in einer Sicherungsdatei aufbewahrt (siehe --backup); ein Lesegerät, das sich nicht lesen lässt, oder eine Sicherung, die sich nicht schreiben lässt, bekommt nichts. Nach dem Schreibprogramm: Auf dasselbe Lesegerät (dieselbe Seriennummer, sonst derselbe USB-Anschluss; ein neuer Knoten ist normal) wird bis zu --wait-back Sekunden gewartet, dann wird es gelesen. Es ist aktualisiert (die Version vorher und nachher), oder es ist fehlgeschlagen: Das Schreibprogramm hat nichts geändert (die bisherige Version; --allow-same nimmt das hin), eine andere Version als --expect-version, nicht zurück (es kann in seinem Lader warten: Schreibprogramm erneut starten oder das Lesegerät aus- und wieder einstecken) oder ein anderes Lesegerät kam an seiner Stelle zurück (es wird nichts dorthin geschrieben). Die Einstellungen, die das Schreibprogramm zurückgesetzt hat, werden aus der Sicherung zurückgeschrieben, nur die abweichenden, dann zurückgelesen, außer mit --keep-reset; die Zeile sagt, welche. Mehrere Lesegeräte (--device beliebig oft oder --all) werden nacheinander aktualisiert, nie zwei zugleich in ihrem Lader. Eine Unterbrechung lässt ein laufendes Schreibprogramm zu Ende laufen (ein angehaltenes Schreibprogramm kann das Lesegerät ohne funktionierende Firmware zurücklassen), danach beginnt kein weiteres Lesegerät. Es wird nichts gesendet, wenn das Firmware-Schreibprogramm nicht da ist. Mit --json geht die Ausgabe des Schreibprogramms auf die Standardfehlerausgabe.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Reads and writes the settings of Keylon2 key readers.

Usage: keylon2ctl COMMAND [ARGUMENTS] [OPTIONS]
       keylon2ctl COMMAND --help

Commands:
</source>
        <translation>Liest und schreibt die Einstellungen von Keylon2-Schlüssellesegeräten.

Aufruf: keylon2ctl BEFEHL [ARGUMENTE] [OPTIONEN]
       keylon2ctl BEFEHL --help

Befehle:
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DEVICE is --device %1, sn:SERIAL or usb:PORTPATH (as list shows them), or the same word after the command&apos;s arguments; without one, the only attached reader. A serial number that two readers share, or an empty one, never picks a reader. Serial ports count as readers by their description or their USB vendor ID 0416; any other port must be named.</source>
        <translation>DEVICE ist --device %1, sn:SERIAL oder usb:PORTPATH (wie list sie zeigt) oder dasselbe Wort nach den Argumenten des Befehls; ohne eines das einzige angeschlossene Lesegerät. Eine Seriennummer, die zwei Lesegeräte teilen, oder eine leere wählt nie ein Lesegerät. Serielle Schnittstellen zählen als Lesegeräte nach ihrer Beschreibung oder ihrer USB-Hersteller-ID 0416; jede andere Schnittstelle muss genannt werden.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit codes:</source>
        <translation>Exit-Codes:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>apply --watch ends at SIGINT, SIGTERM or SIGHUP, or when its output goes away, with 0 when no reader failed, else 1.</source>
        <translation>apply --watch endet bei SIGINT, SIGTERM oder SIGHUP oder wenn seine Ausgabe wegfällt, mit 0, wenn kein Lesegerät fehlschlug, sonst 1.</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/exit_codes.h" line="+31"/>
        <source>success (every reader unchanged, or changed, written or switched as asked)</source>
        <translation>Erfolg (jedes Lesegerät unverändert oder wie verlangt geändert, geschrieben oder umgeschaltet)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a reader failed (no answer, a write that failed, a difference on verify)</source>
        <translation>ein Lesegerät ist fehlgeschlagen (keine Antwort, ein fehlgeschlagenes Schreiben, eine Abweichung beim Prüfen)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>usage error, or a file that cannot be taken (nothing was sent)</source>
        <translation>Aufruffehler oder eine Datei, die nicht angenommen werden kann (es wurde nichts gesendet)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no reader found</source>
        <translation>kein Lesegerät gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>permission denied on the reader&apos;s device node</source>
        <translation>Zugriff auf den Geräteknoten des Lesegeräts verweigert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drift: diff or apply --check found a reader that differs from the file (a failure keeps its own code)</source>
        <translation>Abweichung: diff oder apply --check fand ein Lesegerät, das von der Datei abweicht (ein Fehler behält seinen eigenen Code)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>busy: a reader is held by another process (--wait not given, or it ran out)</source>
        <translation>belegt: Ein Lesegerät wird von einem anderen Prozess gehalten (--wait nicht angegeben oder abgelaufen)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hung up (SIGHUP, a dropped session): the readers under way finished, no other was started</source>
        <translation>aufgelegt (SIGHUP, eine abgebrochene Sitzung): Die laufenden Lesegeräte wurden fertig, kein weiteres wurde begonnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interrupted (SIGINT, Ctrl-C): the readers under way finished, no other was started</source>
        <translation>unterbrochen (SIGINT, Strg-C): Die laufenden Lesegeräte wurden fertig, kein weiteres wurde begonnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output went away (a closed pipe or terminal: EPIPE or EIO): ended as after an interrupt; never killed by SIGPIPE</source>
        <translation>die Ausgabe ist weggefallen (eine geschlossene Pipe oder ein geschlossenes Terminal: EPIPE oder EIO): beendet wie nach einer Unterbrechung; nie durch SIGPIPE beendet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>terminated (SIGTERM): the readers under way finished, no other was started</source>
        <translation>beendet (SIGTERM): Die laufenden Lesegeräte wurden fertig, kein weiteres wurde begonnen</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+180"/>
        <source>writing</source>
        <translation>schreibt</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="+56"/>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+16"/>
        <source>would change: %1</source>
        <translation>würde sich ändern: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>changed: %1</source>
        <translation>geändert: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> (saved; not read back after the interrupt)</source>
        <translation> (gespeichert; nach der Unterbrechung nicht zurückgelesen)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>would change</source>
        <extracomment>How the summary counts the readers that apply changed or would change (&quot;3 changed&quot;)</extracomment>
        <translation>würden sich ändern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>checking</source>
        <translation>prüft</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>applying</source>
        <translation>wendet an</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>differs: %1</source>
        <translation>weicht ab: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>differ</source>
        <extracomment>How the summary counts the readers that differ from the file (&quot;2 differ&quot;)</extracomment>
        <translation>weichen ab</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>--backup names one file, and several readers are to be updated: name a folder. Nothing was sent.</source>
        <translation>--backup nennt eine Datei, aber mehrere Lesegeräte sollen aktualisiert werden: Nennen Sie einen Ordner. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a firmware writer under way runs to its end (stopping it can leave the reader without working firmware)</source>
        <translation>ein laufendes Firmware-Schreibprogramm läuft zu Ende (es anzuhalten kann das Lesegerät ohne funktionierende Firmware zurücklassen)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not started: %1 did not come back and may wait in its loader, where a second reader could not be told from it; nothing was sent</source>
        <translation>nicht begonnen: %1 kam nicht zurück und kann in seinem Lader warten, wo ein zweites Lesegerät nicht davon zu unterscheiden wäre; es wurde nichts gesendet</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>updated</source>
        <extracomment>How the summary counts the readers whose firmware was updated (&quot;2 updated&quot;)</extracomment>
        <translation>aktualisiert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>updating</source>
        <translation>aktualisiert gerade</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="+6"/>
        <source>reading</source>
        <translation>liest</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="-68"/>
        <source>switched</source>
        <extracomment>How the summary counts the readers switched to the other interface (&quot;2 switched&quot;)</extracomment>
        <translation>umgeschaltet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>switching</source>
        <translation>schaltet um</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="-39"/>
        <source>interrupted: nothing was written</source>
        <translation>unterbrochen: nichts wurde geschrieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not started</source>
        <translation>nicht begonnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>%n readers: %1 done, %2 failed</source>
        <translation>
            <numerusform>%n Lesegerät: %1 fertig, %2 fehlgeschlagen</numerusform>
            <numerusform>%n Lesegeräte: %1 fertig, %2 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n readers: %1 unchanged, %3 %4, %2 failed</source>
        <extracomment>%3: how many readers changed, %4 the word for them (&quot;changed&quot;, &quot;differ&quot;, ...)</extracomment>
        <translation>
            <numerusform>%n Lesegerät: %1 unverändert, %3 %4, %2 fehlgeschlagen</numerusform>
            <numerusform>%n Lesegeräte: %1 unverändert, %3 %4, %2 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>, %1 interrupted, %2 not started</source>
        <translation>, %1 unterbrochen, %2 nicht begonnen</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="+172"/>
        <source>settings as before</source>
        <translation>Einstellungen wie vorher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>settings left reset (--keep-reset): %1</source>
        <translation>Einstellungen zurückgesetzt gelassen (--keep-reset): %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>settings restored: %1</source>
        <translation>Einstellungen wiederhergestellt: %1</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>written, saved and verified</source>
        <translation>geschrieben, gespeichert und geprüft</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>written and saved</source>
        <translation>geschrieben und gespeichert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>already on the serial interface</source>
        <translation>schon an der seriellen Schnittstelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already on the USB keyboard interface</source>
        <translation>schon an der Schnittstelle USB-Tastatur</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the reader switches to the serial interface</source>
        <translation>das Lesegerät wechselt zur seriellen Schnittstelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader switches to the USB keyboard interface</source>
        <translation>das Lesegerät wechselt zur Schnittstelle USB-Tastatur</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>cannot write the backup %1: %2; nothing was sent</source>
        <translation>die Sicherung %1 lässt sich nicht schreiben: %2; es wurde nichts gesendet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: settings and firmware %2 kept in %3</source>
        <translation>%1: Einstellungen und Firmware %2 aufbewahrt in %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the reader did not come back within %1 s; it may wait in its loader: run the firmware writer again, or unplug the reader and plug it in again; its settings are in %2</source>
        <translation>das Lesegerät kam nicht innerhalb von %1 s zurück; es kann in seinem Lader warten: Firmware-Schreibprogramm erneut starten oder das Lesegerät aus- und wieder einstecken; seine Einstellungen sind in %2</translation>
    </message>
    <message>
        <location line="-146"/>
        <source>another reader (%1, %2) came back where this one was; nothing was written to it</source>
        <translation>ein anderes Lesegerät (%1, %2) kam an der Stelle dieses zurück; es wurde nichts dorthin geschrieben</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>updated: firmware %1 -&gt; %2; %3</source>
        <extracomment>%1 the firmware version before, %2 after, %3 what became of the settings</extracomment>
        <translation>aktualisiert: Firmware %1 -&gt; %2; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the firmware writer ended, but the reader still reports firmware %1: nothing was updated</source>
        <translation>das Firmware-Schreibprogramm ist zu Ende, aber das Lesegerät meldet weiter Firmware %1: nichts wurde aktualisiert</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>firmware %1 as before (--allow-same); %2</source>
        <translation>Firmware %1 wie vorher (--allow-same); %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the reader reports firmware %1, not %2 as expected</source>
        <translation>das Lesegerät meldet Firmware %1, nicht wie erwartet %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; backup %1</source>
        <translation>; Sicherung %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/station.cpp" line="+260"/>
        <source>udev&apos;s monitor</source>
        <translation>den Monitor von udev</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>changes in %1</source>
        <translation>Änderungen in %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a listing once a second</source>
        <translation>eine Auflistung je Sekunde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>waiting for readers to be plugged in (%1); Ctrl-C ends</source>
        <translation>Warte auf eingesteckte Lesegeräte (%1); Strg-C beendet</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/document.cpp" line="+59"/>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/io.cpp" line="+22"/>
        <source>the output went away: the readers under way finish, no other starts</source>
        <translation>die Ausgabe ist weggefallen: Die laufenden Lesegeräte werden fertig, kein weiteres beginnt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interrupted: the readers under way finish, no other starts; interrupt again to end at once</source>
        <translation>unterbrochen: Die laufenden Lesegeräte werden fertig, kein weiteres beginnt; erneut unterbrechen, um sofort zu beenden</translation>
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
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1. Fix: %2</source>
        <extracomment>%1 what doctor found, %2 what to do about it</extracomment>
        <translation>%1. Abhilfe: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/parser.cpp" line="+46"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach „%1“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>no command given; see --help</source>
        <translation>kein Befehl angegeben; siehe --help</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation>unbekannter Befehl „%1“; siehe --help</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 does not take --%2; see keylon2ctl %1 --help</source>
        <extracomment>%1 a command, %2 an option&apos;s name</extracomment>
        <translation>%1 kennt --%2 nicht; siehe keylon2ctl %1 --help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 wants %2</source>
        <extracomment>%2: the values it takes, as they are typed (&quot;cfg or json&quot;)</extracomment>
        <translation>--%1 erwartet %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: wrong number of arguments; see --help</source>
        <translation>%1: falsche Anzahl von Argumenten; siehe --help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected argument %1; see keylon2ctl %2 --help</source>
        <translation>unerwartetes Argument %1; siehe keylon2ctl %2 --help</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 wants %2</source>
        <extracomment>%1 a command, %2 the values its argument takes, as they are typed (&quot;usb or serial&quot;)</extracomment>
        <translation>%1 erwartet %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 works on one reader; %2 were named</source>
        <translation>%1 arbeitet mit einem Lesegerät; %2 wurden angegeben</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="-207"/>
        <source>--device and --all exclude each other</source>
        <translation>--device und --all schließen einander aus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--jobs wants a number of readers (0: all at once)</source>
        <translation>--jobs erwartet eine Anzahl Lesegeräte (0: alle auf einmal)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--wait wants a number of seconds, 0 to %1</source>
        <translation>--wait erwartet eine Anzahl Sekunden, 0 bis %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--json and --format exclude each other</source>
        <translation>--json und --format schließen einander aus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch takes every reader plugged in; it does not take --device</source>
        <translation>--watch nimmt jedes eingesteckte Lesegerät; es kennt --device nicht</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/document.cpp" line="-7"/>
        <source>--%1 wants a file name</source>
        <translation>--%1 erwartet einen Dateinamen</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="-211"/>
        <source>%1. Nothing was sent.</source>
        <translation>%1. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>%1 Nothing was sent.</source>
        <translation>%1 Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/devices.cpp" line="+60"/>
        <source>%1 readers found, name one with --device: %2</source>
        <translation>%1 Lesegeräte gefunden, nennen Sie eines mit --device: %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--device wants %1, sn:SERIAL or usb:PORTPATH, not &quot;%2&quot;</source>
        <extracomment>%1 how each transport names a reader (&quot;hid:PATH, serial:PORT&quot;), %2 what was given</extracomment>
        <translation>--device erwartet %1, sn:SERIAL oder usb:PORTPATH, nicht „%2“</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no reader at %1 (found: %2)</source>
        <translation>kein Lesegerät an %1 (gefunden: %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 readers answer to %2 (%3); it cannot pick one: name it by usb:PORTPATH or %4</source>
        <extracomment>%4 how the readers&apos; transport names one (&quot;hid:PATH&quot;)</extracomment>
        <translation>%1 Lesegeräte passen zu %2 (%3); damit ist keines bestimmt: nennen Sie es mit usb:PORTPATH oder %4</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 has no serial number; sn: cannot pick it</source>
        <translation>%1 hat keine Seriennummer; sn: kann es nicht wählen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 readers share the serial number %2 (%3); sn: cannot pick them, name them by usb:PORTPATH or %4</source>
        <extracomment>%4 how the readers&apos; transport names one (&quot;hid:PATH&quot;)</extracomment>
        <translation>%1 Lesegeräte haben dieselbe Seriennummer %2 (%3); sn: kann sie nicht wählen, nennen Sie sie mit usb:PORTPATH oder %4</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>no lock (%1); going on without one, as --no-lock asks</source>
        <translation>keine Sperre (%1); es geht ohne weiter, wie --no-lock verlangt</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>no lock can be had (%1); nothing was sent. Make the lock directory %2 writable for this user, or give --no-lock to go on without one</source>
        <translation>keine Sperre erhältlich (%1); es wurde nichts gesendet. Machen Sie das Sperrverzeichnis %2 für diesen Benutzer beschreibbar oder geben Sie --no-lock an, um ohne Sperre weiterzumachen</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>busy: still in use by %1 after waiting %2 s</source>
        <extracomment>%1 the program that holds the reader (&quot;keylon2ctl (process 4242)&quot;)</extracomment>
        <translation>belegt: nach %2 s Warten noch in Gebrauch durch %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>busy: in use by %1; --wait SECONDS waits for it</source>
        <translation>belegt: in Gebrauch durch %1; --wait SECONDS wartet darauf</translation>
    </message>
    <message>
        <location filename="../src/core/link/reader_lock.cpp" line="+346"/>
        <source>%1 (process %2)</source>
        <extracomment>%1 the program that holds the reader (&quot;keylon2ctl&quot;)</extracomment>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a program</source>
        <translation>ein Programm</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>another process</source>
        <translation>ein anderer Prozess</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/devices.cpp" line="+19"/>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/reader_outcome.cpp" line="+78"/>
        <source>not started: interrupted</source>
        <translation>nicht begonnen: unterbrochen</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="-333"/>
        <source>interrupted before anything was written</source>
        <translation>unterbrochen, bevor etwas geschrieben wurde</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>verify failed: %1</source>
        <extracomment>%1: each key that read back otherwise, separated by &quot;; &quot;</extracomment>
        <translation>Prüfung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/jobs.cpp" line="+79"/>
        <source>%1 is %2, wrote %3</source>
        <extracomment>%1 a key of the configuration file, %2 the value read back, %3 the value written</extracomment>
        <translation>%1 ist %2, geschrieben %3</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>writing the %1 failed</source>
        <extracomment>%1 a step of the exchange: status, options, output window, preamble, save command, ...</extracomment>
        <translation>Schreiben fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing the %1 failed (%2)</source>
        <translation>Schreiben fehlgeschlagen: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer to the %1 read</source>
        <translation>keine Antwort beim Lesen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer to the %1 read (%2)</source>
        <translation>keine Antwort beim Lesen: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad answer to the %1 read</source>
        <translation>ungültige Antwort beim Lesen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad answer to the %1 read (%2)</source>
        <translation>ungültige Antwort beim Lesen: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader is gone, at the %1</source>
        <translation>das Lesegerät ist nicht mehr da, bei: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader is gone, at the %1 (%2)</source>
        <translation>das Lesegerät ist nicht mehr da, bei: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/reader_commands.cpp" line="+205"/>
        <source>the serial line is gone</source>
        <translation>die serielle Verbindung ist weg</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>a reader on USB HID types its key ID codes as keystrokes; monitor needs a serial reader</source>
        <translation>ein Lesegerät an USB HID tippt seine ID-Codes als Tastendrücke; monitor braucht ein serielles Lesegerät</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="+147"/>
        <source>%1 lacks KBCountry in [KEYLON]: over USB HID write sends the keyboard country and would reset it; add it, or change only what the file sets with --partial or apply. Nothing was sent.</source>
        <translation>%1 fehlt KBCountry in [KEYLON]: über USB HID sendet write das Tastaturland und würde es zurücksetzen; ergänzen Sie es oder ändern Sie mit --partial oder apply nur, was die Datei setzt. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+132"/>
        <source>%1 lacks %2 in [KEYLON]: write sends every setting and would reset those; add them, or change only what the file sets with --partial or apply. Nothing was sent.</source>
        <extracomment>%2: the keys the file lacks</extracomment>
        <translation>%1 fehlen %2 in [KEYLON]: write sendet jede Einstellung und würde diese zurücksetzen; ergänzen Sie sie oder ändern Sie mit --partial oder apply nur, was die Datei setzt. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>%1 sets none of the reader&apos;s settings in [KEYLON].</source>
        <translation>%1 setzt in [KEYLON] keine Einstellung des Lesegeräts.</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="+262"/>
        <source>Cannot read %1: %2.</source>
        <extracomment>%2: why, as the system words it</extracomment>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 holds no Keylon settings.</source>
        <translation>%1 enthält keine Keylon-Einstellungen.</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+27"/>
        <source>cannot read %1 again for the log: %2</source>
        <translation>%1 kann für das Protokoll nicht erneut gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>Das Firmware-Schreibprogramm %1 wurde in %2 nicht gefunden; es wurde nichts an das Lesegerät gesendet.</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="-70"/>
        <source>the firmware writer did not run to its end</source>
        <translation>das Firmware-Schreibprogramm lief nicht bis zum Ende</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the firmware writer ended with exit code %1</source>
        <translation>das Firmware-Schreibprogramm endete mit Exit-Code %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/audit_log.cpp" line="+91"/>
        <source>cannot open the log %1: %2</source>
        <translation>das Protokoll %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot use %1 as the log: not a regular file</source>
        <translation>%1 kann nicht als Protokoll dienen: keine reguläre Datei</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>the log %1 is closed</source>
        <translation>das Protokoll %1 ist geschlossen</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>cannot write to the log %1: %2</source>
        <translation>in das Protokoll %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot write to the log %1: only %2 of %3 bytes of a line went out</source>
        <translation>in das Protokoll %1 kann nicht geschrieben werden: nur %2 von %3 Bytes einer Zeile gingen hinaus</translation>
    </message>
    <message>
        <location line="-92"/>
        <source>cannot save the log %1: %2</source>
        <translation>das Protokoll %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/metrics.cpp" line="+281"/>
        <source>cannot write the metrics %1: %2</source>
        <translation>die Metriken %1 können nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="-193"/>
        <source>%1: %2=%3: %4 is not a bracket name the notation knows; %5</source>
        <translation>%1: %2=%3: %4 ist kein Klammername der Schreibweise; %5</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>write a name the notation knows (keylon2ctl --help-all lists them) or any code as [0xHH]; a &apos;[&apos; itself is [0x5B]</source>
        <translation>schreiben Sie einen Namen, den die Schreibweise kennt (keylon2ctl --help-all listet sie auf), oder einen beliebigen Code als [0xHH]; ein &apos;[&apos; selbst ist [0x5B]</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>write [%1]</source>
        <translation>schreiben Sie [%1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write [%1] (code %2)</source>
        <translation>schreiben Sie [%1] (Code %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: %2=%3: the &apos;[&apos; of %4 is never closed; close the name, or write a &apos;[&apos; itself as [0x5B]</source>
        <translation>%1: %2=%3: das &apos;[&apos; von %4 wird nie geschlossen; schließen Sie den Namen oder schreiben Sie ein &apos;[&apos; selbst als [0x5B]</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1: unknown key %2 in [KEYLON]</source>
        <translation>%1: unbekannter Eintrag %2 in [KEYLON]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: unknown key %2 in [KEYLON]; did you mean %3?</source>
        <translation>%1: unbekannter Eintrag %2 in [KEYLON]; meinten Sie %3?</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>%1: unknown key %2 in [KEYLON]; the key is spelled %3</source>
        <translation>%1: unbekannter Eintrag %2 in [KEYLON]; der Eintrag wird %3 geschrieben</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1; a &apos;#&apos; does not start a comment after a value: put the comment on a line of its own</source>
        <translation>%1; ein &apos;#&apos; beginnt nach einem Wert keinen Kommentar: schreiben Sie den Kommentar in eine eigene Zeile</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: %2 is given twice in [KEYLON] (lines %3 and %4), and only the last line would count; keep the one line you mean</source>
        <translation>%1: %2 steht zweimal in [KEYLON] (Zeilen %3 und %4), und nur die letzte Zeile würde zählen; behalten Sie die eine Zeile, die Sie meinen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: line %2: %3=%4: a &apos;;&apos; outside double quotes starts a comment, so this reads as %3=%5; write %3=%6 to keep the &apos;;&apos;, or put a comment on a line of its own</source>
        <translation>%1: Zeile %2: %3=%4: ein &apos;;&apos; außerhalb doppelter Anführungszeichen beginnt einen Kommentar, also liest sich das als %3=%5; schreiben Sie %3=%6, um das &apos;;&apos; zu behalten, oder setzen Sie einen Kommentar in eine eigene Zeile</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: the section [%2] is spelled [KEYLON]</source>
        <translation>%1: der Abschnitt [%2] wird [KEYLON] geschrieben</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is saved as %2 (Notepad calls it &quot;Unicode&quot;); save it as UTF-8</source>
        <translation>%1 ist als %2 gespeichert (der Editor nennt das „Unicode“); speichern Sie sie als UTF-8</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1: %2=%3 is not 0 or 1</source>
        <translation>%1: %2=%3 ist nicht 0 oder 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2=%3 is not a number</source>
        <translation>%1: %2=%3 ist keine Zahl</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2=%3 is out of range: %4</source>
        <extracomment>%4: the range, &quot;0 to 255&quot;</extracomment>
        <translation>%1: %2=%3 liegt außerhalb des Bereichs: %4</translation>
    </message>
    <message>
        <location line="-275"/>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>%1 to %2 (%3)</source>
        <translation>%1 bis %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/settings_table.cpp" line="+137"/>
        <source>0 or 1 (true and false are taken too)</source>
        <translation>0 oder 1 (true und false gehen auch)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the preamble, postamble and remove data, in the bracket notation; at most 31 codes each</source>
        <translation>Präambel, Postambel und Daten entfernen, in der Klammerschreibweise; je höchstens 31 Codes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 to %2: the reader keeps one byte, and a read shows it signed</source>
        <translation>%1 bis %2: das Lesegerät speichert ein Byte, und Lesen zeigt es mit Vorzeichen</translation>
    </message>
    <message>
        <location line="-153"/>
        <source>0 USB keyboard, 1 serial: the interface the file was read over; never applied</source>
        <translation>0 USB-Tastatur, 1 seriell: die Schnittstelle, über die die Datei gelesen wurde; wird nie angewendet</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1; not on the serial interface</source>
        <extracomment>%1: the keyboard countries with their numbers</extracomment>
        <translation>%1; nicht an der seriellen Schnittstelle</translation>
    </message>
    <message>
        <location filename="../src/core/access/access_doctor.cpp" line="+344"/>
        <source>the udev rule is switched off: %1 links to /dev/null</source>
        <translation>die udev-Regel ist abgeschaltet: %1 verweist auf /dev/null</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remove that link and run sudo udevadm control --reload-rules; then unplug and plug the reader in again</source>
        <translation>entfernen Sie diesen Verweis und führen Sie sudo udevadm control --reload-rules aus; stecken Sie dann das Lesegerät aus und wieder ein</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the udev rule %1 is not installed</source>
        <translation>die udev-Regel %1 ist nicht installiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>install the keylon2-utility package, or copy %1 to /etc/udev/rules.d/ and run sudo udevadm control --reload-rules; then unplug and plug the reader in again</source>
        <translation>installieren Sie das Paket keylon2-utility oder kopieren Sie %1 nach /etc/udev/rules.d/ und führen Sie sudo udevadm control --reload-rules aus; stecken Sie dann das Lesegerät aus und wieder ein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the udev rule %1 gives the readers to the user at the seat only</source>
        <translation>die udev-Regel %1 gibt die Lesegeräte nur dem Benutzer am Arbeitsplatz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install the package&apos;s rule, which also gives them to group plugdev</source>
        <translation>installieren Sie die Regel des Pakets, die sie auch der Gruppe plugdev gibt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the udev rule is installed: %1</source>
        <translation>die udev-Regel ist installiert: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>running as root, which may open every node</source>
        <translation>läuft als root, der jeden Geräteknoten öffnen darf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this session is at seat %1, whose user the udev rule hands the readers</source>
        <translation>diese Sitzung ist am Arbeitsplatz %1, dessen Benutzer die udev-Regel die Lesegeräte gibt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this session has no seat (as over SSH); the readers come through group plugdev, which this user is in</source>
        <translation>diese Sitzung hat keinen Arbeitsplatz (wie über SSH); die Lesegeräte kommen über die Gruppe plugdev, in der dieser Benutzer ist</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this session has no seat (as over SSH): the seat&apos;s access does not reach it</source>
        <translation>diese Sitzung hat keinen Arbeitsplatz (wie über SSH): der Zugriff des Arbeitsplatzes reicht nicht bis zu ihr</translation>
    </message>
    <message>
        <location line="-255"/>
        <source>log in again: this user joined group plugdev after this session began</source>
        <translation>melden Sie sich neu an: dieser Benutzer ist der Gruppe plugdev nach Beginn dieser Sitzung beigetreten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>join group plugdev: sudo usermod -aG plugdev %1, then log in again</source>
        <translation>treten Sie der Gruppe plugdev bei: sudo usermod -aG plugdev %1, dann melden Sie sich neu an</translation>
    </message>
    <message>
        <location line="+267"/>
        <source>ModemManager is not running</source>
        <translation>ModemManager läuft nicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager läuft (PID %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>brltty is installed: it takes over USB serial adapters it knows when they are plugged in</source>
        <translation>brltty ist installiert: es übernimmt USB-Seriell-Adapter, die es kennt, sobald sie eingesteckt werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>if the reader&apos;s serial port vanishes when it is plugged in, remove it: sudo apt-get remove brltty</source>
        <translation>wenn die serielle Schnittstelle des Lesegeräts beim Einstecken verschwindet, entfernen Sie es: sudo apt-get remove brltty</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>brltty is not installed</source>
        <translation>brltty ist nicht installiert</translation>
    </message>
    <message>
        <location line="-220"/>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>unplug and plug the reader in again</source>
        <translation>stecken Sie das Lesegerät aus und wieder ein</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>this user may open %1</source>
        <translation>dieser Benutzer darf %1 öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, as root</source>
        <translation>dieser Benutzer darf %1 öffnen, als root</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>this user may open %1, as its owner</source>
        <translation>dieser Benutzer darf %1 öffnen, als Eigentümer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, through the seat&apos;s ACL entry</source>
        <translation>dieser Benutzer darf %1 öffnen, über den ACL-Eintrag des Arbeitsplatzes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, through group %2</source>
        <translation>dieser Benutzer darf %1 öffnen, über die Gruppe %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, as every user may (mode %2)</source>
        <translation>dieser Benutzer darf %1 öffnen, wie jeder Benutzer (Modus %2)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not there to be opened</source>
        <translation>%1 ist nicht da und kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>this user may not open %1</source>
        <translation>dieser Benutzer darf %1 nicht öffnen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>this user may not open %1 (owner %2, group %3, mode %4)</source>
        <translation>dieser Benutzer darf %1 nicht öffnen (Eigentümer %2, Gruppe %3, Modus %4)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>this user may not open %1 (owner %2, group %3, mode %4, no ACL entry for this user)</source>
        <translation>dieser Benutzer darf %1 nicht öffnen (Eigentümer %2, Gruppe %3, Modus %4, kein ACL-Eintrag für diesen Benutzer)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>install the udev rule (see above), then unplug and plug the reader in again</source>
        <translation>installieren Sie die udev-Regel (siehe oben) und stecken Sie dann das Lesegerät aus und wieder ein</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unplug and plug the reader in again: the udev rule applies when the reader is added</source>
        <translation>stecken Sie das Lesegerät aus und wieder ein: die udev-Regel greift, wenn das Lesegerät hinzukommt</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>no other program holds %1</source>
        <translation>kein anderes Programm hält %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is locked by %2 (%3)</source>
        <translation>%1 ist gesperrt von %2 (%3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>end that program, or close the port in it</source>
        <translation>beenden Sie dieses Programm oder schließen Sie dort die Schnittstelle</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is open in %2</source>
        <translation>%1 ist geöffnet in %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>end that program before using the reader: two programs on one reader confuse each other&apos;s frames</source>
        <translation>beenden Sie dieses Programm, bevor Sie das Lesegerät benutzen: zwei Programme an einem Lesegerät bringen einander die Rahmen durcheinander</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>in use by %1, which holds its lock %2</source>
        <translation>in Gebrauch durch %1, das seine Sperre %2 hält</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wait until it is done: another program is refused as busy, or waits with keylon2ctl --wait SECONDS</source>
        <translation>warten Sie, bis es fertig ist: ein anderes Programm wird als belegt abgewiesen oder wartet mit keylon2ctl --wait SECONDS</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ModemManager leaves %1 alone</source>
        <translation>ModemManager lässt %1 in Ruhe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ModemManager may probe %1 with AT commands, which the reader takes for frames</source>
        <translation>ModemManager kann %1 mit AT-Befehlen abfragen, die das Lesegerät für Rahmen hält</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install the udev rule, which marks the port to be left alone, and plug the reader in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>installieren Sie die udev-Regel, die die Schnittstelle als in Ruhe zu lassen markiert, und stecken Sie das Lesegerät neu ein; oder beenden Sie ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/doctor.cpp" line="+33"/>
        <source>%1: only a reader&apos;s node is locked, and a reader whose node cannot be opened has no lock</source>
        <translation>%1: nur der Geräteknoten eines Lesegeräts wird gesperrt, und ein Lesegerät, dessen Knoten sich nicht öffnen lässt, hat keine Sperre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a service needs ReadWritePaths=%1; elsewhere make the directory, writable by every user and sticky (mode 1777)</source>
        <translation>ein Dienst braucht ReadWritePaths=%1; andernorts legen Sie das Verzeichnis an, für jeden Benutzer beschreibbar und mit Sticky-Bit (Modus 1777)</translation>
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
        <translation>Konfigurationsdateien (FILE), wie „Exportieren“ im Fenster sie schreibt: [FW] Ver (die Firmware-Version;
wird nie geschrieben) und [KEYLON] mit diesen Einträgen:
%1Ein anderer Eintrag in [KEYLON], ein Wert, der keine Zahl ist, wo eine Zahl hingehört, ein Wert
außerhalb seines Bereichs, ein doppelt angegebener Eintrag, ein &apos;;&apos; außerhalb doppelter
Anführungszeichen (der INI-Leser beginnt dort einen Kommentar: schreiben Sie Pre=&quot;AB;CD&quot;) oder ein
Klammername, den die Schreibweise nicht kennt (etwa [TAB], [cr] oder [Enter]), weist die Datei
zurück, bevor etwas gesendet wird, und nennt den Eintrag und wie er zu schreiben ist. Eine
UTF-8-Bytereihenfolgemarke am Anfang der Datei wird übersprungen.
Klammernamen in Pre, Post und Remove, mit ihren Codes hexadezimal:%2
[0xHH] ist ein beliebiger Code (zwei Hexadezimalziffern), [0x5B] ein &apos;[&apos; selbst. Namen sind groß geschrieben.
Die Zeichen %3 sind die Codes b0 bis b6.
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
        <translation>Gerät verbinden</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The reader %1 is in use by %2 (process %3). Connect again when it is free.</source>
        <translation>Das Lesegerät %1 wird von %2 verwendet (Prozess %3). Verbinden Sie erneut, sobald es frei ist.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No lock can be had for the reader %1 (%2), so another program could talk to it at the same time. Make the lock directory %3 writable for this user, then connect again.</source>
        <translation>Für das Lesegerät %1 ist keine Sperre zu bekommen (%2), daher könnte ein anderes Programm gleichzeitig mit ihm sprechen. Machen Sie das Sperrverzeichnis %3 für diesen Benutzer beschreibbar und verbinden Sie dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/window/connection/connection_panel.cpp" line="+1"/>
        <source>The serial port %1 is gone; the reader was disconnected.</source>
        <translation>Die serielle Schnittstelle %1 ist verschwunden; die Verbindung zum Lesegerät wurde getrennt.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>to Serial</source>
        <extracomment>The interface-change button names the interface it switches to</extracomment>
        <translation>Zu Seriell</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>to USB KB</source>
        <translation>Zu USB-Tast.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASCII Code</source>
        <translation>ASCII-Code</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_update.cpp" line="+38"/>
        <location line="+47"/>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="+24"/>
        <location line="+81"/>
        <source>FW Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>Das Firmware-Schreibprogramm %1 wurde in %2 nicht gefunden; es wurde nichts an das Lesegerät gesendet.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ISP Mode</source>
        <translation>ISP-Modus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t send ISP mode command to device, please check your Keylon device!!</source>
        <translation>Der Befehl für den ISP-Modus konnte nicht an das Gerät gesendet werden. Bitte prüfen Sie Ihr Keylon-Gerät!</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The reader did not come back within %1 seconds. It may wait in its loader: run the update again, or connect when the reader is back.</source>
        <translation>Das Lesegerät ist nicht innerhalb von %1 Sekunden zurückgekommen. Es kann in seinem Lader warten: Führen Sie das Update erneut aus, oder verbinden Sie sich, wenn das Lesegerät zurück ist.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Another reader (serial number %1) came back where the reader was; nothing was written to it.</source>
        <translation>Ein anderes Lesegerät (Seriennummer %1) ist dort zurückgekommen, wo das Lesegerät war; es wurde nichts darauf geschrieben.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The reader is back, but its settings could not be read; nothing was written to it.</source>
        <translation>Das Lesegerät ist zurück, aber seine Einstellungen konnten nicht gelesen werden; es wurde nichts darauf geschrieben.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The reader is back and still reports firmware %1: the update did not change it.</source>
        <translation>Das Lesegerät ist zurück und meldet weiterhin Firmware %1: Das Update hat sie nicht geändert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader is back with firmware %1 (before the update: %2).</source>
        <translation>Das Lesegerät ist mit Firmware %1 zurück (vor dem Update: %2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its settings are as before.</source>
        <translation>Seine Einstellungen sind wie zuvor.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>These settings are not as before the update: %1. Write back those of before?</source>
        <translation>Diese Einstellungen sind nicht wie vor dem Update: %1. Die von vorher zurückschreiben?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The settings of before the update were written back: %1.</source>
        <translation>Die Einstellungen von vor dem Update wurden zurückgeschrieben: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing back the settings of before the update failed at the %1.</source>
        <translation>Das Zurückschreiben der Einstellungen von vor dem Update ist bei %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The settings of before the update were written, but these read back otherwise: %1.</source>
        <translation>Die Einstellungen von vor dem Update wurden geschrieben, aber diese werden anders zurückgelesen: %1.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="-86"/>
        <source>Stop the writer</source>
        <translation>Schreibprogramm anhalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect and check</source>
        <translation>Verbinden und prüfen</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Stopping the writer can leave the reader without working firmware. Stop it?</source>
        <translation>Wenn Sie das Schreibprogramm anhalten, bleibt das Lesegerät womöglich ohne funktionierende Firmware. Trotzdem anhalten?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The firmware writer ended with exit code %1. Connect again when the reader is back.</source>
        <translation>Das Firmware-Schreibprogramm wurde mit dem Exit-Code %1 beendet. Verbinden Sie erneut, sobald das Lesegerät wieder da ist.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/interface_change.cpp" line="+20"/>
        <source>Do you want to change Keylon interface to &lt;b&gt;USB Keyboard&lt;/b&gt; and utility will close?</source>
        <translation>Möchten Sie die Schnittstelle des Keylon auf &lt;b&gt;USB-Tastatur&lt;/b&gt; umstellen? Das Programm wird danach beendet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to change Keylon interface to &lt;b&gt;serial&lt;/b&gt; and utility will close?</source>
        <translation>Möchten Sie die Schnittstelle des Keylon auf &lt;b&gt;seriell&lt;/b&gt; umstellen? Das Programm wird danach beendet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="-14"/>
        <source>Change Mode</source>
        <extracomment>Button: switches the reader to the other interface</extracomment>
        <translation>Modus wechseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader did not get the interface change; the utility stays open.</source>
        <translation>Das Lesegerät hat den Schnittstellenwechsel nicht erhalten; das Programm bleibt geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/config_files.cpp" line="+24"/>
        <source>Cannot read %1: %2. The page was left as it was.</source>
        <translation>%1 kann nicht gelesen werden: %2. Die Seite blieb unverändert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no Keylon settings. The page was left as it was.</source>
        <translation>%1 enthält keine Keylon-Einstellungen. Die Seite blieb unverändert.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save Config</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Config Files(*.cfg)</source>
        <translation>Konfigurationsdateien (*.cfg)</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+8"/>
        <source>Config File</source>
        <translation>Konfigurationsdatei</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You didn&apos;t input config file.</source>
        <translation>Sie haben keine Konfigurationsdatei angegeben.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write %1: %2. Nothing was saved.</source>
        <translation>%1 kann nicht geschrieben werden: %2. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <location line="+4"/>
        <source>Open Config</source>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>You didn&apos;t select any files.</source>
        <translation>Sie haben keine Datei ausgewählt.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Default File</source>
        <translation>Standarddatei</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not found default.cfg file.</source>
        <translation>Die Datei default.cfg wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <source>Load Default</source>
        <translation>Standard laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The default file is successfully loaded, click the Set Status write to Keylon device.</source>
        <translation>Die Standarddatei wurde geladen. Klicken Sie auf „Status schreiben“, um sie auf das Keylon-Gerät zu übertragen.</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_form.cpp" line="+95"/>
        <source>F/W Version: %1</source>
        <translation>FW-Version: %1</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_reader.cpp" line="+15"/>
        <source>Successfully obtained Keylon the set value</source>
        <translation>Die Keylon-Einstellungen wurden gelesen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get F/W version fail, please retry.</source>
        <translation>Die Firmware-Version konnte nicht gelesen werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Get PreAmble fail, please retry.</source>
        <translation>Die Präambel konnte nicht gelesen werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get PostAmble fail, please retry.</source>
        <translation>Die Postambel konnte nicht gelesen werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get RemoveData fail, please retry.</source>
        <translation>„Daten entfernen“ konnte nicht gelesen werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read Status</source>
        <translation>Status lesen</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_writer.cpp" line="+26"/>
        <location line="+17"/>
        <location line="+7"/>
        <source>Setting Keylon</source>
        <translation>Keylon einstellen</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Writing to the reader failed at the interface change; the page was saved, the interface was not changed.</source>
        <translation>Das Schreiben auf das Lesegerät ist beim Schnittstellenwechsel fehlgeschlagen; die Seite wurde gespeichert, die Schnittstelle nicht gewechselt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing to the reader failed at the %1; the reader did not save the page.</source>
        <translation>Das Schreiben auf das Lesegerät ist fehlgeschlagen (Schritt: %1); das Lesegerät hat die Seite nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Successfully set Keylon set value</source>
        <translation>Die Keylon-Einstellungen wurden geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="-25"/>
        <source>Keylon2 Utility V1.0.0</source>
        <translation>Keylon2-Dienstprogramm V1.0.0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F/W Version:</source>
        <translation>FW-Version:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+263"/>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Scan</source>
        <extracomment>Button: asks the reader to scan a key now</extracomment>
        <translation>&amp;Scannen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <extracomment>Button: empties the output shown on the Status page</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Status</source>
        <extracomment>Tab with the reader&apos;s output</extracomment>
        <translation>Status</translation>
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
        <translation>Präambel aktiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+5"/>
        <source>Output length</source>
        <translation>Ausgabelänge</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="-1"/>
        <source>Output start</source>
        <translation>Ausgabebeginn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buzzer Enable</source>
        <translation>Summer aktiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID Code Auto Report</source>
        <translation>ID autom. senden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PostAmble Enable</source>
        <translation>Postambel aktiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Code</source>
        <extracomment>Label before the affix pickers: which kind of code they show</extracomment>
        <translation>Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>KB Country</source>
        <translation>Tastaturland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FW &amp;Update</source>
        <translation>FW-&amp;Update</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Data Enable</source>
        <translation>Daten entfernen aktiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ID Code Enable</source>
        <translation>ID-Code entfernen aktiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+10"/>
        <source>Change Interface</source>
        <translation>Schnittstelle wechseln</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <extracomment>Button: loads default.cfg into the page</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Get Status</source>
        <translation>Status &amp;lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Set Status</source>
        <translation>Status &amp;schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <extracomment>Tab with the reader&apos;s settings</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TextLabel</source>
        <extracomment>Placeholder of a hidden label; never shown</extracomment>
        <translation>Textfeld</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PushButton</source>
        <extracomment>Placeholder of a hidden button; never shown</extracomment>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB KB</source>
        <translation>USB-Tastatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Port</source>
        <translation>Seriell</translation>
    </message>
    <message>
        <location filename="../src/window/ui/window_access.cpp" line="-15"/>
        <source>Serial port name</source>
        <translation>Name der seriellen Schnittstelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preamble</source>
        <translation>Präambel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postamble</source>
        <translation>Postambel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove data</source>
        <translation>Daten entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preamble ASCII code</source>
        <translation>ASCII-Code der Präambel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postamble ASCII code</source>
        <translation>ASCII-Code der Postambel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove data ASCII code</source>
        <translation>ASCII-Code für „Daten entfernen“</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Keyboard country</source>
        <translation>Tastaturland</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
</context>
</TS>
