<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/core/link/access_check.cpp" line="+93"/>
        <source>The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then unplug and plug the reader in again.</source>
        <translation>Il lettore è collegato, ma questo utente non può aprire %1. Installare le regole udev (%2, vedere il README), quindi scollegare e ricollegare il lettore.</translation>
    </message>
    <message>
        <location filename="../src/core/protocol/settings_frames.cpp" line="+35"/>
        <source>PreAmble</source>
        <translation>Preambolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PostAmble</source>
        <translation>Postambolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Data</source>
        <translation>Rimozione dati</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>The %1 has %n codes</source>
        <extracomment>%1 the affix as the page labels it, %n how many codes it holds (more than the reader keeps)</extracomment>
        <translation>
            <numerusform>%1 contiene %n codici</numerusform>
            <numerusform>%1 contiene %n codici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>the %1 has %n codes</source>
        <translation>
            <numerusform>%1 contiene %n codici</numerusform>
            <numerusform>%1 contiene %n codici</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; the reader keeps at most %2. Nothing was sent.</source>
        <translation>%1; il lettore ne conserva al massimo %2. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <location filename="../src/core/text/name_tables.cpp" line="+20"/>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>U.K</source>
        <translation>Regno Unito</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>French</source>
        <translation>Francia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Germania</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <location filename="../src/core/session/session_result.cpp" line="+11"/>
        <source>status</source>
        <translation>lo stato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>options</source>
        <translation>le opzioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>output window</source>
        <translation>la finestra di uscita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>keyboard country</source>
        <translation>il paese della tastiera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preamble</source>
        <translation>il preambolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>postamble</source>
        <translation>il postambolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>remove data</source>
        <translation>la rimozione dati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>save command</source>
        <translation>il comando di salvataggio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interface change</source>
        <translation>il cambio di interfaccia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ISP mode command</source>
        <translation>il comando modalità ISP</translation>
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
        <translation>Connessione del lettore</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>another program</source>
        <translation>un altro programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The reader %1 is in use by %2 (process %3). Connect again when it is free.</source>
        <translation>Il lettore %1 è in uso da parte di %2 (processo %3). Riconnettersi quando sarà libero.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No lock can be had for the reader %1 (%2), so another program could talk to it at the same time. Make the lock directory %3 writable for this user, then connect again.</source>
        <translation>Non è possibile ottenere un blocco per il lettore %1 (%2), quindi un altro programma potrebbe comunicare con esso nello stesso momento. Rendere la directory dei blocchi %3 scrivibile per questo utente, quindi riconnettersi.</translation>
    </message>
    <message>
        <location filename="../src/window/connection/connection_panel.cpp" line="+1"/>
        <source>The serial port %1 is gone; the reader was disconnected.</source>
        <translation>La porta seriale %1 non è più presente; il lettore è stato disconnesso.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>to Serial</source>
        <extracomment>The interface-change button names the interface it switches to</extracomment>
        <translation>A seriale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>to USB KB</source>
        <translation>A tast. USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASCII Code</source>
        <translation>Codice ASCII</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_update.cpp" line="+23"/>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="+23"/>
        <location line="+68"/>
        <source>FW Update</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>Il programma di scrittura del firmware %1 non è stato trovato in %2; non è stato inviato nulla al lettore.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ISP Mode</source>
        <translation>Modalità ISP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t send ISP mode command to device, please check your Keylon device!!</source>
        <translation>Impossibile inviare il comando modalità ISP al dispositivo. Controllare il dispositivo Keylon!</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="-72"/>
        <source>Stop the writer</source>
        <translation>Interrompi la scrittura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Stopping the writer can leave the reader without working firmware. Stop it?</source>
        <translation>Interrompere la scrittura può lasciare il lettore senza un firmware funzionante. Interromperla?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The firmware writer ended with exit code %1. Connect again when the reader is back.</source>
        <translation>Il programma di scrittura del firmware è terminato con codice di uscita %1. Riconnettersi quando il lettore sarà di nuovo disponibile.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/interface_change.cpp" line="+19"/>
        <source>Do you want to change Keylon interface to &lt;b&gt;USB Keyboard&lt;/b&gt; and utility will close?</source>
        <translation>Passare l’interfaccia del Keylon a &lt;b&gt;tastiera USB&lt;/b&gt;? L’utilità verrà chiusa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to change Keylon interface to &lt;b&gt;serial&lt;/b&gt; and utility will close?</source>
        <translation>Passare l’interfaccia del Keylon a &lt;b&gt;seriale&lt;/b&gt;? L’utilità verrà chiusa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="-14"/>
        <source>Change Mode</source>
        <extracomment>Button: switches the reader to the other interface</extracomment>
        <translation>Cambia modalità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader did not get the interface change; the utility stays open.</source>
        <translation>Il lettore non ha ricevuto il cambio di interfaccia; l’utilità resta aperta.</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/config_files.cpp" line="+23"/>
        <source>Cannot read %1: %2. The page was left as it was.</source>
        <translation>Impossibile leggere %1: %2. La pagina non è stata modificata.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no Keylon settings. The page was left as it was.</source>
        <translation>%1 non contiene impostazioni Keylon. La pagina non è stata modificata.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save Config</source>
        <translation>Salva configurazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Config Files(*.cfg)</source>
        <translation>File di configurazione (*.cfg)</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+8"/>
        <source>Config File</source>
        <translation>File di configurazione</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You didn&apos;t input config file.</source>
        <translation>Non è stato indicato alcun file di configurazione.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write %1: %2. Nothing was saved.</source>
        <translation>Impossibile scrivere %1: %2. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <location line="+4"/>
        <source>Open Config</source>
        <translation>Apri configurazione</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>You didn&apos;t select any files.</source>
        <translation>Non è stato selezionato alcun file.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Default File</source>
        <translation>File predefinito</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not found default.cfg file.</source>
        <translation>Il file default.cfg non è stato trovato.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <source>Load Default</source>
        <translation>Carica predefiniti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The default file is successfully loaded, click the Set Status write to Keylon device.</source>
        <translation>Il file predefinito è stato caricato. Fare clic su «Scrivi stato» per scriverlo nel dispositivo Keylon.</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_form.cpp" line="+93"/>
        <source>F/W Version: %1</source>
        <translation>Versione FW: %1</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_reader.cpp" line="+15"/>
        <source>Successfully obtained Keylon the set value</source>
        <translation>Le impostazioni del Keylon sono state lette.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get F/W version fail, please retry.</source>
        <translation>Impossibile leggere la versione del firmware. Riprovare.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Get PreAmble fail, please retry.</source>
        <translation>Impossibile leggere il preambolo. Riprovare.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get PostAmble fail, please retry.</source>
        <translation>Impossibile leggere il postambolo. Riprovare.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get RemoveData fail, please retry.</source>
        <translation>Impossibile leggere la rimozione dati. Riprovare.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read Status</source>
        <translation>Lettura stato</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_writer.cpp" line="+24"/>
        <location line="+14"/>
        <location line="+6"/>
        <source>Setting Keylon</source>
        <translation>Impostazione Keylon</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Writing to the reader failed at the interface change; the page was saved, the interface was not changed.</source>
        <translation>La scrittura nel lettore non è riuscita al cambio di interfaccia; la pagina è stata salvata, l’interfaccia non è cambiata.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing to the reader failed at the %1; the reader did not save the page.</source>
        <translation>La scrittura nel lettore non è riuscita al passo «%1»; il lettore non ha salvato la pagina.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Successfully set Keylon set value</source>
        <translation>Le impostazioni del Keylon sono state scritte.</translation>
    </message>
    <message>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="-25"/>
        <source>Keylon2 Utility V1.0.0</source>
        <translation>Utilità Keylon2 V1.0.0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F/W Version:</source>
        <translation>Versione FW:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+142"/>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Scan</source>
        <extracomment>Button: asks the reader to scan a key now</extracomment>
        <translation>&amp;Scansiona</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <extracomment>Button: empties the output shown on the Status page</extracomment>
        <translation>Pulisci</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Status</source>
        <extracomment>Tab with the reader&apos;s output</extracomment>
        <translation>Stato</translation>
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
        <translation>Preambolo attivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+5"/>
        <source>Output length</source>
        <translation>Lunghezza uscita</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="-1"/>
        <source>Output start</source>
        <translation>Inizio uscita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buzzer Enable</source>
        <translation>Cicalino attivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID Code Auto Report</source>
        <translation>Invio auto codice ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PostAmble Enable</source>
        <translation>Postambolo attivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Code</source>
        <extracomment>Label before the affix pickers: which kind of code they show</extracomment>
        <translation>Codice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>KB Country</source>
        <translation>Paese tastiera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FW &amp;Update</source>
        <translation>Aggiorna F&amp;W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Data Enable</source>
        <translation>Rimozione dati attiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ID Code Enable</source>
        <translation>Rimozione codice ID attiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+10"/>
        <source>Change Interface</source>
        <translation>Cambia interfaccia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <extracomment>Button: loads default.cfg into the page</extracomment>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Get Status</source>
        <translation>&amp;Leggi stato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Set Status</source>
        <translation>&amp;Scrivi stato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <extracomment>Tab with the reader&apos;s settings</extracomment>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TextLabel</source>
        <extracomment>Placeholder of a hidden label; never shown</extracomment>
        <translation>Etichetta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PushButton</source>
        <extracomment>Placeholder of a hidden button; never shown</extracomment>
        <translation>Pulsante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interface</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB KB</source>
        <translation>Tastiera USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Port</source>
        <translation>Porta seriale</translation>
    </message>
    <message>
        <location filename="../src/window/ui/window_access.cpp" line="-15"/>
        <source>Serial port name</source>
        <translation>Nome della porta seriale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preamble</source>
        <translation>Preambolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postamble</source>
        <translation>Postambolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove data</source>
        <translation>Rimozione dati</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preamble ASCII code</source>
        <translation>Codice ASCII del preambolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postamble ASCII code</source>
        <translation>Codice ASCII del postambolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove data ASCII code</source>
        <translation>Codice ASCII della rimozione dati</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Keyboard country</source>
        <translation>Paese della tastiera</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
</context>
</TS>
