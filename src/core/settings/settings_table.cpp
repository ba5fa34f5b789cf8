#include "core/settings/settings_table.h"

#include <QCoreApplication>
#include <QtDebug>

#include <algorithm>

#include "core/text/keycode.h"
#include "core/text/name_tables.h"

namespace Settings {

namespace {

using P = ConfigPage;
using R = SettingsRecord;

Setting onOff(const char *key, quint8 bit, bool P::*flag, const char *widget)
{
    Setting row{key, Kind::Switch};
    row.bit = bit;
    row.flag = flag;
    row.widget = widget;
    return row;
}

Setting affix(const char *key, QString P::*text, QByteArray R::*codes, const char *debugLine, const char *switchedBy,
              const char *widget)
{
    Setting row{key, Kind::Affix};
    row.text = text;
    row.codes = codes;
    row.debugLine = debugLine;
    row.switchedBy = switchedBy;
    row.widget = widget;
    return row;
}

Setting travels(Setting row, const char *label, const char *picker, quint8 readCommand, const char *readLine,
                const char *oneShotLine)
{
    row.label = label;
    row.picker = picker;
    row.readCommand = readCommand;
    row.writeCommand = quint8(readCommand + 1);  // the reader writes an affix with the code after its read
    row.readLine = readLine;
    row.oneShotLine = oneShotLine;
    return row;
}

Setting number(const char *key, QString P::*text, quint8 R::*byte, const char *debugLine, const char *widget)
{
    Setting row{key, Kind::Number};
    row.text = text;
    row.byte = byte;
    row.debugLine = debugLine;
    row.widget = widget;
    return row;
}

}  // namespace

const std::vector<Setting> &all()
{
    static const std::vector<Setting> table = [] {
        Setting interface = onOff("Interface", 0, &P::interfaceSerial, nullptr);
        interface.help = "0 USB keyboard, 1 serial: the interface the file was read over; never applied";
        Setting country{"KBCountry", Kind::Choice};
        country.help = "; not on the serial interface";
        country.index = &P::kbCountry;
        country.entry = &R::kbCountry;
        country.choices = &CountryNames;
        country.usbOnly = true;
        country.widget = "KB_cmb";
        // The affixes' read commands: 0x20, 0x24, 0x28.
        return std::vector<Setting>{
            interface,
            onOff("PreEnable", OptionBits::PreEnable, &P::preEnable, "PreAmbleChk"),
            travels(affix("Pre", &P::pre, &R::pre, "PreVal=%x", "PreEnable", "PreAmbleEdit"),
                    QT_TRANSLATE_NOOP("Core", "PreAmble"), "Pre_cmb", 0x20, "PreAmble Len=%d %x %x %x %x",
                    "PreAmble Len=%d %x %x %x %x"),
            onOff("PostEnable", OptionBits::PostEnable, &P::postEnable, "PostAmbleChk"),
            travels(affix("Post", &P::post, &R::post, "PosVal=%x", "PostEnable", "PostAmbleEdit"),
                    QT_TRANSLATE_NOOP("Core", "PostAmble"), "Post_cmb", 0x24, "PostAmble Len=%d %x %x %x %x",
                    "PostAmble Len=%d %x %x %x %x"),
            onOff("RemoveEnable", OptionBits::RemoveEnable, &P::removeEnable, "RemoveDataChk"),
            travels(affix("Remove", &P::remove, &R::remove, "RemoveVal=%x", "RemoveEnable", "RemoveDataEdit"),
                    QT_TRANSLATE_NOOP("Core", "Remove Data"), "Remove_cmb", 0x28, "Revome data Len=%d %x %x %x %x",
                    "Remove Data Len=%d %x %x %x %x"),
            onOff("RemoveIDCode", OptionBits::RemoveIDCode, &P::removeIdCode, "RemoveIDCodeChk"),
            onOff("AutoReport", OptionBits::AutoReport, &P::autoReport, "AutoReportChk"),
            onOff("Buzzer", OptionBits::Buzzer, &P::buzzer, "BuzzerEnableChk"),
            number("OutputStart", &P::outputStart, &R::outputStart, "t1num: %d", "KLNOutStartEdit"),
            number("OutputLength", &P::outputLength, &R::outputLength, "t2num: %d", "KLNOutLengthEdit"),
            country,
        };
    }();
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

QString helpText()
{
    QStringList helps;
    QList<QStringList> keys;
    for (const bool applied : {true, false}) {
        for (const Setting &row : all()) {
            if (row.applied() != applied)
                continue;
            QString help = QString::fromLatin1(row.help);
            if (row.kind == Kind::Switch && !row.help)
                help = QStringLiteral("0 or 1 (true and false are taken too)");
            else if (row.kind == Kind::Affix)
                help = QStringLiteral("the preamble, postamble and remove data, in the bracket notation; "
                                      "at most 31 codes each");
            else if (row.kind == Kind::Number)
                help = QStringLiteral("%1 to %2: the reader keeps one byte, and a read shows it signed")
                           .arg(row.low())
                           .arg(row.high());
            for (int index = row.choices ? int(row.choices->size()) - 1 : -1; index >= 0; --index)
                help.prepend(QStringLiteral("%1%2 %3")
                                 .arg(index ? QStringLiteral(", ") : QString())
                                 .arg(index)
                                 .arg(row.choices->at(index)));
            if (!helps.contains(help)) {
                helps << help;
                keys << QStringList();
            }
            keys[helps.indexOf(help)] << QLatin1String(row.key);
        }
    }
    QString text;
    for (int i = 0; i < helps.size(); ++i)
        text += QStringLiteral("  %1\n        %2\n").arg(keys.at(i).join(QStringLiteral(", ")), helps.at(i));
    return text;
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
    const int open = text.lastIndexOf(QLatin1Char('['));
    return open >= 0 && text.indexOf(QLatin1Char(']'), open) < 0 ? open : -1;
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
