#pragma once

#include <QCoreApplication>
#include <QString>

// The window's texts, those of its widgets and of its message boxes, share one translation
// context: WindowText::tr("...") is what lupdate finds.
class WindowText
{
    Q_DECLARE_TR_FUNCTIONS(Window)
};
