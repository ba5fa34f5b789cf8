<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/core/link/access_check.cpp" line="+93"/>
        <source>The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then unplug and plug the reader in again.</source>
        <translation>הקורא מחובר, אך למשתמש זה אין הרשאה לפתוח את %1. התקינו את כללי udev ‏(%2, ראו README), ואז נתקו את הקורא וחברו אותו מחדש.</translation>
    </message>
    <message>
        <location filename="../src/core/protocol/settings_frames.cpp" line="+35"/>
        <source>PreAmble</source>
        <translation>תחילית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PostAmble</source>
        <translation>סופית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Data</source>
        <translation>הסרת נתונים</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
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
        <location line="+3"/>
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
        <location filename="../src/core/session/session_result.cpp" line="+11"/>
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
        <location filename="../src/window/connection/connection_panel.cpp" line="+81"/>
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
        <location line="+40"/>
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
        <location filename="../src/window/maintenance/firmware_update.cpp" line="+23"/>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="+23"/>
        <location line="+68"/>
        <source>FW Update</source>
        <translation>עדכון קושחה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware writer %1 was not found in %2; nothing was sent to the reader.</source>
        <translation>תוכנית צריבת הקושחה %1 לא נמצאה ב־%2; דבר לא נשלח לקורא.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ISP Mode</source>
        <translation>מצב ISP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t send ISP mode command to device, please check your Keylon device!!</source>
        <translation>לא ניתן לשלוח את פקודת מצב ISP להתקן. בדקו את התקן ה־Keylon!</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/firmware_writer_dialog.cpp" line="-72"/>
        <source>Stop the writer</source>
        <translation>עצירת הצריבה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Stopping the writer can leave the reader without working firmware. Stop it?</source>
        <translation>עצירת הצריבה עלולה להשאיר את הקורא ללא קושחה תקינה. לעצור?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The firmware writer ended with exit code %1. Connect again when the reader is back.</source>
        <translation>תוכנית צריבת הקושחה הסתיימה עם קוד יציאה %1. התחברו שוב כשהקורא יחזור.</translation>
    </message>
    <message>
        <location filename="../src/window/maintenance/interface_change.cpp" line="+19"/>
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
        <location line="+7"/>
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
        <location filename="../src/window/settings_page/config_files.cpp" line="+23"/>
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
        <location line="+15"/>
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
        <location filename="../src/window/settings_page/settings_form.cpp" line="+93"/>
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
        <location filename="../src/window/settings_page/settings_writer.cpp" line="+24"/>
        <location line="+14"/>
        <location line="+6"/>
        <source>Setting Keylon</source>
        <translation>הגדרת Keylon</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Writing to the reader failed at the interface change; the page was saved, the interface was not changed.</source>
        <translation>הכתיבה לקורא נכשלה בהחלפת הממשק; הדף נשמר, הממשק לא הוחלף.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing to the reader failed at the %1; the reader did not save the page.</source>
        <translation>הכתיבה לקורא נכשלה בשלב „%1”; הקורא לא שמר את הדף.</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location filename="../src/window/ui/window_access.cpp" line="+142"/>
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
</context>
</TS>
