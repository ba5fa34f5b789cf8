#pragma once

#include <QByteArray>
#include <QString>

#include <hidapi.h>

#include <mutex>

// hid_write of a 65-byte report; returns what hid_write returned (-1 when there is no device).
int writeHidReport(hid_device *device, const QByteArray &report);

// The text of hid_error for the device, copied at once: the next hidapi call may clear it.
QString hidErrorText(hid_device *device);

// Logs "Unable to write()\n" and "Error: %ls\n" with the error text of the write that failed.
// (%ls in Qt's printf formats takes UTF-16; hid_error gives wchar_t, so the text goes through
// QString.)
void logHidWriteFailure(const QString &error);
inline void logHidWriteFailure(hid_device *device)
{
    logHidWriteFailure(hidErrorText(device));
}

// hidapi 0.13 keeps one error text for the whole process, which hid_init, hid_enumerate,
// hid_open and hid_open_path free and set without a lock, and hid_error(nullptr) reads: two
// threads in those calls at once free it twice (measured: two threads listing the readers met
// a double free within a second). Code that may run beside another thread's (the command-line
// tool's readers, a station's listing) holds this lock around those calls and the read of
// their error.
std::mutex &hidapiGlobalLock();
