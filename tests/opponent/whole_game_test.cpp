#include <gtest/gtest.h>

#include "tests/support/game_runner.h"
#include "world/game.h"

namespace {

constexpr int FrameLimit = 400000;

void PlayManyGames(int players, PLAYERSCRIPT script, unsigned firstSeed, unsigned seeds)
{
    for (unsigned seed = firstSeed; seed < firstSeed + seeds; seed++) {
        GAMERUN run = RunHeadlessGame(seed, players, script, FrameLimit, true);
        ASSERT_TRUE(run.Fault.empty()) << "seed " << seed << ", frame " << run.Frames << ": " << run.Fault << "\n"
                                       << DescribeGame();
        ASSERT_TRUE(run.Ended) << "seed " << seed << " still running after " << run.Frames << " frames\n"
                               << DescribeGame();
        int sides = 0;
        for (const PLAYER& dreamer : Game.Players)
            sides += dreamer.Kind != PieceFree && !dreamer.IsDead;
        EXPECT_LE(sides, 1);
    }
}

}  // namespace

TEST(WholeGame, TwoDreamersPlayToTheEnd)
{
    PlayManyGames(2, PLAYERSCRIPT::EndTurnAtOnce, 1, 20);
}

TEST(WholeGame, FourDreamersPlayToTheEnd)
{
    PlayManyGames(4, PLAYERSCRIPT::EndTurnAtOnce, 100, 20);
}

TEST(WholeGame, EightDreamersPlayToTheEnd)
{
    PlayManyGames(8, PLAYERSCRIPT::EndTurnAtOnce, 200, 20);
}

TEST(WholeGame, TheComputerSidesPlayOnAfterThePlayerDies)
{
    PlayManyGames(4, PLAYERSCRIPT::DieAtOnce, 300, 10);
}
