#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "ctl/ctl.h"

// The commands of keylon2ctl, one entry each. Parsing, --help and the shell completions are
// all made from this table, so a command or an option is added in one place.
namespace Ctl {

struct Invocation;
using Handler = int (*)(const Invocation &, Io &);

// What the shell offers for an argument or an option's value.
enum class Completion { Nothing, Words, ConfigFile, File, Device };

struct OptionSpec
{
    const char *name;       // without the dashes
    const char *valueName;  // nullptr: the option takes no value
    const char *help;
    Completion completion = Completion::Nothing;
    const char *words = nullptr;  // Completion::Words: the choices, separated by spaces
    const char *defaultValue = nullptr;  // what a command takes when the option is not given
    const char *defaultMeaning = nullptr;  // what that default does, when the value alone does not say
};

// An exit code, its name in ExitCode and what it means, as --help and the man page list them.
struct ExitCodeSpec
{
    int code;
    const char *name;
    const char *meaning;
};

struct ArgumentSpec
{
    const char *name;
    Completion completion;
    const char *words = nullptr;
};

// Which readers a command works on: none, one (named or the only one attached), or any number
// (--device as often as wanted, or --all).
enum class Readers { None, One, Many };

struct CommandSpec
{
    const char *name;
    QList<ArgumentSpec> arguments;
    Readers readers;
    QStringList options;  // besides --json, --verbose and --help, which every command takes
    Handler handler;
    const char *help;     // one line
    const char *details;  // what --help-all and `COMMAND --help` add
    bool hidden = false;  // not in --help (the completion scripts' helper)
};

const QList<CommandSpec> &commands();
const QList<OptionSpec> &options();
// --help, --help-all and --version: the program's own, taken by every command line.
const QList<OptionSpec> &programOptions();
const QList<ExitCodeSpec> &exitCodes();
// "(default: 0, all at once)"; empty for an option without a default.
QString defaultText(const OptionSpec &option);
const CommandSpec *findCommand(const QString &name);
const OptionSpec *findOption(const QString &name);
// The names of every option the command takes (without dashes), as its help lists them.
QStringList optionNames(const CommandSpec &command);

// A command line taken apart against the table.
struct Invocation
{
    const CommandSpec *command = nullptr;
    QString commandWord;    // as given, also when it names no command
    QStringList arguments;  // the command's own words
    QStringList devices;    // --device values and a trailing DEVICE word, in order
    bool all = false;
    bool json = false;
    QHash<QString, QString> values;  // the options given: name to value ("" for a switch)

    bool isSet(const QString &option) const { return values.contains(option); }
    QString value(const QString &option, const QString &fallback = QString()) const
    {
        return values.value(option, fallback);
    }
    // --wait SECONDS in milliseconds; 0 without it.
    int waitMs() const { return value(QStringLiteral("wait"), QStringLiteral("0")).toInt() * 1000; }
};

struct Parsed
{
    Invocation invocation;
    int exitCode = Success;
    QString error;   // a usage error: one line
    QString output;  // --help, --help-all, --version: print this and end
};
Parsed parse(const QStringList &arguments);

QString helpText(bool all);
QString commandHelp(const CommandSpec &command);
QString exitCodeText();
QString fileFormatText();

QString bashCompletion();
QString zshCompletion();

}  // namespace Ctl
