#pragma once

#include <QtGlobal>

#include "core/link/dialect.h"

// A configuration file's Interface key says which interface the reader was on when the file was
// saved. The two front ends give it one meaning each, by this rule alone:
// - the window's Import takes it as the interface the next write leaves the reader on: that
//   write ends with the interface change when the link is on the other one;
// - keylon2ctl never applies it: a write leaves the reader on the interface it is on, and only
//   set-interface changes that (its help and man page say so).
namespace FileInterface {

enum class Use {
    NextWrite,           // the window's Import
    LeftToSetInterface,  // keylon2ctl's write and apply
};

// The interface a write leaves the reader on, as the link state and the frames name it (0 USB
// keyboard, 1 serial), for a reader whose link speaks `link` and settings that came from a file
// whose Interface says fileSaysSerial.
inline quint8 writeTarget(Use use, const Dialect &link, bool fileSaysSerial = false)
{
    if (use == Use::LeftToSetInterface)
        return link.reader.value;
    return fileSaysSerial ? 1 : 0;
}

}  // namespace FileInterface
