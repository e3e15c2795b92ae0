// The generator's classic sequence, its fifteen bits, and scripted values taken ahead of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "world/random.h"

TEST(Random, SeedOneGivesTheClassicSequenceAndScriptedValuesGoFirstWithoutAdvancingIt)
{
    SeedRand(1);
    ScriptRand({9, 39, 0});
    EXPECT_EQ(ScriptedRandLeft(), 3);
    std::vector<int> values;
    for (int i = 0; i < 7; i++)
        values.push_back(Rand());
    EXPECT_EQ(values, (std::vector<int>{9, 39, 0, 41, 18467, 6334, 26500}));
    EXPECT_EQ(ScriptedRandLeft(), 0);
    SeedRand(777);
    int highest = 0;
    for (int i = 0; i < 100000; i++) {
        const int value = Rand();
        ASSERT_TRUE(value >= 0 && value <= RandMax) << value;
        highest = std::max(highest, value);
    }
    EXPECT_GT(highest, 32000);
}
