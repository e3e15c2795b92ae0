// Game frames with the generated art: PNG shots byte for byte as first taken, drawn alike by every rasteriser.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/board.h"
#include "platform/sdl_replay.h"
#include "tests/support/art_screen.h"
#include "tests/support/frame_recording.h"
#include "tests/support/raw_files.h"
#include "world/actions.h"
#include "world/creatures.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/random.h"
#include "world/reach.h"

namespace {

class ScenePicture : public testing::Test {
protected:
    void SetUp() override
    {
        if (!Screen.Open(ART_FOLDER))
            GTEST_SKIP() << "no generated art in " << ART_FOLDER;
    }
    void TearDown() override { Screen.Close(); }
    // The frame drawn, saved (the busiest in the test's own folder) and its file's bytes hashed.
    void DrawShot(const char* name, std::uint64_t digest)
    {
        Frame.Start({&Screen.Sprite}, &Screen.Line);
        Screen.DrawGameFrame(World);
        Frame.Stop();
        const std::string path = name != nullptr ? std::string(SHOT_FOLDER "/") + name : "busiest.png";
        ASSERT_TRUE(Screen.Device.SaveScreenshot(path.c_str()));
        EXPECT_EQ(Frame.PixelsDifferingFrom(Screen.Device, DrawReference), 0);
        EXPECT_EQ(Frame.PixelsDifferingFrom(Screen.Device, DrawSse2), 0);
        const std::uint64_t hash = Fnv1a(ReadRaw(path));
        EXPECT_EQ(hash, digest) << std::hex << hash;
    }
    GAME World;  // the game shown
    ARTSCREEN Screen;
    FRAMERECORDING Frame;
};

TEST_F(ScenePicture, AGameOfEightShowsTheTilesTheFrameAndThePieces)
{
    World.StartNewGame(0, -1, 8);
    for (int i = 0; i < 60; i++)
        World.UpdateGame(ReachCircle);
    DrawShot("board_frame.png", 0xb1c07b5ebbf4a116u);
}

// Dreamer 2's Cloud Cover settled; dreamer 1's Fire Blast half-way to the human.
TEST_F(ScenePicture, ACastInFlightAndACloudCoverShowOverTheBoardInsideTheFrame)
{
    World.StartNewGame(0, -1, 8);
    PLAYER& human = World.Players[0];
    ASSERT_TRUE(World.Players[2].Spells.AddSpell(CloudCoverSpellId) && World.Players[1].Spells.AddSpell(1));
    ScriptRand({0});
    ASSERT_TRUE(CastSpell(World, &World.Players[2], nullptr, 0, 0, World.Players[2].Spells.Count - 1));
    while (std::any_of(std::begin(World.Effects.Slots), std::end(World.Effects.Slots), [](const EFFECT& effect) {
        return effect.IsActive && effect.Kind == EffectCloudCover && (effect.IsMoving || effect.StartDelay > 0);
    }))
        UpdateGameFrame(World);
    ScriptRand({0});
    ASSERT_TRUE(
        CastSpell(World, &World.Players[1], &human, human.CentreX, human.CentreY, World.Players[1].Spells.Count - 1));
    for (int i = 0; i < 6; i++)
        UpdateGameFrame(World);
    DrawShot("cast_frame.png", 0x27b4930c8de90971u);
}

// One creature of each kind, owned by the dreamers in turn and grown to full size.
TEST_F(ScenePicture, EveryCreatureKindStandsOnTheBoardInItsOwnersColour)
{
    World.StartNewGame(0, -1, 8);
    PIECE* creatures[CreatureKindCount];
    for (int kind = 1; kind <= CreatureKindCount; kind++)
        creatures[kind - 1] =
            World.CreateCreature("Beast", kind, kind % 8, 110 + (kind - 1) % 5 * 100, 80 + (kind - 1) / 5 * 96);
    while (std::any_of(creatures, creatures + CreatureKindCount, [](const PIECE* c) { return c->IsGrowing != 0; }))
        UpdateGameFrame(World);
    DrawShot("creatures_frame.png", 0x33ffa96ddc6fe842u);
}

// Every creature and effect slot in use; SDL's software renderer replays the draws to nearly the same picture.
TEST_F(ScenePicture, TheBusiestFrameComesOutOfEveryRasteriserAlike)
{
    SetUpBusiestFrame(World);
    DrawShot(nullptr, 0x732a2370c65fb927u);
    unsetenv("DISPLAY");
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_TRUE(OpenSdlReplay(false));
    ClearSdlReplay();
    Frame.Replay(ReplaySprite, ReplayLine);
    std::vector<std::uint32_t> theirs(static_cast<std::size_t>(PictureWidth) * PictureHeight);
    ReadSdlReplay(theirs.data());
    CloseSdlReplay();
    EXPECT_GT(ShareAlike(theirs.data(), Screen.Device, 8), 0.9);
}

}  // namespace
