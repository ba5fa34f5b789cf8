#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "ctl/ctl.h"
#include "ctl/ctl_table.h"

// The handlers of the command table.
namespace Ctl {

int listCommand(const Invocation &invocation, Io &io);
int readCommand(const Invocation &invocation, Io &io);
int writeCommand(const Invocation &invocation, Io &io);
int applyCommand(const Invocation &invocation, Io &io);
int diffCommand(const Invocation &invocation, Io &io);
int setInterfaceCommand(const Invocation &invocation, Io &io);
// Key ID codes from the serial line, one per line, until io.stop is set.
int monitorCommand(const Invocation &invocation, Io &io);
// ISP mode, then the firmware writer from the working directory, as the window starts it.
int firmwareUpdateCommand(const Invocation &invocation, Io &io);
int completionCommand(const Invocation &invocation, Io &io);
// What stands between this user and the attached readers.
int doctorCommand(const Invocation &invocation, Io &io);

// A command that ends before any reader is done: each line on standard error and, with
// --json, the document with the lines as its error (and an empty list of readers when the
// command is known). Returns exitCode.
int fail(const Invocation &invocation, Io &io, int exitCode, const QStringList &lines);

// Warnings: one line each on standard error; with --json also in the document.
void warn(const QStringList &warnings, QJsonObject *document, Io &io);

}  // namespace Ctl
