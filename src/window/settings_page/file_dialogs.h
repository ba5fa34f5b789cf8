#pragma once

#include <QString>

class QWidget;

// The two file dialogs of the configuration buttons, behind pointers so that tests can answer
// them. Each gets the window as parent, the caption, the start directory and the filter, and
// returns the chosen name or an empty string when the operator cancelled.
namespace FileDialogs {

using Ask = QString (*)(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter);

extern Ask getSaveFileName;
extern Ask getOpenFileName;

// Puts both back to the real dialogs.
void reset();

}  // namespace FileDialogs
