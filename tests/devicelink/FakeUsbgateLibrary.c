/* A stand-in device library for the binding failures the real one cannot
 * show: built once without its last entry point and once with an Init that
 * refuses. Nothing here talks to a keyboard. */
#include "usbgate/include/usbgate.h"

int32_t Debug(int32_t level) {
    return level;
}
int32_t Init(int32_t flags) {
    return FAKE_INIT_RESULT + flags;
}
int32_t End(void) {
    return 1;
}
int32_t RequestGetDeviceCount(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                              uint32_t check, uint32_t *requestId) {
    (void)unit, (void)callback, (void)tag, (void)check, (void)requestId;
    return 0;
}
int32_t DeleteRequestFromUnitId(uint32_t requestId) {
    return (int32_t)requestId;
}
int32_t DeleteRequestFromHandle(void *handle) {
    return handle != 0;
}
int32_t RequestWrite(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                     const uint8_t *data, uint32_t length, uint32_t check, uint32_t *requestId) {
    (void)unit, (void)callback, (void)tag, (void)data, (void)check, (void)requestId;
    return (int32_t)length;
}
int32_t RequestWriteOne(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                        const uint8_t *data, uint32_t length, uint32_t check, uint32_t *requestId) {
    return RequestWrite(unit, callback, tag, data, length, check, requestId);
}
int32_t RequestStatusWrite(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                           const uint8_t *data, uint32_t length, uint32_t check,
                           uint32_t *requestId) {
    return RequestWrite(unit, callback, tag, data, length, check, requestId);
}
int32_t RequestStatusGet(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                         uint32_t check, uint32_t *requestId) {
    return RequestGetDeviceCount(unit, callback, tag, check, requestId);
}
int32_t RequestAsyncRead(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                         uint32_t check, uint32_t *requestId) {
    return RequestGetDeviceCount(unit, callback, tag, check, requestId);
}
#ifndef FAKE_OMIT_LAST_ENTRY
int32_t RequestStatusSetFeature(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                                const uint8_t *data, uint32_t length, uint32_t check,
                                uint32_t *requestId) {
    return RequestWrite(unit, callback, tag, data, length, check, requestId);
}
#endif
