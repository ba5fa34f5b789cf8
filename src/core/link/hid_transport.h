#pragma once

#include <memory>

#include "core/link/access_check.h"
#include "core/link/transport.h"

#include <hidapi.h>

// The reader's USB HID interface through hidapi. An owned handle is closed when the transport
// goes.
class HidTransport : public Transport
{
public:
    explicit HidTransport(hid_device *device, bool owned = false, const QString &path = QString());

    struct Opened
    {
        std::unique_ptr<HidTransport> transport;  // null when the reader did not open
        QString error;                            // hidapi's reason
        AccessCheck::Diagnosis access;            // Denied: this user may not open the node
    };
    // The reader at a node that hid_enumerate listed (never another path: hidapi crashes on
    // one). Safe beside other threads' hidapi calls.
    static Opened openPath(const QString &node);
    // The reader by its USB IDs. With vendorId 0 each of the reader's product IDs is tried in
    // turn, 0xF100 first, and the IDs that opened are written back. Null when none opened.
    static std::unique_ptr<HidTransport> openByIds(quint16 &vendorId, quint16 &productId);
    // The node hid_open(vendorId, productId) opens: the first device listed with those IDs;
    // empty when none is.
    static QString nodeOf(quint16 vendorId, quint16 productId);
    // The reader's diagnostic interface (product C141), for the developer's dump.
    static std::unique_ptr<HidTransport> openDiagnostic();

    // The developer's dump on the debug channel: the device's strings, and its answer to one
    // status request (without a sequence number) within a bounded wait.
    void dump();

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
    bool isOpen() const override { return device_ != nullptr; }
    // Closes the handle and lets hidapi go, as every teardown of the window's link does.
    void close() override;

private:
    hid_device *device_;
    bool owned_;
    QString path_;
    QString error_;
    bool gone_ = false;
};

