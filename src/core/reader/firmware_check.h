#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "core/link/reader_list.h"
#include "core/reader/held_reader.h"
#include "core/settings/settings_table.h"

// A firmware update looked at before and after: the writer may reset the reader to its factory
// settings, leave it in its loader, flash nothing, or another reader may sit where it was. Both
// front ends keep what the reader held right before the ISP frame, find it back after the
// writer, read it and compare; nothing here ever writes to a reader that is not the one kept.
//
//   1. before = FirmwareCheck::keep(listed, reader.readSettings())   (a read that failed: stop,
//      send nothing), FirmwareCheck::save(before, path) for the operator
//   2. the ISP frame, the writer
//   3. found = FirmwareCheck::awaitReturn(before.reader, ms, stopped); open found.reader when it
//      is Return::Same, read it: after
//   4. FirmwareCheck::outcome(before, after, expected), FirmwareCheck::differing(before, after)
//   5. to put the settings of before back: FirmwareCheck::restore(reader, before, after)
namespace FirmwareCheck {

// The reader as it was before its firmware changed.
struct Backup
{
    ReaderList::Reader reader;  // who it was: transport, node, serial number, USB port path
    SettingsRecord record;      // its settings and firmware version as read
    bool hasCountry = false;    // the read carried the keyboard country (USB HID)

    QString firmware() const;
};
// A reader known by its node alone (the window opens one by its USB IDs) takes its serial
// number and USB port path from the listing of the attached readers.
Backup keep(const ReaderList::Reader &reader, const ReaderSession::SettingsRead &read);
// The reader with its serial number and USB port path from the listing of the attached readers
// where it knows its node alone (keep() asks it; so may a front end that kept a backup itself).
ReaderList::Reader identified(const ReaderList::Reader &reader);

// The backup as a configuration file that the window's Import and keylon2ctl apply take ([FW]
// Ver, [KEYLON] as read writes it), with the reader's identity in a [Reader] group that both
// leave alone (SerialNumber, PortPath, Device). A file of that name is replaced; the folder is
// made when missing. False with the system's reason when it could not be written.
bool save(const Backup &backup, const QString &path, QString *reason = nullptr);
// One file per reader and update, in folder or else $XDG_STATE_HOME (~/.local/state)/keylon2/
// firmware-backups: <serial number, else USB port path, else "reader">-<yyyyMMdd-HHmmss>.cfg
// (-2, -3, ... before .cfg where that file exists already).
QString defaultPath(const Backup &backup, const QString &folder = QString(),
                    const QDateTime &when = QDateTime::currentDateTime());

// Whether the reader came back after its loader.
enum class Return {
    Same,     // the same serial number (one no other attached reader has), else the same USB
              // port path, else (a reader the system tells neither of) the same node; a new node
              // name is normal
    Another,  // a reader with another serial number where it was (its USB port, or its node)
    NotBack,  // neither, before the deadline or the stop
};
struct Found
{
    Return how = Return::NotBack;
    ReaderList::Reader reader;  // as listed now: its node may be new
};
// How long a reader gets to leave its loader and show up again after the writer, unless told.
constexpr int DefaultWaitBackMs = 60000;
// Looks at the attached readers (ReaderList::attached) until the reader or another one is
// there, waitMs have gone by, or stopped() says so. Never opens a reader.
Found awaitReturn(const ReaderList::Reader &before, int waitMs, const std::function<bool()> &stopped = {});

enum class Outcome {
    Updated,            // another version than before (the one expected, when one was)
    Unchanged,          // the writer ended, the reader reports the version of before
    UnexpectedVersion,  // a version was expected and the reader reports another
    NotBack,            // the reader did not come back (it may wait in its loader)
    AnotherReader,      // another reader came back where it was; nothing is written to it
};
// For a reader that came back the same and was read: Updated, Unchanged or UnexpectedVersion.
// expected: the version the update was to give (empty: any other than before).
Outcome outcome(const Backup &before, const SettingsRecord &after, const QString &expected = QString());

// The settings of the backup that the reader holds otherwise now, in the order of the record;
// the keyboard country only where both reads carry it.
std::vector<const Settings::Setting *> differing(const Backup &before, const ReaderSession::SettingsRead &after);
QStringList keys(const std::vector<const Settings::Setting *> &settings);

// The reader's settings written, saved and read back, as keylon2ctl's apply and write do it.
struct Written
{
    SessionResult result;               // the write's, then the read-back's
    bool saved = false;                 // the save went out
    ReaderSession::SettingsRead back;   // what was read back, unless it was left out
    std::vector<const Settings::Setting *> wrong;  // settings that read back otherwise
    std::vector<const Settings::Setting *> sent;   // restore(): the settings put back
    bool otherReader = false;           // restore() refused: not the backup's reader

    bool ok() const { return result.ok() && wrong.empty() && !otherReader; }
};
// skipReadBack, asked once the save went out: true leaves the read-back out (an interrupt).
Written writeVerified(HeldReader &reader, const SettingsRecord &record, const std::function<bool()> &skipReadBack = {});

// Puts the backup's settings back where the reader (after: its read now) holds others: only
// those change, then saved and read back. The reader must be the backup's one, found Return::Same
// and read: restore() refuses any other (by its serial number, else its USB port path, else its
// node), sending nothing (otherReader). Nothing differs: nothing is sent.
Written restore(HeldReader &reader, const Backup &before, const ReaderSession::SettingsRead &after);

}  // namespace FirmwareCheck
