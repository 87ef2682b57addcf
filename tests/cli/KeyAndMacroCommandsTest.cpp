// keys and macros: an assignment or an imported macro reaches the keyboard's
// key map and macro area as Apply sends them; bad keys, actions and macro
// files are refused and change neither the profile data file nor the keyboard.
#include <nlohmann/json.hpp>

#include "CtlRun.h"

namespace clitest {
namespace {

const std::string kCopyMacro =
    "# Ctrl+C as a macro\n"
    "name: Copy\n"
    "cycles: 2\n"
    "Left Ctrl down 20\n"
    "C down 20\n"
    "C up 20\n"
    "Left Ctrl up 0\n";

class KeyAndMacroCommands : public CtlTest {
protected:
    std::string entryOf(const char *page, int position) {
        return sim(std::string("peek ") + page + " " + std::to_string(3 * position) + " 3");
    }
    std::string dataFile() { return ScratchFolder::read(userFolder() / "$Profile0"); }
    std::string quoted(const std::filesystem::path &file) { return "'" + file.string() + "'"; }
};

TEST_F(KeyAndMacroCommands, KeySetReachesTheKeyMapOfItsProfileAndShowDescribesIt) {
    const int a = matrixPosition({2, 2, 0x04});
    const int capsLock = matrixPosition({2, 2, 0x39});
    ASSERT_EQ(ctl("keys set A media:Play/Pause --profile 1").exitCode, 0);
    ASSERT_EQ(ctl("keys set 'caps lock' 'Left Ctrl' --profile 1").exitCode, 0);
    ASSERT_EQ(ctl("keys set 0x1E disable").exitCode, 0) << "A by its table row, profile 0";
    EXPECT_EQ(entryOf("page1", a), "03 CD 00\n");
    EXPECT_EQ(entryOf("page1", capsLock), "02 01 01\n") << "the Left Ctrl modifier bit";
    EXPECT_EQ(entryOf("page0", a), "00 00 00\n");
    EXPECT_EQ(entryOf("page2", a), entryOf("default", a));

    const auto shown = nlohmann::json::parse(ctl("keys show --profile 1 --json").out);
    std::map<std::string, std::string> actions;
    for (const auto &key : shown["keys"]) actions[key["key"]] = key["action"];
    EXPECT_EQ(actions["A"], "media:Play/Pause");
    EXPECT_EQ(actions["Caps Lock"], "Left Ctrl");
    EXPECT_EQ(actions["B"], "default");
    EXPECT_EQ(shown["keys"].size(), 104u + 18u);
}

TEST_F(KeyAndMacroCommands, BadKeysAndActionsChangeNothing) {
    ASSERT_EQ(ctl("keys set B C").exitCode, 0);
    const std::string file = dataFile();
    const std::string page = sim("peek page0 0 378");
    struct Case {
        const char *arguments;
        const char *message;
    };
    for (const Case &bad : {
             Case{"keys set Nokey A", "unknown key \"Nokey\""},
             Case{"keys set A Nokey", "unknown action"},
             Case{"keys set A Ctrl+C", "needs a macro"},
             Case{"keys set A macro:Missing", "no macro is named"},
             Case{"keys set A function:12", "function:N"},
             Case{"keys set G9 A", "plays macros only"},
             Case{"keys set A B --profile 5", "--profile"},
             Case{"keys set 999 A", "unknown key"},
         }) {
        const CtlResult run = ctl(bad.arguments);
        EXPECT_EQ(run.exitCode, 2) << bad.arguments;
        EXPECT_NE(run.err.find(bad.message), std::string::npos) << bad.arguments << run.err;
    }
    EXPECT_EQ(dataFile(), file);
    EXPECT_EQ(sim("peek page0 0 378"), page);
}

TEST_F(KeyAndMacroCommands, ImportedMacroIsPlayedByItsKeyAndKeepsItWhenReplaced) {
    const std::filesystem::path copy = scratch.write("copy.txt", kCopyMacro);
    const CtlResult imported = ctl("macros import " + quoted(copy));
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    const std::string dump = sim("dump");
    EXPECT_NE(dump.find("4 actions, cycles 2, name \"Copy\""), std::string::npos) << dump;

    const int f1 = matrixPosition({2, 2, 0x3A});
    ASSERT_EQ(ctl("keys set F1 macro:Copy").exitCode, 0);
    EXPECT_EQ(entryOf("page0", f1), "05 01 00\n") << "plays the first macro";

    const std::filesystem::path shorter =
        scratch.write("shorter.txt", "name: Copy\nA down 10\nA up 0\n");
    ASSERT_EQ(ctl("macros import " + quoted(shorter)).exitCode, 0);
    EXPECT_NE(sim("dump").find("2 actions, cycles 1, name \"Copy\""), std::string::npos);
    EXPECT_EQ(entryOf("page0", f1), "05 01 00\n");
    const auto macros = nlohmann::json::parse(ctl("macros list --json").out);
    ASSERT_EQ(macros.size(), 1u);
    EXPECT_EQ(macros[0]["id"], 1);
    const auto keys = nlohmann::json::parse(ctl("keys show --json").out)["keys"];
    for (const auto &key : keys) {
        if (key["key"] == "F1") {
            EXPECT_EQ(key["action"], "macro:Copy");
        }
    }
}

TEST_F(KeyAndMacroCommands, ExportedTextImportsBackToTheSameSteps) {
    ASSERT_EQ(ctl("macros import " + quoted(scratch.write("c.txt", kCopyMacro))).exitCode, 0);
    ASSERT_EQ(ctl("macros export Copy " + quoted(scratch / "out.txt")).exitCode, 0);
    const std::string text = ScratchFolder::read(scratch / "out.txt");
    EXPECT_EQ(text, ctl("macros show Copy").out);
    const auto before = nlohmann::json::parse(ctl("macros show Copy --json").out);
    EXPECT_EQ(before["steps"][0],
              (nlohmann::json{{"key", "Left Ctrl"}, {"direction", "down"}, {"delay", 20}}));
    ASSERT_EQ(ctl("macros import --name Again " + quoted(scratch / "out.txt")).exitCode, 0);
    auto again = nlohmann::json::parse(ctl("macros show Again --json").out);
    EXPECT_EQ(again["steps"], before["steps"]);
    EXPECT_EQ(again["id"], 2);
}

TEST_F(KeyAndMacroCommands, MalformedMacroFilesNameTheirLineAndChangeNothing) {
    ASSERT_EQ(ctl("macros import " + quoted(scratch.write("c.txt", kCopyMacro))).exitCode, 0);
    const std::string file = dataFile();
    const std::string area = sim("peek macro 0 256");
    struct Case {
        const char *text;
        const char *message;
    };
    for (const Case &bad : {
             Case{"name: Copy\nA down 20\nNokey up 0\n", "line 3: unknown key \"Nokey\""},
             Case{"A down 20\nA sideways 0\n", "line 2: the direction is down or up"},
             Case{"A down 40001\n", "line 1: the delay is 0..40000 ms"},
             Case{"A down\n", "line 1: a step is KEY down|up DELAY"},
             Case{"cycles: 0\nA down 1\n", "line 1: cycles must be 1..255"},
         }) {
        const CtlResult run = ctl("macros import " + quoted(scratch.write("bad.txt", bad.text)));
        EXPECT_EQ(run.exitCode, 6) << bad.text;
        EXPECT_NE(run.err.find(bad.message), std::string::npos) << bad.text << run.err;
    }
    EXPECT_EQ(ctl("macros import " + quoted(scratch / "none.txt")).exitCode, 6);
    EXPECT_EQ(dataFile(), file);
    EXPECT_EQ(sim("peek macro 0 256"), area);
}

}  // namespace
}  // namespace clitest
