#pragma once

#include <QString>
#include <QtGlobal>

class MainWindow;

namespace Ui {
class MainWindow;
}

// Writes what the reader answered onto the settings page. Shared by the USB HID read, the
// one-shot status read and the serial parser.
namespace SettingsPage {

// Applies the option byte to the six check boxes and the three affix edits, bit 0 first.
// Bit 5 (remove ID code) only when withRemoveIdCode; when applied and set it disables the
// remove data edit after bit 0 has enabled or disabled it.
void applyOptionByte(Ui::MainWindow &ui, quint8 options, bool withRemoveIdCode = true);

// Output start and length in decimal; the reader's bytes read as signed or unsigned.
void showOutputWindow(Ui::MainWindow &ui, quint8 start, quint8 length, bool asSigned);

// Replaces the program's firmware version text and shows it in FWLbl.
void showFirmwareVersion(MainWindow &window, const QString &version);

// The version as the HID status answer carries it: each byte one character, NULs included.
QString versionOfHidBytes(const QByteArray &bytes);

}  // namespace SettingsPage
