#include "core/link/transport_descriptor.h"

namespace Transports {

namespace {

QList<const TransportDescriptor *> &added()
{
    static QList<const TransportDescriptor *> descriptors;
    return descriptors;
}

}  // namespace

QList<const TransportDescriptor *> all()
{
    return QList<const TransportDescriptor *>{&usbHid(), &serial()} + added();
}

void add(const TransportDescriptor &descriptor)
{
    added().append(&descriptor);
}

const TransportDescriptor *ofDevice(const QString &device)
{
    for (const TransportDescriptor *descriptor : all()) {
        if (device.startsWith(descriptor->prefix()))
            return descriptor;
    }
    return nullptr;
}

}  // namespace Transports
