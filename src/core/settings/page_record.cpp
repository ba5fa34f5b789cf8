#include "core/settings/page_record.h"

#include "core/settings/settings_table.h"

namespace PageRecord {

QString versionText(const QByteArray &version, bool utf8)
{
    const int end = version.indexOf('\0');
    const QByteArray text = end < 0 ? version : version.left(end);
    return utf8 ? QString::fromUtf8(text) : QString::fromLatin1(text);
}

SettingsRecord recordOfPage(const ConfigPage &page)
{
    SettingsRecord record;
    for (const Settings::Setting *setting : Settings::recordOrder())
        setting->toRecord(page, record);
    return record;
}

ConfigPage pageOfRecord(const SettingsRecord &record, bool serial)
{
    ConfigPage page;
    page.firmwareVersion = versionText(record.version);
    for (const Settings::Setting &setting : Settings::all())
        setting.toPage(record, page, serial);
    return page;
}

ConfigPage pageOfRead(const SettingsRecord &record, ReadPath path)
{
    ConfigPage page = pageOfRecord(record, path == ReadPath::Serial);
    page.kbCountry = record.kbCountry;
    if (path == ReadPath::Serial) {
        page.firmwareVersion = versionText(record.version, true);
        return page;
    }
    // Over USB HID each byte is one character. The reader pads the field with NULs; they are
    // no part of the version and would show as boxes and go into exported files.
    page.firmwareVersion = QString::fromLatin1(record.version.constData(), record.version.size());
    while (page.firmwareVersion.endsWith(QChar(0)))
        page.firmwareVersion.chop(1);
    if (path == ReadPath::StatusPage) {
        page.outputStart = QString::number(record.outputStart);
        page.outputLength = QString::number(record.outputLength);
        // Each code on its own: 0x00 gives nothing, 0x80 and up the replacement character.
        const auto plain = [](const QByteArray &codes) {
            QString text;
            for (char code : codes)
                text += QString::fromUtf8(&code, 1).remove(QChar(0));
            return text;
        };
        for (const Settings::Setting *affix : Settings::affixes())
            page.*affix->text = plain(record.*affix->codes);
    }
    return page;
}

}  // namespace PageRecord
