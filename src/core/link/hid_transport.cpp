#include "core/link/hid_transport.h"

#include "core/protocol/frames.h"
#include "core/protocol/hid_io.h"

HidTransport::HidTransport(hid_device *device, bool owned, const QString &path)
    : device_(device)
    , owned_(owned)
    , path_(path)
{
}

HidTransport::~HidTransport()
{
    if (owned_ && device_)
        hid_close(device_);
}

QString HidTransport::name() const
{
    return QStringLiteral("hid:") + path_;
}

bool HidTransport::write(const QByteArray &bytes)
{
    if (writeHidReport(device_, bytes) >= 0)
        return true;
    error_ = hidErrorText(device_);
    return false;
}

int HidTransport::receive(QByteArray &into, int timeoutMs)
{
    into.fill(char(0x00), Frames::ReportSize);
    if (!device_)
        return -1;
    // hid_read would block for ever on a reader that keeps silent.
    const int received = hid_read_timeout(device_, reinterpret_cast<unsigned char *>(into.data()),
                                          size_t(into.size()), timeoutMs);
    if (received < 0) {
        // The next hidapi call clears the text: keep it now.
        error_ = hidErrorText(device_);
        gone_ = true;
        into.clear();
        return -1;
    }
    into.truncate(received);
    return received;
}

void closeHidLink(hid_device *&device)
{
    if (device)
        hid_close(device);
    hid_exit();
    device = nullptr;
}
