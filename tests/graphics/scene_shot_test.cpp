// Game frames drawn with the generated art: a spell's bolts in flight and a computer dreamer's Cloud Cover over the
// tinted board, a board of every creature kind, and the busiest frame of all, read back pixel by pixel and saved for a
// person to look at; each drawn again through the reference rasteriser to the same pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "graphics/board.h"
#include "tests/support/art_screen.h"
#include "tests/support/frame_recording.h"
#include "world/actions.h"
#include "world/creatures.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/random.h"

namespace {

constexpr int FireBlastRow = 1;

int Red(std::uint32_t pixel) { return static_cast<int>(pixel >> 16 & 0xff); }
int Green(std::uint32_t pixel) { return static_cast<int>(pixel >> 8 & 0xff); }
int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xff); }

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

    ARTSCREEN Screen;
    bool Opened = false;
};

// Dreamer 2 covers itself in clouds; dreamer 1's Fire Blast is half-way to the human when the frame is drawn.
TEST_F(ScenePicture, ACastInFlightAndACloudCoverShowOverTheBoardInsideTheFrame)
{
    Game.StartNewGame(0, -1, 8);
    PLAYER& human = Game.Players[0];
    PLAYER& clouder = Game.Players[2];
    PLAYER& blaster = Game.Players[1];
    CastRow(clouder, nullptr, CloudCoverSpellId, 0, 0);
    ASSERT_EQ(Game.Effects.CountCloudCover(2), 20);
    ASSERT_TRUE(IsAnyCloudOnItsWay());
    int frames = 0;
    while (IsAnyCloudOnItsWay() && frames < 600) {
        UpdateGameFrame();
        frames++;
    }
    ASSERT_FALSE(IsAnyCloudOnItsWay());
    EXPECT_GT(frames, 1);
    CastRow(blaster, &human, FireBlastRow, human.CentreX, human.CentreY);
    for (int i = 0; i < 6; i++)
        UpdateGameFrame();
    int bolts = 0;
    const EFFECT* bolt = nullptr;
    for (const EFFECT& effect : Game.Effects.Slots)
        if (effect.IsActive && effect.Kind == 5 && effect.InFlight && effect.StartDelay < 1) {
            bolts++;
            bolt = &effect;
        }
    ASSERT_GT(bolts, 0);

    const float phase = BoardView.BoardWavePhase;
    FRAMERECORDING frame;
    frame.Start({&Screen.Sprite}, &Screen.Line);
    Screen.DrawGameFrame();
    frame.Stop();
    EXPECT_TRUE(Screen.Device.SaveScreenshot(SHOT_FOLDER "/cast_frame.png"));
    EXPECT_EQ(frame.PixelsDifferingFrom(Screen.Device, DrawReference), 0);
    EXPECT_EQ(frame.PixelsDifferingFrom(Screen.Device, DrawSse2), 0);
    const std::vector<std::uint32_t> shot(Screen.Device.Picture(), Screen.Device.Picture() + 640 * 512);

    // The frame's four corners take the human's colour in his turn: no channel beyond his.
    const int corners[][2] = {{2, 2}, {631, 2}, {2, 471}, {631, 471}};
    for (const auto& corner : corners) {
        const std::uint32_t pixel = Pixel(corner[0], corner[1]);
        EXPECT_EQ(pixel & ~human.TeamColour & 0xffffff, 0u) << corner[0] << ", " << corner[1] << std::hex << " " << pixel;
        EXPECT_NE(pixel & 0xffffff, 0u) << corner[0] << ", " << corner[1];
    }

    // The tiles' lit edges lie on the 32-pixel grid from 13, on a row no piece or effect reaches.
    const int y = 13 + 32 * 9 + 16;
    for (int c = 1; c < BoardColumns; c++) {
        const int edge = 13 + 32 * c;
        EXPECT_GT(Green(Pixel(edge, y)), Green(Pixel(edge - 2, y))) << "column " << c;
        EXPECT_GT(Green(Pixel(edge, y)), Green(Pixel(edge + 3, y))) << "column " << c;
    }

    // Dreamer 5's bar: its white frame from 6 rows above the piece, and the fill in its side's magenta below that.
    const PLAYER& bystander = Game.Players[5];
    ASSERT_EQ(bystander.TeamColour, 0xff00ffu);
    const int barX = static_cast<int>(bystander.X) + BoardMargin + ((bystander.Width - 32) >> 1);
    const int barY = static_cast<int>(bystander.Y) + BoardMargin - 6;
    const std::uint32_t barFrame = Pixel(barX + 10, barY);
    EXPECT_TRUE(Red(barFrame) > 150 && Green(barFrame) > 150 && Blue(barFrame) > 150) << std::hex << barFrame;
    const std::uint32_t fill = Pixel(barX + 10, barY + 2);
    EXPECT_TRUE(Red(fill) > 120 && Blue(fill) > 120 && Green(fill) < 48) << std::hex << fill;  // over the sky

    // Effects show: the middle of a cloud is white over the darker board, and the board drawn again without the
    // effects differs at a bolt.
    const EFFECT* cloud = nullptr;
    for (const EFFECT& effect : Game.Effects.Slots)
        if (effect.IsActive && effect.Kind == EffectCloudCover && (cloud == nullptr || effect.HeadX < cloud->HeadX))
            cloud = &effect;
    ASSERT_NE(cloud, nullptr);
    const int cloudX = static_cast<int>(cloud->HeadX) + (cloud->Width >> 1) + BoardMargin;
    const int cloudY = static_cast<int>(cloud->HeadY) + (cloud->Height >> 1) + BoardMargin;
    const int boltX = static_cast<int>(bolt->HeadX) + (bolt->Width >> 1) + BoardMargin;
    const int boltY = static_cast<int>(bolt->HeadY) + (bolt->Height >> 1) + BoardMargin;
    Game.Effects.Reset();
    BoardView.BoardWavePhase = phase;
    Screen.DrawGameFrame();
    const std::uint32_t cloudPixel = shot[static_cast<std::size_t>(cloudY * 640 + cloudX)];
    EXPECT_TRUE(Red(cloudPixel) > 150 && Green(cloudPixel) > 150 && Blue(cloudPixel) > 150) << std::hex << cloudPixel;
    EXPECT_GT(Red(cloudPixel), Red(Pixel(cloudX, cloudY)) + 60) << "the bare board beneath is darker";
    EXPECT_NE(shot[static_cast<std::size_t>(boltY * 640 + boltX)], Pixel(boltX, boltY));
}

// Four rows of five creatures, one of each kind, owned by the dreamers in turn and grown to full size: each
// stands out of the board over a good part of its box.
TEST_F(ScenePicture, EveryCreatureKindStandsOnTheBoardInItsOwnersColour)
{
    Game.StartNewGame(0, -1, 8);
    PIECE* creatures[CreatureKindCount];
    for (int kind = 1; kind <= CreatureKindCount; kind++) {
        const int column = (kind - 1) % 5, row = (kind - 1) / 5;
        creatures[kind - 1] = Game.CreateCreature("Beast", kind, kind % 8, 110 + column * 100, 80 + row * 96);
        ASSERT_NE(creatures[kind - 1], nullptr) << kind;
    }
    auto growing = [&]() {
        for (const PIECE* creature : creatures)
            if (creature->IsGrowing)
                return true;
        return false;
    };
    for (int frames = 0; growing() && frames < 600; frames++)
        UpdateGameFrame();
    ASSERT_FALSE(growing());

    const float phase = BoardView.BoardWavePhase;
    FRAMERECORDING frame;
    frame.Start({&Screen.Sprite}, &Screen.Line);
    Screen.DrawGameFrame();
    frame.Stop();
    EXPECT_TRUE(Screen.Device.SaveScreenshot(SHOT_FOLDER "/creatures_frame.png"));
    EXPECT_EQ(frame.PixelsDifferingFrom(Screen.Device, DrawReference), 0);
    EXPECT_EQ(frame.PixelsDifferingFrom(Screen.Device, DrawSse2), 0);
    const std::vector<std::uint32_t> shot(Screen.Device.Picture(), Screen.Device.Picture() + 640 * 512);
    for (PIECE* creature : creatures)
        creature->Kind = PieceFree;
    BoardView.BoardWavePhase = phase;
    Screen.DrawGameFrame();
    for (const PIECE* creature : creatures) {
        int changed = 0;
        for (int y = 0; y < creature->Height; y++)
            for (int x = 0; x < creature->Width; x++) {
                const int px = static_cast<int>(creature->X) + BoardMargin + x;
                const int py = static_cast<int>(creature->Y) + BoardMargin + y;
                const std::uint32_t was = shot[static_cast<std::size_t>(py * 640 + px)], is = Pixel(px, py);
                const int difference =
                    std::abs(Red(was) - Red(is)) + std::abs(Green(was) - Green(is)) + std::abs(Blue(was) - Blue(is));
                if (difference > 60)
                    changed++;
            }
        EXPECT_GT(changed, creature->Width * creature->Height / 5) << "kind " << creature->CreatureKind;
    }
}

// Every creature and effect slot in use: 1,102 sprites and 30 lines, turned, scaled, mirrored and tinted.
TEST_F(ScenePicture, TheBusiestFrameComesOutOfTheReferenceRasteriserPixelForPixel)
{
    SetUpBusiestFrame();
    FRAMERECORDING frame;
    frame.Start({&Screen.Sprite}, &Screen.Line);
    Screen.DrawGameFrame();
    frame.Stop();
    EXPECT_GT(frame.SpriteCount(), 1000);
    EXPECT_GT(frame.LineCount(), 20);
    EXPECT_EQ(frame.PixelsDifferingFrom(Screen.Device, DrawReference), 0);
    EXPECT_EQ(frame.PixelsDifferingFrom(Screen.Device, DrawSse2), 0);
}

}  // namespace
