#pragma once

#include <QString>
#include <QStringList>

#include "core/text/message.h"
#include "ctl/table/exit_codes.h"
#include "ctl/table/invocation.h"

namespace Ctl {

// A command line taken apart against the command table, or why it cannot be.
struct Parsed
{
    Invocation invocation;
    int exitCode = Success;
    Message error;   // a usage error: one line
    QString output;  // --help, --help-all, --version: print this and end
};
Parsed parse(const QStringList &arguments);

}  // namespace Ctl
