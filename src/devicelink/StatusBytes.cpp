#include "devicelink/StatusBytes.h"

#include <condition_variable>
#include <mutex>
#include <utility>

#include "devicelink/FourCharCode.h"
#include "devicelink/UnitId.h"
#include "devicelink/UsbgateLibrary.h"

namespace devicelink {
namespace {

inline constexpr std::uint32_t kTagStatusGet = fourCharCode("STAT");

// Where the callback thread leaves the bytes for the one waiting reader.
struct StatusMailbox {
    std::mutex mutex;
    std::condition_variable arrived;
    std::optional<StatusBytes> bytes;
};

StatusMailbox &mailbox() {
    static StatusMailbox box;
    return box;
}

std::int32_t onStatusData(const UsbgateEvent *event) {
    const UsbgateRequestRecord *record = event ? event->request : nullptr;
    if (!record || event->kind != USBGATE_EVENT_DATA || record->tag != kTagStatusGet ||
        record->data == nullptr || record->count < 2)
        return 1;
    StatusMailbox &box = mailbox();
    {
        std::lock_guard lock(box.mutex);
        box.bytes = StatusBytes{record->data[0], record->data[1]};
    }
    box.arrived.notify_all();
    return 1;
}

}  // namespace

std::optional<StatusBytes> readStatusBytes(const UsbgateLibrary &library,
                                           std::chrono::milliseconds wait) {
    static std::mutex oneReader;
    std::lock_guard reader(oneReader);
    StatusMailbox &box = mailbox();
    std::unique_lock lock(box.mutex);
    box.bytes.reset();
    lock.unlock();
    if (library.statusGet(kStatusUnit, &onStatusData, kTagStatusGet, nullptr) <= 0)
        return std::nullopt;
    lock.lock();
    box.arrived.wait_for(lock, wait, [&box] { return box.bytes.has_value(); });
    return std::exchange(box.bytes, std::nullopt);
}

}  // namespace devicelink
