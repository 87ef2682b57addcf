// What the utility knows of the attached keyboard's memory layout: its default
// key matrix (the only link between matrix positions and keys) and the capacity
// of its macro area. Written when a keyboard is attached, read by the upload and
// the download of the device image.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>

#include "DeviceEntry.h"
#include "UserMessage.h"

namespace devicelink {
class DeviceCommands;
}

namespace model {

// The matrix the keyboard ships with, used until the first successful read.
const KeyPageBytes &builtInDefaultMatrix();

class KeyboardMemory {
public:
    KeyboardMemory();

    KeyPageBytes defaultMatrix() const;
    void setDefaultMatrix(const KeyPageBytes &matrix);

    // Bytes the macro area may hold; 0 until the info block has been read.
    std::uint32_t macroCapacity() const { return macroCapacity_.load(); }
    void setMacroCapacity(std::uint32_t bytes) { macroCapacity_.store(bytes); }
    // Takes the capacity from byte 11 of the keyboard's 44-byte info block.
    void setMacroCapacityFromInfo(std::span<const std::uint8_t> info);

    // Reads the default matrix from the keyboard. When the read fails, shows
    // "MAIN_DEFAULT_MATRIX_PROMPT" and keeps the previous matrix.
    std::int32_t readDefaultMatrix(devicelink::DeviceCommands &commands,
                                   const MessageSink &showMessage);

private:
    mutable std::mutex mutex_;
    KeyPageBytes defaultMatrix_{};
    std::atomic<std::uint32_t> macroCapacity_{0};
};

}  // namespace model
