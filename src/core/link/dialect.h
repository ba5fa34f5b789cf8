#pragma once

#include <QtGlobal>

// How the reader speaks on a link: what its interface is, and how the link carries frames to it.
// The session asks these instead of asking which transport it has.

// The reader's interface at the far end of the link: the same whichever link reaches it.
struct ReaderInterface
{
    // Its value in a frame, a file's Interface key and the window's link state.
    quint8 value;
    // The keyboard country is a setting of the USB keyboard: the serial interface neither reads
    // nor writes it, and a file read there has none.
    bool carriesCountry;
    // A key read comes over the link as the ID code's characters, unasked, and is taken from it
    // every few milliseconds. The USB keyboard types it instead.
    bool keyReadsOnLink;
};

// How frames travel on the link.
struct LinkBehaviour
{
    // Frames travel in 65-byte output reports, and each request has its own answer, carrying its
    // sequence number. Otherwise frames go bare, the reader answers none of the write frames, and
    // the answers to the read frames come back to back.
    bool framesInReports;
    // The line holds whatever the reader sent before a request (a key read, the answers to a
    // process that is gone) and is drained until quiet before a read. Otherwise each open has a
    // queue of its own.
    bool quietsLine;
    // A frame that did not get there: the link refused it, or the line is gone.
    enum class LostFrame { Refused, LineGone } lostFrame;
    // How many times the ISP frame is written before the reader counts as unreachable: a link
    // that says when a write did not reach the reader is not tried again.
    int ispTries;
    // The ISP frame's key bytes go to the debug channel before it is written.
    bool logsIspFrame;
};

struct Dialect
{
    ReaderInterface reader;
    LinkBehaviour link;
};

namespace Dialects {

constexpr ReaderInterface UsbKeyboard{.value = 0, .carriesCountry = true, .keyReadsOnLink = false};
constexpr ReaderInterface SerialInterface{.value = 1, .carriesCountry = false, .keyReadsOnLink = true};

constexpr LinkBehaviour HidReports{.framesInReports = true, .quietsLine = false,
                                   .lostFrame = LinkBehaviour::LostFrame::Refused, .ispTries = 3, .logsIspFrame = false};
constexpr LinkBehaviour SerialLine{.framesInReports = false, .quietsLine = true,
                                   .lostFrame = LinkBehaviour::LostFrame::LineGone, .ispTries = 1, .logsIspFrame = true};

// All the time the reader gets to come up in its loader after the ISP frame, before the
// firmware writer looks for it.
constexpr unsigned IspSettleMs = 1000;

}  // namespace Dialects
