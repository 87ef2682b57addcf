#include "devicelink/ReportTransport.h"

#include <algorithm>
#include <thread>

#include "devicelink/DeviceResult.h"
#include "devicelink/ExchangeWaitNotice.h"
#include "devicelink/FourCharCode.h"

namespace devicelink {

namespace {

// The transport the library's callback serves. The gate is held while a
// callback runs, so a transport is never destroyed under one.
std::mutex &callbackGate() {
    static std::mutex gate;
    return gate;
}
ReportTransport *activeTransport = nullptr;

Report zeroFilledReport(std::span<const std::uint8_t> request) {
    Report report{};
    std::copy_n(request.begin(), std::min(request.size(), kReportSize), report.begin());
    return report;
}

}  // namespace

ReportTransport::ReportTransport(const UsbgateLibrary &library, ExchangeTiming timing)
    : library_(library), timing_(timing) {}

ReportTransport::~ReportTransport() {
    std::lock_guard gate(callbackGate());
    if (activeTransport == this) activeTransport = nullptr;
}

std::int32_t ReportTransport::registerReads() {
    {
        std::lock_guard gate(callbackGate());
        activeTransport = this;
    }
    const std::int32_t consumer = registerRead(kConsumerUnit, kTagCons, consRequestId_);
    const std::int32_t command = registerRead(kCommandUnit, kTagCtrl, ctrlRequestId_);
    return consumer > 0 && command > 0 ? kDone : kNoDevice;
}

std::int32_t ReportTransport::registerRead(const UnitId &unit, std::uint32_t tag,
                                           std::uint32_t &requestId) {
    if (requestId != 0) library_.deleteRequest(requestId);
    requestId = 0;
    return library_.asyncRead(unit, &ReportTransport::onDeviceData, tag, &requestId);
}

void ReportTransport::withdrawReads() {
    for (std::uint32_t *requestId : {&consRequestId_, &ctrlRequestId_}) {
        if (*requestId != 0) library_.deleteRequest(*requestId);
        *requestId = 0;
    }
}

std::int32_t ReportTransport::exchangeReport(std::span<const std::uint8_t> request,
                                             std::span<std::uint8_t> answer,
                                             std::uint32_t &receivedLength) {
    ExchangeWaitNotice notice(waitObserver_.load(), timing_);
    std::unique_lock exclusive(exchangeTurn_, std::defer_lock);
    takeTurn(exclusive, notice);
    receivedLength = 0;
    if (library_.deviceCount(kCommandUnit) == 0) {
        state_.clearPending();
        return kNoDevice;
    }
    const Report report = zeroFilledReport(request);
    const AnswerMatch match(report);
    const auto capacity = static_cast<std::uint32_t>(answer.size());
    for (int attempt = 1;; ++attempt) {
        // Exchanges are serialised and each clears pending on its way out, so
        // this back-off only guards against a state left pending some other way.
        if (state_.isPending()) {
            std::this_thread::sleep_for(timing_.pendingBackoff);
            state_.clearPending();
        }
        state_.publish(answer.data(), capacity, match);
        if (library_.writeOne(kCommandUnit, report) <= 0) {
            state_.clearPending();
            return kWriteRefused;
        }
        AnswerCheck check = AnswerCheck::Lost;
        if (waitForAnswer(notice) == ExchangeState::WaitResult::Answered) {
            check = examineAnswer(answer.first(state_.receivedLength()));
        }
        const bool lastAttempt = attempt >= timing_.attempts;
        if (check == AnswerCheck::Accepted || (check == AnswerCheck::Refused && lastAttempt)) {
            receivedLength = state_.receivedLength();
            return kDone;
        }
        if (lastAttempt) return kNoAnswer;
        std::this_thread::sleep_for(timing_.retryPause);
    }
}

// Waits until the exchange before this one has ended. Waiting for the turn
// counts as waiting too: the busy notices fall due from the exchange's start.
void ReportTransport::takeTurn(std::unique_lock<ExchangeTurn> &turn, ExchangeWaitNotice &notice) {
    if (!notice.observed()) return turn.lock();
    while (!turn.try_lock_until(notice.nextNotice())) notice.giveDueNotice();
}

// One attempt's wait, woken for the busy notices that fall due meanwhile; the
// wait ends at the same time with or without them.
ExchangeState::WaitResult ReportTransport::waitForAnswer(ExchangeWaitNotice &notice) {
    const auto deadline = std::chrono::steady_clock::now() + timing_.answerWait;
    while (!state_.awaitAnswer(notice.wakeBefore(deadline))) {
        if (std::chrono::steady_clock::now() >= deadline) break;
        notice.giveDueNotice();
    }
    return state_.endWait();
}

void ReportTransport::setWaitObserver(ExchangeWaitObserver *observer) {
    waitObserver_ = observer;
}

// Only an answer to this exchange reaches the buffer (see AnswerMatch); its
// status byte is examined when the caller's buffer kept it.
ReportTransport::AnswerCheck ReportTransport::examineAnswer(std::span<const std::uint8_t> answer) {
    if (answer.size() > kStatusByte && isRefusingStatus(answer[kStatusByte])) {
        return AnswerCheck::Refused;
    }
    return AnswerCheck::Accepted;
}

void ReportTransport::setListener(DeviceEventListener *listener) {
    std::lock_guard gate(callbackGate());
    listener_ = listener;
}

std::int32_t ReportTransport::onDeviceData(const UsbgateEvent *event) {
    std::lock_guard gate(callbackGate());
    if (activeTransport != nullptr && event != nullptr && event->request != nullptr) {
        activeTransport->dispatch(*event);
    }
    return 1;
}

void ReportTransport::dispatch(const UsbgateEvent &event) {
    const UsbgateRequestRecord &record = *event.request;
    if (event.kind == USBGATE_EVENT_DATA && record.tag == kTagCons) {
        dispatchConsumerData(record);
    } else if (event.kind == USBGATE_EVENT_DATA && record.tag == kTagCtrl) {
        dispatchCommandData(record);
    } else if (event.kind == USBGATE_EVENT_DEVICE_COUNT && record.tag == kTagCtrl) {
        if (listener_ != nullptr) listener_->onDeviceCountChanged(record.count);
    }
}

// Copied only while an exchange waits for it; any other answer is dropped.
void ReportTransport::dispatchCommandData(const UsbgateRequestRecord &record) {
    if (record.data == nullptr) return;
    state_.deliver(std::span(record.data, record.count));
}

// The event code is the first two bytes of the consumer report, low byte first.
void ReportTransport::dispatchConsumerData(const UsbgateRequestRecord &record) {
    if (listener_ == nullptr || record.count < 2 || record.detail == nullptr) return;
    const std::uint8_t *report = record.detail->report;
    if (report == nullptr) return;
    listener_->onDeviceEvent(static_cast<std::uint16_t>(report[0] | (report[1] << 8)));
}

}  // namespace devicelink
