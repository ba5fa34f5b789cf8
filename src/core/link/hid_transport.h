#pragma once

#include <memory>

#include "core/link/access_check.h"
#include "core/link/transport.h"
#include "core/link/transport_descriptor.h"

#include <hidapi.h>

// The reader's USB HID interface through hidapi, and the only door to hidapi: every call into
// it is made here, and the calls that touch its state for the whole process hold one lock. The
// handle is closed when the transport goes.
class HidTransport : public Transport
{
public:
    explicit HidTransport(hid_device *device, const QString &path = QString());

    // The reader at a node that hid_enumerate listed (never another path: hidapi crashes on
    // one): the link, else Denied (this user may not open the node) or Failed with hidapi's
    // reason.
    static LinkOpening openPath(const QString &node);
    // The reader by its USB IDs. With vendorId 0 each of the reader's product IDs is tried in
    // turn, 0xF100 first, and the IDs that opened are written back. Null when none opened.
    static std::unique_ptr<HidTransport> openByIds(quint16 &vendorId, quint16 &productId);
    // The node hid_open(vendorId, productId) opens: the first device listed with those IDs;
    // empty when none is.
    static QString nodeOf(quint16 vendorId, quint16 productId);
    // The reader's diagnostic interface (product C141), for the developer's dump.
    static std::unique_ptr<HidTransport> openDiagnostic();
    // Readers on USB HID: vendor 0x0416, the reader's product IDs (listing opens nothing).
    static QList<ReaderList::Reader> listed();
    // After no reader opened by productId (0: each of the reader's IDs was tried): a reader
    // listed with an ID that was tried is one this user may not open.
    static AccessCheck::Diagnosis refusal(quint16 productId);
    // Whether a reader on USB HID is listed but none of the reader's IDs opens.
    static AccessCheck::Diagnosis anyRefused();
    // Lets hidapi go (after the last handle closed) and makes it ready again.
    static void exit();
    static void init();

    // The developer's dump on the debug channel: the device's strings, and its answer to one
    // status request (without a sequence number) within a bounded wait.
    void dump();

    ~HidTransport() override;
    HidTransport(const HidTransport &) = delete;
    HidTransport &operator=(const HidTransport &) = delete;

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
    QString path_;
    QString error_;
    bool gone_ = false;
};

