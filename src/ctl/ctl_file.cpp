#include "ctl/ctl_file.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QTemporaryDir>

#include "core/settings/config_check.h"
#include "core/settings/config_mapping.h"
#include "core/settings/config_text.h"
#include "core/settings/page_record.h"
#include "core/protocol/settings_frames.h"
#include "core/text/keycode.h"
#include "core/text/name_tables.h"

namespace Ctl {

namespace {

enum class Kind { Switch, Number, Affix };

struct Key
{
    const char *name;
    Kind kind;
    int low = 0;
    int high = 1;
    quint8 bit = 0;  // a switch's option bit; 0 for Interface, which no record carries
};

// As the window's Export writes them. The output window is one byte that a read shows signed,
// so only -128 to 127 comes back as it was written (200 would read back as -56); the country
// is an index into the window's list.
const Key Keys[] = {
    {"Interface", Kind::Switch},
    {"PreEnable", Kind::Switch, 0, 1, OptionBits::PreEnable},
    {"Pre", Kind::Affix},
    {"PostEnable", Kind::Switch, 0, 1, OptionBits::PostEnable},
    {"Post", Kind::Affix},
    {"RemoveEnable", Kind::Switch, 0, 1, OptionBits::RemoveEnable},
    {"Remove", Kind::Affix},
    {"RemoveIDCode", Kind::Switch, 0, 1, OptionBits::RemoveIDCode},
    {"AutoReport", Kind::Switch, 0, 1, OptionBits::AutoReport},
    {"Buzzer", Kind::Switch, 0, 1, OptionBits::Buzzer},
    {"OutputStart", Kind::Number, -128, 127},
    {"OutputLength", Kind::Number, -128, 127},
    {"KBCountry", Kind::Number, 0, 4},
};

const Key *keyNamed(const QString &name)
{
    for (const Key &key : Keys) {
        if (name == QLatin1String(key.name))
            return &key;
    }
    return nullptr;
}

// The INI reader takes an unquoted value with commas for a list.
QString textOf(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

template<typename Record>
auto &affixOf(Record &record, const QString &key)
{
    if (key == QLatin1String("Pre"))
        return record.pre;
    return key == QLatin1String("Post") ? record.post : record.remove;
}

int numberOf(const SettingsRecord &record, const QString &key)
{
    if (key == QLatin1String("OutputStart"))
        return record.outputStart;
    return key == QLatin1String("OutputLength") ? record.outputLength : quint8(record.kbCountry);
}

void setNumber(SettingsRecord &record, const QString &key, int value)
{
    if (key == QLatin1String("OutputStart"))
        record.outputStart = quint8(value);
    else if (key == QLatin1String("OutputLength"))
        record.outputLength = quint8(value);
    else
        record.kbCountry = quint8(value);
}

QString rangeText(const Key &key)
{
    QString text = QStringLiteral("%1 to %2").arg(key.low).arg(key.high);
    if (key.name == QLatin1String("KBCountry"))
        text += QStringLiteral(" (") + CountryNames.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text;
}

// How to write what an unknown bracket name was most likely meant as.
QString bracketAdvice(const QString &token)
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
    else if (upper.size() == 3 && upper.startsWith(QLatin1String("0X")) && QStringLiteral("0123456789ABCDEF").contains(upper.at(2)))
        name = QStringLiteral("0x0") + upper.at(2);  // [0x4]
    if (name.isEmpty())
        return QStringLiteral("write a name the notation knows (keylon2ctl --help-all lists them) or any code as "
                              "[0xHH]; a '[' itself is [0x5B]");
    const int code = ControlNames.indexOf(name);
    return code < 0 ? QStringLiteral("write [%1]").arg(name)
                    : QStringLiteral("write [%1] (code %2)").arg(name).arg(code, 2, 16, QLatin1Char('0'));
}

void refuseUnknownBrackets(SettingsFile &file, const QString &key, const QString &text)
{
    for (const UnknownBracket &bracket : UnknownBrackets(text)) {
        file.problems << QStringLiteral("%1: %2=%3: %4 is not a bracket name the notation knows; %5")
                             .arg(file.name, key, text, bracket.text, bracketAdvice(bracket.text));
    }
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
            file.problems << QStringLiteral("%1: %2 is given twice in [KEYLON] (lines %3 and %4), and only the last "
                                            "line would count; keep the one line you mean")
                                 .arg(file.name, entry.key)
                                 .arg(firstLine.value(entry.key))
                                 .arg(entry.line);
        } else {
            firstLine.insert(entry.key, entry.line);
        }
        if (entry.cutAt >= 0) {
            file.problems << QStringLiteral("%1: line %2: %3=%4: a ';' outside double quotes starts a comment, so "
                                            "this reads as %3=%5; write %3=%6 to keep the ';', or put a comment on "
                                            "a line of its own")
                                 .arg(file.name)
                                 .arg(entry.line)
                                 .arg(entry.key, entry.value, entry.value.left(entry.cutAt).trimmed(),
                                      ConfigText::quoted(entry.value));
        }
    }
}

}  // namespace

const QStringList &settingKeys()
{
    static const QStringList keys = [] {
        QStringList names;
        for (const Key &key : Keys) {
            if (key.kind != Kind::Switch || key.bit != 0)
                names << QLatin1String(key.name);
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
        if (in.open(QIODevice::ReadOnly))
            typed = ConfigText::scan(in.readAll());
        // An editor that starts its files with a byte order mark (Notepad does) must not make
        // the file unreadable: the INI reader gets the bytes after it.
        if (typed.byteOrderMark) {
            readPath = copyDir.filePath(QStringLiteral("without-bom.cfg"));
            QFile copy(readPath);
            if (!copyDir.isValid() || !copy.open(QIODevice::WriteOnly) || copy.write(typed.bytes) != typed.bytes.size())
                readPath = path;
        }
    }
    QString unreadable = ConfigFile::problem(readPath);
    if (!unreadable.isEmpty()) {
        file.problems << unreadable.replace(QFileInfo(readPath).fileName(), file.name);
        return file;
    }
    refuseMisreadLines(file, typed);
    QSettings settings(readPath, QSettings::IniFormat);
    ConfigFile::useUtf8(settings);
    settings.beginGroup(QStringLiteral("KEYLON"));
    const QStringList present = settings.childKeys();
    for (const QString &name : present) {
        if (!keyNamed(name))
            file.problems << QStringLiteral("%1: unknown key %2 in [KEYLON]").arg(file.name, name);
    }

    for (const Key &key : Keys) {
        const QString name = QLatin1String(key.name);
        if (!present.contains(name))
            continue;
        const QString text = textOf(settings.value(name));
        const QString shown = QStringLiteral("%1: %2=%3").arg(file.name, name, text);
        if (key.kind == Kind::Affix) {
            file.keys << name;
            file.spelled.insert(name, text);
            refuseUnknownBrackets(file, name, text);
            continue;
        }
        int value = 0;
        if (key.kind == Kind::Switch) {
            const QString word = text.toLower();
            if (word != QLatin1String("0") && word != QLatin1String("1") && word != QLatin1String("true")
                && word != QLatin1String("false")) {
                file.problems << shown + QStringLiteral(" is not 0 or 1");
                continue;
            }
            value = word == QLatin1String("1") || word == QLatin1String("true") ? 1 : 0;
        } else {
            bool number = false;
            value = text.toInt(&number, 10);
            if (!number) {
                file.problems << shown + QStringLiteral(" is not a number");
                continue;
            }
            if (value < key.low || value > key.high) {
                file.problems << shown + QStringLiteral(" is out of range: ") + rangeText(key);
                continue;
            }
        }
        file.spelled.insert(name, QString::number(value));
        if (key.bit != 0 || key.kind == Kind::Number)
            file.keys << name;
    }

    if (!file.problems.isEmpty())
        return file;
    // The table above judges the file; its values come through the mapping of the window's
    // Import and "&Set Status", so that a file means the same to both front ends.
    file.record = PageRecord::recordOfPage(ConfigFile::read(readPath));
    const QList<SettingsWrite::OverlongAffix> overlong = SettingsWrite::overlongAffixes(file.record);
    if (!overlong.isEmpty())
        file.problems << file.name + QStringLiteral(": ") + SettingsWrite::overlongAffixText(overlong);
    return file;
}

SettingsRecord mergedRecord(const SettingsRecord &reader, const SettingsFile &file)
{
    SettingsRecord record = reader;
    for (const QString &name : file.keys) {
        const Key &key = *keyNamed(name);
        if (key.kind == Kind::Switch)
            record.options = quint8((record.options & ~key.bit) | (file.record.options & key.bit));
        else if (key.kind == Kind::Number)
            setNumber(record, name, numberOf(file.record, name));
        else
            affixOf(record, name) = affixOf(file.record, name);
    }
    return record;
}

QList<Difference> compare(const ReaderSession::SettingsRead &read, bool serial, const SettingsFile &file)
{
    QList<Difference> differences;
    SettingsRecord held = read.record;
    const ConfigPage page = PageRecord::pageOfRecord(held, serial);
    for (const QString &name : file.keys) {
        const Key &key = *keyNamed(name);
        const QString wanted = file.spelled.value(name);
        if (key.kind == Kind::Switch) {
            if ((held.options & key.bit) != (file.record.options & key.bit))
                differences.append({name, held.options & key.bit ? QStringLiteral("1") : QStringLiteral("0"), wanted});
        } else if (name == QLatin1String("KBCountry")) {
            if (read.hasCountry && quint8(held.kbCountry) != quint8(file.record.kbCountry))
                differences.append({name, QString::number(held.kbCountry), wanted});
        } else if (key.kind == Kind::Number) {
            if (numberOf(held, name) != numberOf(file.record, name))
                differences.append({name, name == QLatin1String("OutputStart") ? page.outputStart : page.outputLength, wanted});
        } else if (affixOf(held, name) != affixOf(file.record, name)) {
            const QString shown = name == QLatin1String("Pre") ? page.pre : name == QLatin1String("Post") ? page.post : page.remove;
            differences.append({name, shown, wanted});
        }
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
    QStringList countries;
    for (int index = 0; index < CountryNames.size(); ++index)
        countries << QStringLiteral("%1 %2").arg(index).arg(CountryNames.at(index));
    return QStringLiteral(
               "Configuration files (FILE), as the window's Export writes them: [FW] Ver (the firmware version;\n"
               "never written) and [KEYLON] with these keys:\n"
               "  PreEnable, PostEnable, RemoveEnable, RemoveIDCode, AutoReport, Buzzer\n"
               "        0 or 1 (true and false are taken too)\n"
               "  Pre, Post, Remove\n"
               "        the preamble, postamble and remove data, in the bracket notation; at most 31 codes each\n"
               "  OutputStart, OutputLength\n"
               "        -128 to 127: the reader keeps one byte, and a read shows it signed\n"
               "  KBCountry\n"
               "        %1; not on the serial interface\n"
               "  Interface\n"
               "        0 USB keyboard, 1 serial: the interface the file was read over; never applied\n"
               "Another key in [KEYLON], a value that is no number where a number belongs, a value out of its\n"
               "range, a key given twice, a ';' outside double quotes (the INI reader starts a comment there:\n"
               "write Pre=\"AB;CD\") or a bracketed name the notation does not know (such as [TAB], [cr] or\n"
               "[Enter]) refuses the file before anything is sent, naming the key and how to write it. A UTF-8\n"
               "byte order mark at the start of the file is skipped.\n"
               "Bracket names in Pre, Post and Remove, with their codes in hexadecimal:%2\n"
               "[0xHH] is any code (two hexadecimal digits), [0x5B] a '[' itself. Names are upper case.\n"
               "The characters %3 are the codes b0 to b6.\n")
        .arg(countries.join(QStringLiteral(", ")), names,
             QString::fromUtf8("\u20ac \u00a4 \u00a6 \u00a7 \u00a8 \u00b3 \u00b4"));
}

}  // namespace Ctl
