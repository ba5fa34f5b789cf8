#include "ctl/output/io.h"

#include "ctl/table/exit_codes.h"

namespace Ctl {

bool stopRequested(const Io &io)
{
    return io.stop && io.stop->load();
}

int stoppedExitCode(const Io &io)
{
    const int cause = io.stopCause ? io.stopCause->load() : 0;
    return cause > 0 ? SignalBase + cause : int(Interrupted);
}

QString stopNotice(const Io &io)
{
    if (stoppedExitCode(io) == OutputGone)
        return QStringLiteral("the output went away: the readers under way finish, no other starts");
    return QStringLiteral("interrupted: the readers under way finish, no other starts; interrupt again to end at once");
}

}  // namespace Ctl
