#pragma once

#include <QString>

#include <functional>
#include <memory>

#include "core/link/reader_list.h"

namespace Ui {
class MainWindow;
}

class PortFieldFill;
class QWidget;
class ReaderLink;

// The connect controls: the transport choice, the serial port field, the connect button with
// its icon, and the 17 controls that need a connected reader. A connect reads the reader's
// settings at once (readSettings).
class ConnectionPanel
{
public:
    // followSwitches puts the fields that a switch turns on in or out of reach by their switches.
    ConnectionPanel(Ui::MainWindow &ui, ReaderLink &link, std::function<void()> readSettings,
                    std::function<void()> followSwitches);
    ~ConnectionPanel();

    // Start-up: the transport the USB HID probe points to, and the port field, which the
    // reader's port fills once the window has painted.
    void preselect(bool readerOnUsb, QWidget &window);

    void connectOrDisconnect();
    // Connects to a reader found again (after its loader) over the transport chosen, on the
    // port it came back on where the transport has one; true when it connected.
    bool connectTo(const ReaderList::Reader &reader);
    void useSerialPort(bool on);

    // Switches the 17 controls that need a connected reader together; switched on, the fields
    // that a switch turns on follow their switches, as after a read.
    void enableControls(bool on);
    // The link went down: the icon says so, the focus is on the connect button and the
    // controls are out of reach.
    void showNotConnected();
    void tellLineGone(const QString &portName);

private:
    void showFailedConnect(const char *debugLine);
    void connectReader(bool usb, const ReaderList::Reader &chosen);

    Ui::MainWindow &ui_;
    ReaderLink &link_;
    std::function<void()> readSettings_;
    std::function<void()> followSwitches_;
    std::unique_ptr<PortFieldFill> portFill_;
};
