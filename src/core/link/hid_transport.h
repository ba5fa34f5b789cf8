#pragma once

#include "core/link/transport.h"

#include <hidapi.h>

// The reader's USB HID interface through hidapi. The window lends the handle of its link;
// the command-line tool hands one over that the transport closes when it goes.
class HidTransport : public Transport
{
public:
    explicit HidTransport(hid_device *device, bool owned = false, const QString &path = QString());
    ~HidTransport() override;
    HidTransport(const HidTransport &) = delete;
    HidTransport &operator=(const HidTransport &) = delete;

    Kind kind() const override { return Kind::UsbHid; }
    QString name() const override;
    bool write(const QByteArray &bytes) override;
    int receive(QByteArray &into, int timeoutMs) override;
    QString errorText() const override { return error_; }
    bool lineGone() const override { return gone_; }

    hid_device *device() const { return device_; }

private:
    hid_device *device_;
    bool owned_;
    QString path_;
    QString error_;
    bool gone_ = false;
};

// Closes an open USB HID link and lets hidapi go, as every teardown of the link does.
void closeHidLink(hid_device *&device);
