// Seeded whole games must replay exactly: a digest of every piece's final state, the scores, the frame
// count and the event log's bytes, recorded once, guards the rules and the opponent like a recorded demo.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "tests/support/game_runner.h"
#include "world/game.h"

namespace {

constexpr int FrameLimit = 400000;

std::uint32_t FloatBits(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

void DescribePiece(std::ostringstream& text, const PIECEBASE& piece)
{
    text << piece.Kind << ' ' << piece.Team << ' ' << piece.Index << ' ' << piece.Name << ' ' << FloatBits(piece.X)
         << ' ' << FloatBits(piece.Y) << ' ' << piece.CentreX << ' ' << piece.CentreY << ' ' << piece.Health << '/'
         << piece.MaxHealth << ' ' << piece.PendingHealth << ' ' << int(piece.IsDead) << ' ' << piece.Alpha << ' '
         << piece.FadeMode << ' ' << piece.Spells.Count << ' ' << piece.Level << ' ' << piece.Attack << ' '
         << piece.Defence << ' ' << piece.LastAttackerTeam << ' ' << int(piece.Sprite.Mirror) << '\n';
}

// FNV-1a over the text of the final state and the log.
std::uint64_t Digest(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string FinalState(int frames)
{
    std::ostringstream text;
    text << "frames " << frames << " player " << Game.CurrentPlayer << " creature " << Game.CurrentCreature << '\n';
    for (const PLAYER& dreamer : Game.Players) {
        DescribePiece(text, dreamer);
        text << "score " << dreamer.Score << " dreams " << dreamer.DreamSlotCount << '\n';
    }
    for (const PIECE& creature : Game.Creatures)
        DescribePiece(text, creature);
    std::ifstream log("_Errors.txt", std::ios::binary);
    text << "log\n" << std::string(std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>());
    return text.str();
}

struct RECORDEDGAME {
    int Players;
    unsigned Seed;
    PLAYERSCRIPT Script;
    int Frames;
    std::uint64_t Digest;
};

const RECORDEDGAME RecordedGames[] = {
    {2, 7, PLAYERSCRIPT::EndTurnAtOnce, 7348, 2390706863222585379ull},
    {4, 42, PLAYERSCRIPT::EndTurnAtOnce, 31333, 10064906266470388796ull},
    {8, 2024, PLAYERSCRIPT::EndTurnAtOnce, 50216, 6667746043483178104ull},
    {4, 300, PLAYERSCRIPT::DieAtOnce, 30844, 10950189842846754543ull},  // the computer sides play on by themselves
};

TEST(GameDigest, SeededGamesReplayTheRecordedFramesStatesAndLog)
{
    for (const RECORDEDGAME& recorded : RecordedGames) {
        std::remove("_Errors.txt");
        const GAMERUN run = RunHeadlessGame(recorded.Seed, recorded.Players, recorded.Script, FrameLimit, false);
        ASSERT_TRUE(run.Ended) << recorded.Players << " dreamers, seed " << recorded.Seed;
        const std::string state = FinalState(run.Frames);
        EXPECT_EQ(run.Frames, recorded.Frames) << recorded.Players << " dreamers, seed " << recorded.Seed;
        EXPECT_EQ(Digest(state), recorded.Digest)
            << recorded.Players << " dreamers, seed " << recorded.Seed << ":\n" << state.substr(0, 2000);
    }
}

}  // namespace
