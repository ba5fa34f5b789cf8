#pragma once

#include <QString>

#include "core/link/access_check.h"
#include "core/link/reader_lock.h"

// Tells the operator, in one warning box, that the reader is there but this user may not open
// it. Nothing for any other finding, and nothing on Windows, where the driver grants the user
// the reader.
void warnIfAccessDenied(const AccessCheck::Diagnosis &diagnosis);

// Tells the operator that another process holds the reader at node (a station, keylon2ctl, a
// second window), and who: the window stays disconnected.
void warnReaderBusy(const QString &node, const ReaderLock::Holder &holder);

// Tells the operator that no lock could be had for the reader at node (why: error), so the
// window did not connect: another program could talk to the reader at the same time.
void warnNoLock(const QString &node, const QString &error);
