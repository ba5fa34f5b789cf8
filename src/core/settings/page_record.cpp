#include "core/settings/page_record.h"

#include "core/protocol/serial_answers.h"
#include "core/settings/settings_table.h"

namespace PageRecord {

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
    const int end = record.version.indexOf('\0');
    page.firmwareVersion = QString::fromLatin1(end < 0 ? record.version : record.version.left(end));
    for (const Settings::Setting &setting : Settings::all())
        setting.toPage(record, page, serial);
    return page;
}

ConfigPage pageOfRead(const SettingsRecord &record, ReadPath path)
{
    ConfigPage page = pageOfRecord(record, path == ReadPath::Serial);
    page.kbCountry = record.kbCountry;
    if (path == ReadPath::Serial) {
        page.firmwareVersion = SerialAnswers::versionText(record.version);
        return page;
    }
    // Over USB HID each byte is one character. The reader pads the field with NULs; they are
    // no part of the version and would show as boxes and go into exported files.
    page.firmwareVersion.clear();
    for (char byte : record.version)
        page.firmwareVersion.append(QChar(quint8(byte)));
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
        page.pre = plain(record.pre);
        page.post = plain(record.post);
        page.remove = plain(record.remove);
    }
    return page;
}

}  // namespace PageRecord
