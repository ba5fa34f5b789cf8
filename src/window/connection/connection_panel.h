#pragma once

#include <QString>

#include <memory>

namespace Ui {
class MainWindow;
}

class PortFieldFill;
class QWidget;
class ReaderLink;
class SettingsReader;

// The connect controls: the transport choice, the serial port field, the connect button with
// its icon, and the 17 controls that need a connected reader. A connect reads the reader's
// settings at once.
class ConnectionPanel
{
public:
    ConnectionPanel(Ui::MainWindow &ui, ReaderLink &link, SettingsReader &reader);
    ~ConnectionPanel();

    // Start-up: the transport the USB HID probe points to, and the port field, which the
    // reader's port fills once the window has painted.
    void preselect(bool readerOnUsb, QWidget &window);

    void connectOrDisconnect();
    void useSerialPort(bool on);

    // Switches the 17 controls that need a connected reader together.
    void enableControls(bool on);
    // The link went down: the icon says so and the controls are out of reach.
    void showNotConnected();
    void tellLineGone(const QString &portName);

private:
    void showFailedConnect(const char *debugLine);

    Ui::MainWindow &ui_;
    ReaderLink &link_;
    SettingsReader &reader_;
    std::unique_ptr<PortFieldFill> portFill_;
};
