#include "ctl/table/parser.h"

#include <QCommandLineParser>

#include "core/link/transport_descriptor.h"
#include "ctl/table/command_table.h"

namespace Ctl {

namespace {

// hid:PATH, serial:PORT, sn:SERIAL or usb:PORTPATH: a DEVICE word after a command's arguments.
bool looksLikeDevice(const QString &word)
{
    return Transports::ofDevice(word) || word.startsWith(QLatin1String("sn:")) || word.startsWith(QLatin1String("usb:"));
}

// The choices of an option's value or an argument: "cfg json".
QStringList wordsOf(const char *words)
{
    return QString::fromLatin1(words).split(QLatin1Char(' '));
}

// Whether the command line keeps the rule. A DEVICE word counts as --device.
bool keeps(const Invocation &invocation, const OptionRule &rule)
{
    const auto given = [&](const char *name) {
        return qstrcmp(name, "device") == 0 ? !invocation.devices.isEmpty() : invocation.isSet(QLatin1String(name));
    };
    if (!given(rule.option))
        return true;
    if (rule.other)
        return !given(rule.other);
    bool ok = false;
    const int value = invocation.value(QLatin1String(rule.option)).toInt(&ok);
    return ok && value >= 0 && value <= rule.most;
}

// Why the option parser refused the command line, worded by us rather than taken from its text:
// unknown options first, as it does, else the last option that lacks its value or has one it
// does not take.
Message parserError(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.size() == 1)
        return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "Unknown option '%1'.")).arg(unknown.first());
    if (unknown.size() > 1)
        return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "Unknown options: %1."))
            .arg(unknown.join(QStringLiteral(", ")));
    Message error;
    for (int i = 1; i < arguments.size() && arguments.at(i) != QLatin1String("--"); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(QLatin1Char('-')) || argument.size() < 2)
            continue;
        const int dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
        const int assign = argument.indexOf(QLatin1Char('='));
        const OptionSpec *option = findOption(argument.mid(dashes, assign < 0 ? -1 : assign - dashes));
        const bool takesValue = option && option->valueName;
        if (takesValue && assign < 0 && i + 1 == arguments.size())
            error = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "Missing value after '%1'.")).arg(argument);
        else if (!takesValue && assign >= 0)
            error = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "Unexpected value after '%1'."))
                        .arg(argument.left(assign));
        else if (takesValue && assign < 0)
            ++i;
    }
    return error.isEmpty() ? Message::plain(parser.errorText()) : error;
}

}  // namespace

Parsed parse(const QStringList &arguments)
{
    Parsed parsed;
    Invocation &invocation = parsed.invocation;
    QCommandLineParser parser;
    for (const OptionSpec &option : options()) {
        parser.addOption(option.valueName
                             ? QCommandLineOption(QLatin1String(option.name), QString(), QLatin1String(option.valueName))
                             : QCommandLineOption(QLatin1String(option.name)));
    }
    for (const OptionSpec &option : programOptions()) {
        QStringList names{QLatin1String(option.name)};
        if (names.first() == QLatin1String("help"))
            names.prepend(QStringLiteral("h"));
        parser.addOption(QCommandLineOption(names));
    }

    const auto usage = [&](Message error) {
        parsed.exitCode = UsageError;
        parsed.error = error.coded(Code::Usage);
        return parsed;
    };
    const auto print = [&](const QString &output) {
        parsed.output = output;
        return parsed;
    };
    const bool understood = parser.parse(arguments);
    QStringList words = parser.positionalArguments();
    invocation.commandWord = words.isEmpty() ? QString() : words.takeFirst();
    invocation.command = findCommand(invocation.commandWord);
    invocation.json = arguments.contains(QStringLiteral("--json"));
    if (!understood)
        return usage(parserError(parser, arguments));

    if (parser.isSet(QStringLiteral("version")))
        return print(QStringLiteral("keylon2ctl " KEYLON2_VERSION "\n"));
    if (parser.isSet(QStringLiteral("help-all")))
        return print(helpText(true));
    if (parser.isSet(QStringLiteral("help")))
        return print(invocation.command ? commandHelp(*invocation.command) : helpText(false));
    if (invocation.commandWord.isEmpty())
        return usage(Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "no command given; see --help")));
    const CommandSpec *command = invocation.command;
    if (!command)
        return usage(Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "unknown command \"%1\"; see --help"))
                         .arg(invocation.commandWord));

    const QStringList given = parser.optionNames();
    const QStringList taken = optionNames(*command);
    for (const QString &name : given) {
        if (!taken.contains(name))
            //: %1 a command, %2 an option's name
            return usage(Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 does not take --%2; see keylon2ctl %1 --help"))
                             .arg(command->name)
                             .arg(name));
        if (name != QLatin1String("device") && given.count(name) > 1)
            return usage(Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "--%1 is given more than once")).arg(name));
        invocation.values.insert(name, parser.value(name));
        const OptionSpec *option = findOption(name);
        if (option && option->words && !wordsOf(option->words).contains(parser.value(name)))
            //: %2: the values it takes, as they are typed ("cfg or json")
            return usage(Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "--%1 wants %2"))
                             .arg(name)
                             .arg(wordsOf(option->words).join(QStringLiteral(" or "))));
    }
    invocation.devices = parser.values(QStringLiteral("device"));
    invocation.all = parser.isSet(QStringLiteral("all"));

    // The command's own words, then DEVICE words (as --device takes them). Anything else is
    // named as what it is, not taken for a reader.
    const int expected = command->arguments.size();
    if (words.size() < expected)
        return usage(Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1: wrong number of arguments; see --help"))
                         .arg(command->name));
    for (const QString &word : words.mid(expected)) {
        if (command->readers == Readers::None || !looksLikeDevice(word))
            return usage(Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "unexpected argument %1; see keylon2ctl %2 --help"))
                             .arg(word)
                             .arg(command->name));
        invocation.devices << word;
    }
    words = words.mid(0, expected);
    for (int i = 0; i < expected; ++i) {
        const ArgumentSpec &argument = command->arguments.at(i);
        if (argument.completion == Completion::Words && !wordsOf(argument.words).contains(words.at(i)))
            //: %1 a command, %2 the values its argument takes, as they are typed ("usb or serial")
            return usage(Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 wants %2"))
                             .arg(command->name)
                             .arg(wordsOf(argument.words).join(QStringLiteral(" or "))));
    }
    invocation.arguments = words;

    if (command->readers == Readers::One && invocation.devices.size() > 1)
        return usage(Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 works on one reader; %2 were named"))
                         .arg(command->name)
                         .arg(invocation.devices.size()));
    for (const OptionRule &rule : optionRules()) {
        if (!keeps(invocation, rule))
            return usage(Message(CtlRoom, rule.error).arg(rule.most));
    }
    return parsed;
}

}  // namespace Ctl
