#include "ctl_jobs.h"

#include <QVector>

#include <atomic>
#include <thread>
#include <vector>

#include "config/page_record.h"
#include "ctl.h"
#include "ctl_device.h"

namespace Ctl {

namespace {

JobResult failed(const ReaderList::Reader &reader, const SessionResult &result)
{
    return {ReaderFailed, QStringLiteral("%1: %2").arg(reader.device(), result.describe())};
}

QString codesText(const QByteArray &codes)
{
    return codes.isEmpty() ? QStringLiteral("none") : QString::fromLatin1(codes.toHex(' '));
}

}  // namespace

ReadJob readReader(const ReaderList::Reader &reader)
{
    ReadJob job;
    Opened opened = open(reader);
    if (!opened.transport) {
        job.result = {opened.exitCode, opened.error};
        return job;
    }
    quint8 sequence = 1;
    ReaderSession session(*opened.transport, sequence);
    // What the line held before the request (a key read) is not part of the answers.
    QByteArray pending;
    opened.transport->receive(pending, 0);
    const ReaderSession::SettingsRead read = session.readSettings();
    if (!read.result.ok()) {
        job.result = failed(reader, read.result);
        return job;
    }
    const bool serial = reader.kind == Transport::Kind::Serial;
    SettingsRecord record = read.record;
    if (!read.hasCountry)
        record.kbCountry = 0;  // the serial interface has no country to read
    job.page = PageRecord::pageOfRecord(record, serial);
    return job;
}

QStringList differences(const SettingsRecord &wrote, const ReaderSession::SettingsRead &read)
{
    QStringList fields;
    const SettingsRecord &held = read.record;
    const struct {
        const char *key;
        quint8 bit;
    } switches[] = {
        {"RemoveEnable", OptionBits::RemoveEnable}, {"PostEnable", OptionBits::PostEnable},
        {"PreEnable", OptionBits::PreEnable},       {"AutoReport", OptionBits::AutoReport},
        {"Buzzer", OptionBits::Buzzer},             {"RemoveIDCode", OptionBits::RemoveIDCode},
    };
    for (const auto &option : switches) {
        if ((wrote.options & option.bit) != (held.options & option.bit))
            fields << QStringLiteral("%1 is %2, wrote %3")
                          .arg(QLatin1String(option.key))
                          .arg(held.options & option.bit ? 1 : 0)
                          .arg(wrote.options & option.bit ? 1 : 0);
    }
    const auto number = [&](const char *key, int heldValue, int wroteValue) {
        if (heldValue != wroteValue)
            fields << QStringLiteral("%1 is %2, wrote %3").arg(QLatin1String(key)).arg(heldValue).arg(wroteValue);
    };
    number("OutputStart", held.outputStart, wrote.outputStart);
    number("OutputLength", held.outputLength, wrote.outputLength);
    if (read.hasCountry)
        number("KBCountry", quint8(held.kbCountry), quint8(wrote.kbCountry));
    const auto affix = [&](const char *key, const QByteArray &heldCodes, const QByteArray &wroteCodes) {
        if (heldCodes != wroteCodes)
            fields << QStringLiteral("%1 is %2, wrote %3")
                          .arg(QLatin1String(key), codesText(heldCodes), codesText(wroteCodes));
    };
    affix("Pre", held.pre, wrote.pre);
    affix("Post", held.post, wrote.post);
    affix("Remove", held.remove, wrote.remove);
    return fields;
}

JobResult writeReader(const ReaderList::Reader &reader, const SettingsRecord &record, bool verify)
{
    Opened opened = open(reader);
    if (!opened.transport)
        return {opened.exitCode, opened.error};
    quint8 sequence = 1;
    ReaderSession session(*opened.transport, sequence);
    const quint8 own = reader.kind == Transport::Kind::Serial ? 1 : 0;
    const SessionResult written = session.writeSettings(record, own);
    if (!written.ok())
        return failed(reader, written);
    if (!verify)
        return {Success, QStringLiteral("%1: written and saved").arg(reader.device())};

    QByteArray pending;
    opened.transport->receive(pending, 0);
    const ReaderSession::SettingsRead read = session.readSettings();
    if (!read.result.ok())
        return failed(reader, read.result);
    const QStringList fields = differences(record, read);
    if (!fields.isEmpty())
        return {ReaderFailed,
                QStringLiteral("%1: verify failed: %2").arg(reader.device(), fields.join(QStringLiteral("; ")))};
    return {Success, QStringLiteral("%1: written, saved and verified").arg(reader.device())};
}

QList<JobResult> forEachReader(const QList<ReaderList::Reader> &readers, int jobs,
                               const std::function<JobResult(const ReaderList::Reader &)> &job)
{
    QVector<JobResult> results(readers.size());
    const int threads = jobs <= 0 ? readers.size() : qMin(jobs, int(readers.size()));
    std::atomic<int> next{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (int i = next++; i < readers.size(); i = next++)
                results[i] = job(readers.at(i));
        });
    }
    for (std::thread &worker : workers)
        worker.join();
    return results.toList();
}

}  // namespace Ctl
