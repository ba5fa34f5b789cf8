#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

#include "protocol/settings_record.h"

// Every setting of the reader, once: its key in a configuration file (and in keylon2ctl's JSON),
// what kind of value it holds, the range a file may give, where the page and the record keep
// it, and what --help-all says of it. The file mapping, the page record, keylon2ctl and the
// generated JSON Schemas read this table; a new switch is one row here, its widget and its docs.
namespace Settings {

enum class Kind {
    Switch,  // 0 or 1; an option bit of the record
    Affix,   // device codes, in the bracket notation on the page
    Number,  // one byte; the page holds the edit's text, a read shows it signed
    Choice,  // an index into a list of names
};

struct Setting
{
    const char *key;
    Kind kind;
    quint8 bit = 0;  // a switch's option bit; 0 for Interface, which no record carries
    bool ConfigPage::*flag = nullptr;            // Switch
    QString ConfigPage::*text = nullptr;         // Affix, Number
    int ConfigPage::*index = nullptr;            // Choice
    QByteArray SettingsRecord::*codes = nullptr;  // Affix
    quint8 SettingsRecord::*byte = nullptr;      // Number
    int SettingsRecord::*entry = nullptr;        // Choice
    const QStringList *choices = nullptr;        // Choice: the names, index = value
    int low = 0;                                 // what a file may give (Number)
    int high = 1;
    const char *debugLine = nullptr;  // what "&Set Status" logs: the number, or each literal affix code
    const char *switchedBy = nullptr;  // an affix's switch, which enables its edit on the page
    bool overSerial = true;  // false: no read over the serial line returns it
    const char *help = nullptr;  // what --help-all says; rows that say the same are listed together

    // Interface only tells how a file was read: no record carries it, nothing sends it.
    bool applied() const { return kind != Kind::Switch || bit != 0; }
    int highest() const { return choices ? int(choices->size()) - 1 : high; }

    // The page's value: a bool, a text, an index.
    QVariant shown(const ConfigPage &page) const;
    // The value as export writes it into a file and keylon2ctl into JSON: 0 or 1, a number,
    // an affix's text.
    QVariant exported(const ConfigPage &page) const;
    // The value of a file (as the INI reader gives it) or of a widget onto the page, as the
    // window's Import.
    void import(ConfigPage &page, const QVariant &value) const;
    // Page to record and back, as "&Set Status" and the reads do it.
    void toRecord(const ConfigPage &page, SettingsRecord &record) const;
    void toPage(const SettingsRecord &record, ConfigPage &page, bool serial) const;

    // The record's value: a switch 0 or 1, a number or choice as its byte (unsigned); for an
    // affix, codes() instead.
    int raw(const SettingsRecord &record) const;
    const QByteArray &codesOf(const SettingsRecord &record) const { return record.*codes; }
    // Whether two records differ here, and from -> to for this setting alone.
    bool differs(const SettingsRecord &a, const SettingsRecord &b) const;
    void copy(const SettingsRecord &from, SettingsRecord &to) const;
};

// In the order export writes them.
const std::vector<Setting> &all();
const Setting *named(const QString &key);

// The rows in the order the record holds them: the switches bit by bit, the numbers, the
// affixes (what a write's verification lists).
std::vector<const Setting *> recordOrder();

// The keys and what each holds, as --help-all lists them: rows that say the same share an
// entry; Interface, which is never applied, comes last.
QString helpText();

}  // namespace Settings
