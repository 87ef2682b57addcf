// The blocking report exchange with the keyboard and the data callback through
// which the device library hands in answers, event codes and device-count
// changes.
//
// One transport serves the whole process. Exchanges may come from any thread;
// they are serialised, so two of them never share the exchange state. The
// answer always arrives on the library's callback thread, never the caller's.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <span>

#include "devicelink/DeviceEventListener.h"
#include "devicelink/ExchangeState.h"
#include "devicelink/ExchangeTiming.h"
#include "devicelink/ExchangeTurn.h"
#include "devicelink/ExchangeWaitObserver.h"
#include "devicelink/ReportFrame.h"
#include "devicelink/UsbgateLibrary.h"

namespace devicelink {

class ExchangeWaitNotice;

class ReportTransport {
public:
    explicit ReportTransport(const UsbgateLibrary &library, ExchangeTiming timing = {});
    // Stops routing callbacks to this transport. The library registrations are
    // left alone (see withdrawReads).
    ~ReportTransport();

    ReportTransport(const ReportTransport &) = delete;
    ReportTransport &operator=(const ReportTransport &) = delete;

    // Makes this the transport the data callback serves, then registers the
    // two asynchronous reads: event codes (CONS) and command answers with
    // device-count changes (CTRL), each replacing its earlier registration.
    // Returns 1 when the library accepted both, else 0.
    std::int32_t registerReads();

    // Withdraws both registrations from the library.
    void withdrawReads();

    // Writes the request (zero-filled or cut to 64 bytes) and waits for the
    // whole report that echoes its code, length and offset, writing it again
    // after a lost or busy answer, up to the timing's number of attempts.
    // Reports that do not answer this request (foreign, short, or left over
    // from an exchange that gave up on them) are dropped while the wait goes
    // on. At most answer.size() bytes of the answer are kept.
    // Returns 1 = answered (the status byte may still refuse after the last
    // attempt), 0 = no keyboard, -1 = write refused, -2 = no matching answer.
    // receivedLength is 0 unless the result is 1.
    std::int32_t exchangeReport(std::span<const std::uint8_t> request,
                                std::span<std::uint8_t> answer, std::uint32_t &receivedLength);

    // The receiver of event codes and device-count changes; nullptr for none.
    void setListener(DeviceEventListener *listener);

    // Told, on the waiting thread, about exchanges that wait long for their
    // answer; nullptr for none. Exchanges that started earlier keep the
    // observer they started with.
    void setWaitObserver(ExchangeWaitObserver *observer);

    const ExchangeTiming &timing() const { return timing_; }
    const UsbgateLibrary &library() const { return library_; }

    // The callback handed to the library with every read registration.
    static std::int32_t onDeviceData(const UsbgateEvent *event);

private:
    enum class AnswerCheck { Accepted, Lost, Refused };

    std::int32_t registerRead(const UnitId &unit, std::uint32_t tag, std::uint32_t &requestId);
    static AnswerCheck examineAnswer(std::span<const std::uint8_t> answer);
    void takeTurn(std::unique_lock<ExchangeTurn> &turn, ExchangeWaitNotice &notice);
    ExchangeState::WaitResult waitForAnswer(ExchangeWaitNotice &notice);
    void dispatch(const UsbgateEvent &event);
    void dispatchCommandData(const UsbgateRequestRecord &record);
    void dispatchConsumerData(const UsbgateRequestRecord &record);

    const UsbgateLibrary &library_;
    const ExchangeTiming timing_;
    ExchangeState state_;
    ExchangeTurn exchangeTurn_;                // one exchange at a time
    DeviceEventListener *listener_ = nullptr;  // guarded by the callback gate
    std::atomic<ExchangeWaitObserver *> waitObserver_{nullptr};
    std::uint32_t consRequestId_ = 0;
    std::uint32_t ctrlRequestId_ = 0;
};

}  // namespace devicelink
