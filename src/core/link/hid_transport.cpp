#include "core/link/hid_transport.h"

#include <QDebug>

#include <cstdio>
#include <iterator>

#include "core/link/usb_ids.h"
#include "core/platform/platform.h"
#include "core/protocol/frames.h"
#include "core/protocol/hid_io.h"

namespace {

constexpr int DumpReadTries = 10;  // a reader that never answers must not freeze the window
constexpr unsigned DumpReadPauseMs = 500;
constexpr size_t StringLength = 255;

QString wideText(const wchar_t *text)
{
    return QString::fromWCharArray(text);
}

void logStrings(hid_device *device)
{
    wchar_t text[StringLength];

    text[0] = 0;
    if (hid_get_manufacturer_string(device, text, StringLength) < 0)
        qDebug("Unable to read manufacturer string\n");
    text[StringLength - 1] = 0;
    qDebug("Manufacturer String: %ls\n", qUtf16Printable(wideText(text)));

    text[0] = 0;
    if (hid_get_product_string(device, text, StringLength) < 0)
        qDebug("Unable to read product string\n");
    text[StringLength - 1] = 0;
    qDebug("Product String: %ls\n", qUtf16Printable(wideText(text)));

    text[0] = 0;
    if (hid_get_serial_number_string(device, text, StringLength) < 0)
        qDebug("Unable to read serial number string\n");
    text[StringLength - 1] = 0;
    qDebug("Serial Number String: (%d) %ls", int(text[0]), qUtf16Printable(wideText(text)));
    std::fputs("\n", stdout);

    text[0] = 0;
    if (hid_get_indexed_string(device, 1, text, StringLength) < 0)
        qDebug("Unable to read indexed string 1\n");
    text[StringLength - 1] = 0;
    qDebug("Indexed String 1: %ls\n", qUtf16Printable(wideText(text)));
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

HidTransport::HidTransport(hid_device *device, bool owned, const QString &path)
    : device_(device)
    , owned_(owned)
    , path_(path)
{
}

HidTransport::~HidTransport()
{
    if (owned_ && device_)
        hid_close(device_);
}

QString HidTransport::name() const
{
    return kindWord(kind()) + QLatin1Char(':') + path_;
}

bool HidTransport::write(const QByteArray &bytes)
{
    if (writeHidReport(device_, bytes) >= 0)
        return true;
    error_ = hidErrorText(device_);
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
        error_ = hidErrorText(device_);
        gone_ = true;
        into.clear();
        return -1;
    }
    into.truncate(received);
    return received;
}

HidTransport::Opened HidTransport::openPath(const QString &node)
{
    Opened opened;
    const QByteArray path = node.toLocal8Bit();
    hid_device *device = nullptr;
    {
        std::lock_guard<std::mutex> lock(hidapiGlobalLock());
        device = hid_open_path(path.constData());
        const wchar_t *text = device ? nullptr : hid_error(nullptr);
        opened.error = text ? QString::fromWCharArray(text) : QString();
    }
    if (device)
        opened.transport = std::make_unique<HidTransport>(device, true, node);
    else
        opened.access = AccessCheck::afterHidOpenPathFailed(node, opened.error);
    return opened;
}

std::unique_ptr<HidTransport> HidTransport::openByIds(quint16 &vendorId, quint16 &productId)
{
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
    return device ? std::make_unique<HidTransport>(device, true) : nullptr;
}

QString HidTransport::nodeOf(quint16 vendorId, quint16 productId)
{
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
    hid_exit();
}

std::unique_ptr<HidTransport> HidTransport::openDiagnostic()
{
    hid_init();
    hid_device *device = hid_open(UsbIds::VendorId, UsbIds::DiagnosticProductId, nullptr);
    return device ? std::make_unique<HidTransport>(device, true) : nullptr;
}

void HidTransport::dump()
{
    logStrings(device_);
    hid_set_nonblocking(device_, 1);

    // The status read, with no sequence number.
    if (writeHidReport(device_, Frames::hidReport(Frames::readFrame(CmdStatus))) < 0)
        logHidWriteFailure(device_);

    logAnswer(device_);
}
