#include "core/text/textencoding.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(TextEncoding, ValidUtf8AndPlainAsciiAreUtf8AndAnythingElseWindows1252)
{
    EXPECT_EQ(DetectEncoding(""), FileEncoding::utf8);
    EXPECT_EQ(DetectEncoding("<html>plain</html>\r\n"), FileEncoding::utf8);
    EXPECT_EQ(DetectEncoding("Gr\xC3\xB6\xC3\x9F"
                             "e \xE2\x82\xAC"),
              FileEncoding::utf8);
    EXPECT_EQ(DetectEncoding("Gr\xF6\xDF"
                             "e"),
              FileEncoding::windows1252);
    // A file of umlauts with a single stray byte is not UTF-8 as a whole.
    EXPECT_EQ(DetectEncoding("\xC3\xA4\xC3\xB6 \x80"), FileEncoding::windows1252);

    const DecodedText decoded = DecodeFileText("M\xFC"
                                               "nchen \x80");
    EXPECT_EQ(decoded.encoding, FileEncoding::windows1252);
    EXPECT_EQ(decoded.text, "M\xC3\xBCnchen \xE2\x82\xAC");
}

TEST(TextEncoding, EveryWindows1252ByteIsWrittenBackAsItWasRead)
{
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const std::string text = "<meta charset=\"windows-1252\">\r\nGr\xFC\xDF"
                             "e aus K\xF6ln \x84zitiert\x93 \x80 5 \x96 \x99 \x9F\r\n" +
                             everyByte;

    const DecodedText decoded = DecodeFileText(text);
    ASSERT_EQ(decoded.encoding, FileEncoding::windows1252);
    const EncodedText encoded = EncodeText(decoded.text, decoded.encoding);
    EXPECT_EQ(encoded.unheld, "");
    EXPECT_EQ(encoded.bytes, text);
}

TEST(TextEncoding, Utf8TextStaysAsItIs)
{
    const std::string text = "Gr\xC3\xBC\xC3\x9F"
                             "e \xCE\xA9 \xF0\x9F\x93\xB7\r\n";
    const DecodedText decoded = DecodeFileText(text);
    EXPECT_EQ(decoded.encoding, FileEncoding::utf8);
    const EncodedText encoded = EncodeText(decoded.text, decoded.encoding);
    EXPECT_EQ(encoded.bytes, text);
    EXPECT_EQ(encoded.unheld, "");
}

TEST(TextEncoding, CharactersWindows1252CannotHoldAreReportedOnce)
{
    // An en dash and the euro sign have bytes of their own; omega, a camera and the control
    // character U+0080 (whose byte is the euro sign's) have none.
    const EncodedText encoded = EncodeText("\xE2\x80\x93\xCE\xA9\xE2\x82\xAC\xF0\x9F\x93\xB7"
                                           "\xCE\xA9\xC2\x80\xC2\x81",
                                           FileEncoding::windows1252);
    EXPECT_EQ(encoded.unheld, "\xCE\xA9\xF0\x9F\x93\xB7\xC2\x80");
    EXPECT_EQ(encoded.bytes, "\x96?\x80???\x81");
}

TEST(TextEncoding, QuestionNamesTheFileAndTheFirstCharacters)
{
    const std::string question =
        SaveAsUtf8Question("/home/u/layouts/t.html", "\xCE\xA9\xE2\x86\x92");
    EXPECT_NE(question.find("/home/u/layouts/t.html"), std::string::npos);
    EXPECT_NE(question.find("\xCE\xA9 \xE2\x86\x92\r"), std::string::npos);
    EXPECT_NE(question.find("UTF-8"), std::string::npos);

    const std::string many =
        SaveAsUtf8Question("d.desc", "\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4\xCE\xB5\xCE\xB6");
    EXPECT_NE(many.find("\xCE\xB1 \xCE\xB2 \xCE\xB3 \xCE\xB4 \xCE\xB5 ...\r"), std::string::npos);
    EXPECT_EQ(many.find("\xCE\xB6"), std::string::npos);
}

} // namespace
} // namespace pagoranto
