#include "ctl/table/command_table.h"

#include <limits>

#include "core/link/transport_descriptor.h"

#include "ctl/table/ctl_text.h"
#include "ctl/table/handlers.h"
#include "ctl/table/settings_file.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

constexpr int HelpColumn = 6;
constexpr int TextWidth = 96;
constexpr int MaxWaitSeconds = 86400;

QString wrapped(const QString &text, int indent)
{
    QString result;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        if (word.isEmpty())
            continue;
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > TextWidth) {
            result += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        result += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
    return result;
}

QString optionSynopsis(const OptionSpec &option)
{
    QString text = QStringLiteral("--") + QLatin1String(option.name);
    if (option.valueName) {
        text += QLatin1Char(' ')
            + (option.words ? QString::fromLatin1(option.words).replace(QLatin1Char(' '), QLatin1Char('|'))
                            : QString::fromLatin1(option.valueName));
    }
    return text;
}

QString synopsis(const CommandSpec &command)
{
    QStringList parts{QString::fromLatin1(command.name)};
    for (const ArgumentSpec &argument : command.arguments)
        parts << QString::fromLatin1(argument.name);
    if (command.readers == Readers::One)
        parts << QStringLiteral("[DEVICE]");
    else if (command.readers == Readers::Many)
        parts << QStringLiteral("[DEVICE... | --all]");
    for (const QString &name : command.options)
        parts << QLatin1Char('[') + optionSynopsis(*findOption(name)) + QLatin1Char(']');
    return parts.join(QLatin1Char(' '));
}

QString optionLines(const OptionSpec &option)
{
    QString help = helpMessage(option.help).human();
    const QString byDefault = defaultText(option);
    if (!byDefault.isEmpty())
        help += QLatin1Char(' ') + byDefault;
    return QStringLiteral("  ") + optionSynopsis(option) + QLatin1Char('\n') + wrapped(help, HelpColumn);
}

}  // namespace

QStringList optionNames(const CommandSpec &command)
{
    QStringList names;
    if (command.readers != Readers::None)
        names << QStringLiteral("device");
    if (command.readers == Readers::Many)
        names << QStringLiteral("all");
    names << command.options;
    if (!command.hidden)
        names << QStringLiteral("json") << QStringLiteral("verbose");  // every command takes them
    return names;
}

const QList<OptionSpec> &options()
{
    static const QList<OptionSpec> table = {
        {"device", "DEVICE",
         //: %1 how each transport names a reader ("hid:PATH, serial:PORT")
         QT_TRANSLATE_NOOP("Keylon2ctl", "The reader: %1, sn:SERIAL or usb:PORTPATH, as list shows them. Commands on "
         "several readers take it as often as wanted."),
         Completion::Device},
        {"all", nullptr, QT_TRANSLATE_NOOP("Keylon2ctl", "Every attached reader.")},
        {"jobs", "N", QT_TRANSLATE_NOOP("Keylon2ctl", "write, apply, diff: readers at once; 0 is all at once."), Completion::Nothing, nullptr, "0"},
        {"check", nullptr, QT_TRANSLATE_NOOP("Keylon2ctl", "apply: read only and tell what would change; no write frame is sent.")},
        {"watch", nullptr,
         QT_TRANSLATE_NOOP("Keylon2ctl", "apply: after the readers attached, each reader plugged in, once per plug, until SIGINT (Ctrl-C), "
         "SIGTERM or SIGHUP; then the summary. Exit 0 when no reader failed, else 1.")},
        {"log", "LOG",
         QT_TRANSLATE_NOOP("Keylon2ctl", "write, apply, set-interface, firmware-update: append JSON lines to LOG, the audit log: one per reader handled, and "
         "before a reader's first write frame a line that opens it. A log that cannot be opened stops the "
         "command before anything is sent."),
         Completion::File},
        {"metrics", "FILE",
         QT_TRANSLATE_NOOP("Keylon2ctl", "write, apply, diff, set-interface, firmware-update: keep FILE (name it NAME.prom in node exporter's textfile "
         "directory) in Prometheus' text format: readers by result, drift, firmware updates by outcome, the last reader and failure, the "
         "readers with their identity. A station writes it at each event, a run at its start and end. A file "
         "that cannot be written is said on standard error and changes nothing else."),
         Completion::File},
        {"wait", "SECONDS",
         QT_TRANSLATE_NOOP("Keylon2ctl", "A reader that another process holds (the window, a station, another keylon2ctl) is waited for, up to "
         "SECONDS; without it such a reader is refused at once as busy (exit 6), naming that process.")},
        {"no-lock", nullptr,
         QT_TRANSLATE_NOOP("Keylon2ctl", "A reader for which no lock can be had (neither a file in the lock directory nor the reader's node) "
         "is talked to all the same, with a warning; without it such a reader is refused and nothing is sent. "
         "Another program may then send its frames between this one's.")},
        {"partial", nullptr, QT_TRANSLATE_NOOP("Keylon2ctl", "write: read the reader first and change only the keys the file sets.")},
        {"no-verify", nullptr, QT_TRANSLATE_NOOP("Keylon2ctl", "write: do not read the settings back.")},
        {"backup", "FILE",
         QT_TRANSLATE_NOOP("Keylon2ctl", "firmware-update: keep the reader's settings and firmware version in FILE, a configuration file "
         "that apply and the window's Import take; a folder gets one file per reader. Without it each reader's "
         "file goes to keylon2/firmware-backups/ in the user's state directory ($XDG_STATE_HOME, ~/.local/state), "
         "named by its serial number and the time."),
         Completion::File},
        {"wait-back", "SECONDS",
         QT_TRANSLATE_NOOP("Keylon2ctl", "firmware-update: how long to wait for the reader to come back after the writer."),
         Completion::Nothing, nullptr, "60"},
        {"allow-same", nullptr,
         QT_TRANSLATE_NOOP("Keylon2ctl", "firmware-update: a reader that comes back with the version of before is no failure.")},
        {"expect-version", "VERSION",
         QT_TRANSLATE_NOOP("Keylon2ctl", "firmware-update: the version the reader must report after the update; another one is a failure.")},
        {"keep-reset", nullptr,
         QT_TRANSLATE_NOOP("Keylon2ctl", "firmware-update: leave the settings the writer reset as they are, instead of writing back those "
         "of before.")},
        {"format", "FORMAT", QT_TRANSLATE_NOOP("Keylon2ctl", "read: the configuration file or the settings alone as JSON."), Completion::Words,
         "cfg json", "cfg"},
        {"json", nullptr,
         QT_TRANSLATE_NOOP("Keylon2ctl", "One JSON document on standard output (\"schema\": 1), also on failure. apply --watch: a JSON line per "
         "reader as it is done, then the document.")},
        {"verbose", nullptr, QT_TRANSLATE_NOOP("Keylon2ctl", "Also the protocol's debug lines, on standard error.")},
    };
    return table;
}

const QList<OptionSpec> &programOptions()
{
    static const QList<OptionSpec> table = {
        {"help", nullptr, QT_TRANSLATE_NOOP("Keylon2ctl", "This help; after a command, that command's.")},
        {"help-all", nullptr, QT_TRANSLATE_NOOP("Keylon2ctl", "Every command in full, the configuration file's keys and the exit codes.")},
        {"version", nullptr, QT_TRANSLATE_NOOP("Keylon2ctl", "The program's version.")},
    };
    return table;
}

const QList<OptionRule> &optionRules()
{
    static const QList<OptionRule> table = {
        {"all", "device", 0, QT_TRANSLATE_NOOP("Keylon2ctl", "--device and --all exclude each other")},
        {"jobs", nullptr, std::numeric_limits<int>::max(),
         QT_TRANSLATE_NOOP("Keylon2ctl", "--jobs wants a number of readers (0: all at once)")},
        {"wait", nullptr, MaxWaitSeconds, QT_TRANSLATE_NOOP("Keylon2ctl", "--wait wants a number of seconds, 0 to %1")},
        {"wait-back", nullptr, MaxWaitSeconds, QT_TRANSLATE_NOOP("Keylon2ctl", "--wait-back wants a number of seconds, 0 to %1")},
        {"json", "format", 0, QT_TRANSLATE_NOOP("Keylon2ctl", "--json and --format exclude each other")},
        {"watch", "device", 0,
         QT_TRANSLATE_NOOP("Keylon2ctl", "--watch takes every reader plugged in; it does not take --device")},
    };
    return table;
}

Message deviceForms()
{
    Message forms;
    for (const TransportDescriptor *transport : Transports::all()) {
        //: Two items of a list, such as two ways to name a reader ("hid:PATH, serial:PORT")
        forms = forms.isEmpty() ? Message::plain(transport->form())
                                : Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1, %2")).arg(forms, transport->form());
    }
    return forms;
}

Message helpMessage(const char *help)
{
    return Message(CtlRoom, help).arg(deviceForms());
}

QString defaultText(const OptionSpec &option)
{
    if (!option.defaultValue)
        return QString();
    const QString value = QString::fromLatin1(option.defaultValue);
    if (option.defaultMeaning)
        return CtlText::tr("(default: %1, %2)").arg(value, CtlText::tr(option.defaultMeaning));
    return CtlText::tr("(default: %1)").arg(value);
}

const QList<CommandSpec> &commands()
{
    static const QList<CommandSpec> table = {
        {"list", {}, Readers::None, {}, listCommand,
         QT_TRANSLATE_NOOP("Keylon2ctl", "every attached reader, USB HID and serial, with its serial number and USB port"),
         QT_TRANSLATE_NOOP("Keylon2ctl", "On USB HID its node, on the serial line its port; each with its USB serial number, the USB socket it "
         "sits in (the name sysfs gives it, such as 1-2.3, which stays when the reader is plugged in again "
         "there), vendor and product ID, and product string or description. Warns when two readers share a "
         "serial number, or one has none: sn: cannot pick those. A serial port counts as a reader when its "
         "description starts with the reader driver's text or its USB vendor ID is 0416.")},
        {"read", {}, Readers::One, {QStringLiteral("format"), QStringLiteral("wait"), QStringLiteral("no-lock")},
         readCommand,
         QT_TRANSLATE_NOOP("Keylon2ctl", "the reader's settings as a configuration file (the window's Import reads it) or as JSON"),
         QT_TRANSLATE_NOOP("Keylon2ctl", "Over the serial line the reader does not tell its keyboard country: the file leaves KBCountry out, so "
         "that applying it keeps each reader's country.")},
        {"write", {{"FILE", Completion::ConfigFile}}, Readers::Many,
         {QStringLiteral("partial"), QStringLiteral("no-verify"), QStringLiteral("jobs"), QStringLiteral("log"),
          QStringLiteral("metrics"), QStringLiteral("wait"), QStringLiteral("no-lock")},
         writeCommand,
         QT_TRANSLATE_NOOP("Keylon2ctl", "writes and saves every setting of the file, then reads them back"),
         QT_TRANSLATE_NOOP("Keylon2ctl", "Always writes, whether or not the reader holds the settings already. The file must set every "
         "[KEYLON] key but Interface, or the keys it leaves out would be reset; with --partial the reader is "
         "read first and only the keys the file sets change. A file without KBCountry, as read makes one over "
         "the serial line, writes to readers on the serial line; a reader on USB HID refuses it. The settings go to the interface the reader is "
         "on (the file's Interface is not applied: see set-interface); over the serial line KBCountry is not "
         "sent, the serial interface has no such setting.")},
        {"apply", {{"FILE", Completion::ConfigFile}}, Readers::Many,
         {QStringLiteral("check"), QStringLiteral("watch"), QStringLiteral("jobs"), QStringLiteral("log"),
          QStringLiteral("metrics"), QStringLiteral("wait"), QStringLiteral("no-lock")},
         applyCommand,
         QT_TRANSLATE_NOOP("Keylon2ctl", "reads each reader and writes, saves and reads back only the readers whose settings differ from the "
         "file's"),
         QT_TRANSLATE_NOOP("Keylon2ctl", "Compares, key by key, what the reader holds with the keys the file sets, and changes only those keys. "
         "Each reader is unchanged, changed (naming the keys) or failed (saying why); a reader that already "
         "matches costs one read and nothing more. With --check nothing is written: it says what would change, "
         "and the exit code is 5 when a reader would change (0 when every reader matches). "
         "With --watch it is a station: it applies the file to the readers attached, then to each reader "
         "plugged in (on USB HID or the serial line), once per plug, a line per reader as it is done, until "
         "SIGINT (Ctrl-C), SIGTERM or SIGHUP, or until its output goes away; the readers under way then finish, "
         "and the summary follows. Its exit code is 0 when no reader failed, else 1 (not 128 plus the signal: a "
         "signal is how a station ends). It takes no --device. With "
         "--json it prints a JSON line per reader as it is done, and apply's whole document as its last line.")},
        {"diff", {{"FILE", Completion::ConfigFile}}, Readers::Many,
         {QStringLiteral("jobs"), QStringLiteral("metrics"), QStringLiteral("wait"), QStringLiteral("no-lock")},
         diffCommand,
         QT_TRANSLATE_NOOP("Keylon2ctl", "each reader's values that differ from the file's, key by key (reader -> file); writes nothing"),
         QT_TRANSLATE_NOOP("Keylon2ctl", "The keys the file sets are compared as apply compares them; the values are spelled as a "
         "configuration file spells them. Exit 0 when every reader matches the file, 5 when one differs; a reader "
         "that failed gives its own code.")},
        {"set-interface", {{"usb|serial", Completion::Words, "usb serial"}}, Readers::Many,
         {QStringLiteral("log"), QStringLiteral("metrics"), QStringLiteral("wait"), QStringLiteral("no-lock")}, setInterfaceCommand,
         QT_TRANSLATE_NOOP("Keylon2ctl", "switches the reader to its USB keyboard or its serial interface"),
         QT_TRANSLATE_NOOP("Keylon2ctl", "The reader leaves the link and is found again on the other interface. Nothing is sent to a reader "
         "that is on that interface already.")},
        {"monitor", {}, Readers::One, {QStringLiteral("wait"), QStringLiteral("no-lock")}, monitorCommand,
         QT_TRANSLATE_NOOP("Keylon2ctl", "key ID codes from a reader on its serial interface, one per line, until interrupted"),
         QT_TRANSLATE_NOOP("Keylon2ctl", "With --json the codes are collected and printed in one document when monitor ends.")},
        {"firmware-update", {}, Readers::Many,
         {QStringLiteral("backup"), QStringLiteral("wait-back"), QStringLiteral("allow-same"), QStringLiteral("expect-version"),
          QStringLiteral("keep-reset"), QStringLiteral("log"), QStringLiteral("metrics"), QStringLiteral("wait"),
          QStringLiteral("no-lock")},
         firmwareUpdateCommand,
         QT_TRANSLATE_NOOP("Keylon2ctl", "puts the reader into ISP mode, runs ./flashmate RECONNKLN from the working directory, and checks "
         "the reader that comes back"),
         QT_TRANSLATE_NOOP("Keylon2ctl", "Before: the reader is read and its settings and firmware version kept in a backup file (see "
         "--backup); a reader that cannot be read, or a backup that cannot be written, gets nothing. After the "
         "writer: the same reader (the same serial number, else the same USB port; a new node is normal) is waited "
         "for up to --wait-back seconds and read. It is updated (the version before and after), or it failed: "
         "the writer changed nothing (the version of before; --allow-same takes that), another version than "
         "--expect-version, not back (it may wait in its loader: run the writer again, or unplug it and plug it in "
         "again), or another reader came back in its place (nothing is written to it). The settings the writer "
         "reset are written back from the backup, only those that differ, then read back, unless --keep-reset; "
         "the line says which. Several readers (--device as often as wanted, or --all) are updated one after "
         "another, never two in their loaders at once. An interrupt lets a writer under way run to its end "
         "(stopping a writer can leave the reader without working firmware), then no other reader starts. "
         "Nothing is sent when the firmware writer is not there. With --json the writer's output goes to "
         "standard error.")},
        {"doctor", {}, Readers::None, {}, doctorCommand,
         QT_TRANSLATE_NOOP("Keylon2ctl", "what stands between this user and the readers, one line each with what to do"),
         QT_TRANSLATE_NOOP("Keylon2ctl", "Checks the udev rule, whether this user may open each reader's node and through what (seat ACL, "
         "group, owner), whether this session has a seat (an SSH session has none: join group plugdev), "
         "ModemManager on a reader's port, brltty, and another process holding a port. Exit 0 when every "
         "attached reader can be opened, 3 when none is attached, 4 when one cannot be opened.")},
        {"completion", {{"bash|zsh|devices", Completion::Words, "bash zsh devices"}}, Readers::None, {},
         completionCommand, QT_TRANSLATE_NOOP("Keylon2ctl", "the bash or zsh completion script; devices: what --device completes to"),
         nullptr, true},
    };
    return table;
}

const CommandSpec *findCommand(const QString &name)
{
    for (const CommandSpec &command : commands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

const OptionSpec *findOption(const QString &name)
{
    for (const OptionSpec &option : options()) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

static QString optionsHeading()
{
    return QLatin1Char('\n') + CtlText::tr("Options:") + QLatin1Char('\n');
}

QString commandHelp(const CommandSpec &command)
{
    QString text = CtlText::tr("Usage: keylon2ctl %1 [--json]").arg(synopsis(command)) + QStringLiteral("\n\n");
    const QString help = CtlText::tr(command.help);
    text += wrapped(help.left(1).toUpper() + help.mid(1) + QLatin1Char('.'), 0);
    if (command.details)
        text += QLatin1Char('\n') + wrapped(CtlText::tr(command.details), 0);
    text += optionsHeading();
    for (const QString &name : optionNames(command))
        text += optionLines(*findOption(name));
    return text + exitCodeText();
}

QString helpText(bool all)
{
    QString text = CtlText::tr(
        "Reads and writes the settings of Keylon2 key readers.\n"
        "\n"
        "Usage: keylon2ctl COMMAND [ARGUMENTS] [OPTIONS]\n"
        "       keylon2ctl COMMAND --help\n"
        "\n"
        "Commands:\n");
    for (const CommandSpec &command : commands()) {
        if (command.hidden)
            continue;
        text += QStringLiteral("  ") + synopsis(command) + QLatin1Char('\n') + wrapped(CtlText::tr(command.help), HelpColumn);
        if (all && command.details)
            text += wrapped(CtlText::tr(command.details), HelpColumn) + QLatin1Char('\n');
    }
    text += QLatin1Char('\n')
        + wrapped(helpMessage(QT_TRANSLATE_NOOP("Keylon2ctl",
                      "DEVICE is --device %1, sn:SERIAL or usb:PORTPATH (as list shows them), "
                      "or the same word after the command's arguments; without one, the only attached reader. "
                      "A serial number that two readers share, or an empty one, never picks a reader. Serial "
                      "ports count as readers by their description or their USB vendor ID 0416; any other port "
                      "must be named.")).human(),
                  0);
    text += optionsHeading();
    for (const OptionSpec &option : options())
        text += optionLines(option);
    for (const OptionSpec &option : programOptions())
        text += optionLines(option).replace(QStringLiteral("  --help\n"), QStringLiteral("  -h, --help\n"));
    if (all)
        text += QLatin1Char('\n') + fileFormatText();
    return text + exitCodeText();
}

QString exitCodeText()
{
    QString text = QLatin1Char('\n') + CtlText::tr("Exit codes:") + QLatin1Char('\n');
    for (const ExitCodeSpec &exit : ExitCodes) {
        const QString code = QString::number(exit.code);
        text += QStringLiteral("  ") + code + QStringLiteral("  ")
            + wrapped(CtlText::tr(exit.meaning), 4 + code.size()).mid(4 + code.size());
    }
    return text
        + wrapped(CtlText::tr("apply --watch ends at SIGINT, SIGTERM or SIGHUP, or when its output goes away, with 0 "
                                 "when no reader failed, else 1."),
                  0);
}

}  // namespace Ctl
