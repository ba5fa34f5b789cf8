#include "ctl/ctl_jobs.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTextStream>
#include <QThread>
#include <QVector>

#include <memory>
#include <mutex>
#include <vector>

#include "core/settings/page_record.h"
#include "ctl/ctl_device.h"

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace Ctl {

namespace {

QString codesText(const QByteArray &codes)
{
    return codes.isEmpty() ? QStringLiteral("none") : QString::fromLatin1(codes.toHex(' '));
}

}  // namespace

ReaderSession::SettingsRead readSettings(ReaderSession &session)
{
    QByteArray pending;
    session.transport().receive(pending, 0);
    return session.readSettings();
}

QString firmwareText(const QByteArray &version)
{
    const int end = version.indexOf('\0');
    return QString::fromLatin1(end < 0 ? version : version.left(end));
}

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
    const ReaderSession::SettingsRead read = readSettings(session);
    if (!read.result.ok()) {
        job.result = {ReaderFailed, QStringLiteral("%1: %2").arg(reader.device(), read.result.describe())};
        return job;
    }
    job.page = PageRecord::pageOfRecord(read.record, reader.kind == Transport::Kind::Serial);
    job.hasCountry = read.hasCountry;
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

QList<ReaderOutcome> forEachReader(const QList<ReaderList::Reader> &readers, int jobs, const ReaderJob &job,
                                   const JobContext &context,
                                   const std::function<void(const ReaderList::Reader &)> &started,
                                   const std::function<void(const ReaderOutcome &)> &done, Io &io)
{
    QVector<ReaderOutcome> outcomes(readers.size());
    for (int i = 0; i < readers.size(); ++i) {
        outcomes[i].reader = readers.at(i);
        outcomes[i].error = QStringLiteral("not started: interrupted");
    }
    std::mutex reporting;  // started(), done() and the interrupt's notice, one at a time
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i = next++; i < readers.size() && !context.stopped(); i = next++) {
            {
                std::lock_guard<std::mutex> lock(reporting);
                if (started)
                    started(readers.at(i));
            }
            const ReaderOutcome outcome = job(readers.at(i), context);
            std::lock_guard<std::mutex> lock(reporting);
            outcomes[i] = outcome;
            done(outcome);
        }
    };

    const int count = jobs <= 0 ? readers.size() : qMin(jobs, int(readers.size()));
    std::vector<std::unique_ptr<QThread>> workers;
    QEventLoop loop;
    int running = count;
    for (int t = 0; t < count; ++t) {
        workers.emplace_back(QThread::create(work));
        QObject::connect(workers.back().get(), &QThread::finished, &loop, [&] {
            if (--running == 0)
                loop.quit();
        });
    }
    std::unique_ptr<QSocketNotifier> notifier;
    if (io.interruptFd >= 0) {
        notifier = std::make_unique<QSocketNotifier>(io.interruptFd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, &loop, [&] {
#ifndef Q_OS_WIN
            char drained[16];
            while (read(io.interruptFd, drained, sizeof drained) > 0) {
            }
#endif
            notifier->setEnabled(false);
            std::lock_guard<std::mutex> lock(reporting);
            io.err << stopNotice(io) << Qt::endl;
        });
    }
    for (auto &worker : workers)
        worker->start();
    if (count > 0)
        loop.exec();
    for (auto &worker : workers)
        worker->wait();
    return outcomes.toList();
}

}  // namespace Ctl
