// How the computer picks its target and friend, counts the sides, and plays a dreamer's or a creature's turn.
#include <gtest/gtest.h>

#include "opponent/opponent.h"
#include "tests/support/board.h"
#include "tests/support/raw_files.h"
#include "world/reach.h"

TEST(TargetDistance, TiesKeepDreamersThenLowerIndices)
{
    StartEmptyBoard();
    PLAYER& searcher = PlaceDreamer(1, "Sage", 300, 200);
    PlaceCreature(3, 2, "Imp", 350, 200);
    PlaceCreature(7, 4, "Imp", 250, 200);
    EXPECT_EQ(FindTarget(Game, &searcher, -1, false, false), &Game.Creatures[3]);
    PlaceDreamer(5, "Rook", 320, 240);  // 40 down, 20 across: as near
    EXPECT_EQ(FindTarget(Game, &searcher, -1, false, false), &Game.Players[5]);
    PlaceDreamer(2, "Quill", 280, 160);
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
    PlaceCreature(0, 2, "Imp", 50, 50).Level = 9;       // another side's
    PlaceCreature(4, 1, "Owl", 50, 50).IsDead = 1;      // the first of its own side, dead or not: 1 + 20 + 2 + 1
    PlaceCreature(5, 1, "Owl", 50, 50).MaxHealth = 90;
    EXPECT_EQ(ScoreTarget(Game, &searcher, &rival), 935 + 24);
    EXPECT_EQ(ScoreTarget(Game, &searcher, &creature), 935);
    EXPECT_EQ(FindTarget(Game, &searcher, -1, false, true), &rival);
    Game.BoardWidth = Game.BoardHeight = 0;
    EXPECT_EQ(FindTarget(Game, &searcher, -1, false, true), nullptr) << "no score above 0";
}

TEST(TargetSearch, PiecesUnderTheirOwnSidesActiveCloudCoverAreNeverChosenAndALifelessTeamWidensTheSearch)
{
    StartEmptyBoard();
    PLAYER& searcher = PlaceDreamer(1, "Sage", 300, 200);
    PlaceCreature(0, 1, "Owl", 320, 200);
    PlaceCreature(1, 2, "Imp", 200, 200);
    PlaceDreamer(2, "Rook", 400, 400);
    PlaceEffect(0, EffectCloudCover, 1, 310, 190, 20, 20);
    PlaceEffect(1, EffectCloudCover, 2, 190, 190, 20, 20);
    EFFECT& cloud = PlaceEffect(2, EffectCloudCover, 2, 390, 390, 20, 20);
    for (bool friendly : {false, true})
        for (bool byScore : {false, true})
            EXPECT_EQ(SelectTarget(Game, &searcher, -1, friendly, byScore), nullptr) << friendly << byScore;
    Game.Effects.Slots[0].OwnerTeam = 2;
    EXPECT_EQ(SelectTarget(Game, &searcher, -1, true, false), &Game.Creatures[0]);
    cloud.IsActive = 0;
    EXPECT_EQ(SelectTarget(Game, &searcher, -1, false, true), &Game.Players[2]);

    StartEmptyBoard();
    PlaceDreamer(1, "Sage", 300, 200);
    PlaceCreature(0, 2, "Imp", 310, 200);
    PlaceDreamer(3, "Rook", 500, 400);
    PlaceCreature(1, 4, "Imp", 320, 200).IsDead = 1;
    EXPECT_EQ(SelectTarget(Game, &Game.Players[1], 3, false, false), &Game.Players[3]);
    EXPECT_EQ(SelectTarget(Game, &Game.Players[1], 4, false, false), &Game.Creatures[0]);
    EXPECT_EQ(SelectTarget(Game, &Game.Players[1], 1, false, false), nullptr) << "live, but all on the searcher's side";
}

TEST(SideCounts, LiveMeansUsedAndNotDeadHasCreaturesCountsTheDyingAndNothingMovingIgnoresDeadMovers)
{
    StartEmptyBoard();
    PlaceDreamer(0, "Ardent", 100, 100);
    PLAYER& sage = PlaceDreamer(1, "Sage", 200, 100);
    PlaceDreamer(2, "Rook", 300, 100).IsDead = 1;
    PIECE& owl = PlaceCreature(10, 1, "Owl", 100, 300);
    PlaceCreature(11, 1, "Owl", 150, 300).IsDead = 1;
    PlaceCreature(12, 1, "Owl", 200, 300).Kind = PieceFree;
    PlaceCreature(13, 2, "Imp", 250, 300).IsDead = 1;
    PlaceCreature(14, 3, "Imp", 300, 300).Kind = PieceFree;
    EXPECT_EQ(Game.CountLivePlayers(), 2);
    EXPECT_EQ(CountTeamCreatures(Game, 1), 1);
    EXPECT_EQ(CountTeamPieces(Game, 1), 2);
    EXPECT_TRUE(HasCreatures(Game, 2)) << "a dying creature still counts";
    EXPECT_FALSE(HasCreatures(Game, 3)) << "a freed slot does not";
    owl.IsMoving = sage.IsMoving = 1;
    owl.IsDead = 1;
    EXPECT_FALSE(Game.IsNothingMoving());
    sage.IsDead = 1;
    EXPECT_TRUE(Game.IsNothingMoving());
}

TEST(PlayerTurn, RefreshesTheNearestFriendAndTheBestScoredEnemyElseTheNearest)
{
    StartEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(1, "Sage", 200, 200);
    PlaceCreature(3, 1, "Owl", 260, 200);
    PlaceCreature(5, 1, "Owl", 230, 200);
    PlaceCreature(7, 2, "Imp", 400, 200);                  // nearest enemy: distance 200
    PlaceCreature(8, 2, "Imp", 370, 270).MaxHealth = 100;  // distance 205, but the best score
    dreamer.pTarget = &dreamer;
    EXPECT_TRUE(PlayerTurn(Game, 1, ReachCircle));
    EXPECT_EQ(dreamer.pFriend, &Game.Creatures[5]);
    EXPECT_EQ(dreamer.pTarget, &Game.Creatures[8]);
    Game.BoardWidth = -1000;  // every score at 0 or below: the nearest enemy instead
    PlayerTurn(Game, 1, ReachCircle);
    EXPECT_EQ(dreamer.pTarget, &Game.Creatures[7]);
    for (int slot : {3, 5, 7, 8})
        Game.Creatures[slot].IsDead = 1;
    PlayerTurn(Game, 1, ReachCircle);
    EXPECT_TRUE(dreamer.pTarget == nullptr && dreamer.pFriend == nullptr);
}

TEST(PlayerTurn, MovesThenCastsThenDreamsOnePhasePerCallAndRetriesAFailedDream)
{
    StartEmptyBoard();
    PlaceDreamer(2, "Rook", 500, 200);
    PLAYER& dreamer = PlaceDreamer(1, "Sage", 200, 200);
    ASSERT_TRUE(dreamer.AddDreamSlot(1));
    dreamer.Spells.AddSpell(CloudCoverRow);
    dreamer.DreamChoice = 2;  // no wish to dream, for now
    EXPECT_TRUE(PlayerTurn(Game, 1, ReachCircle));
    EXPECT_EQ(std::make_pair(dreamer.HasMoved + 0, dreamer.HasCast + 0), std::make_pair(1, 0));
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone) << "held back: it still has a dream";
    EXPECT_TRUE(PlayerTurn(Game, 1, ReachCircle));
    EXPECT_EQ(dreamer.HasCast, 1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionCast);
    for (int call = 0; call < 2; call++) {  // each failed try ends the dreamer's part and shows its turn
        Game.ClearMessage();
        Game.PendingAction.Kind = ActionNone;
        Game.MessageFramesLeft = 0;
        EXPECT_FALSE(PlayerTurn(Game, 1, ReachCircle));
        EXPECT_EQ(dreamer.HasDreamed, 0);
        EXPECT_EQ(BannerText(), "Sage|'s |turn.") << call;
    }
    Game.MessageFramesLeft = 0;
    dreamer.DreamChoice = 1;
    EXPECT_TRUE(PlayerTurn(Game, 1, ReachCircle));
    EXPECT_EQ(dreamer.HasDreamed, 1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionDream);
    Game.PendingAction.Kind = ActionNone;
    Game.MessageFramesLeft = 0;
    EXPECT_FALSE(PlayerTurn(Game, 1, ReachCircle));
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
    EXPECT_EQ(ReadRaw("_Errors.txt").rfind("ShouldPieceMove"), 0u) << "the move phase ran once";
}

TEST(PlayerTurn, WalksOnlyWithNoDreamsLeftAndNoCreatureSlotOfItsSide)
{
    enum { Nothing, ADream, ACreature, ADyingCreature, AnotherSidesCreature };
    for (int holding = Nothing; holding <= AnotherSidesCreature; holding++) {
        StartEmptyBoard();
        PlaceDreamer(2, "Rook", 400, 200);
        PLAYER& dreamer = PlaceDreamer(1, "Sage", 200, 200);
        if (holding == ADream)
            dreamer.AddDreamSlot(1);
        if (holding > ADream)
            PlaceCreature(9, holding == AnotherSidesCreature ? 2 : 1, "Owl", 100, 400).IsDead = holding == ADyingCreature;
        EXPECT_TRUE(PlayerTurn(Game, 1, ReachCircle));
        const bool walks = holding == Nothing || holding == AnotherSidesCreature;
        EXPECT_EQ(Game.PendingAction.Kind, walks ? ActionMove : ActionNone) << holding;
    }
}

TEST(CreatureTurn, TakesItsDreamersAimAndItsDreamerAsFriendInsteadOfItself)
{
    StartEmptyBoard();
    PlaceDreamer(2, "Rook", 500, 200);
    PLAYER& dreamer = PlaceDreamer(1, "Sage", 200, 200);
    PIECE& first = PlaceCreature(3, 1, "Owl", 200, 250);
    PIECE& second = PlaceCreature(4, 1, "Owl", 200, 300);
    dreamer.pTarget = &Game.Players[2];
    dreamer.pFriend = &second;
    EXPECT_TRUE(CreatureTurn(Game, 3, ReachCircle));
    EXPECT_TRUE(first.pTarget == &Game.Players[2] && first.pFriend == &second);
    EXPECT_TRUE(CreatureTurn(Game, 4, ReachCircle));
    EXPECT_TRUE(second.pTarget == &Game.Players[2] && second.pFriend == &dreamer);
}
