<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/core/link/access_check.cpp" line="+39"/>
        <source>The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then unplug and plug the reader in again.</source>
        <translation>הקורא מחובר, אך למשתמש זה אין הרשאה לפתוח את %1. התקינו את כללי udev ‏(%2, ראו README), ואז נתקו את הקורא וחברו אותו מחדש.</translation>
    </message>
    <message>
        <location filename="../src/core/settings/settings_table.cpp" line="+22"/>
        <source>PreAmble</source>
        <translation>תחילית</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PostAmble</source>
        <translation>סופית</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove Data</source>
        <translation>הסרת נתונים</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/protocol/settings_frames.cpp" line="+47"/>
        <source>The %1 has %n codes</source>
        <extracomment>%1 the affix as the page labels it, %n how many codes it holds (more than the reader keeps)</extracomment>
        <translation>
            <numerusform>ב%1 יש %n קודים</numerusform>
            <numerusform>ב%1 יש %n קודים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>the %1 has %n codes</source>
        <translation>
            <numerusform>ב%1 יש %n קודים</numerusform>
            <numerusform>ב%1 יש %n קודים</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1; the reader keeps at most %2. Nothing was sent.</source>
        <translation>%1; הקורא שומר %2 לכל היותר. דבר לא נשלח.</translation>
    </message>
    <message>
        <location filename="../src/core/text/name_tables.cpp" line="+20"/>
        <source>USA</source>
        <translation>ארה״ב</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>U.K</source>
        <translation>בריטניה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>French</source>
        <translation>צרפת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>גרמניה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Italy</source>
        <translation>איטליה</translation>
    </message>
    <message>
        <location filename="../src/core/session/session_result.cpp" line="+8"/>
        <source>status</source>
        <translation>המצב</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>options</source>
        <translation>האפשרויות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>output window</source>
        <translation>חלון הפלט</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>keyboard country</source>
        <translation>מדינת המקלדת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preamble</source>
        <translation>התחילית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>postamble</source>
        <translation>הסופית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>remove data</source>
        <translation>הסרת הנתונים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>save command</source>
        <translation>פקודת השמירה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interface change</source>
        <translation>החלפת הממשק</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ISP mode command</source>
        <translation>פקודת מצב ISP</translation>
    </message>
</context>
<context>
    <name>Keylon2ctl</name>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="+197"/>
        <source>(default: %1, %2)</source>
        <translation>(ברירת מחדל: %1, %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(default: %1)</source>
        <translation>(ברירת מחדל: %1)</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The reader: %1, sn:SERIAL or usb:PORTPATH, as list shows them. Commands on several readers take it as often as wanted.</source>
        <extracomment>%1 how each transport names a reader (&quot;hid:PATH, serial:PORT&quot;)</extracomment>
        <translation>הקורא: %1, sn:SERIAL או usb:PORTPATH, כפי ש-list מציגה אותם. פקודות על כמה קוראים מקבלות אותה כמה פעמים שרוצים.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every attached reader.</source>
        <translation>כל קורא מחובר.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write, apply, diff: readers at once; 0 is all at once.</source>
        <translation>write, apply, diff: קוראים בו-זמנית; 0 פירושו כולם בו-זמנית.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>apply: read only and tell what would change; no write frame is sent.</source>
        <translation>apply: רק לקרוא ולומר מה היה משתנה; לא נשלחת מסגרת כתיבה.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apply: after the readers attached, each reader plugged in, once per plug, until SIGINT (Ctrl-C), SIGTERM or SIGHUP; then the summary. Exit 0 when no reader failed, else 1.</source>
        <translation>apply: אחרי הקוראים המחוברים, כל קורא שמחובר, פעם אחת לכל חיבור, עד SIGINT (Ctrl-C), SIGTERM או SIGHUP; ואז הסיכום. קוד יציאה 0 כשאף קורא לא נכשל, אחרת 1.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A reader that another process holds (the window, a station, another keylon2ctl) is waited for, up to SECONDS; without it such a reader is refused at once as busy (exit 6), naming that process.</source>
        <translation>לקורא שתהליך אחר מחזיק (החלון, תחנה, keylon2ctl אחר) ממתינים עד SECONDS שניות; בלי האפשרות קורא כזה נדחה מיד כתפוס (קוד 6), עם שם התהליך.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A reader for which no lock can be had (neither a file in the lock directory nor the reader&apos;s node) is talked to all the same, with a warning; without it such a reader is refused and nothing is sent. Another program may then send its frames between this one&apos;s.</source>
        <translation>עם קורא שלא ניתן להשיג עבורו נעילה (לא קובץ בספריית הנעילות ולא צומת ההתקן של הקורא) מתקשרים בכל זאת, עם אזהרה; בלי האפשרות קורא כזה נדחה ולא נשלח דבר. תוכנית אחרת עלולה אז לשלוח את המסגרות שלה בין המסגרות של תוכנית זו.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>write: read the reader first and change only the keys the file sets.</source>
        <translation>write: לקרוא את הקורא קודם ולשנות רק את השדות שהקובץ קובע.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write: do not read the settings back.</source>
        <translation>write: לא לקרוא את ההגדרות בחזרה.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: keep the reader&apos;s settings and firmware version in FILE, a configuration file that apply and the window&apos;s Import take; a folder gets one file per reader. Without it each reader&apos;s file goes to keylon2/firmware-backups/ in the user&apos;s state directory ($XDG_STATE_HOME, ~/.local/state), named by its serial number and the time.</source>
        <translation>firmware-update: לשמור את ההגדרות ואת גרסת הקושחה של הקורא ב-FILE, קובץ תצורה ש-apply והייבוא של החלון מקבלים; תיקייה מקבלת קובץ לכל קורא. בלעדיה הקובץ של כל קורא נשמר ב-keylon2/firmware-backups/ בתיקיית המצב של המשתמש ($XDG_STATE_HOME, ~/.local/state), בשם לפי המספר הסידורי שלו והשעה.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>firmware-update: how long to wait for the reader to come back after the writer.</source>
        <translation>firmware-update: כמה זמן לחכות לחזרת הקורא אחרי תוכנית הצריבה.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>firmware-update: a reader that comes back with the version of before is no failure.</source>
        <translation>firmware-update: קורא שחוזר עם הגרסה של קודם אינו כישלון.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: the version the reader must report after the update; another one is a failure.</source>
        <translation>firmware-update: הגרסה שהקורא חייב לדווח אחרי העדכון; גרסה אחרת היא כישלון.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>firmware-update: leave the settings the writer reset as they are, instead of writing back those of before.</source>
        <translation>firmware-update: להשאיר את ההגדרות שתוכנית הצריבה אתחלה כפי שהן, במקום לכתוב בחזרה את אלה של קודם.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>read: the configuration file or the settings alone as JSON.</source>
        <translation>read: קובץ התצורה או ההגדרות בלבד כ-JSON.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One JSON document on standard output (&quot;schema&quot;: 1), also on failure. apply --watch: a JSON line per reader as it is done, then the document.</source>
        <translation>מסמך JSON אחד בפלט התקני (&quot;schema&quot;: 1), גם בכישלון. apply --watch: שורת JSON לכל קורא כשהוא מסתיים, ואז המסמך.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Also the protocol&apos;s debug lines, on standard error.</source>
        <translation>גם שורות הניפוי של הפרוטוקול, בפלט השגיאות.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This help; after a command, that command&apos;s.</source>
        <translation>עזרה זו; אחרי פקודה, העזרה של אותה פקודה.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every command in full, the configuration file&apos;s keys and the exit codes.</source>
        <translation>כל פקודה במלואה, שדות קובץ התצורה וקודי היציאה.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The program&apos;s version.</source>
        <translation>גרסת התוכנית.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--wait-back wants a number of seconds, 0 to %1</source>
        <translation>--wait-back מצפה למספר שניות, מ־0 עד %1</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>every attached reader, USB HID and serial, with its serial number and USB port</source>
        <translation>כל קורא מחובר, USB HID וטורי, עם המספר הסידורי שלו ויציאת ה-USB שלו</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On USB HID its node, on the serial line its port; each with its USB serial number, the USB socket it sits in (the name sysfs gives it, such as 1-2.3, which stays when the reader is plugged in again there), vendor and product ID, and product string or description. Warns when two readers share a serial number, or one has none: sn: cannot pick those. A serial port counts as a reader when its description starts with the reader driver&apos;s text or its USB vendor ID is 0416.</source>
        <translation>ב-USB HID צומת ההתקן שלו, בקו הטורי היציאה שלו; כל אחד עם המספר הסידורי של ה-USB, שקע ה-USB שהוא מחובר אליו (השם ש-sysfs נותן לו, כמו 1-2.3, שנשאר כשהקורא מחובר שם שוב), מזהה יצרן ומוצר, ושם המוצר או התיאור. מזהיר כששני קוראים חולקים מספר סידורי או כשלאחד אין: sn: לא יכול לבחור בהם. יציאה טורית נחשבת לקורא כשהתיאור שלה מתחיל בטקסט של מנהל ההתקן של הקורא או כשמזהה יצרן ה-USB שלה הוא 0416.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the reader&apos;s settings as a configuration file (the window&apos;s Import reads it) or as JSON</source>
        <translation>הגדרות הקורא כקובץ תצורה (הייבוא של החלון קורא אותו) או כ-JSON</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over the serial line the reader does not tell its keyboard country: the file leaves KBCountry out, so that applying it keeps each reader&apos;s country.</source>
        <translation>בקו הטורי הקורא אינו מוסר את מדינת המקלדת שלו: הקובץ משמיט את KBCountry, כך שהחלתו שומרת על המדינה של כל קורא.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>writes and saves every setting of the file, then reads them back</source>
        <translation>כותב ושומר כל הגדרה של הקובץ, ואז קורא אותן בחזרה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Always writes, whether or not the reader holds the settings already. The file must set every [KEYLON] key but Interface, or the keys it leaves out would be reset; with --partial the reader is read first and only the keys the file sets change. A file without KBCountry, as read makes one over the serial line, writes to readers on the serial line; a reader on USB HID refuses it. The settings go to the interface the reader is on (the file&apos;s Interface is not applied: see set-interface); over the serial line KBCountry is not sent, the serial interface has no such setting.</source>
        <translation>כותב תמיד, בין אם הקורא כבר מחזיק בהגדרות ובין אם לא. הקובץ חייב לקבוע כל שדה של [KEYLON] מלבד Interface, אחרת השדות שהושמטו יאופסו; עם --partial הקורא נקרא קודם ומשתנים רק השדות שהקובץ קובע. קובץ בלי KBCountry, כמו זה ש-read יוצרת בקו הטורי, נכתב לקוראים בקו הטורי; קורא ב-USB HID דוחה אותו. ההגדרות הולכות לממשק שהקורא נמצא בו (ה-Interface של הקובץ אינו מוחל: ראו set-interface); בקו הטורי KBCountry אינו נשלח, לממשק הטורי אין הגדרה כזו.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>reads each reader and writes, saves and reads back only the readers whose settings differ from the file&apos;s</source>
        <translation>קורא כל קורא וכותב, שומר וקורא בחזרה רק את הקוראים שההגדרות שלהם שונות מאלה של הקובץ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compares, key by key, what the reader holds with the keys the file sets, and changes only those keys. Each reader is unchanged, changed (naming the keys) or failed (saying why); a reader that already matches costs one read and nothing more. With --check nothing is written: it says what would change, and the exit code is 5 when a reader would change (0 when every reader matches). With --watch it is a station: it applies the file to the readers attached, then to each reader plugged in (on USB HID or the serial line), once per plug, a line per reader as it is done, until SIGINT (Ctrl-C), SIGTERM or SIGHUP, or until its output goes away; the readers under way then finish, and the summary follows. Its exit code is 0 when no reader failed, else 1 (not 128 plus the signal: a signal is how a station ends). It takes no --device. With --json it prints a JSON line per reader as it is done, and apply&apos;s whole document as its last line.</source>
        <translation>משווה, שדה אחר שדה, את מה שהקורא מחזיק עם השדות שהקובץ קובע, ומשנה רק את השדות האלה. כל קורא נשאר ללא שינוי, שונה (עם השדות) או נכשל (עם הסיבה); קורא שכבר תואם עולה קריאה אחת ולא יותר. עם --check לא נכתב דבר: הפקודה אומרת מה היה משתנה, וקוד היציאה הוא 5 כשקורא היה משתנה (0 כשכל הקוראים תואמים). עם --watch זו תחנה: היא מחילה את הקובץ על הקוראים המחוברים, ואז על כל קורא שמחובר (ב-USB HID או בקו הטורי), פעם אחת לכל חיבור, שורה לכל קורא כשהוא מסתיים, עד SIGINT (Ctrl-C), SIGTERM או SIGHUP, או עד שהפלט שלה נעלם; הקוראים שבטיפול מסתיימים אז, והסיכום בא אחריהם. קוד היציאה שלה הוא 0 כשאף קורא לא נכשל, אחרת 1 (לא 128 ועוד האות: אות הוא הדרך שבה תחנה מסתיימת). היא אינה מקבלת --device. עם --json היא מדפיסה שורת JSON לכל קורא כשהוא מסתיים, ואת המסמך המלא של apply כשורה האחרונה.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>each reader&apos;s values that differ from the file&apos;s, key by key (reader -&gt; file); writes nothing</source>
        <translation>הערכים של כל קורא השונים מאלה של הקובץ, שדה אחר שדה (קורא -&gt; קובץ); לא כותב דבר</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The keys the file sets are compared as apply compares them; the values are spelled as a configuration file spells them. Exit 0 when every reader matches the file, 5 when one differs; a reader that failed gives its own code.</source>
        <translation>השדות שהקובץ קובע מושווים כפי ש-apply משווה אותם; הערכים נכתבים כפי שקובץ תצורה כותב אותם. קוד יציאה 0 כשכל הקוראים תואמים לקובץ, 5 כשאחד שונה; קורא שנכשל נותן את הקוד שלו.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>switches the reader to its USB keyboard or its serial interface</source>
        <translation>מעביר את הקורא למקלדת ה-USB שלו או לממשק הטורי שלו</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader leaves the link and is found again on the other interface. Nothing is sent to a reader that is on that interface already.</source>
        <translation>הקורא עוזב את החיבור ונמצא שוב בממשק האחר. לקורא שכבר נמצא בממשק הזה לא נשלח דבר.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>key ID codes from a reader on its serial interface, one per line, until interrupted</source>
        <translation>קודים מזהים של מפתחות מקורא בממשק הטורי שלו, אחד בכל שורה, עד להפסקה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>With --json the codes are collected and printed in one document when monitor ends.</source>
        <translation>עם --json הקודים נאספים ומודפסים במסמך אחד כש-monitor מסתיימת.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>what stands between this user and the readers, one line each with what to do</source>
        <translation>מה עומד בין המשתמש הזה לבין הקוראים, שורה לכל דבר עם מה לעשות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checks the udev rule, whether this user may open each reader&apos;s node and through what (seat ACL, group, owner), whether this session has a seat (an SSH session has none: join group plugdev), ModemManager on a reader&apos;s port, brltty, and another process holding a port. Exit 0 when every attached reader can be opened, 3 when none is attached, 4 when one cannot be opened.</source>
        <translation>בודק את כלל ה-udev, אם המשתמש הזה רשאי לפתוח את צומת ההתקן של כל קורא ודרך מה (ACL של מושב, קבוצה, בעלים), אם להפעלה הזו יש מושב (להפעלת SSH אין: הצטרפו לקבוצה plugdev), ModemManager על היציאה של קורא, brltty, ותהליך אחר שמחזיק יציאה. קוד יציאה 0 כשאפשר לפתוח כל קורא מחובר, 3 כשאף קורא אינו מחובר, 4 כשאחד אינו נפתח.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the bash or zsh completion script; devices: what --device completes to</source>
        <translation>סקריפט ההשלמה של bash או zsh; devices: למה --device משלים</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Usage: keylon2ctl %1 [--json]</source>
        <translation>שימוש: keylon2ctl %1 [--json]</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Options:</source>
        <translation>אפשרויות:</translation>
    </message>
    <message>
        <location line="-206"/>
        <source>write, apply, set-interface, firmware-update: append JSON lines to LOG, the audit log: one per reader handled, and before a reader&apos;s first write frame a line that opens it. A log that cannot be opened stops the command before anything is sent.</source>
        <translation>write, apply, set-interface, firmware-update: להוסיף שורות JSON ל-LOG, יומן הביקורת: אחת לכל קורא שטופל, ולפני מסגרת הכתיבה הראשונה של קורא שורה שפותחת אותו. יומן שלא ניתן לפתוח עוצר את הפקודה לפני שנשלח דבר.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>write, apply, diff, set-interface, firmware-update: keep FILE (name it NAME.prom in node exporter&apos;s textfile directory) in Prometheus&apos; text format: readers by result, drift, firmware updates by outcome, the last reader and failure, the readers with their identity. A station writes it at each event, a run at its start and end. A file that cannot be written is said on standard error and changes nothing else.</source>
        <translation>write, apply, diff, set-interface, firmware-update: לנהל את FILE (קראו לו NAME.prom בספריית ה-textfile של node exporter) בתבנית הטקסט של Prometheus: קוראים לפי תוצאה, סטייה, עדכוני קושחה לפי תוצאה, הקורא והכישלון האחרונים, הקוראים עם זהותם. תחנה כותבת אותו בכל אירוע, ריצה בתחילתה ובסופה. קובץ שלא ניתן לכתוב נאמר בפלט השגיאות ואינו משנה דבר אחר.</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>puts the reader into ISP mode, runs ./flashmate RECONNKLN from the working directory, and checks the reader that comes back</source>
        <translation>מכניס את הקורא למצב ISP, מריץ את ./flashmate RECONNKLN מתיקיית העבודה ובודק את הקורא שחוזר</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before: the reader is read and its settings and firmware version kept in a backup file (see --backup); a reader that cannot be read, or a backup that cannot be written, gets nothing. After the writer: the same reader (the same serial number, else the same USB port; a new node is normal) is waited for up to --wait-back seconds and read. It is updated (the version before and after), or it failed: the writer changed nothing (the version of before; --allow-same takes that), another version than --expect-version, not back (it may wait in its loader: run the writer again, or unplug it and plug it in again), or another reader came back in its place (nothing is written to it). The settings the writer reset are written back from the backup, only those that differ, then read back, unless --keep-reset; the line says which. Several readers (--device as often as wanted, or --all) are updated one after another, never two in their loaders at once. An interrupt lets a writer under way run to its end (stopping a writer can leave the reader without working firmware), then no other reader starts. Nothing is sent when the firmware writer is not there. With --json the writer&apos;s output goes to standard error.</source>
        <translation>לפני: הקורא נקרא, וההגדרות וגרסת הקושחה שלו נשמרות בקובץ גיבוי (ראו --backup); קורא שלא ניתן לקרוא, או גיבוי שלא ניתן לכתוב, אינו מקבל דבר. אחרי תוכנית הצריבה: ממתינים לאותו קורא (אותו מספר סידורי, אחרת אותה יציאת USB; צומת חדש הוא דבר רגיל) עד --wait-back שניות, ואז קוראים אותו. הוא עודכן (הגרסה לפני ואחרי), או שנכשל: תוכנית הצריבה לא שינתה דבר (הגרסה של קודם; --allow-same מקבל זאת), גרסה אחרת מ---expect-version, לא חזר (ייתכן שהוא ממתין במטען שלו: הריצו שוב את תוכנית הצריבה, או נתקו את הקורא וחברו אותו שוב), או שקורא אחר חזר במקומו (לא נכתב אליו דבר). ההגדרות שתוכנית הצריבה אתחלה נכתבות בחזרה מהגיבוי, רק אלה שונות, ואז נקראות שוב, אלא אם ניתן --keep-reset; השורה אומרת אילו. כמה קוראים (--device כמה פעמים שרוצים, או --all) מעודכנים בזה אחר זה, לעולם לא שניים במטען שלהם בבת אחת. הפסקה נותנת לתוכנית צריבה שבפעולה לרוץ עד סופה (עצירתה עלולה להשאיר את הקורא בלי קושחה תקינה), ואז אף קורא אחר אינו מתחיל. לא נשלח דבר כשתוכנית צריבת הקושחה אינה קיימת. עם --json הפלט של תוכנית הצריבה הולך לפלט השגיאות.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Reads and writes the settings of Keylon2 key readers.

Usage: keylon2ctl COMMAND [ARGUMENTS] [OPTIONS]
       keylon2ctl COMMAND --help

Commands:
</source>
        <translation>קורא וכותב את ההגדרות של קוראי מפתחות Keylon2.

שימוש: keylon2ctl COMMAND [ARGUMENTS] [OPTIONS]
       keylon2ctl COMMAND --help

פקודות:
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DEVICE is --device %1, sn:SERIAL or usb:PORTPATH (as list shows them), or the same word after the command&apos;s arguments; without one, the only attached reader. A serial number that two readers share, or an empty one, never picks a reader. Serial ports count as readers by their description or their USB vendor ID 0416; any other port must be named.</source>
        <translation>DEVICE הוא --device %1, sn:SERIAL או usb:PORTPATH (כפי ש-list מציגה אותם), או אותה מילה אחרי הארגומנטים של הפקודה; בלעדיו, הקורא המחובר היחיד. מספר סידורי ששני קוראים חולקים, או מספר ריק, לעולם אינו בוחר קורא. יציאות טוריות נחשבות לקוראים לפי התיאור שלהן או לפי מזהה יצרן ה-USB 0416; כל יציאה אחרת יש לציין בשמה.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit codes:</source>
        <translation>קודי יציאה:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>apply --watch ends at SIGINT, SIGTERM or SIGHUP, or when its output goes away, with 0 when no reader failed, else 1.</source>
        <translation>apply --watch מסתיימת ב-SIGINT, SIGTERM או SIGHUP, או כשהפלט שלה נעלם, עם 0 כשאף קורא לא נכשל, אחרת 1.</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/exit_codes.h" line="+31"/>
        <source>success (every reader unchanged, or changed, written or switched as asked)</source>
        <translation>הצלחה (כל קורא ללא שינוי, או שונה, נכתב או הועבר כמבוקש)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a reader failed (no answer, a write that failed, a difference on verify)</source>
        <translation>קורא נכשל (אין תשובה, כתיבה שנכשלה, הבדל באימות)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>usage error, or a file that cannot be taken (nothing was sent)</source>
        <translation>שגיאת שימוש, או קובץ שלא ניתן לקבל (לא נשלח דבר)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no reader found</source>
        <translation>לא נמצא קורא</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>permission denied on the reader&apos;s device node</source>
        <translation>ההרשאה לצומת ההתקן של הקורא נדחתה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drift: diff or apply --check found a reader that differs from the file (a failure keeps its own code)</source>
        <translation>סטייה: diff או apply --check מצאו קורא השונה מהקובץ (כישלון שומר על הקוד שלו)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>busy: a reader is held by another process (--wait not given, or it ran out)</source>
        <translation>תפוס: תהליך אחר מחזיק קורא (--wait לא ניתן, או שפג)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hung up (SIGHUP, a dropped session): the readers under way finished, no other was started</source>
        <translation>נותק (SIGHUP, הפעלה שנפלה): הקוראים שבטיפול הסתיימו, לא התחיל אף אחר</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interrupted (SIGINT, Ctrl-C): the readers under way finished, no other was started</source>
        <translation>הופסק (SIGINT, Ctrl-C): הקוראים שבטיפול הסתיימו, לא התחיל אף אחר</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output went away (a closed pipe or terminal: EPIPE or EIO): ended as after an interrupt; never killed by SIGPIPE</source>
        <translation>הפלט נעלם (צינור או מסוף שנסגרו: EPIPE או EIO): הסתיים כמו אחרי הפסקה; לעולם לא נהרג על ידי SIGPIPE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>terminated (SIGTERM): the readers under way finished, no other was started</source>
        <translation>הסתיים (SIGTERM): הקוראים שבטיפול הסתיימו, לא התחיל אף אחר</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+180"/>
        <source>writing</source>
        <translation>כותב</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="+56"/>
        <source>unchanged</source>
        <translation>ללא שינוי</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+16"/>
        <source>would change: %1</source>
        <translation>היה משתנה: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>changed: %1</source>
        <translation>שונה: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> (saved; not read back after the interrupt)</source>
        <translation> (נשמר; לא נקרא בחזרה אחרי ההפסקה)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>would change</source>
        <extracomment>How the summary counts the readers that apply changed or would change (&quot;3 changed&quot;)</extracomment>
        <translation>היו משתנים</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>changed</source>
        <translation>שונו</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>checking</source>
        <translation>בודק</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>applying</source>
        <translation>מחיל</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>differs: %1</source>
        <translation>שונה מהקובץ: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>differ</source>
        <extracomment>How the summary counts the readers that differ from the file (&quot;2 differ&quot;)</extracomment>
        <translation>שונים</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>--backup names one file, and several readers are to be updated: name a folder. Nothing was sent.</source>
        <translation>--backup מציין קובץ אחד, אבל יש לעדכן כמה קוראים: ציינו תיקייה. לא נשלח דבר.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a firmware writer under way runs to its end (stopping it can leave the reader without working firmware)</source>
        <translation>תוכנית צריבת קושחה שבפעולה רצה עד סופה (עצירתה עלולה להשאיר את הקורא בלי קושחה תקינה)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not started: %1 did not come back and may wait in its loader, where a second reader could not be told from it; nothing was sent</source>
        <translation>לא התחיל: %1 לא חזר וייתכן שהוא ממתין במטען שלו, שם לא ניתן היה להבחין בינו לבין קורא שני; לא נשלח דבר</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>updated</source>
        <extracomment>How the summary counts the readers whose firmware was updated (&quot;2 updated&quot;)</extracomment>
        <translation>עודכנו</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>updating</source>
        <translation>מעדכן</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="+6"/>
        <source>reading</source>
        <translation>קורא</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="-68"/>
        <source>switched</source>
        <extracomment>How the summary counts the readers switched to the other interface (&quot;2 switched&quot;)</extracomment>
        <translation>הועברו</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>switching</source>
        <translation>מעביר</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/fleet.cpp" line="-39"/>
        <source>interrupted: nothing was written</source>
        <translation>הופסק: לא נכתב דבר</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not started</source>
        <translation>לא התחיל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed: %1</source>
        <translation>נכשל: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>%n readers: %1 done, %2 failed</source>
        <translation>
            <numerusform>קורא %n: %1 הושלמו, %2 נכשלו</numerusform>
            <numerusform>%n קוראים: %1 הושלמו, %2 נכשלו</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n readers: %1 unchanged, %3 %4, %2 failed</source>
        <extracomment>%3: how many readers changed, %4 the word for them (&quot;changed&quot;, &quot;differ&quot;, ...)</extracomment>
        <translation>
            <numerusform>קורא %n: %1 ללא שינוי, %3 %4, %2 נכשלו</numerusform>
            <numerusform>%n קוראים: %1 ללא שינוי, %3 %4, %2 נכשלו</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>, %1 interrupted, %2 not started</source>
        <translation>, %1 הופסקו, %2 לא התחילו</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="+172"/>
        <source>settings as before</source>
        <translation>הגדרות כמו קודם</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>settings left reset (--keep-reset): %1</source>
        <translation>הגדרות נשארו מאותחלות (--keep-reset): %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>settings restored: %1</source>
        <translation>הגדרות שוחזרו: %1</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>written, saved and verified</source>
        <translation>נכתב, נשמר ואומת</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>written and saved</source>
        <translation>נכתב ונשמר</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>already on the serial interface</source>
        <translation>כבר בממשק הטורי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already on the USB keyboard interface</source>
        <translation>כבר בממשק מקלדת ה-USB</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the reader switches to the serial interface</source>
        <translation>הקורא עובר לממשק הטורי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader switches to the USB keyboard interface</source>
        <translation>הקורא עובר לממשק מקלדת ה-USB</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>cannot write the backup %1: %2; nothing was sent</source>
        <translation>לא ניתן לכתוב את הגיבוי %1: %2; לא נשלח דבר</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: settings and firmware %2 kept in %3</source>
        <translation>%1: ההגדרות והקושחה %2 נשמרו ב-%3</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the reader did not come back within %1 s; it may wait in its loader: run the firmware writer again, or unplug the reader and plug it in again; its settings are in %2</source>
        <translation>הקורא לא חזר תוך %1 שניות; ייתכן שהוא ממתין במטען שלו: הריצו שוב את תוכנית צריבת הקושחה, או נתקו את הקורא וחברו אותו שוב; ההגדרות שלו ב-%2</translation>
    </message>
    <message>
        <location line="-146"/>
        <source>another reader (%1, %2) came back where this one was; nothing was written to it</source>
        <translation>קורא אחר (%1, %2) חזר במקומו של זה; לא נכתב אליו דבר</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>updated: firmware %1 -&gt; %2; %3</source>
        <extracomment>%1 the firmware version before, %2 after, %3 what became of the settings</extracomment>
        <translation>עודכן: קושחה %1 -&gt; %2; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the firmware writer ended, but the reader still reports firmware %1: nothing was updated</source>
        <translation>תוכנית צריבת הקושחה הסתיימה, אבל הקורא עדיין מדווח על קושחה %1: דבר לא עודכן</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>firmware %1 as before (--allow-same); %2</source>
        <translation>קושחה %1 כמו קודם (--allow-same); %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the reader reports firmware %1, not %2 as expected</source>
        <translation>הקורא מדווח על קושחה %1, לא %2 כמצופה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; backup %1</source>
        <translation>; גיבוי %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/station.cpp" line="+260"/>
        <source>udev&apos;s monitor</source>
        <translation>המנטר של udev</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>changes in %1</source>
        <translation>שינויים ב-%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a listing once a second</source>
        <translation>רשימה פעם בשנייה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>waiting for readers to be plugged in (%1); Ctrl-C ends</source>
        <translation>ממתין לחיבור קוראים (%1); Ctrl-C מסיים</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/document.cpp" line="+59"/>
        <source>warning: %1</source>
        <translation>אזהרה: %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/io.cpp" line="+22"/>
        <source>the output went away: the readers under way finish, no other starts</source>
        <translation>הפלט נעלם: הקוראים שבטיפול מסתיימים, אף אחר אינו מתחיל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interrupted: the readers under way finish, no other starts; interrupt again to end at once</source>
        <translation>הופסק: הקוראים שבטיפול מסתיימים, אף אחר אינו מתחיל; הפסיקו שוב כדי לסיים מיד</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/doctor.cpp" line="+60"/>
        <source>ok</source>
        <extracomment>doctor&apos;s status column; the three words are padded to the longest</extracomment>
        <translation>תקין</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>warning</source>
        <translation>אזהרה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>problem</source>
        <translation>בעיה</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1. Fix: %2</source>
        <extracomment>%1 what doctor found, %2 what to do about it</extracomment>
        <translation>%1. תיקון: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/parser.cpp" line="+46"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>אפשרות לא מוכרת &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown options: %1.</source>
        <translation>אפשרויות לא מוכרות: %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>חסר ערך אחרי &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>ערך לא צפוי אחרי &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>no command given; see --help</source>
        <translation>לא ניתנה פקודה; ראו --help</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation>פקודה לא מוכרת &quot;%1&quot;; ראו --help</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 does not take --%2; see keylon2ctl %1 --help</source>
        <extracomment>%1 a command, %2 an option&apos;s name</extracomment>
        <translation>%1 אינה מקבלת --%2; ראו keylon2ctl %1 --help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--%1 is given more than once</source>
        <translation>--%1 ניתן יותר מפעם אחת</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 wants %2</source>
        <extracomment>%2: the values it takes, as they are typed (&quot;cfg or json&quot;)</extracomment>
        <translation>--%1 מצפה ל־%2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: wrong number of arguments; see --help</source>
        <translation>%1: מספר ארגומנטים שגוי; ראו --help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected argument %1; see keylon2ctl %2 --help</source>
        <translation>ארגומנט לא צפוי %1; ראו keylon2ctl %2 --help</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 wants %2</source>
        <extracomment>%1 a command, %2 the values its argument takes, as they are typed (&quot;usb or serial&quot;)</extracomment>
        <translation>%1 מצפה ל־%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 works on one reader; %2 were named</source>
        <translation>%1 פועלת על קורא אחד; צוינו %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="-207"/>
        <source>--device and --all exclude each other</source>
        <translation>--device ו־--all אינם יכולים לבוא יחד</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--jobs wants a number of readers (0: all at once)</source>
        <translation>--jobs מצפה למספר קוראים (0: כולם בבת אחת)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--wait wants a number of seconds, 0 to %1</source>
        <translation>--wait מצפה למספר שניות, מ־0 עד %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--json and --format exclude each other</source>
        <translation>--json ו־--format אינם יכולים לבוא יחד</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch takes every reader plugged in; it does not take --device</source>
        <translation>--watch לוקח כל קורא שמחובר; הוא אינו מקבל --device</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/document.cpp" line="-7"/>
        <source>--%1 wants a file name</source>
        <translation>--%1 מצפה לשם קובץ</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="-211"/>
        <source>%1. Nothing was sent.</source>
        <translation>%1. דבר לא נשלח.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>%1 Nothing was sent.</source>
        <translation>%1 דבר לא נשלח.</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/devices.cpp" line="+60"/>
        <source>%1 readers found, name one with --device: %2</source>
        <translation>נמצאו %1 קוראים, ציינו אחד עם --device: %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--device wants %1, sn:SERIAL or usb:PORTPATH, not &quot;%2&quot;</source>
        <extracomment>%1 how each transport names a reader (&quot;hid:PATH, serial:PORT&quot;), %2 what was given</extracomment>
        <translation>--device מצפה ל־%1,‏ sn:SERIAL או usb:PORTPATH, לא &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no reader at %1 (found: %2)</source>
        <translation>אין קורא ב־%1 (נמצאו: %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 readers answer to %2 (%3); it cannot pick one: name it by usb:PORTPATH or %4</source>
        <extracomment>%4 how the readers&apos; transport names one (&quot;hid:PATH&quot;)</extracomment>
        <translation>%1 קוראים עונים ל־%2 ‏(%3); אי אפשר לבחור אחד: ציינו אותו ב־usb:PORTPATH או %4</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 has no serial number; sn: cannot pick it</source>
        <translation>ל־%1 אין מספר סידורי; sn: לא יכול לבחור בו</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 readers share the serial number %2 (%3); sn: cannot pick them, name them by usb:PORTPATH or %4</source>
        <extracomment>%4 how the readers&apos; transport names one (&quot;hid:PATH&quot;)</extracomment>
        <translation>ל־%1 קוראים אותו מספר סידורי %2 ‏(%3); sn: לא יכול לבחור בהם, ציינו אותם ב־usb:PORTPATH או %4</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>no lock (%1); going on without one, as --no-lock asks</source>
        <translation>אין נעילה (%1); ממשיכים בלעדיה, כפי ש־--no-lock מבקש</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>no lock can be had (%1); nothing was sent. Make the lock directory %2 writable for this user, or give --no-lock to go on without one</source>
        <translation>אי אפשר לקבל נעילה (%1); דבר לא נשלח. אפשרו למשתמש זה לכתוב בתיקיית הנעילות %2, או תנו --no-lock כדי להמשיך בלעדיה</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>busy: still in use by %1 after waiting %2 s</source>
        <extracomment>%1 the program that holds the reader (&quot;keylon2ctl (process 4242)&quot;)</extracomment>
        <translation>תפוס: עדיין בשימוש של %1 אחרי המתנה של %2 שניות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>busy: in use by %1; --wait SECONDS waits for it</source>
        <translation>תפוס: בשימוש של %1; ‏--wait SECONDS ממתין לו</translation>
    </message>
    <message>
        <location filename="../src/core/link/reader_lock.cpp" line="+346"/>
        <source>%1 (process %2)</source>
        <extracomment>%1 the program that holds the reader (&quot;keylon2ctl&quot;)</extracomment>
        <translation>%1 (תהליך %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a program</source>
        <translation>תוכנית</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>another process</source>
        <translation>תהליך אחר</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/devices.cpp" line="+19"/>
        <source>cannot open %1: %2</source>
        <translation>אי אפשר לפתוח את %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/reader_outcome.cpp" line="+78"/>
        <source>not started: interrupted</source>
        <translation>לא התחיל: הופסק</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="-333"/>
        <source>interrupted before anything was written</source>
        <translation>הופסק לפני שנכתב דבר</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>verify failed: %1</source>
        <extracomment>%1: each key that read back otherwise, separated by &quot;; &quot;</extracomment>
        <translation>האימות נכשל: %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/jobs.cpp" line="+79"/>
        <source>%1 is %2, wrote %3</source>
        <extracomment>%1 a key of the configuration file, %2 the value read back, %3 the value written</extracomment>
        <translation>%1 הוא %2, נכתב %3</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>writing the %1 failed</source>
        <extracomment>%1 a step of the exchange: status, options, output window, preamble, save command, ...</extracomment>
        <translation>כתיבת %1 נכשלה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing the %1 failed (%2)</source>
        <translation>כתיבת %1 נכשלה (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer to the %1 read</source>
        <translation>אין תשובה לקריאת %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer to the %1 read (%2)</source>
        <translation>אין תשובה לקריאת %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad answer to the %1 read</source>
        <translation>תשובה שגויה לקריאת %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad answer to the %1 read (%2)</source>
        <translation>תשובה שגויה לקריאת %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader is gone, at the %1</source>
        <translation>הקורא נעלם, בשלב: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the reader is gone, at the %1 (%2)</source>
        <translation>הקורא נעלם, בשלב: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/reader_commands.cpp" line="+205"/>
        <source>the serial line is gone</source>
        <translation>הקו הטורי נעלם</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>a reader on USB HID types its key ID codes as keystrokes; monitor needs a serial reader</source>
        <translation>קורא ב־USB HID מקליד את הקודים המזהים שלו כהקשות מקלדת; monitor צריך קורא טורי</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="+147"/>
        <source>%1 lacks KBCountry in [KEYLON]: over USB HID write sends the keyboard country and would reset it; add it, or change only what the file sets with --partial or apply. Nothing was sent.</source>
        <translation>ב־%1 חסר KBCountry ב־[KEYLON]: דרך USB HID הפקודה write שולחת את מדינת המקלדת ותאפס אותה; הוסיפו אותו, או שנו רק את מה שהקובץ קובע עם --partial או apply. דבר לא נשלח.</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+132"/>
        <source>%1 lacks %2 in [KEYLON]: write sends every setting and would reset those; add them, or change only what the file sets with --partial or apply. Nothing was sent.</source>
        <extracomment>%2: the keys the file lacks</extracomment>
        <translation>ב־%1 חסרים %2 ב־[KEYLON]: הפקודה write שולחת כל הגדרה ותאפס אותן; הוסיפו אותן, או שנו רק את מה שהקובץ קובע עם --partial או apply. דבר לא נשלח.</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>%1 sets none of the reader&apos;s settings in [KEYLON].</source>
        <translation>%1 אינו קובע אף הגדרה של הקורא ב־[KEYLON].</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="+262"/>
        <source>Cannot read %1: %2.</source>
        <extracomment>%2: why, as the system words it</extracomment>
        <translation>אי אפשר לקרוא את %1: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 holds no Keylon settings.</source>
        <translation>%1 אינו מכיל הגדרות Keylon.</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/fleet_commands.cpp" line="+27"/>
        <source>cannot read %1 again for the log: %2</source>
        <translation>אי אפשר לקרוא שוב את %1 עבור היומן: %2</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>תוכנית צריבת הקושחה %1 לא נמצאה ב־%2; דבר לא נשלח לקורא.</translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet/reader_jobs.cpp" line="-70"/>
        <source>the firmware writer did not run to its end</source>
        <translation>תוכנית צריבת הקושחה לא רצה עד סופה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the firmware writer ended with exit code %1</source>
        <translation>תוכנית צריבת הקושחה הסתיימה בקוד יציאה %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/audit_log.cpp" line="+91"/>
        <source>cannot open the log %1: %2</source>
        <translation>אי אפשר לפתוח את היומן %1: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot use %1 as the log: not a regular file</source>
        <translation>אי אפשר להשתמש ב־%1 כיומן: אינו קובץ רגיל</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>the log %1 is closed</source>
        <translation>היומן %1 סגור</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>cannot write to the log %1: %2</source>
        <translation>אי אפשר לכתוב ליומן %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot write to the log %1: only %2 of %3 bytes of a line went out</source>
        <translation>אי אפשר לכתוב ליומן %1: רק %2 מתוך %3 הבתים של שורה נכתבו</translation>
    </message>
    <message>
        <location line="-92"/>
        <source>cannot save the log %1: %2</source>
        <translation>אי אפשר לשמור את היומן %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/output/metrics.cpp" line="+281"/>
        <source>cannot write the metrics %1: %2</source>
        <translation>אי אפשר לכתוב את המדדים %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/settings_file.cpp" line="-193"/>
        <source>%1: %2=%3: %4 is not a bracket name the notation knows; %5</source>
        <translation>%1: %2=%3: %4 אינו שם בסוגריים שהכתיב מכיר; %5</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>write a name the notation knows (keylon2ctl --help-all lists them) or any code as [0xHH]; a &apos;[&apos; itself is [0x5B]</source>
        <translation>כתבו שם שהכתיב מכיר (keylon2ctl --help-all מונה אותם) או כל קוד בצורה [0xHH]; התו &apos;[&apos; עצמו הוא [0x5B]</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>write [%1]</source>
        <translation>כתבו [%1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write [%1] (code %2)</source>
        <translation>כתבו [%1] (קוד %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: %2=%3: the &apos;[&apos; of %4 is never closed; close the name, or write a &apos;[&apos; itself as [0x5B]</source>
        <translation>%1: %2=%3: ה־&apos;[&apos; של %4 אינו נסגר; סגרו את השם, או כתבו &apos;[&apos; עצמו בצורה [0x5B]</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1: unknown key %2 in [KEYLON]</source>
        <translation>%1: שדה לא מוכר %2 ב־[KEYLON]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: unknown key %2 in [KEYLON]; did you mean %3?</source>
        <translation>%1: שדה לא מוכר %2 ב־[KEYLON]; האם התכוונתם ל־%3?</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>%1: unknown key %2 in [KEYLON]; the key is spelled %3</source>
        <translation>%1: שדה לא מוכר %2 ב־[KEYLON]; השדה נכתב %3</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1; a &apos;#&apos; does not start a comment after a value: put the comment on a line of its own</source>
        <translation>%1; ‏&apos;#&apos; אינו פותח הערה אחרי ערך: כתבו את ההערה בשורה נפרדת</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: %2 is given twice in [KEYLON] (lines %3 and %4), and only the last line would count; keep the one line you mean</source>
        <translation>%1: %2 מופיע פעמיים ב־[KEYLON] (שורות %3 ו־%4), ורק השורה האחרונה הייתה נחשבת; השאירו רק את השורה שהתכוונתם אליה</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: line %2: %3=%4: a &apos;;&apos; outside double quotes starts a comment, so this reads as %3=%5; write %3=%6 to keep the &apos;;&apos;, or put a comment on a line of its own</source>
        <translation>%1: שורה %2: %3=%4: ‏&apos;;&apos; מחוץ למירכאות כפולות פותח הערה, ולכן זה נקרא %3=%5; כתבו %3=%6 כדי לשמור על ה־&apos;;&apos;, או כתבו הערה בשורה נפרדת</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: the section [%2] is spelled [KEYLON]</source>
        <translation>%1: המקטע [%2] נכתב [KEYLON]</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is saved as %2 (Notepad calls it &quot;Unicode&quot;); save it as UTF-8</source>
        <translation>%1 שמור כ־%2 (‏Notepad קורא לזה &quot;Unicode&quot;); שמרו אותו כ־UTF-8</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1: %2=%3 is not 0 or 1</source>
        <translation>%1: %2=%3 אינו 0 או 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2=%3 is not a number</source>
        <translation>%1: %2=%3 אינו מספר</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2=%3 is out of range: %4</source>
        <extracomment>%4: the range, &quot;0 to 255&quot;</extracomment>
        <translation>%1: %2=%3 מחוץ לטווח: %4</translation>
    </message>
    <message>
        <location line="-275"/>
        <source>%1 to %2</source>
        <translation>%1 עד %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>%1 to %2 (%3)</source>
        <translation>%1 עד %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/core/settings/settings_table.cpp" line="+137"/>
        <source>0 or 1 (true and false are taken too)</source>
        <translation>0 או 1 (גם true ו־false מתקבלים)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the preamble, postamble and remove data, in the bracket notation; at most 31 codes each</source>
        <translation>התחילית, הסופית והסרת הנתונים, בכתיב הסוגריים; עד 31 קודים כל אחד</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 to %2: the reader keeps one byte, and a read shows it signed</source>
        <translation>%1 עד %2: הקורא שומר בית אחד, וקריאה מציגה אותו עם סימן</translation>
    </message>
    <message>
        <location line="-153"/>
        <source>0 USB keyboard, 1 serial: the interface the file was read over; never applied</source>
        <translation>0 מקלדת USB,‏ 1 טורי: הממשק שדרכו נקרא הקובץ; לעולם אינו מוחל</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1; not on the serial interface</source>
        <extracomment>%1: the keyboard countries with their numbers</extracomment>
        <translation>%1; לא בממשק הטורי</translation>
    </message>
    <message>
        <location filename="../src/core/access/access_doctor.cpp" line="+344"/>
        <source>the udev rule is switched off: %1 links to /dev/null</source>
        <translation>כלל ה־udev כבוי: %1 מקושר ל־‎/dev/null</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remove that link and run sudo udevadm control --reload-rules; then unplug and plug the reader in again</source>
        <translation>הסירו את הקישור והריצו sudo udevadm control --reload-rules; ואז נתקו את הקורא וחברו אותו מחדש</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the udev rule %1 is not installed</source>
        <translation>כלל ה־udev‏ %1 אינו מותקן</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>install the keylon2-utility package, or copy %1 to /etc/udev/rules.d/ and run sudo udevadm control --reload-rules; then unplug and plug the reader in again</source>
        <translation>התקינו את החבילה keylon2-utility, או העתיקו את %1 ל־‎/etc/udev/rules.d/‎ והריצו sudo udevadm control --reload-rules; ואז נתקו את הקורא וחברו אותו מחדש</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the udev rule %1 gives the readers to the user at the seat only</source>
        <translation>כלל ה־udev‏ %1 נותן את הקוראים רק למשתמש שליד העמדה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install the package&apos;s rule, which also gives them to group plugdev</source>
        <translation>התקינו את הכלל של החבילה, שנותן אותם גם לקבוצה plugdev</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the udev rule is installed: %1</source>
        <translation>כלל ה־udev מותקן: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>running as root, which may open every node</source>
        <translation>רץ כ־root, שרשאי לפתוח כל צומת התקן</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this session is at seat %1, whose user the udev rule hands the readers</source>
        <translation>ההפעלה הזאת נמצאת בעמדה %1, שלמשתמש שלה כלל ה־udev נותן את הקוראים</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this session has no seat (as over SSH); the readers come through group plugdev, which this user is in</source>
        <translation>להפעלה הזאת אין עמדה (כמו דרך SSH); הקוראים מגיעים דרך הקבוצה plugdev, שהמשתמש הזה חבר בה</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this session has no seat (as over SSH): the seat&apos;s access does not reach it</source>
        <translation>להפעלה הזאת אין עמדה (כמו דרך SSH): הגישה של העמדה אינה מגיעה אליה</translation>
    </message>
    <message>
        <location line="-255"/>
        <source>log in again: this user joined group plugdev after this session began</source>
        <translation>התחברו מחדש: המשתמש הזה הצטרף לקבוצה plugdev אחרי שההפעלה הזאת התחילה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>join group plugdev: sudo usermod -aG plugdev %1, then log in again</source>
        <translation>הצטרפו לקבוצה plugdev: ‏sudo usermod -aG plugdev %1, ואז התחברו מחדש</translation>
    </message>
    <message>
        <location line="+267"/>
        <source>ModemManager is not running</source>
        <translation>ModemManager אינו רץ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager רץ (pid %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>brltty is installed: it takes over USB serial adapters it knows when they are plugged in</source>
        <translation>brltty מותקן: הוא משתלט על מתאמי USB טוריים שהוא מכיר כשהם מחוברים</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>if the reader&apos;s serial port vanishes when it is plugged in, remove it: sudo apt-get remove brltty</source>
        <translation>אם היציאה הטורית של הקורא נעלמת כשהוא מחובר, הסירו אותו: sudo apt-get remove brltty</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>brltty is not installed</source>
        <translation>brltty אינו מותקן</translation>
    </message>
    <message>
        <location line="-220"/>
        <source>%1 cannot be opened: %2</source>
        <translation>אי אפשר לפתוח את %1: %2</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>unplug and plug the reader in again</source>
        <translation>נתקו את הקורא וחברו אותו מחדש</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>this user may open %1</source>
        <translation>המשתמש הזה רשאי לפתוח את %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, as root</source>
        <translation>המשתמש הזה רשאי לפתוח את %1, בתור root</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>this user may open %1, as its owner</source>
        <translation>המשתמש הזה רשאי לפתוח את %1, בתור הבעלים</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, through the seat&apos;s ACL entry</source>
        <translation>המשתמש הזה רשאי לפתוח את %1, דרך רשומת ה־ACL של העמדה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, through group %2</source>
        <translation>המשתמש הזה רשאי לפתוח את %1, דרך הקבוצה %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this user may open %1, as every user may (mode %2)</source>
        <translation>המשתמש הזה רשאי לפתוח את %1, כמו כל משתמש (הרשאות %2)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not there to be opened</source>
        <translation>%1 אינו קיים ולכן אי אפשר לפתוח אותו</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>this user may not open %1</source>
        <translation>למשתמש הזה אין הרשאה לפתוח את %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>this user may not open %1 (owner %2, group %3, mode %4)</source>
        <translation>למשתמש הזה אין הרשאה לפתוח את %1 (בעלים %2, קבוצה %3, הרשאות %4)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>this user may not open %1 (owner %2, group %3, mode %4, no ACL entry for this user)</source>
        <translation>למשתמש הזה אין הרשאה לפתוח את %1 (בעלים %2, קבוצה %3, הרשאות %4, אין רשומת ACL למשתמש הזה)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>install the udev rule (see above), then unplug and plug the reader in again</source>
        <translation>התקינו את כלל ה־udev (ראו למעלה), ואז נתקו את הקורא וחברו אותו מחדש</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unplug and plug the reader in again: the udev rule applies when the reader is added</source>
        <translation>נתקו את הקורא וחברו אותו מחדש: כלל ה־udev חל כשהקורא מתווסף</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>no other program holds %1</source>
        <translation>אף תוכנית אחרת אינה מחזיקה את %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is locked by %2 (%3)</source>
        <translation>%1 נעול על ידי %2 (%3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>end that program, or close the port in it</source>
        <translation>סגרו את התוכנית הזאת, או סגרו בה את היציאה</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is open in %2</source>
        <translation>%1 פתוח ב־%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>end that program before using the reader: two programs on one reader confuse each other&apos;s frames</source>
        <translation>סגרו את התוכנית הזאת לפני השימוש בקורא: שתי תוכניות על קורא אחד מבלבלות זו לזו את המסגרות</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>in use by %1, which holds its lock %2</source>
        <translation>בשימוש של %1, שמחזיק את הנעילה שלו %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wait until it is done: another program is refused as busy, or waits with keylon2ctl --wait SECONDS</source>
        <translation>המתינו עד שיסיים: תוכנית אחרת נדחית כתפוס, או ממתינה עם keylon2ctl --wait SECONDS</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ModemManager leaves %1 alone</source>
        <translation>ModemManager אינו נוגע ב־%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ModemManager may probe %1 with AT commands, which the reader takes for frames</source>
        <translation>ModemManager עלול לבדוק את %1 בפקודות AT, שהקורא מפרש כמסגרות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install the udev rule, which marks the port to be left alone, and plug the reader in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>התקינו את כלל ה־udev, שמסמן שאין לגעת ביציאה, וחברו את הקורא מחדש; או עצרו את ModemManager: ‏sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <location filename="../src/ctl/commands/doctor.cpp" line="+33"/>
        <source>%1: only a reader&apos;s node is locked, and a reader whose node cannot be opened has no lock</source>
        <translation>%1: רק צומת ההתקן של קורא ננעל, וקורא שאי אפשר לפתוח את הצומת שלו אין לו נעילה</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a service needs ReadWritePaths=%1; elsewhere make the directory, writable by every user and sticky (mode 1777)</source>
        <translation>שירות צריך ReadWritePaths=%1; במקומות אחרים צרו את התיקייה, ניתנת לכתיבה לכל משתמש ודביקה (הרשאות 1777)</translation>
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
        <translation>קובצי תצורה (FILE), כפי שהייצוא של החלון כותב אותם: [FW] Ver (גרסת הקושחה; לעולם אינה נכתבת)
ו־[KEYLON] עם השדות האלה:
%1שדה אחר ב־[KEYLON], ערך שאינו מספר במקום שבו צריך מספר, ערך מחוץ לטווח שלו, שדה שניתן פעמיים,
‏&apos;;&apos; מחוץ למירכאות כפולות (קורא ה־INI פותח שם הערה: כתבו Pre=&quot;AB;CD&quot;) או שם בסוגריים שהכתיב
אינו מכיר (כגון [TAB], ‏[cr] או [Enter]) גורמים לדחיית הקובץ לפני שנשלח דבר, עם שם השדה ואיך
לכתוב אותו. סימן סדר בתים של UTF-8 בתחילת הקובץ מדולג.
שמות בסוגריים ב־Pre,‏ Post ו־Remove, עם הקודים שלהם בהקסדצימלי:%2
‏[0xHH] הוא כל קוד (שתי ספרות הקסדצימליות), ‏[0x5B] הוא &apos;[&apos; עצמו. השמות באותיות גדולות.
התווים %3 הם הקודים b0 עד b6.
</translation>
    </message>
    <message>
        <location filename="../src/ctl/table/command_table.cpp" line="+11"/>
        <source>%1, %2</source>
        <extracomment>Two items of a list, such as two ways to name a reader (&quot;hid:PATH, serial:PORT&quot;)</extracomment>
        <translation>%1,‏ %2</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/core/text/translations.cpp" line="+18"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written from right to left, &quot;LTR&quot; otherwise; no other text</extracomment>
        <translation>RTL</translation>
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
        <translation>חיבור הקורא</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>another program</source>
        <translation>תוכנית אחרת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown</source>
        <translation>לא ידוע</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The reader %1 is in use by %2 (process %3). Connect again when it is free.</source>
        <translation>הקורא %1 נמצא בשימוש של %2 (תהליך %3). התחברו שוב כשיתפנה.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No lock can be had for the reader %1 (%2), so another program could talk to it at the same time. Make the lock directory %3 writable for this user, then connect again.</source>
        <translation>לא ניתן להשיג נעילה עבור הקורא %1 (%2), כך שתוכנית אחרת עלולה לתקשר איתו באותו זמן. הפכו את ספריית הנעילות %3 לניתנת לכתיבה עבור משתמש זה, ואז התחברו שוב.</translation>
    </message>
    <message>
        <location filename="../src/window/connection/connection_panel.cpp" line="+1"/>
        <source>The serial port %1 is gone; the reader was disconnected.</source>
        <translation>היציאה הטורית %1 נעלמה; הקורא נותק.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>to Serial</source>
        <extracomment>The interface-change button names the interface it switches to</extracomment>
        <translation>לטורי</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>to USB KB</source>
        <translation>למקלדת USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASCII Code</source>
        <translation>קוד ASCII</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_update.cpp" line="+38"/>
        <location line="+47"/>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="+24"/>
        <location line="+81"/>
        <source>FW Update</source>
        <translation>עדכון קושחה</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>תוכנית צריבת הקושחה %1 לא נמצאה ב־%2; דבר לא נשלח לקורא.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ISP Mode</source>
        <translation>מצב ISP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t send ISP mode command to device, please check your Keylon device!!</source>
        <translation>לא ניתן לשלוח את פקודת מצב ISP להתקן. בדקו את התקן ה־Keylon!</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The reader did not come back within %1 seconds. It may wait in its loader: run the update again, or connect when the reader is back.</source>
        <translation>הקורא לא חזר תוך %1 שניות. ייתכן שהוא ממתין במטען שלו: הריצו שוב את העדכון, או התחברו כשהקורא יחזור.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Another reader (serial number %1) came back where the reader was; nothing was written to it.</source>
        <translation>קורא אחר (מספר סידורי %1) חזר למקום שבו היה הקורא; דבר לא נכתב אליו.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The reader is back, but its settings could not be read; nothing was written to it.</source>
        <translation>הקורא חזר, אך לא ניתן היה לקרוא את הגדרותיו; דבר לא נכתב אליו.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The reader is back and still reports firmware %1: the update did not change it.</source>
        <translation>הקורא חזר ועדיין מדווח על קושחה %1: העדכון לא שינה אותה.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader is back with firmware %1 (before the update: %2).</source>
        <translation>הקורא חזר עם קושחה %1 (לפני העדכון: %2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its settings are as before.</source>
        <translation>הגדרותיו כמו קודם.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>These settings are not as before the update: %1. Write back those of before?</source>
        <translation>הגדרות אלה אינן כמו לפני העדכון: %1. לכתוב בחזרה את אלה שהיו קודם?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The settings of before the update were written back: %1.</source>
        <translation>ההגדרות מלפני העדכון נכתבו בחזרה: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing back the settings of before the update failed at the %1.</source>
        <translation>כתיבת ההגדרות מלפני העדכון בחזרה נכשלה בשלב %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The settings of before the update were written, but these read back otherwise: %1.</source>
        <translation>ההגדרות מלפני העדכון נכתבו, אך אלה נקראות בחזרה אחרת: %1.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="-86"/>
        <source>Stop the writer</source>
        <translation>עצירת הצריבה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect and check</source>
        <translation>התחברו ובדקו</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Stopping the writer can leave the reader without working firmware. Stop it?</source>
        <translation>עצירת הצריבה עלולה להשאיר את הקורא ללא קושחה תקינה. לעצור?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The firmware writer ended with exit code %1. Connect again when the reader is back.</source>
        <translation>תוכנית צריבת הקושחה הסתיימה עם קוד יציאה %1. התחברו שוב כשהקורא יחזור.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/interface_change.cpp" line="+20"/>
        <source>Do you want to change Keylon interface to &lt;b&gt;USB Keyboard&lt;/b&gt; and utility will close?</source>
        <translation>להחליף את ממשק ה־Keylon ל&lt;b&gt;מקלדת USB&lt;/b&gt;? התוכנה תיסגר.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to change Keylon interface to &lt;b&gt;serial&lt;/b&gt; and utility will close?</source>
        <translation>להחליף את ממשק ה־Keylon ל&lt;b&gt;טורי&lt;/b&gt;? התוכנה תיסגר.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="-14"/>
        <source>Change Mode</source>
        <extracomment>Button: switches the reader to the other interface</extracomment>
        <translation>החלפת מצב</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reader did not get the interface change; the utility stays open.</source>
        <translation>הקורא לא קיבל את החלפת הממשק; התוכנה נשארת פתוחה.</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/config_files.cpp" line="+24"/>
        <source>Cannot read %1: %2. The page was left as it was.</source>
        <translation>לא ניתן לקרוא את %1: ‏%2. הדף נשאר כפי שהיה.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no Keylon settings. The page was left as it was.</source>
        <translation>‏%1 אינו מכיל הגדרות Keylon. הדף נשאר כפי שהיה.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save Config</source>
        <translation>שמירת תצורה</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Config Files(*.cfg)</source>
        <translation>קובצי תצורה (*.cfg)</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+8"/>
        <source>Config File</source>
        <translation>קובץ תצורה</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You didn&apos;t input config file.</source>
        <translation>לא צוין קובץ תצורה.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write %1: %2. Nothing was saved.</source>
        <translation>לא ניתן לכתוב את %1: ‏%2. דבר לא נשמר.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <location line="+4"/>
        <source>Open Config</source>
        <translation>פתיחת תצורה</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>You didn&apos;t select any files.</source>
        <translation>לא נבחר קובץ.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Default File</source>
        <translation>קובץ ברירת מחדל</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not found default.cfg file.</source>
        <translation>הקובץ default.cfg לא נמצא.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <source>Load Default</source>
        <translation>טעינת ברירת מחדל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The default file is successfully loaded, click the Set Status write to Keylon device.</source>
        <translation>קובץ ברירת המחדל נטען. לחצו על „כתיבת מצב” כדי לכתוב אותו להתקן ה־Keylon.</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_form.cpp" line="+95"/>
        <source>F/W Version: %1</source>
        <translation>גרסת קושחה: %1</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_reader.cpp" line="+15"/>
        <source>Successfully obtained Keylon the set value</source>
        <translation>הגדרות ה־Keylon נקראו בהצלחה.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get F/W version fail, please retry.</source>
        <translation>קריאת גרסת הקושחה נכשלה, נסו שוב.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Get PreAmble fail, please retry.</source>
        <translation>קריאת התחילית נכשלה, נסו שוב.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get PostAmble fail, please retry.</source>
        <translation>קריאת הסופית נכשלה, נסו שוב.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get RemoveData fail, please retry.</source>
        <translation>קריאת הסרת הנתונים נכשלה, נסו שוב.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read Status</source>
        <translation>קריאת מצב</translation>
    </message>
    <message>
        <location filename="../src/window/settings_page/settings_writer.cpp" line="+26"/>
        <location line="+17"/>
        <location line="+7"/>
        <source>Setting Keylon</source>
        <translation>הגדרת Keylon</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Writing to the reader failed at the interface change; the page was saved, the interface was not changed.</source>
        <translation>הכתיבה לקורא נכשלה בהחלפת הממשק; הדף נשמר, הממשק לא הוחלף.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing to the reader failed at the %1; the reader did not save the page.</source>
        <translation>הכתיבה לקורא נכשלה בשלב „%1”; הקורא לא שמר את הדף.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Successfully set Keylon set value</source>
        <translation>הגדרות ה־Keylon נכתבו בהצלחה.</translation>
    </message>
    <message>
        <location filename="../src/window/ui/ui_mainwindow.cpp" line="-25"/>
        <source>Keylon2 Utility V1.0.0</source>
        <translation>כלי Keylon2 גרסה 1.0.0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F/W Version:</source>
        <translation>גרסת קושחה:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+263"/>
        <source>Output</source>
        <translation>פלט</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Scan</source>
        <extracomment>Button: asks the reader to scan a key now</extracomment>
        <translation>&amp;סריקה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <extracomment>Button: empties the output shown on the Status page</extracomment>
        <translation>ניקוי</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Status</source>
        <extracomment>Tab with the reader&apos;s output</extracomment>
        <translation>מצב</translation>
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
        <translation>תחילית פעילה</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+5"/>
        <source>Output length</source>
        <translation>אורך פלט</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="-1"/>
        <source>Output start</source>
        <translation>תחילת פלט</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buzzer Enable</source>
        <translation>זמזם פעיל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID Code Auto Report</source>
        <translation>דיווח קוד מזהה אוטומטי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PostAmble Enable</source>
        <translation>סופית פעילה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Code</source>
        <extracomment>Label before the affix pickers: which kind of code they show</extracomment>
        <translation>קוד</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>KB Country</source>
        <translation>מדינת מקלדת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FW &amp;Update</source>
        <translation>&amp;עדכון קושחה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Data Enable</source>
        <translation>הסרת נתונים פעילה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ID Code Enable</source>
        <translation>הסרת קוד מזהה פעילה</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/ui/window_access.cpp" line="+10"/>
        <source>Change Interface</source>
        <translation>החלפת ממשק</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>ייבוא</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>ייצוא</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <extracomment>Button: loads default.cfg into the page</extracomment>
        <translation>ברירת מחדל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Get Status</source>
        <translation>&amp;קריאת מצב</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Set Status</source>
        <translation>&amp;כתיבת מצב</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <extracomment>Tab with the reader&apos;s settings</extracomment>
        <translation>הגדרות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TextLabel</source>
        <extracomment>Placeholder of a hidden label; never shown</extracomment>
        <translation>תווית</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PushButton</source>
        <extracomment>Placeholder of a hidden button; never shown</extracomment>
        <translation>לחצן</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interface</source>
        <translation>ממשק</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB KB</source>
        <translation>מקלדת USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Port</source>
        <translation>יציאה טורית</translation>
    </message>
    <message>
        <location filename="../src/window/ui/window_access.cpp" line="-15"/>
        <source>Serial port name</source>
        <translation>שם היציאה הטורית</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preamble</source>
        <translation>תחילית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postamble</source>
        <translation>סופית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove data</source>
        <translation>הסרת נתונים</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preamble ASCII code</source>
        <translation>קוד ASCII של התחילית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postamble ASCII code</source>
        <translation>קוד ASCII של הסופית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove data ASCII code</source>
        <translation>קוד ASCII של הסרת הנתונים</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Keyboard country</source>
        <translation>מדינת המקלדת</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Disconnect</source>
        <translation>ניתוק</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Connect</source>
        <translation>חיבור</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connected</source>
        <translation>מחובר</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not connected</source>
        <translation>לא מחובר</translation>
    </message>
</context>
</TS>
