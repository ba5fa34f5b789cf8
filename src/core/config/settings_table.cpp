#include "config/settings_table.h"

#include <QtDebug>

#include <algorithm>

#include "config/config_mapping.h"
#include "text/keycode.h"
#include "text/name_tables.h"

namespace Settings {

namespace {

const char SwitchHelp[] = "0 or 1 (true and false are taken too)";
const char AffixHelp[] = "the preamble, postamble and remove data, in the bracket notation; at most 31 codes each";

Setting switchRow(const char *key, quint8 bit, bool ConfigPage::*flag)
{
    Setting row{key, Kind::Switch};
    row.bit = bit;
    row.flag = flag;
    row.help = SwitchHelp;
    return row;
}

Setting affixRow(const char *key, QString ConfigPage::*text, QByteArray SettingsRecord::*codes, const char *debugLine,
                 const char *switchedBy)
{
    Setting row{key, Kind::Affix};
    row.text = text;
    row.codes = codes;
    row.debugLine = debugLine;
    row.switchedBy = switchedBy;
    row.help = AffixHelp;
    return row;
}

// The output window is one byte that a read shows signed, so only -128 to 127 comes back as it
// was written (200 would read back as -56).
Setting numberRow(const char *key, QString ConfigPage::*text, quint8 SettingsRecord::*byte, const char *debugLine)
{
    Setting row{key, Kind::Number};
    row.text = text;
    row.byte = byte;
    row.low = -128;
    row.high = 127;
    row.debugLine = debugLine;
    row.help = ": the reader keeps one byte, and a read shows it signed";
    return row;
}

std::vector<Setting> rows()
{
    Setting interface = switchRow("Interface", 0, &ConfigPage::interfaceSerial);
    interface.help = "0 USB keyboard, 1 serial: the interface the file was read over; never applied";

    Setting country{"KBCountry", Kind::Choice};
    country.index = &ConfigPage::kbCountry;
    country.entry = &SettingsRecord::kbCountry;
    country.choices = &CountryNames;
    country.overSerial = false;
    country.help = "; not on the serial interface";

    return {
        interface,
        switchRow("PreEnable", OptionBits::PreEnable, &ConfigPage::preEnable),
        affixRow("Pre", &ConfigPage::pre, &SettingsRecord::pre, "PreVal=%x", "PreEnable"),
        switchRow("PostEnable", OptionBits::PostEnable, &ConfigPage::postEnable),
        affixRow("Post", &ConfigPage::post, &SettingsRecord::post, "PosVal=%x", "PostEnable"),
        switchRow("RemoveEnable", OptionBits::RemoveEnable, &ConfigPage::removeEnable),
        affixRow("Remove", &ConfigPage::remove, &SettingsRecord::remove, "RemoveVal=%x", "RemoveEnable"),
        switchRow("RemoveIDCode", OptionBits::RemoveIDCode, &ConfigPage::removeIdCode),
        switchRow("AutoReport", OptionBits::AutoReport, &ConfigPage::autoReport),
        switchRow("Buzzer", OptionBits::Buzzer, &ConfigPage::buzzer),
        numberRow("OutputStart", &ConfigPage::outputStart, &SettingsRecord::outputStart, "t1num: %d"),
        numberRow("OutputLength", &ConfigPage::outputLength, &SettingsRecord::outputLength, "t2num: %d"),
        country,
    };
}

}  // namespace

QVariant Setting::shown(const ConfigPage &page) const
{
    switch (kind) {
    case Kind::Switch: return page.*flag;
    case Kind::Affix:
    case Kind::Number: return page.*text;
    case Kind::Choice: break;
    }
    return page.*index;
}

QVariant Setting::exported(const ConfigPage &page) const
{
    if (kind == Kind::Switch)
        return page.*flag ? 1 : 0;
    return kind == Kind::Number ? ConfigFile::outputNumber(page.*text) : shown(page);
}

void Setting::import(ConfigPage &page, const QVariant &value) const
{
    switch (kind) {
    case Kind::Switch: page.*flag = value.toBool(); break;
    case Kind::Affix:
    case Kind::Number: page.*text = ConfigFile::textOf(value); break;
    case Kind::Choice: page.*index = value.toInt(); break;
    }
}

void Setting::toRecord(const ConfigPage &page, SettingsRecord &record) const
{
    switch (kind) {
    case Kind::Switch:
        if (page.*flag)
            record.options |= bit;
        break;
    case Kind::Affix: record.*codes = TextToDeviceCodes(page.*text, debugLine); break;
    case Kind::Number: {
        // Read in base 10 (not a number reads as 0) and cut to one byte: 300 goes out as 0x2C,
        // -1 as 0xFF.
        const int value = (page.*text).toInt(nullptr, 10);
        qDebug(debugLine, value);
        record.*byte = quint8(value);
        break;
    }
    case Kind::Choice: record.*entry = quint8(page.*index); break;
    }
}

void Setting::toPage(const SettingsRecord &record, ConfigPage &page, bool serial) const
{
    switch (kind) {
    case Kind::Switch:
        page.*flag = applied() ? record.options & bit : serial;  // Interface: the line it was read over
        break;
    case Kind::Affix: page.*text = serial ? SerialDisplayText(record.*codes) : DeviceCodesToText(record.*codes); break;
    case Kind::Number: page.*text = QString::number(qint8(record.*byte)); break;
    case Kind::Choice: {
        const int value = record.*entry;
        page.*index = value >= 0 && value < choices->size() ? value : -1;  // -1: no entry
        break;
    }
    }
}

int Setting::raw(const SettingsRecord &record) const
{
    switch (kind) {
    case Kind::Switch: return record.options & bit ? 1 : 0;
    case Kind::Number: return record.*byte;
    case Kind::Choice: return quint8(record.*entry);
    case Kind::Affix: break;
    }
    return 0;
}

bool Setting::differs(const SettingsRecord &a, const SettingsRecord &b) const
{
    return kind == Kind::Affix ? a.*codes != b.*codes : raw(a) != raw(b);
}

void Setting::copy(const SettingsRecord &from, SettingsRecord &to) const
{
    switch (kind) {
    case Kind::Switch: to.options = quint8((to.options & ~bit) | (from.options & bit)); break;
    case Kind::Affix: to.*codes = from.*codes; break;
    case Kind::Number: to.*byte = from.*byte; break;
    case Kind::Choice: to.*entry = quint8(from.*entry); break;
    }
}

const std::vector<Setting> &all()
{
    static const std::vector<Setting> table = rows();
    return table;
}

const Setting *named(const QString &key)
{
    for (const Setting &row : all()) {
        if (key == QLatin1String(row.key))
            return &row;
    }
    return nullptr;
}

std::vector<const Setting *> recordOrder()
{
    std::vector<const Setting *> order;
    for (const Setting &row : all()) {
        if (row.applied())
            order.push_back(&row);
    }
    const auto rank = [](const Setting *row) {
        const int kinds[] = {0, 2, 1, 1};  // switches, numbers and choices, affixes
        return kinds[int(row->kind)] * 256 + row->bit;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](const Setting *a, const Setting *b) { return rank(a) < rank(b); });
    return order;
}

QString helpText()
{
    std::vector<const Setting *> rows;
    for (const Setting &row : all())
        rows.push_back(&row);
    std::stable_partition(rows.begin(), rows.end(), [](const Setting *row) { return row->applied(); });

    QStringList helps;
    QList<QStringList> keys;
    for (const Setting *row : rows) {
        QString help = QLatin1String(row->help);
        if (row->kind == Kind::Number)
            help.prepend(QStringLiteral("%1 to %2").arg(row->low).arg(row->high));
        if (row->choices) {
            QStringList names;
            for (int index = 0; index < row->choices->size(); ++index)
                names << QStringLiteral("%1 %2").arg(index).arg(row->choices->at(index));
            help.prepend(names.join(QStringLiteral(", ")));
        }
        const int at = helps.indexOf(help);
        if (at >= 0) {
            keys[at] << QLatin1String(row->key);
        } else {
            helps << help;
            keys << QStringList{QLatin1String(row->key)};
        }
    }
    QString text;
    for (int i = 0; i < helps.size(); ++i)
        text += QStringLiteral("  ") + keys.at(i).join(QStringLiteral(", ")) + QStringLiteral("\n        ") + helps.at(i)
            + QLatin1Char('\n');
    return text;
}

}  // namespace Settings
