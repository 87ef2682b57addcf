// list, info, profile and lighting against the simulated keyboard: what the
// commands write lands in the keyboard's memory, what they read matches it,
// and bad input or a missing keyboard changes nothing.
#include <nlohmann/json.hpp>

#include "CtlRun.h"

namespace clitest {
namespace {

constexpr int kRecordSize = 42;

using LightingCommands = CtlTest;

TEST_F(LightingCommands, SetWritesTheRecordOfTheChosenProfileAndShowReadsItBack) {
    const CtlResult set =
        ctl("lighting set --mode Wave --brightness 1 --speed 3 --direction left --colour 102030 "
            "--profile 2");
    ASSERT_EQ(set.exitCode, 0) << set.err;
    // Mode 1, brightness 1, speed 4 - 3, direction left, fixed colour 10 20 30.
    EXPECT_EQ(peek("params", 2 * kRecordSize, 8), bytes({1, 1, 1, 0xFF, 0, 0x10, 0x20, 0x30}));
    EXPECT_EQ(peek("params", 0, 2), bytes({1, 4})) << "profile 0 untouched";
    EXPECT_EQ(peek("info", 10, 1), bytes({0})) << "the active profile stays";

    const CtlResult shown = ctl("lighting show --json --profile 2");
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const auto state = nlohmann::json::parse(shown.out);
    EXPECT_EQ(state["mode"]["name"], "Wave");
    EXPECT_EQ(state["brightness"], 1);
    EXPECT_EQ(state["speed"], 3);
    EXPECT_EQ(state["direction"], "left");
    EXPECT_EQ(state["colour"], "102030");
    EXPECT_EQ(state["multicolour"], false);

    ASSERT_EQ(ctl("lighting set --multicolour on --mode 17 --colour blue --profile 2").exitCode, 0);
    EXPECT_EQ(peek("params", 2 * kRecordSize, 1), bytes({17}));
    EXPECT_EQ(peek("params", 2 * kRecordSize + 4, 1), bytes({1}));
    EXPECT_EQ(peek("params", 2 * kRecordSize + 17, 1), bytes({3})) << "preset blue";
}

TEST_F(LightingCommands, BadValuesAreRefusedBeforeAnythingIsWritten) {
    const auto before = peek("params", 0, 3 * kRecordSize);
    struct Case {
        const char *arguments;
        const char *message;
    };
    for (const Case &bad : {
             Case{"lighting set --brightness 2 --mode Nonesuch", "unknown lighting mode"},
             Case{"lighting set --mode Static --brightness 5", "--brightness"},
             Case{"lighting set --mode Static --colour 12345G", "RRGGBB"},
             Case{"lighting set --mode Static --direction sideways", "direction"},
             Case{"lighting set --mode Static --profile 3", "--profile"},
             Case{"lighting set --mode Static --multicolour maybe", "--multicolour"},
             Case{"lighting set --profile 1", "at least one value"},
         }) {
        const CtlResult run = ctl(bad.arguments);
        EXPECT_EQ(run.exitCode, 2) << bad.arguments;
        EXPECT_NE(run.err.find(bad.message), std::string::npos) << bad.arguments << run.err;
        EXPECT_TRUE(run.out.empty()) << bad.arguments;
    }
    EXPECT_EQ(peek("params", 0, 3 * kRecordSize), before);
}

TEST_F(LightingCommands, ModesAreNamedAsTheWindowNamesThem) {
    const CtlResult run = ctl("lighting modes --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto modes = nlohmann::json::parse(run.out);
    ASSERT_EQ(modes.size(), 19u);
    EXPECT_EQ(modes[5], (nlohmann::json{{"code", 6}, {"name", "Static"}}));
    EXPECT_EQ(modes.back(), (nlohmann::json{{"code", 20}, {"name", "Custom"}}));
    ASSERT_EQ(ctl("lighting set --mode 'spectrum cycle'").exitCode, 0);
    EXPECT_EQ(peek("params", 0, 1), bytes({4}));
}

TEST_F(LightingCommands, ProfileSwitchesTheKeyboardAndInfoReportsIt) {
    sim("firmware 0x0111");
    ASSERT_EQ(ctl("profile 2").exitCode, 0);
    EXPECT_EQ(peek("info", 10, 1), bytes({2}));
    const CtlResult info = ctl("info --json");
    ASSERT_EQ(info.exitCode, 0) << info.err;
    const auto facts = nlohmann::json::parse(info.out);
    EXPECT_EQ(facts["activeProfile"], 2);
    EXPECT_EQ(facts["firmware"], "0x0111");
    EXPECT_EQ(facts["backend"], "simulator");
    EXPECT_EQ(facts["bank"], "A");
    sim("poke status 0 0503");  // bit 0 of the second status byte: bank B
    EXPECT_EQ(nlohmann::json::parse(ctl("info --json").out)["bank"], "B");
    EXPECT_EQ(nlohmann::json::parse(ctl("profile --json").out)["activeProfile"], 2);
    EXPECT_EQ(nlohmann::json::parse(ctl("list --json").out)["keyboards"].size(), 1u);
    EXPECT_EQ(ctl("profile 3").exitCode, 2);
    EXPECT_EQ(peek("info", 10, 1), bytes({2}));
}

TEST_F(LightingCommands, EveryCommandExplainsItselfAndAWrongLineIsAUsageError) {
    setenv("USBGATE_SIM_PLUGGED", "0", 1);  // help needs no keyboard
    for (const char *command : {"",
                                "list",
                                "info",
                                "profile",
                                "lighting",
                                "lighting show",
                                "lighting set",
                                "lighting modes",
                                "keys",
                                "keys show",
                                "keys set",
                                "macros",
                                "macros list",
                                "macros show",
                                "macros export",
                                "macros import",
                                "export",
                                "import",
                                "download",
                                "upload"}) {
        const CtlResult help = ctl(std::string(command) + " --help");
        EXPECT_EQ(help.exitCode, 0) << command << help.err;
        EXPECT_NE(help.out.find("Usage: varnelctl"), std::string::npos) << command;
    }
    for (const char *wrong :
         {"", "frobnicate", "lighting", "keys set A", "profile 1 2", "info --verbose"}) {
        const CtlResult run = ctl(wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong;
        EXPECT_FALSE(run.err.empty()) << wrong;
    }
}

TEST_F(LightingCommands, WithoutAKeyboardEveryKeyboardCommandEndsWithThree) {
    setenv("USBGATE_SIM_PLUGGED", "0", 1);  // a keyboard that is not plugged in
    for (const char *arguments : {"info", "profile", "profile 1", "lighting show",
                                  "lighting set --brightness 1", "lighting modes"}) {
        const CtlResult run = ctl(arguments);
        EXPECT_EQ(run.exitCode, 3) << arguments;
        EXPECT_NE(run.err.find("No keyboard"), std::string::npos) << arguments << run.err;
    }
    const CtlResult listed = ctl("list --json");
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_TRUE(nlohmann::json::parse(listed.out)["keyboards"].empty());
}

}  // namespace
}  // namespace clitest
