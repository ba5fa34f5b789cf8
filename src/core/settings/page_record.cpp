#include "core/settings/page_record.h"

#include <QtDebug>

#include "core/text/keycode.h"
#include "core/text/name_tables.h"

namespace PageRecord {

SettingsRecord recordOfPage(const ConfigPage &page)
{
    SettingsRecord record;
    const struct {
        bool on;
        quint8 bit;
    } switches[] = {
        {page.removeEnable, OptionBits::RemoveEnable}, {page.postEnable, OptionBits::PostEnable},
        {page.preEnable, OptionBits::PreEnable},       {page.autoReport, OptionBits::AutoReport},
        {page.buzzer, OptionBits::Buzzer},             {page.removeIdCode, OptionBits::RemoveIDCode},
    };
    for (const auto &option : switches) {
        if (option.on)
            record.options |= option.bit;
    }

    const int start = page.outputStart.toInt(nullptr, 10);
    const int length = page.outputLength.toInt(nullptr, 10);
    qDebug("t1num: %d", start);
    qDebug("t2num: %d", length);
    record.outputStart = quint8(start);
    record.outputLength = quint8(length);
    record.kbCountry = quint8(page.kbCountry);

    record.pre = TextToDeviceCodes(page.pre, "PreVal=%x");
    record.post = TextToDeviceCodes(page.post, "PosVal=%x");
    record.remove = TextToDeviceCodes(page.remove, "RemoveVal=%x");
    return record;
}

ConfigPage pageOfRecord(const SettingsRecord &record, bool serial)
{
    ConfigPage page;
    const int end = record.version.indexOf('\0');
    page.firmwareVersion = QString::fromLatin1(end < 0 ? record.version : record.version.left(end));
    page.interfaceSerial = serial;
    page.removeEnable = record.options & OptionBits::RemoveEnable;
    page.postEnable = record.options & OptionBits::PostEnable;
    page.preEnable = record.options & OptionBits::PreEnable;
    page.autoReport = record.options & OptionBits::AutoReport;
    page.buzzer = record.options & OptionBits::Buzzer;
    page.removeIdCode = record.options & OptionBits::RemoveIDCode;
    page.outputStart = QString::number(qint8(record.outputStart));
    page.outputLength = QString::number(qint8(record.outputLength));
    page.kbCountry = record.kbCountry >= 0 && record.kbCountry < CountryNames.size() ? record.kbCountry : -1;
    const auto text = [serial](const QByteArray &codes) {
        return serial ? SerialDisplayText(codes) : DeviceCodesToText(codes);
    };
    page.pre = text(record.pre);
    page.post = text(record.post);
    page.remove = text(record.remove);
    return page;
}

}  // namespace PageRecord
