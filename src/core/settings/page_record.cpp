#include "core/settings/page_record.h"

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

}  // namespace PageRecord
