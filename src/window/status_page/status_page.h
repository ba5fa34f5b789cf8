#pragma once

#include <QByteArray>

namespace Ui {
class MainWindow;
}

class ReaderLink;
class charThread;

// The Status page and the developer's diagnostics: what the reader sends on the serial line,
// shown as it comes; the serial port list and the USB HID dump on the debug channel; the
// character ticker.
class StatusPage
{
public:
    StatusPage(Ui::MainWindow &ui, ReaderLink &link);
    // Gives the page, once its widgets are built, the log that keeps up with a reader that
    // sends all day, before any text reaches it.
    void setUp();

    void echo(const QByteArray &chunk);

    void listPorts();
    // The reader's USB HID identity and one status answer. The device it opens becomes the
    // link's handle; the link counts as neither connected nor USB HID.
    void dumpHidDevice();
    // Pauses the ticker, or lets it go on; nothing when the window holds none.
    void toggleTicker();

private:
    friend struct WindowProbe;

    Ui::MainWindow &ui_;
    ReaderLink &link_;
    charThread *ticker_ = nullptr;  // the window never makes one
};
