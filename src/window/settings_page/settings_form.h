#pragma once

#include <QString>
#include <QtGlobal>

#include "core/settings/config_mapping.h"
#include "core/settings/settings_record.h"

namespace Ui {
class MainWindow;
}

class QLineEdit;

enum class Affix { Pre, Post, Remove };  // as the settings table lists its affix rows

// The settings page: its widgets to and from the values of the page, one widget per setting of
// the settings table. Every read, write, Import and Export goes through here; nothing else
// touches these widgets.
class SettingsForm
{
public:
    explicit SettingsForm(Ui::MainWindow &ui);

    // The control-character pickers and the keyboard countries, from the name tables.
    void fillPickers();

    // The page as the widgets hold it. The country is the list's current entry, -1 when it
    // has none; the version is the one last read from the reader.
    ConfigPage page() const;
    // What "&Set Status" sends for the page. A country the list does not hold (the reader or
    // a file named one) goes out as the country last read from the reader, 0 when none was:
    // sending the empty entry as 0xFF would change the reader's country on a write that
    // touched nothing.
    SettingsRecord recordToWrite() const;
    // Import and the default file. Check states are set, not clicked: the enable slots do not
    // run, the edits keep their enabled state, and a file may leave remove data and remove ID
    // code both ticked.
    void showPage(const ConfigPage &page);

    // What a read took from the reader (RecordFields say which parts), as its path spells it.
    // The option switches are set with the affix edits they enable, bit 0 first; remove ID
    // code, when set, disables the remove data edit after that. The country is kept whether
    // or not the list holds it.
    void showRead(const ConfigPage &page, quint8 fields);
    void showFirmwareVersion(const QString &version);
    const QString &firmwareVersion() const { return firmwareVersion_; }
    // No read command returns the country over the serial line.
    void disableCountry();
    // Each field that a switch turns on in reach only while its switch is on, and remove data
    // out of reach while remove ID code is on: what a read leaves, from the check boxes.
    void followSwitches();

    // The operator's clicks and picks.
    void preAmbleEnableClicked();
    void postAmbleEnableClicked();
    void removeDataEnableClicked();
    void removeIdCodeClicked();
    void controlPicked(Affix affix, int index);

private:
    QLineEdit *edit(Affix affix) const;

    Ui::MainWindow &ui_;
    QString firmwareVersion_;  // the version last read from the reader
    int readerCountry_ = 0;    // the keyboard country the reader last reported over USB HID,
                               // whether or not the list holds it; 0 until one came
};
