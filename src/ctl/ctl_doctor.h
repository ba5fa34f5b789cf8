#pragma once

#include "ctl/ctl.h"
#include "core/access/access_doctor.h"

namespace Ctl {

// What stands between this user and the attached readers, one line each with what to do.
// Success when every attached reader can be opened, NoReader when none is attached,
// PermissionDenied when one cannot be opened.
int doctor(bool json, Io &io);
int doctor(bool json, Io &io, const AccessDoctor::Environment &environment);

}  // namespace Ctl
