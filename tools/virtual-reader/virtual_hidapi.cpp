// The hidapi calls of the utility, answered by the virtual reader instead of a USB device.
#include "reader_model.h"

#include <hidapi.h>

#include <QElapsedTimer>
#include <QThread>

#include <cstring>
#include <cwchar>
#include <string>

using VirtualReader::Model;

struct hid_device_
{
    quint64 session = 0;
    bool nonblocking = false;
    std::wstring error;
};

namespace {

// A blocking read on a reader that has nothing to say would hang the caller for ever; the
// stand-in gives up after this long and reports nothing read.
constexpr int BlockingReadLimitMs = 1000;

std::wstring openError;

std::wstring toWide(const QString &text)
{
    return text.toStdWString();
}

int copyString(const wchar_t *text, wchar_t *string, size_t maxlen)
{
    if (!string || maxlen == 0)
        return -1;
    std::wcsncpy(string, text, maxlen);
    string[maxlen - 1] = L'\0';
    return 0;
}

int readInto(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    if (!dev || !data)
        return -1;
    dev->error.clear();
    Model &model = Model::instance();
    QByteArray answer;
    QString error;

    // A blocking read waits for an answer that is late; a timed read is one of the empty reads
    // that a late answer lets pass. With nothing queued, a timed read waits out its time in
    // case another thread writes a request meanwhile.
    const bool block = milliseconds < 0;
    const int limit = block ? BlockingReadLimitMs : qMin(milliseconds, BlockingReadLimitMs);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        bool late = false;
        const int n = model.hidRead(dev->session, answer, block, &error, &late);
        if (n < 0) {
            dev->error = toWide(error);
            return -1;
        }
        if (n > 0) {
            const size_t count = qMin<size_t>(size_t(n), length);
            std::memcpy(data, answer.constData(), count);
            return int(count);
        }
        if (late || clock.elapsed() >= limit)
            return 0;
        QThread::msleep(5);
    }
}

}  // namespace

extern "C" {

int HID_API_EXPORT hid_init(void)
{
    return 0;
}

int HID_API_EXPORT hid_exit(void)
{
    return 0;
}

hid_device *HID_API_EXPORT hid_open(unsigned short vendor_id, unsigned short product_id,
                                    const wchar_t *serial_number)
{
    const quint64 session = Model::instance().hidOpen(vendor_id, product_id);
    if (session == 0 || (serial_number && std::wcscmp(serial_number, L"KLN2-000001") != 0)) {
        openError = L"no HID device with the requested vendor and product ID";
        return nullptr;
    }
    openError.clear();
    auto *dev = new hid_device;
    dev->session = session;
    return dev;
}

void HID_API_EXPORT hid_close(hid_device *dev)
{
    delete dev;
}

HID_API_EXPORT const wchar_t *HID_API_CALL hid_error(hid_device *dev)
{
    const std::wstring &text = dev ? dev->error : openError;
    return text.empty() ? L"Success" : text.c_str();
}

int HID_API_EXPORT hid_set_nonblocking(hid_device *dev, int nonblock)
{
    if (!dev)
        return -1;
    dev->nonblocking = nonblock != 0;
    return 0;
}

int HID_API_EXPORT hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    if (!dev || !data)
        return -1;
    QString error;
    const QByteArray report(reinterpret_cast<const char *>(data), int(length));
    if (!Model::instance().hidWrite(dev->session, report, &error)) {
        dev->error = toWide(error);
        return -1;
    }
    return int(length);
}

int HID_API_EXPORT hid_read_timeout(hid_device *dev, unsigned char *data, size_t length,
                                    int milliseconds)
{
    return readInto(dev, data, length, milliseconds);
}

int HID_API_EXPORT hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    if (!dev)
        return -1;
    return readInto(dev, data, length, dev->nonblocking ? 0 : -1);
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return dev ? copyString(L"Keylon", string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return dev ? copyString(L"Keylon2 Key Reader", string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return dev ? copyString(L"KLN2-000001", string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device *dev, int string_index, wchar_t *string,
                                               size_t maxlen)
{
    if (!dev)
        return -1;
    switch (string_index) {
    case 1: return copyString(L"Keylon", string, maxlen);
    case 2: return copyString(L"Keylon2 Key Reader", string, maxlen);
    case 3: return copyString(L"KLN2-000001", string, maxlen);
    default:
        dev->error = L"string index out of range";
        return -1;
    }
}

}  // extern "C"
