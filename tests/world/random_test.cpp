#include <gtest/gtest.h>

#include "world/random.h"

TEST(Random, SeedOneGivesTheClassicSequence)
{
    SeedRand(1);
    EXPECT_EQ(Rand(), 41);
    EXPECT_EQ(Rand(), 18467);
    EXPECT_EQ(Rand(), 6334);
    EXPECT_EQ(Rand(), 26500);
}

TEST(Random, ValuesStayWithinFifteenBits)
{
    SeedRand(777);
    int highest = 0;
    for (int i = 0; i < 100000; i++) {
        int value = Rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, RandMax);
        highest = std::max(highest, value);
    }
    EXPECT_GT(highest, 32000);
}

TEST(Random, ScriptedValuesComeFirstThenTheGeneratorCarriesOn)
{
    SeedRand(1);
    ScriptRand({9, 39, 0});
    EXPECT_EQ(ScriptedRandLeft(), 3);
    EXPECT_EQ(Rand(), 9);
    EXPECT_EQ(Rand(), 39);
    EXPECT_EQ(Rand(), 0);
    EXPECT_EQ(ScriptedRandLeft(), 0);
    EXPECT_EQ(Rand(), 41);  // the generator's own sequence was not advanced by the script
}
