#pragma once

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
    {Success, "Success", "success (every reader unchanged, or changed, written or switched as asked)"},
    {ReaderFailed, "ReaderFailed", "a reader failed (no answer, a write that failed, a difference on verify)"},
    {UsageError, "UsageError", "usage error, or a file that cannot be taken (nothing was sent)"},
    {NoReader, "NoReader", "no reader found"},
    {PermissionDenied, "PermissionDenied", "permission denied on the reader's device node"},
    {Drift, "Drift", "drift: diff or apply --check found a reader that differs from the file (a failure keeps "
                     "its own code)"},
    {Busy, "Busy", "busy: a reader is held by another process (--wait not given, or it ran out)"},
    {SignalBase + 1, "SIGHUP", "hung up (SIGHUP, a dropped session): the readers under way finished, no other "
                               "was started"},
    {Interrupted, "Interrupted", "interrupted (SIGINT, Ctrl-C): the readers under way finished, no other was "
                                 "started"},
    {OutputGone, "OutputGone", "the output went away (a closed pipe or terminal: EPIPE or EIO): ended as after "
                               "an interrupt; never killed by SIGPIPE"},
    {SignalBase + 15, "SIGTERM", "terminated (SIGTERM): the readers under way finished, no other was started"},
};

}  // namespace Ctl
