#include "ctl_device.h"

#include <QSerialPort>

#include <hidapi.h>

#include "ctl.h"
#include "link/access_check.h"
#include "link/hid_transport.h"
#include "link/serial_transport.h"

namespace Ctl {

namespace {

QString foundText(const QList<ReaderList::Reader> &readers)
{
    QStringList devices;
    for (const ReaderList::Reader &reader : readers)
        devices << reader.device();
    return devices.join(QStringLiteral(", "));
}

}  // namespace

Selection select(const QString &device, bool all)
{
    Selection selection;
    if (!device.isEmpty() && all) {
        selection.exitCode = UsageError;
        selection.error = QStringLiteral("--device and --all exclude each other");
        return selection;
    }
    if (device.startsWith(QLatin1String("serial:")) && device.size() > 7) {
        // Any port may be named; only the ports that are a reader's are found without a name.
        ReaderList::Reader reader;
        reader.kind = Transport::Kind::Serial;
        reader.path = device.mid(7);
        selection.readers.append(reader);
        return selection;
    }

    const bool named = device.startsWith(QLatin1String("hid:")) && device.size() > 4;
    const QList<ReaderList::Reader> attached = ReaderList::attached(named);
    if (named) {
        // hidapi must only be handed a node it listed: an arbitrary path can crash it.
        for (const ReaderList::Reader &reader : attached) {
            if (reader.kind == Transport::Kind::UsbHid && reader.device() == device) {
                selection.readers.append(reader);
                return selection;
            }
        }
        selection.exitCode = NoReader;
        selection.error = QStringLiteral("no reader at %1 (found: %2)")
                              .arg(device, attached.isEmpty() ? QStringLiteral("none") : foundText(attached));
        return selection;
    }
    if (!device.isEmpty()) {
        selection.exitCode = UsageError;
        selection.error = QStringLiteral("--device wants hid:PATH or serial:PORT, not \"%1\"").arg(device);
        return selection;
    }

    if (attached.isEmpty()) {
        selection.exitCode = NoReader;
        selection.error = QStringLiteral("no reader found");
        return selection;
    }
    if (attached.size() > 1 && !all) {
        selection.exitCode = UsageError;
        selection.error = QStringLiteral("%1 readers found, name one with --device: %2")
                              .arg(attached.size())
                              .arg(foundText(attached));
        return selection;
    }
    selection.readers = attached;
    return selection;
}

Opened open(const ReaderList::Reader &reader)
{
    Opened opened;
    if (reader.kind == Transport::Kind::Serial) {
        SerialTransport::Opened port = SerialTransport::open(reader.path);
        if (port.transport) {
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

    const QByteArray path = reader.path.toLocal8Bit();
    hid_device *device = hid_open_path(path.constData());
    if (device) {
        opened.transport = std::make_unique<HidTransport>(device, true, reader.path);
        return opened;
    }
    const wchar_t *text = hid_error(nullptr);
    const QString error = text ? QString::fromWCharArray(text) : QString();
    const bool denied =
        AccessCheck::afterHidOpenPathFailed(reader.path, error).finding == AccessCheck::Finding::Denied;
    opened.exitCode = denied ? PermissionDenied : ReaderFailed;
    opened.error = denied ? AccessCheck::deniedText(reader.path)
                          : QStringLiteral("cannot open %1: %2").arg(reader.device(), error);
    return opened;
}

}  // namespace Ctl
