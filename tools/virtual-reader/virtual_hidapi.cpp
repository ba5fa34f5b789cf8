// The hidapi calls of the utility, answered by the virtual readers instead of USB devices.
//
// Every present reader (Model::count(), reader 1 being Model::instance()) that is on its USB
// keyboard interface is listed by hid_enumerate under vendor 0x0416 and its product ID (and
// 0xC141 as well when it presents the diagnostic product, on the same node), with the path
// /dev/virtual-hidraw<N> and the serial number KLN2-<N in six digits>. hid_open takes the first
// listed reader that matches vendor, product and, when one is given, serial number;
// hid_open_path takes the reader of that path.
//
// A program linked to this stand-in (the demo build, a command-line build on it, the
// benchmarks) can set up its readers from the environment, read once on first use:
//   KEYLON2_VIRTUAL_HID_READERS=N        N readers are present (0 to 256; default 1)
//   KEYLON2_VIRTUAL_HID_FAILING=k[,k...] every USB HID write to these readers fails
//   KEYLON2_VIRTUAL_HID_SERIALS=k=SN[,k=SN...]  reader k has the serial number SN ("" none)
//   KEYLON2_VIRTUAL_HID_TALLY=FILE       at exit, FILE gets one line per present reader: its
//                                        number, then the command code of every frame it
//                                        received, in order, in hexadecimal
//   KEYLON2_VIRTUAL_PLUG_DIR=DIR         readers come and go with the files hid-N in DIR
//                                        (see plug_dir.h); KEYLON2_VIRTUAL_HID_READERS is
//                                        then ignored
// and sets KEYLON2_VIRTUAL_LOADER_DIR for the programs it starts: where its readers in ISP mode
// wait for a firmware writer (plug_dir.h, "the loader").
// The production build links the real hidapi and never reads them.
#include "plug_dir.h"
#include "reader_model.h"

#include <hidapi.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <mutex>
#include <string>

#include <unistd.h>

using VirtualReader::Model;

struct hid_device_
{
    Model *model = nullptr;
    quint64 session = 0;
    bool nonblocking = false;
    std::wstring error;
};

namespace {

// A blocking read on a reader that has nothing to say would hang the caller for ever; the
// stand-in gives up after this long and reports nothing read.
constexpr int BlockingReadLimitMs = 1000;

// hid_error(NULL): the last open or enumeration failure of the calling thread.
thread_local std::wstring openError;

constexpr wchar_t ManufacturerText[] = L"Keylon";
constexpr wchar_t ProductText[] = L"Keylon2 Key Reader";

void setSerialNumbers(const char *serials)
{
    for (const QByteArray &item : QByteArray(serials).split(',')) {
        const int equals = item.indexOf('=');
        Model *model = equals > 0 ? Model::reader(item.left(equals).trimmed().toInt()) : nullptr;
        if (model)
            model->setSerialNumber(QString::fromUtf8(item.mid(equals + 1).trimmed()));
        else
            std::fprintf(stderr, "virtual hidapi: KEYLON2_VIRTUAL_HID_SERIALS: no reader '%s'\n", item.constData());
    }
}

// What every reader received, for a test or a benchmark that runs the program as a process.
void writeTally()
{
    std::FILE *file = std::fopen(std::getenv("KEYLON2_VIRTUAL_HID_TALLY"), "w");
    if (!file)
        return;
    for (int number = 1; number <= Model::MaxReaders; ++number) {
        const Model *model = Model::reader(number);
        if (!model)
            break;
        QByteArray line = QByteArray::number(number);
        for (const QByteArray &frame : model->receivedFrames()) {
            // An HID report carries its frame after the report ID: 00 1B 42 code ...
            if (frame.size() > 3)
                line += ' ' + QByteArray::number(quint8(frame[3]), 16).rightJustified(2, '0');
        }
        std::fprintf(file, "%s\n", line.constData());
    }
    std::fclose(file);
}

// A program that follows no plug directory hands its readers in their loader over in a folder
// of its own, gone with it.
QString privateLoaderDir()
{
    static const QString dir = QStringLiteral("%1/keylon2-virtual-loader-%2").arg(QDir::tempPath()).arg(qint64(getpid()));
    return dir;
}

void removePrivateLoaderDir()
{
    QDir(privateLoaderDir()).removeRecursively();
}

void readEnvironment()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const char *plugDir = std::getenv("KEYLON2_VIRTUAL_PLUG_DIR");
        const bool following = plugDir && *plugDir;
        QStringList problems;
        if (following) {
            const QString dir = QString::fromLocal8Bit(plugDir);
            if (!QFileInfo(dir).isDir())
                problems << QStringLiteral("KEYLON2_VIRTUAL_PLUG_DIR: %1 is not a directory").arg(dir);
            if (std::getenv("KEYLON2_VIRTUAL_HID_READERS"))
                problems << QStringLiteral("KEYLON2_VIRTUAL_HID_READERS is ignored: the files in %1 say "
                                           "which readers are attached").arg(dir);
            VirtualReader::PlugDir::followUsbHid(dir);
            VirtualReader::PlugDir::setLoaderDirectory(dir);
        } else {
            VirtualReader::PlugDir::setLoaderDirectory(privateLoaderDir());
            std::atexit(removePrivateLoaderDir);
        }
        problems += Model::setUpFromEnvironment(following ? nullptr : std::getenv("KEYLON2_VIRTUAL_HID_READERS"),
                                                std::getenv("KEYLON2_VIRTUAL_HID_FAILING"));
        for (const QString &problem : problems)
            std::fprintf(stderr, "virtual hidapi: %s\n", qPrintable(problem));
        if (const char *serials = std::getenv("KEYLON2_VIRTUAL_HID_SERIALS"))
            setSerialNumbers(serials);
        if (std::getenv("KEYLON2_VIRTUAL_HID_TALLY"))
            std::atexit(writeTally);
        else if (following)
            Model::keepReceived(false);  // a station on the plug directory may run for days
    });
}

std::wstring refusedText(const Model &model)
{
    return L"Failed to open a device with path '" + QString::fromLatin1(model.hidPath()).toStdWString()
        + L"': Permission denied";
}

std::wstring failedText(const Model &model)
{
    return L"Failed to open a device with path '" + QString::fromLatin1(model.hidPath()).toStdWString()
        + L"': Input/output error";
}

hid_device *openOn(Model &model, quint64 session)
{
    if (session == 0) {
        const VirtualReader::Faults faults = model.faults();
        openError = faults.openRefused ? refusedText(model)
            : faults.openFails         ? failedText(model)
                                       : std::wstring(L"the device is not on USB HID");
        return nullptr;
    }
    openError.clear();
    auto *dev = new hid_device;
    dev->model = &model;
    dev->session = session;
    Model::hidHandleOpened();
    return dev;
}

wchar_t *copyWide(const std::wstring &text)
{
    auto *copy = static_cast<wchar_t *>(std::calloc(text.size() + 1, sizeof(wchar_t)));
    if (copy)
        std::wmemcpy(copy, text.c_str(), text.size());
    return copy;
}

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
    Model &model = *dev->model;
    VirtualReader::PlugDir::checkUsbHidReader(model.number());
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
    readEnvironment();
    return 0;
}

int HID_API_EXPORT hid_exit(void)
{
    return 0;
}

struct hid_device_info *HID_API_EXPORT hid_enumerate(unsigned short vendor_id,
                                                    unsigned short product_id)
{
    readEnvironment();
    VirtualReader::PlugDir::syncUsbHid();
    openError.clear();
    hid_device_info *head = nullptr;
    hid_device_info **tail = &head;
    if (vendor_id != 0 && vendor_id != VirtualReader::VendorId)
        return nullptr;
    for (int number = 1; number <= Model::MaxReaders; ++number) {
        const Model *model = Model::reader(number);
        if (!model)
            break;
        for (quint16 id : model->hidProductIds()) {
            if (product_id != 0 && product_id != id)
                continue;
            auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
            if (!info)
                return head;
            info->path = strdup(model->hidPath().constData());
            info->vendor_id = VirtualReader::VendorId;
            info->product_id = id;
            info->serial_number = copyWide(model->serialNumber().toStdWString());
            info->release_number = 0x0120;
            info->manufacturer_string = copyWide(ManufacturerText);
            info->product_string = copyWide(ProductText);
            info->usage_page = 0xFF00;
            info->usage = 0x01;
            info->interface_number = 0;
            info->bus_type = HID_API_BUS_USB;
            *tail = info;
            tail = &info->next;
        }
    }
    return head;
}

void HID_API_EXPORT hid_free_enumeration(struct hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

hid_device *HID_API_EXPORT hid_open(unsigned short vendor_id, unsigned short product_id,
                                    const wchar_t *serial_number)
{
    readEnvironment();
    VirtualReader::PlugDir::syncUsbHid();
    // The first listed reader that matches, as hidapi does; a refused one is not passed over.
    for (int number = 1; number <= Model::MaxReaders; ++number) {
        Model *model = Model::reader(number);
        if (!model)
            break;
        if (serial_number && model->serialNumber().toStdWString() != serial_number)
            continue;
        if (vendor_id != VirtualReader::VendorId || product_id == 0
            || !model->hidProductIds().contains(product_id))
            continue;
        if (VirtualReader::PlugDir::usbHidNodeClosed(number)) {
            openError = refusedText(*model);
            return nullptr;
        }
        return openOn(*model, model->hidOpen(vendor_id, product_id));
    }
    openError = L"no HID device with the requested vendor and product ID";
    return nullptr;
}

hid_device *HID_API_EXPORT hid_open_path(const char *path)
{
    readEnvironment();
    VirtualReader::PlugDir::syncUsbHid();
    for (int number = 1; path && number <= Model::MaxReaders; ++number) {
        Model *model = Model::reader(number);
        if (!model)
            break;
        if (model->hidPath() != path)
            continue;
        if (VirtualReader::PlugDir::usbHidNodeClosed(number)) {
            openError = refusedText(*model);
            return nullptr;
        }
        return openOn(*model, model->hidOpenNode());
    }
    openError = L"Failed to open a device with path '" + QString::fromLocal8Bit(path).toStdWString()
        + L"': No such file or directory";
    return nullptr;
}

void HID_API_EXPORT hid_close(hid_device *dev)
{
    if (dev)
        Model::hidHandleClosed();
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
    VirtualReader::PlugDir::checkUsbHidReader(dev->model->number());
    if (!dev->model->hidWrite(dev->session, report, &error)) {
        dev->error = toWide(error);
        return -1;
    }
    VirtualReader::PlugDir::noteUsbHidWrite(*dev->model, report.mid(1));
    VirtualReader::PlugDir::noteLoader(*dev->model);
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
    return dev ? copyString(ManufacturerText, string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return dev ? copyString(ProductText, string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return dev ? copyString(dev->model->serialNumber().toStdWString().c_str(), string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device *dev, int string_index, wchar_t *string,
                                               size_t maxlen)
{
    if (!dev)
        return -1;
    switch (string_index) {
    case 1: return copyString(ManufacturerText, string, maxlen);
    case 2: return copyString(ProductText, string, maxlen);
    case 3: return copyString(dev->model->serialNumber().toStdWString().c_str(), string, maxlen);
    default:
        dev->error = L"string index out of range";
        return -1;
    }
}

}  // extern "C"
