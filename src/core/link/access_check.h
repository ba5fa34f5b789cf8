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
