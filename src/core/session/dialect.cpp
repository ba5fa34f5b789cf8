#include "core/session/dialect.h"

namespace {

using Outcome = SessionResult::Outcome;

const Dialect UsbHid{Transport::Kind::UsbHid, 0, true, true, false, false, Outcome::FrameFailed, 3, false};
const Dialect Serial{Transport::Kind::Serial, 1, false, false, true, true, Outcome::LineGone, 1, true};

}  // namespace

namespace Dialects {

const Dialect &of(Transport::Kind kind)
{
    return kind == Transport::Kind::Serial ? Serial : UsbHid;
}

}  // namespace Dialects
