#pragma once

class ConnectionPanel;
class QWidget;
class ReaderLink;
class SettingsReader;

// "FW &Update": puts the reader into its loader, lets go of it, and runs the firmware writer
// in a dialog over the window until the operator closes it. Where the window had read the
// reader whole, the dialog offers "Connect and check": the reader found back, connected over the
// same transport and read (as every connect reads it onto the page), its version and settings
// held against what it had before, and the settings of before offered back.
void runFirmwareUpdate(QWidget &window, ReaderLink &link, ConnectionPanel &connection, SettingsReader &reader);
