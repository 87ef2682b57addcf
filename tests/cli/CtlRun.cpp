#include "CtlRun.h"

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "devicelink/SharedUsbgate.h"
#include "devicelink/UsbgateLibrary.h"

namespace clitest {
namespace {

CtlResult runShell(const std::string &command, const std::filesystem::path &errorFile) {
    CtlResult run;
    const std::string line = command + " 2>'" + errorFile.string() + "'";
    FILE *pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer;
    for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ScratchFolder::read(errorFile);
    return run;
}

// The simulator of this test process: bound once, started only while the test
// looks at the keyboard's memory, so it never runs beside a varnelctl run.
const devicelink::UsbgateLibrary &simulatorLibrary() {
    std::string detail;
    const devicelink::UsbgateLibrary *library = devicelink::sharedUsbgate(detail);
    if (library == nullptr) throw std::runtime_error("libUsbgate.so: " + detail);
    static const bool stopped = (library->entryPoints().end(), true);
    (void)stopped;
    return *library;
}

}  // namespace

CtlTest::CtlTest() {
    setenv("USBGATE_BACKEND", "simulator", 1);
    setenv("XDG_STATE_HOME", (scratch / "state").c_str(), 1);
    setenv("XDG_DATA_HOME", (scratch / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", scratch.path().c_str(), 1);
    setenv("USBGATE_SIM_SOCKET", (scratch / "sim.sock").c_str(), 1);
    setenv("LANG", "C", 1);
    unsetenv("USBGATE_SIM_PLUGGED");
    simulatorLibrary();
}

CtlTest::~CtlTest() = default;

std::filesystem::path CtlTest::binFolder() {
    const char *folder = std::getenv("VARNEL_TEST_BIN_DIR");
    return folder ? std::filesystem::path(folder) : std::filesystem::current_path();
}

CtlResult CtlTest::ctl(const std::string &arguments) {
    return runShell("'" + (binFolder() / "varnelctl").string() + "' " + arguments,
                    scratch / "stderr.txt");
}

std::string CtlTest::sim(const std::string &arguments) {
    const devicelink::UsbgateLibrary &library = simulatorLibrary();
    library.entryPoints().init(0);
    const CtlResult run = runShell("'" + (binFolder() / "usbgate-sim").string() + "' --socket '" +
                                       (scratch / "sim.sock").string() + "' " + arguments,
                                   scratch / "sim-stderr.txt");
    library.entryPoints().end();
    EXPECT_EQ(run.exitCode, 0) << arguments << ": " << run.err;
    return run.out;
}

std::vector<std::uint8_t> CtlTest::peek(const std::string &region, int offset, int length) {
    std::istringstream text(
        sim("peek " + region + " " + std::to_string(offset) + " " + std::to_string(length)));
    std::vector<std::uint8_t> found;
    for (std::string hex; text >> hex;) found.push_back(std::uint8_t(std::stoul(hex, nullptr, 16)));
    return found;
}

int CtlTest::matrixPosition(std::initializer_list<int> defaultEntry) {
    const std::vector<std::uint8_t> matrix = peek("default", 0, 378);
    const std::vector<std::uint8_t> entry = bytes(defaultEntry);
    for (std::size_t position = 0; position + 3 <= matrix.size(); position += 3) {
        if (std::equal(entry.begin(), entry.end(), matrix.begin() + position))
            return int(position / 3);
    }
    ADD_FAILURE() << "no such entry in the default matrix";
    return 0;
}

std::filesystem::path CtlTest::userFolder() const {
    return scratch / "data" / "Tarvik Q770RGB-PRO";
}

std::vector<std::uint8_t> bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> result;
    for (int value : values) result.push_back(std::uint8_t(value));
    return result;
}

}  // namespace clitest
