#include "platform/Utf.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf, RoundTripsEveryPlane) {
    const std::u16string text = u"A\u00E9\u20AC\U0001F600z";
    EXPECT_EQ(platform::toUtf8(text), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(platform::fromUtf8(platform::toUtf8(text)), text);
}

TEST(Utf, BrokenInputBecomesReplacementCharacters) {
    EXPECT_EQ(platform::fromUtf8("a\xFFz"), u"a\uFFFDz");
    EXPECT_EQ(platform::fromUtf8("\xC0\xAF/"), u"\uFFFD/");        // overlong '/'
    EXPECT_EQ(platform::fromUtf8("\xED\xA0\x80"), u"\uFFFD");      // encoded surrogate
    EXPECT_EQ(platform::fromUtf8("ab\xE2\x82"), u"ab\uFFFD");      // cut at the end
    EXPECT_EQ(platform::fromUtf8("\xE2(x"), u"\uFFFD(x");          // keeps the next character
    EXPECT_EQ(platform::fromUtf8("\xF4\x90\x80\x80"), u"\uFFFD");  // above U+10FFFF
    EXPECT_EQ(platform::toUtf8(u"a\xD800"
                               u"b\xDC00"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
}

}  // namespace
