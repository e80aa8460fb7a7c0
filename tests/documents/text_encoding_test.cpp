#include "documents/format/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace rillo {
namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
};

class Utf8ValidityTest : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ValidityTest, TellsWellFormedUtf8) {
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Sequences, Utf8ValidityTest,
                         ::testing::Values(Utf8Case{"Ascii", "Channel 1", true}, Utf8Case{"Empty", "", true},
                                           Utf8Case{"TwoBytes", "l\xC3\xA9vis", true},
                                           Utf8Case{"ThreeBytes", "\xE2\x80\x93", true},
                                           Utf8Case{"FourBytes", "\xF0\x9F\x8C\x8A", true},
                                           Utf8Case{"Latin1Letter", "l\xE9vis", false},
                                           Utf8Case{"StrayContinuation", "\x80", false},
                                           Utf8Case{"CutShort", "\xE2\x80", false},
                                           Utf8Case{"OverlongSlash", "\xC0\xAF", false},
                                           Utf8Case{"OverlongThree", "\xE0\x80\xAF", false},
                                           Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                                           Utf8Case{"PastUnicode", "\xF4\x90\x80\x80", false},
                                           Utf8Case{"BadSecondContinuation", "\xE2\x80\x41", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Windows1252Test, MapsTheWholeCodePage) {
    EXPECT_EQ(Windows1252ToUtf8("abc"), "abc");
    EXPECT_EQ(Windows1252ToUtf8("\xE9\xFF\xA0"), "\u00E9\u00FF\u00A0");
    EXPECT_EQ(Windows1252ToUtf8("\x80\x96\x97\x9F"), "\u20AC\u2013\u2014\u0178");
    EXPECT_EQ(Windows1252ToUtf8("\x81\x9D"), "\u0081\u009D");  // undefined in the code page
    EXPECT_EQ(Windows1252ToUtf8(std::string("\0", 1)), std::string("\0", 1));
    for (int b = 0; b < 256; ++b) {
        EXPECT_TRUE(IsValidUtf8(Windows1252ToUtf8(std::string(1, static_cast<char>(b))))) << b;
    }
}

TEST(DecodeProfileFileBytesTest, Utf8StaysAndAnythingElseIsReadAsWindows1252) {
    EXPECT_EQ(DecodeProfileFileBytes("l\xC3\xA9vis"), "l\u00E9vis");
    EXPECT_EQ(DecodeProfileFileBytes("\xEF\xBB\xBFTRAPEZOIDAL"), "TRAPEZOIDAL");
    EXPECT_EQ(DecodeProfileFileBytes("l\xE9vis"), "l\u00E9vis");
}

}  // namespace
}  // namespace rillo
