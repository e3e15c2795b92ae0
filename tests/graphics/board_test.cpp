// The board's figures read from the draws the shared sprite and line objects record, where the shots show them not.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/board.h"
#include "graphics/drawing.h"
#include "graphics/textures.h"
#include "tests/support/board.h"

namespace {

constexpr int FakeImages = 100;
// Each texture-list image is a texture of its own, so a draw tells which image it used.
class BoardDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        StartEmptyBoard(World);
        for (int i = 0; i < FakeImages; i++)
            *Textures.TextureSlot(i) = &Fakes[i];
        Sprite.Record(&Draws);
        Line.Record(&Lines);
        Drawing.pSprite2D = &Sprite;
        Drawing.pLine = &Line;
    }
    void TearDown() override
    {
        for (int i = 0; i < FakeImages; i++)
            *Textures.TextureSlot(i) = nullptr;
        Drawing = DRAWING();
    }
    std::vector<int> Images() const
    {
        std::vector<int> images;
        for (const SPRITEDRAW& draw : Draws)
            images.push_back(static_cast<int>(draw.Texture - Fakes));
        return images;
    }
    // Where a draw puts its picture, its x scale and its colour.
    static void ExpectDraw(const SPRITEDRAW& draw, float x, float y, float scaleX, std::uint32_t colour)
    {
        EXPECT_TRUE(draw.Translation.X == x && draw.Translation.Y == y && draw.Scaling.X == scaleX &&
                    draw.Colour == colour);
    }
    GAME World;  // the game drawn
    TEXTURE Fakes[FakeImages];
    SPRITEDRAWER Sprite;
    LINEDRAWER Line;
    std::vector<SPRITEDRAW> Draws;
    std::vector<LINEDRAW> Lines;
};

}  // namespace

// Sprites scale about their source's centre and mirror one pixel right; the bar's fill is unclamped; the marker
// turns back to 0 at 360; the frame takes the human's colour in his turn only.
TEST_F(BoardDrawing, SpritesKeepTheirSourcesCentreTheBarFillsItsShareAndTheRangeMarkerShowsWhileAiming)
{
    const RECTANGLE square{0, 0, 32, 32};
    DrawSprite(5, 100, 50, &square, 0.5f, 0.5f, 0.0f, 255, 0xffffff, false);
    DrawSprite(5, 100, 50, &square, 0.5f, 0.5f, 0.0f, 255, 0xffffff, true);
    DrawSpriteNoRect(5, 100, 50, 0.5f, 0.5f, 0.0f, 128, 0x102030, true);
    ExpectDraw(Draws.at(0), 108.0f, 58.0f, 0.5f, 0xffffffffu);
    ExpectDraw(Draws.at(1), 125.0f, 58.0f, -0.5f, 0xffffffffu);
    ExpectDraw(Draws.at(2), 100.0f, 50.0f, -0.5f, 0x80102030u);
    for (const auto& fill :
         {std::vector<int>{15, 30, 15}, {1, 3, 10}, {1, 1, 30}, {0, 30, 0}, {5, 0, 0}, {45, 30, 45}, {-5, 30, 0}}) {
        Draws.clear();
        DrawBar(0, 0, fill[0], fill[1], 0);
        EXPECT_EQ(Draws.at(0).Source.Right, fill[2]) << fill[0] << " of " << fill[1];
    }
    EXPECT_TRUE(PointInRect(10, 20, 10, 20, 5, 5) && PointInRect(14, 24, 10, 20, 5, 5));
    EXPECT_FALSE(PointInRect(15, 22, 10, 20, 5, 5) || PointInRect(12, 25, 10, 20, 5, 5));
    BoardView.MarkerAngle = 359.0f;
    Draws.clear();
    DrawBoard(World, AIMVIEW{&PlaceDreamer(World, 0, "Ann", 200, 150), false, 0.5f, 0x00ff00});
    EXPECT_TRUE(Draws.size() == 266u && BoardView.MarkerAngle == 0.0f);
    World.Players[0].TeamColour = 0x123456;
    PlaceDreamer(World, 1, "Bo", 300, 300);
    for (const auto& turn : {std::pair{0, 0xff123456u}, {1, 0xffffffffu}, {MaxPlayers, 0xffffffffu}}) {
        Draws.clear();
        World.CurrentPlayer = turn.first;
        DrawBoardFrame(World, 0, 0);
        ASSERT_EQ(Draws.size(), 70u);
        for (const SPRITEDRAW& draw : Draws)
            ASSERT_EQ(draw.Colour, turn.second) << turn.first;
    }
}

// Effects of layer 0 go under the pieces, 1 and 2 over them, none still waiting; pieces go from the top down, a tie
// in the list's order (players first) however long the list.
TEST_F(BoardDrawing, ThePiecesGoFromTheTopDownBetweenTheEffectLayers)
{
    const int layers[][2] = {{0, 2}, {1, 0}, {2, 1}, {3, 0}};
    for (const auto& layer : layers) {
        EFFECT& effect = PlaceEffect(World, layer[0], 5, 1, 10, 10, 8, 8);
        effect.Sprite.BuildFrames(90 + layer[0], 1, 8, 8, 1);
        effect.DrawLayer = layer[1];
    }
    World.Effects.Slots[3].StartDelay = 1;
    const int dreamerY[] = {300, 100, 100};
    for (int i = 0; i < 40; i++) {
        PIECEBASE& piece = i < 3 ? static_cast<PIECEBASE&>(PlaceDreamer(World, i, "D", 50, 50))
                                 : PlaceCreature(World, i, 1, "C", 50, 50);
        piece.Sprite.Frames[0].Texture = 30 + i;
        piece.IsDead = 1;
        piece.CentreY = i < 3 ? dreamerY[i] : 200;
    }
    World.Creatures[39].CentreY = 50;
    DrawScene(World, nullptr);
    std::vector<int> expected{91, 69, 31, 32};
    for (int i = 3; i < 39; i++)
        expected.push_back(30 + i);
    expected.insert(expected.end(), {30, 92, 90});
    EXPECT_EQ(Images(), expected);
}

// A live piece shows bar, glow, body and a yellow hover marker; a dead one is dark at its own alpha, without bar
// or glow, its target marker white to the selected side.
TEST_F(BoardDrawing, APieceShowsItsBarGlowBodyAndOneMarker)
{
    PLAYER& dreamer = PlaceDreamer(World, 1, "Bo", 110, 60);
    dreamer.Sprite.BuildFrames(7, 3, 20, 20, 3);
    dreamer.HoverMark = dreamer.TargetMark = 1;
    DrawPiece(&dreamer, nullptr);
    ASSERT_EQ(Images(), (std::vector<int>{22, 22, 7, 7, 5}));
    ExpectDraw(Draws[4], 107.0f, 57.0f, 1.0f, 0xffffff00u);
    const std::uint32_t targetColours[] = {0xffff0000u, 0xffffffffu, 0xffff0000u};
    PIECEBASE* selections[] = {nullptr, &PlaceCreature(World, 4, 1, "C", 0, 0), &PlaceDreamer(World, 0, "Ann", 0, 0)};
    dreamer.HoverMark = 0;
    dreamer.IsDead = 1;
    dreamer.Alpha = 40;
    for (int i = 0; i < 3; i++) {
        Draws.clear();
        DrawPiece(&dreamer, selections[i]);
        ASSERT_EQ(Images(), (std::vector<int>{7, 13}));
        EXPECT_TRUE(Draws[0].Colour == 0x28020202u && Draws[1].Colour == targetColours[i]) << i;
    }
}

// An effect mirrors only unturned; the human's own clouds are nearly clear in his turn; a line runs tail to head; a
// scaled picture is placed by its own frame's size, centred, wherever the frame lies on its sheet.
TEST_F(BoardDrawing, EffectsMirrorUnturnedCloudsClearForTheirOwnerAndPicturesKeepTheirPlace)
{
    PlaceDreamer(World, 0, "Ann", 100, 100);
    PlaceDreamer(World, 1, "Bo", 300, 300).IsComputer = 1;
    EFFECT& effect = PlaceEffect(World, 0, 5, 1, 10, 10, 8, 8);
    effect.Sprite.BuildFrames(7, 1, 8, 8, 1);
    effect.Sprite.Mirror = 1;
    DrawEffect(World, effect);
    effect.Sprite.Angle = 90.0f;
    DrawEffect(World, effect);
    EXPECT_TRUE(Draws[0].Scaling.X == -1.0f && Draws[1].Scaling.X == 1.0f);
    const int owners[][3] = {{0, 0, 32}, {0, 1, 200}, {1, 0, 200}, {-1, 0, 200}};
    for (const auto& owner : owners) {
        EFFECT& cloud = PlaceEffect(World, 0, EffectCloudCover, owner[0], 10, 10, 8, 8);
        cloud.Sprite.BuildFrames(7, 1, 8, 8, 1);
        cloud.Sprite.Alpha = 200;
        World.ComputerTurnsRunning = static_cast<std::uint8_t>(owner[1]);
        DrawEffect(World, cloud);
        EXPECT_EQ(Draws.back().Colour >> 24, static_cast<std::uint32_t>(owner[2])) << owner[0] << owner[1];
    }
    EFFECT& line = PlaceEffect(World, 1, EffectDreamLine, 0, 100, 60, 4, 0);
    line.IsLine = 1;
    line.TailX = 20.0f;
    line.TailY = 30.0f;
    line.Sprite.Colour = 0xaa00aa;
    line.Sprite.Alpha = 128;
    DrawEffect(World, line);
    ASSERT_EQ(Lines.size(), 1u);
    EXPECT_TRUE(Lines[0].From.X == 33.0f && Lines[0].From.Y == 43.0f && Lines[0].To.X == 113.0f &&
                Lines[0].To.Y == 73.0f && Lines[0].Width == 4.0f && Lines[0].Colour == 0x80aa00aau);
    // Frame 4 of a sheet of 32 x 24 cells, 3 a row: at half size, the cell's middle stays where it was.
    SCENERYITEM item;
    item.X = 100.0f;
    item.Y = 200.0f;
    item.Alpha = 255;
    EFFECT& grown = PlaceEffect(World, 2, 5, 1, 100 - BoardMargin, 200 - BoardMargin, 32, 24);
    for (SPRITE* sprite : {&item.Sprite, &grown.Sprite}) {
        sprite->BuildFrames(7, 6, 32, 24, 3);
        sprite->SetPlayRange(4, 1, 1, 0xffffff, 255);
        sprite->Scale = 0.5f;
        sprite->ScaledPlacement = 1;
    }
    DrawSceneryItem(item);
    DrawEffect(World, grown);
    for (const SPRITEDRAW& draw : {Draws[Draws.size() - 2], Draws.back()}) {
        EXPECT_TRUE(draw.Source.Left == 32 && draw.Source.Top == 24 && draw.Centre.X == 8.0f && draw.Centre.Y == 6.0f);
        ExpectDraw(draw, 108.0f, 206.0f, 0.5f, 0xffffffffu);
    }
}
