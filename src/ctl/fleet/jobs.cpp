#include "ctl/fleet/jobs.h"

#include <QEventLoop>
#include <QTextStream>
#include <QThread>
#include <QVector>

#include <memory>
#include <mutex>
#include <vector>

#include "core/settings/settings_table.h"
#include "ctl/fleet/interrupt.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

QString codesText(const QByteArray &codes)
{
    return codes.isEmpty() ? QStringLiteral("none") : QString::fromLatin1(codes.toHex(' '));
}

}  // namespace

Message sessionFailure(const SessionResult &result)
{
    // Without the link's own reason, and with it.
    const auto said = [&](const char *failure, const char *withDetail, const char *code) {
        return Message(CtlRoom, result.detail.isEmpty() ? failure : withDetail)
            .arg(SessionResult::stepName(result.step), result.detail)
            .coded(code);
    };
    using Outcome = SessionResult::Outcome;
    switch (result.outcome) {
    case Outcome::Done: return Message();
    //: %1 a step of the exchange: status, options, output window, preamble, save command, ...
    case Outcome::FrameFailed: return said(QT_TRANSLATE_NOOP("Keylon2ctl", "writing the %1 failed"),
                                           QT_TRANSLATE_NOOP("Keylon2ctl", "writing the %1 failed (%2)"), Code::FrameFailed);
    case Outcome::NoAnswer: return said(QT_TRANSLATE_NOOP("Keylon2ctl", "no answer to the %1 read"),
                                        QT_TRANSLATE_NOOP("Keylon2ctl", "no answer to the %1 read (%2)"), Code::NoAnswer);
    case Outcome::BadAnswer: return said(QT_TRANSLATE_NOOP("Keylon2ctl", "bad answer to the %1 read"),
                                         QT_TRANSLATE_NOOP("Keylon2ctl", "bad answer to the %1 read (%2)"), Code::BadAnswer);
    case Outcome::LineGone: return said(QT_TRANSLATE_NOOP("Keylon2ctl", "the reader is gone, at the %1"),
                                        QT_TRANSLATE_NOOP("Keylon2ctl", "the reader is gone, at the %1 (%2)"),
                                        Code::LineGone);
    }
    return Message();
}

QList<Message> differences(const SettingsRecord &wrote, const FirmwareCheck::Written &written)
{
    QList<Message> fields;
    const SettingsRecord &held = written.back.record;
    for (const Settings::Setting *setting : written.wrong) {
        const bool affix = setting->isAffix();
        //: %1 a key of the configuration file, %2 the value read back, %3 the value written
        fields << Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is %2, wrote %3"))
                      .arg(QLatin1String(setting->key))
                      .arg(affix ? codesText(held.*setting->codes) : QString::number(setting->raw(held)))
                      .arg(affix ? codesText(wrote.*setting->codes) : QString::number(setting->raw(wrote)));
    }
    return fields;
}

QList<ReaderOutcome> forEachReader(const QList<ReaderList::Reader> &readers, int jobs, const ReaderJob &job,
                                   const JobContext &context,
                                   const std::function<void(const ReaderList::Reader &)> &started,
                                   const std::function<void(const ReaderOutcome &)> &done, Io &io)
{
    QVector<ReaderOutcome> outcomes;
    for (const ReaderList::Reader &reader : readers)
        outcomes << notStarted(reader);
    std::mutex reporting;  // started(), done(), the interrupt's notice and a job's lines, one at a time
    JobContext shared = context;
    shared.reporting = &reporting;
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i = next++; i < readers.size() && !context.stopped(); i = next++) {
            {
                std::lock_guard<std::mutex> lock(reporting);
                if (started)
                    started(readers.at(i));
            }
            const ReaderOutcome outcome = job(readers.at(i), shared);
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
    const auto notifier = Interrupt::whenNotified(io.interruptFd, &loop, [&] {
        std::lock_guard<std::mutex> lock(reporting);
        io.err << stopNotice(io) << Qt::endl;
    });
    for (auto &worker : workers)
        worker->start();
    if (count > 0)
        loop.exec();
    for (auto &worker : workers)
        worker->wait();
    return outcomes.toList();
}

}  // namespace Ctl
