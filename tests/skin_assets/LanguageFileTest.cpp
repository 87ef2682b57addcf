// The shipped language file answers every text lookup of the utility with a
// real text, never "#Error", and carries exactly the placeholders the callers fill.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "ShippedFiles.h"
#include "platform/Utf.h"
#include "ui/skin/layout/LanguageText.h"

namespace {

class LanguageFile : public ::testing::Test {
protected:
    void SetUp() override { skin::setLanguageFolder(shipped::binFolder()); }
};

std::string lookup(const std::string &section, const std::string &key, int languageIndex = 0) {
    return platform::toUtf8(skin::lookupSectionText(platform::fromUtf8(section),
                                                    platform::fromUtf8(key), languageIndex));
}

// The printf conversions of a text, "%%" not counted.
std::vector<std::string> conversions(const std::string &text) {
    static const std::regex conversion("%(%|[-+ #0]*[0-9]*(\\.[0-9]+)?(l|h|ll)?[a-zA-Z])");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion);
         it != std::sregex_iterator(); ++it)
        if (it->str() != "%%") found.push_back(it->str());
    return found;
}

TEST_F(LanguageFile, EveryLookedUpTextIsPresentAndReadable) {
    const auto texts = shipped::requiredList("required_texts.txt");
    ASSERT_GT(texts.size(), 270u);
    for (const auto &entry : texts) {
        const std::string text = lookup(entry[0], entry[1]);
        SCOPED_TRACE(entry[0] + " " + entry[1] + " = " + text);
        EXPECT_NE(text, "#Error");
        EXPECT_FALSE(text.empty());
        EXPECT_LE(platform::fromUtf8(text).size(), 259u);
    }
}

TEST_F(LanguageFile, TextsCarryExactlyThePlaceholdersTheirCallersFill) {
    for (const auto &entry : shipped::requiredList("required_texts.txt")) {
        const std::string text = lookup(entry[0], entry[1]);
        const auto found = conversions(text);
        SCOPED_TRACE(entry[1] + " = " + text);
        if (entry.size() < 3) {
            EXPECT_TRUE(found.empty());
            EXPECT_EQ(text.find('%'), std::string::npos);
            continue;
        }
        ASSERT_EQ(found.size(), 1u);
        const char type = found.front().back();
        if (entry[2] == "string")
            EXPECT_EQ(type, 's');
        else
            EXPECT_NE(std::string("diuxX").find(type), std::string::npos);
    }
}

TEST_F(LanguageFile, NoValueOfTheFileReadsAsTheMissingTextMark) {
    std::ifstream in(shipped::binFolder() / "Lang0409.ini");
    ASSERT_TRUE(in.good());
    int values = 0;
    for (std::string line; std::getline(in, line);) {
        const auto equals = line.find('=');
        if (line.empty() || line[0] == ';' || line[0] == '[' || equals == std::string::npos)
            continue;
        ++values;
        EXPECT_EQ(line.find("#Error"), std::string::npos) << line;
        EXPECT_NE(line.find_first_not_of(" \t", equals + 1), std::string::npos)
            << "empty: " << line;
    }
    EXPECT_GT(values, 250);
}

TEST_F(LanguageFile, EveryLanguageIndexReadsTheShippedEnglishFile) {
    // Indexes 0..2 are the ones in use; 4 and beyond fall back to the first entry.
    for (int index : {0, 1, 2, 4, 5})
        EXPECT_EQ(lookup("TEXT", "MAIN_CAPTION", index), "Tarvik Q770RGB-PRO") << index;
}

}  // namespace
