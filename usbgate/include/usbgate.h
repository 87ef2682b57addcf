/* Public interface of the device service library libUsbgate.so.
 *
 * The library reaches the keyboard (or its simulated firmware) and exposes
 * exactly twelve entry points with C linkage. Every request carries a check
 * value computed with the shared weight table below; a request whose check
 * value does not match is refused (result 0).
 */
#ifndef USBGATE_H
#define USBGATE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define USBGATE_UNIT_ID_SIZE 16
#define USBGATE_REPORT_SIZE 64

/* Event kinds handed to the data callback. */
#define USBGATE_EVENT_DEVICE_COUNT 0u
#define USBGATE_EVENT_DATA 1u

/* Request record of a registration, as the data callback sees it.
 * tag at byte 0, count (bytes received or device count) at byte 4,
 * data pointer at byte 8, detail record pointer at byte 16. */
typedef struct UsbgateRequestRecord {
    uint32_t tag;
    uint32_t count;
    const uint8_t *data;
    const struct UsbgateReportDetail *detail;
} UsbgateRequestRecord;

/* Second library record: a pointer to the received report bytes lies at
 * byte 28 (not naturally aligned, hence packed). */
typedef struct __attribute__((packed)) UsbgateReportDetail {
    uint8_t reserved[28];
    const uint8_t *report;
} UsbgateReportDetail;

/* Event record: kind at byte 0, request record pointer at byte 8. */
typedef struct UsbgateEvent {
    uint32_t kind;
    uint32_t reserved;
    const UsbgateRequestRecord *request;
} UsbgateEvent;

#ifdef __cplusplus
static_assert(offsetof(UsbgateEvent, kind) == 0, "event kind at byte 0");
static_assert(offsetof(UsbgateEvent, request) == 8, "request record at byte 8");
static_assert(offsetof(UsbgateRequestRecord, tag) == 0, "tag at byte 0");
static_assert(offsetof(UsbgateRequestRecord, count) == 4, "count at byte 4");
static_assert(offsetof(UsbgateRequestRecord, data) == 8, "data at byte 8");
static_assert(offsetof(UsbgateRequestRecord, detail) == 16, "detail at byte 16");
static_assert(offsetof(UsbgateReportDetail, report) == 28, "report at byte 28");
#else
_Static_assert(offsetof(UsbgateEvent, request) == 8, "request record at byte 8");
_Static_assert(offsetof(UsbgateRequestRecord, detail) == 16, "detail at byte 16");
_Static_assert(offsetof(UsbgateReportDetail, report) == 28, "report at byte 28");
#endif

/* Data callback: called on the library's own callback thread; returns 1. */
typedef int32_t (*UsbgateCallback)(const UsbgateEvent *event);

/* Debug(USBGATE_QUERY_DENIED_NODES) leaves the diagnostic level as it is and
 * returns how many of the keyboard's nodes are present but could not be opened
 * for lack of permission (the udev rule is missing): 0 when there are none. */
#define USBGATE_QUERY_DENIED_NODES 0x44454E59 /* "DENY" */

/* The twelve entry points. `unit` always points at a 16-byte unit identifier:
 * u32 15, u16 vendor id, u16 product id, u16 usage page, u16 usage, u32 0
 * (little-endian). `requestId` may be NULL where the caller keeps no id. */
int32_t Debug(int32_t level);
int32_t Init(int32_t flags);
int32_t End(void);
int32_t RequestGetDeviceCount(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                              uint32_t check, uint32_t *requestId);
int32_t DeleteRequestFromUnitId(uint32_t requestId);
int32_t DeleteRequestFromHandle(void *handle);
int32_t RequestWrite(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                     const uint8_t *data, uint32_t length, uint32_t check, uint32_t *requestId);
int32_t RequestWriteOne(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                        const uint8_t *data, uint32_t length, uint32_t check, uint32_t *requestId);
int32_t RequestStatusWrite(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                           const uint8_t *data, uint32_t length, uint32_t check,
                           uint32_t *requestId);
int32_t RequestStatusGet(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                         uint32_t check, uint32_t *requestId);
int32_t RequestAsyncRead(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                         uint32_t check, uint32_t *requestId);
int32_t RequestStatusSetFeature(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                                const uint8_t *data, uint32_t length, uint32_t check,
                                uint32_t *requestId);

/* Shared weight table of the request check value. */
static const uint8_t kUsbgateWeights[256] = {
    0xF0, 0xF8, 0x8A, 0x4D, 0x55, 0x1B, 0xFB, 0xB6, 0xCC, 0x29, 0x1E, 0x81, 0xA9, 0x2E, 0x62, 0x62,
    0xEC, 0x9B, 0x1C, 0x9B, 0xAD, 0xE6, 0xA7, 0x05, 0x44, 0xCE, 0xCF, 0xED, 0x26, 0x8B, 0xD9, 0x28,
    0x51, 0x58, 0x39, 0x87, 0xFD, 0x5E, 0xFD, 0x9C, 0xC9, 0x64, 0xFF, 0x58, 0x82, 0xF9, 0x50, 0x82,
    0xEB, 0x03, 0x22, 0x35, 0x90, 0x70, 0x38, 0xF1, 0x9E, 0xF2, 0x76, 0x3C, 0xFC, 0x17, 0xF1, 0x42,
    0xB4, 0x74, 0xEE, 0xCD, 0x8C, 0x18, 0x33, 0xD9, 0x50, 0x0A, 0x9F, 0x01, 0x5F, 0x21, 0x12, 0x16,
    0xDD, 0xCD, 0x1E, 0x06, 0xBB, 0x65, 0x7D, 0x40, 0x97, 0x3A, 0xCF, 0x88, 0x6E, 0xF1, 0xFA, 0x5F,
    0x1C, 0x9A, 0x72, 0x5B, 0xE7, 0x44, 0x04, 0x0C, 0x58, 0x5C, 0x38, 0x01, 0xC7, 0x84, 0xA4, 0x58,
    0x6F, 0xB2, 0xE4, 0x89, 0x3A, 0x10, 0x65, 0xED, 0x97, 0x28, 0xCA, 0xC9, 0x39, 0x7B, 0x6F, 0x08,
    0xAC, 0x2F, 0xD5, 0x1D, 0xE0, 0x6D, 0x18, 0xD1, 0xB2, 0xED, 0x80, 0x12, 0x85, 0x56, 0x76, 0xB8,
    0xFC, 0x05, 0x69, 0x73, 0xBE, 0x56, 0xE8, 0xB6, 0x67, 0x70, 0xA9, 0x42, 0xEB, 0xD3, 0x67, 0xBE,
    0xF0, 0xA1, 0xD0, 0xEC, 0x90, 0xEF, 0x6F, 0x5B, 0x4E, 0x76, 0xE8, 0x7E, 0x53, 0x15, 0xD7, 0x0A,
    0x6B, 0xC1, 0xEC, 0xF4, 0xCA, 0xA7, 0x81, 0x6D, 0xBD, 0x59, 0x37, 0xEC, 0x7F, 0x94, 0xB8, 0xF3,
    0xB0, 0x98, 0x61, 0xCD, 0x5C, 0x7B, 0xEC, 0xB5, 0x69, 0xF6, 0x6F, 0x80, 0xCE, 0x50, 0x7E, 0xA2,
    0xF6, 0xB0, 0xEF, 0x57, 0x4C, 0x78, 0x49, 0xA1, 0x53, 0x04, 0x55, 0x0A, 0x44, 0xC5, 0xEA, 0x0D,
    0x40, 0x3D, 0x6D, 0x4A, 0xEA, 0x9B, 0x85, 0x9E, 0x8E, 0xFB, 0x56, 0xEB, 0x8C, 0x2D, 0x2E, 0xE4,
    0xE7, 0x62, 0x4B, 0x26, 0x2A, 0xB2, 0x3B, 0x8B, 0xE3, 0x76, 0x2E, 0xA7, 0xF7, 0x3F, 0xD2, 0x2C,
};

/* Adds the weights of `length` bytes to `sum`. */
static inline uint32_t usbgate_weigh(uint32_t sum, const uint8_t *bytes, size_t length) {
    for (size_t i = 0; i < length; ++i) sum += kUsbgateWeights[bytes[i]];
    return sum;
}

/* Request check value: weights over the unit identifier, the callback field
 * (its low 32 bits, little-endian; 0 when none), the tag (little-endian) and
 * the data bytes, in that order. */
static inline uint32_t usbgate_check_value(const uint8_t *unit, UsbgateCallback callback,
                                           uint32_t tag, const uint8_t *data, size_t length) {
    uint32_t callbackField = (uint32_t)(uintptr_t)callback;
    uint8_t fields[8];
    for (int i = 0; i < 4; ++i) {
        fields[i] = (uint8_t)(callbackField >> (8 * i));
        fields[4 + i] = (uint8_t)(tag >> (8 * i));
    }
    uint32_t sum = usbgate_weigh(0, unit, USBGATE_UNIT_ID_SIZE);
    sum = usbgate_weigh(sum, fields, sizeof fields);
    return data ? usbgate_weigh(sum, data, length) : sum;
}

#ifdef __cplusplus
}
#endif

#endif /* USBGATE_H */
