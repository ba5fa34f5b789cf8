<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/core/link/access_check.cpp" line="+39"/>
        <source>The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then unplug and plug the reader in again.</source>
        <translation>Il lettore è collegato, ma questo utente non può aprire %1. Installare le regole udev (%2, vedere il README), quindi scollegare e ricollegare il lettore.</translation>
    </message>
    <message>
        <location filename="../src/core/settings/settings_table.cpp" line="+22"/>
        <source>PreAmble</source>
        <translation>Preambolo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PostAmble</source>
        <translation>Postambolo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove Data</source>
        <translation>Rimozione dati</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/protocol/settings_frames.cpp" line="+47"/>
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
        <location line="+4"/>
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
        <location filename="../src/core/session/session_result.cpp" line="+8"/>
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
    <name>Keylon2ctl</name>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="+197"/>
        <source>(default: %1, %2)</source>
        <translation>(predefinito: %1, %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(default: %1)</source>
        <translation>(predefinito: %1)</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The reader: %1, sn:SERIAL or usb:PORTPATH, as list shows them. Commands on several readers take it as often as wanted.</source>
        <extracomment>%1 how each transport names a reader (&quot;hid:PATH, serial:PORT&quot;)</extracomment>
        <translation>Il lettore: %1, sn:SERIAL o usb:PORTPATH, come li mostra list. I comandi su più lettori la accettano tutte le volte che si vuole.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every attached reader.</source>
        <translation>Ogni lettore collegato.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write, apply, diff: readers at once; 0 is all at once.</source>
        <translation>write, apply, diff: lettori trattati insieme; 0 significa tutti insieme.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>apply: read only and tell what would change; no write frame is sent.</source>
        <translation>apply: solo leggere e dire che cosa cambierebbe; non viene inviato alcun frame di scrittura.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apply: after the readers attached, each reader plugged in, once per plug, until SIGINT (Ctrl-C), SIGTERM or SIGHUP; then the summary. Exit 0 when no reader failed, else 1.</source>
        <translation>apply: dopo i lettori collegati, ogni lettore inserito, una volta per inserimento, fino a SIGINT (Ctrl-C), SIGTERM o SIGHUP; poi il riepilogo. Codice di uscita 0 se nessun lettore ha fallito, altrimenti 1.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A reader that another process holds (the window, a station, another keylon2ctl) is waited for, up to SECONDS; without it such a reader is refused at once as busy (exit 6), naming that process.</source>
        <translation>Un lettore tenuto da un altro processo (la finestra, una stazione, un altro keylon2ctl) viene atteso fino a SECONDS secondi; senza questa opzione un tale lettore viene rifiutato subito come occupato (codice 6), indicando quel processo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A reader for which no lock can be had (neither a file in the lock directory nor the reader&apos;s node) is talked to all the same, with a warning; without it such a reader is refused and nothing is sent. Another program may then send its frames between this one&apos;s.</source>
        <translation>Con un lettore per cui non è possibile ottenere un blocco (né un file nella directory dei blocchi né il nodo del lettore) si comunica comunque, con un avviso; senza questa opzione un tale lettore viene rifiutato e non viene inviato nulla. Un altro programma può allora inviare i suoi frame tra quelli di questo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>write: read the reader first and change only the keys the file sets.</source>
        <translation>write: leggere prima il lettore e cambiare solo le voci che il file imposta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write: do not read the settings back.</source>
        <translation>write: non rileggere le impostazioni.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: keep the reader&apos;s settings and firmware version in FILE, a configuration file that apply and the window&apos;s Import take; a folder gets one file per reader. Without it each reader&apos;s file goes to keylon2/firmware-backups/ in the user&apos;s state directory ($XDG_STATE_HOME, ~/.local/state), named by its serial number and the time.</source>
        <translation>firmware-update: conservare le impostazioni e la versione del firmware del lettore in FILE, un file di configurazione che apply e l’importazione della finestra accettano; una cartella riceve un file per lettore. Senza questa opzione il file di ogni lettore va in keylon2/firmware-backups/ nella directory di stato dell’utente ($XDG_STATE_HOME, ~/.local/state), con il nome del suo numero di serie e dell’ora.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>firmware-update: how long to wait for the reader to come back after the writer.</source>
        <translation>firmware-update: quanto attendere il ritorno del lettore dopo il programma di scrittura.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>firmware-update: a reader that comes back with the version of before is no failure.</source>
        <translation>firmware-update: un lettore che torna con la versione di prima non è un errore.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: the version the reader must report after the update; another one is a failure.</source>
        <translation>firmware-update: la versione che il lettore deve indicare dopo l’aggiornamento; un’altra è un errore.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: leave the settings the writer reset as they are, instead of writing back those of before.</source>
        <translation>firmware-update: lasciare come sono le impostazioni che il programma di scrittura ha azzerato, invece di riscrivere quelle di prima.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>read: the configuration file or the settings alone as JSON.</source>
        <translation>read: il file di configurazione o solo le impostazioni in JSON.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One JSON document on standard output (&quot;schema&quot;: 1), also on failure. apply --watch: a JSON line per reader as it is done, then the document.</source>
        <translation>Un documento JSON sullo standard output (&quot;schema&quot;: 1), anche in caso di errore. apply --watch: una riga JSON per lettore appena è trattato, poi il documento.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Also the protocol&apos;s debug lines, on standard error.</source>
        <translation>Anche le righe di debug del protocollo, sullo standard error.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This help; after a command, that command&apos;s.</source>
        <translation>Questo aiuto; dopo un comando, quello del comando.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every command in full, the configuration file&apos;s keys and the exit codes.</source>
        <translation>Ogni comando per intero, le voci del file di configurazione e i codici di uscita.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The program&apos;s version.</source>
        <translation>La versione del programma.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--wait-back wants a number of seconds, 0 to %1</source>
        <translation>--wait-back richiede un numero di secondi, da 0 a %1</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>every attached reader, USB HID and serial, with its serial number and USB port</source>
        <translation>ogni lettore collegato, USB HID e seriale, con il suo numero di serie e la sua porta USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On USB HID its node, on the serial line its port; each with its USB serial number, the USB socket it sits in (the name sysfs gives it, such as 1-2.3, which stays when the reader is plugged in again there), vendor and product ID, and product string or description. Warns when two readers share a serial number, or one has none: sn: cannot pick those. A serial port counts as a reader when its description starts with the reader driver&apos;s text or its USB vendor ID is 0416.</source>
        <translation>Su USB HID il suo nodo, sulla linea seriale la sua porta; ciascuno con il numero di serie USB, la presa USB in cui è inserito (il nome che gli dà sysfs, come 1-2.3, che resta quando il lettore vi viene reinserito), ID del produttore e del prodotto, e nome del prodotto o descrizione. Avvisa quando due lettori hanno lo stesso numero di serie o uno non ne ha: sn: non può sceglierli. Una porta seriale conta come lettore quando la sua descrizione inizia con il testo del driver del lettore o il suo ID produttore USB è 0416.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the reader&apos;s settings as a configuration file (the window&apos;s Import reads it) or as JSON</source>
        <translation>le impostazioni del lettore come file di configurazione (l’Importa della finestra lo legge) o in JSON</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over the serial line the reader does not tell its keyboard country: the file leaves KBCountry out, so that applying it keeps each reader&apos;s country.</source>
        <translation>Sulla linea seriale il lettore non indica il suo paese della tastiera: il file omette KBCountry, così applicarlo mantiene il paese di ogni lettore.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>writes and saves every setting of the file, then reads them back</source>
        <translation>scrive e salva ogni impostazione del file, poi le rilegge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Always writes, whether or not the reader holds the settings already. The file must set every [KEYLON] key but Interface, or the keys it leaves out would be reset; with --partial the reader is read first and only the keys the file sets change. A file without KBCountry, as read makes one over the serial line, writes to readers on the serial line; a reader on USB HID refuses it. The settings go to the interface the reader is on (the file&apos;s Interface is not applied: see set-interface); over the serial line KBCountry is not sent, the serial interface has no such setting.</source>
        <translation>Scrive sempre, che il lettore abbia già le impostazioni o no. Il file deve impostare ogni voce di [KEYLON] tranne Interface, altrimenti le voci omesse verrebbero azzerate; con --partial il lettore viene prima letto e cambiano solo le voci che il file imposta. Un file senza KBCountry, come lo crea read sulla linea seriale, si scrive sui lettori sulla linea seriale; un lettore su USB HID lo rifiuta. Le impostazioni vanno all’interfaccia su cui si trova il lettore (l’Interface del file non viene applicata: vedere set-interface); sulla linea seriale KBCountry non viene inviato, l’interfaccia seriale non ha questa impostazione.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>reads each reader and writes, saves and reads back only the readers whose settings differ from the file&apos;s</source>
        <translation>legge ogni lettore e scrive, salva e rilegge solo i lettori le cui impostazioni differiscono da quelle del file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compares, key by key, what the reader holds with the keys the file sets, and changes only those keys. Each reader is unchanged, changed (naming the keys) or failed (saying why); a reader that already matches costs one read and nothing more. With --check nothing is written: it says what would change, and the exit code is 5 when a reader would change (0 when every reader matches). With --watch it is a station: it applies the file to the readers attached, then to each reader plugged in (on USB HID or the serial line), once per plug, a line per reader as it is done, until SIGINT (Ctrl-C), SIGTERM or SIGHUP, or until its output goes away; the readers under way then finish, and the summary follows. Its exit code is 0 when no reader failed, else 1 (not 128 plus the signal: a signal is how a station ends). It takes no --device. With --json it prints a JSON line per reader as it is done, and apply&apos;s whole document as its last line.</source>
        <translation>Confronta, voce per voce, ciò che il lettore contiene con le voci che il file imposta, e cambia solo quelle voci. Ogni lettore è invariato, modificato (con le voci) o fallito (con il motivo); un lettore già conforme costa una lettura e nient’altro. Con --check non si scrive nulla: dice che cosa cambierebbe, e il codice di uscita è 5 quando un lettore cambierebbe (0 quando ogni lettore è conforme). Con --watch è una stazione: applica il file ai lettori collegati, poi a ogni lettore inserito (su USB HID o sulla linea seriale), una volta per inserimento, una riga per lettore appena è trattato, fino a SIGINT (Ctrl-C), SIGTERM o SIGHUP, o finché la sua uscita non scompare; i lettori in corso allora terminano, e segue il riepilogo. Il suo codice di uscita è 0 se nessun lettore ha fallito, altrimenti 1 (non 128 più il segnale: un segnale è il modo in cui una stazione termina). Non accetta --device. Con --json stampa una riga JSON per lettore appena è trattato, e come ultima riga l’intero documento di apply.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>each reader&apos;s values that differ from the file&apos;s, key by key (reader -&gt; file); writes nothing</source>
        <translation>i valori di ogni lettore che differiscono da quelli del file, voce per voce (lettore -&gt; file); non scrive nulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The keys the file sets are compared as apply compares them; the values are spelled as a configuration file spells them. Exit 0 when every reader matches the file, 5 when one differs; a reader that failed gives its own code.</source>
        <translation>Le voci che il file imposta vengono confrontate come le confronta apply; i valori sono scritti come li scrive un file di configurazione. Codice di uscita 0 quando ogni lettore corrisponde al file, 5 quando uno differisce; un lettore fallito dà il proprio codice.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>switches the reader to its USB keyboard or its serial interface</source>
        <translation>passa il lettore alla sua tastiera USB o alla sua interfaccia seriale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader leaves the link and is found again on the other interface. Nothing is sent to a reader that is on that interface already.</source>
        <translation>Il lettore lascia il collegamento e viene ritrovato sull’altra interfaccia. Non viene inviato nulla a un lettore che è già su quell’interfaccia.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>key ID codes from a reader on its serial interface, one per line, until interrupted</source>
        <translation>i codici ID delle chiavi da un lettore sulla sua interfaccia seriale, uno per riga, fino all’interruzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>With --json the codes are collected and printed in one document when monitor ends.</source>
        <translation>Con --json i codici vengono raccolti e stampati in un unico documento quando monitor termina.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>what stands between this user and the readers, one line each with what to do</source>
        <translation>che cosa si frappone tra questo utente e i lettori, una riga per punto con che cosa fare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checks the udev rule, whether this user may open each reader&apos;s node and through what (seat ACL, group, owner), whether this session has a seat (an SSH session has none: join group plugdev), ModemManager on a reader&apos;s port, brltty, and another process holding a port. Exit 0 when every attached reader can be opened, 3 when none is attached, 4 when one cannot be opened.</source>
        <translation>Controlla la regola udev, se questo utente può aprire il nodo di ogni lettore e tramite che cosa (ACL della postazione, gruppo, proprietario), se questa sessione ha una postazione (una sessione SSH non ne ha: entrare nel gruppo plugdev), ModemManager sulla porta di un lettore, brltty, e un altro processo che tiene una porta. Codice di uscita 0 quando ogni lettore collegato può essere aperto, 3 quando nessuno è collegato, 4 quando uno non può essere aperto.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the bash or zsh completion script; devices: what --device completes to</source>
        <translation>lo script di completamento per bash o zsh; devices: a che cosa completa --device</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Usage: keylon2ctl %1 [--json]</source>
        <translation>Uso: keylon2ctl %1 [--json]</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <location line="-206"/>
        <source>write, apply, set-interface, firmware-update: append JSON lines to LOG, the audit log: one per reader handled, and before a reader&apos;s first write frame a line that opens it. A log that cannot be opened stops the command before anything is sent.</source>
        <translation>write, apply, set-interface, firmware-update: aggiungere righe JSON a LOG, il registro di controllo: una per ogni lettore trattato e, prima del primo frame di scrittura di un lettore, una riga che lo apre. Un registro che non si può aprire ferma il comando prima che venga inviato qualcosa.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>write, apply, diff, set-interface, firmware-update: keep FILE (name it NAME.prom in node exporter&apos;s textfile directory) in Prometheus&apos; text format: readers by result, drift, firmware updates by outcome, the last reader and failure, the readers with their identity. A station writes it at each event, a run at its start and end. A file that cannot be written is said on standard error and changes nothing else.</source>
        <translation>write, apply, diff, set-interface, firmware-update: tenere FILE (chiamarlo NAME.prom nella directory textfile di node exporter) nel formato testuale di Prometheus: lettori per esito, scostamenti, aggiornamenti del firmware per esito, l’ultimo lettore e l’ultimo errore, i lettori con la loro identità. Una stazione lo scrive a ogni evento, un’esecuzione all’inizio e alla fine. Un file che non si può scrivere viene segnalato sullo standard error e non cambia nient’altro.</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>puts the reader into ISP mode, runs ./flashmate RECONNKLN from the working directory, and checks the reader that comes back</source>
        <translation>mette il lettore in modalità ISP, avvia ./flashmate RECONNKLN dalla directory di lavoro e controlla il lettore che torna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before: the reader is read and its settings and firmware version kept in a backup file (see --backup); a reader that cannot be read, or a backup that cannot be written, gets nothing. After the writer: the same reader (the same serial number, else the same USB port; a new node is normal) is waited for up to --wait-back seconds and read. It is updated (the version before and after), or it failed: the writer changed nothing (the version of before; --allow-same takes that), another version than --expect-version, not back (it may wait in its loader: run the writer again, or unplug it and plug it in again), or another reader came back in its place (nothing is written to it). The settings the writer reset are written back from the backup, only those that differ, then read back, unless --keep-reset; the line says which. Several readers (--device as often as wanted, or --all) are updated one after another, never two in their loaders at once. An interrupt lets a writer under way run to its end (stopping a writer can leave the reader without working firmware), then no other reader starts. Nothing is sent when the firmware writer is not there. With --json the writer&apos;s output goes to standard error.</source>
        <translation>Prima: il lettore viene letto e le sue impostazioni e la versione del firmware vengono conservate in un file di backup (vedere --backup); un lettore che non si può leggere, o un backup che non si può scrivere, non riceve nulla. Dopo il programma di scrittura: lo stesso lettore (lo stesso numero di serie, altrimenti la stessa porta USB; un nuovo nodo è normale) viene atteso fino a --wait-back secondi, poi letto. È aggiornato (la versione prima e dopo), oppure non è riuscito: il programma di scrittura non ha cambiato nulla (la versione di prima; --allow-same lo accetta), una versione diversa da --expect-version, non tornato (può attendere nel suo caricatore: riavviare il programma di scrittura, oppure scollegare il lettore e ricollegarlo), oppure è tornato un altro lettore al suo posto (non gli viene scritto nulla). Le impostazioni che il programma di scrittura ha azzerato vengono riscritte dal backup, solo quelle diverse, poi rilette, tranne con --keep-reset; la riga dice quali. Più lettori (--device quante volte si vuole, oppure --all) vengono aggiornati uno dopo l’altro, mai due insieme nel loro caricatore. Un’interruzione lascia arrivare alla fine un programma di scrittura in corso (fermarlo può lasciare il lettore senza firmware funzionante), poi nessun altro lettore viene avviato. Non viene inviato nulla quando il programma di scrittura del firmware non c’è. Con --json l’output del programma di scrittura va sullo standard error.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Reads and writes the settings of Keylon2 key readers.

Usage: keylon2ctl COMMAND [ARGUMENTS] [OPTIONS]
       keylon2ctl COMMAND --help

Commands:
</source>
        <translation>Legge e scrive le impostazioni dei lettori di chiavi Keylon2.

Uso: keylon2ctl COMANDO [ARGOMENTI] [OPZIONI]
     keylon2ctl COMANDO --help

Comandi:
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DEVICE is --device %1, sn:SERIAL or usb:PORTPATH (as list shows them), or the same word after the command&apos;s arguments; without one, the only attached reader. A serial number that two readers share, or an empty one, never picks a reader. Serial ports count as readers by their description or their USB vendor ID 0416; any other port must be named.</source>
        <translation>DEVICE è --device %1, sn:SERIAL o usb:PORTPATH (come li mostra list), o la stessa parola dopo gli argomenti del comando; senza, l’unico lettore collegato. Un numero di serie condiviso da due lettori, o vuoto, non sceglie mai un lettore. Le porte seriali contano come lettori in base alla descrizione o all’ID produttore USB 0416; ogni altra porta va indicata.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit codes:</source>
        <translation>Codici di uscita:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>apply --watch ends at SIGINT, SIGTERM or SIGHUP, or when its output goes away, with 0 when no reader failed, else 1.</source>
        <translation>apply --watch termina a SIGINT, SIGTERM o SIGHUP, o quando la sua uscita scompare, con 0 se nessun lettore ha fallito, altrimenti 1.</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/exit_codes.h" line="+31"/>
        <source>success (every reader unchanged, or changed, written or switched as asked)</source>
        <translation>successo (ogni lettore invariato, o modificato, scritto o commutato come richiesto)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a reader failed (no answer, a write that failed, a difference on verify)</source>
        <translation>un lettore ha fallito (nessuna risposta, una scrittura fallita, una differenza alla verifica)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>usage error, or a file that cannot be taken (nothing was sent)</source>
        <translation>errore di utilizzo, o un file che non si può accettare (non è stato inviato nulla)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no reader found</source>
        <translation>nessun lettore trovato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>permission denied on the reader&apos;s device node</source>
        <translation>permesso negato sul nodo di dispositivo del lettore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drift: diff or apply --check found a reader that differs from the file (a failure keeps its own code)</source>
        <translation>scostamento: diff o apply --check ha trovato un lettore che differisce dal file (un errore mantiene il proprio codice)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>busy: a reader is held by another process (--wait not given, or it ran out)</source>
        <translation>occupato: un lettore è tenuto da un altro processo (--wait non dato, o scaduto)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hung up (SIGHUP, a dropped session): the readers under way finished, no other was started</source>
        <translation>disconnesso (SIGHUP, una sessione caduta): i lettori in corso hanno terminato, nessun altro è stato avviato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interrupted (SIGINT, Ctrl-C): the readers under way finished, no other was started</source>
        <translation>interrotto (SIGINT, Ctrl-C): i lettori in corso hanno terminato, nessun altro è stato avviato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output went away (a closed pipe or terminal: EPIPE or EIO): ended as after an interrupt; never killed by SIGPIPE</source>
        <translation>l’uscita è scomparsa (una pipe o un terminale chiusi: EPIPE o EIO): terminato come dopo un’interruzione; mai ucciso da SIGPIPE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>terminated (SIGTERM): the readers under way finished, no other was started</source>
        <translation>terminato (SIGTERM): i lettori in corso hanno terminato, nessun altro è stato avviato</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+180"/>
        <source>writing</source>
        <translation>scrittura</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="+56"/>
        <source>unchanged</source>
        <translation>invariato</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+16"/>
        <source>would change: %1</source>
        <translation>cambierebbe: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>changed: %1</source>
        <translation>modificato: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> (saved; not read back after the interrupt)</source>
        <translation> (salvato; non riletto dopo l’interruzione)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>would change</source>
        <extracomment>How the summary counts the readers that apply changed or would change (&quot;3 changed&quot;)</extracomment>
        <translation>cambierebbero</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>changed</source>
        <translation>modificati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>checking</source>
        <translation>verifica</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>applying</source>
        <translation>applicazione</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>differs: %1</source>
        <translation>differisce: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>differ</source>
        <extracomment>How the summary counts the readers that differ from the file (&quot;2 differ&quot;)</extracomment>
        <translation>differiscono</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>--backup names one file, and several readers are to be updated: name a folder. Nothing was sent.</source>
        <translation>--backup indica un solo file, ma vanno aggiornati più lettori: indicare una cartella. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a firmware writer under way runs to its end (stopping it can leave the reader without working firmware)</source>
        <translation>un programma di scrittura del firmware in corso arriva alla fine (fermarlo può lasciare il lettore senza firmware funzionante)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not started: %1 did not come back and may wait in its loader, where a second reader could not be told from it; nothing was sent</source>
        <translation>non avviato: %1 non è tornato e può attendere nel suo caricatore, dove un secondo lettore non si potrebbe distinguere da esso; non è stato inviato nulla</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>updated</source>
        <extracomment>How the summary counts the readers whose firmware was updated (&quot;2 updated&quot;)</extracomment>
        <translation>aggiornati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>updating</source>
        <translation>aggiornamento</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="+6"/>
        <source>reading</source>
        <translation>lettura</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="-68"/>
        <source>switched</source>
        <extracomment>How the summary counts the readers switched to the other interface (&quot;2 switched&quot;)</extracomment>
        <translation>commutati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>switching</source>
        <translation>commutazione</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="-39"/>
        <source>interrupted: nothing was written</source>
        <translation>interrotto: non è stato scritto nulla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not started</source>
        <translation>non avviato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed: %1</source>
        <translation>fallito: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>%n readers: %1 done, %2 failed</source>
        <translation>
            <numerusform>%n lettore: %1 completati, %2 falliti</numerusform>
            <numerusform>%n lettori: %1 completati, %2 falliti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n readers: %1 unchanged, %3 %4, %2 failed</source>
        <extracomment>%3: how many readers changed, %4 the word for them (&quot;changed&quot;, &quot;differ&quot;, ...)</extracomment>
        <translation>
            <numerusform>%n lettore: %1 invariati, %3 %4, %2 falliti</numerusform>
            <numerusform>%n lettori: %1 invariati, %3 %4, %2 falliti</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>, %1 interrupted, %2 not started</source>
        <translation>, %1 interrotti, %2 non avviati</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="+172"/>
        <source>settings as before</source>
        <translation>impostazioni come prima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>settings left reset (--keep-reset): %1</source>
        <translation>impostazioni lasciate azzerate (--keep-reset): %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>settings restored: %1</source>
        <translation>impostazioni ripristinate: %1</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>written, saved and verified</source>
        <translation>scritto, salvato e verificato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>written and saved</source>
        <translation>scritto e salvato</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>already on the serial interface</source>
        <translation>già sull’interfaccia seriale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already on the USB keyboard interface</source>
        <translation>già sull’interfaccia tastiera USB</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the reader switches to the serial interface</source>
        <translation>il lettore passa all’interfaccia seriale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader switches to the USB keyboard interface</source>
        <translation>il lettore passa all’interfaccia tastiera USB</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>cannot write the backup %1: %2; nothing was sent</source>
        <translation>impossibile scrivere il backup %1: %2; non è stato inviato nulla</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: settings and firmware %2 kept in %3</source>
        <translation>%1: impostazioni e firmware %2 conservati in %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the reader did not come back within %1 s; it may wait in its loader: run the firmware writer again, or unplug the reader and plug it in again; its settings are in %2</source>
        <translation>il lettore non è tornato entro %1 s; può attendere nel suo caricatore: riavviare il programma di scrittura del firmware, oppure scollegare il lettore e ricollegarlo; le sue impostazioni sono in %2</translation>
    </message>
    <message>
        <location line="-146"/>
        <source>another reader (%1, %2) came back where this one was; nothing was written to it</source>
        <translation>un altro lettore (%1, %2) è tornato al posto di questo; non gli è stato scritto nulla</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>updated: firmware %1 -&gt; %2; %3</source>
        <extracomment>%1 the firmware version before, %2 after, %3 what became of the settings</extracomment>
        <translation>aggiornato: firmware %1 -&gt; %2; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the firmware writer ended, but the reader still reports firmware %1: nothing was updated</source>
        <translation>il programma di scrittura del firmware è terminato, ma il lettore indica ancora il firmware %1: non è stato aggiornato nulla</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>firmware %1 as before (--allow-same); %2</source>
        <translation>firmware %1 come prima (--allow-same); %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the reader reports firmware %1, not %2 as expected</source>
        <translation>il lettore indica il firmware %1, non %2 come atteso</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; backup %1</source>
        <translation>; backup %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/station.cpp" line="+260"/>
        <source>udev&apos;s monitor</source>
        <translation>il monitor di udev</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>changes in %1</source>
        <translation>le modifiche in %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a listing once a second</source>
        <translation>un elenco ogni secondo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>waiting for readers to be plugged in (%1); Ctrl-C ends</source>
        <translation>in attesa che vengano inseriti lettori (%1); Ctrl-C termina</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/document.cpp" line="+59"/>
        <source>warning: %1</source>
        <translation>avviso: %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/io.cpp" line="+22"/>
        <source>the output went away: the readers under way finish, no other starts</source>
        <translation>l’uscita è scomparsa: i lettori in corso terminano, nessun altro viene avviato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interrupted: the readers under way finish, no other starts; interrupt again to end at once</source>
        <translation>interrotto: i lettori in corso terminano, nessun altro viene avviato; interrompere di nuovo per terminare subito</translation>
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
        <translation>avviso</translation>
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
        <translation>%1. Rimedio: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/parser.cpp" line="+46"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valore mancante dopo &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore inatteso dopo &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>no command given; see --help</source>
        <translation>nessun comando indicato; vedere --help</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation>comando sconosciuto &quot;%1&quot;; vedere --help</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 does not take --%2; see keylon2ctl %1 --help</source>
        <extracomment>%1 a command, %2 an option&apos;s name</extracomment>
        <translation>%1 non accetta --%2; vedere keylon2ctl %1 --help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--%1 is given more than once</source>
        <translation>--%1 è indicato più di una volta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 wants %2</source>
        <extracomment>%2: the values it takes, as they are typed (&quot;cfg or json&quot;)</extracomment>
        <translation>--%1 richiede %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: wrong number of arguments; see --help</source>
        <translation>%1: numero di argomenti errato; vedere --help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected argument %1; see keylon2ctl %2 --help</source>
        <translation>argomento inatteso %1; vedere keylon2ctl %2 --help</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 wants %2</source>
        <extracomment>%1 a command, %2 the values its argument takes, as they are typed (&quot;usb or serial&quot;)</extracomment>
        <translation>%1 richiede %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 works on one reader; %2 were named</source>
        <translation>%1 agisce su un solo lettore; ne sono stati indicati %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="-207"/>
        <source>--device and --all exclude each other</source>
        <translation>--device e --all si escludono a vicenda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--jobs wants a number of readers (0: all at once)</source>
        <translation>--jobs richiede un numero di lettori (0: tutti insieme)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--wait wants a number of seconds, 0 to %1</source>
        <translation>--wait richiede un numero di secondi, da 0 a %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--json and --format exclude each other</source>
        <translation>--json e --format si escludono a vicenda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch takes every reader plugged in; it does not take --device</source>
        <translation>--watch prende ogni lettore collegato; non accetta --device</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/document.cpp" line="-7"/>
        <source>--%1 wants a file name</source>
        <translation>--%1 richiede un nome di file</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="-211"/>
        <source>%1. Nothing was sent.</source>
        <translation>%1. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>%1 Nothing was sent.</source>
        <translation>%1 Non è stato inviato nulla.</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/devices.cpp" line="+60"/>
        <source>%1 readers found, name one with --device: %2</source>
        <translation>trovati %1 lettori, indicarne uno con --device: %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--device wants %1, sn:SERIAL or usb:PORTPATH, not &quot;%2&quot;</source>
        <extracomment>%1 how each transport names a reader (&quot;hid:PATH, serial:PORT&quot;), %2 what was given</extracomment>
        <translation>--device richiede %1, sn:SERIAL o usb:PORTPATH, non &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no reader at %1 (found: %2)</source>
        <translation>nessun lettore su %1 (trovati: %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 readers answer to %2 (%3); it cannot pick one: name it by usb:PORTPATH or %4</source>
        <extracomment>%4 how the readers&apos; transport names one (&quot;hid:PATH&quot;)</extracomment>
        <translation>%1 lettori corrispondono a %2 (%3); non se ne può scegliere uno: indicarlo con usb:PORTPATH o %4</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 has no serial number; sn: cannot pick it</source>
        <translation>%1 non ha numero di serie; sn: non può sceglierlo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 readers share the serial number %2 (%3); sn: cannot pick them, name them by usb:PORTPATH or %4</source>
        <extracomment>%4 how the readers&apos; transport names one (&quot;hid:PATH&quot;)</extracomment>
        <translation>%1 lettori hanno lo stesso numero di serie %2 (%3); sn: non può sceglierli, indicarli con usb:PORTPATH o %4</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>no lock (%1); going on without one, as --no-lock asks</source>
        <translation>nessun blocco (%1); si procede senza, come chiede --no-lock</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>no lock can be had (%1); nothing was sent. Make the lock directory %2 writable for this user, or give --no-lock to go on without one</source>
        <translation>impossibile ottenere un blocco (%1); non è stato inviato nulla. Rendere la cartella dei blocchi %2 scrivibile per questo utente, o indicare --no-lock per procedere senza</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>busy: still in use by %1 after waiting %2 s</source>
        <extracomment>%1 the program that holds the reader (&quot;keylon2ctl (process 4242)&quot;)</extracomment>
        <translation>occupato: ancora in uso da %1 dopo %2 s di attesa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>busy: in use by %1; --wait SECONDS waits for it</source>
        <translation>occupato: in uso da %1; --wait SECONDS lo attende</translation>
    </message>
    <message>
        <location filename="../src/core/link/reader_lock.cpp" line="+346"/>
        <source>%1 (process %2)</source>
        <extracomment>%1 the program that holds the reader (&quot;keylon2ctl&quot;)</extracomment>
        <translation>%1 (processo %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a program</source>
        <translation>un programma</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>another process</source>
        <translation>un altro processo</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/devices.cpp" line="+19"/>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/reader_outcome.cpp" line="+78"/>
        <source>not started: interrupted</source>
        <translation>non avviato: interrotto</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="-333"/>
        <source>interrupted before anything was written</source>
        <translation>interrotto prima che fosse scritto qualcosa</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>verify failed: %1</source>
        <extracomment>%1: each key that read back otherwise, separated by &quot;; &quot;</extracomment>
        <translation>verifica non riuscita: %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/jobs.cpp" line="+79"/>
        <source>%1 is %2, wrote %3</source>
        <extracomment>%1 a key of the configuration file, %2 the value read back, %3 the value written</extracomment>
        <translation>%1 è %2, scritto %3</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>writing the %1 failed</source>
        <extracomment>%1 a step of the exchange: status, options, output window, preamble, save command, ...</extracomment>
        <translation>scrittura non riuscita: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing the %1 failed (%2)</source>
        <translation>scrittura non riuscita: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer to the %1 read</source>
        <translation>nessuna risposta alla lettura: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer to the %1 read (%2)</source>
        <translation>nessuna risposta alla lettura: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad answer to the %1 read</source>
        <translation>risposta non valida alla lettura: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad answer to the %1 read (%2)</source>
        <translation>risposta non valida alla lettura: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader is gone, at the %1</source>
        <translation>il lettore non c’è più, durante: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader is gone, at the %1 (%2)</source>
        <translation>il lettore non c’è più, durante: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/reader_commands.cpp" line="+205"/>
        <source>the serial line is gone</source>
        <translation>la linea seriale non c’è più</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>a reader on USB HID types its key ID codes as keystrokes; monitor needs a serial reader</source>
        <translation>un lettore su USB HID digita i suoi codici ID come tasti; monitor richiede un lettore seriale</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="+147"/>
        <source>%1 lacks KBCountry in [KEYLON]: over USB HID write sends the keyboard country and would reset it; add it, or change only what the file sets with --partial or apply. Nothing was sent.</source>
        <translation>in %1 manca KBCountry in [KEYLON]: su USB HID write invia il paese della tastiera e lo azzererebbe; aggiungerlo, o cambiare solo ciò che il file imposta con --partial o apply. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+132"/>
        <source>%1 lacks %2 in [KEYLON]: write sends every setting and would reset those; add them, or change only what the file sets with --partial or apply. Nothing was sent.</source>
        <extracomment>%2: the keys the file lacks</extracomment>
        <translation>in %1 manca %2 in [KEYLON]: write invia ogni impostazione e le azzererebbe; aggiungerle, o cambiare solo ciò che il file imposta con --partial o apply. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>%1 sets none of the reader&apos;s settings in [KEYLON].</source>
        <translation>%1 non imposta nessuna impostazione del lettore in [KEYLON].</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="+262"/>
        <source>Cannot read %1: %2.</source>
        <extracomment>%2: why, as the system words it</extracomment>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 holds no Keylon settings.</source>
        <translation>%1 non contiene impostazioni Keylon.</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+27"/>
        <source>cannot read %1 again for the log: %2</source>
        <translation>impossibile rileggere %1 per il registro: %2</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>Il programma di scrittura del firmware %1 non è stato trovato in %2; non è stato inviato nulla al lettore.</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="-70"/>
        <source>the firmware writer did not run to its end</source>
        <translation>il programma di scrittura del firmware non è arrivato alla fine</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the firmware writer ended with exit code %1</source>
        <translation>il programma di scrittura del firmware è terminato con codice di uscita %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/audit_log.cpp" line="+91"/>
        <source>cannot open the log %1: %2</source>
        <translation>impossibile aprire il registro %1: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot use %1 as the log: not a regular file</source>
        <translation>impossibile usare %1 come registro: non è un file normale</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>the log %1 is closed</source>
        <translation>il registro %1 è chiuso</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>cannot write to the log %1: %2</source>
        <translation>impossibile scrivere nel registro %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot write to the log %1: only %2 of %3 bytes of a line went out</source>
        <translation>impossibile scrivere nel registro %1: sono usciti solo %2 dei %3 byte di una riga</translation>
    </message>
    <message>
        <location line="-92"/>
        <source>cannot save the log %1: %2</source>
        <translation>impossibile salvare il registro %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/metrics.cpp" line="+281"/>
        <source>cannot write the metrics %1: %2</source>
        <translation>impossibile scrivere le metriche %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="-193"/>
        <source>%1: %2=%3: %4 is not a bracket name the notation knows; %5</source>
        <translation>%1: %2=%3: %4 non è un nome tra parentesi che la notazione conosce; %5</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>write a name the notation knows (keylon2ctl --help-all lists them) or any code as [0xHH]; a &apos;[&apos; itself is [0x5B]</source>
        <translation>scrivere un nome che la notazione conosce (keylon2ctl --help-all li elenca) o qualsiasi codice come [0xHH]; un &apos;[&apos; si scrive [0x5B]</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>write [%1]</source>
        <translation>scrivere [%1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write [%1] (code %2)</source>
        <translation>scrivere [%1] (codice %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: %2=%3: the &apos;[&apos; of %4 is never closed; close the name, or write a &apos;[&apos; itself as [0x5B]</source>
        <translation>%1: %2=%3: la &apos;[&apos; di %4 non viene mai chiusa; chiudere il nome, o scrivere una &apos;[&apos; come [0x5B]</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1: unknown key %2 in [KEYLON]</source>
        <translation>%1: voce sconosciuta %2 in [KEYLON]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: unknown key %2 in [KEYLON]; did you mean %3?</source>
        <translation>%1: voce sconosciuta %2 in [KEYLON]; si intendeva %3?</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>%1: unknown key %2 in [KEYLON]; the key is spelled %3</source>
        <translation>%1: voce sconosciuta %2 in [KEYLON]; la voce si scrive %3</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1; a &apos;#&apos; does not start a comment after a value: put the comment on a line of its own</source>
        <translation>%1; un &apos;#&apos; non inizia un commento dopo un valore: mettere il commento su una riga a sé</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: %2 is given twice in [KEYLON] (lines %3 and %4), and only the last line would count; keep the one line you mean</source>
        <translation>%1: %2 compare due volte in [KEYLON] (righe %3 e %4) e conterebbe solo l’ultima riga; tenere la sola riga voluta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: line %2: %3=%4: a &apos;;&apos; outside double quotes starts a comment, so this reads as %3=%5; write %3=%6 to keep the &apos;;&apos;, or put a comment on a line of its own</source>
        <translation>%1: riga %2: %3=%4: un &apos;;&apos; fuori dalle virgolette doppie inizia un commento, quindi si legge %3=%5; scrivere %3=%6 per tenere il &apos;;&apos;, o mettere un commento su una riga a sé</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: the section [%2] is spelled [KEYLON]</source>
        <translation>%1: la sezione [%2] si scrive [KEYLON]</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is saved as %2 (Notepad calls it &quot;Unicode&quot;); save it as UTF-8</source>
        <translation>%1 è salvato come %2 (il Blocco note lo chiama &quot;Unicode&quot;); salvarlo come UTF-8</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1: %2=%3 is not 0 or 1</source>
        <translation>%1: %2=%3 non è 0 o 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2=%3 is not a number</source>
        <translation>%1: %2=%3 non è un numero</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2=%3 is out of range: %4</source>
        <extracomment>%4: the range, &quot;0 to 255&quot;</extracomment>
        <translation>%1: %2=%3 è fuori intervallo: %4</translation>
    </message>
    <message>
        <location line="-275"/>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>%1 to %2 (%3)</source>
        <translation>da %1 a %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/settings_table.cpp" line="+137"/>
        <source>0 or 1 (true and false are taken too)</source>
        <translation>0 o 1 (sono accettati anche true e false)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the preamble, postamble and remove data, in the bracket notation; at most 31 codes each</source>
        <translation>il preambolo, il postambolo e la rimozione dati, nella notazione tra parentesi; al massimo 31 codici ciascuno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 to %2: the reader keeps one byte, and a read shows it signed</source>
        <translation>da %1 a %2: il lettore conserva un byte, e una lettura lo mostra con segno</translation>
    </message>
    <message>
        <location line="-153"/>
        <source>0 USB keyboard, 1 serial: the interface the file was read over; never applied</source>
        <translation>0 tastiera USB, 1 seriale: l’interfaccia su cui è stato letto il file; mai applicato</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1; not on the serial interface</source>
        <extracomment>%1: the keyboard countries with their numbers</extracomment>
        <translation>%1; non sull’interfaccia seriale</translation>
    </message>
    <message>
        <location filename="../src/core/access/access_doctor.cpp" line="+344"/>
        <source>the udev rule is switched off: %1 links to /dev/null</source>
        <translation>la regola udev è disattivata: %1 punta a /dev/null</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remove that link and run sudo udevadm control --reload-rules; then unplug and plug the reader in again</source>
        <translation>rimuovere il collegamento ed eseguire sudo udevadm control --reload-rules; poi scollegare e ricollegare il lettore</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the udev rule %1 is not installed</source>
        <translation>la regola udev %1 non è installata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>install the keylon2-utility package, or copy %1 to /etc/udev/rules.d/ and run sudo udevadm control --reload-rules; then unplug and plug the reader in again</source>
        <translation>installare il pacchetto keylon2-utility, o copiare %1 in /etc/udev/rules.d/ ed eseguire sudo udevadm control --reload-rules; poi scollegare e ricollegare il lettore</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the udev rule %1 gives the readers to the user at the seat only</source>
        <translation>la regola udev %1 dà i lettori solo all’utente della postazione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install the package&apos;s rule, which also gives them to group plugdev</source>
        <translation>installare la regola del pacchetto, che li dà anche al gruppo plugdev</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the udev rule is installed: %1</source>
        <translation>la regola udev è installata: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>running as root, which may open every node</source>
        <translation>in esecuzione come root, che può aprire ogni nodo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this session is at seat %1, whose user the udev rule hands the readers</source>
        <translation>questa sessione è alla postazione %1, al cui utente la regola udev dà i lettori</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this session has no seat (as over SSH); the readers come through group plugdev, which this user is in</source>
        <translation>questa sessione non ha postazione (come via SSH); i lettori arrivano tramite il gruppo plugdev, di cui questo utente fa parte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this session has no seat (as over SSH): the seat&apos;s access does not reach it</source>
        <translation>questa sessione non ha postazione (come via SSH): l’accesso della postazione non la raggiunge</translation>
    </message>
    <message>
        <location line="-255"/>
        <source>log in again: this user joined group plugdev after this session began</source>
        <translation>accedere di nuovo: questo utente è entrato nel gruppo plugdev dopo l’inizio di questa sessione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>join group plugdev: sudo usermod -aG plugdev %1, then log in again</source>
        <translation>entrare nel gruppo plugdev: sudo usermod -aG plugdev %1, poi accedere di nuovo</translation>
    </message>
    <message>
        <location line="+267"/>
        <source>ModemManager is not running</source>
        <translation>ModemManager non è in esecuzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager è in esecuzione (pid %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>brltty is installed: it takes over USB serial adapters it knows when they are plugged in</source>
        <translation>brltty è installato: si prende gli adattatori seriali USB che conosce quando vengono collegati</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>if the reader&apos;s serial port vanishes when it is plugged in, remove it: sudo apt-get remove brltty</source>
        <translation>se la porta seriale del lettore sparisce quando viene collegato, rimuoverlo: sudo apt-get remove brltty</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>brltty is not installed</source>
        <translation>brltty non è installato</translation>
    </message>
    <message>
        <location line="-220"/>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 non può essere aperto: %2</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>unplug and plug the reader in again</source>
        <translation>scollegare e ricollegare il lettore</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>this user may open %1</source>
        <translation>questo utente può aprire %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, as root</source>
        <translation>questo utente può aprire %1, come root</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>this user may open %1, as its owner</source>
        <translation>questo utente può aprire %1, come proprietario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, through the seat&apos;s ACL entry</source>
        <translation>questo utente può aprire %1, tramite la voce ACL della postazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, through group %2</source>
        <translation>questo utente può aprire %1, tramite il gruppo %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, as every user may (mode %2)</source>
        <translation>questo utente può aprire %1, come ogni utente (modo %2)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not there to be opened</source>
        <translation>%1 non c’è e non può essere aperto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>this user may not open %1</source>
        <translation>questo utente non può aprire %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>this user may not open %1 (owner %2, group %3, mode %4)</source>
        <translation>questo utente non può aprire %1 (proprietario %2, gruppo %3, modo %4)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>this user may not open %1 (owner %2, group %3, mode %4, no ACL entry for this user)</source>
        <translation>questo utente non può aprire %1 (proprietario %2, gruppo %3, modo %4, nessuna voce ACL per questo utente)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>install the udev rule (see above), then unplug and plug the reader in again</source>
        <translation>installare la regola udev (vedere sopra), poi scollegare e ricollegare il lettore</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unplug and plug the reader in again: the udev rule applies when the reader is added</source>
        <translation>scollegare e ricollegare il lettore: la regola udev si applica quando il lettore viene aggiunto</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>no other program holds %1</source>
        <translation>nessun altro programma tiene %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is locked by %2 (%3)</source>
        <translation>%1 è bloccato da %2 (%3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>end that program, or close the port in it</source>
        <translation>chiudere quel programma, o chiudere la porta in esso</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is open in %2</source>
        <translation>%1 è aperto in %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>end that program before using the reader: two programs on one reader confuse each other&apos;s frames</source>
        <translation>chiudere quel programma prima di usare il lettore: due programmi su un lettore si confondono i frame a vicenda</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>in use by %1, which holds its lock %2</source>
        <translation>in uso da %1, che tiene il suo blocco %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wait until it is done: another program is refused as busy, or waits with keylon2ctl --wait SECONDS</source>
        <translation>attendere che abbia finito: un altro programma viene rifiutato come occupato, o attende con keylon2ctl --wait SECONDS</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ModemManager leaves %1 alone</source>
        <translation>ModemManager lascia stare %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ModemManager may probe %1 with AT commands, which the reader takes for frames</source>
        <translation>ModemManager può sondare %1 con comandi AT, che il lettore scambia per frame</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install the udev rule, which marks the port to be left alone, and plug the reader in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>installare la regola udev, che segna la porta da lasciare stare, e ricollegare il lettore; oppure fermare ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/doctor.cpp" line="+33"/>
        <source>%1: only a reader&apos;s node is locked, and a reader whose node cannot be opened has no lock</source>
        <translation>%1: viene bloccato solo il nodo di un lettore, e un lettore il cui nodo non può essere aperto non ha blocco</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a service needs ReadWritePaths=%1; elsewhere make the directory, writable by every user and sticky (mode 1777)</source>
        <translation>un servizio richiede ReadWritePaths=%1; altrove creare la cartella, scrivibile da ogni utente e con sticky bit (modo 1777)</translation>
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
        <translation>File di configurazione (FILE), come li scrive Esporta della finestra: [FW] Ver (la versione del
firmware; mai scritta) e [KEYLON] con queste voci:
%1Un’altra voce in [KEYLON], un valore che non è un numero dove ci vuole un numero, un valore fuori
intervallo, una voce indicata due volte, un &apos;;&apos; fuori dalle virgolette doppie (il lettore INI lì
inizia un commento: scrivere Pre=&quot;AB;CD&quot;) o un nome tra parentesi che la notazione non conosce (come
[TAB], [cr] o [Enter]) fa rifiutare il file prima di inviare qualsiasi cosa, indicando la voce e
come scriverla. Un BOM UTF-8 all’inizio del file viene saltato.
Nomi tra parentesi in Pre, Post e Remove, con i loro codici in esadecimale:%2
[0xHH] è un codice qualsiasi (due cifre esadecimali), [0x5B] una &apos;[&apos; stessa. I nomi sono maiuscoli.
I caratteri %3 sono i codici da b0 a b6.
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
        <location line="+60"/>
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
        <location filename="../src/window/maintenance/firmware_update.cpp" line="+38"/>
        <location line="+47"/>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="+24"/>
        <location line="+81"/>
        <source>FW Update</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>Il programma di scrittura del firmware %1 non è stato trovato in %2; non è stato inviato nulla al lettore.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ISP Mode</source>
        <translation>Modalità ISP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t send ISP mode command to device, please check your Keylon device!!</source>
        <translation>Impossibile inviare il comando modalità ISP al dispositivo. Controllare il dispositivo Keylon!</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The reader did not come back within %1 seconds. It may wait in its loader: run the update again, or connect when the reader is back.</source>
        <translation>Il lettore non è tornato entro %1 secondi. Può attendere nel suo caricatore: eseguire di nuovo l’aggiornamento, o connettersi quando il lettore è tornato.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Another reader (serial number %1) came back where the reader was; nothing was written to it.</source>
        <translation>Un altro lettore (numero di serie %1) è tornato dove era il lettore; non vi è stato scritto nulla.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The reader is back, but its settings could not be read; nothing was written to it.</source>
        <translation>Il lettore è tornato, ma non è stato possibile leggerne le impostazioni; non vi è stato scritto nulla.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The reader is back and still reports firmware %1: the update did not change it.</source>
        <translation>Il lettore è tornato e indica ancora il firmware %1: l’aggiornamento non l’ha cambiato.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader is back with firmware %1 (before the update: %2).</source>
        <translation>Il lettore è tornato con il firmware %1 (prima dell’aggiornamento: %2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its settings are as before.</source>
        <translation>Le sue impostazioni sono come prima.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>These settings are not as before the update: %1. Write back those of before?</source>
        <translation>Queste impostazioni non sono come prima dell’aggiornamento: %1. Riscrivere quelle di prima?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The settings of before the update were written back: %1.</source>
        <translation>Le impostazioni di prima dell’aggiornamento sono state riscritte: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing back the settings of before the update failed at the %1.</source>
        <translation>La riscrittura delle impostazioni di prima dell’aggiornamento non è riuscita al passo %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The settings of before the update were written, but these read back otherwise: %1.</source>
        <translation>Le impostazioni di prima dell’aggiornamento sono state scritte, ma queste si rileggono diversamente: %1.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="-86"/>
        <source>Stop the writer</source>
        <translation>Interrompi la scrittura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect and check</source>
        <translation>Connetti e verifica</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Stopping the writer can leave the reader without working firmware. Stop it?</source>
        <translation>Interrompere la scrittura può lasciare il lettore senza un firmware funzionante. Interromperla?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The firmware writer ended with exit code %1. Connect again when the reader is back.</source>
        <translation>Il programma di scrittura del firmware è terminato con codice di uscita %1. Riconnettersi quando il lettore sarà di nuovo disponibile.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/interface_change.cpp" line="+20"/>
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
        <location line="+9"/>
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
        <location filename="../src/window/settings_page/config_files.cpp" line="+24"/>
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
        <location line="+16"/>
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
        <location filename="../src/window/settings_page/settings_form.cpp" line="+95"/>
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
        <location filename="../src/window/settings_page/settings_writer.cpp" line="+26"/>
        <location line="+17"/>
        <location line="+7"/>
        <source>Setting Keylon</source>
        <translation>Impostazione Keylon</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Writing to the reader failed at the interface change; the page was saved, the interface was not changed.</source>
        <translation>La scrittura nel lettore non è riuscita al cambio di interfaccia; la pagina è stata salvata, l’interfaccia non è cambiata.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing to the reader failed at the %1; the reader did not save the page.</source>
        <translation>La scrittura nel lettore non è riuscita al passo «%1»; il lettore non ha salvato la pagina.</translation>
    </message>
    <message>
        <location line="+9"/>
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
        <location filename="../src/window/ui/window_access.cpp" line="+263"/>
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
    <message>
        <location line="+5"/>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not connected</source>
        <translation>Non connesso</translation>
    </message>
</context>
</TS>
