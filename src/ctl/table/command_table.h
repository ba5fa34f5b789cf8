#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/text/message.h"

// The commands of keylon2ctl, one entry each. Parsing, --help and the shell completions are
// all made from this table, so a command or an option is added in one place.
namespace Ctl {

struct Invocation;
struct Io;
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

// A rule between options, or on an option's value, checked once the command took its
// options and words. With `other`, the two exclude each other (a DEVICE word counts as
// --device); without, the value is a whole number from 0 to `most`.
struct OptionRule
{
    const char *option;
    const char *other;
    int most;
    const char *error;  // the usage error when the rule is broken (its source text); %1: most
};

const QList<CommandSpec> &commands();
const QList<OptionSpec> &options();
// --help, --help-all and --version: the program's own, taken by every command line.
const QList<OptionSpec> &programOptions();
// In the order they are checked: the first rule broken is the one said.
const QList<OptionRule> &optionRules();
// How each transport names a reader, listed in the language of the help: "hid:PATH, serial:PORT".
Message deviceForms();
// A help text of the table as a message: its %1, where it has one, is deviceForms().
Message helpMessage(const char *help);
// "(default: 0, all at once)" in the language of the help; empty for an option without a default.
QString defaultText(const OptionSpec &option);
const CommandSpec *findCommand(const QString &name);
const OptionSpec *findOption(const QString &name);
// The names of every option the command takes (without dashes), as its help lists them.
QStringList optionNames(const CommandSpec &command);

QString helpText(bool all);
QString commandHelp(const CommandSpec &command);
QString exitCodeText();

}  // namespace Ctl
