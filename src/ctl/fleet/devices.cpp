#include "ctl/fleet/devices.h"

#include "core/link/access_check.h"
#include "ctl/output/reader_outcome.h"
#include "ctl/table/command_table.h"
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

}  // namespace

Selection select(const QStringList &devices, bool all)
{
    Selection selection;
    const auto refuse = [&](int exitCode, const Message &error) {
        selection.readers.clear();
        selection.exitCode = exitCode;
        selection.error = error;
        return selection;
    };
    if (devices.isEmpty()) {
        const QList<ReaderList::Reader> attached = ReaderList::attached();
        if (attached.isEmpty())
            return refuse(NoReader, noReaderFound());
        if (attached.size() > 1 && !all) {
            return refuse(UsageError, Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 readers found, name one with "
                                                                                       "--device: %2"))
                                          .arg(attached.size(), foundText(attached))
                                          .coded(Code::Ambiguous));
        }
        selection.readers = attached;
        return selection;
    }

    // Only what is named gets listed: some transports cost more to list than others (every
    // serial port), and a path that any transport can open needs no list at all.
    bool listCheap = false;
    bool listAll = false;
    for (const QString &device : devices) {
        const TransportDescriptor *transport = Transports::ofDevice(device);
        if (transport && !transport->named)
            (transport->costlyList ? listAll : listCheap) = true;
        listAll = listAll || device.startsWith(QLatin1String("sn:")) || device.startsWith(QLatin1String("usb:"));
    }
    const QList<ReaderList::Reader> attached =
        listAll ? ReaderList::attached() : listCheap ? ReaderList::attached(true) : QList<ReaderList::Reader>();

    for (const QString &device : devices) {
        const int colon = device.indexOf(QLatin1Char(':'));
        const QString kind = device.left(colon + 1);
        const QString value = colon < 0 ? QString() : device.mid(colon + 1);
        QList<ReaderList::Reader> found;
        const TransportDescriptor *transport = Transports::ofDevice(device);
        if (value.isEmpty() || (!transport && kind != QLatin1String("sn:") && kind != QLatin1String("usb:")))
            //: %1 how each transport names a reader ("hid:PATH, serial:PORT"), %2 what was given
            return refuse(UsageError, Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                "--device wants %1, sn:SERIAL or usb:PORTPATH, not \"%2\""))
                                          .arg(deviceForms(), device)
                                          .coded(Code::Usage));
        if (transport && transport->named) {
            // Any port may be named; only the ports that are a reader's are found without a name.
            found << transport->named(value);
        } else if (transport) {
            // hidapi must only be handed a node it listed: an arbitrary path can crash it.
            for (const ReaderList::Reader &reader : attached) {
                if (reader.device() == device)
                    found << reader;
            }
        } else {
            found = matching(attached, kind == QLatin1String("sn:") ? &ReaderList::Reader::serialNumber
                                                                    : &ReaderList::Reader::portPath, value);
        }
        if (found.isEmpty())
            return refuse(NoReader, Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "no reader at %1 (found: %2)"))
                                        .arg(device, foundText(attached))
                                        .coded(Code::NotFound));
        if (found.size() > 1)
            return refuse(UsageError, Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                //: %4 how the readers' transport names one ("hid:PATH")
                "%1 readers answer to %2 (%3); it cannot pick one: name it by usb:PORTPATH or %4"))
                                          .arg(found.size(), device, foundText(found), found.first().transport->form())
                                          .coded(Code::Ambiguous));
        if (matching(selection.readers, &ReaderList::Reader::path, found.first().path).isEmpty())
            selection.readers << found.first();
    }
    return selection;
}

Message noReaderFound()
{
    for (const ExitCodeSpec &exit : ExitCodes) {
        if (exit.code == NoReader)
            return Message(CtlRoom, exit.meaning).coded(Code::NoReader);
    }
    return Message();
}

QList<Message> identityWarnings(const QList<ReaderList::Reader> &readers)
{
    QList<Message> warnings;
    QStringList told;
    for (const ReaderList::Reader &reader : readers) {
        if (reader.serialNumber.isEmpty()) {
            warnings << Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 has no serial number; sn: cannot pick it"))
                            .arg(reader.device());
            continue;
        }
        const QList<ReaderList::Reader> sharing = matching(readers, &ReaderList::Reader::serialNumber, reader.serialNumber);
        if (sharing.size() < 2 || told.contains(reader.serialNumber))
            continue;
        told << reader.serialNumber;
        QStringList devices;
        for (const ReaderList::Reader &other : sharing)
            devices << other.device();
        warnings << Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
            //: %4 how the readers' transport names one ("hid:PATH")
            "%1 readers share the serial number %2 (%3); sn: cannot pick them, name them by usb:PORTPATH or %4"))
                        .arg(sharing.size(), reader.serialNumber, devices.join(QStringLiteral(", ")), reader.transport->form());
    }
    return warnings;
}

QStringList deviceNames(const QList<ReaderList::Reader> &readers)
{
    QStringList names;
    for (const ReaderList::Reader &reader : readers) {
        names << reader.device();
        if (!reader.serialNumber.isEmpty() && matching(readers, &ReaderList::Reader::serialNumber, reader.serialNumber).size() == 1)
            names << QStringLiteral("sn:") + reader.serialNumber;
        if (!reader.portPath.isEmpty() && matching(readers, &ReaderList::Reader::portPath, reader.portPath).size() == 1)
            names << QStringLiteral("usb:") + reader.portPath;
    }
    return names;
}

namespace {

// keylon2ctl's words for a reader that did not open. A busy reader and one without a lock are
// said without the reader, which each line names; the others name its node themselves.
Opened word(const HeldReader::Error &error, const ReaderList::Reader &reader, int waitMs)
{
    switch (error.failure) {
    case HeldReader::Failure::None:
        break;
    case HeldReader::Failure::Busy:
        //: %1 the program that holds the reader ("keylon2ctl (process 4242)")
        return {Busy, (waitMs > 0 ? Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "busy: still in use by %1 after "
                                                                                      "waiting %2 s"))
                                        .arg(ReaderLock::holderText(error.holder), (waitMs + 999) / 1000)
                                  : Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "busy: in use by %1; --wait "
                                                                                      "SECONDS waits for it"))
                                        .arg(ReaderLock::holderText(error.holder)))
                          .coded(Code::Busy),
                false};
    case HeldReader::Failure::NoLock:
        return {ReaderFailed,
                Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                    "no lock can be had (%1); nothing was sent. Make the lock directory %2 writable for this user, or "
                    "give --no-lock to go on without one"))
                    .arg(error.reason, ReaderLock::directory())
                    .coded(Code::NoLock),
                false};
    case HeldReader::Failure::Denied:
        return {PermissionDenied, AccessCheck::deniedText(reader.path).coded(Code::Denied), true};
    case HeldReader::Failure::NotFound:
    case HeldReader::Failure::Failed:
        const bool notFound = error.failure == HeldReader::Failure::NotFound;
        return {notFound ? NoReader : ReaderFailed,
                Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "cannot open %1: %2"))
                    .arg(reader.device(), error.reason)
                    .coded(notFound ? Code::NotFound : Code::OpenFailed),
                true};
    }
    return {};
}

}  // namespace

Locked lockReader(const ReaderList::Reader &reader, int waitMs, const std::atomic<bool> *stop, bool withoutLock)
{
    HeldReader::Opening opening =
        HeldReader::claim(reader, {waitMs, [stop] { return stop && stop->load(); }, withoutLock});
    Locked locked{word(opening.error, reader, waitMs), std::move(opening.reader), Message()};
    if (locked.reader && locked.reader->lockless()) {
        locked.warning = readerLine(reader, Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
            "no lock (%1); going on without one, as --no-lock asks"))
                                                .arg(locked.reader->lockError()));
    }
    return locked;
}

Opened connect(HeldReader &reader)
{
    return word(reader.connect(), reader.listed(), 0);
}

}  // namespace Ctl
