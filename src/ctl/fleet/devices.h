#pragma once

#include <QList>
#include <QStringList>

#include <atomic>
#include <memory>

#include "core/link/reader_list.h"
#include "core/reader/held_reader.h"

namespace Ctl {

// The readers a command is for: each reader the devices name (hid:PATH, serial:PORT,
// sn:SERIAL, usb:PORTPATH; a reader named twice counts once), every attached reader with
// `all`, or the only one attached. exitCode is 0 when the choice is made; otherwise error says
// why. A serial number is never used to pick one of two readers that share it, nor a reader
// that has none.
struct Selection
{
    QList<ReaderList::Reader> readers;
    int exitCode = 0;
    Message error;
};
Selection select(const QStringList &devices, bool all);

// "no reader found", as exit code 3 means it.
Message noReaderFound();

// What list warns about: serial numbers that two readers share, readers without one.
QList<Message> identityWarnings(const QList<ReaderList::Reader> &readers);

// What --device completes to: each reader's device, and its sn: and usb: names where those
// pick it alone.
QStringList deviceNames(const QList<ReaderList::Reader> &readers);

// Opens the link to the locked reader in the calling thread, which then is the only one to use
// it. exitCode 0 when it opened; otherwise error says why.
struct Opened
{
    int exitCode = 0;
    Message error;
    bool namesReader = false;  // the error names the reader's node; otherwise a line puts the reader before it
};
Opened connect(HeldReader &reader);

// The reader's lock, held while a command talks to it: taken before its link is opened
// (connect) and let go after the link is closed. Busy (exitCode) with a line that names the
// holder when another process has it and waitMs (0: not at all) ran out or stop was set. A
// reader for which no lock at all can be had (neither the lock file nor its node) is refused,
// saying why, unless withoutLock: then the command goes on and warning says that it has no lock.
struct Locked : Opened
{
    std::unique_ptr<HeldReader> reader;  // null when refused
    Message warning;
};
Locked lockReader(const ReaderList::Reader &reader, int waitMs, const std::atomic<bool> *stop,
                  bool withoutLock = false);

}  // namespace Ctl
