#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/session/reader_session.h"
#include "core/settings/settings_record.h"
#include "core/text/message.h"

// A configuration file as write, apply and diff take it. The window's Import takes any value and
// gives every key it misses a default; a fleet must not: a file is refused, before anything is
// sent, when its [KEYLON] group holds a key the utility does not know, a value the window's
// editors would not show back unchanged, a key given twice, a value that a ';' cuts, or a
// bracket name the notation does not know; and only the keys the file sets are compared and
// changed. A UTF-8 byte order mark at its start is skipped.
namespace Ctl {

// One configuration key whose value differs: the reader's and the file's, each as a
// configuration file spells it.
struct Difference
{
    QString key;
    QString reader;
    QString file;
};

struct SettingsFile
{
    QString name;        // the file's name, for the messages
    QStringList keys;    // the settings it sets (Interface is never applied), in the order of a file
    SettingsRecord record;  // their values as they go to the reader; the rest left as a record has them
    QHash<QString, QString> spelled;  // each key's value as a configuration file spells it
    QList<Message> problems;  // why it is refused, one line each; empty when it is taken

    bool sets(const QString &key) const { return keys.contains(key); }
};
SettingsFile readSettingsFile(const QString &path);

// The settings a write sends: every [KEYLON] key but Interface.
const QStringList &settingKeys();

// What goes to a reader that holds `reader` for the file's keys to hold.
SettingsRecord mergedRecord(const SettingsRecord &reader, const SettingsFile &file);

// The file's keys whose value the reader does not hold, in the file's order. The keyboard
// country only where the read gives one (not on the serial line). Values are spelled as read
// writes them for this transport.
QList<Difference> compare(const ReaderSession::SettingsRead &read, bool serial, const SettingsFile &file);

// The keys, their values and the bracket names, as --help-all shows them.
QString fileFormatText();

}  // namespace Ctl
