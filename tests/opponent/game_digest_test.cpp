// Whole free games against the computer: seeded games replay their recorded digest, and games of 2, 4 and 8
// dreamers play to their end keeping every per-frame invariant, the computer sides playing on alone once the
// player's dreamer is gone.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>

#include "tests/support/game_runner.h"
#include "tests/support/raw_files.h"
#include "world/game.h"

namespace {

void DescribePiece(std::ostringstream& text, const PIECEBASE& piece)
{
    std::uint32_t x = 0, y = 0;
    std::memcpy(&x, &piece.X, sizeof x);
    std::memcpy(&y, &piece.Y, sizeof y);
    text << piece.Kind << ' ' << piece.Team << ' ' << piece.Index << ' ' << piece.Name << ' ' << x << ' ' << y << ' '
         << piece.CentreX << ' ' << piece.CentreY << ' ' << piece.Health << '/' << piece.MaxHealth << ' '
         << piece.PendingHealth << ' ' << int(piece.IsDead) << ' ' << piece.Alpha << ' ' << piece.FadeMode << ' '
         << piece.Spells.Count << ' ' << piece.Level << ' ' << piece.Attack << ' ' << piece.Defence << ' '
         << piece.LastAttackerTeam << ' ' << int(piece.Sprite.Mirror) << '\n';
}

// The digest of the text of every piece's final state, the scores, the frame count and the event log.
std::uint64_t Digest(const GAME& game, int frames)
{
    std::ostringstream text;
    text << "frames " << frames << " player " << game.CurrentPlayer << " creature " << game.CurrentCreature << '\n';
    for (const PLAYER& dreamer : game.Players) {
        DescribePiece(text, dreamer);
        text << "score " << dreamer.Score << " dreams " << dreamer.DreamSlotCount << '\n';
    }
    for (const PIECE& creature : game.Creatures)
        DescribePiece(text, creature);
    text << "log\n" << ReadRaw("_Errors.txt");
    return Fnv1a(text.str());
}

class WholeGame : public testing::TestWithParam<std::tuple<int, PLAYERSCRIPT, unsigned, unsigned>> {};

}  // namespace

TEST(GameDigest, SeededGamesReplayTheRecordedFramesStatesAndLog)
{
    const struct { int Players; unsigned Seed; PLAYERSCRIPT Script; int Frames; std::uint64_t Digest; } games[] = {
        {2, 7, PLAYERSCRIPT::EndTurnAtOnce, 7348, 2390706863222585379ull},
        {4, 42, PLAYERSCRIPT::EndTurnAtOnce, 31333, 10064906266470388796ull},
        {8, 2024, PLAYERSCRIPT::EndTurnAtOnce, 50216, 6667746043483178104ull},
        {4, 300, PLAYERSCRIPT::DieAtOnce, 30844, 10950189842846754543ull},
    };
    // One game plays them in turn, as the program plays its games: a freed slot keeps the figures of its last
    // piece, which the digest reads.
    const auto game = std::make_unique<GAME>();
    for (const auto& recorded : games) {
        SCOPED_TRACE(testing::Message() << recorded.Players << " dreamers, seed " << recorded.Seed);
        std::remove("_Errors.txt");
        const GAMERUN run = RunHeadlessGame(*game, recorded.Seed, recorded.Players, recorded.Script, 400000, false);
        ASSERT_TRUE(run.Ended);
        EXPECT_EQ(run.Frames, recorded.Frames);
        EXPECT_EQ(Digest(*game, run.Frames), recorded.Digest);
    }
}

TEST_P(WholeGame, PlaysToTheEndKeepingTheInvariants)
{
    const auto [players, script, firstSeed, seeds] = GetParam();
    const auto game = std::make_unique<GAME>();
    for (unsigned seed = firstSeed; seed < firstSeed + seeds; seed++) {
        const GAMERUN run = RunHeadlessGame(*game, seed, players, script, 400000, true);
        ASSERT_TRUE(run.Fault.empty()) << "seed " << seed << ", frame " << run.Frames << ": " << run.Fault << "\n"
                                       << DescribeGame(*game);
        ASSERT_TRUE(run.Ended) << "seed " << seed << " still running after " << run.Frames << " frames";
    }
}

INSTANTIATE_TEST_SUITE_P(Dreamers, WholeGame,
                         testing::Values(std::make_tuple(2, PLAYERSCRIPT::EndTurnAtOnce, 1u, 20u),
                                         std::make_tuple(4, PLAYERSCRIPT::EndTurnAtOnce, 100u, 20u),
                                         std::make_tuple(8, PLAYERSCRIPT::EndTurnAtOnce, 200u, 20u),
                                         std::make_tuple(4, PLAYERSCRIPT::DieAtOnce, 300u, 10u)));
