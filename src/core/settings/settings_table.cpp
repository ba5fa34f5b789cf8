#include "core/settings/settings_table.h"

#include <QtDebug>

#include <algorithm>

#include "core/text/keycode.h"
#include "core/text/name_tables.h"

namespace Settings {

const std::vector<Setting> &all()
{
    using P = ConfigPage;
    using R = SettingsRecord;
    static const std::vector<Setting> table = {
        {"Interface", Kind::Switch, nullptr, 0, &P::interfaceSerial,
         QT_TRANSLATE_NOOP("Keylon2ctl", "0 USB keyboard, 1 serial: the interface the file was read over; never applied")},
        {"PreEnable", Kind::Switch, "PreAmbleChk", OptionBits::PreEnable, &P::preEnable},
        {"Pre", Kind::Affix, "PreAmbleEdit", 0, nullptr, nullptr, &P::pre, &R::pre, nullptr, "PreVal=%x", "PreEnable",
         nullptr, nullptr, nullptr, false, QT_TRANSLATE_NOOP("Core", "PreAmble"), "Pre_cmb", 0x20, 0x21,
         "PreAmble Len=%d %x %x %x %x", "PreAmble Len=%d %x %x %x %x"},
        {"PostEnable", Kind::Switch, "PostAmbleChk", OptionBits::PostEnable, &P::postEnable},
        {"Post", Kind::Affix, "PostAmbleEdit", 0, nullptr, nullptr, &P::post, &R::post, nullptr, "PosVal=%x",
         "PostEnable", nullptr, nullptr, nullptr, false, QT_TRANSLATE_NOOP("Core", "PostAmble"), "Post_cmb", 0x24, 0x25,
         "PostAmble Len=%d %x %x %x %x", "PostAmble Len=%d %x %x %x %x"},
        {"RemoveEnable", Kind::Switch, "RemoveDataChk", OptionBits::RemoveEnable, &P::removeEnable},
        {"Remove", Kind::Affix, "RemoveDataEdit", 0, nullptr, nullptr, &P::remove, &R::remove, nullptr, "RemoveVal=%x",
         "RemoveEnable", nullptr, nullptr, nullptr, false, QT_TRANSLATE_NOOP("Core", "Remove Data"), "Remove_cmb", 0x28,
         0x29, "Revome data Len=%d %x %x %x %x", "Remove Data Len=%d %x %x %x %x"},
        {"RemoveIDCode", Kind::Switch, "RemoveIDCodeChk", OptionBits::RemoveIDCode, &P::removeIdCode},
        {"AutoReport", Kind::Switch, "AutoReportChk", OptionBits::AutoReport, &P::autoReport},
        {"Buzzer", Kind::Switch, "BuzzerEnableChk", OptionBits::Buzzer, &P::buzzer},
        {"OutputStart", Kind::Number, "KLNOutStartEdit", 0, nullptr, nullptr, &P::outputStart, nullptr, &R::outputStart,
         "t1num: %d"},
        {"OutputLength", Kind::Number, "KLNOutLengthEdit", 0, nullptr, nullptr, &P::outputLength, nullptr,
         &R::outputLength, "t2num: %d"},
        //: %1: the keyboard countries with their numbers
        {"KBCountry", Kind::Choice, "KB_cmb", 0, nullptr,
         QT_TRANSLATE_NOOP("Keylon2ctl", "%1; not on the serial interface"), nullptr, nullptr, nullptr,
         nullptr, nullptr, &P::kbCountry, &R::kbCountry, &CountryNames, true},
    };
    return table;
}

const std::vector<const Setting *> &affixes()
{
    static const std::vector<const Setting *> rows = [] {
        std::vector<const Setting *> found;
        for (const Setting &row : all()) {
            if (row.kind == Kind::Affix)
                found.push_back(&row);
        }
        Q_ASSERT(int(found.size()) == RecordFields::AffixCount);
        return found;
    }();
    return rows;
}

QVariant Setting::shown(const ConfigPage &page) const
{
    return kind == Kind::Switch ? QVariant(page.*flag) : kind == Kind::Choice ? QVariant(page.*index) : QVariant(page.*text);
}

QVariant Setting::exported(const ConfigPage &page) const
{
    if (kind == Kind::Switch)
        return page.*flag ? 1 : 0;
    return kind == Kind::Number ? outputNumber(page.*text) : shown(page);
}

void Setting::import(ConfigPage &page, const QVariant &value) const
{
    switch (kind) {
    case Kind::Switch: page.*flag = value.toBool(); break;
    case Kind::Choice: page.*index = value.toInt(); break;
    case Kind::Affix:
    case Kind::Number: page.*text = textOf(value); break;
    }
}

void Setting::toRecord(const ConfigPage &page, SettingsRecord &record) const
{
    switch (kind) {
    case Kind::Switch: record.options |= page.*flag ? bit : 0; break;
    case Kind::Affix: record.*codes = TextToDeviceCodes(page.*text, debugLine); break;
    case Kind::Choice: record.*entry = quint8(page.*index); break;
    case Kind::Number:
        // Read in base 10 (not a number reads as 0) and cut to one byte: 300 goes out as 0x2C.
        const int value = (page.*text).toInt(nullptr, 10);
        qDebug(debugLine, value);
        record.*byte = quint8(value);
        break;
    }
}

void Setting::toPage(const SettingsRecord &record, ConfigPage &page, bool serial) const
{
    switch (kind) {
    case Kind::Switch: page.*flag = applied() ? record.options & bit : serial; break;  // Interface: the line read over
    case Kind::Affix: page.*text = serial ? SerialDisplayText(record.*codes) : DeviceCodesToText(record.*codes); break;
    case Kind::Number: page.*text = QString::number(qint8(record.*byte)); break;
    case Kind::Choice:  // -1: no entry of the list
        page.*index = holds(record.*entry) ? record.*entry : -1;
        break;
    }
}

int Setting::raw(const SettingsRecord &record) const
{
    if (kind == Kind::Switch)
        return record.options & bit ? 1 : 0;
    return kind == Kind::Number ? record.*byte : kind == Kind::Choice ? quint8(record.*entry) : 0;
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
        return (row->kind == Kind::Affix ? 512 : row->bit ? 0 : 256) + row->bit;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](const Setting *a, const Setting *b) { return rank(a) < rank(b); });
    return order;
}

Message helpText()
{
    QList<Message> helps;
    QStringList spelled;  // each help in English: rows that say the same share an entry
    QList<QStringList> keys;
    for (const bool applied : {true, false}) {
        for (const Setting &row : all()) {
            if (row.applied() != applied)
                continue;
            Message help(CtlRoom, row.help);
            if (row.kind == Kind::Switch && !row.help)
                help = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "0 or 1 (true and false are taken too)"));
            else if (row.kind == Kind::Affix)
                help = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the preamble, postamble and remove data, in the "
                                                                        "bracket notation; at most 31 codes each"));
            else if (row.kind == Kind::Number)
                help = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 to %2: the reader keeps one byte, and a "
                                                                        "read shows it signed"))
                           .arg(row.low(), row.high());
            QStringList choices;
            for (int index = 0; row.choices && index < int(row.choices->size()); ++index)
                choices << QStringLiteral("%1 %2").arg(index).arg(row.choices->at(index));
            if (row.choices)
                help.arg(choices.join(QStringLiteral(", ")));
            if (!spelled.contains(help.english())) {
                spelled << help.english();
                helps << help;
                keys << QStringList();
            }
            keys[spelled.indexOf(help.english())] << QLatin1String(row.key);
        }
    }
    QList<Message> lines;
    for (int i = 0; i < helps.size(); ++i) {
        lines << Message::plain(QStringLiteral("  %1\n        %2\n"))
                     .arg(keys.at(i).join(QStringLiteral(", ")), helps.at(i));
    }
    return Message::joined(lines, QString());
}

std::optional<int> switchValue(const QString &text)
{
    const QString word = text.toLower();
    if (word == QLatin1String("1") || word == QLatin1String("true"))
        return 1;
    if (word == QLatin1String("0") || word == QLatin1String("false"))
        return 0;
    return std::nullopt;
}

std::optional<int> numberValue(const QString &text)
{
    bool number = false;
    const int value = text.toInt(&number, 10);
    return number ? std::optional<int>(value) : std::nullopt;
}

int unclosedBracket(const QString &text)
{
    for (int open = text.indexOf(QLatin1Char('[')); open >= 0;) {
        const int next = text.indexOf(QLatin1Char('['), open + 1);
        const int close = text.indexOf(QLatin1Char(']'), open);
        if (close < 0 || (next >= 0 && close > next))
            return open;
        open = next;
    }
    return -1;
}

int outputNumber(const QString &text)
{
    return numberValue(text).value_or(0);
}

QString textOf(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

}  // namespace Settings
