#pragma once

#include <QSerialPort>
#include <QString>

#include "core/text/message.h"

// Why a connect could not open the reader. On Linux the reader's hidraw and tty nodes belong to
// root unless a udev rule hands them to the user at the desk; an ordinary user then sees the
// reader listed but cannot open it.
namespace AccessCheck {

enum class Finding {
    NotDenied,  // no reader there, or it failed for another reason
    Denied,     // the reader is there, but this user may not open its node
};

struct Diagnosis
{
    Finding finding = Finding::NotDenied;
    QString node;  // the device node that could not be opened, when denied
};

// After hid_open failed for productId (0: each of the reader's IDs was tried): hid_enumerate
// lists devices without opening them, so a reader listed under an ID that was tried was refused.
// With 0 the diagnostic product C141 counts as the reader too.
Diagnosis afterHidOpenFailed(quint16 productId);

// Whether a reader on USB HID is listed but refused, found by opening it (an open that works is
// closed again). A reader the start-up probe could not open leaves the serial port chosen, and
// the serial connect that fails is the one place where the operator would learn nothing.
Diagnosis hidReaderRefused();

// After QSerialPort failed to open node with error.
Diagnosis afterSerialOpenFailed(QSerialPort::SerialPortError error, const QString &node);

// After hid_open_path failed on a node that hid_enumerate listed, with hid_error's text: the
// node's permissions, as a missing udev rule leaves them, or something else.
Diagnosis afterHidOpenPathFailed(const QString &node, const QString &error);

// What the operator is told about a reader whose node this user may not open. A udev rule
// applies when the device is added, so a new rule needs the reader plugged in again.
Message deniedText(const QString &node);

// The rules file that grants the user at the desk the reader's nodes.
extern const QString RulesFileName;

}  // namespace AccessCheck
