#include "ctl/table/settings_file.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QTemporaryDir>
#include <QVector>

#include "core/settings/config_mapping.h"
#include "core/settings/config_text.h"
#include "core/settings/page_record.h"
#include "core/settings/settings_table.h"
#include "core/protocol/settings_frames.h"
#include "core/text/keycode.h"
#include "core/text/name_tables.h"
#include "ctl/table/ctl_text.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

using Settings::Setting;

Message rangeText(const Setting &key)
{
    return Message(CtlRoom, key.choices ? QT_TRANSLATE_NOOP("Keylon2ctl", "%1 to %2 (%3)")
                                        : QT_TRANSLATE_NOOP("Keylon2ctl", "%1 to %2"))
        .arg(key.low(), key.high(), key.choices ? key.choices->join(QStringLiteral(", ")) : QString());
}

// A line of a refused file: its source text, said with the file's name as %1.
Message refusal(const SettingsFile &file, const char *source, const char *code = Code::BadFile)
{
    return Message(CtlRoom, source).arg(file.name).coded(code);
}

// How to write what an unknown bracket name was most likely meant as.
Message bracketAdvice(const QString &token)
{
    static const QHash<QString, QString> meant = {
        {QStringLiteral("TAB"), QStringLiteral("HT")},       {QStringLiteral("ENTER"), QStringLiteral("CR")},
        {QStringLiteral("RETURN"), QStringLiteral("CR")},    {QStringLiteral("ESCAPE"), QStringLiteral("ESC")},
        {QStringLiteral("NUL"), QStringLiteral("NULL")},     {QStringLiteral("NEWLINE"), QStringLiteral("LF")},
        {QStringLiteral("BACKSPACE"), QStringLiteral("BS")}, {QStringLiteral("SPACE"), QStringLiteral("0x20")},
        {QStringLiteral("DEL"), QStringLiteral("0x7F")},     {QStringLiteral("DELETE"), QStringLiteral("0x7F")},
    };
    const QString inner = token.mid(1, token.size() - 2);
    const QString upper = inner.toUpper();
    QString name;
    if (ControlNames.contains(upper))
        name = upper;  // [cr]
    else if (meant.contains(upper))
        name = meant.value(upper);
    else if (upper.size() == 3 && upper.startsWith(QLatin1String("0X")) && hexDigitValue(upper.at(2)) >= 0)
        name = QStringLiteral("0x0") + upper.at(2);  // [0x4]
    if (name.isEmpty()) {
        return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
            "write a name the notation knows (keylon2ctl --help-all lists them) or any code as [0xHH]; a '[' itself is "
            "[0x5B]"));
    }
    const int code = ControlNames.indexOf(name);
    if (code < 0)
        return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "write [%1]")).arg(name);
    return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "write [%1] (code %2)"))
        .arg(name, QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')));
}

// %1 the file, %2 a key, %3 its value as written.
void refuseUnknownBrackets(SettingsFile &file, const QString &key, const QString &text)
{
    for (const UnknownBracket &bracket : UnknownBrackets(text)) {
        file.problems << refusal(file, QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2=%3: %4 is not a bracket name the "
                                                                       "notation knows; %5"))
                             .arg(key, text, bracket.text, bracketAdvice(bracket.text));
    }
    // Up to the next '[' or the end: "[0x5BAB" of "[0x5BAB[CR]".
    const int open = Settings::unclosedBracket(text);
    if (open >= 0) {
        const int next = text.indexOf(QLatin1Char('['), open + 1);
        file.problems << refusal(file, QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2=%3: the '[' of %4 is never closed; close "
                                                                       "the name, or write a '[' itself as [0x5B]"))
                             .arg(key, text, text.mid(open, next < 0 ? -1 : next - open));
    }
}

// A file that Notepad saved as "Unicode" (UTF-16) or another program as UTF-32: with or
// without a byte order mark, its letters are NULs apart. The INI reader would find nothing.
QString wideEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith(QByteArray("\xFF\xFE\0\0", 4)) || bytes.startsWith(QByteArray("\0\0\xFE\xFF", 4)))
        return QStringLiteral("UTF-32");
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return QStringLiteral("UTF-16");
    const QByteArray head = bytes.left(64);
    const auto zeroWhere = [&](int period, const QList<int> &zeros) {
        if (head.size() < period * 2 || head.size() % period != 0)
            return false;
        for (int i = 0; i < head.size(); ++i) {
            if ((head.at(i) == '\0') != zeros.contains(i % period))
                return false;
        }
        return true;
    };
    if (zeroWhere(4, {1, 2, 3}) || zeroWhere(4, {0, 1, 2}))
        return QStringLiteral("UTF-32");
    if (zeroWhere(2, {1}) || zeroWhere(2, {0}))
        return QStringLiteral("UTF-16");
    return QString();
}

int editDistance(const QString &a, const QString &b)
{
    QVector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = qMin(qMin(row[j] + 1, row[j - 1] + 1), diagonal + (a.at(i - 1) == b.at(j - 1) ? 0 : 1));
            diagonal = above;
        }
    }
    return row[b.size()];
}

// An unknown key in [KEYLON], with what it was most likely meant as: the key spelled otherwise
// in letter case, or the nearest key (at most two letters off).
Message unknownKey(const SettingsFile &file, const QString &name)
{
    QString nearest;
    int best = 3;
    const char *source = QT_TRANSLATE_NOOP("Keylon2ctl", "%1: unknown key %2 in [KEYLON]");
    for (const Setting &key : Settings::all()) {
        const QString known = QLatin1String(key.key);
        const int distance = editDistance(known.toLower(), name.toLower());
        if (known.compare(name, Qt::CaseInsensitive) == 0) {
            nearest = known;
            source = QT_TRANSLATE_NOOP("Keylon2ctl", "%1: unknown key %2 in [KEYLON]; the key is spelled %3");
            break;
        }
        if (distance < best) {
            best = distance;
            nearest = known;
            source = QT_TRANSLATE_NOOP("Keylon2ctl", "%1: unknown key %2 in [KEYLON]; did you mean %3?");
        }
    }
    return refusal(file, source, Code::UnknownKey).arg(name).arg(nearest);
}

// A value refused as a number or a switch that holds a '#': the INI reader takes no comment
// there, and a person who wrote one should hear so.
Message hashAdvice(const Message &refused, const QString &text)
{
    if (!text.contains(QLatin1Char('#')))
        return refused;
    return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1; a '#' does not start a comment after a value: put the "
                                                            "comment on a line of its own"))
        .arg(refused);
}

// What a person may type that the INI reader would take otherwise: a key given twice, a value
// that a ';' cuts. Only [KEYLON] counts: nothing else is sent.
void refuseMisreadLines(SettingsFile &file, const ConfigText::Text &text)
{
    QHash<QString, int> firstLine;
    for (const ConfigText::Entry &entry : text.entries) {
        if (entry.group != QLatin1String("KEYLON"))
            continue;
        if (firstLine.contains(entry.key)) {
            file.problems << refusal(file, QT_TRANSLATE_NOOP("Keylon2ctl",
                "%1: %2 is given twice in [KEYLON] (lines %3 and %4), and only the last line would count; keep the one "
                "line you mean"))
                                 .arg(entry.key, firstLine.value(entry.key), entry.line);
        } else {
            firstLine.insert(entry.key, entry.line);
        }
        if (entry.cutAt >= 0) {
            file.problems << refusal(file, QT_TRANSLATE_NOOP("Keylon2ctl",
                "%1: line %2: %3=%4: a ';' outside double quotes starts a comment, so this reads as %3=%5; write %3=%6 "
                "to keep the ';', or put a comment on a line of its own"))
                                 .arg(entry.line, entry.key, entry.value, entry.value.left(entry.cutAt).trimmed())
                                 .arg(ConfigText::quoted(entry.value));
        }
    }
}

// [keylon] is not [KEYLON] to the INI reader: its keys would be left out without a word.
void refuseMisspelledSections(SettingsFile &file, const ConfigText::Text &text)
{
    QStringList misspelled;
    for (const ConfigText::Entry &entry : text.entries) {
        if (entry.group != QLatin1String("KEYLON") && !misspelled.contains(entry.group)
            && entry.group.compare(QLatin1String("KEYLON"), Qt::CaseInsensitive) == 0) {
            misspelled << entry.group;
            file.problems << refusal(file, QT_TRANSLATE_NOOP("Keylon2ctl", "%1: the section [%2] is spelled [KEYLON]"))
                                 .arg(entry.group);
        }
    }
}

}  // namespace

const QStringList &settingKeys()
{
    static const QStringList keys = [] {
        QStringList names;
        for (const Setting &key : Settings::all()) {
            if (key.applied())
                names << QLatin1String(key.key);
        }
        return names;
    }();
    return keys;
}

SettingsFile readSettingsFile(const QString &path)
{
    SettingsFile file;
    file.name = QFileInfo(path).fileName();
    QString readPath = path;
    QTemporaryDir copyDir;
    ConfigText::Text typed;
    // Only a plain file is read here (a pipe would block); the INI reader must be the first to
    // open the path for its judgement: it keeps what it read by path, without the judgement.
    if (QFileInfo(path).isFile()) {
        QFile in(path);
        if (in.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = in.readAll();
            const QString encoding = wideEncoding(bytes);
            if (!encoding.isEmpty()) {
                file.problems << refusal(file, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is saved as %2 (Notepad calls it "
                                                                               "\"Unicode\"); save it as UTF-8"))
                                     .arg(encoding);
                return file;
            }
            typed = ConfigText::scan(bytes);
        }
        // An editor that starts its files with a byte order mark (Notepad does) must not make
        // the file unreadable: the INI reader gets the bytes after it.
        if (typed.byteOrderMark) {
            readPath = copyDir.filePath(QStringLiteral("without-bom.cfg"));
            QFile copy(readPath);
            if (!copyDir.isValid() || !copy.open(QIODevice::WriteOnly) || copy.write(typed.bytes) != typed.bytes.size())
                readPath = path;
        }
    }
    refuseMisspelledSections(file, typed);
    if (!file.problems.isEmpty())
        return file;
    const ConfigFile::ReadCheck check = ConfigFile::checkReadable(readPath);
    if (check.result == ConfigFile::ReadCheck::CannotRead) {
        // The path as given, folder and all: a file that is not there may be missing from the
        // folder the caller meant. (A copy without the byte order mark goes by the file's name.)
        QString shown = QDir::toNativeSeparators(readPath);
        shown.replace(QFileInfo(readPath).fileName(), file.name);
        //: %2: why, as the system words it
        file.problems << Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "Cannot read %1: %2."))
                             .arg(shown, check.reason)
                             .coded(Code::BadFile);
        return file;
    }
    if (check.result == ConfigFile::ReadCheck::NoKeylonSettings) {
        file.problems << refusal(file, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 holds no Keylon settings."));
        return file;
    }
    refuseMisreadLines(file, typed);
    QSettings settings(readPath, QSettings::IniFormat);
    ConfigFile::useUtf8(settings);
    settings.beginGroup(QStringLiteral("KEYLON"));
    const QStringList present = settings.childKeys();
    for (const QString &name : present) {
        if (!Settings::named(name))
            file.problems << unknownKey(file, name);
    }

    for (const Setting &key : Settings::all()) {
        const QString name = QLatin1String(key.key);
        if (!present.contains(name))
            continue;
        const QString text = Settings::textOf(settings.value(name));

        if (key.isAffix()) {
            file.keys << name;
            file.spelled.insert(name, text);
            refuseUnknownBrackets(file, name, text);
            continue;
        }
        const bool isSwitch = key.isSwitch();
        const std::optional<int> value = isSwitch ? Settings::switchValue(text) : Settings::numberValue(text);
        if (!value) {
            file.problems << hashAdvice(refusal(file, isSwitch ? QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2=%3 is not 0 or 1")
                                                               : QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2=%3 is not a "
                                                                                                 "number"))
                                            .arg(name, text),
                                        text);
            continue;
        }
        if (!key.holds(*value)) {
            //: %4: the range, "0 to 255"
            file.problems << refusal(file, QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2=%3 is out of range: %4"))
                                 .arg(name, text, rangeText(key));
            continue;
        }
        file.spelled.insert(name, QString::number(*value));
        if (key.applied())
            file.keys << name;
    }

    if (!file.problems.isEmpty())
        return file;
    // The table above judges the file; its values come through the mapping of the window's
    // Import and "&Set Status", so that a file's settings mean the same to both front ends. Its
    // Interface does not: keylon2ctl leaves the interface to set-interface (FileInterface).
    file.record = PageRecord::recordOfPage(ConfigFile::read(readPath));
    const QList<SettingsWrite::OverlongAffix> overlong = SettingsWrite::overlongAffixes(file.record);
    if (!overlong.isEmpty())
        file.problems << Message::plain(QStringLiteral("%1: %2"))
                             .arg(file.name, SettingsWrite::overlongAffixText(overlong))
                             .coded(Code::BadFile);
    return file;
}

SettingsRecord mergedRecord(const SettingsRecord &reader, const SettingsFile &file)
{
    SettingsRecord record = reader;
    for (const QString &name : file.keys)
        Settings::named(name)->copy(file.record, record);
    return record;
}

QList<Difference> compare(const ReaderSession::SettingsRead &read, bool serial, const SettingsFile &file)
{
    QList<Difference> differences;
    const SettingsRecord &held = read.record;
    const ConfigPage page = PageRecord::pageOfRecord(held, serial);
    for (const QString &name : file.keys) {
        const Setting &key = *Settings::named(name);
        if ((key.usbOnly && !read.hasCountry) || !key.differs(held, file.record))
            continue;
        // As read writes it; a country the list does not hold as the reader's number.
        const QString shown =
            key.isChoice() ? QString::number(held.*key.entry) : key.exported(page).toString();
        differences.append({name, shown, file.spelled.value(name)});
    }
    return differences;
}

QString fileFormatText()
{
    QString names;
    for (int code = 0; code < ControlNames.size(); ++code) {
        names += (code % 8 == 0 ? QStringLiteral("\n  ") : QStringLiteral(", "))
            + QStringLiteral("[%1] %2").arg(ControlNames.at(code)).arg(code, 2, 16, QLatin1Char('0'));
    }

    return CtlText::tr(
               "Configuration files (FILE), as the window's Export writes them: [FW] Ver (the firmware version;\n"
               "never written) and [KEYLON] with these keys:\n"
               "%1"
               "Another key in [KEYLON], a value that is no number where a number belongs, a value out of its\n"
               "range, a key given twice, a ';' outside double quotes (the INI reader starts a comment there:\n"
               "write Pre=\"AB;CD\") or a bracketed name the notation does not know (such as [TAB], [cr] or\n"
               "[Enter]) refuses the file before anything is sent, naming the key and how to write it. A UTF-8\n"
               "byte order mark at the start of the file is skipped.\n"
               "Bracket names in Pre, Post and Remove, with their codes in hexadecimal:%2\n"
               "[0xHH] is any code (two hexadecimal digits), [0x5B] a '[' itself. Names are upper case.\n"
               "The characters %3 are the codes b0 to b6.\n")
        .arg(Settings::helpText().human(), names,
             QString::fromUtf8("\u20ac \u00a4 \u00a6 \u00a7 \u00a8 \u00b3 \u00b4"));
}

}  // namespace Ctl
