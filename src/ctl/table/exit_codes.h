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

// The kinds of failure, each a word that --json ("code" beside "error") and the audit log give a
// program to branch on, and what it means as the man page and the JSON Schemas say it (a test
// holds them to this table). A word once released is never renamed.
struct FailureCode
{
    const char *word;
    const char *meaning;
    constexpr operator const char *() const { return word; }
};

namespace Code {
constexpr FailureCode Usage{"usage", "the command line is not one keylon2ctl takes (exit 2)"};
constexpr FailureCode BadFile{"bad-file", "the configuration file cannot be taken as it is written (exit 2)"};
constexpr FailureCode UnknownKey{"unknown-key",
    "the configuration file holds a key in [KEYLON] that the utility does not know (exit 2)"};
constexpr FailureCode IncompleteFile{"incomplete-file",
    "write's file leaves out settings that write would reset (exit 2)"};
constexpr FailureCode NoReader{"no-reader", "no reader is attached (exit 3)"};
constexpr FailureCode NotFound{"not-found", "the reader named is not there (exit 3)"};
constexpr FailureCode Ambiguous{"ambiguous", "more than one reader fits and one must be named (exit 2)"};
constexpr FailureCode Busy{"busy", "another process holds the reader (exit 6)"};
constexpr FailureCode NoLock{"no-lock", "no lock can be had for the reader, and --no-lock was not given (exit 1)"};
constexpr FailureCode Denied{"denied", "this user may not open the reader's node (exit 4)"};
constexpr FailureCode OpenFailed{"open-failed", "the reader is there but its link did not open (exit 1)"};
constexpr FailureCode FrameFailed{"frame-failed", "a frame could not be written to the reader (exit 1)"};
constexpr FailureCode NoAnswer{"no-answer", "the reader did not answer in time (exit 1)"};
constexpr FailureCode BadAnswer{"bad-answer", "the reader's answer could not be taken (exit 1)"};
constexpr FailureCode LineGone{"line-gone", "the reader went away while it was talked to (exit 1)"};
constexpr FailureCode VerifyMismatch{"verify-mismatch", "the settings read back are not those written (exit 1)"};
constexpr FailureCode Interrupted{"interrupted",
    "a signal or output that went away stopped the reader before anything was written"};
constexpr FailureCode WrongInterface{"wrong-interface",
    "the reader's interface cannot do what the command asks (exit 2)"};
constexpr FailureCode NoWriter{"no-writer", "the firmware writer is not there; nothing was sent (exit 2)"};
constexpr FailureCode WriterFailed{"writer-failed", "the firmware writer did not end well (exit 1)"};
constexpr FailureCode LogFailed{"log-failed",
    "the audit log cannot be opened or written (exit 2 before, 1 after the readers)"};
constexpr FailureCode BackupFailed{"backup-failed",
    "firmware-update: the reader's backup file cannot be written; nothing was sent (exit 2)"};
constexpr FailureCode NotBack{"not-back",
    "firmware-update: the reader did not come back after the writer within --wait-back; it may wait in its loader (exit 1)"};
constexpr FailureCode AnotherReader{"another-reader",
    "firmware-update: another reader came back where the reader was; nothing was written to it (exit 1)"};
constexpr FailureCode FirmwareUnchanged{"firmware-unchanged",
    "firmware-update: the writer ended but the reader reports the version of before (exit 1; --allow-same takes it)"};
constexpr FailureCode UnexpectedVersion{"unexpected-version",
    "firmware-update: the reader reports another version than --expect-version (exit 1)"};
constexpr FailureCode LoaderBusy{"loader-busy",
    "firmware-update: a reader before this one did not come back and may wait in its loader; nothing was sent to this one (exit 1)"};
}  // namespace Code

inline constexpr FailureCode FailureCodes[] = {
    Code::Usage, Code::BadFile, Code::UnknownKey, Code::IncompleteFile, Code::NoReader, Code::NotFound,
    Code::Ambiguous, Code::Busy, Code::NoLock, Code::Denied, Code::OpenFailed, Code::FrameFailed, Code::NoAnswer,
    Code::BadAnswer, Code::LineGone, Code::VerifyMismatch, Code::Interrupted, Code::WrongInterface, Code::NoWriter,
    Code::WriterFailed, Code::LogFailed, Code::BackupFailed, Code::NotBack, Code::AnotherReader,
    Code::FirmwareUnchanged, Code::UnexpectedVersion, Code::LoaderBusy
};

}  // namespace Ctl
