// Receiver of what the keyboard reports besides command answers. The
// application registers one with the report transport.
//
// Both calls arrive on the device library's callback thread, which also
// delivers the answers every exchange waits for: a listener must return
// promptly, never exchange a command report itself and never wait for the
// user-interface thread. Work that needs either belongs on a thread of its own.
#pragma once

#include <cstdint>

namespace devicelink {

class DeviceEventListener {
public:
    virtual ~DeviceEventListener() = default;

    // The number of keyboards on the command collection changed.
    virtual void onDeviceCountChanged(std::uint32_t deviceCount) = 0;

    // The keyboard sent a 16-bit event code on its consumer collection.
    virtual void onDeviceEvent(std::uint16_t eventCode) = 0;
};

}  // namespace devicelink
