#pragma once

#include <QString>

#include "core/text/message.h"

// What one operation of the reader session did.
struct SessionResult
{
    enum class Outcome {
        Done,
        FrameFailed,  // a frame could not be written (the link refused it)
        NoAnswer,     // the reader did not answer within the bound
        BadAnswer,    // an answer came but could not be taken (checksum, count, layout)
        LineGone,     // the device went away, or a write did not reach the line
    };
    // The frame an outcome is about.
    enum class Step {
        None,
        Status,
        Options,
        OutputWindow,
        KeyboardCountry,
        Preamble,
        Postamble,
        RemoveData,
        Save,
        InterfaceChange,
        IspMode,
    };

    Outcome outcome = Outcome::Done;
    Step step = Step::None;
    QString detail;  // the link's own reason, when it gave one

    bool ok() const { return outcome == Outcome::Done; }

    // "options", "output window", "keyboard country", "preamble", "postamble", "remove data",
    // "save command", "interface change"; "status", "ISP mode command"; empty for None.
    static Message stepName(Step step);
};

inline SessionResult failure(SessionResult::Outcome outcome, SessionResult::Step step,
                             const QString &detail = QString())
{
    return SessionResult{outcome, step, detail};
}
