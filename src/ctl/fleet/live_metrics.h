#pragma once

#include <QTimer>

#include "core/link/reader_list.h"
#include "ctl/output/io.h"
#include "ctl/output/reader_outcome.h"

namespace Ctl {

class Metrics;

// A station's --metrics file, kept up to date from the station's thread: written again at
// each event (a reader taken up, done or pulled out), and when a pulled reader's labels are due
// to leave. The one timer runs only while such a reader is waiting to leave: a station with
// nothing due is not woken. Without --metrics (null) it does nothing.
//
// A file that cannot be written does not stop the station: standard error says so once (until
// a write works again); the next event writes the whole file anew.
class LiveMetrics
{
public:
    LiveMetrics(Metrics *metrics, Io &io);

    void takenUp(const ReaderList::Reader &reader);
    void done(const ReaderOutcome &outcome);
    void gone(const ReaderList::Reader &reader);
    void write();

private:
    void expire();
    void schedule();

    Metrics *metrics_;
    Io &io_;
    QTimer expiry_;
};

}  // namespace Ctl
