#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "core/link/access_check.h"
#include "core/link/dialect.h"
#include "core/link/reader_lock.h"
#include "core/link/transport.h"

namespace ReaderList {
struct Reader;
}

// Why a reader did not open: one of these, and nothing else.
enum class OpenFailure {
    None,
    NotFound,  // no reader there (the port is not there, no reader answers to the IDs)
    Denied,    // this user may not open it (access says which node)
    Busy,      // another process holds its lock (holder says who)
    NoLock,    // no lock of any kind can be had for it (reason says why)
    Failed,    // it is there but did not open (reason says why)
};
struct OpenError
{
    OpenFailure failure = OpenFailure::None;
    QString node;                   // the reader's node, when known
    AccessCheck::Diagnosis access;  // with Denied, and wherever a refused reader was found
    ReaderLock::Holder holder;      // with Busy
    QString reason;                 // with NoLock (the lock's) and Failed (the link's)
};

// A link its transport opened, or why not.
struct LinkOpening
{
    std::unique_ptr<Transport> transport;  // null, or a link that did not open and tells why
    OpenError error;
};

// One way of reaching the reader, and all that the rest of the program knows of it: the lists,
// the opening, the lock, doctor, keylon2ctl's --device and JSON ask it, never which one it is.
struct TransportDescriptor
{
    // What a device's name starts with, before a colon ("hid" in "hid:PATH"), and what
    // keylon2ctl's JSON calls the transport.
    QString word{};
    // What stands after the prefix in help ("PATH" in "hid:PATH").
    QString pathName = QStringLiteral("PATH");
    // The reader's interface at the far end and how the link behaves, for a reader reached this
    // way.
    Dialect dialect{};
    // The attached readers it reaches. costlyList: listing asks the system for more than the
    // reader's own devices (every serial port), which a look for USB HID readers alone skips.
    std::function<QList<ReaderList::Reader>()> list{};
    bool costlyList = false;
    // A reader at a path the operator named, listed or not (any serial port). Null where only a
    // listed path may be opened (hidapi crashes on another).
    std::function<ReaderList::Reader(const QString &path)> named{};
    // Opens the link to the reader at path. lookFurther: a refusal is looked into as far as a
    // reader elsewhere that this user may not open, the one place an operator at the desk
    // would learn of it.
    std::function<LinkOpening(const QString &path, bool lookFurther)> open{};
    // Where no path is named: the reader found by its USB IDs (vendorId 0: each of the reader's
    // product IDs in turn), whose IDs and node are written back. Null where a path is needed.
    std::function<LinkOpening(ReaderList::Reader &reader)> openByIds{};
    // A link that is not open: every exchange on it fails as it would on this transport.
    std::function<std::unique_ptr<Transport>()> unopened{};
    // The node whose lock keeps a second program away from the reader at path: the path itself
    // where this is null.
    std::function<QString(const QString &path)> lockNode{};
    // For doctor: the sysfs class of its nodes ("hidraw", "tty"); whether the node is a tty line
    // (UUCP lock files and ModemManager's probes concern it); whether doctor opens the reader and
    // closes it again to learn if this user may have it (a node may be out of sight, as in a
    // container), or judges the node alone, where opening would disturb the reader (a serial
    // port's control lines).
    QString nodeClass{};
    // The names its nodes take in /dev (wildcards, such as "hidraw*"): the watcher looks for
    // them there, and asks udev's monitor for the nodeClass subsystem.
    QStringList nodeNames{};
    bool ttyLine = false;
    bool doctorOpens = false;
    // The JSON key of what list shows beside a reader ("product", "description").
    QString labelKey{};

    QString prefix() const { return word + QLatin1Char(':'); }
    QString form() const { return prefix() + pathName; }
};

namespace Transports {

const TransportDescriptor &usbHid();
const TransportDescriptor &serial();
// USB HID, the serial line, then every transport added, in that order.
QList<const TransportDescriptor *> all();
// Another transport from now on; the descriptor must outlive every reader reached through it.
void add(const TransportDescriptor &descriptor);
// The transport whose prefix the device's name starts with; null when none does.
const TransportDescriptor *ofDevice(const QString &device);

}  // namespace Transports
