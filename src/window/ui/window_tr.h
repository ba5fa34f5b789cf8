#pragma once

#include <QCoreApplication>
#include <QString>

// The window's texts, those of its message boxes included, go through the translation function
// in the window's context, as the texts of its widgets do.
inline QString windowTr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}
