// Placeholder: no reader answers on USB HID yet.
#include <hidapi.h>

extern "C" {
int HID_API_EXPORT hid_init(void) { return 0; }
int HID_API_EXPORT hid_exit(void) { return 0; }
hid_device *HID_API_EXPORT hid_open(unsigned short, unsigned short, const wchar_t *) { return nullptr; }
int HID_API_EXPORT hid_write(hid_device *, const unsigned char *, size_t) { return -1; }
int HID_API_EXPORT hid_read_timeout(hid_device *, unsigned char *, size_t, int) { return -1; }
int HID_API_EXPORT hid_read(hid_device *, unsigned char *, size_t) { return -1; }
int HID_API_EXPORT hid_set_nonblocking(hid_device *, int) { return -1; }
void HID_API_EXPORT hid_close(hid_device *) {}
int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device *, wchar_t *, size_t) { return -1; }
int HID_API_EXPORT_CALL hid_get_product_string(hid_device *, wchar_t *, size_t) { return -1; }
int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device *, wchar_t *, size_t) { return -1; }
int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device *, int, wchar_t *, size_t) { return -1; }
HID_API_EXPORT const wchar_t *HID_API_CALL hid_error(hid_device *) { return L"no device"; }
}
