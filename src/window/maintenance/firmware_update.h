#pragma once

class QWidget;
class ReaderLink;

// "FW &Update": puts the reader into its loader, lets go of it, and runs the firmware writer
// in a dialog over the window until the operator closes it.
class FirmwareUpdate
{
public:
    FirmwareUpdate(QWidget &window, ReaderLink &link);

    void run();

private:
    QWidget &window_;
    ReaderLink &link_;
};
