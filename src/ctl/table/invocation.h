#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace Ctl {

struct CommandSpec;

// A command line taken apart against the command table: what a command's handler is given.
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
    // --no-lock: a reader for which no lock can be had is talked to all the same.
    bool withoutLock() const { return isSet(QStringLiteral("no-lock")); }
};

}  // namespace Ctl
