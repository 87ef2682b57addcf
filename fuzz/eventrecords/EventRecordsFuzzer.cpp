// Feeds arbitrary event records to the data callback the device library calls:
// device counts, event codes and answers of any kind, tag and length, with or
// without their data and detail records, some while an exchange waits for its
// answer. The listener hears exactly the counts and event codes sent; the
// exchange ends answered or without an answer, keeps no more of an answer than
// its buffer holds, and an answer it takes echoes its request's code and offset.
//
// Input: the request's command code, then records, each a selector byte (bits
// 0..1 kind, 2..3 tag, 4 no detail record, 5 no data, 6 last record of a group,
// 7 unused), a length byte and that many data bytes. The first group arrives
// before the exchange, one group answers each report the exchange writes, and
// the rest arrives after it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "devicelink/FourCharCode.h"
#include "devicelink/ReportFrame.h"
#include "devicelink/ReportTransport.h"

namespace {

using devicelink::ReportTransport;

constexpr std::uint32_t kTags[4] = {devicelink::kTagCtrl, devicelink::kTagCons,
                                    devicelink::fourCharCode("LED"), 0};

class RecordStream {
public:
    explicit RecordStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // Delivers records up to the end of the next group; false when none was left.
    bool deliverGroup() {
        bool any = false;
        while (bytes_.size() >= 2) {
            const std::uint8_t selector = bytes_[0];
            const std::size_t length = std::min<std::size_t>(bytes_[1], bytes_.size() - 2);
            deliver(selector, bytes_.subspan(2, length));
            bytes_ = bytes_.subspan(2 + length);
            any = true;
            if (selector & 0x40) break;
        }
        return any;
    }

    std::vector<std::uint32_t> countsSent, countsHeard;
    std::vector<std::uint16_t> codesSent, codesHeard;

private:
    void deliver(std::uint8_t selector, std::span<const std::uint8_t> data) {
        const std::uint32_t kind = selector & 0x03;
        const std::uint32_t tag = kTags[(selector >> 2) & 0x03];
        const bool withDetail = (selector & 0x10) == 0;
        const bool withData = (selector & 0x20) == 0;
        // The data the library hands over lives in a buffer of exactly its length.
        std::vector<std::uint8_t> buffer(data.begin(), data.end());
        UsbgateReportDetail detail{};
        detail.report = withData && !buffer.empty() ? buffer.data() : nullptr;
        const std::uint32_t count = kind == USBGATE_EVENT_DATA
                                        ? static_cast<std::uint32_t>(buffer.size())
                                        : (data.empty() ? 0u : data[0]);
        UsbgateRequestRecord request{tag, count, detail.report, withDetail ? &detail : nullptr};
        UsbgateEvent event{kind, 0, &request};
        expect(kind, tag, count, withDetail ? detail.report : nullptr);
        ReportTransport::onDeviceData(&event);
    }

    void expect(std::uint32_t kind, std::uint32_t tag, std::uint32_t count,
                const std::uint8_t *report) {
        if (kind == USBGATE_EVENT_DEVICE_COUNT && tag == devicelink::kTagCtrl) {
            countsSent.push_back(count);
        } else if (kind == USBGATE_EVENT_DATA && tag == devicelink::kTagCons && count >= 2 &&
                   report != nullptr) {
            codesSent.push_back(static_cast<std::uint16_t>(report[0] | report[1] << 8));
        }
    }

    std::span<const std::uint8_t> bytes_;
};

RecordStream *activeStream = nullptr;

class Listener : public devicelink::DeviceEventListener {
public:
    void onDeviceCountChanged(std::uint32_t count) override {
        activeStream->countsHeard.push_back(count);
    }
    void onDeviceEvent(std::uint16_t code) override { activeStream->codesHeard.push_back(code); }
};

// The library: one keyboard, every report accepted and answered, from inside
// the write, by the next group of records.
std::int32_t deviceCount(const std::uint8_t *, UsbgateCallback, std::uint32_t, std::uint32_t,
                         std::uint32_t *) {
    return 1;
}
std::int32_t writeOne(const std::uint8_t *, UsbgateCallback, std::uint32_t, const std::uint8_t *,
                      std::uint32_t, std::uint32_t, std::uint32_t *) {
    activeStream->deliverGroup();
    return 1;
}
std::int32_t asyncRead(const std::uint8_t *, UsbgateCallback, std::uint32_t, std::uint32_t,
                       std::uint32_t *requestId) {
    if (requestId != nullptr) *requestId = 1;
    return 1;
}
std::int32_t deleteRequest(std::uint32_t) {
    return 1;
}

const devicelink::UsbgateLibrary &library() {
    static const devicelink::UsbgateLibrary instance([] {
        devicelink::UsbgateEntryPoints api;
        api.requestGetDeviceCount = deviceCount;
        api.requestWriteOne = writeOne;
        api.requestAsyncRead = asyncRead;
        api.deleteRequestFromUnitId = deleteRequest;
        return api;
    }());
    return instance;
}

// No waiting: an answer not delivered from inside the write is lost.
constexpr devicelink::ExchangeTiming kNoWaits{
    std::chrono::milliseconds(0), std::chrono::milliseconds(0), std::chrono::milliseconds(0),
    std::chrono::milliseconds(0), 3};

// An answer taken is a whole report: it fills the caller's buffer at least as
// far as a report reaches, never beyond the buffer's end, and echoes the
// request's code and offset bytes as far as the buffer reaches.
void checkExchange(std::int32_t result, std::uint32_t received, const devicelink::Report &request,
                   std::span<const std::uint8_t> answer) {
    if (result != 1 && result != -2) __builtin_trap();
    if (result != 1) {
        if (received != 0) __builtin_trap();
        return;
    }
    if (received > answer.size() || received < std::min(answer.size(), devicelink::kReportSize))
        __builtin_trap();
    const std::size_t echoEnd = std::min<std::size_t>(received, devicelink::kCodeByte + 4);
    for (std::size_t i = devicelink::kCodeByte; i < echoEnd; ++i)
        if (answer[i] != request[i]) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2) return 0;
    RecordStream stream(std::span(data + 2, size - 2));
    activeStream = &stream;
    Listener listener;
    ReportTransport transport(library(), kNoWaits);
    transport.registerReads();
    transport.setListener(&listener);

    stream.deliverGroup();
    devicelink::Report request{};
    request[devicelink::kCodeByte] = data[0];
    std::vector<std::uint8_t> answer(data[1] % 80);  // callers keep from 0 to 64 bytes
    std::uint32_t received = 0;
    const std::int32_t result = transport.exchangeReport(request, answer, received);
    checkExchange(result, received, request, answer);
    while (stream.deliverGroup()) {
    }

    transport.setListener(nullptr);
    if (stream.countsHeard != stream.countsSent || stream.codesHeard != stream.codesSent)
        __builtin_trap();
    activeStream = nullptr;
    return 0;
}
