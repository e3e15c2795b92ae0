// What the seeded games leave open in the computer's choices: the widened search, the side counts, a turn's phases
// and banner, when a dreamer walks, and a creature's friend.
#include <gtest/gtest.h>

#include "opponent/opponent.h"
#include "tests/support/board.h"
#include "tests/support/raw_files.h"
#include "world/reach.h"

TEST(TargetSearch, ATeamWithoutLivePiecesWidensTheSearchToEveryTeam)
{
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
