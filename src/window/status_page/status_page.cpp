#include "window/status_page/status_page.h"

#include <QDebug>
#include <QTextEdit>

#include <cstdio>

#include <hidapi.h>

#include "window/app/char_thread.h"
#include "window/status_page/status_log.h"
#include "window/connection/reader_link.h"
#include "core/link/usb_ids.h"
#include "core/platform/platform.h"
#include "core/protocol/frames.h"
#include "core/protocol/hid_io.h"
#include "window/status_page/serial_receive.h"
#include "window/ui/ui_mainwindow.h"

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

StatusPage::StatusPage(Ui::MainWindow &ui, ReaderLink &link)
    : ui_(ui)
    , link_(link)
{
}

void StatusPage::setUp()
{
    StatusLog::of(ui_.ScannerEdit);
}

void StatusPage::echo(const QByteArray &chunk)
{
    SerialReceive::echoChunk(ui_.ScannerEdit, chunk);
}

void StatusPage::listPorts()
{
    const QList<Platform::PortRecord> ports = Platform::enumeratePorts();
    qDebug("List of ports:\n");
    qDebug("%d", int(ports.size()));
    for (const Platform::PortRecord &port : ports) {
        qDebug("%s", port.portName.toLocal8Bit().constData());
        qDebug("%s", port.friendName.toLocal8Bit().constData());
        qDebug("%s", port.physName.toLocal8Bit().constData());
        qDebug("%s", port.enumName.toLocal8Bit().constData());
        qDebug("===================================\n\n");
    }
}

void StatusPage::dumpHidDevice()
{
    hid_init();
    hid_device *device = hid_open(UsbIds::VendorId, UsbIds::DiagnosticProductId, nullptr);
    if (!device) {
        // The link that is open, if any, stays as it is.
        qDebug("unable to open device\n");
        return;
    }
    link_.adoptHidDevice(device);  // the dump takes the link's place

    logStrings(device);
    hid_set_nonblocking(device, 1);

    // The status read, with no sequence number.
    if (writeHidReport(device, Frames::hidReport(Frames::readFrame(CmdStatus))) < 0)
        logHidWriteFailure(device);

    logAnswer(device);
}

void StatusPage::toggleTicker()
{
    if (ticker_)
        ticker_->togglePause();
}
