#include "platform/IniDocument.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using platform::IniDocument;

std::string randomIniLikeBytes(std::mt19937 &random) {
    static const std::string pieces[] = {"[",
                                         "]",
                                         "=",
                                         " ",
                                         "\t",
                                         "\r",
                                         "\n",
                                         "\r\n",
                                         ";",
                                         "a",
                                         "K",
                                         "\xC3\xA9",
                                         "\xFF",
                                         "\xEF\xBB\xBF",
                                         "[S]\n",
                                         "k=v\n",
                                         std::string(1, '\0')};
    std::string bytes;
    const int count = static_cast<int>(random() % 60);
    for (int i = 0; i < count; ++i) bytes += pieces[random() % std::size(pieces)];
    if (bytes.starts_with("\xFF\xFE")) bytes.insert(0, "x");  // keep to the UTF-8 path
    return bytes;
}

TEST(IniDocument, SerializingGivesBackTheExactBytesOfAnyFile) {
    std::mt19937 random(12345);
    for (int round = 0; round < 2000; ++round) {
        const auto bytes = randomIniLikeBytes(random);
        ASSERT_EQ(IniDocument::parse(bytes).serialize(), bytes) << "round " << round;
    }
}

TEST(IniDocument, AnEditChangesOnlyTheLinesOfThatKey) {
    std::mt19937 random(777);
    for (int round = 0; round < 500; ++round) {
        const auto before = "[S]\r\n" + randomIniLikeBytes(random) + "\n[T]\nk=1\n";
        auto document = IniDocument::parse(before);
        ASSERT_TRUE(document.set(u"T", u"k", "2"));
        EXPECT_EQ(document.find(u"T", u"k"), "2");
        ASSERT_TRUE(document.set(u"T", u"k", "1"));
        EXPECT_EQ(document.serialize(), before) << "round " << round;
    }
}

TEST(IniDocument, AKeyAddedAfterALastLineEndingInACarriageReturnLeavesItsValue) {
    // The new line's break must not turn the carriage return into part of a CRLF.
    for (const std::string first : {"[S]\n", "[S]\r\n"}) {
        auto document = IniDocument::parse(first + "k=v\r");
        ASSERT_TRUE(document.set(u"T", u"n", "1"));
        for (const auto &reading : {document, IniDocument::parse(document.serialize())}) {
            EXPECT_EQ(reading.find(u"S", u"k"), "v\r");
            EXPECT_EQ(reading.find(u"T", u"n"), "1");
        }
    }
}

TEST(IniDocument, ListsSectionsAndKeysOnceEach) {
    const auto document = IniDocument::parse(
        "top=1\n[Main]\nA=1\na=2\nno equals\n;c=3\nB=\n[other]\nX=1\n[MAIN]\nC=1\n");
    EXPECT_EQ(document.sectionNames(), (std::vector<std::u16string>{u"Main", u"other"}));
    EXPECT_EQ(document.keyNames(u"main"), (std::vector<std::u16string>{u"A", u"B"}));
    EXPECT_TRUE(document.keyNames(u"missing").empty());
}

}  // namespace
