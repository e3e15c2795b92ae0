#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "world/effects.h"
#include "world/game.h"
#include "world/reach.h"

namespace {

void ResetBoard()
{
    Game.Reset();
    Game.BoardWidth = 608;
    Game.BoardHeight = 448;
    Game.SetBoardBounds(0, 0, 608, 448);
}

// A resting 20 x 20 piece centred on (cx, cy): its own box, widened for a walk, spans cx - 24 .. cx + 24.
PIECEBASE& Place(PIECEBASE& piece, int index, int team, int kind, const char* name, int cx, int cy)
{
    piece.Init(index, team, name, kind, 0, 1, 10, 0xffffff, 255);
    piece.Sprite.BuildFrames(1, 1, 20, 20, 1);
    piece.SetStats(1, 20, 2, 1, 0, 1.0f);
    piece.SetPosition(static_cast<float>(cx - 10), static_cast<float>(cy - 10), 20, 20);
    return piece;
}

PLAYER& Dreamer(int index, const char* name, int cx, int cy)
{
    Place(Game.Players[index], index, index, index == 0 ? PieceHumanDreamer : PieceComputerDreamer, name, cx, cy);
    return Game.Players[index];
}

PIECE& Creature(int slot, int team, const char* name, int cx, int cy)
{
    PIECE& creature = Game.Creatures[slot];
    Place(creature, slot, team, PieceCreature, name, cx, cy);
    creature.pOwner = &Game.Players[team];
    return creature;
}

// An effect of the given kind and side over the box at (left, top); a hazard reaches 8 pixels beyond it.
void Effect(int slot, int kind, int team, int left, int top, int width, int height)
{
    EFFECT& effect = Game.Effects.Slots[slot];
    effect.IsActive = 1;
    effect.Kind = kind;
    effect.OwnerTeam = team;
    effect.HeadX = static_cast<float>(left);
    effect.HeadY = static_cast<float>(top);
    effect.Width = width;
    effect.Height = height;
}

std::string ReadLog()
{
    std::ifstream file("_Errors.txt", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + ", 0, 0\r\n";
    return text;
}

void ExpectMove(int x, int y)
{
    EXPECT_EQ(Game.PendingAction.Kind, ActionMove);
    EXPECT_EQ(Game.PendingAction.X, x);
    EXPECT_EQ(Game.PendingAction.Y, y);
}

}  // namespace

// ---- the trace and the choice between fleeing, attacking and walking -------

TEST(ShouldPieceMove, WithoutATargetOnlyTheTwoOpeningLinesAreWrittenAndNothingIsPosted)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Tessaly", 300, 200);
    Game.ShouldPieceMove(&dreamer, ReachCircle, false);
    EXPECT_EQ(ReadLog(), Lines({"ShouldPieceMove: Tessaly", "pPiece->pTarget: NULL"}));
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
}

TEST(ShouldPieceMove, TheNearestEnemyInReachIsAttackedRatherThanTheAim)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Tessaly", 300, 200);
    dreamer.pTarget = &Dreamer(0, "Corvessa", 500, 400);
    Creature(4, 2, "Imp", 360, 230);
    Game.ShouldPieceMove(&dreamer, ReachCircle, false);
    EXPECT_EQ(ReadLog(), Lines({"ShouldPieceMove: Tessaly", "pPiece->pTarget: Corvessa", "SelectTarget: Imp", "A: ",
                                "B: ", "C: ", "G: "}));
    EXPECT_EQ(Game.PendingAction.Kind, ActionAttack);
    EXPECT_EQ(Game.PendingAction.pActor, &dreamer);
    EXPECT_EQ(Game.PendingAction.pTarget, &Game.Creatures[4]);
}

TEST(ShouldPieceMove, AttacksReachFivePercentBeyondTheMoveCircle)
{
    const struct {
        int DX;
        int Kind;
    } cases[] = {{130, ActionAttack}, {133, ActionAttack}, {134, ActionMove}};
    for (const auto& c : cases) {
        ResetBoard();
        PLAYER& dreamer = Dreamer(1, "Tessaly", 300, 200);
        dreamer.pTarget = &Dreamer(0, "Corvessa", 300 + c.DX, 200);
        ASSERT_FALSE(Game.IsInReach(&dreamer, 300 + c.DX, 200, ReachCircle, 1.0f));
        Game.ShouldPieceMove(&dreamer, ReachCircle, false);
        EXPECT_EQ(Game.PendingAction.Kind, c.Kind) << c.DX;
    }
    // The walk stops 14 pixels short of the aim's box, which starts at 424.
    ExpectMove(409, 200);
}

TEST(ShouldPieceMove, AnAimHiddenFromTheSearchIsStillAttackedWhenInReach)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Tessaly", 300, 200);
    dreamer.pTarget = &Dreamer(0, "Corvessa", 350, 200);
    Effect(0, EffectCloudCover, 0, 340, 190, 20, 20);
    Game.ShouldPieceMove(&dreamer, ReachCircle, true);
    EXPECT_EQ(ReadLog(), Lines({"ShouldPieceMove: Tessaly", "pPiece->pTarget: Corvessa", "SelectTarget: NULL", "E: ",
                                "F: ", "G: "}));
    EXPECT_EQ(Game.PendingAction.Kind, ActionAttack);
    EXPECT_EQ(Game.PendingAction.pTarget, &Game.Players[0]);
}

TEST(ShouldPieceMove, AHeldBackDreamerNeitherWalksNorTracesTheWalk)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Tessaly", 300, 200);
    dreamer.pTarget = &Dreamer(0, "Corvessa", 500, 200);
    Game.ShouldPieceMove(&dreamer, ReachCircle, true);
    EXPECT_EQ(ReadLog(), Lines({"ShouldPieceMove: Tessaly", "pPiece->pTarget: Corvessa", "SelectTarget: Corvessa",
                                "A: ", "B: ", "G: "}));
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
}

// ---- fleeing an enemy hazard -----------------------------------------------

TEST(ShouldPieceMove, APieceInAnEnemyHazardFleesUpRightDownLeftAndNeverAttacks)
{
    // Each bound 30 from the centre closes that direction to a 20 x 20 piece.
    const struct {
        int Bounds[4];
        int X, Y;
    } cases[] = {
        {{0, 0, 608, 448}, 300, 72},     // up: the top row of the circle
        {{0, 170, 608, 448}, 427, 200},  // right
        {{0, 170, 330, 448}, 300, 327},  // down
        {{0, 170, 330, 230}, 172, 200},  // left
    };
    for (const auto& c : cases) {
        ResetBoard();
        Game.SetBoardBounds(c.Bounds[0], c.Bounds[1], c.Bounds[2], c.Bounds[3]);
        PLAYER& dreamer = Dreamer(1, "Tessaly", 300, 200);
        dreamer.pTarget = &Dreamer(0, "Corvessa", 330, 200);
        Effect(0, EffectWildFire, 0, 292, 192, 16, 16);
        Game.ShouldPieceMove(&dreamer, ReachCircle, false);
        ExpectMove(c.X, c.Y);
        EXPECT_EQ(Game.PendingAction.pActor, &dreamer);
        EXPECT_EQ(ReadLog(), Lines({"ShouldPieceMove: Tessaly", "pPiece->pTarget: Corvessa", "Causes Fire Damage: ",
                                    "pTarget: NULL"}));
        std::remove("_Errors.txt");
    }
}

TEST(ShouldPieceMove, WhenNoFlightIsFreeThePieceGoesOnToItsWalkWithoutAttacking)
{
    ResetBoard();
    Game.SetBoardBounds(270, 170, 330, 230);
    PLAYER& dreamer = Dreamer(1, "Tessaly", 300, 200);
    dreamer.pTarget = &Dreamer(0, "Corvessa", 330, 200);
    Effect(0, EffectWildFire, 0, 292, 192, 16, 16);
    Game.ShouldPieceMove(&dreamer, ReachCircle, false);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
    EXPECT_EQ(ReadLog(), Lines({"ShouldPieceMove: Tessaly", "pPiece->pTarget: Corvessa", "Causes Fire Damage: ",
                                "G: ", "I: "}));
}

// ---- the creature hold-back ------------------------------------------------

TEST(ShouldPieceMove, AHeldBackCreatureStillAttacksButDoesNotWalk)
{
    const struct {
        int HoldBack;
        int Creatures;      // live creatures of the side, the mover included
        int Dreamers;       // live dreamers
        bool NoRoom;
        bool HasDreams;
        bool Walks;
    } cases[] = {
        {1, 3, 2, false, true, false},
        {1, 4, 2, false, true, true},
        {1, 3, 4, false, true, true},
        {2, 5, 3, false, true, false},
        {2, 6, 3, false, true, true},
        {1, 1, 2, true, true, true},   // the dreamer found no room: its creatures go
        {1, 1, 2, false, false, true}, // nothing left to dream
        {3, 1, 2, false, true, true},
    };
    for (const auto& c : cases) {
        for (bool enemyInReach : {true, false}) {
            ResetBoard();
            std::remove("_Errors.txt");
            PLAYER& owner = Dreamer(1, "Tessaly", 60, 60);
            owner.HoldBack = c.HoldBack;
            owner.NoRoomToDream = c.NoRoom;
            if (c.HasDreams)
                owner.DreamSlots[7].Kind = 3;  // counted wherever it sits
            Dreamer(0, "Corvessa", enemyInReach ? 400 : 550, 300);
            for (int i = 2; i < c.Dreamers; i++)
                Dreamer(i, "Sage", 560, 40 + 60 * i);
            PIECE& creature = Creature(0, 1, "Owl", 300, 300);
            creature.pTarget = &Game.Players[0];
            for (int i = 1; i < c.Creatures; i++)
                Creature(i, 1, "Owl", 40 + 40 * i, 420);
            Game.ShouldPieceMove(&creature, ReachCircle, false);
            const int expected = enemyInReach ? ActionAttack : (c.Walks ? ActionMove : ActionNone);
            EXPECT_EQ(Game.PendingAction.Kind, expected) << c.HoldBack << " " << c.Creatures << " " << enemyInReach;
            const std::string log = ReadLog();
            EXPECT_EQ(log.find("H: ") != std::string::npos, !c.NoRoom && c.HasDreams);
            EXPECT_EQ(log.find("I: ") != std::string::npos, !enemyInReach && c.Walks);
        }
    }
}

// ---- the walk --------------------------------------------------------------

TEST(ShouldPieceMove, TheWalkTriesTheFiveDestinationsInOrder)
{
    // From (200, 300) toward (400, 100) the destinations lie diagonally, to the right, straight up,
    // steeply and shallowly up-right. Fire walls close them one by one; each wall misses the
    // circle's edge on the later lines.
    enum { Diagonal, Right, Up, Steep, Shallow };
    auto wall = [](int line, int slot) {
        switch (line) {
        case Right:
            Effect(slot, EffectWildFire, 0, 225, 300, 120, 0);
            return;
        case Up:
            Effect(slot, EffectWildFire, 0, 200, 155, 0, 120);
            return;
        default:
            for (int t = 24; t <= 132; t += 8) {
                const int run = line == Diagonal ? t : line == Steep ? t / 2 : t;
                const int rise = line == Diagonal ? t : line == Steep ? t : t / 2;
                Effect(slot++, EffectWildFire, 0, 200 + run, 300 - rise, 0, 0);
            }
        }
    };
    for (int open = Diagonal; open <= Shallow + 1; open++) {
        ResetBoard();
        PLAYER& dreamer = Dreamer(1, "Tessaly", 200, 300);
        dreamer.pTarget = &Dreamer(0, "Corvessa", 400, 100);
        for (int line = Diagonal; line < open; line++)
            wall(line, 20 * line);
        Game.ShouldPieceMove(&dreamer, ReachCircle, false);
        if (open > Shallow) {
            EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
            continue;
        }
        ASSERT_EQ(Game.PendingAction.Kind, ActionMove) << open;
        const int run = Game.PendingAction.X - 200;
        const int rise = 300 - Game.PendingAction.Y;
        EXPECT_TRUE(Game.IsInReach(&dreamer, Game.PendingAction.X, Game.PendingAction.Y, ReachCircle, 1.0f));
        EXPECT_GT(run + rise, 100) << open;  // the far edge of the circle, not beside the piece
        const bool onLine[] = {run == rise, rise == 0, run == 0, run * 2 - rise >= -1 && run * 2 - rise <= 1,
                               rise * 2 - run >= -1 && rise * 2 - run <= 1};
        for (int line = Diagonal; line <= Shallow; line++)
            EXPECT_EQ(onLine[line], line == open) << "open " << open << " line " << line << " at " << run << ", "
                                                  << rise;
    }
}

// ---- StepToward ------------------------------------------------------------

TEST(StepToward, TheWalkStartsAtTheDestinationAndRunsBackOnePixelAlongTheMajorAxis)
{
    // From (300, 200); the piece's own box, widened, spans 276..324 and counts as occupied.
    const struct {
        float X, Y;
        bool Moving;  // a moving piece does not occupy its own box
        bool Found;
        int OutX, OutY;
    } cases[] = {
        {350.7f, 230.9f, false, true, 350, 230},  // the destination itself, cut to whole pixels
        {600.0f, 250.0f, false, true, 425, 220},  // x major: y follows a sixth of a pixel per step
        {320.0f, 448.0f, false, true, 310, 327},  // y major: the bottom row of the circle ends at 310
        {100.0f, 0.0f, false, true, 210, 110},    // a diagonal: both axes step one pixel
        {325.0f, 200.0f, false, true, 325, 200},
        {324.0f, 200.0f, false, false, -1, -1},   // every point lies in the piece's own box
        {300.0f, 200.5f, false, false, -1, -1},
        {301.0f, 200.0f, true, true, 301, 200},
        {300.9f, 200.0f, true, false, -1, -1},    // less than a pixel along the major axis: no step at all
        {300.0f, 199.1f, true, false, -1, -1},
        {300.0f, 200.0f, true, false, -1, -1},
    };
    for (const auto& c : cases) {
        ResetBoard();
        PLAYER& dreamer = Dreamer(1, "Tessaly", 300, 200);
        dreamer.IsMoving = c.Moving;
        int x = -1, y = -1;
        EXPECT_EQ(Game.StepToward(&dreamer, c.X, c.Y, ReachCircle, 1.0f, &x, &y), c.Found) << c.X << ", " << c.Y;
        EXPECT_EQ(x, c.OutX) << c.X << ", " << c.Y;
        EXPECT_EQ(y, c.OutY) << c.X << ", " << c.Y;
    }
}

TEST(StepToward, BeyondAWallThePointNearestTheDestinationIsTaken)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Tessaly", 200, 200);
    for (int i = 0; i < 5; i++)
        Creature(i, 2, "Imp", 260, 160 + 20 * i);  // a wall from y 150 to 250
    Creature(5, 2, "Imp", 320, 200);               // standing on the destination
    int x = -1, y = -1;
    EXPECT_TRUE(Game.StepToward(&dreamer, 320.0f, 200.0f, ReachCircle, 1.0f, &x, &y));
    EXPECT_EQ(x, 295);
    EXPECT_EQ(y, 200);
    EXPECT_TRUE(Game.StepToward(&dreamer, 280.0f, 200.0f, ReachCircle, 1.0f, &x, &y));
    EXPECT_EQ(x, 235) << "the wall blocks everything from 236 on";
    Effect(0, EffectWildFire, 0, 217, 190, 16, 16);
    EXPECT_FALSE(Game.StepToward(&dreamer, 280.0f, 200.0f, ReachCircle, 1.0f, &x, &y))
        << "an enemy hazard covers the last free points";
}

// ---- IsOccupied ------------------------------------------------------------

TEST(IsOccupied, TheWidenedBoxMayTouchButNotCrossTheBoardEdges)
{
    ResetBoard();
    const struct {
        int X, Y;
        bool Occupied;
    } cases[] = {
        {4, 100, false}, {3, 100, true}, {604, 100, false}, {605, 100, true},
        {100, 6, false}, {100, 5, true}, {100, 442, false}, {100, 443, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Game.IsOccupied(c.X, c.Y, 4, 6), c.Occupied) << c.X << ", " << c.Y;
}

TEST(IsOccupied, LiveRestingPiecesOccupyTheirWidenedBoxAndEveryPieceLosesItsMarks)
{
    ResetBoard();
    Dreamer(2, "Sage", 100, 100);                  // box 90..110
    PLAYER& later = Dreamer(5, "Quorvin", 500, 100);
    PIECE& creature = Creature(9, 2, "Imp", 300, 300);
    later.HoverMark = creature.HoverMark = 1;
    creature.TargetMark = 1;
    EXPECT_TRUE(Game.IsOccupied(114, 100, 4, 4));
    EXPECT_FALSE(Game.IsOccupied(115, 100, 4, 4));
    EXPECT_TRUE(Game.IsOccupied(100, 86, 4, 4));
    EXPECT_FALSE(Game.IsOccupied(100, 85, 4, 4));
    EXPECT_EQ(later.HoverMark, 0) << "asked even after the first dreamer answered";
    EXPECT_EQ(creature.HoverMark, 0);
    EXPECT_EQ(creature.TargetMark, 0);
    Game.Players[2].IsMoving = 1;
    EXPECT_FALSE(Game.IsOccupied(100, 100, 4, 4));
    creature.IsDead = 1;
    EXPECT_FALSE(Game.IsOccupied(300, 300, 4, 4));
}
