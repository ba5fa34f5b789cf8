#include "config/config_mapping.h"

#include <QSettings>

namespace ConfigFile {

namespace {

// The INI reader takes an unquoted value with commas in it for a list. Export quotes such
// texts, but a file written by hand ("Pre=AB,[CR]") would otherwise lose the whole affix.
QString textOf(const QVariant &value)
{
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

}  // namespace

int outputNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

void write(const QString &path, const ConfigPage &page)
{
    QSettings file(path, QSettings::IniFormat);
    file.setIniCodec("UTF-8");
    file.setValue("FW/Ver", page.firmwareVersion);
    file.setValue("KEYLON/Interface", page.interfaceSerial ? 1 : 0);
    file.setValue("KEYLON/PreEnable", page.preEnable ? 1 : 0);
    file.setValue("KEYLON/Pre", page.pre);
    file.setValue("KEYLON/PostEnable", page.postEnable ? 1 : 0);
    file.setValue("KEYLON/Post", page.post);
    file.setValue("KEYLON/RemoveEnable", page.removeEnable ? 1 : 0);
    file.setValue("KEYLON/Remove", page.remove);
    file.setValue("KEYLON/RemoveIDCode", page.removeIdCode ? 1 : 0);
    file.setValue("KEYLON/AutoReport", page.autoReport ? 1 : 0);
    file.setValue("KEYLON/Buzzer", page.buzzer ? 1 : 0);
    file.setValue("KEYLON/OutputStart", outputNumber(page.outputStart));
    file.setValue("KEYLON/OutputLength", outputNumber(page.outputLength));
    file.setValue("KEYLON/KBCountry", page.kbCountry);
    // The file is written when the settings object goes.
}

ConfigPage read(const QString &path)
{
    QSettings file(path, QSettings::IniFormat);
    // Export writes UTF-8; reading with the INI default would turn each byte of a non-ASCII
    // character into a Latin-1 character of its own.
    file.setIniCodec("UTF-8");

    ConfigPage page;
    file.value("FW/Ver");  // kept in the file for the operator, never applied
    page.interfaceSerial = file.value("KEYLON/Interface").toBool();
    page.preEnable = file.value("KEYLON/PreEnable").toBool();
    page.postEnable = file.value("KEYLON/PostEnable").toBool();
    page.removeEnable = file.value("KEYLON/RemoveEnable").toBool();
    page.removeIdCode = file.value("KEYLON/RemoveIDCode").toBool();
    page.autoReport = file.value("KEYLON/AutoReport").toBool();
    page.buzzer = file.value("KEYLON/Buzzer").toBool();
    page.pre = textOf(file.value("KEYLON/Pre"));
    page.post = textOf(file.value("KEYLON/Post"));
    page.remove = textOf(file.value("KEYLON/Remove"));
    page.outputStart = textOf(file.value("KEYLON/OutputStart"));
    page.outputLength = textOf(file.value("KEYLON/OutputLength"));
    page.kbCountry = file.value("KEYLON/KBCountry").toInt();
    return page;
}

}  // namespace ConfigFile
