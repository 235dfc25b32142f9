// Image-derived text shown without its control bytes acting on a terminal.
#include <gtest/gtest.h>

#include "text/PrintableText.h"

using quorvex::PrintableText;

TEST(PrintableText, ControlBytesBecomeEscapesAndTheRestStays)
{
    struct Case {
        std::string in;
        bool keepBreaks;
        std::string out;
    } cases[] = {
        {"FINAL FANTASY 3", false, "FINAL FANTASY 3"},
        {"", false, ""},
        {"\x1B]0;pwned\x07", false, "\\x1B]0;pwned\\x07"},   // retitles a terminal
        {"a\x1B[2Jb", false, "a\\x1B[2Jb"},                   // clears it
        {std::string("\0\x01\x1F\x20\x7E\x7F", 6), false, "\\x00\\x01\\x1F ~\\x7F"},
        {"line\nnext\r\n", false, "line\\x0Anext\\x0D\\x0A"},
        {"line\nnext\r\n", true, "line\nnext\\x0D\n"},
        {"\t", true, "\\x09"},
        {"back\\slash", false, "back\\slash"},                // kept as it is
        {"\xC3\xBF\xC3\xA9", false, "\xC3\xBF\xC3\xA9"},      // Latin-1 letters of a title, in UTF-8
        {"\xE2\x80\xA6 \xF0\x9F\x8E\xAE", false, "\xE2\x80\xA6 \xF0\x9F\x8E\xAE"},
        {"\xC2\x9B" "2J", false, "\\u009B2J"},                // the one-character CSI
        {"\xC2\x80\xC2\x9F\xC2\xA0", false, "\\u0080\\u009F\xC2\xA0"},
        {"\x9B" "2J", false, "\\x9B2J"},                      // a lone byte that is not UTF-8
        {"\xC3", false, "\\xC3"},                             // a cut sequence
        {"\xC0\x80", false, "\\xC0\\x80"},                    // an overlong NUL
        {"\xED\xA0\x80", false, "\\xED\\xA0\\x80"},           // a surrogate
        {"\xF4\x90\x80\x80", false, "\\xF4\\x90\\x80\\x80"},  // past U+10FFFF
        {"\xE2\x28\xA1", false, "\\xE2(\\xA1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintableText(c.in, c.keepBreaks), c.out) << c.out;
}

TEST(PrintableText, TheResultHoldsNoControlByteWhateverTheInput)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        for (int c = 0; c < 256; c += 17) {
            all += static_cast<char>(b);
            all += static_cast<char>(c);
        }
    }
    const std::string shown = PrintableText(all);
    for (size_t i = 0; i < shown.size(); ++i) {
        const auto ch = static_cast<unsigned char>(shown[i]);
        EXPECT_GE(ch, 0x20);
        EXPECT_NE(ch, 0x7F);
        if (ch == 0xC2 && i + 1 < shown.size()) {
            EXPECT_GE(static_cast<unsigned char>(shown[i + 1]), 0xA0); // no C1 control
        }
    }
}
