#pragma once

#include <QtGlobal>

class QTimer;
struct hid_device_;
typedef struct hid_device_ hid_device;

// The state of the link to the reader, which every action of the window reads.
struct LinkState
{
    hid_device *hidDevice = nullptr;  // the link's open USB HID handle, null when none
    quint16 hidVendorId = 0;          // what the USB HID probe found (0 when no reader answered)
    quint16 hidProductId = 0;
    QTimer *pollTimer = nullptr;      // 100 ms serial poll, child of the window
    quint8 serialActive = 0;          // the current link is the serial port
    quint8 hidActive = 0;             // the current link is USB HID
    quint8 connected = 0;
    quint8 interfaceSetting = 0;      // the reader's interface as we believe it: 1 serial, 0 USB keyboard
    quint8 currentTab = 0;
    quint8 frameSequence = 1;         // pairs an HID answer with its request; never 0
    quint8 statusPreRead = 0;         // ReadStatus made its preliminary read since the last connect
    quint8 statusShown = 0;           // ReadStatus showed the record since the last connect
};
