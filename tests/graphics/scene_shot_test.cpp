// Game frames drawn with the generated art, read back pixel by pixel and saved for a person to look at, each drawn
// again through the reference rasteriser to the same pixels, which are those the shot was first taken with: a game
// of eight under way, a spell's bolts in flight and a computer dreamer's Cloud Cover, a board of every creature
// kind, and the busiest frame of all, which SDL's renderer also draws alike for the draw benchmark.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "graphics/board.h"
#include "platform/sdl_replay.h"
#include "tests/support/art_screen.h"
#include "tests/support/frame_recording.h"
#include "world/actions.h"
#include "world/creatures.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/random.h"
#include "world/reach.h"

namespace {

constexpr int FireBlastRow = 1;

int Channel(std::uint32_t pixel, int shift) { return static_cast<int>(pixel >> shift & 0xff); }
int Red(std::uint32_t pixel) { return Channel(pixel, 16); }
int Green(std::uint32_t pixel) { return Channel(pixel, 8); }
int Blue(std::uint32_t pixel) { return Channel(pixel, 0); }
bool Light(std::uint32_t pixel) { return Red(pixel) > 150 && Green(pixel) > 150 && Blue(pixel) > 150; }

// A spell of the table given to the dreamer and cast at once, the roll forced to succeed.
void CastRow(PLAYER& caster, PIECEBASE* target, int row, int x, int y)
{
    ASSERT_TRUE(caster.Spells.AddSpell(row));
    ScriptRand({0});
    ASSERT_TRUE(CastSpell(&caster, target, x, y, caster.Spells.Count - 1));
}

bool IsAnyCloudOnItsWay()
{
    for (const EFFECT& effect : Game.Effects.Slots)
        if (effect.IsActive && effect.Kind == EffectCloudCover && (effect.IsMoving || effect.StartDelay > 0))
            return true;
    return false;
}

class ScenePicture : public testing::Test {
protected:
    void SetUp() override
    {
        if (!Screen.Open(ART_FOLDER))
            GTEST_SKIP() << "no generated art in " << ART_FOLDER;
        Opened = true;
    }
    void TearDown() override
    {
        if (Opened)
            Screen.Close();
    }
    std::uint32_t Pixel(int x, int y) const { return Screen.Device.Pixel(x, y); }
    // The game frame drawn, saved as the shot and drawn again by the reference and the SSE2 path to the same
    // pixels, which hash (64-bit FNV-1a) to those of the shot as first taken; its picture, and the board's wave put
    // back so that the frame can be drawn again the same.
    std::vector<std::uint32_t> DrawShot(const char* name, std::uint64_t digest)
    {
        const float phase = BoardView.BoardWavePhase;
        Frame.Start({&Screen.Sprite}, &Screen.Line);
        Screen.DrawGameFrame();
        Frame.Stop();
        BoardView.BoardWavePhase = phase;
        if (name != nullptr) {
            EXPECT_TRUE(Screen.Device.SaveScreenshot((std::string(SHOT_FOLDER "/") + name).c_str()));
        }
        EXPECT_EQ(Frame.PixelsDifferingFrom(Screen.Device, DrawReference), 0);
        EXPECT_EQ(Frame.PixelsDifferingFrom(Screen.Device, DrawSse2), 0);
        std::vector<std::uint32_t> picture(Screen.Device.Picture(),
                                           Screen.Device.Picture() + PictureWidth * PictureHeight);
        std::uint64_t hash = 0xcbf29ce484222325u;
        for (std::uint32_t pixel : picture)
            hash = (hash ^ pixel) * 0x100000001b3u;
        EXPECT_EQ(hash, digest) << std::hex << hash;
        return picture;
    }
    // The frame's pixels take the human's colour in his turn: no channel beyond his, and not black.
    void ExpectFrameInHumansColour(int x, int y) const
    {
        const std::uint32_t pixel = Pixel(x, y), colour = Game.Players[0].TeamColour;
        EXPECT_TRUE((pixel & ~colour & 0xffffff) == 0 && (pixel & 0xffffff) != 0)
            << x << ", " << y << std::hex << " " << pixel;
    }

    ARTSCREEN Screen;
    FRAMERECORDING Frame;
    bool Opened = false;
};

// A second of a free game of eight: the tinted tiles, the frame in the human's colour, his dreamer over the tiles.
TEST_F(ScenePicture, AGameOfEightShowsTheTilesTheFrameAndThePieces)
{
    Game.StartNewGame(0, -1, 8);
    for (int i = 0; i < 60; i++)
        Game.UpdateGame(ReachCircle);
    DrawShot("board_frame.png", 0x8bc0a53635d220fcu);
    ExpectFrameInHumansColour(3, 200);
    const PLAYER& human = Game.Players[0];
    EXPECT_NE(Pixel(human.CentreX + BoardMargin, human.CentreY + BoardMargin), Pixel(13 + 32 * 9 + 3, 13 + 32 * 6 + 3));
}

// Dreamer 2 covers itself in clouds; dreamer 1's Fire Blast is half-way to the human when the frame is drawn.
TEST_F(ScenePicture, ACastInFlightAndACloudCoverShowOverTheBoardInsideTheFrame)
{
    Game.StartNewGame(0, -1, 8);
    PLAYER& human = Game.Players[0];
    CastRow(Game.Players[2], nullptr, CloudCoverSpellId, 0, 0);
    ASSERT_EQ(Game.Effects.CountCloudCover(2), 20);
    ASSERT_TRUE(IsAnyCloudOnItsWay());
    int frames = 0;
    for (; IsAnyCloudOnItsWay() && frames < 600; frames++)
        UpdateGameFrame();
    ASSERT_FALSE(IsAnyCloudOnItsWay());
    EXPECT_GT(frames, 1);
    CastRow(Game.Players[1], &human, FireBlastRow, human.CentreX, human.CentreY);
    for (int i = 0; i < 6; i++)
        UpdateGameFrame();
    const EFFECT* bolt = nullptr;
    const EFFECT* cloud = nullptr;
    for (const EFFECT& effect : Game.Effects.Slots) {
        if (effect.IsActive && effect.Kind == 5 && effect.InFlight && effect.StartDelay < 1)
            bolt = &effect;
        if (effect.IsActive && effect.Kind == EffectCloudCover && (cloud == nullptr || effect.HeadX < cloud->HeadX))
            cloud = &effect;
    }
    ASSERT_TRUE(bolt != nullptr && cloud != nullptr);
    const std::vector<std::uint32_t> shot = DrawShot("cast_frame.png", 0xc4df28f95fb2c92cu);
    for (const auto& at : {std::pair{2, 2}, {631, 2}, {2, 471}, {631, 471}, {320, 6}})
        ExpectFrameInHumansColour(at.first, at.second);

    // The tiles' lit edges lie on the 32-pixel grid from 13, on a row no piece or effect reaches.
    const int y = 13 + 32 * 9 + 16;
    for (int c = 1; c < BoardColumns; c++) {
        const int edge = 13 + 32 * c;
        EXPECT_TRUE(Green(Pixel(edge, y)) > Green(Pixel(edge - 2, y)) &&
                    Green(Pixel(edge, y)) > Green(Pixel(edge + 3, y)))
            << c;
    }

    // Dreamer 5's bar: its white frame from 6 rows above the piece, and the fill in its side's magenta below that.
    const PLAYER& bystander = Game.Players[5];
    ASSERT_EQ(bystander.TeamColour, 0xff00ffu);
    const int barX = static_cast<int>(bystander.X) + BoardMargin + ((bystander.Width - 32) >> 1) + 10;
    const int barY = static_cast<int>(bystander.Y) + BoardMargin - 6;
    EXPECT_TRUE(Light(Pixel(barX, barY))) << std::hex << Pixel(barX, barY);
    const std::uint32_t fill = Pixel(barX, barY + 2);
    EXPECT_TRUE(Red(fill) > 120 && Blue(fill) > 120 && Green(fill) < 48) << std::hex << fill;  // over the sky

    // The middle of a cloud is white over the darker board, and the board drawn again without the effects differs
    // at the bolt.
    const int cloudX = static_cast<int>(cloud->HeadX) + (cloud->Width >> 1) + BoardMargin;
    const int cloudY = static_cast<int>(cloud->HeadY) + (cloud->Height >> 1) + BoardMargin;
    const int boltX = static_cast<int>(bolt->HeadX) + (bolt->Width >> 1) + BoardMargin;
    const int boltY = static_cast<int>(bolt->HeadY) + (bolt->Height >> 1) + BoardMargin;
    Game.Effects.Reset();
    Screen.DrawGameFrame();
    const std::uint32_t cloudPixel = shot[static_cast<std::size_t>(cloudY * PictureWidth + cloudX)];
    EXPECT_TRUE(Light(cloudPixel)) << std::hex << cloudPixel;
    EXPECT_GT(Red(cloudPixel), Red(Pixel(cloudX, cloudY)) + 60) << "the bare board beneath is darker";
    EXPECT_NE(shot[static_cast<std::size_t>(boltY * PictureWidth + boltX)], Pixel(boltX, boltY));
}

// Four rows of five creatures, one of each kind, owned by the dreamers in turn and grown to full size: each
// stands out of the board over a good part of its box.
TEST_F(ScenePicture, EveryCreatureKindStandsOnTheBoardInItsOwnersColour)
{
    Game.StartNewGame(0, -1, 8);
    PIECE* creatures[CreatureKindCount];
    for (int kind = 1; kind <= CreatureKindCount; kind++) {
        creatures[kind - 1] =
            Game.CreateCreature("Beast", kind, kind % 8, 110 + (kind - 1) % 5 * 100, 80 + (kind - 1) / 5 * 96);
        ASSERT_NE(creatures[kind - 1], nullptr) << kind;
    }
    auto growing = [&] {
        for (const PIECE* creature : creatures)
            if (creature->IsGrowing)
                return true;
        return false;
    };
    for (int frames = 0; growing() && frames < 600; frames++)
        UpdateGameFrame();
    ASSERT_FALSE(growing());
    const std::vector<std::uint32_t> shot = DrawShot("creatures_frame.png", 0x5cfbba767290fc0cu);
    for (PIECE* creature : creatures)
        creature->Kind = PieceFree;
    Screen.DrawGameFrame();
    for (const PIECE* creature : creatures) {
        int changed = 0;
        for (int y = 0; y < creature->Height; y++)
            for (int x = 0; x < creature->Width; x++) {
                const int px = static_cast<int>(creature->X) + BoardMargin + x;
                const int py = static_cast<int>(creature->Y) + BoardMargin + y;
                const std::uint32_t was = shot[static_cast<std::size_t>(py * PictureWidth + px)], is = Pixel(px, py);
                int difference = 0;
                for (int shift : {0, 8, 16})
                    difference += std::abs(Channel(was, shift) - Channel(is, shift));
                changed += difference > 60;
            }
        EXPECT_GT(changed, creature->Width * creature->Height / 5) << "kind " << creature->CreatureKind;
    }
}

// Every creature and effect slot in use: 1,102 sprites and 30 lines, turned, scaled, mirrored and tinted. SDL's
// software renderer, on its video driver that shows nothing, replays them to nearly the same picture.
TEST_F(ScenePicture, TheBusiestFrameComesOutOfEveryRasteriserAlike)
{
    SetUpBusiestFrame();
    DrawShot(nullptr, 0xc65959ef0392a693u);
    EXPECT_GT(Frame.SpriteCount(), 1000);
    EXPECT_GT(Frame.LineCount(), 20);
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
