<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/core/link/access_check.cpp" line="+39"/>
        <source>The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then unplug and plug the reader in again.</source>
        <translation>Le lecteur est branché, mais cet utilisateur n’a pas le droit d’ouvrir %1. Installez les règles udev (%2, voir le README), puis débranchez et rebranchez le lecteur.</translation>
    </message>
    <message>
        <location filename="../src/core/settings/settings_table.cpp" line="+22"/>
        <source>PreAmble</source>
        <translation>Préambule</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PostAmble</source>
        <translation>Postambule</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove Data</source>
        <translation>Suppression de données</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/protocol/settings_frames.cpp" line="+47"/>
        <source>The %1 has %n codes</source>
        <extracomment>%1 the affix as the page labels it, %n how many codes it holds (more than the reader keeps)</extracomment>
        <translation>
            <numerusform>%1 contient %n codes</numerusform>
            <numerusform>%1 contient %n codes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>the %1 has %n codes</source>
        <translation>
            <numerusform>%1 contient %n codes</numerusform>
            <numerusform>%1 contient %n codes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1; the reader keeps at most %2. Nothing was sent.</source>
        <translation>%1 ; le lecteur en conserve au plus %2. Rien n’a été envoyé.</translation>
    </message>
    <message>
        <location filename="../src/core/text/name_tables.cpp" line="+20"/>
        <source>USA</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>U.K</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>French</source>
        <translation>France</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <location filename="../src/core/session/session_result.cpp" line="+8"/>
        <source>status</source>
        <translation>l’état</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>options</source>
        <translation>les options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>output window</source>
        <translation>la fenêtre de sortie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>keyboard country</source>
        <translation>le pays du clavier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preamble</source>
        <translation>le préambule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>postamble</source>
        <translation>la postambule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>remove data</source>
        <translation>la suppression de données</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>save command</source>
        <translation>la commande d’enregistrement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interface change</source>
        <translation>le changement d’interface</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ISP mode command</source>
        <translation>la commande du mode ISP</translation>
    </message>
</context>
<context>
    <name>Keylon2ctl</name>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="+197"/>
        <source>(default: %1, %2)</source>
        <translation>(par défaut : %1, %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(default: %1)</source>
        <translation>(par défaut : %1)</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The reader: %1, sn:SERIAL or usb:PORTPATH, as list shows them. Commands on several readers take it as often as wanted.</source>
        <extracomment>%1 how each transport names a reader (&quot;hid:PATH, serial:PORT&quot;)</extracomment>
        <translation>Le lecteur : %1, sn:SERIAL ou usb:PORTPATH, tels que list les affiche. Les commandes sur plusieurs lecteurs l’acceptent autant de fois que voulu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every attached reader.</source>
        <translation>Chaque lecteur branché.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write, apply, diff: readers at once; 0 is all at once.</source>
        <translation>write, apply, diff : lecteurs traités à la fois ; 0 signifie tous à la fois.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>apply: read only and tell what would change; no write frame is sent.</source>
        <translation>apply : lire seulement et dire ce qui changerait ; aucune trame d’écriture n’est envoyée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apply: after the readers attached, each reader plugged in, once per plug, until SIGINT (Ctrl-C), SIGTERM or SIGHUP; then the summary. Exit 0 when no reader failed, else 1.</source>
        <translation>apply : après les lecteurs branchés, chaque lecteur branché ensuite, une fois par branchement, jusqu’à SIGINT (Ctrl-C), SIGTERM ou SIGHUP ; puis le résumé. Code de sortie 0 si aucun lecteur n’a échoué, sinon 1.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A reader that another process holds (the window, a station, another keylon2ctl) is waited for, up to SECONDS; without it such a reader is refused at once as busy (exit 6), naming that process.</source>
        <translation>Un lecteur qu’un autre processus détient (la fenêtre, une station, un autre keylon2ctl) est attendu jusqu’à SECONDS secondes ; sans cette option, un tel lecteur est refusé aussitôt comme occupé (code 6), en nommant ce processus.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A reader for which no lock can be had (neither a file in the lock directory nor the reader&apos;s node) is talked to all the same, with a warning; without it such a reader is refused and nothing is sent. Another program may then send its frames between this one&apos;s.</source>
        <translation>Un lecteur pour lequel aucun verrou ne peut être pris (ni un fichier dans le répertoire des verrous, ni le nœud du lecteur) est tout de même utilisé, avec un avertissement ; sans cette option, un tel lecteur est refusé et rien n’est envoyé. Un autre programme peut alors envoyer ses trames entre celles de ce programme.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>write: read the reader first and change only the keys the file sets.</source>
        <translation>write : lire d’abord le lecteur et ne changer que les entrées que le fichier définit.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write: do not read the settings back.</source>
        <translation>write : ne pas relire les réglages.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: keep the reader&apos;s settings and firmware version in FILE, a configuration file that apply and the window&apos;s Import take; a folder gets one file per reader. Without it each reader&apos;s file goes to keylon2/firmware-backups/ in the user&apos;s state directory ($XDG_STATE_HOME, ~/.local/state), named by its serial number and the time.</source>
        <translation>firmware-update : conserver les réglages et la version du micrologiciel du lecteur dans FILE, un fichier de configuration qu’apply et l’import de la fenêtre acceptent ; un dossier reçoit un fichier par lecteur. Sans cette option, le fichier de chaque lecteur va dans keylon2/firmware-backups/ du répertoire d’état de l’utilisateur ($XDG_STATE_HOME, ~/.local/state), nommé d’après son numéro de série et l’heure.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>firmware-update: how long to wait for the reader to come back after the writer.</source>
        <translation>firmware-update : combien de temps attendre le retour du lecteur après le programme d’écriture.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>firmware-update: a reader that comes back with the version of before is no failure.</source>
        <translation>firmware-update : un lecteur qui revient avec la version d’avant n’est pas un échec.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: the version the reader must report after the update; another one is a failure.</source>
        <translation>firmware-update : la version que le lecteur doit indiquer après la mise à jour ; une autre est un échec.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: leave the settings the writer reset as they are, instead of writing back those of before.</source>
        <translation>firmware-update : laisser tels quels les réglages que le programme d’écriture a réinitialisés, au lieu de réécrire ceux d’avant.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>read: the configuration file or the settings alone as JSON.</source>
        <translation>read : le fichier de configuration, ou les réglages seuls en JSON.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One JSON document on standard output (&quot;schema&quot;: 1), also on failure. apply --watch: a JSON line per reader as it is done, then the document.</source>
        <translation>Un document JSON sur la sortie standard (&quot;schema&quot;: 1), même en cas d’échec. apply --watch : une ligne JSON par lecteur dès qu’il est traité, puis le document.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Also the protocol&apos;s debug lines, on standard error.</source>
        <translation>Aussi les lignes de débogage du protocole, sur la sortie d’erreur.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This help; after a command, that command&apos;s.</source>
        <translation>Cette aide ; après une commande, celle de cette commande.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every command in full, the configuration file&apos;s keys and the exit codes.</source>
        <translation>Chaque commande en entier, les entrées du fichier de configuration et les codes de sortie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The program&apos;s version.</source>
        <translation>La version du programme.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--wait-back wants a number of seconds, 0 to %1</source>
        <translation>--wait-back attend un nombre de secondes, de 0 à %1</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>every attached reader, USB HID and serial, with its serial number and USB port</source>
        <translation>chaque lecteur branché, USB HID et série, avec son numéro de série et son port USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On USB HID its node, on the serial line its port; each with its USB serial number, the USB socket it sits in (the name sysfs gives it, such as 1-2.3, which stays when the reader is plugged in again there), vendor and product ID, and product string or description. Warns when two readers share a serial number, or one has none: sn: cannot pick those. A serial port counts as a reader when its description starts with the reader driver&apos;s text or its USB vendor ID is 0416.</source>
        <translation>En USB HID son nœud, sur la ligne série son port ; chacun avec son numéro de série USB, la prise USB où il est branché (le nom que sysfs lui donne, comme 1-2.3, qui reste le même quand le lecteur y est rebranché), les ID de fabricant et de produit, et le nom du produit ou sa description. Avertit quand deux lecteurs partagent un numéro de série, ou qu’un lecteur n’en a pas : sn: ne peut pas les choisir. Un port série compte comme lecteur quand sa description commence par le texte du pilote du lecteur ou que son ID de fabricant USB est 0416.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the reader&apos;s settings as a configuration file (the window&apos;s Import reads it) or as JSON</source>
        <translation>les réglages du lecteur sous forme de fichier de configuration (l’Import de la fenêtre le lit) ou en JSON</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over the serial line the reader does not tell its keyboard country: the file leaves KBCountry out, so that applying it keeps each reader&apos;s country.</source>
        <translation>Sur la ligne série, le lecteur ne dit pas son pays du clavier : le fichier omet KBCountry, de sorte que l’appliquer garde le pays de chaque lecteur.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>writes and saves every setting of the file, then reads them back</source>
        <translation>écrit et enregistre chaque réglage du fichier, puis les relit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Always writes, whether or not the reader holds the settings already. The file must set every [KEYLON] key but Interface, or the keys it leaves out would be reset; with --partial the reader is read first and only the keys the file sets change. A file without KBCountry, as read makes one over the serial line, writes to readers on the serial line; a reader on USB HID refuses it. The settings go to the interface the reader is on (the file&apos;s Interface is not applied: see set-interface); over the serial line KBCountry is not sent, the serial interface has no such setting.</source>
        <translation>Écrit toujours, que le lecteur ait déjà les réglages ou non. Le fichier doit définir chaque entrée de [KEYLON] sauf Interface, sinon les entrées omises seraient remises à zéro ; avec --partial, le lecteur est d’abord lu et seules les entrées que le fichier définit changent. Un fichier sans KBCountry, tel que read le crée sur la ligne série, s’écrit sur les lecteurs en ligne série ; un lecteur en USB HID le refuse. Les réglages vont à l’interface où se trouve le lecteur (l’Interface du fichier n’est pas appliquée : voir set-interface) ; sur la ligne série, KBCountry n’est pas envoyé, l’interface série n’a pas ce réglage.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>reads each reader and writes, saves and reads back only the readers whose settings differ from the file&apos;s</source>
        <translation>lit chaque lecteur et n’écrit, n’enregistre et ne relit que les lecteurs dont les réglages diffèrent de ceux du fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compares, key by key, what the reader holds with the keys the file sets, and changes only those keys. Each reader is unchanged, changed (naming the keys) or failed (saying why); a reader that already matches costs one read and nothing more. With --check nothing is written: it says what would change, and the exit code is 5 when a reader would change (0 when every reader matches). With --watch it is a station: it applies the file to the readers attached, then to each reader plugged in (on USB HID or the serial line), once per plug, a line per reader as it is done, until SIGINT (Ctrl-C), SIGTERM or SIGHUP, or until its output goes away; the readers under way then finish, and the summary follows. Its exit code is 0 when no reader failed, else 1 (not 128 plus the signal: a signal is how a station ends). It takes no --device. With --json it prints a JSON line per reader as it is done, and apply&apos;s whole document as its last line.</source>
        <translation>Compare, entrée par entrée, ce que le lecteur contient avec les entrées que le fichier définit, et ne change que ces entrées. Chaque lecteur est inchangé, modifié (avec les entrées) ou en échec (avec la raison) ; un lecteur déjà conforme coûte une lecture et rien de plus. Avec --check, rien n’est écrit : la commande dit ce qui changerait, et le code de sortie est 5 quand un lecteur changerait (0 quand chaque lecteur est conforme). Avec --watch, c’est une station : elle applique le fichier aux lecteurs branchés, puis à chaque lecteur branché ensuite (en USB HID ou sur la ligne série), une fois par branchement, une ligne par lecteur dès qu’il est traité, jusqu’à SIGINT (Ctrl-C), SIGTERM ou SIGHUP, ou jusqu’à ce que sa sortie disparaisse ; les lecteurs en cours terminent alors, et le résumé suit. Son code de sortie est 0 si aucun lecteur n’a échoué, sinon 1 (pas 128 plus le signal : un signal est la façon dont une station s’arrête). Elle n’accepte pas --device. Avec --json, elle affiche une ligne JSON par lecteur dès qu’il est traité, et le document entier d’apply en dernière ligne.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>each reader&apos;s values that differ from the file&apos;s, key by key (reader -&gt; file); writes nothing</source>
        <translation>les valeurs de chaque lecteur qui diffèrent de celles du fichier, entrée par entrée (lecteur -&gt; fichier) ; n’écrit rien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The keys the file sets are compared as apply compares them; the values are spelled as a configuration file spells them. Exit 0 when every reader matches the file, 5 when one differs; a reader that failed gives its own code.</source>
        <translation>Les entrées que le fichier définit sont comparées comme apply les compare ; les valeurs sont écrites comme un fichier de configuration les écrit. Code de sortie 0 quand chaque lecteur est conforme au fichier, 5 quand l’un diffère ; un lecteur en échec donne son propre code.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>switches the reader to its USB keyboard or its serial interface</source>
        <translation>passe le lecteur sur son clavier USB ou sur son interface série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader leaves the link and is found again on the other interface. Nothing is sent to a reader that is on that interface already.</source>
        <translation>Le lecteur quitte la liaison et est retrouvé sur l’autre interface. Rien n’est envoyé à un lecteur qui est déjà sur cette interface.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>key ID codes from a reader on its serial interface, one per line, until interrupted</source>
        <translation>les codes ID des clés lus par un lecteur sur son interface série, un par ligne, jusqu’à interruption</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>With --json the codes are collected and printed in one document when monitor ends.</source>
        <translation>Avec --json, les codes sont rassemblés et affichés dans un seul document quand monitor se termine.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>what stands between this user and the readers, one line each with what to do</source>
        <translation>ce qui se trouve entre cet utilisateur et les lecteurs, une ligne pour chaque point avec ce qu’il faut faire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checks the udev rule, whether this user may open each reader&apos;s node and through what (seat ACL, group, owner), whether this session has a seat (an SSH session has none: join group plugdev), ModemManager on a reader&apos;s port, brltty, and another process holding a port. Exit 0 when every attached reader can be opened, 3 when none is attached, 4 when one cannot be opened.</source>
        <translation>Vérifie la règle udev, si cet utilisateur peut ouvrir le nœud de chaque lecteur et par quel moyen (ACL de siège, groupe, propriétaire), si cette session a un siège (une session SSH n’en a pas : rejoindre le groupe plugdev), ModemManager sur le port d’un lecteur, brltty, et un autre processus qui détient un port. Code de sortie 0 quand chaque lecteur branché peut être ouvert, 3 quand aucun n’est branché, 4 quand l’un ne peut pas être ouvert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the bash or zsh completion script; devices: what --device completes to</source>
        <translation>le script de complétion bash ou zsh ; devices : ce que --device complète</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Usage: keylon2ctl %1 [--json]</source>
        <translation>Utilisation : keylon2ctl %1 [--json]</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <location line="-206"/>
        <source>write, apply, set-interface, firmware-update: append JSON lines to LOG, the audit log: one per reader handled, and before a reader&apos;s first write frame a line that opens it. A log that cannot be opened stops the command before anything is sent.</source>
        <translation>write, apply, set-interface, firmware-update : ajouter des lignes JSON à LOG, le journal d’audit : une par lecteur traité et, avant la première trame d’écriture d’un lecteur, une ligne qui l’ouvre. Un journal qui ne peut pas être ouvert arrête la commande avant tout envoi.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>write, apply, diff, set-interface, firmware-update: keep FILE (name it NAME.prom in node exporter&apos;s textfile directory) in Prometheus&apos; text format: readers by result, drift, firmware updates by outcome, the last reader and failure, the readers with their identity. A station writes it at each event, a run at its start and end. A file that cannot be written is said on standard error and changes nothing else.</source>
        <translation>write, apply, diff, set-interface, firmware-update : tenir FILE (nommé NAME.prom dans le répertoire textfile de node exporter) au format texte de Prometheus : lecteurs par résultat, écarts, mises à jour du micrologiciel par issue, le dernier lecteur et le dernier échec, les lecteurs avec leur identité. Une station l’écrit à chaque événement, une exécution à son début et à sa fin. Un fichier qui ne peut pas être écrit est signalé sur la sortie d’erreur et ne change rien d’autre.</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>puts the reader into ISP mode, runs ./flashmate RECONNKLN from the working directory, and checks the reader that comes back</source>
        <translation>met le lecteur en mode ISP, lance ./flashmate RECONNKLN depuis le répertoire de travail et vérifie le lecteur qui revient</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before: the reader is read and its settings and firmware version kept in a backup file (see --backup); a reader that cannot be read, or a backup that cannot be written, gets nothing. After the writer: the same reader (the same serial number, else the same USB port; a new node is normal) is waited for up to --wait-back seconds and read. It is updated (the version before and after), or it failed: the writer changed nothing (the version of before; --allow-same takes that), another version than --expect-version, not back (it may wait in its loader: run the writer again, or unplug it and plug it in again), or another reader came back in its place (nothing is written to it). The settings the writer reset are written back from the backup, only those that differ, then read back, unless --keep-reset; the line says which. Several readers (--device as often as wanted, or --all) are updated one after another, never two in their loaders at once. An interrupt lets a writer under way run to its end (stopping a writer can leave the reader without working firmware), then no other reader starts. Nothing is sent when the firmware writer is not there. With --json the writer&apos;s output goes to standard error.</source>
        <translation>Avant : le lecteur est lu, et ses réglages et la version de son micrologiciel sont conservés dans un fichier de sauvegarde (voir --backup) ; un lecteur qui ne peut pas être lu, ou une sauvegarde qui ne peut pas être écrite, ne reçoit rien. Après le programme d’écriture : le même lecteur (le même numéro de série, sinon le même port USB ; un nouveau nœud est normal) est attendu jusqu’à --wait-back secondes, puis lu. Il est mis à jour (la version avant et après), ou il a échoué : le programme d’écriture n’a rien changé (la version d’avant ; --allow-same l’accepte), une autre version que --expect-version, pas revenu (il peut attendre dans son chargeur : relancez le programme d’écriture, ou débranchez le lecteur et rebranchez-le), ou un autre lecteur est revenu à sa place (rien ne lui est écrit). Les réglages que le programme d’écriture a réinitialisés sont réécrits depuis la sauvegarde, seulement ceux qui diffèrent, puis relus, sauf avec --keep-reset ; la ligne dit lesquels. Plusieurs lecteurs (--device autant de fois que voulu, ou --all) sont mis à jour l’un après l’autre, jamais deux à la fois dans leur chargeur. Une interruption laisse un programme d’écriture en cours aller à son terme (l’arrêter peut laisser le lecteur sans micrologiciel fonctionnel), puis aucun autre lecteur ne commence. Rien n’est envoyé quand le programme d’écriture du micrologiciel n’est pas là. Avec --json, la sortie du programme d’écriture va sur la sortie d’erreur.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Reads and writes the settings of Keylon2 key readers.

Usage: keylon2ctl COMMAND [ARGUMENTS] [OPTIONS]
       keylon2ctl COMMAND --help

Commands:
</source>
        <translation>Lit et écrit les réglages des lecteurs de clés Keylon2.

Utilisation : keylon2ctl COMMANDE [ARGUMENTS] [OPTIONS]
              keylon2ctl COMMANDE --help

Commandes :
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DEVICE is --device %1, sn:SERIAL or usb:PORTPATH (as list shows them), or the same word after the command&apos;s arguments; without one, the only attached reader. A serial number that two readers share, or an empty one, never picks a reader. Serial ports count as readers by their description or their USB vendor ID 0416; any other port must be named.</source>
        <translation>DEVICE est --device %1, sn:SERIAL ou usb:PORTPATH (tels que list les affiche), ou le même mot après les arguments de la commande ; sans lui, le seul lecteur branché. Un numéro de série que deux lecteurs partagent, ou un numéro vide, ne choisit jamais de lecteur. Les ports série comptent comme lecteurs d’après leur description ou leur ID de fabricant USB 0416 ; tout autre port doit être nommé.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit codes:</source>
        <translation>Codes de sortie :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>apply --watch ends at SIGINT, SIGTERM or SIGHUP, or when its output goes away, with 0 when no reader failed, else 1.</source>
        <translation>apply --watch s’arrête à SIGINT, SIGTERM ou SIGHUP, ou quand sa sortie disparaît, avec 0 si aucun lecteur n’a échoué, sinon 1.</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/exit_codes.h" line="+31"/>
        <source>success (every reader unchanged, or changed, written or switched as asked)</source>
        <translation>succès (chaque lecteur inchangé, ou modifié, écrit ou basculé comme demandé)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a reader failed (no answer, a write that failed, a difference on verify)</source>
        <translation>un lecteur a échoué (pas de réponse, une écriture qui a échoué, une différence à la vérification)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>usage error, or a file that cannot be taken (nothing was sent)</source>
        <translation>erreur d’utilisation, ou fichier qui ne peut pas être pris (rien n’a été envoyé)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no reader found</source>
        <translation>aucun lecteur trouvé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>permission denied on the reader&apos;s device node</source>
        <translation>permission refusée sur le nœud de périphérique du lecteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drift: diff or apply --check found a reader that differs from the file (a failure keeps its own code)</source>
        <translation>écart : diff ou apply --check a trouvé un lecteur qui diffère du fichier (un échec garde son propre code)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>busy: a reader is held by another process (--wait not given, or it ran out)</source>
        <translation>occupé : un lecteur est détenu par un autre processus (--wait non donné, ou écoulé)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hung up (SIGHUP, a dropped session): the readers under way finished, no other was started</source>
        <translation>raccroché (SIGHUP, une session perdue) : les lecteurs en cours ont terminé, aucun autre n’a été commencé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interrupted (SIGINT, Ctrl-C): the readers under way finished, no other was started</source>
        <translation>interrompu (SIGINT, Ctrl-C) : les lecteurs en cours ont terminé, aucun autre n’a été commencé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output went away (a closed pipe or terminal: EPIPE or EIO): ended as after an interrupt; never killed by SIGPIPE</source>
        <translation>la sortie a disparu (un tube ou un terminal fermé : EPIPE ou EIO) : arrêt comme après une interruption ; jamais tué par SIGPIPE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>terminated (SIGTERM): the readers under way finished, no other was started</source>
        <translation>terminé (SIGTERM) : les lecteurs en cours ont terminé, aucun autre n’a été commencé</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+180"/>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="+56"/>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+16"/>
        <source>would change: %1</source>
        <translation>changerait : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>changed: %1</source>
        <translation>modifié : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> (saved; not read back after the interrupt)</source>
        <translation> (enregistré ; non relu après l’interruption)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>would change</source>
        <extracomment>How the summary counts the readers that apply changed or would change (&quot;3 changed&quot;)</extracomment>
        <translation>changeraient</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>changed</source>
        <translation>modifiés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>checking</source>
        <translation>vérification</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>applying</source>
        <translation>application</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>differs: %1</source>
        <translation>diffère : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>differ</source>
        <extracomment>How the summary counts the readers that differ from the file (&quot;2 differ&quot;)</extracomment>
        <translation>diffèrent</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>--backup names one file, and several readers are to be updated: name a folder. Nothing was sent.</source>
        <translation>--backup désigne un seul fichier, mais plusieurs lecteurs sont à mettre à jour : indiquez un dossier. Rien n’a été envoyé.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a firmware writer under way runs to its end (stopping it can leave the reader without working firmware)</source>
        <translation>un programme d’écriture du micrologiciel en cours va à son terme (l’arrêter peut laisser le lecteur sans micrologiciel fonctionnel)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not started: %1 did not come back and may wait in its loader, where a second reader could not be told from it; nothing was sent</source>
        <translation>non commencé : %1 n’est pas revenu et peut attendre dans son chargeur, où un second lecteur ne pourrait pas en être distingué ; rien n’a été envoyé</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>updated</source>
        <extracomment>How the summary counts the readers whose firmware was updated (&quot;2 updated&quot;)</extracomment>
        <translation>mis à jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>updating</source>
        <translation>mise à jour</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="+6"/>
        <source>reading</source>
        <translation>lecture</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="-68"/>
        <source>switched</source>
        <extracomment>How the summary counts the readers switched to the other interface (&quot;2 switched&quot;)</extracomment>
        <translation>basculés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>switching</source>
        <translation>bascule</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="-39"/>
        <source>interrupted: nothing was written</source>
        <translation>interrompu : rien n’a été écrit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not started</source>
        <translation>non commencé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed: %1</source>
        <translation>échec : %1</translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>%n readers: %1 done, %2 failed</source>
        <translation>
            <numerusform>%n lecteur : %1 terminé, %2 en échec</numerusform>
            <numerusform>%n lecteurs : %1 terminés, %2 en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n readers: %1 unchanged, %3 %4, %2 failed</source>
        <extracomment>%3: how many readers changed, %4 the word for them (&quot;changed&quot;, &quot;differ&quot;, ...)</extracomment>
        <translation>
            <numerusform>%n lecteur : %1 inchangé, %3 %4, %2 en échec</numerusform>
            <numerusform>%n lecteurs : %1 inchangés, %3 %4, %2 en échec</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>, %1 interrupted, %2 not started</source>
        <translation>, %1 interrompus, %2 non commencés</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="+172"/>
        <source>settings as before</source>
        <translation>réglages comme avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>settings left reset (--keep-reset): %1</source>
        <translation>réglages laissés réinitialisés (--keep-reset) : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>settings restored: %1</source>
        <translation>réglages rétablis : %1</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>written, saved and verified</source>
        <translation>écrit, enregistré et vérifié</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>written and saved</source>
        <translation>écrit et enregistré</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>already on the serial interface</source>
        <translation>déjà sur l’interface série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already on the USB keyboard interface</source>
        <translation>déjà sur l’interface clavier USB</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the reader switches to the serial interface</source>
        <translation>le lecteur passe sur l’interface série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader switches to the USB keyboard interface</source>
        <translation>le lecteur passe sur l’interface clavier USB</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>cannot write the backup %1: %2; nothing was sent</source>
        <translation>impossible d’écrire la sauvegarde %1 : %2 ; rien n’a été envoyé</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: settings and firmware %2 kept in %3</source>
        <translation>%1 : réglages et micrologiciel %2 conservés dans %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the reader did not come back within %1 s; it may wait in its loader: run the firmware writer again, or unplug the reader and plug it in again; its settings are in %2</source>
        <translation>le lecteur n’est pas revenu en %1 s ; il peut attendre dans son chargeur : relancez le programme d’écriture du micrologiciel, ou débranchez le lecteur et rebranchez-le ; ses réglages sont dans %2</translation>
    </message>
    <message>
        <location line="-146"/>
        <source>another reader (%1, %2) came back where this one was; nothing was written to it</source>
        <translation>un autre lecteur (%1, %2) est revenu à la place de celui-ci ; rien ne lui a été écrit</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>updated: firmware %1 -&gt; %2; %3</source>
        <extracomment>%1 the firmware version before, %2 after, %3 what became of the settings</extracomment>
        <translation>mis à jour : micrologiciel %1 -&gt; %2 ; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the firmware writer ended, but the reader still reports firmware %1: nothing was updated</source>
        <translation>le programme d’écriture du micrologiciel a terminé, mais le lecteur indique toujours le micrologiciel %1 : rien n’a été mis à jour</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>firmware %1 as before (--allow-same); %2</source>
        <translation>micrologiciel %1 comme avant (--allow-same) ; %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the reader reports firmware %1, not %2 as expected</source>
        <translation>le lecteur indique le micrologiciel %1, et non %2 comme attendu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; backup %1</source>
        <translation> ; sauvegarde %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/station.cpp" line="+260"/>
        <source>udev&apos;s monitor</source>
        <translation>le moniteur d’udev</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>changes in %1</source>
        <translation>les changements dans %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a listing once a second</source>
        <translation>une liste chaque seconde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>waiting for readers to be plugged in (%1); Ctrl-C ends</source>
        <translation>en attente de lecteurs branchés (%1) ; Ctrl-C termine</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/document.cpp" line="+59"/>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/io.cpp" line="+22"/>
        <source>the output went away: the readers under way finish, no other starts</source>
        <translation>la sortie a disparu : les lecteurs en cours terminent, aucun autre ne commence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interrupted: the readers under way finish, no other starts; interrupt again to end at once</source>
        <translation>interrompu : les lecteurs en cours terminent, aucun autre ne commence ; interrompez à nouveau pour arrêter aussitôt</translation>
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
        <translation>attention</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>problem</source>
        <translation>problème</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1. Fix: %2</source>
        <extracomment>%1 what doctor found, %2 what to do about it</extracomment>
        <translation>%1. Solution : %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/parser.cpp" line="+46"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après « %1 ».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après « %1 ».</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>no command given; see --help</source>
        <translation>aucune commande donnée ; voir --help</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation>commande inconnue « %1 » ; voir --help</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 does not take --%2; see keylon2ctl %1 --help</source>
        <extracomment>%1 a command, %2 an option&apos;s name</extracomment>
        <translation>%1 n’accepte pas --%2 ; voir keylon2ctl %1 --help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donné plus d’une fois</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 wants %2</source>
        <extracomment>%2: the values it takes, as they are typed (&quot;cfg or json&quot;)</extracomment>
        <translation>--%1 attend %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: wrong number of arguments; see --help</source>
        <translation>%1 : nombre d’arguments incorrect ; voir --help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected argument %1; see keylon2ctl %2 --help</source>
        <translation>argument inattendu %1 ; voir keylon2ctl %2 --help</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 wants %2</source>
        <extracomment>%1 a command, %2 the values its argument takes, as they are typed (&quot;usb or serial&quot;)</extracomment>
        <translation>%1 attend %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 works on one reader; %2 were named</source>
        <translation>%1 agit sur un seul lecteur ; %2 ont été nommés</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="-207"/>
        <source>--device and --all exclude each other</source>
        <translation>--device et --all s’excluent mutuellement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--jobs wants a number of readers (0: all at once)</source>
        <translation>--jobs attend un nombre de lecteurs (0 : tous à la fois)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--wait wants a number of seconds, 0 to %1</source>
        <translation>--wait attend un nombre de secondes, de 0 à %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--json and --format exclude each other</source>
        <translation>--json et --format s’excluent mutuellement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch takes every reader plugged in; it does not take --device</source>
        <translation>--watch prend chaque lecteur branché ; il n’accepte pas --device</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/document.cpp" line="-7"/>
        <source>--%1 wants a file name</source>
        <translation>--%1 attend un nom de fichier</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="-211"/>
        <source>%1. Nothing was sent.</source>
        <translation>%1. Rien n’a été envoyé.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>%1 Nothing was sent.</source>
        <translation>%1 Rien n’a été envoyé.</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/devices.cpp" line="+60"/>
        <source>%1 readers found, name one with --device: %2</source>
        <translation>%1 lecteurs trouvés, nommez-en un avec --device : %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--device wants %1, sn:SERIAL or usb:PORTPATH, not &quot;%2&quot;</source>
        <extracomment>%1 how each transport names a reader (&quot;hid:PATH, serial:PORT&quot;), %2 what was given</extracomment>
        <translation>--device attend %1, sn:SERIAL ou usb:PORTPATH, pas « %2 »</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no reader at %1 (found: %2)</source>
        <translation>aucun lecteur à %1 (trouvés : %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 readers answer to %2 (%3); it cannot pick one: name it by usb:PORTPATH or %4</source>
        <extracomment>%4 how the readers&apos; transport names one (&quot;hid:PATH&quot;)</extracomment>
        <translation>%1 lecteurs répondent à %2 (%3) ; impossible d’en choisir un : nommez-le par usb:PORTPATH ou %4</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 has no serial number; sn: cannot pick it</source>
        <translation>%1 n’a pas de numéro de série ; sn: ne peut pas le désigner</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 readers share the serial number %2 (%3); sn: cannot pick them, name them by usb:PORTPATH or %4</source>
        <extracomment>%4 how the readers&apos; transport names one (&quot;hid:PATH&quot;)</extracomment>
        <translation>%1 lecteurs partagent le numéro de série %2 (%3) ; sn: ne peut pas les désigner, nommez-les par usb:PORTPATH ou %4</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>no lock (%1); going on without one, as --no-lock asks</source>
        <translation>pas de verrou (%1) ; on continue sans, comme le demande --no-lock</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>no lock can be had (%1); nothing was sent. Make the lock directory %2 writable for this user, or give --no-lock to go on without one</source>
        <translation>impossible d’obtenir un verrou (%1) ; rien n’a été envoyé. Rendez le répertoire des verrous %2 accessible en écriture à cet utilisateur, ou donnez --no-lock pour continuer sans</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>busy: still in use by %1 after waiting %2 s</source>
        <extracomment>%1 the program that holds the reader (&quot;keylon2ctl (process 4242)&quot;)</extracomment>
        <translation>occupé : toujours utilisé par %1 après %2 s d’attente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>busy: in use by %1; --wait SECONDS waits for it</source>
        <translation>occupé : utilisé par %1 ; --wait SECONDS l’attend</translation>
    </message>
    <message>
        <location filename="../src/core/link/reader_lock.cpp" line="+346"/>
        <source>%1 (process %2)</source>
        <extracomment>%1 the program that holds the reader (&quot;keylon2ctl&quot;)</extracomment>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a program</source>
        <translation>un programme</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>another process</source>
        <translation>un autre processus</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/devices.cpp" line="+19"/>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/reader_outcome.cpp" line="+78"/>
        <source>not started: interrupted</source>
        <translation>non commencé : interrompu</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="-333"/>
        <source>interrupted before anything was written</source>
        <translation>interrompu avant que rien ne soit écrit</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>verify failed: %1</source>
        <extracomment>%1: each key that read back otherwise, separated by &quot;; &quot;</extracomment>
        <translation>échec de la vérification : %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/jobs.cpp" line="+79"/>
        <source>%1 is %2, wrote %3</source>
        <extracomment>%1 a key of the configuration file, %2 the value read back, %3 the value written</extracomment>
        <translation>%1 vaut %2, écrit %3</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>writing the %1 failed</source>
        <extracomment>%1 a step of the exchange: status, options, output window, preamble, save command, ...</extracomment>
        <translation>échec de l’écriture : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing the %1 failed (%2)</source>
        <translation>échec de l’écriture : %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer to the %1 read</source>
        <translation>pas de réponse à la lecture : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer to the %1 read (%2)</source>
        <translation>pas de réponse à la lecture : %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad answer to the %1 read</source>
        <translation>réponse invalide à la lecture : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad answer to the %1 read (%2)</source>
        <translation>réponse invalide à la lecture : %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader is gone, at the %1</source>
        <translation>le lecteur a disparu, pendant : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader is gone, at the %1 (%2)</source>
        <translation>le lecteur a disparu, pendant : %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/reader_commands.cpp" line="+205"/>
        <source>the serial line is gone</source>
        <translation>la liaison série a disparu</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>a reader on USB HID types its key ID codes as keystrokes; monitor needs a serial reader</source>
        <translation>un lecteur en USB HID tape ses codes ID comme des frappes au clavier ; monitor a besoin d’un lecteur série</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="+147"/>
        <source>%1 lacks KBCountry in [KEYLON]: over USB HID write sends the keyboard country and would reset it; add it, or change only what the file sets with --partial or apply. Nothing was sent.</source>
        <translation>KBCountry manque dans [KEYLON] de %1 : en USB HID, write envoie le pays du clavier et le réinitialiserait ; ajoutez-le, ou ne changez que ce que le fichier règle avec --partial ou apply. Rien n’a été envoyé.</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+132"/>
        <source>%1 lacks %2 in [KEYLON]: write sends every setting and would reset those; add them, or change only what the file sets with --partial or apply. Nothing was sent.</source>
        <extracomment>%2: the keys the file lacks</extracomment>
        <translation>%2 manque dans [KEYLON] de %1 : write envoie chaque réglage et les réinitialiserait ; ajoutez-les, ou ne changez que ce que le fichier règle avec --partial ou apply. Rien n’a été envoyé.</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>%1 sets none of the reader&apos;s settings in [KEYLON].</source>
        <translation>%1 ne règle aucun réglage du lecteur dans [KEYLON].</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="+262"/>
        <source>Cannot read %1: %2.</source>
        <extracomment>%2: why, as the system words it</extracomment>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 holds no Keylon settings.</source>
        <translation>%1 ne contient aucun réglage Keylon.</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+27"/>
        <source>cannot read %1 again for the log: %2</source>
        <translation>impossible de relire %1 pour le journal : %2</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>Le programme d’écriture du micrologiciel %1 est introuvable dans %2 ; rien n’a été envoyé au lecteur.</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="-70"/>
        <source>the firmware writer did not run to its end</source>
        <translation>le programme d’écriture du micrologiciel ne s’est pas exécuté jusqu’au bout</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the firmware writer ended with exit code %1</source>
        <translation>le programme d’écriture du micrologiciel s’est terminé avec le code de sortie %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/audit_log.cpp" line="+91"/>
        <source>cannot open the log %1: %2</source>
        <translation>impossible d’ouvrir le journal %1 : %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot use %1 as the log: not a regular file</source>
        <translation>impossible d’utiliser %1 comme journal : ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>the log %1 is closed</source>
        <translation>le journal %1 est fermé</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>cannot write to the log %1: %2</source>
        <translation>impossible d’écrire dans le journal %1 : %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot write to the log %1: only %2 of %3 bytes of a line went out</source>
        <translation>impossible d’écrire dans le journal %1 : seuls %2 des %3 octets d’une ligne sont partis</translation>
    </message>
    <message>
        <location line="-92"/>
        <source>cannot save the log %1: %2</source>
        <translation>impossible d’enregistrer le journal %1 : %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/metrics.cpp" line="+281"/>
        <source>cannot write the metrics %1: %2</source>
        <translation>impossible d’écrire les métriques %1 : %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="-193"/>
        <source>%1: %2=%3: %4 is not a bracket name the notation knows; %5</source>
        <translation>%1 : %2=%3 : %4 n’est pas un nom entre crochets que la notation connaît ; %5</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>write a name the notation knows (keylon2ctl --help-all lists them) or any code as [0xHH]; a &apos;[&apos; itself is [0x5B]</source>
        <translation>écrivez un nom que la notation connaît (keylon2ctl --help-all les liste) ou n’importe quel code sous la forme [0xHH] ; un &apos;[&apos; lui-même s’écrit [0x5B]</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>write [%1]</source>
        <translation>écrivez [%1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write [%1] (code %2)</source>
        <translation>écrivez [%1] (code %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: %2=%3: the &apos;[&apos; of %4 is never closed; close the name, or write a &apos;[&apos; itself as [0x5B]</source>
        <translation>%1 : %2=%3 : le &apos;[&apos; de %4 n’est jamais fermé ; fermez le nom, ou écrivez un &apos;[&apos; lui-même sous la forme [0x5B]</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1: unknown key %2 in [KEYLON]</source>
        <translation>%1 : entrée inconnue %2 dans [KEYLON]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: unknown key %2 in [KEYLON]; did you mean %3?</source>
        <translation>%1 : entrée inconnue %2 dans [KEYLON] ; vouliez-vous dire %3 ?</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>%1: unknown key %2 in [KEYLON]; the key is spelled %3</source>
        <translation>%1 : entrée inconnue %2 dans [KEYLON] ; l’entrée s’écrit %3</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1; a &apos;#&apos; does not start a comment after a value: put the comment on a line of its own</source>
        <translation>%1 ; un &apos;#&apos; ne commence pas de commentaire après une valeur : mettez le commentaire sur une ligne à part</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: %2 is given twice in [KEYLON] (lines %3 and %4), and only the last line would count; keep the one line you mean</source>
        <translation>%1 : %2 est donné deux fois dans [KEYLON] (lignes %3 et %4), et seule la dernière ligne compterait ; gardez la seule ligne voulue</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: line %2: %3=%4: a &apos;;&apos; outside double quotes starts a comment, so this reads as %3=%5; write %3=%6 to keep the &apos;;&apos;, or put a comment on a line of its own</source>
        <translation>%1 : ligne %2 : %3=%4 : un &apos;;&apos; hors des guillemets doubles commence un commentaire, ceci se lit donc %3=%5 ; écrivez %3=%6 pour garder le &apos;;&apos;, ou mettez un commentaire sur une ligne à part</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: the section [%2] is spelled [KEYLON]</source>
        <translation>%1 : la section [%2] s’écrit [KEYLON]</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is saved as %2 (Notepad calls it &quot;Unicode&quot;); save it as UTF-8</source>
        <translation>%1 est enregistré en %2 (le Bloc-notes l’appelle « Unicode ») ; enregistrez-le en UTF-8</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1: %2=%3 is not 0 or 1</source>
        <translation>%1 : %2=%3 ne vaut ni 0 ni 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2=%3 is not a number</source>
        <translation>%1 : %2=%3 n’est pas un nombre</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2=%3 is out of range: %4</source>
        <extracomment>%4: the range, &quot;0 to 255&quot;</extracomment>
        <translation>%1 : %2=%3 est hors limites : %4</translation>
    </message>
    <message>
        <location line="-275"/>
        <source>%1 to %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>%1 to %2 (%3)</source>
        <translation>de %1 à %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/settings_table.cpp" line="+137"/>
        <source>0 or 1 (true and false are taken too)</source>
        <translation>0 ou 1 (true et false sont acceptés aussi)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the preamble, postamble and remove data, in the bracket notation; at most 31 codes each</source>
        <translation>le préambule, la postambule et la suppression de données, en notation entre crochets ; au plus 31 codes chacun</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 to %2: the reader keeps one byte, and a read shows it signed</source>
        <translation>de %1 à %2 : le lecteur conserve un octet, et une lecture le montre signé</translation>
    </message>
    <message>
        <location line="-153"/>
        <source>0 USB keyboard, 1 serial: the interface the file was read over; never applied</source>
        <translation>0 clavier USB, 1 série : l’interface par laquelle le fichier a été lu ; jamais appliqué</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1; not on the serial interface</source>
        <extracomment>%1: the keyboard countries with their numbers</extracomment>
        <translation>%1 ; pas sur l’interface série</translation>
    </message>
    <message>
        <location filename="../src/core/access/access_doctor.cpp" line="+344"/>
        <source>the udev rule is switched off: %1 links to /dev/null</source>
        <translation>la règle udev est désactivée : %1 pointe vers /dev/null</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remove that link and run sudo udevadm control --reload-rules; then unplug and plug the reader in again</source>
        <translation>supprimez ce lien et lancez sudo udevadm control --reload-rules ; puis débranchez et rebranchez le lecteur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the udev rule %1 is not installed</source>
        <translation>la règle udev %1 n’est pas installée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>install the keylon2-utility package, or copy %1 to /etc/udev/rules.d/ and run sudo udevadm control --reload-rules; then unplug and plug the reader in again</source>
        <translation>installez le paquet keylon2-utility, ou copiez %1 dans /etc/udev/rules.d/ et lancez sudo udevadm control --reload-rules ; puis débranchez et rebranchez le lecteur</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the udev rule %1 gives the readers to the user at the seat only</source>
        <translation>la règle udev %1 ne donne les lecteurs qu’à l’utilisateur du poste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install the package&apos;s rule, which also gives them to group plugdev</source>
        <translation>installez la règle du paquet, qui les donne aussi au groupe plugdev</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the udev rule is installed: %1</source>
        <translation>la règle udev est installée : %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>running as root, which may open every node</source>
        <translation>exécuté en tant que root, qui peut ouvrir tous les nœuds</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this session is at seat %1, whose user the udev rule hands the readers</source>
        <translation>cette session est au poste %1, dont l’utilisateur reçoit les lecteurs par la règle udev</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this session has no seat (as over SSH); the readers come through group plugdev, which this user is in</source>
        <translation>cette session n’a pas de poste (comme par SSH) ; les lecteurs passent par le groupe plugdev, dont cet utilisateur fait partie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this session has no seat (as over SSH): the seat&apos;s access does not reach it</source>
        <translation>cette session n’a pas de poste (comme par SSH) : l’accès du poste ne l’atteint pas</translation>
    </message>
    <message>
        <location line="-255"/>
        <source>log in again: this user joined group plugdev after this session began</source>
        <translation>reconnectez-vous : cet utilisateur a rejoint le groupe plugdev après le début de cette session</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>join group plugdev: sudo usermod -aG plugdev %1, then log in again</source>
        <translation>rejoignez le groupe plugdev : sudo usermod -aG plugdev %1, puis reconnectez-vous</translation>
    </message>
    <message>
        <location line="+267"/>
        <source>ModemManager is not running</source>
        <translation>ModemManager n’est pas lancé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager est lancé (pid %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>brltty is installed: it takes over USB serial adapters it knows when they are plugged in</source>
        <translation>brltty est installé : il s’empare des adaptateurs série USB qu’il connaît dès qu’ils sont branchés</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>if the reader&apos;s serial port vanishes when it is plugged in, remove it: sudo apt-get remove brltty</source>
        <translation>si le port série du lecteur disparaît quand il est branché, supprimez-le : sudo apt-get remove brltty</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>brltty is not installed</source>
        <translation>brltty n’est pas installé</translation>
    </message>
    <message>
        <location line="-220"/>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>unplug and plug the reader in again</source>
        <translation>débranchez et rebranchez le lecteur</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>this user may open %1</source>
        <translation>cet utilisateur peut ouvrir %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, as root</source>
        <translation>cet utilisateur peut ouvrir %1, en tant que root</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>this user may open %1, as its owner</source>
        <translation>cet utilisateur peut ouvrir %1, en tant que propriétaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, through the seat&apos;s ACL entry</source>
        <translation>cet utilisateur peut ouvrir %1, par l’entrée ACL du poste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, through group %2</source>
        <translation>cet utilisateur peut ouvrir %1, par le groupe %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, as every user may (mode %2)</source>
        <translation>cet utilisateur peut ouvrir %1, comme tout utilisateur (mode %2)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not there to be opened</source>
        <translation>%1 n’est pas là pour être ouvert</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>this user may not open %1</source>
        <translation>cet utilisateur n’a pas le droit d’ouvrir %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>this user may not open %1 (owner %2, group %3, mode %4)</source>
        <translation>cet utilisateur n’a pas le droit d’ouvrir %1 (propriétaire %2, groupe %3, mode %4)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>this user may not open %1 (owner %2, group %3, mode %4, no ACL entry for this user)</source>
        <translation>cet utilisateur n’a pas le droit d’ouvrir %1 (propriétaire %2, groupe %3, mode %4, pas d’entrée ACL pour cet utilisateur)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>install the udev rule (see above), then unplug and plug the reader in again</source>
        <translation>installez la règle udev (voir plus haut), puis débranchez et rebranchez le lecteur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unplug and plug the reader in again: the udev rule applies when the reader is added</source>
        <translation>débranchez et rebranchez le lecteur : la règle udev s’applique quand le lecteur apparaît</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>no other program holds %1</source>
        <translation>aucun autre programme ne tient %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is locked by %2 (%3)</source>
        <translation>%1 est verrouillé par %2 (%3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>end that program, or close the port in it</source>
        <translation>quittez ce programme, ou fermez-y le port</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is open in %2</source>
        <translation>%1 est ouvert dans %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>end that program before using the reader: two programs on one reader confuse each other&apos;s frames</source>
        <translation>quittez ce programme avant d’utiliser le lecteur : deux programmes sur un même lecteur mélangent leurs trames</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>in use by %1, which holds its lock %2</source>
        <translation>utilisé par %1, qui tient son verrou %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wait until it is done: another program is refused as busy, or waits with keylon2ctl --wait SECONDS</source>
        <translation>attendez qu’il ait fini : un autre programme est refusé comme occupé, ou attend avec keylon2ctl --wait SECONDS</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ModemManager leaves %1 alone</source>
        <translation>ModemManager laisse %1 tranquille</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ModemManager may probe %1 with AT commands, which the reader takes for frames</source>
        <translation>ModemManager peut sonder %1 avec des commandes AT, que le lecteur prend pour des trames</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install the udev rule, which marks the port to be left alone, and plug the reader in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>installez la règle udev, qui marque le port comme à laisser tranquille, et rebranchez le lecteur ; ou arrêtez ModemManager : sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/doctor.cpp" line="+33"/>
        <source>%1: only a reader&apos;s node is locked, and a reader whose node cannot be opened has no lock</source>
        <translation>%1 : seul le nœud d’un lecteur est verrouillé, et un lecteur dont le nœud ne peut pas être ouvert n’a pas de verrou</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a service needs ReadWritePaths=%1; elsewhere make the directory, writable by every user and sticky (mode 1777)</source>
        <translation>un service a besoin de ReadWritePaths=%1 ; ailleurs, créez le répertoire, accessible en écriture à tous et avec le bit sticky (mode 1777)</translation>
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
        <translation>Fichiers de configuration (FILE), tels qu’Exporter de la fenêtre les écrit : [FW] Ver (la version
du micrologiciel ; jamais écrite) et [KEYLON] avec ces entrées :
%1Une autre entrée dans [KEYLON], une valeur qui n’est pas un nombre là où un nombre est attendu, une
valeur hors limites, une entrée donnée deux fois, un &apos;;&apos; hors des guillemets doubles (le lecteur INI y
commence un commentaire : écrivez Pre=&quot;AB;CD&quot;) ou un nom entre crochets que la notation ne connaît
pas (comme [TAB], [cr] ou [Enter]) fait refuser le fichier avant tout envoi, en nommant l’entrée et la
façon de l’écrire. Une marque d’ordre des octets UTF-8 au début du fichier est ignorée.
Noms entre crochets dans Pre, Post et Remove, avec leurs codes en hexadécimal :%2
[0xHH] est n’importe quel code (deux chiffres hexadécimaux), [0x5B] un &apos;[&apos; lui-même. Les noms sont
en majuscules.
Les caractères %3 sont les codes b0 à b6.
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
        <translation>Connexion du lecteur</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The reader %1 is in use by %2 (process %3). Connect again when it is free.</source>
        <translation>Le lecteur %1 est utilisé par %2 (processus %3). Reconnectez-vous quand il sera libre.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No lock can be had for the reader %1 (%2), so another program could talk to it at the same time. Make the lock directory %3 writable for this user, then connect again.</source>
        <translation>Aucun verrou ne peut être pris pour le lecteur %1 (%2) : un autre programme pourrait lui parler en même temps. Rendez le répertoire des verrous %3 accessible en écriture pour cet utilisateur, puis reconnectez-vous.</translation>
    </message>
    <message>
        <location filename="../src/window/connection/connection_panel.cpp" line="+1"/>
        <source>The serial port %1 is gone; the reader was disconnected.</source>
        <translation>Le port série %1 a disparu ; le lecteur a été déconnecté.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>to Serial</source>
        <extracomment>The interface-change button names the interface it switches to</extracomment>
        <translation>Vers série</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>to USB KB</source>
        <translation>Vers clav. USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASCII Code</source>
        <translation>Code ASCII</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_update.cpp" line="+38"/>
        <location line="+47"/>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="+24"/>
        <location line="+81"/>
        <source>FW Update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>Le programme d’écriture du micrologiciel %1 est introuvable dans %2 ; rien n’a été envoyé au lecteur.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ISP Mode</source>
        <translation>Mode ISP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t send ISP mode command to device, please check your Keylon device!!</source>
        <translation>Impossible d’envoyer la commande du mode ISP à l’appareil. Vérifiez votre appareil Keylon !</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The reader did not come back within %1 seconds. It may wait in its loader: run the update again, or connect when the reader is back.</source>
        <translation>Le lecteur n’est pas revenu dans les %1 secondes. Il peut attendre dans son chargeur : relancez la mise à jour, ou connectez-vous quand le lecteur est revenu.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Another reader (serial number %1) came back where the reader was; nothing was written to it.</source>
        <translation>Un autre lecteur (numéro de série %1) est revenu là où était le lecteur ; rien n’y a été écrit.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The reader is back, but its settings could not be read; nothing was written to it.</source>
        <translation>Le lecteur est revenu, mais ses réglages n’ont pas pu être lus ; rien n’y a été écrit.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The reader is back and still reports firmware %1: the update did not change it.</source>
        <translation>Le lecteur est revenu et indique toujours le micrologiciel %1 : la mise à jour ne l’a pas changé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader is back with firmware %1 (before the update: %2).</source>
        <translation>Le lecteur est revenu avec le micrologiciel %1 (avant la mise à jour : %2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its settings are as before.</source>
        <translation>Ses réglages sont comme avant.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>These settings are not as before the update: %1. Write back those of before?</source>
        <translation>Ces réglages ne sont pas comme avant la mise à jour : %1. Réécrire ceux d’avant ?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The settings of before the update were written back: %1.</source>
        <translation>Les réglages d’avant la mise à jour ont été réécrits : %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing back the settings of before the update failed at the %1.</source>
        <translation>La réécriture des réglages d’avant la mise à jour a échoué à l’étape %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The settings of before the update were written, but these read back otherwise: %1.</source>
        <translation>Les réglages d’avant la mise à jour ont été écrits, mais ceux-ci se relisent autrement : %1.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="-86"/>
        <source>Stop the writer</source>
        <translation>Arrêter l’écriture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect and check</source>
        <translation>Connecter et vérifier</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Stopping the writer can leave the reader without working firmware. Stop it?</source>
        <translation>Arrêter l’écriture peut laisser le lecteur sans micrologiciel fonctionnel. L’arrêter quand même ?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The firmware writer ended with exit code %1. Connect again when the reader is back.</source>
        <translation>Le programme d’écriture du micrologiciel s’est terminé avec le code de sortie %1. Reconnectez-vous quand le lecteur sera de retour.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/interface_change.cpp" line="+20"/>
        <source>Do you want to change Keylon interface to &lt;b&gt;USB Keyboard&lt;/b&gt; and utility will close?</source>
        <translation>Voulez-vous passer l’interface du Keylon en &lt;b&gt;clavier USB&lt;/b&gt; ? L’utilitaire se fermera ensuite.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to change Keylon interface to &lt;b&gt;serial&lt;/b&gt; and utility will close?</source>
        <translation>Voulez-vous passer l’interface du Keylon en &lt;b&gt;série&lt;/b&gt; ? L’utilitaire se fermera ensuite.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="-14"/>
        <source>Change Mode</source>
        <extracomment>Button: switches the reader to the other interface</extracomment>
        <translation>Changer de mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader did not get the interface change; the utility stays open.</source>
        <translation>Le lecteur n’a pas reçu le changement d’interface ; l’utilitaire reste ouvert.</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/config_files.cpp" line="+24"/>
        <source>Cannot read %1: %2. The page was left as it was.</source>
        <translation>Impossible de lire %1 : %2. La page n’a pas été modifiée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no Keylon settings. The page was left as it was.</source>
        <translation>%1 ne contient aucun réglage Keylon. La page n’a pas été modifiée.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save Config</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Config Files(*.cfg)</source>
        <translation>Fichiers de configuration (*.cfg)</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+8"/>
        <source>Config File</source>
        <translation>Fichier de configuration</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You didn&apos;t input config file.</source>
        <translation>Vous n’avez indiqué aucun fichier de configuration.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write %1: %2. Nothing was saved.</source>
        <translation>Impossible d’écrire %1 : %2. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <location line="+4"/>
        <source>Open Config</source>
        <translation>Ouvrir une configuration</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>You didn&apos;t select any files.</source>
        <translation>Vous n’avez sélectionné aucun fichier.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Default File</source>
        <translation>Fichier par défaut</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not found default.cfg file.</source>
        <translation>Le fichier default.cfg est introuvable.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <source>Load Default</source>
        <translation>Charger les valeurs par défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The default file is successfully loaded, click the Set Status write to Keylon device.</source>
        <translation>Le fichier par défaut a été chargé. Cliquez sur « Écrire l’état » pour l’écrire dans l’appareil Keylon.</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_form.cpp" line="+95"/>
        <source>F/W Version: %1</source>
        <translation>Version FW : %1</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_reader.cpp" line="+15"/>
        <source>Successfully obtained Keylon the set value</source>
        <translation>Les réglages du Keylon ont été lus.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get F/W version fail, please retry.</source>
        <translation>Impossible de lire la version du micrologiciel. Veuillez réessayer.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Get PreAmble fail, please retry.</source>
        <translation>Impossible de lire le préambule. Veuillez réessayer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get PostAmble fail, please retry.</source>
        <translation>Impossible de lire la postambule. Veuillez réessayer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get RemoveData fail, please retry.</source>
        <translation>Impossible de lire la suppression de données. Veuillez réessayer.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read Status</source>
        <translation>Lecture de l’état</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_writer.cpp" line="+26"/>
        <location line="+17"/>
        <location line="+7"/>
        <source>Setting Keylon</source>
        <translation>Réglage du Keylon</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Writing to the reader failed at the interface change; the page was saved, the interface was not changed.</source>
        <translation>L’écriture dans le lecteur a échoué au changement d’interface ; la page a été enregistrée, l’interface n’a pas changé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing to the reader failed at the %1; the reader did not save the page.</source>
        <translation>L’écriture dans le lecteur a échoué à l’étape « %1 » ; le lecteur n’a pas enregistré la page.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Successfully set Keylon set value</source>
        <translation>Les réglages du Keylon ont été écrits.</translation>
    </message>
    <message>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="-25"/>
        <source>Keylon2 Utility V1.0.0</source>
        <translation>Utilitaire Keylon2 V1.0.0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F/W Version:</source>
        <translation>Version FW :</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+263"/>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Scan</source>
        <extracomment>Button: asks the reader to scan a key now</extracomment>
        <translation>&amp;Scanner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <extracomment>Button: empties the output shown on the Status page</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Status</source>
        <extracomment>Tab with the reader&apos;s output</extracomment>
        <translation>État</translation>
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
        <translation>Préambule actif</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+5"/>
        <source>Output length</source>
        <translation>Longueur sortie</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="-1"/>
        <source>Output start</source>
        <translation>Début de sortie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buzzer Enable</source>
        <translation>Buzzer actif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID Code Auto Report</source>
        <translation>Envoi auto du code ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PostAmble Enable</source>
        <translation>Postambule active</translation>
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
        <translation>Pays clavier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FW &amp;Update</source>
        <translation>&amp;MàJ FW</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Data Enable</source>
        <translation>Suppr. données active</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ID Code Enable</source>
        <translation>Suppr. code ID active</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+10"/>
        <source>Change Interface</source>
        <translation>Changer d’interface</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <extracomment>Button: loads default.cfg into the page</extracomment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Get Status</source>
        <translation>&amp;Lire l’état</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Set Status</source>
        <translation>&amp;Écrire l’état</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <extracomment>Tab with the reader&apos;s settings</extracomment>
        <translation>Réglages</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TextLabel</source>
        <extracomment>Placeholder of a hidden label; never shown</extracomment>
        <translation>Étiquette</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PushButton</source>
        <extracomment>Placeholder of a hidden button; never shown</extracomment>
        <translation>Bouton</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB KB</source>
        <translation>Clavier USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <location filename="../src/window/ui/window_access.cpp" line="-15"/>
        <source>Serial port name</source>
        <translation>Nom du port série</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preamble</source>
        <translation>Préambule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postamble</source>
        <translation>Postambule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove data</source>
        <translation>Suppression de données</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preamble ASCII code</source>
        <translation>Code ASCII du préambule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postamble ASCII code</source>
        <translation>Code ASCII de la postambule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove data ASCII code</source>
        <translation>Code ASCII de la suppression de données</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Keyboard country</source>
        <translation>Pays du clavier</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
</context>
</TS>
