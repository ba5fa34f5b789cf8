#pragma once

#include <functional>

#include "core/link/reader_list.h"
#include "core/reader/firmware_check.h"

class QWidget;
class ReaderLink;

// "FW &Update": puts the reader into its loader, lets go of it, and runs the firmware writer
// in a dialog over the window until the operator closes it. Where the window had read the
// reader whole, the dialog offers "Connect and check": the reader found back, connected over the
// same transport and read, its version and settings held against what it had before, and the
// settings of before offered back.
class FirmwareUpdate
{
public:
    // connect: connects the window to the reader found back (a serial reader may come back on
    // another port), reading its settings onto the page as every connect does; true when it
    // connected. readSettings: reads the reader onto the page again.
    FirmwareUpdate(QWidget &window, ReaderLink &link, std::function<bool(const ReaderList::Reader &)> connect,
                   std::function<void()> readSettings);

    void run();

private:
    void check(const FirmwareCheck::Backup &before);

    QWidget &window_;
    ReaderLink &link_;
    std::function<bool(const ReaderList::Reader &)> connect_;
    std::function<void()> readSettings_;
};
