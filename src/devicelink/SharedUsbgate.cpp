#include "devicelink/SharedUsbgate.h"

#include <mutex>

#include "devicelink/UsbgateLibrary.h"

namespace devicelink {

const UsbgateLibrary *sharedUsbgate(std::string &detail) {
    static std::mutex mutex;
    static BindResult bound;
    std::lock_guard lock(mutex);
    if (!bound.library) bound = bindUsbgate();
    detail = bound.detail;
    return bound.library.get();
}

}  // namespace devicelink
