// The simulated keyboard's state file: round trip, and damaged files that are
// kept aside instead of being loaded or overwritten.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LoadedLibrary.h"
#include "sim/StateFile.h"

namespace usbgate::sim {
namespace {

namespace fs = std::filesystem;

class UsbgateStateFile : public ::testing::Test {
protected:
    std::string path() const { return folder.path() + "/deep/folder/simulator.state"; }
    test::TempFolder folder;
};

TEST_F(UsbgateStateFile, SavedMemoryLoadsBackWholeAndMissingFilesAreReported) {
    StateFile file(path());
    DeviceMemory loaded = factoryMemory();
    EXPECT_EQ(file.load(loaded), LoadResult::Missing);
    DeviceMemory memory = factoryMemory();
    memory.setMacroCapacity(640);
    memory.macro[639] = 0x77;
    memory.pages[1000] = 0x12;
    memory.colours[1535] = 0x34;
    memory.status = {0x05, 0x03};
    memory.info[kInfoProfile] = 2;
    ASSERT_TRUE(file.save(memory));
    EXPECT_FALSE(fs::exists(path() + ".tmp"));
    ASSERT_EQ(file.load(loaded), LoadResult::Loaded);
    EXPECT_EQ(loaded.macro, memory.macro);
    EXPECT_EQ(loaded.pages, memory.pages);
    EXPECT_EQ(loaded.colours, memory.colours);
    EXPECT_EQ(loaded.status, memory.status);
    EXPECT_EQ(loaded.info, memory.info);
}

TEST_F(UsbgateStateFile, EveryTruncationIsDetectedAndTheFileKeptAside) {
    StateFile file(path());
    DeviceMemory memory = factoryMemory();
    memory.params[3] = 9;
    ASSERT_TRUE(file.save(memory));
    const auto size = fs::file_size(path());
    fs::copy_file(path(), folder.path() + "/whole");
    for (uintmax_t cut = 0; cut < size; cut += 97) {
        fs::copy_file(folder.path() + "/whole", path(), fs::copy_options::overwrite_existing);
        fs::resize_file(path(), cut);
        DeviceMemory loaded = factoryMemory();
        ASSERT_EQ(file.load(loaded), LoadResult::Corrupt) << cut;
        EXPECT_EQ(loaded.params[3], factoryMemory().params[3]);
        EXPECT_FALSE(fs::exists(path()));
        EXPECT_EQ(fs::file_size(path() + ".corrupt"), cut);
    }
}

TEST_F(UsbgateStateFile, AMacroAreaThatDisagreesWithTheCapacityIsDamage) {
    StateFile file(path());
    DeviceMemory memory = factoryMemory();
    memory.macro.resize(100);  // capacity says 16384 bytes
    ASSERT_TRUE(file.save(memory));
    DeviceMemory loaded = factoryMemory();
    EXPECT_EQ(file.load(loaded), LoadResult::Corrupt);
    EXPECT_EQ(loaded.macro.size(), loaded.macroCapacity());
}

TEST_F(UsbgateStateFile, AnUnwritableFolderFailsTheSaveWithoutThrowing) {
    fs::create_directories(folder.path() + "/blocked");
    std::ofstream(folder.path() + "/blocked/file") << "x";
    StateFile file(folder.path() + "/blocked/file/simulator.state");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(file.save(factoryMemory()));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("simulator.state"), std::string::npos);
}

}  // namespace
}  // namespace usbgate::sim
