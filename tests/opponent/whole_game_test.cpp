// Free games against the computer opponent play to their end keeping every per-frame invariant, whatever the number
// of dreamers, and the computer sides play on alone once the player's dreamer is gone.
#include <gtest/gtest.h>

#include <ostream>

#include "tests/support/game_runner.h"

namespace {

struct GAMESET {
    int Players;
    PLAYERSCRIPT Script;
    unsigned FirstSeed, Seeds;
};

void PrintTo(const GAMESET& set, std::ostream* out)
{
    *out << set.Players << " dreamers from seed " << set.FirstSeed
         << (set.Script == PLAYERSCRIPT::DieAtOnce ? ", the player dying at once" : "");
}

class WholeGame : public testing::TestWithParam<GAMESET> {};

}  // namespace

TEST_P(WholeGame, PlaysToTheEndKeepingTheInvariants)
{
    const GAMESET& set = GetParam();
    for (unsigned seed = set.FirstSeed; seed < set.FirstSeed + set.Seeds; seed++) {
        const GAMERUN run = RunHeadlessGame(seed, set.Players, set.Script, 400000, true);
        ASSERT_TRUE(run.Fault.empty()) << "seed " << seed << ", frame " << run.Frames << ": " << run.Fault << "\n"
                                       << DescribeGame();
        ASSERT_TRUE(run.Ended) << "seed " << seed << " still running after " << run.Frames << " frames\n"
                               << DescribeGame();
    }
}

INSTANTIATE_TEST_SUITE_P(Dreamers, WholeGame,
                         testing::Values(GAMESET{2, PLAYERSCRIPT::EndTurnAtOnce, 1, 20},
                                         GAMESET{4, PLAYERSCRIPT::EndTurnAtOnce, 100, 20},
                                         GAMESET{8, PLAYERSCRIPT::EndTurnAtOnce, 200, 20},
                                         GAMESET{4, PLAYERSCRIPT::DieAtOnce, 300, 10}));
