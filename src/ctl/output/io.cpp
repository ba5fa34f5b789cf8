#include "ctl/output/io.h"

#include "ctl/table/ctl_text.h"
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
        return CtlText::tr("the output went away: the readers under way finish, no other starts");
    const QString notice = CtlText::tr("interrupted: the readers under way finish, no other starts; interrupt again to end at once");
    return io.stopNote.isEmpty() ? notice : notice + QStringLiteral("; ") + io.stopNote;
}

}  // namespace Ctl
