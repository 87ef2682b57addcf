// varnelctl run as a separate process, as a user or a script runs it, against
// the simulated keyboard. The keyboard's memory lives in the simulator's state
// file between runs, as a real keyboard keeps it; the test looks at it with
// usbgate-sim through a simulator it starts only while it looks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "ScratchFolder.h"

namespace clitest {

struct CtlResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CtlTest : public ::testing::Test {
protected:
    CtlTest();
    ~CtlTest() override;

    // varnelctl with the arguments (shell words).
    CtlResult ctl(const std::string &arguments);
    // usbgate-sim with the arguments, while a simulator holds the keyboard's memory.
    std::string sim(const std::string &arguments);
    // Bytes of a region of the keyboard's memory.
    std::vector<std::uint8_t> peek(const std::string &region, int offset, int length);
    // The key map position of a key, by its entry in the keyboard's default matrix.
    int matrixPosition(std::initializer_list<int> defaultEntry);
    // The per-user folder varnelctl and the window share.
    std::filesystem::path userFolder() const;

    static std::filesystem::path binFolder();

    ScratchFolder scratch;
};

std::vector<std::uint8_t> bytes(std::initializer_list<int> values);

}  // namespace clitest
