#include "ctl/fleet/live_metrics.h"

#include <QDateTime>

#include "ctl/output/metrics.h"

namespace Ctl {

namespace {

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

}  // namespace

LiveMetrics::LiveMetrics(Metrics *metrics, Io &io) : metrics_(metrics), io_(io)
{
    expiry_.setSingleShot(true);
    expiry_.setTimerType(Qt::CoarseTimer);
    QObject::connect(&expiry_, &QTimer::timeout, [this] { expire(); });
}

void LiveMetrics::takenUp(const ReaderList::Reader &reader)
{
    if (metrics_)
        metrics_->takenUp(reader, now());
    write();
}

void LiveMetrics::done(const ReaderOutcome &outcome)
{
    if (metrics_)
        metrics_->done(outcome, now());
    write();
}

void LiveMetrics::gone(const ReaderList::Reader &reader)
{
    if (metrics_)
        metrics_->gone(reader, now());
    write();
}

void LiveMetrics::expire()
{
    if (metrics_->expire(now()))
        write();
    else
        schedule();  // a coarse timer that came a little early
}

void LiveMetrics::write()
{
    if (!metrics_)
        return;
    metrics_->writeOrSay(io_.err);
    schedule();
}

void LiveMetrics::schedule()
{
    const qint64 next = metrics_->nextExpiry();
    if (next < 0)
        expiry_.stop();
    else
        expiry_.start(int(qBound<qint64>(0, next - now(), Metrics::GoneKeepMs)));
}

}  // namespace Ctl
