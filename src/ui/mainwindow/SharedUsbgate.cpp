#include "ui/mainwindow/SharedUsbgate.h"

#include <mutex>

#include "devicelink/UsbgateLibrary.h"

namespace mainwindow {

const devicelink::UsbgateLibrary *sharedUsbgate(std::string &detail) {
    static std::mutex mutex;
    static devicelink::BindResult bound;
    std::lock_guard lock(mutex);
    if (!bound.library) bound = devicelink::bindUsbgate();
    detail = bound.detail;
    return bound.library.get();
}

}  // namespace mainwindow
