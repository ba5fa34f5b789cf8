#pragma once

// The handlers of the command table: what each command does with its command line.
namespace Ctl {

struct Invocation;
struct Io;

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

}  // namespace Ctl
