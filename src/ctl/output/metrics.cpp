#include "ctl/output/metrics.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/platform/platform.h"

namespace Ctl {

namespace {

using Result = ReaderOutcome::Result;

// In the order the file lists them.
constexpr Result Results[] = {Result::Unchanged, Result::Changed,     Result::Written,
                              Result::Failed,    Result::Interrupted, Result::NotStarted};

QByteArray seconds(qint64 msecs)
{
    return QByteArray::number(double(msecs) / 1000.0, 'f', 3);
}

// One metric family: its HELP and TYPE lines, then its samples.
class Family
{
public:
    Family(QByteArray &out, const QByteArray &source, const char *name, const char *type, const char *help)
        : out_(out), source_(source), name_(name)
    {
        out_ += QByteArray("# HELP ") + name + ' ' + help + '\n';
        out_ += QByteArray("# TYPE ") + name + ' ' + type + '\n';
    }
    // labels: `name="value",...` already escaped, or empty.
    void sample(const QByteArray &value, const QByteArray &labels = QByteArray())
    {
        out_ += name_ + "{source=\"" + source_ + '"' + (labels.isEmpty() ? QByteArray() : ',' + labels) + "} "
            + value + '\n';
    }

private:
    QByteArray &out_;
    const QByteArray &source_;
    QByteArray name_;
};

}  // namespace

QByteArray escapedLabel(const QString &value)
{
    // The backslash first: the others bring their own.
    return value.toUtf8().replace('\\', "\\\\").replace('"', "\\\"").replace('\n', "\\n");
}

Metrics::Metrics(Scope scope, const QString &path, bool check, qint64 startMs)
    : scope_(scope), path_(path), check_(check), startMs_(startMs)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QLatin1String(".prom")))
        name.chop(5);
    source_ = escapedLabel(name);
}

Metrics::Tracked &Metrics::track(const ReaderList::Reader &reader)
{
    const QString device = reader.device();
    for (Tracked &tracked : readers_) {
        if (tracked.device == device && tracked.serialNumber == reader.serialNumber)
            return tracked;
    }
    Tracked tracked;
    tracked.device = device;
    tracked.serialNumber = reader.serialNumber;
    tracked.portPath = reader.portPath;
    readers_.append(tracked);
    return readers_.last();
}

void Metrics::takenUp(const ReaderList::Reader &reader, qint64 nowMs)
{
    ++seen_;
    // Another reader on this node was pulled out without a word: it is gone now.
    for (Tracked &tracked : readers_) {
        if (tracked.attached && tracked.device == reader.device() && tracked.serialNumber != reader.serialNumber) {
            tracked.attached = false;
            tracked.goneMs = nowMs;
        }
    }
    Tracked &tracked = track(reader);
    tracked.attached = true;
    tracked.portPath = reader.portPath;
    dropOldestGone();
}

void Metrics::countUpdates()
{
    updates_.insert(QStringLiteral("updated"), 0);
    updates_.insert(QStringLiteral("unchanged"), 0);
}

void Metrics::done(const ReaderOutcome &outcome, qint64 nowMs)
{
    ++results_[size_t(outcome.result)];
    if (outcome.result == Result::NotStarted)
        return;
    if (!updates_.isEmpty()) {
        const QString code = outcome.error.code();
        ++updates_[outcome.result == Result::Changed ? QStringLiteral("updated")
                   : outcome.ok()                     ? QStringLiteral("unchanged")
                   : code.isEmpty()                   ? QStringLiteral("failed")
                                                      : code];
    }
    lastReaderMs_ = nowMs;
    if (outcome.result == Result::Failed)
        lastFailureMs_ = nowMs;
    Tracked &tracked = track(outcome.reader);
    tracked.reported = true;
    if (!outcome.firmware.isEmpty())
        tracked.firmware = outcome.firmware;
    if (outcome.result == Result::Unchanged || outcome.result == Result::Changed) {
        tracked.drift = check_ && outcome.result == Result::Changed;
        if (tracked.drift)
            ++drift_;
    }
}

void Metrics::gone(const ReaderList::Reader &reader, qint64 nowMs)
{
    for (Tracked &tracked : readers_) {
        if (tracked.attached && tracked.device == reader.device()) {
            tracked.attached = false;
            tracked.goneMs = nowMs;
        }
    }
    dropOldestGone();
}

bool Metrics::leavesFirst(const Tracked &a, const Tracked &b)
{
    return !a.attached && (b.attached || a.goneMs < b.goneMs);
}

void Metrics::dropOldestGone()
{
    const auto isGone = [](const Tracked &tracked) { return !tracked.attached; };
    while (std::count_if(readers_.cbegin(), readers_.cend(), isGone) > MaxGoneReaders)
        readers_.erase(std::min_element(readers_.begin(), readers_.end(), leavesFirst));
}

bool Metrics::expire(qint64 nowMs)
{
    const int before = readers_.size();
    readers_.erase(std::remove_if(readers_.begin(), readers_.end(),
                                  [&](const Tracked &tracked) {
                                      return !tracked.attached && nowMs - tracked.goneMs >= GoneKeepMs;
                                  }),
                   readers_.end());
    return readers_.size() != before;
}

qint64 Metrics::nextExpiry() const
{
    const auto oldest = std::min_element(readers_.cbegin(), readers_.cend(), leavesFirst);
    return oldest == readers_.cend() || oldest->attached ? -1 : oldest->goneMs + GoneKeepMs;
}

void Metrics::runEnded(int exitCode, qint64 nowMs)
{
    exitCode_ = exitCode;
    endMs_ = nowMs;
}

QByteArray Metrics::text() const
{
    QByteArray out;
    const auto gauge = [&](const char *name, const char *help, const QByteArray &value) {
        Family(out, source_, name, "gauge", help).sample(value);
    };
    if (scope_ == Scope::Station) {
        gauge("keylon2_station_up", "1 while the station waits for readers and handles them; 0 once it ended cleanly.",
              up_ ? "1" : "0");
        gauge("keylon2_start_time_seconds", "When the station started, in seconds since the epoch.", seconds(startMs_));
    } else {
        gauge("keylon2_start_time_seconds", "When the run started, in seconds since the epoch.", seconds(startMs_));
        if (endMs_ >= 0) {
            gauge("keylon2_run_end_time_seconds", "When the run ended, in seconds since the epoch.", seconds(endMs_));
            gauge("keylon2_run_exit_code", "The run's exit code (keylon2ctl(1), EXIT STATUS).",
                  QByteArray::number(exitCode_));
        }
    }
    Family(out, source_, "keylon2_readers_seen_total", "counter",
           scope_ == Scope::Station ? "Readers taken up, one per plug." : "Readers the run took up.")
        .sample(QByteArray::number(seen_));
    Family readers(out, source_, "keylon2_readers_total", "counter",
                   "Readers done, by result (changed: set up; with a check, would change).");
    for (const Result result : Results) {
        readers.sample(QByteArray::number(results_[size_t(result)]),
                       "result=\"" + resultName(result).toLatin1() + '"');
    }
    if (!updates_.isEmpty()) {
        Family updates(out, source_, "keylon2_firmware_updates_total", "counter",
                       "Firmware updates done, by outcome: updated, unchanged (allowed), or the failure's code.");
        for (auto update = updates_.cbegin(); update != updates_.cend(); ++update)
            updates.sample(QByteArray::number(update.value()), "outcome=\"" + update.key().toLatin1() + '"');
    }
    Family(out, source_, "keylon2_drift_total", "counter",
           "Readers a check (apply --check, diff) found differing from the file.")
        .sample(QByteArray::number(drift_));
    if (lastReaderMs_ >= 0) {
        gauge("keylon2_last_reader_timestamp_seconds", "When the last reader was done, in seconds since the epoch.",
              seconds(lastReaderMs_));
    }
    if (lastFailureMs_ >= 0) {
        gauge("keylon2_last_failure_timestamp_seconds", "When the last reader failed, in seconds since the epoch.",
              seconds(lastFailureMs_));
    }
    const qint64 drifted = std::count_if(readers_.cbegin(), readers_.cend(),
                                         [](const Tracked &tracked) { return tracked.attached && tracked.drift; });
    gauge("keylon2_drifted_readers", "Readers attached that the last check found differing from the file.",
          QByteArray::number(drifted));

    QList<QByteArray> identities;
    QList<bool> attached;
    for (const Tracked &tracked : readers_) {
        if (!tracked.reported)
            continue;
        identities << "device=\"" + escapedLabel(tracked.device) + "\",serial_number=\""
                          + escapedLabel(tracked.serialNumber) + "\",port_path=\"" + escapedLabel(tracked.portPath)
                          + "\",firmware=\"" + escapedLabel(tracked.firmware) + '"';
        attached << tracked.attached;
    }
    if (!identities.isEmpty()) {
        Family info(out, source_, "keylon2_reader_info", "gauge",
                    "Each reader attached, or pulled out in the last 10 minutes, with its identity.");
        for (const QByteArray &labels : qAsConst(identities))
            info.sample("1", labels);
        Family present(out, source_, "keylon2_reader_attached", "gauge",
                       "1 while the reader is attached, 0 once it was pulled out.");
        for (int i = 0; i < identities.size(); ++i)
            present.sample(attached[i] ? "1" : "0", identities[i]);
    }
    return out;
}

bool Metrics::write(Message *error) const
{
    const auto unwritten = [&](int failure) {
        *error = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "cannot write the metrics %1: %2"))
                     .arg(path_, Platform::systemErrorText(failure));
        return false;
    };
    const QFileInfo target(path_);
    QByteArray temporary = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                                             + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return unwritten(errno);
    const QByteArray content = text();
    qint64 written = 0;
    int failure = 0;
    if (::fchmod(fd, 0644) != 0)
        failure = errno;
    while (!failure && written < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + written, size_t(content.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            failure = n < 0 ? errno : ENOSPC;
        else
            written += n;
    }
    if (!failure && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && !failure)
        failure = errno;
    if (!failure && ::rename(temporary.constData(), QFile::encodeName(path_).constData()) != 0)
        failure = errno;
    if (!failure)
        return true;
    ::unlink(temporary.constData());
    return unwritten(failure);
}

void Metrics::writeOrSay(QTextStream &err)
{
    Message error;
    if (write(&error)) {
        writeError_.clear();
    } else if (error.english() != writeError_) {
        err << error.human() << Qt::endl;
        writeError_ = error.english();
    }
}

}  // namespace Ctl
