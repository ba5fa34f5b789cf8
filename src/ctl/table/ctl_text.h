#pragma once

#include <QCoreApplication>

// keylon2ctl's own human texts (its help, messages, summaries and the station's lines) share one
// translation context: CtlText::tr("...") and QT_TRANSLATE_NOOP("Keylon2ctl", ...) in the tables
// are what lupdate finds. What machines read (--json, the audit log, --format cfg, the
// completions, the metrics) is never passed through it.
class CtlText
{
    Q_DECLARE_TR_FUNCTIONS(Keylon2ctl)
};
