// The factory lighting template seeds the users' lighting files: ten named user
// modes, each colouring every key of the keyboard view consistently.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "ShippedFiles.h"

namespace {

const std::filesystem::path &templateFile() {
    static const std::filesystem::path file = shipped::skinFolder() / "UserDengColor_3.userd";
    return file;
}

// The colour slots of the 104 keys of the keyboard view and Fn on the 6 x 21 grid.
std::vector<int> keyboardViewSlots() {
    std::vector<int> found;
    const std::pair<int, int> runs[] = {{0, 12},  {14, 16},   {21, 41},   {42, 62},   {63, 74},
                                        {76, 76}, {80, 82},   {84, 84},   {86, 95},   {97, 97},
                                        {99, 99}, {101, 104}, {105, 113}, {119, 121}, {123, 124}};
    for (const auto &[first, last] : runs)
        for (int slot = first; slot <= last; ++slot) found.push_back(slot);
    return found;
}

struct Rgb {
    int r = -1, g = -1, b = -1;
    bool operator==(const Rgb &) const = default;
};

bool parseColour(const std::string &text, Rgb &out) {
    char end = 0;
    return std::sscanf(text.c_str(), "%d,%d,%d%c", &out.r, &out.g, &out.b, &end) == 3 &&
           out.r >= 0 && out.r <= 255 && out.g >= 0 && out.g <= 255 && out.b >= 0 && out.b <= 255;
}

TEST(UserModeTemplate, HasTenDistinctlyNamedModesStartingAtTheFirst) {
    ASSERT_TRUE(std::filesystem::exists(templateFile()));
    EXPECT_EQ(shipped::iniValue(templateFile(), "PRESENTMODE", "mode"), "0");
    std::set<std::string> names;
    for (int slot = 0; slot < 10; ++slot) {
        const std::string name =
            shipped::iniValue(templateFile(), "MODENAME", std::to_string(slot));
        EXPECT_FALSE(name.empty()) << slot;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 10u);
}

TEST(UserModeTemplate, EveryModeColoursEveryKeyAndMarksBaseColouredKeysTruly) {
    const std::vector<int> keySlots = keyboardViewSlots();
    ASSERT_EQ(keySlots.size(), 105u);
    for (int mode = 0; mode < 10; ++mode) {
        const std::string section = "Mode" + std::to_string(mode);
        SCOPED_TRACE(section);
        const std::string tool = shipped::iniValue(templateFile(), section, "tool");
        EXPECT_TRUE(tool == "0" || tool == "1") << tool;
        Rgb base, brush;
        ASSERT_TRUE(parseColour(shipped::iniValue(templateFile(), section, "jcolor"), base));
        ASSERT_TRUE(parseColour(shipped::iniValue(templateFile(), section, "color"), brush));
        for (int slot : keySlots) {
            const std::string value =
                shipped::iniValue(templateFile(), section, std::to_string(slot));
            Rgb colour;
            int flag = -1;
            char end = 0;
            ASSERT_EQ(std::sscanf(value.c_str(), "%d,%d,%d,%d%c", &colour.r, &colour.g, &colour.b,
                                  &flag, &end),
                      4)
                << "slot " << slot << ": " << value;
            EXPECT_TRUE(flag == 0 || flag == 1) << "slot " << slot;
            // A key marked as painted with the base colour must show the base colour.
            if (flag == 1) {
                EXPECT_EQ(colour, base) << "slot " << slot;
            }
        }
    }
}

}  // namespace
