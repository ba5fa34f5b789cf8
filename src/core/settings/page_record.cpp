#include "core/settings/page_record.h"

#include <QtDebug>

#include "core/protocol/serial_answers.h"
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
