#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

#include "core/settings/settings_record.h"
#include "core/text/message.h"

// Every setting of the reader, once: its key in a configuration file (and in keylon2ctl's JSON),
// what kind of value it holds, where the page and the record keep it, and what --help-all says
// of it. The file mapping, the page record, keylon2ctl, the settings form and the generated JSON
// Schemas read this table; a new switch is one row, its widget and its docs.
namespace Settings {

enum class Kind {
    Switch,  // 0 or 1; an option bit of the record
    Affix,   // device codes, in the bracket notation on the page
    Number,  // one byte; the page holds the edit's text, a read shows it signed (-128 to 127)
    Choice,  // an index into a list of names
};

// A row names what its kind needs and leaves the rest out.
struct Setting
{
    const char *key;
    Kind kind;
    const char *widget = nullptr;          // the object name of its widget on the settings page
    quint8 bit = 0;                        // Switch: its option bit; 0 for Interface, which no record carries
    bool ConfigPage::*flag = nullptr;      // Switch
    const char *help = nullptr;            // what --help-all says, where the kind's text is not enough
    QString ConfigPage::*text = nullptr;   // Affix, Number: the edit's text
    QByteArray SettingsRecord::*codes = nullptr;  // Affix
    quint8 SettingsRecord::*byte = nullptr;       // Number
    const char *debugLine = nullptr;       // Affix, Number: what "&Set Status" logs of it
    const char *switchedBy = nullptr;      // Affix: the switch that enables its edit on the page
    int ConfigPage::*index = nullptr;      // Choice, and the names it indexes
    int SettingsRecord::*entry = nullptr;
    const QStringList *choices = nullptr;
    bool usbOnly = false;                  // no read over the serial line returns it
    // Affix: how it travels. The reader answers the affixes in the order of the table.
    const char *label = nullptr;           // as the page labels it
    const char *picker = nullptr;          // the object name of its list of control codes
    quint8 readCommand = 0;                // the frames that read it and write it
    quint8 writeCommand = 0;
    const char *readLine = nullptr;        // what a read logs of its answer
    const char *oneShotLine = nullptr;     // the same for the Status page's one-shot read

    bool isSwitch() const { return kind == Kind::Switch; }
    bool isAffix() const { return kind == Kind::Affix; }
    bool isChoice() const { return kind == Kind::Choice; }
    // Interface only tells how a file was read: no record carries it, nothing sends it.
    bool applied() const { return kind != Kind::Switch || bit != 0; }
    // What a file may give.
    int low() const { return kind == Kind::Number ? -128 : 0; }
    int high() const
    {
        return kind == Kind::Switch ? 1 : kind == Kind::Number ? 127 : choices ? int(choices->size()) - 1 : 0;
    }
    bool holds(int value) const { return value >= low() && value <= high(); }

    // The page's value: a bool, a text, an index.
    QVariant shown(const ConfigPage &page) const;
    // The value as export writes it into a file and keylon2ctl into JSON: 0 or 1, a number,
    // an affix's text.
    QVariant exported(const ConfigPage &page) const;
    // A value (as the INI reader or a widget gives it) onto the page, as the window's Import.
    void import(ConfigPage &page, const QVariant &value) const;
    // Page to record and back, as "&Set Status" and the reads do it.
    void toRecord(const ConfigPage &page, SettingsRecord &record) const;
    void toPage(const SettingsRecord &record, ConfigPage &page, bool serial) const;

    // The record's value: a switch 0 or 1, a number or choice as its byte; an affix has codes.
    int raw(const SettingsRecord &record) const;
    bool differs(const SettingsRecord &a, const SettingsRecord &b) const;
    void copy(const SettingsRecord &from, SettingsRecord &to) const;
};

// In the order export writes them.
const std::vector<Setting> &all();
// The affix rows (preamble, postamble, remove data), in the order of the table.
const std::vector<const Setting *> &affixes();
const Setting *named(const QString &key);

// The applied rows in the order the record holds them: the switches bit by bit, the numbers and
// the choice, the affixes ("&Set Status" logs them so, a write's verification lists them so).
std::vector<const Setting *> recordOrder();

// The keys and what each holds, as --help-all lists them: rows that say the same share an
// entry; Interface, which is never applied, comes last.
Message helpText();

// The checks of a value a file gives, one for each way it can be wrong; the front ends word
// what they find. holds() says whether a value lies in a row's range.
// A switch: 0, 1, true or false, in any letter case.
std::optional<int> switchValue(const QString &text);
// A number or a choice: an integer in base 10.
std::optional<int> numberValue(const QString &text);
// An affix: where the first '[' opens a name that no ']' closes before the next '[' or the
// end ("[0x5B" would go out as its five characters, "[0x5BAB[CR]" meant "[0x5B]AB[CR]");
// -1 when none does.
int unclosedBracket(const QString &text);

// The integer that export stores for an output-window text: base 10, 0 when it is no number.
int outputNumber(const QString &text);

// A value's text as the INI reader gives it. The reader takes an unquoted value with commas in
// it for a list: export quotes such texts, but a file written by hand ("Pre=AB,[CR]") would
// otherwise lose the whole affix.
QString textOf(const QVariant &value);

}  // namespace Settings
