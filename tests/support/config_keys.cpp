#include "config_keys.h"

#include <QTest>

namespace ConfigKeys {

namespace {

using Settings::Kind;

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

const QStringList Keys = [] {
    QStringList keys;
    for (const Settings::Setting &setting : Settings::all())
        keys << QLatin1String(setting.key);
    return keys;
}();

Values base()
{
    Values values;
    for (const QString &key : Keys)
        values[key] = QStringLiteral("0");
    values["Pre"] = "A";
    values["Post"] = "B";
    values["Remove"] = "C";
    values["OutputStart"] = "1";
    values["OutputLength"] = "2";
    values["KBCountry"] = "3";
    return values;
}

void addRows()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const Values other{{"Pre", "XY"},        {"Post", "XY"},        {"Remove", "XY"},
                       {"OutputStart", "5"}, {"OutputLength", "7"}, {"KBCountry", "4"}};
    for (const QString &key : Keys)
        QTest::newRow(qPrintable(key)) << key << other.value(key, QStringLiteral("1"));
}

Values ofRow()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    Values values = base();
    values[key] = value;
    return values;
}

QStringList lines(const Values &values)
{
    QStringList result;
    for (const QString &key : Keys)
        result << key + '=' + values.value(key, QStringLiteral("(absent)"));
    return result;
}

QByteArray fileText(const Values &values)
{
    return "[FW]\nVer=\n\n[KEYLON]\n" + lines(values).join('\n').toUtf8() + '\n';
}

Values ofFileText(const QByteArray &text)
{
    Values values;
    bool inKeylon = false;
    for (const QByteArray &raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[')) {
            inKeylon = line == QLatin1String("[KEYLON]");
            continue;
        }
        const int equals = line.indexOf('=');
        if (inKeylon && equals > 0)
            values[line.left(equals)] = line.mid(equals + 1);
    }
    return values;
}

// A switch is "1" or "0"; an affix or the output window its text; the country its index.
ConfigPage page(const Values &values)
{
    ConfigPage page;
    for (const Settings::Setting &setting : Settings::all()) {
        const QString value = values[setting.key];
        setting.import(page, setting.kind == Kind::Switch ? QVariant(value == "1") : QVariant(value));
    }
    return page;
}

Values ofPage(const ConfigPage &page)
{
    Values values;
    for (const Settings::Setting &setting : Settings::all())
        values[setting.key] = setting.kind == Kind::Switch ? flag(page.*setting.flag) : setting.shown(page).toString();
    return values;
}

SettingsRecord record(const Values &values)
{
    SettingsRecord record;
    for (const Settings::Setting &setting : Settings::all()) {
        const QString value = values[setting.key];
        switch (setting.kind) {
        case Kind::Switch:
            if (value == "1")
                record.options |= setting.bit;
            break;
        case Kind::Affix: record.*setting.codes = value.toLatin1(); break;
        case Kind::Number: record.*setting.byte = quint8(value.toInt()); break;
        case Kind::Choice: record.*setting.entry = value.toInt(); break;
        }
    }
    return record;
}

}  // namespace ConfigKeys
