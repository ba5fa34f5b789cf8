<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/core/link/access_check.cpp" line="+93"/>
        <source>The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then unplug and plug the reader in again.</source>
        <translation>Das Lesegerät ist angeschlossen, aber dieser Benutzer darf %1 nicht öffnen. Installieren Sie die udev-Regeln (%2, siehe README) und stecken Sie das Lesegerät dann aus und wieder ein.</translation>
    </message>
    <message>
        <location filename="../src/core/protocol/settings_frames.cpp" line="+35"/>
        <source>PreAmble</source>
        <translation>Präambel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PostAmble</source>
        <translation>Postambel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Data</source>
        <translation>Daten entfernen</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
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
        <location line="+3"/>
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
        <location filename="../src/core/session/session_result.cpp" line="+11"/>
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
        <location line="+40"/>
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
        <location filename="../src/window/maintenance/firmware_update.cpp" line="+23"/>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="+23"/>
        <location line="+68"/>
        <source>FW Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>Das Firmware-Schreibprogramm %1 wurde in %2 nicht gefunden; es wurde nichts an das Lesegerät gesendet.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ISP Mode</source>
        <translation>ISP-Modus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t send ISP mode command to device, please check your Keylon device!!</source>
        <translation>Der Befehl für den ISP-Modus konnte nicht an das Gerät gesendet werden. Bitte prüfen Sie Ihr Keylon-Gerät!</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="-72"/>
        <source>Stop the writer</source>
        <translation>Schreibprogramm anhalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Stopping the writer can leave the reader without working firmware. Stop it?</source>
        <translation>Wenn Sie das Schreibprogramm anhalten, bleibt das Lesegerät womöglich ohne funktionierende Firmware. Trotzdem anhalten?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The firmware writer ended with exit code %1. Connect again when the reader is back.</source>
        <translation>Das Firmware-Schreibprogramm wurde mit dem Exit-Code %1 beendet. Verbinden Sie erneut, sobald das Lesegerät wieder da ist.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/interface_change.cpp" line="+19"/>
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
        <location line="+7"/>
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
        <location filename="../src/window/settings_page/config_files.cpp" line="+23"/>
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
        <location line="+15"/>
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
        <location filename="../src/window/settings_page/settings_form.cpp" line="+93"/>
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
        <location filename="../src/window/settings_page/settings_writer.cpp" line="+24"/>
        <location line="+14"/>
        <location line="+6"/>
        <source>Setting Keylon</source>
        <translation>Keylon einstellen</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Writing to the reader failed at the interface change; the page was saved, the interface was not changed.</source>
        <translation>Das Schreiben auf das Lesegerät ist beim Schnittstellenwechsel fehlgeschlagen; die Seite wurde gespeichert, die Schnittstelle nicht gewechselt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing to the reader failed at the %1; the reader did not save the page.</source>
        <translation>Das Schreiben auf das Lesegerät ist fehlgeschlagen (Schritt: %1); das Lesegerät hat die Seite nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location filename="../src/window/ui/window_access.cpp" line="+142"/>
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
</context>
</TS>
