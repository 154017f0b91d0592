#include <gtest/gtest.h>

#include <string>

#include "storage/cp1251.h"

using namespace ampera;

TEST(Cp1251, CyrillicRoundTrip) {
    const std::string text = "Ёлка ёж №5 «Данные» АаЯя";
    const std::string bytes = utf8ToCp1251(text);
    EXPECT_EQ(bytes,
              "\xA8\xEB\xEA\xE0 \xB8\xE6 \xB9"
              "5 \xAB\xC4\xE0\xED\xED\xFB\xE5\xBB \xC0\xE0\xDF\xFF");
    EXPECT_EQ(cp1251ToUtf8(bytes), text);
    EXPECT_EQ(utf8ToCp1251("Uк,% = 0,4"), "U\xEA,% = 0,4");
}

TEST(Cp1251, EveryAssignedByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) continue;
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(one)), one) << "byte " << b;
    }
}

TEST(Cp1251, PunctuationAndSigns) {
    EXPECT_EQ(utf8ToCp1251("€"), "\x88");
    EXPECT_EQ(cp1251ToUtf8("\x88"), "€");
    EXPECT_EQ(cp1251ToUtf8("\x96\x97\x85\x99"), "–—…™");
    EXPECT_EQ(cp1251ToUtf8("\xA0"), "\u00A0");
    EXPECT_EQ(cp1251ToUtf8("\xB0\xB1"), "°±");
    EXPECT_EQ(cp1251ToUtf8("\xA5\xB4\xB2\xB3\xAA\xBA\xAF\xBF"), "ҐґІіЄєЇї");
}

TEST(Cp1251, UnassignedByteBecomesReplacementCharacter) {
    EXPECT_EQ(cp1251ToUtf8("a\x98z"), "a\uFFFDz");
    EXPECT_EQ(utf8ToCp1251("\uFFFD"), "?");
}

TEST(Cp1251, MissingCharactersBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1251("кВ 中 é"), "\xEA\xC2 ? ?");
    EXPECT_EQ(utf8ToCp1251("\U0001F600"), "?");  // beyond the BMP
    EXPECT_EQ(utf8ToCp1251("Ω"), "?");
}

TEST(Cp1251, MalformedUtf8BecomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1251("a\xFF"
                           "b"),
              "a?b");
    EXPECT_EQ(utf8ToCp1251("\xD0"), "?");  // cut short at the end
    EXPECT_EQ(utf8ToCp1251("\xE2\x82"
                           "A"),
              "??A");                                // cut short before a letter
    EXPECT_EQ(utf8ToCp1251("\xC0\xAF"), "??");       // overlong '/'
    EXPECT_EQ(utf8ToCp1251("\xED\xA0\x80"), "???");  // surrogate
    EXPECT_EQ(utf8ToCp1251("\x80"), "?");            // lone continuation byte
}

TEST(Cp1251, NulAndAsciiPassThrough) {
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(utf8ToCp1251(withNul), withNul);
    EXPECT_EQ(cp1251ToUtf8(withNul), withNul);
    EXPECT_EQ(utf8ToCp1251(""), "");
}
