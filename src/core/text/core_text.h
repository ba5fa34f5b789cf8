#pragma once

#include <QCoreApplication>

// The texts of the core that both front ends show (boxes of the window, lines of keylon2ctl)
// share one translation context: CoreText::tr("...") and QT_TRANSLATE_NOOP("Core", ...) are
// what lupdate finds.
class CoreText
{
    Q_DECLARE_TR_FUNCTIONS(Core)
};
