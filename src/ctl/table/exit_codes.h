#pragma once

#include <QtGlobal>

// keylon2ctl's exit codes, each in one row: its number, its name and what it means. --help and
// every command's help list them from here; the man page, the JSON Schemas, the README and the
// Ansible modules are held to this table by tst_ctl_contract.
namespace Ctl {

enum ExitCode {
    Success = 0,
    ReaderFailed = 1,
    UsageError = 2,  // also a file that cannot be taken
    NoReader = 3,
    PermissionDenied = 4,
    Drift = 5,  // diff or apply --check: a reader differs from the file
    Busy = 6,   // a reader is held by another process
    SignalBase = 128,   // ended by signal N: 128 + N, as a shell reports a command a signal ended
    Interrupted = 130,  // SIGINT
    OutputGone = 141,   // standard output or error went away (128 + SIGPIPE); never killed by it
};

struct ExitCodeSpec
{
    int code;
    const char *name;     // in ExitCode, or the signal's
    const char *meaning;  // as --help says it
};

inline constexpr ExitCodeSpec ExitCodes[] = {
    {Success, "Success", QT_TRANSLATE_NOOP("Keylon2ctl", "success (every reader unchanged, or changed, written or switched as asked)")},
    {ReaderFailed, "ReaderFailed", QT_TRANSLATE_NOOP("Keylon2ctl", "a reader failed (no answer, a write that failed, a difference on verify)")},
    {UsageError, "UsageError", QT_TRANSLATE_NOOP("Keylon2ctl", "usage error, or a file that cannot be taken (nothing was sent)")},
    {NoReader, "NoReader", QT_TRANSLATE_NOOP("Keylon2ctl", "no reader found")},
    {PermissionDenied, "PermissionDenied", QT_TRANSLATE_NOOP("Keylon2ctl", "permission denied on the reader's device node")},
    {Drift, "Drift", QT_TRANSLATE_NOOP("Keylon2ctl", "drift: diff or apply --check found a reader that differs from the file (a failure keeps "
                     "its own code)")},
    {Busy, "Busy", QT_TRANSLATE_NOOP("Keylon2ctl", "busy: a reader is held by another process (--wait not given, or it ran out)")},
    {SignalBase + 1, "SIGHUP", QT_TRANSLATE_NOOP("Keylon2ctl", "hung up (SIGHUP, a dropped session): the readers under way finished, no other "
                               "was started")},
    {Interrupted, "Interrupted", QT_TRANSLATE_NOOP("Keylon2ctl", "interrupted (SIGINT, Ctrl-C): the readers under way finished, no other was "
                                 "started")},
    {OutputGone, "OutputGone", QT_TRANSLATE_NOOP("Keylon2ctl", "the output went away (a closed pipe or terminal: EPIPE or EIO): ended as after "
                               "an interrupt; never killed by SIGPIPE")},
    {SignalBase + 15, "SIGTERM", QT_TRANSLATE_NOOP("Keylon2ctl", "terminated (SIGTERM): the readers under way finished, no other was started")},
};

}  // namespace Ctl
