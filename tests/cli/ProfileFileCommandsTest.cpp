// export, import, download and upload: the key configuration travels between
// the keyboard, the profile data file and .vrp files; a bad file changes
// nothing anywhere.
#include "CtlRun.h"

namespace clitest {
namespace {

constexpr int kPageSize = 378;
// A key map position; which key it holds does not matter here.
constexpr int kPosition = 17;

class ProfileFileCommands : public CtlTest {
protected:
    std::string keyboardPages() {
        std::string pages;
        for (const char *page : {"page0", "page1", "page2"})
            pages += sim(std::string("peek ") + page + " 0 " + std::to_string(kPageSize));
        return pages;
    }
};

TEST_F(ProfileFileCommands, ExportedConfigurationComesBackByImportAndUpload) {
    sim("poke page1 " + std::to_string(3 * kPosition) + " 03CD00");  // the key there plays/pauses
    ASSERT_EQ(ctl("download").exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(userFolder() / "UserDengColor_0.userd"))
        << "the per-user folder is set up as the window's first start sets it up";
    const CtlResult exported = ctl("export '" + (scratch / "mine").string() + "'");
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    const std::string file = ScratchFolder::read(scratch / "mine.vrp");
    EXPECT_EQ(file, ScratchFolder::read(userFolder() / "$Profile0"));

    sim("reset");
    ASSERT_EQ(ctl("import '" + (scratch / "mine.vrp").string() + "'").exitCode, 0);
    EXPECT_EQ(peek("page1", 3 * kPosition, 3), bytes({3, 0xCD, 0}));

    sim("reset");
    ASSERT_EQ(ctl("upload").exitCode, 0);
    EXPECT_EQ(peek("page1", 3 * kPosition, 3), bytes({3, 0xCD, 0}));
    EXPECT_EQ(peek("page0", 3 * kPosition, 3), peek("default", 3 * kPosition, 3));
}

TEST_F(ProfileFileCommands, ABadFileIsRefusedAndChangesNothing) {
    ASSERT_EQ(ctl("download").exitCode, 0);
    const std::string dataFile = ScratchFolder::read(userFolder() / "$Profile0");
    const std::string pages = keyboardPages();
    scratch.write("short.vrp", "FD but far too short");
    scratch.write("zeros.vrp", std::string(40000, '\0'));
    for (const char *name : {"short.vrp", "zeros.vrp", "missing.vrp", "."}) {
        const CtlResult run = ctl("import '" + (scratch / name).string() + "'");
        EXPECT_EQ(run.exitCode, 6) << name;
        EXPECT_NE(run.err.find("Your current settings were not changed"), std::string::npos)
            << name << run.err;
    }
    EXPECT_NE(ctl("import '" + (scratch / "zeros.vrp").string() + "'")
                  .err.find("is not a valid profile file"),
              std::string::npos);
    EXPECT_EQ(ScratchFolder::read(userFolder() / "$Profile0"), dataFile);
    EXPECT_EQ(keyboardPages(), pages);
    EXPECT_EQ(ctl("export '" + (scratch / "no/such/folder/x.vrp").string() + "'").exitCode, 6);
}

TEST_F(ProfileFileCommands, WithoutAKeyboardNothingIsReadOrWritten) {
    ASSERT_EQ(ctl("download").exitCode, 0);
    const std::string dataFile = ScratchFolder::read(userFolder() / "$Profile0");
    setenv("USBGATE_SIM_PLUGGED", "0", 1);
    for (const char *arguments : {"download", "upload", "import x.vrp"})
        EXPECT_EQ(ctl(arguments).exitCode, 3) << arguments;
    // A keyboard whose node this user may not open is told apart, with the way out.
    setenv("USBGATE_SIM_PLUGGED", "denied", 1);
    const CtlResult refused = ctl("download");
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_NE(refused.err.find("70-varnel-keyboard.rules"), std::string::npos) << refused.err;
    EXPECT_EQ(ScratchFolder::read(userFolder() / "$Profile0"), dataFile);
    EXPECT_EQ(ctl("export '" + (scratch / "offline.vrp").string() + "'").exitCode, 0)
        << "export needs only the profile data file";
}

}  // namespace
}  // namespace clitest
