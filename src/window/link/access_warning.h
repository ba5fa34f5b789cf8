#pragma once

#include "link/access_check.h"

// Tells the operator, in one warning box, that the reader is there but this user may not open
// it. Nothing for any other finding, and nothing on Windows, where the driver grants the user
// the reader.
void warnIfAccessDenied(const AccessCheck::Diagnosis &diagnosis);
