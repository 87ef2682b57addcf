// The two status bytes the keyboard's status collection holds, as the host last
// wrote them: bit 0 of the second byte is the active extra-key bank.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

namespace devicelink {

class UsbgateLibrary;

using StatusBytes = std::array<std::uint8_t, 2>;

// Asks the library for the status bytes and waits for them; nothing when the
// request is refused or no answer comes within the wait.
std::optional<StatusBytes> readStatusBytes(const UsbgateLibrary &library,
                                           std::chrono::milliseconds wait);

constexpr bool isBankB(const StatusBytes &status) {
    return (status[1] & 0x01) != 0;
}

}  // namespace devicelink
