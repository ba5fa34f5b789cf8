#pragma once

#include <QByteArray>

// The codec name for an OEM code page ("System" for the platform's own locale codec).
QByteArray codecNameForCodePage(unsigned codePage);

// Installs the codec for the locale as the OEM code page asks. Writes the debug line with both
// code pages. Code page 437 gets the program's own codec.
void setUpLocaleCodec(unsigned ansiCodePage, unsigned oemCodePage);
