#pragma once

#include <QString>

// Logs "Unable to write()\n" and "Error: %ls\n" with the error text of the write that failed.
// (%ls in Qt's printf formats takes UTF-16; hid_error gives wchar_t, so the text goes through
// QString.)
void logHidWriteFailure(const QString &error);
