#include "config_keys.h"

#include <QTest>

namespace ConfigKeys {

namespace {

const struct
{
    const char *key;
    quint8 bit;
} OptionKeys[] = {
    {"RemoveEnable", OptionBits::RemoveEnable}, {"PostEnable", OptionBits::PostEnable},
    {"PreEnable", OptionBits::PreEnable},       {"AutoReport", OptionBits::AutoReport},
    {"Buzzer", OptionBits::Buzzer},             {"RemoveIDCode", OptionBits::RemoveIDCode},
};

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

const QStringList Keys{"Interface", "PreEnable", "Pre", "PostEnable", "Post", "RemoveEnable", "Remove",
                       "RemoveIDCode", "AutoReport", "Buzzer", "OutputStart", "OutputLength", "KBCountry"};

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

ConfigPage page(const Values &values)
{
    ConfigPage page;
    page.interfaceSerial = values["Interface"] == "1";
    page.preEnable = values["PreEnable"] == "1";
    page.postEnable = values["PostEnable"] == "1";
    page.removeEnable = values["RemoveEnable"] == "1";
    page.removeIdCode = values["RemoveIDCode"] == "1";
    page.autoReport = values["AutoReport"] == "1";
    page.buzzer = values["Buzzer"] == "1";
    page.pre = values["Pre"];
    page.post = values["Post"];
    page.remove = values["Remove"];
    page.outputStart = values["OutputStart"];
    page.outputLength = values["OutputLength"];
    page.kbCountry = values["KBCountry"].toInt();
    return page;
}

Values ofPage(const ConfigPage &page)
{
    return {{"Interface", flag(page.interfaceSerial)},
            {"PreEnable", flag(page.preEnable)},
            {"Pre", page.pre},
            {"PostEnable", flag(page.postEnable)},
            {"Post", page.post},
            {"RemoveEnable", flag(page.removeEnable)},
            {"Remove", page.remove},
            {"RemoveIDCode", flag(page.removeIdCode)},
            {"AutoReport", flag(page.autoReport)},
            {"Buzzer", flag(page.buzzer)},
            {"OutputStart", page.outputStart},
            {"OutputLength", page.outputLength},
            {"KBCountry", QString::number(page.kbCountry)}};
}

SettingsRecord record(const Values &values)
{
    SettingsRecord record;
    for (const auto &option : OptionKeys) {
        if (values[option.key] == "1")
            record.options |= option.bit;
    }
    record.outputStart = quint8(values["OutputStart"].toInt());
    record.outputLength = quint8(values["OutputLength"].toInt());
    record.kbCountry = values["KBCountry"].toInt();
    record.pre = values["Pre"].toLatin1();
    record.post = values["Post"].toLatin1();
    record.remove = values["Remove"].toLatin1();
    return record;
}

}  // namespace ConfigKeys
