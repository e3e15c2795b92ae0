// How the computer picks its target: the distance, the score, and the pieces its own side's clouds hide.
#include <gtest/gtest.h>

#include "opponent/opponent.h"
#include "tests/support/board.h"

TEST(TargetDistance, LargerAxisPlusHalfTheSmallerAndTiesKeepTheFirstFound)
{
    // Creature 1 stands 30 across and 40 down from the searcher: distance 55. Creature 0 is found first.
    const struct { int DX, DY, Winner; } cases[] = {
        {55, 0, 0}, {56, 0, 1}, {-54, -2, 0}, {-54, -4, 1}, {0, 52, 0}, {0, -56, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.DX << ", " << c.DY);
        StartEmptyBoard();
        PLAYER& searcher = PlaceDreamer(1, "Sage", 300, 200);
        PlaceCreature(0, 2, "Imp", 300 + c.DX, 200 + c.DY);
        PlaceCreature(1, 2, "Imp", 330, 240);
        EXPECT_EQ(FindTarget(Game, &searcher, -1, false, false), &Game.Creatures[c.Winner]);
    }
    // Dreamers win ties against creatures, lower indices against higher.
    StartEmptyBoard();
    PLAYER& searcher = PlaceDreamer(1, "Sage", 300, 200);
    PlaceCreature(3, 2, "Imp", 350, 200);
    PlaceCreature(7, 4, "Imp", 250, 200);
    EXPECT_EQ(FindTarget(Game, &searcher, -1, false, false), &Game.Creatures[3]);
    PlaceDreamer(5, "Rook", 300, 250);
    EXPECT_EQ(FindTarget(Game, &searcher, -1, false, false), &Game.Players[5]);
    PlaceDreamer(2, "Quill", 300, 150);
    EXPECT_EQ(FindTarget(Game, &searcher, -1, false, false), &Game.Players[2]);
}

TEST(TargetScore, BoardSizeLessTheWalkPlusTheStatsAndForADreamerTheSearchersFirstCreature)
{
    StartEmptyBoard();
    PLAYER& searcher = PlaceDreamer(1, "Sage", 200, 200);
    PIECE& creature = PlaceCreature(9, 2, "Imp", 300, 250);
    PLAYER& rival = PlaceDreamer(2, "Rook", 300, 250);
    creature.SetStats(1, 20, 5, 3, 0, 1.0f);
    rival.SetStats(1, 20, 5, 3, 0, 1.0f);
    EXPECT_EQ(ScoreTarget(Game, &searcher, &creature), 935);
    EXPECT_EQ(ScoreTarget(Game, &searcher, &rival), 935);
    PlaceCreature(0, 2, "Imp", 50, 50).Level = 9;       // another side's
    PlaceCreature(4, 1, "Owl", 50, 50).IsDead = 1;      // the first of its own side, dead or not: 1 + 20 + 2 + 1
    PlaceCreature(5, 1, "Owl", 50, 50).MaxHealth = 90;
    EXPECT_EQ(ScoreTarget(Game, &searcher, &rival), 935 + 24);
    EXPECT_EQ(ScoreTarget(Game, &searcher, &creature), 935);
    EXPECT_EQ(FindTarget(Game, &searcher, -1, false, true), &rival);
    Game.BoardWidth = Game.BoardHeight = 0;
    EXPECT_EQ(FindTarget(Game, &searcher, -1, false, true), nullptr) << "no score above 0";
}

TEST(TargetSearch, PiecesUnderTheirOwnSidesCloudCoverAreNeverChosen)
{
    StartEmptyBoard();
    PLAYER& searcher = PlaceDreamer(1, "Sage", 300, 200);
    PlaceCreature(0, 1, "Owl", 320, 200);  // friend
    PlaceCreature(1, 2, "Imp", 200, 200);  // enemy
    PlaceDreamer(2, "Rook", 400, 400);
    PlaceEffect(0, EffectCloudCover, 1, 310, 190, 20, 20);
    PlaceEffect(1, EffectCloudCover, 2, 190, 190, 20, 20);
    EFFECT& cloud = PlaceEffect(2, EffectCloudCover, 2, 390, 390, 20, 20);
    for (bool friendly : {false, true})
        for (bool byScore : {false, true})
            EXPECT_EQ(SelectTarget(Game, &searcher, -1, friendly, byScore), nullptr) << friendly << byScore;
    // Another side's cover hides nothing, and a cloud counts only while its slot is active.
    Game.Effects.Slots[0].OwnerTeam = 2;
    EXPECT_EQ(SelectTarget(Game, &searcher, -1, true, false), &Game.Creatures[0]);
    cloud.IsActive = 0;
    EXPECT_EQ(SelectTarget(Game, &searcher, -1, false, true), &Game.Players[2]);
}

TEST(TargetSearch, ATeamWithoutLivePiecesWidensTheSearchToEveryTeam)
{
    StartEmptyBoard();
    PLAYER& searcher = PlaceDreamer(1, "Sage", 300, 200);
    PlaceCreature(0, 2, "Imp", 310, 200);
    PlaceDreamer(3, "Rook", 500, 400);
    PlaceCreature(1, 4, "Imp", 320, 200).IsDead = 1;
    EXPECT_EQ(SelectTarget(Game, &searcher, 3, false, false), &Game.Players[3]);
    EXPECT_EQ(SelectTarget(Game, &searcher, 4, false, false), &Game.Creatures[0]);
    EXPECT_EQ(SelectTarget(Game, &searcher, 1, false, false), nullptr) << "live, but all on the searcher's side";
}

TEST(SideCounts, LiveMeansUsedAndNotDeadButHasCreaturesCountsTheDying)
{
    StartEmptyBoard();
    PlaceDreamer(0, "Ardent", 100, 100);
    PlaceDreamer(1, "Sage", 200, 100);
    PlaceDreamer(2, "Rook", 300, 100).IsDead = 1;
    PlaceCreature(10, 1, "Owl", 100, 300);
    PlaceCreature(11, 1, "Owl", 150, 300).IsDead = 1;
    PlaceCreature(12, 1, "Owl", 200, 300).Kind = PieceFree;
    PlaceCreature(13, 2, "Imp", 250, 300).IsDead = 1;
    PlaceCreature(14, 3, "Imp", 300, 300).Kind = PieceFree;
    EXPECT_EQ(Game.CountLivePlayers(), 2);
    EXPECT_EQ(CountTeamCreatures(Game, 1), 1);
    EXPECT_EQ(CountTeamPieces(Game, 1), 2);
    EXPECT_TRUE(HasCreatures(Game, 2)) << "a dying creature still counts";
    EXPECT_FALSE(HasCreatures(Game, 3)) << "a freed slot does not";
}

TEST(SideCounts, NothingMovingIgnoresDeadMovers)
{
    StartEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(1, "Sage", 200, 100);
    PIECE& creature = PlaceCreature(20, 1, "Owl", 100, 300);
    creature.IsMoving = dreamer.IsMoving = 1;
    creature.IsDead = 1;
    EXPECT_FALSE(Game.IsNothingMoving());
    dreamer.IsDead = 1;
    EXPECT_TRUE(Game.IsNothingMoving());
}
