#pragma once

#include <QStringList>

#include "ctl/output/io.h"

// keylon2ctl: the reader session from the command line, for setting up many readers with one
// configuration. Everything but the process set-up, so that tests can run it in-process.
namespace Ctl {

// arguments[0] is the program's name. hid_init must have run on this thread.
int run(const QStringList &arguments, Io &io);

// The whole program: the application object, the signals, hidapi, run().
int processMain(int argc, char *argv[]);

}  // namespace Ctl
