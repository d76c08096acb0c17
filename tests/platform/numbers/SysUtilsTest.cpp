#include "platform/numbers/SysUtils.h"
#include "platform/numbers/Random.h"

#include <gtest/gtest.h>

TEST(ParseInt, AcceptsBlanksSignsDecimalAndBothHexPrefixes) {
    EXPECT_EQ(ParseInt("255"), 255);
    EXPECT_EQ(ParseInt("   -17"), -17);
    EXPECT_EQ(ParseInt("+8"), 8);
    EXPECT_EQ(ParseInt("$000080FF"), 0x80FF);
    EXPECT_EQ(ParseInt("0x1F"), 31);
    EXPECT_EQ(ParseInt("0X1f"), 31);
    EXPECT_EQ(ParseInt("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInt("2147483647"), INT32_MAX);
}

TEST(ParseInt, RejectsEverythingElse) {
    for (const char* text : {"", " ", "-", "$", "0x", "12abc", "seven", "1 ", "2147483648",
                             "-2147483649", "$100000000", "1.5", "$G"})
        EXPECT_FALSE(ParseInt(text).has_value()) << text;
}

TEST(ParseStoredInt, TakesZeroXOnlyAsTheFirstTwoCharacters) {
    EXPECT_EQ(ParseStoredInt("0x1F"), 31);
    EXPECT_EQ(ParseStoredInt("0X1f"), 31);
    EXPECT_EQ(ParseStoredInt("$1F"), 31);
    EXPECT_EQ(ParseStoredInt(" -$1F"), -31);
    EXPECT_EQ(ParseStoredInt("  42"), 42);
    for (const char* text : {" 0x1F", "-0x1F", "+0x1", "0x", "12abc", ""})
        EXPECT_FALSE(ParseStoredInt(text).has_value()) << text;
}

TEST(MulDiv, RoundsHalvesAwayFromZeroAndGivesMinusOneForZeroDivisor) {
    EXPECT_EQ(MulDiv(33, 150, 100), 50); // 49.5
    EXPECT_EQ(MulDiv(14, 101, 28), 51);  // 50.5
    EXPECT_EQ(MulDiv(-33, 150, 100), -50);
    EXPECT_EQ(MulDiv(33, -150, -100), 50);
    EXPECT_EQ(MulDiv(10, 1, 4), 3); // 2.5
    EXPECT_EQ(MulDiv(9, 1, 4), 2);  // 2.25
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(Random, FollowsTheLinearCongruentialRecurrence) {
    SetRandSeed(0);
    EXPECT_EQ(Random(100), 0); // seed 1
    EXPECT_EQ(RandSeed(), 1u);
    const uint32_t next = 1u * 134775813u + 1u;
    EXPECT_EQ(Random(1000), static_cast<int32_t>((uint64_t(next) * 1000) >> 32));
    SetRandSeed(0xFFFFFFFFu);
    EXPECT_EQ(Random(7), static_cast<int32_t>((uint64_t(0xFFFFFFFFu * 134775813u + 1u) * 7) >> 32));
    for (int i = 0; i < 1000; ++i) {
        const int r = Random(6);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 6);
    }
}
