// The board's tiles, the scene's layers and depth order, a piece's bar, glow, body and markers, effects, the
// frame, read from the draws the shared sprite and line objects record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/board.h"
#include "graphics/drawing.h"
#include "graphics/textures.h"
#include "tests/support/art_screen.h"
#include "tests/support/board.h"
#include "tests/support/frame_recording.h"
#include "world/reach.h"

namespace {

constexpr int FakeImages = 100;

// Each texture-list image is a texture of its own, so a draw tells which image it used.
class BoardDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        StartEmptyBoard();
        for (int i = 0; i < FakeImages; i++)
            *Textures.TextureSlot(i) = &Fakes[i];
        Sprite.Record(&Draws);
        Line.Record(&Lines);
        Drawing.pSprite2D = &Sprite;
        Drawing.pLine = &Line;
        BoardView.MarkerAngle = 0.0f;
        BoardView.BoardWavePhase = 1.0f;
    }
    void TearDown() override
    {
        for (int i = 0; i < FakeImages; i++)
            *Textures.TextureSlot(i) = nullptr;
        Drawing.pSprite2D = nullptr;
        Drawing.pLine = nullptr;
    }
    int Image(int draw) const { return static_cast<int>(Draws.at(draw).Texture - Fakes); }
    std::vector<int> Images() const
    {
        std::vector<int> images;
        for (std::size_t i = 0; i < Draws.size(); i++)
            images.push_back(Image(static_cast<int>(i)));
        return images;
    }
    void ExpectAt(int draw, float x, float y) const
    {
        EXPECT_TRUE(Draws.at(draw).Translation.X == x && Draws.at(draw).Translation.Y == y)
            << "draw " << draw << " at " << Draws.at(draw).Translation.X << ", " << Draws.at(draw).Translation.Y;
    }

    TEXTURE Fakes[FakeImages];
    SPRITEDRAWER Sprite;
    LINEDRAWER Line;
    std::vector<SPRITEDRAW> Draws;
    std::vector<LINEDRAW> Lines;
};

// sin(1) x 12 is 10.1 and sin(4) x 12 is -9.1: greens 202 and 183 at alpha 16.
TEST_F(BoardDrawing, TilesLieOnThe32PixelGridWithTheirRowAndColumnImagesAndTheWave)
{
    DrawBoard(AIMVIEW());
    ASSERT_EQ(Draws.size(), 266u);
    ExpectAt(0, 13.0f, 13.0f);
    ExpectAt(18, 589.0f, 13.0f);
    ExpectAt(265, 589.0f, 429.0f);
    EXPECT_EQ(Image(0), 1);
    EXPECT_EQ(Image(18), 3);
    EXPECT_EQ(Image(19), 0);
    EXPECT_EQ(Image(37), 2);
    EXPECT_EQ(Draws[0].Colour, 0x1000ca00u);
    EXPECT_EQ(Draws[3].Colour, 0x1000b700u);
    EXPECT_NEAR(BoardView.BoardWavePhase, 1.07f, 1e-5f);
}

TEST_F(BoardDrawing, TheRangeMarkerShowsOnlyWhileAimingButTurnsWhileAPieceIsSelected)
{
    AIMVIEW aim{&PlaceDreamer(0, "Ann", 200, 150), false, 0.5f, 0x00ff00};
    BoardView.MarkerAngle = 359.0f;
    DrawBoard(aim);
    EXPECT_EQ(Draws.size(), 266u);
    EXPECT_EQ(BoardView.MarkerAngle, 0.0f);
    Draws.clear();
    aim.IsAiming = true;
    DrawBoard(aim);
    ASSERT_EQ(Draws.size(), 267u);
    EXPECT_EQ(Image(266), 4);
    ExpectAt(266, 149.0f, 99.0f);
    EXPECT_EQ(Draws[266].Colour, 0x6000ff00u);
    EXPECT_EQ(Draws[266].Scaling.X, 0.5f);
}

// Players go into the list before creatures, and a tie keeps the list's order however long the list.
TEST_F(BoardDrawing, EffectsOfLayerZeroGoUnderThePiecesSortedByCentreYAndLayersOneAndTwoOver)
{
    const int layers[][2] = {{0, 2}, {1, 0}, {2, 1}, {3, 0}};
    for (const auto& layer : layers) {
        EFFECT& effect = PlaceEffect(layer[0], 5, 1, 10, 10, 8, 8);
        effect.Sprite.BuildFrames(90 + layer[0], 1, 8, 8, 1);
        effect.DrawLayer = layer[1];
    }
    Game.Effects.Slots[3].StartDelay = 1;
    const int creatureY[] = {300, 100, 100};
    for (int i = 0; i < 40; i++) {
        PIECEBASE& piece = i < 3 ? static_cast<PIECEBASE&>(PlaceDreamer(i, "D", 50, 50))
                                 : PlaceCreature(i, 1, "C", 50, 50);
        piece.Sprite.Frames[0].Texture = 30 + i;
        piece.IsDead = 1;
        piece.CentreY = i < 3 ? creatureY[i] : 200;
    }
    Game.Creatures[39].CentreY = 50;
    DrawScene(nullptr);
    std::vector<int> expected{91, 69, 31, 32};
    for (int i = 3; i < 39; i++)
        expected.push_back(30 + i);
    expected.insert(expected.end(), {30, 92, 90});
    EXPECT_EQ(Images(), expected);
}

// A 20-pixel piece at (100, 50): the bar's frame at (107, 57), the glow 7 % larger, the markers at (107, 57).
TEST_F(BoardDrawing, APieceShowsItsBarGlowBodyAndOneMarker)
{
    PLAYER& dreamer = PlaceDreamer(1, "Bo", 110, 60);
    dreamer.Sprite.BuildFrames(7, 3, 20, 20, 3);
    dreamer.Health = 15;
    dreamer.MaxHealth = 30;
    dreamer.TeamColour = 0x00ff00;
    dreamer.PaleColour = 0x80ff80;
    dreamer.GlowAlpha = 100;
    dreamer.HoverMark = dreamer.TargetMark = 1;
    DrawPiece(&dreamer, nullptr);
    ASSERT_EQ(Images(), (std::vector<int>{22, 22, 7, 7, 5}));
    EXPECT_EQ(Draws[0].Source.Right, 15);
    EXPECT_EQ(Draws[0].Colour, 0xb400ff00u);
    ExpectAt(1, 107.0f, 57.0f);
    EXPECT_TRUE(Draws[2].Source.Left == 40 && Draws[2].Scaling.X == 1.07f && Draws[2].Colour == 0x6400ff00u);
    EXPECT_TRUE(Draws[3].Source.Left == 0 && Draws[3].Colour == 0xff80ff80u);
    ExpectAt(4, 107.0f, 57.0f);
    EXPECT_EQ(Draws[4].Colour, 0xffffff00u);

    const std::uint32_t targetColours[] = {0xffff0000u, 0xffffffffu, 0xffff0000u};
    PIECEBASE* selections[] = {nullptr, &PlaceCreature(4, 1, "C", 0, 0), &PlaceDreamer(0, "Ann", 0, 0)};
    dreamer.HoverMark = 0;
    dreamer.IsDead = 1;
    dreamer.Alpha = 40;
    for (int i = 0; i < 3; i++) {
        Draws.clear();
        DrawPiece(&dreamer, selections[i]);
        ASSERT_EQ(Images(), (std::vector<int>{7, 13}));
        EXPECT_EQ(Draws[0].Colour, 0x28020202u);
        EXPECT_EQ(Draws[1].Colour, targetColours[i]) << i;
    }
}

TEST_F(BoardDrawing, ALiveCreatureIsDrawnAt192AndAnEffectMirrorsOnlyWhenUnturned)
{
    PlaceCreature(0, 1, "C", 50, 50).Alpha = 10;
    DrawPiece(&Game.Creatures[0], nullptr);
    EXPECT_EQ(Draws.back().Colour >> 24, 192u);
    EFFECT& effect = PlaceEffect(0, 5, 1, 10, 10, 8, 8);
    effect.Sprite.BuildFrames(7, 1, 8, 8, 1);
    effect.Sprite.Mirror = 1;
    DrawEffect(effect);
    effect.Sprite.Angle = 90.0f;
    DrawEffect(effect);
    EXPECT_TRUE(Draws[Draws.size() - 2].Scaling.X == -1.0f && Draws.back().Scaling.X == 1.0f);
}

// The human's clouds are nearly clear in his turn only; a cloud of no side keeps its own alpha.
TEST_F(BoardDrawing, CloudCoverAlphaAndLinesFromTailToHead)
{
    PlaceDreamer(0, "Ann", 100, 100);
    PlaceDreamer(1, "Bo", 300, 300);
    const int owners[][3] = {{0, 0, 32}, {0, 1, 200}, {1, 0, 200}, {-1, 0, 200}};
    for (const auto& owner : owners) {
        EFFECT& cloud = PlaceEffect(0, EffectCloudCover, owner[0], 10, 10, 8, 8);
        cloud.Sprite.BuildFrames(7, 1, 8, 8, 1);
        cloud.Sprite.Alpha = 200;
        Game.ComputerTurnsRunning = static_cast<std::uint8_t>(owner[1]);
        DrawEffect(cloud);
        EXPECT_EQ(Draws.back().Colour >> 24, static_cast<std::uint32_t>(owner[2])) << owner[0] << owner[1];
    }
    EFFECT& line = PlaceEffect(1, EffectDreamLine, 0, 100, 60, 4, 0);
    line.IsLine = 1;
    line.TailX = 20.0f;
    line.TailY = 30.0f;
    line.Sprite.Colour = 0xaa00aa;
    line.Sprite.Alpha = 128;
    DrawEffect(line);
    ASSERT_EQ(Lines.size(), 1u);
    EXPECT_TRUE(Lines[0].From.X == 33.0f && Lines[0].From.Y == 43.0f && Lines[0].To.X == 113.0f &&
                Lines[0].To.Y == 73.0f && Lines[0].Width == 4.0f && Lines[0].Colour == 0x80aa00aau);
}

TEST_F(BoardDrawing, TheFrameHasThirteenPixelCornersAndTakesTheHumansColourInHisTurn)
{
    PlaceDreamer(0, "Ann", 100, 100).TeamColour = 0x123456;
    DrawBoardFrame(0, 0);
    ASSERT_EQ(Draws.size(), 70u);
    ExpectAt(0, 0.0f, 0.0f);
    ExpectAt(19, 589.0f, 0.0f);
    ExpectAt(20, 621.0f, 0.0f);
    ExpectAt(69, 621.0f, 461.0f);
    EXPECT_TRUE(Draws[69].Source.Left == 51 && Draws[69].Source.Bottom == 64 && Draws[1].Source.Left == 16);
    EXPECT_EQ(Draws[0].Colour, 0xff123456u);
    Game.CurrentPlayer = 1;
    PlaceDreamer(1, "Bo", 300, 300);
    Draws.clear();
    DrawBoardFrame(0, 0);
    EXPECT_EQ(Draws.at(0).Colour, 0xffffffffu);
}

// A whole game frame of a free game of eight, drawn with the generated art into a headless device.
TEST(BoardPicture, AGameFrameOfEightDreamersShowsTheTintedTilesTheFrameAndThePieces)
{
    ARTSCREEN screen;
    if (!screen.Open(ART_FOLDER))
        GTEST_SKIP() << "no generated art in " << ART_FOLDER;
    Game.StartNewGame(0, -1, 8);
    for (int i = 0; i < 60; i++)
        Game.UpdateGame(ReachCircle);
    FRAMERECORDING drawn;
    drawn.Start({&screen.Sprite}, &screen.Line);
    screen.DrawGameFrame();
    drawn.Stop();
    const DEVICE& device = screen.Device;
    EXPECT_TRUE(device.SaveScreenshot(SHOT_FOLDER "/board_frame.png"));
    EXPECT_EQ(drawn.PixelsDifferingFrom(device, DrawReference), 0);
    EXPECT_EQ(drawn.PixelsDifferingFrom(device, DrawSse2), 0);

    const std::uint32_t tile = device.Pixel(13 + 32 * 9 + 3, 13 + 32 * 6 + 3);
    const PLAYER& human = Game.Players[0];
    const std::uint32_t frame = device.Pixel(3, 200);
    EXPECT_EQ(frame & ~human.TeamColour & 0xffffff, 0u) << std::hex << frame << " under " << human.TeamColour;
    EXPECT_NE(frame & 0xffffff, 0u);
    EXPECT_NE(device.Pixel(human.CentreX + BoardMargin, human.CentreY + BoardMargin), tile);
    screen.Close();
}

}  // namespace
