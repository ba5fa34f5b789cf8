#pragma once

#include <QtGlobal>

// How the reader shows itself on the USB bus. Its keyboard interface answers as one of two
// product IDs; the diagnostic dump also asks for a third one.
namespace UsbIds {

constexpr quint16 VendorId = 0x0416;
constexpr quint16 ProductIds[] = {0xF100, 0xF108};  // in the order a connect tries them
constexpr quint16 DiagnosticProductId = 0xC141;

}  // namespace UsbIds
