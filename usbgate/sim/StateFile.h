// The simulated keyboard's memory on disk, so that it survives a restart.
#pragma once

#include <optional>
#include <string>

#include "DeviceMemory.h"

namespace usbgate::sim {

// $XDG_STATE_HOME/usbgate/simulator.state (default ~/.local/state/...).
std::string defaultStatePath();

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
