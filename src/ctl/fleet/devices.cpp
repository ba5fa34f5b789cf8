#include "ctl/fleet/devices.h"

#include "core/link/access_check.h"
#include "core/link/hid_transport.h"
#include "core/link/serial_transport.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

QString foundText(const QList<ReaderList::Reader> &readers)
{
    if (readers.isEmpty())
        return QStringLiteral("none");
    QStringList devices;
    for (const ReaderList::Reader &reader : readers) {
        QStringList names;
        if (!reader.serialNumber.isEmpty())
            names << QStringLiteral("sn:") + reader.serialNumber;
        if (!reader.portPath.isEmpty())
            names << QStringLiteral("usb:") + reader.portPath;
        devices << reader.device() + (names.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(names.join(QLatin1Char(' '))));
    }
    return devices.join(QStringLiteral(", "));
}

QList<ReaderList::Reader> matching(const QList<ReaderList::Reader> &readers,
                                   QString ReaderList::Reader::*field, const QString &value)
{
    QList<ReaderList::Reader> found;
    for (const ReaderList::Reader &reader : readers) {
        if (reader.*field == value)
            found.append(reader);
    }
    return found;
}

int count(const QList<ReaderList::Reader> &readers, QString ReaderList::Reader::*field, const QString &value)
{
    return matching(readers, field, value).size();
}

}  // namespace

Selection select(const QStringList &devices, bool all)
{
    Selection selection;
    const auto refuse = [&](int exitCode, const QString &error) {
        selection.readers.clear();
        selection.exitCode = exitCode;
        selection.error = error;
        return selection;
    };
    if (devices.isEmpty()) {
        const QList<ReaderList::Reader> attached = ReaderList::attached();
        if (attached.isEmpty())
            return refuse(NoReader, QStringLiteral("no reader found"));
        if (attached.size() > 1 && !all)
            return refuse(UsageError, QStringLiteral("%1 readers found, name one with --device: %2")
                                          .arg(attached.size())
                                          .arg(foundText(attached)));
        selection.readers = attached;
        return selection;
    }

    // Only what is named gets listed: the serial ports cost more to list than USB HID.
    bool listHid = false;
    bool listAll = false;
    for (const QString &device : devices) {
        listHid = listHid || device.startsWith(QLatin1String("hid:"));
        listAll = listAll || device.startsWith(QLatin1String("sn:")) || device.startsWith(QLatin1String("usb:"));
    }
    const QList<ReaderList::Reader> attached =
        listAll ? ReaderList::attached() : listHid ? ReaderList::attached(true) : QList<ReaderList::Reader>();

    for (const QString &device : devices) {
        const int colon = device.indexOf(QLatin1Char(':'));
        const QString kind = device.left(colon + 1);
        const QString value = colon < 0 ? QString() : device.mid(colon + 1);
        QList<ReaderList::Reader> found;
        if (value.isEmpty() || (kind != QLatin1String("serial:") && kind != QLatin1String("hid:")
                                && kind != QLatin1String("sn:") && kind != QLatin1String("usb:")))
            return refuse(UsageError, QStringLiteral("--device wants hid:PATH, serial:PORT, sn:SERIAL or "
                                                     "usb:PORTPATH, not \"%1\"").arg(device));
        if (kind == QLatin1String("serial:")) {
            // Any port may be named; only the ports that are a reader's are found without a name.
            found << ReaderList::serialPort(value);
        } else if (kind == QLatin1String("hid:")) {
            // hidapi must only be handed a node it listed: an arbitrary path can crash it.
            for (const ReaderList::Reader &reader : attached) {
                if (reader.kind == Transport::Kind::UsbHid && reader.device() == device)
                    found << reader;
            }
        } else {
            found = matching(attached, kind == QLatin1String("sn:") ? &ReaderList::Reader::serialNumber
                                                                    : &ReaderList::Reader::portPath, value);
        }
        if (found.isEmpty())
            return refuse(NoReader, QStringLiteral("no reader at %1 (found: %2)").arg(device, foundText(attached)));
        if (found.size() > 1)
            return refuse(UsageError, QStringLiteral("%1 readers answer to %2 (%3); it cannot pick one: name it by "
                                                     "usb:PORTPATH or hid:PATH")
                                          .arg(found.size())
                                          .arg(device, foundText(found)));
        if (count(selection.readers, &ReaderList::Reader::path, found.first().path) == 0)
            selection.readers << found.first();
    }
    return selection;
}

QStringList identityWarnings(const QList<ReaderList::Reader> &readers)
{
    QStringList warnings;
    QStringList told;
    for (const ReaderList::Reader &reader : readers) {
        if (reader.serialNumber.isEmpty()) {
            warnings << QStringLiteral("%1 has no serial number; sn: cannot pick it").arg(reader.device());
            continue;
        }
        const QList<ReaderList::Reader> sharing = matching(readers, &ReaderList::Reader::serialNumber, reader.serialNumber);
        if (sharing.size() < 2 || told.contains(reader.serialNumber))
            continue;
        told << reader.serialNumber;
        QStringList devices;
        for (const ReaderList::Reader &other : sharing)
            devices << other.device();
        warnings << QStringLiteral("%1 readers share the serial number %2 (%3); sn: cannot pick them, name them by "
                                   "usb:PORTPATH or hid:PATH")
                        .arg(sharing.size())
                        .arg(reader.serialNumber, devices.join(QStringLiteral(", ")));
    }
    return warnings;
}

QStringList deviceNames(const QList<ReaderList::Reader> &readers)
{
    QStringList names;
    for (const ReaderList::Reader &reader : readers) {
        names << reader.device();
        if (!reader.serialNumber.isEmpty() && count(readers, &ReaderList::Reader::serialNumber, reader.serialNumber) == 1)
            names << QStringLiteral("sn:") + reader.serialNumber;
        if (!reader.portPath.isEmpty() && count(readers, &ReaderList::Reader::portPath, reader.portPath) == 1)
            names << QStringLiteral("usb:") + reader.portPath;
    }
    return names;
}

Locked lockReader(const ReaderList::Reader &reader, int waitMs, const std::atomic<bool> *stop, bool withoutLock)
{
    Locked locked;
    locked.lock = ReaderLock::take(reader.path, waitMs, [stop] { return stop && stop->load(); });
    // A node this user may not open is a reader it may not open: the open says so.
    if (locked.lock.state() == ReaderLock::State::Unavailable && !locked.lock.nodeDenied()) {
        // Without a lock a second program could send its frames between this one's.
        if (withoutLock) {
            locked.warning = QStringLiteral("%1: no lock (%2); going on without one, as --no-lock asks")
                                 .arg(reader.device(), locked.lock.error());
            return locked;
        }
        locked.exitCode = ReaderFailed;
        locked.error = QStringLiteral("%1: no lock can be had (%2); nothing was sent. Make the lock directory %3 "
                                      "writable for this user, or give --no-lock to go on without one")
                           .arg(reader.device(), locked.lock.error(), ReaderLock::directory());
        return locked;
    }
    if (!locked.lock.busy())
        return locked;
    locked.exitCode = Busy;
    const QString holder = ReaderLock::holderText(locked.lock.holder());
    locked.error = waitMs > 0 ? QStringLiteral("%1: busy: still in use by %2 after waiting %3 s")
                                    .arg(reader.device(), holder)
                                    .arg((waitMs + 999) / 1000)
                              : QStringLiteral("%1: busy: in use by %2; --wait SECONDS waits for it")
                                    .arg(reader.device(), holder);
    return locked;
}

Opened open(const ReaderList::Reader &reader)
{
    Opened opened;
    if (reader.kind == Transport::Kind::Serial) {
        SerialTransport::Opened port = SerialTransport::open(reader.path);
        if (port.ok) {
            opened.transport = std::move(port.transport);
        } else if (port.permissionDenied) {
            opened.exitCode = PermissionDenied;
            opened.error = AccessCheck::deniedText(reader.path);
        } else {
            // A port that is there but does not open (not a terminal, an I/O error) is a reader
            // that failed; only a port that is not there is no reader.
            opened.exitCode = port.notFound ? NoReader : ReaderFailed;
            opened.error = QStringLiteral("cannot open %1: %2").arg(reader.device(), port.error);
        }
        return opened;
    }

    HidTransport::Opened hid = HidTransport::openPath(reader.path);
    if (hid.transport) {
        opened.transport = std::move(hid.transport);
        return opened;
    }
    const bool denied = hid.access.finding == AccessCheck::Finding::Denied;
    opened.exitCode = denied ? PermissionDenied : ReaderFailed;
    opened.error = denied ? AccessCheck::deniedText(reader.path)
                          : QStringLiteral("cannot open %1: %2").arg(reader.device(), hid.error);
    return opened;
}

}  // namespace Ctl
