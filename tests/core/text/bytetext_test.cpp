#include "core/text/bytetext.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(ByteText, RecognisesWellFormedUtf8Only)
{
    EXPECT_TRUE(IsValidUtf8("plain ASCII"));
    EXPECT_TRUE(IsValidUtf8("Gr\xC3\xB6\xC3\x9F"
                            "e \xE2\x82\xAC \xF0\x9F\x93\xB7"));
    EXPECT_FALSE(IsValidUtf8("Gr\xF6\xDF"
                             "e"));            // Windows-1252 bytes
    EXPECT_FALSE(IsValidUtf8("\xC3"));         // truncated sequence
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));     // overlong slash
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(IsValidUtf8("\x80 stray continuation"));
}

TEST(ByteText, ReadsInvalidUtf8AsWindows1252)
{
    EXPECT_EQ(ToUtf8("M\xFC"
                     "nchen \x80 \x93quoted\x94"),
              "M\xC3\xBCnchen \xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D");
    EXPECT_EQ(ToUtf8("M\xC3\xBCnchen"), "M\xC3\xBCnchen");
}

TEST(ByteText, ChangesCaseOfAsciiLettersOnly)
{
    EXPECT_EQ(AsciiUpperCase("abc\xE4z$1"), "ABC\xE4Z$1");
    EXPECT_EQ(AsciiLowerCase("ABC\xC4Z$1"), "abc\xC4z$1");
}

TEST(ByteText, WesternCaseKeyFoldsUmlautsInEitherEncoding)
{
    // "Ärger öl ß" in UTF-8, in capitals, and as Windows-1252 bytes: one key.
    const std::string key = WesternUpperCaseKey("\xC3\xA4rger \xC3\xB6l \xC3\x9F");
    EXPECT_EQ(key, "\xC3\x84RGER \xC3\x96L \xC3\x9F");
    EXPECT_EQ(WesternUpperCaseKey("\xC3\x84RGER \xC3\x96L \xC3\x9F"), key);
    EXPECT_EQ(WesternUpperCaseKey("\xE4rger \xF6l \xDF"), key);
    // The letters Windows-1252 adds beyond Latin-1, and the division sign, which is no letter.
    EXPECT_EQ(WesternUpperCaseKey("\x9A\x9C\x9E\xFF\xF7"),
              "\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8\xC3\xB7");
    // Other scripts and signs stay as they are.
    EXPECT_EQ(WesternUpperCaseKey("\xCE\xB1\xE2\x82\xAC.jpg"), "\xCE\xB1\xE2\x82\xAC.JPG");
}

} // namespace
} // namespace pagoranto
