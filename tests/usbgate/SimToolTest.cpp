// usbgate-sim against a running simulator: commands pass through, the memory
// dump decodes the regions, and failures end with a message and exit code 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>

#include "LoadedLibrary.h"
#include "SimControl.h"

namespace usbgate::test {
namespace {

struct ToolRun {
    int exitCode;
    std::string output;
};

ToolRun runTool(const std::string &arguments) {
    const char *binDir = std::getenv("VARNEL_TEST_BIN_DIR");
    std::string command =
        std::string(binDir ? binDir : ".") + "/usbgate-sim " + arguments + " 2>&1";
    ToolRun run{-1, {}};
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer;
    for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        run.output.append(buffer.data(), n);
    }
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class UsbgateSimTool : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(library->Init(0), 1); }
    std::string tool(const std::string &arguments) {
        return "--socket " + library.socketPath() + " " + arguments;
    }
    TempFolder folder;
    LoadedLibrary library{folder};
};

TEST_F(UsbgateSimTool, DumpDecodesTheMacroAreaAndMarksChangedEntries) {
    SimControl control(library.socketPath());
    // One macro "Go": press A 20 ms, release A.
    std::vector<uint8_t> area = {0xAA, 0x55, 32,  0, 1,    0,    1, 0, 0, 0, 0,
                                 0,    0,    0,   0, 0,    18,   0, 2, 0, 1, 2,  // block at 18
                                 0x02, 0xA0, 2,   4, 0x00, 0x20, 2, 4,           // two actions
                                 'G',  0,    'o', 0};
    ASSERT_TRUE(control.poke("macro", 0, area));
    ASSERT_TRUE(control.poke("page1", 3 * 17, {3, 0xCD, 0}));
    ASSERT_TRUE(control.firmware(0x0108));
    ToolRun run = runTool(tool("dump"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const char *expected :
         {"firmware 0x0108", "lighting modes 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 20",
          "[page 1]", " 17:03CD00*", "1 macros, names included",
          "macro 1 at 18: 2 actions, cycles 1, name \"Go\"", "press   type 2 [02 04] wait 20 ms",
          "release type 2 [02 04] wait 0 ms", "[colours 2]", "[status] 05 02"}) {
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    }
}

TEST_F(UsbgateSimTool, CommandsPassThroughAndFailuresExitWithOne) {
    ToolRun peek = runTool(tool("peek info 8 4"));
    EXPECT_EQ(peek.exitCode, 0);
    EXPECT_EQ(peek.output, "09 01 00 80\n");
    EXPECT_EQ(runTool(tool("unplug")).exitCode, 0);
    EXPECT_EQ(library.deviceCount(), 0u);
    ToolRun refused = runTool(tool("event 0x02FF"));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.output.find("unplugged"), std::string::npos);
    EXPECT_EQ(runTool(tool("plug")).exitCode, 0);
    EXPECT_EQ(library.deviceCount(), 1u);
    ToolRun nobody = runTool("--socket " + folder.path() + "/nobody.sock plug");
    EXPECT_EQ(nobody.exitCode, 1);
    EXPECT_NE(nobody.output.find("no simulator"), std::string::npos);
    EXPECT_EQ(runTool("").exitCode, 2);
}

}  // namespace
}  // namespace usbgate::test
