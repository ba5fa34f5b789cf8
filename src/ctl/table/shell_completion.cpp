#include "ctl/table/shell_completion.h"

#include "ctl/table/command_table.h"

namespace Ctl {

namespace {

// Every option the command takes, with its dashes.
QStringList optionsOf(const CommandSpec &command)
{
    QStringList flags;
    for (const QString &name : optionNames(command))
        flags << QStringLiteral("--") + name;
    return flags << QStringLiteral("--help");
}

// A help line as zsh shows it beside a choice: no brackets, no colons.
QString zshText(const char *help)
{
    QString text = helpMessage(help).english();
    const int stop = text.indexOf(QLatin1String(". "));
    if (stop > 0)
        text.truncate(stop);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    text.replace(QLatin1Char(':'), QLatin1Char(' ')).replace(QLatin1Char('['), QLatin1Char('('));
    text.replace(QLatin1Char(']'), QLatin1Char(')')).replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return text;
}

QString zshAction(Completion completion, const char *choices)
{
    switch (completion) {
    case Completion::Words: return QStringLiteral("(%1)").arg(QLatin1String(choices));
    case Completion::ConfigFile: return QStringLiteral("_files -g \"*.cfg(-.)\"");
    case Completion::File: return QStringLiteral("_files");
    case Completion::Device: return QStringLiteral("_keylon2ctl_devices");
    case Completion::Nothing: break;
    }
    return QStringLiteral(" ");
}

}  // namespace

QString bashCompletion()
{
    QStringList visible;
    QString optionCases;
    QString argumentCases;
    for (const CommandSpec &command : commands()) {
        if (!command.hidden)
            visible << QLatin1String(command.name);
        optionCases += QStringLiteral("                    %1) candidates=(%2) ;;\n")
                           .arg(QLatin1String(command.name), optionsOf(command).join(QLatin1Char(' ')));
        for (int i = 0; i < command.arguments.size(); ++i) {
            const ArgumentSpec &argument = command.arguments.at(i);
            const QString action = argument.completion == Completion::ConfigFile
                ? QStringLiteral("files=cfg")
                : QStringLiteral("candidates=(%1)").arg(QLatin1String(argument.words));
            argumentCases += QStringLiteral("                    %1:%2) %3 ;;\n").arg(QLatin1String(command.name)).arg(i).arg(action);
        }
        if (command.readers != Readers::None)
            argumentCases += QStringLiteral("                    %1:%2) devices=1 ;;\n")
                                 .arg(QLatin1String(command.name))
                                 .arg(command.arguments.size());
    }
    QStringList valued;
    QString valueCases;
    for (const OptionSpec &option : options()) {
        if (!option.valueName)
            continue;
        valued << QStringLiteral("--") + QLatin1String(option.name);
        const QString action = option.completion == Completion::Device ? QStringLiteral("devices=1")
            : option.completion == Completion::Words ? QStringLiteral("candidates=(%1)").arg(QLatin1String(option.words))
            : option.completion == Completion::File  ? QStringLiteral("files=any")
                                                     : QStringLiteral(":");
        valueCases += QStringLiteral("        --%1) %2 ;;\n").arg(QLatin1String(option.name), action);
    }

    return QStringLiteral(
               "# bash completion for keylon2ctl, made by `keylon2ctl completion bash` from its command table.\n"
               "_keylon2ctl()\n"
               "{\n"
               "    # The words up to the cursor, split on blanks only: a device such as hid:/dev/hidraw3\n"
               "    # stays one word whatever COMP_WORDBREAKS holds.\n"
               "    local line=${COMP_LINE:0:COMP_POINT}\n"
               "    local -a words\n"
               "    read -ra words <<<\"$line\"\n"
               "    [[ -z $line || $line == *[[:blank:]] ]] && words+=(\"\")\n"
               "    local count=${#words[@]}\n"
               "    local cur=${words[count - 1]} prev=\n"
               "    ((count > 1)) && prev=${words[count - 2]}\n"
               "    local command= argument=0 i\n"
               "    for ((i = 1; i < count - 1; i++)); do\n"
               "        case ${words[i]} in\n"
               "            %1) ((i++)) ;;\n"
               "            -*) ;;\n"
               "            *) if [[ -z $command ]]; then command=${words[i]}; else ((argument++)); fi ;;\n"
               "        esac\n"
               "    done\n"
               "    local -a candidates=()\n"
               "    local devices= files=\n"
               "    case $prev in\n"
               "%2"
               "        *)\n"
               "            if [[ -z $command ]]; then\n"
               "                candidates=(%3 --help --help-all --version)\n"
               "            elif [[ $cur == -* ]]; then\n"
               "                case $command in\n"
               "%4"
               "                esac\n"
               "            else\n"
               "                case $command:$argument in\n"
               "%5"
               "                esac\n"
               "            fi\n"
               "            ;;\n"
               "    esac\n"
               "    if [[ -n $devices ]]; then\n"
               "        local program=${words[0]/#\\~/$HOME}\n"
               "        mapfile -t candidates < <(\"$program\" completion devices 2>/dev/null)\n"
               "    fi\n"
               "    COMPREPLY=()\n"
               "    local candidate\n"
               "    for candidate in \"${candidates[@]}\"; do\n"
               "        [[ $candidate == \"$cur\"* ]] && COMPREPLY+=(\"$candidate\")\n"
               "    done\n"
               "    if [[ $files == cfg ]]; then\n"
               "        compopt -o filenames 2>/dev/null\n"
               "        mapfile -t -O ${#COMPREPLY[@]} COMPREPLY < <(compgen -d -- \"$cur\"; compgen -f -X '!*.cfg' -- \"$cur\")\n"
               "    elif [[ -n $files ]]; then\n"
               "        compopt -o filenames 2>/dev/null\n"
               "        mapfile -t -O ${#COMPREPLY[@]} COMPREPLY < <(compgen -f -- \"$cur\")\n"
               "    fi\n"
               "    # Bash replaces only what follows the last colon of the word.\n"
               "    if [[ $cur == *:* && $COMP_WORDBREAKS == *:* ]]; then\n"
               "        local prefix=${cur%\"${cur##*:}\"}\n"
               "        COMPREPLY=(\"${COMPREPLY[@]#\"$prefix\"}\")\n"
               "    fi\n"
               "}\n"
               "complete -F _keylon2ctl keylon2ctl\n")
        .arg(valued.join(QLatin1Char('|')), valueCases, visible.join(QLatin1Char(' ')), optionCases,
             argumentCases);
}

QString zshCompletion()
{
    QString commandLines;
    for (const CommandSpec &command : commands()) {
        if (!command.hidden)
            commandLines += QStringLiteral("        '%1:%2'\n").arg(QLatin1String(command.name), zshText(command.help));
    }
    QString cases;
    for (const CommandSpec &command : commands()) {
        QStringList specs;
        for (const QString &flag : optionsOf(command)) {
            const OptionSpec *option = findOption(flag.mid(2));
            const QString help = zshText(option ? option->help : "This command's help.");
            const bool repeated = flag == QLatin1String("--device") && command.readers == Readers::Many;
            QString spec = QStringLiteral("'%1%2[%3]").arg(repeated ? QStringLiteral("*") : QString(), flag, help);
            if (option && option->valueName)
                spec += QStringLiteral(":%1:%2").arg(QString::fromLatin1(option->valueName).toLower(),
                                                     zshAction(option->completion, option->words));
            specs << spec + QLatin1Char('\'');
        }
        int position = 1;
        for (const ArgumentSpec &argument : command.arguments)
            specs << QStringLiteral("'%1:%2:%3'").arg(position++).arg(QString::fromLatin1(argument.name).toLower(),
                                                                      zshAction(argument.completion, argument.words));
        if (command.readers != Readers::None)
            specs << QStringLiteral("'%1::device:_keylon2ctl_devices'").arg(position);
        cases += QStringLiteral("        %1)\n            _arguments -s \\\n                %2 ;;\n")
                     .arg(QLatin1String(command.name), specs.join(QStringLiteral(" \\\n                ")));
    }
    return QStringLiteral(
               "#compdef keylon2ctl\n"
               "# zsh completion for keylon2ctl, made by `keylon2ctl completion zsh` from its command table.\n"
               "\n"
               "_keylon2ctl_devices() {\n"
               "    local -a devices\n"
               "    devices=(${(f)\"$(${~_keylon2ctl_program} completion devices 2>/dev/null)\"})\n"
               "    compadd -a devices\n"
               "}\n"
               "\n"
               "_keylon2ctl() {\n"
               "    local _keylon2ctl_program=${words[1]}\n"
               "    local -a commands\n"
               "    commands=(\n"
               "%1"
               "    )\n"
               "    if ((CURRENT == 2)); then\n"
               "        _describe -t commands 'keylon2ctl command' commands\n"
               "        return\n"
               "    fi\n"
               "    shift words\n"
               "    ((CURRENT--))\n"
               "    case ${words[1]} in\n"
               "%2"
               "    esac\n"
               "}\n"
               "\n"
               "_keylon2ctl \"$@\"\n")
        .arg(commandLines, cases);
}

}  // namespace Ctl
