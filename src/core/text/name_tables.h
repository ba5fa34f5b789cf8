#pragma once

#include <QStringList>

// Names of the control codes 0x00 to 0x1F (index = code) and of the keyboard countries
// (index = the value the reader keeps).
extern const QStringList ControlNames;
extern const QStringList CountryNames;
