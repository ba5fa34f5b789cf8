#include "core/link/hid_transport.h"

#include <QDebug>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <mutex>

#include "core/link/reader_list.h"
#include "core/link/usb_identity.h"
#include "core/link/usb_ids.h"
#include "core/platform/platform.h"
#include "core/protocol/frames.h"
#include "core/protocol/hid_io.h"

namespace {

// hidapi 0.13 keeps one error text for the whole process, which hid_init, hid_exit,
// hid_enumerate, hid_open and hid_open_path free and set without a lock, and hid_error(nullptr)
// reads: two threads in those calls at once free it twice (measured: two threads listing the
// readers met a double free within a second). Those calls, and the read of their error, hold
// this lock.
std::mutex hidapiLock;
using Locked = std::lock_guard<std::mutex>;

QString hidErrorOf(hid_device *device)
{
    const wchar_t *text = hid_error(device);
    return text ? QString::fromWCharArray(text) : QString();
}

// The text of hid_error for the device, copied at once: the next hidapi call may clear it.
QString deviceError(hid_device *device)
{
    if (device)
        return hidErrorOf(device);
    Locked lock(hidapiLock);
    return hidErrorOf(nullptr);
}

int writeReport(hid_device *device, const QByteArray &report)
{
    if (!device)
        return -1;
    return hid_write(device, reinterpret_cast<const unsigned char *>(report.constData()), size_t(report.size()));
}

bool isReaderProduct(quint16 productId)
{
    return std::find(std::begin(UsbIds::ProductIds), std::end(UsbIds::ProductIds), productId) != std::end(UsbIds::ProductIds);
}

[[maybe_unused]] bool wasTried(quint16 listed, quint16 tried)
{
    return tried != 0 ? listed == tried : isReaderProduct(listed) || listed == UsbIds::DiagnosticProductId;
}

LinkOpening openByIds(ReaderList::Reader &reader)
{
    LinkOpening opening;
    opening.transport = HidTransport::openByIds(reader.vendorId, reader.productId);
    if (!opening.transport) {
        opening.error.access = HidTransport::refusal(reader.productId);
        const bool refused = opening.error.access.finding == AccessCheck::Finding::Denied;
        opening.error.failure = refused ? OpenFailure::Denied : OpenFailure::NotFound;
        opening.error.node = opening.error.access.node;
        return opening;
    }
    reader.path = HidTransport::nodeOf(reader.vendorId, reader.productId);
    return opening;
}

constexpr int DumpReadTries = 10;  // a reader that never answers must not freeze the window
constexpr unsigned DumpReadPauseMs = 500;
constexpr size_t StringLength = 255;

void logStrings(hid_device *device)
{
    wchar_t text[StringLength];
    // One of the device's strings into text, and a word when it could not be read.
    const auto read = [&text](const char *failed, const auto &get) {
        text[0] = 0;
        if (get() < 0)
            qDebug("%s", failed);
        text[StringLength - 1] = 0;
    };
    read("Unable to read manufacturer string\n", [&] { return hid_get_manufacturer_string(device, text, StringLength); });
    qDebug("Manufacturer String: %ls\n", qUtf16Printable(QString::fromWCharArray(text)));
    read("Unable to read product string\n", [&] { return hid_get_product_string(device, text, StringLength); });
    qDebug("Product String: %ls\n", qUtf16Printable(QString::fromWCharArray(text)));
    read("Unable to read serial number string\n", [&] { return hid_get_serial_number_string(device, text, StringLength); });
    qDebug("Serial Number String: (%d) %ls", int(text[0]), qUtf16Printable(QString::fromWCharArray(text)));
    std::fputs("\n", stdout);
    read("Unable to read indexed string 1\n", [&] { return hid_get_indexed_string(device, 1, text, StringLength); });
    qDebug("Indexed String 1: %ls\n", qUtf16Printable(QString::fromWCharArray(text)));
}

void logAnswer(hid_device *device)
{
    unsigned char answer[Frames::ReportSize] = {};
    for (int tries = 0; tries < DumpReadTries; ++tries) {
        const int n = hid_read_timeout(device, answer, Frames::ReportSize, 0);
        if (n > 0) {
            qDebug("Data read:\n   ");
            for (int i = 0; i < n; ++i)
                qDebug("%02hx ", static_cast<unsigned short>(answer[i]));
            std::fputs("\n", stdout);
            return;
        }
        if (n < 0)
            break;
        qDebug("waiting...\n");
        Platform::sleepMs(DumpReadPauseMs);
    }
    // A failed read, or no answer within the bound.
    qDebug("Unable to read()\n");
    qDebug("Data read:\n   ");
    std::fputs("\n", stdout);
}

}  // namespace

HidTransport::HidTransport(hid_device *device, const QString &path)
    : device_(device)
    , path_(path)
{
}

HidTransport::~HidTransport()
{
    if (device_)
        hid_close(device_);
}

const TransportDescriptor &Transports::usbHid()
{
    static const TransportDescriptor hid{
        .word = QStringLiteral("hid"),
        .dialect = {Dialects::UsbKeyboard, Dialects::HidReports},
        .list = &HidTransport::listed,
        .open = [](const QString &path, bool) { return HidTransport::openPath(path); },
        .openByIds = &openByIds,
        .unopened = [] { return std::make_unique<HidTransport>(nullptr); },
        .nodeClass = QStringLiteral("hidraw"),
        .nodeNames = {QStringLiteral("hidraw*")},
        .doctorOpens = true,
        .labelKey = QStringLiteral("product"),
    };
    return hid;
}

QString HidTransport::name() const
{
    return Transports::usbHid().prefix() + path_;
}

bool HidTransport::write(const QByteArray &bytes)
{
    if (writeReport(device_, bytes) >= 0)
        return true;
    error_ = deviceError(device_);
    return false;
}

int HidTransport::receive(QByteArray &into, int timeoutMs)
{
    into.fill(char(0x00), Frames::ReportSize);
    if (!device_)
        return -1;
    // hid_read would block for ever on a reader that keeps silent.
    const int received = hid_read_timeout(device_, reinterpret_cast<unsigned char *>(into.data()),
                                          size_t(into.size()), timeoutMs);
    if (received < 0) {
        // The next hidapi call clears the text: keep it now.
        error_ = deviceError(device_);
        gone_ = true;
        into.clear();
        return -1;
    }
    into.truncate(received);
    return received;
}

LinkOpening HidTransport::openPath(const QString &node)
{
    LinkOpening opened;
    const QByteArray path = node.toLocal8Bit();
    hid_device *device = nullptr;
    QString error;
    {
        Locked lock(hidapiLock);
        device = hid_open_path(path.constData());
        error = device ? QString() : hidErrorOf(nullptr);
    }
    if (device) {
        opened.transport = std::make_unique<HidTransport>(device, node);
        return opened;
    }
    const AccessCheck::Diagnosis access = AccessCheck::afterHidOpenPathFailed(node, error);
    const bool denied = access.finding == AccessCheck::Finding::Denied;
    opened.error = {denied ? OpenFailure::Denied : OpenFailure::Failed, node, access, {}, error};
    return opened;
}

std::unique_ptr<HidTransport> HidTransport::openByIds(quint16 &vendorId, quint16 &productId)
{
    Locked lock(hidapiLock);
    hid_device *device = nullptr;
    if (vendorId != 0)
        device = hid_open(vendorId, productId, nullptr);
    for (int i = 0; vendorId == 0 && i < int(std::size(UsbIds::ProductIds)); ++i) {
        device = hid_open(UsbIds::VendorId, UsbIds::ProductIds[i], nullptr);
        if (device) {
            vendorId = UsbIds::VendorId;
            productId = UsbIds::ProductIds[i];
        }
    }
    return device ? std::make_unique<HidTransport>(device) : nullptr;
}

QString HidTransport::nodeOf(quint16 vendorId, quint16 productId)
{
    Locked lock(hidapiLock);
    hid_device_info *const devices = hid_enumerate(vendorId, productId);
    const QString node = devices && devices->path ? QString::fromLocal8Bit(devices->path) : QString();
    hid_free_enumeration(devices);
    return node;
}

void HidTransport::close()
{
    if (device_)
        hid_close(device_);
    device_ = nullptr;
    exit();
}

void HidTransport::exit()
{
    Locked lock(hidapiLock);
    hid_exit();
}

void HidTransport::init()
{
    Locked lock(hidapiLock);
    hid_init();
}

std::unique_ptr<HidTransport> HidTransport::openDiagnostic()
{
    Locked lock(hidapiLock);
    hid_init();
    hid_device *device = hid_open(UsbIds::VendorId, UsbIds::DiagnosticProductId, nullptr);
    return device ? std::make_unique<HidTransport>(device) : nullptr;
}

void HidTransport::dump()
{
    logStrings(device_);
    hid_set_nonblocking(device_, 1);

    // The status read, with no sequence number.
    if (writeReport(device_, Frames::hidReport(Frames::readFrame(CmdStatus))) < 0)
        logHidWriteFailure(deviceError(device_));

    logAnswer(device_);
}

QList<ReaderList::Reader> HidTransport::listed()
{
    QList<ReaderList::Reader> readers;
    hid_device_info *devices = nullptr;
    {
        Locked lock(hidapiLock);
        devices = hid_enumerate(UsbIds::VendorId, 0);
    }
    for (const hid_device_info *info = devices; info; info = info->next) {
        if (!isReaderProduct(info->product_id) || !info->path)
            continue;
        ReaderList::Reader reader = ReaderList::Reader::at(Transports::usbHid(), QString::fromLocal8Bit(info->path));
        reader.vendorId = info->vendor_id;
        reader.productId = info->product_id;
        if (info->serial_number)
            reader.serialNumber = QString::fromWCharArray(info->serial_number);
        if (info->product_string)
            reader.label = QString::fromWCharArray(info->product_string);
        const UsbIdentity::Identity identity = UsbIdentity::ofHidraw(reader.path);
        reader.portPath = identity.portPath;
        if (reader.serialNumber.isEmpty())
            reader.serialNumber = identity.serialNumber;
        readers.append(reader);
    }
    hid_free_enumeration(devices);
    return readers;
}

AccessCheck::Diagnosis HidTransport::refusal(quint16 productId)
{
    AccessCheck::Diagnosis diagnosis;
#ifdef Q_OS_WIN
    // The driver gives every user the reader; a failed open there is never the user's rights.
    Q_UNUSED(productId);
#else
    Locked lock(hidapiLock);
    hid_device_info *const devices = hid_enumerate(UsbIds::VendorId, 0);
    for (const hid_device_info *info = devices; info; info = info->next) {
        if (wasTried(info->product_id, productId) && info->path) {
            diagnosis.finding = AccessCheck::Finding::Denied;
            diagnosis.node = QString::fromLocal8Bit(info->path);
            break;
        }
    }
    hid_free_enumeration(devices);
#endif
    return diagnosis;
}

AccessCheck::Diagnosis HidTransport::anyRefused()
{
#ifdef Q_OS_WIN
    return {};
#else
    quint16 vendorId = 0;
    quint16 productId = 0;
    return openByIds(vendorId, productId) ? AccessCheck::Diagnosis() : refusal(0);
#endif
}
