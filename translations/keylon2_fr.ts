<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/core/link/access_check.cpp" line="+93"/>
        <source>The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then unplug and plug the reader in again.</source>
        <translation>Le lecteur est branché, mais cet utilisateur n’a pas le droit d’ouvrir %1. Installez les règles udev (%2, voir le README), puis débranchez et rebranchez le lecteur.</translation>
    </message>
    <message>
        <location filename="../src/core/protocol/settings_frames.cpp" line="+35"/>
        <source>PreAmble</source>
        <translation>Préambule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PostAmble</source>
        <translation>Postambule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Data</source>
        <translation>Suppression de données</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
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
        <location line="+3"/>
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
        <location filename="../src/core/session/session_result.cpp" line="+11"/>
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
        <location line="+40"/>
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
        <location filename="../src/window/maintenance/firmware_update.cpp" line="+23"/>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="+23"/>
        <location line="+68"/>
        <source>FW Update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>Le programme d’écriture du micrologiciel %1 est introuvable dans %2 ; rien n’a été envoyé au lecteur.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ISP Mode</source>
        <translation>Mode ISP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t send ISP mode command to device, please check your Keylon device!!</source>
        <translation>Impossible d’envoyer la commande du mode ISP à l’appareil. Vérifiez votre appareil Keylon !</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="-72"/>
        <source>Stop the writer</source>
        <translation>Arrêter l’écriture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Stopping the writer can leave the reader without working firmware. Stop it?</source>
        <translation>Arrêter l’écriture peut laisser le lecteur sans micrologiciel fonctionnel. L’arrêter quand même ?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The firmware writer ended with exit code %1. Connect again when the reader is back.</source>
        <translation>Le programme d’écriture du micrologiciel s’est terminé avec le code de sortie %1. Reconnectez-vous quand le lecteur sera de retour.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/interface_change.cpp" line="+19"/>
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
        <location line="+7"/>
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
        <location filename="../src/window/settings_page/config_files.cpp" line="+23"/>
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
        <location line="+15"/>
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
        <location filename="../src/window/settings_page/settings_form.cpp" line="+93"/>
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
        <location filename="../src/window/settings_page/settings_writer.cpp" line="+24"/>
        <location line="+14"/>
        <location line="+6"/>
        <source>Setting Keylon</source>
        <translation>Réglage du Keylon</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Writing to the reader failed at the interface change; the page was saved, the interface was not changed.</source>
        <translation>L’écriture dans le lecteur a échoué au changement d’interface ; la page a été enregistrée, l’interface n’a pas changé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing to the reader failed at the %1; the reader did not save the page.</source>
        <translation>L’écriture dans le lecteur a échoué à l’étape « %1 » ; le lecteur n’a pas enregistré la page.</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location filename="../src/window/ui/window_access.cpp" line="+142"/>
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
</context>
</TS>
