#pragma once

#include <QtGlobal>

#include "core/link/transport.h"
#include "core/session/session_result.h"

// How the reader speaks on one of its interfaces. The session asks its dialect instead of asking
// which transport it has, so that another transport is a transport and a dialect of its own.
struct Dialect
{
    Transport::Kind kind;
    // The value the interface has in a frame, a file and the link state: 0 USB keyboard, 1 serial.
    quint8 interfaceValue;
    // Frames travel in 65-byte output reports, and each request has its own answer, carrying its
    // sequence number (USB HID). Otherwise frames go bare, the reader answers none of the write
    // frames, and the answers to the read frames come back to back (the serial line).
    bool framesInReports;
    // The keyboard country is a setting of the USB keyboard: the serial line neither reads nor
    // writes it, and a file read there has none.
    bool carriesCountry;
    // The line holds whatever the reader sent before a request (a key read, the answers to a
    // process that is gone) and is drained until quiet before a read. Over USB HID each open has
    // a queue of its own.
    bool quietsLine;
    // A key read comes over the link as the ID code's characters, unasked (serial), and is taken
    // from it every few milliseconds. Over USB HID the reader types it as a keyboard.
    bool keyReadsOnLink;
    // What a frame that did not get there means: the link refused it (USB HID), or the line is
    // gone (serial).
    SessionResult::Outcome lostFrame;
    // How many times the ISP frame is written before the reader counts as unreachable. The
    // serial line says when a write did not reach it; USB HID writes are tried again.
    int ispTries;
    // The ISP frame's key bytes go to the debug channel before it is written.
    bool logsIspFrame;
};

namespace Dialects {

const Dialect &of(Transport::Kind kind);

// All the time the reader gets to come up in its loader after the ISP frame, before the
// firmware writer looks for it.
constexpr unsigned IspSettleMs = 1000;

}  // namespace Dialects
