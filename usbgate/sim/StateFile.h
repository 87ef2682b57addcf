// The simulated keyboard's memory on disk, so that it survives a restart.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "DeviceMemory.h"

namespace usbgate::sim {

// $XDG_STATE_HOME/usbgate/simulator.state (default ~/.local/state/...).
std::string defaultStatePath();

// The file's bytes: a mark, one named section per region and a check sum.
std::vector<uint8_t> encodeState(const DeviceMemory &memory);
// Ends a file's bytes with the check sum of all before it, as encodeState does.
void sealState(std::vector<uint8_t> &bytes);
// Reads a file's bytes into `memory`; false, leaving `memory` unchanged, when
// they are damaged or disagree with themselves.
bool decodeState(std::span<const uint8_t> file, DeviceMemory &memory);

enum class LoadResult { Loaded, Missing, Corrupt };

class StateFile {
public:
    explicit StateFile(std::string path) : path_(std::move(path)) {}

    // Reads the file into `memory`. A corrupt file is moved aside to
    // "<path>.corrupt" (never overwritten) and `memory` is left unchanged.
    LoadResult load(DeviceMemory &memory) const;
    // Replaces the file atomically; false with a message on stderr on failure.
    bool save(const DeviceMemory &memory) const;
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

}  // namespace usbgate::sim
