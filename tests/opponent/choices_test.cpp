// What the seeded games leave open in the computer's choices: fleeing a hazard, each step of a walk, the widened
// search, the side counts, a turn's phases and banner, when a dreamer walks, a creature's friend, Cloud Cover first,
// a heal only on a weak friend, a spell handed to a friend, the board's margins around a dream spot and a spot in
// enemy fire.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

#include "opponent/opponent.h"
#include "tests/support/board.h"
#include "world/random.h"
#include "world/reach.h"

namespace {

SPELL Spell(const char* name, SPELLCATEGORY category, int chance)
{
    SPELL spell;
    spell.Set(1, name, category, 1, 1, 0, chance, 5, 1, 0.0f, 0xffffff, 255, 1, 0, true);
    return spell;
}

const SPELL Bolt = Spell("Bolt", SpellCategoryHostile, 30);
const SPELL Salve = Spell("Salve", SpellCategoryFriendly, 50);

SPELLHAND& Hand(SPELLHAND& hand, std::initializer_list<SPELL> spells)
{
    for (const SPELL& spell : spells)
        hand.AddSpellCopy(spell);
    return hand;
}

void ExpectPosted(const GAME& game, int kind, const PIECEBASE* actor, const PIECEBASE* target, int slot)
{
    EXPECT_EQ(game.PendingAction.Kind, kind);
    EXPECT_TRUE(game.PendingAction.pActor == actor && game.PendingAction.pTarget == target);
    EXPECT_EQ(game.PendingAction.SpellSlot, slot);
}

}  // namespace

TEST(ShouldPieceMove, APieceInAnEnemyHazardFleesUpRightDownLeftAndNeverAttacks)
{
    // Each bound 30 from the centre closes that direction to a 20 x 20 piece.
    const struct { int Top, Right, Bottom, X, Y; } cases[] = {
        {0, 608, 448, 300, 72}, {170, 608, 448, 427, 200}, {170, 330, 448, 300, 327}, {170, 330, 230, 172, 200}};
    for (const auto& c : cases) {
        const auto game = NewEmptyBoard();
        PLAYER& dreamer = PlaceDreamer(*game, 1, "Tessaly", 300, 200);
        dreamer.pTarget = &PlaceDreamer(*game, 0, "Corvessa", 330, 200);  // in reach
        game->SetBoardBounds(0, c.Top, c.Right, c.Bottom);
        PlaceEffect(*game, 0, EffectWildFire, 0, 292, 192, 16, 16);
        ShouldPieceMove(*game, &dreamer, ReachCircle, false);
        EXPECT_EQ(game->PendingAction.Kind, ActionMove);
        EXPECT_EQ(std::make_pair(game->PendingAction.X, game->PendingAction.Y), std::make_pair(c.X, c.Y));
        EXPECT_EQ(game->PendingAction.pActor, &dreamer);
    }
}

TEST(StepToward, TheWalkStartsAtTheDestinationAndRunsBackOnePixelAlongTheMajorAxis)
{
    // From (300, 200); the piece's own box, widened, spans 276..324 and counts as occupied unless it moves.
    const struct { float X, Y; bool Moving, Found; int OutX, OutY; } cases[] = {
        {350.7f, 230.9f, false, true, 350, 230},  // the destination itself, cut to whole pixels
        {600.0f, 250.0f, false, true, 425, 220},  // x major: y follows a sixth of a pixel per step
        {320.0f, 448.0f, false, true, 310, 327},  // y major: the bottom row of the circle ends at 310
        {100.0f, 0.0f, false, true, 210, 110},    // a diagonal: both axes step one pixel
        {324.0f, 200.0f, false, false, -1, -1},   // every point lies in the piece's own box
        {301.0f, 200.0f, true, true, 301, 200},
        {300.9f, 200.0f, true, false, -1, -1},    // less than a pixel along the major axis: no step at all
    };
    for (const auto& c : cases) {
        const auto game = NewEmptyBoard();
        PLAYER& dreamer = PlaceDreamer(*game, 1, "Tessaly", 300, 200);
        dreamer.IsMoving = c.Moving;
        int x = -1, y = -1;
        EXPECT_EQ(StepToward(*game, &dreamer, c.X, c.Y, ReachCircle, 1.0f, &x, &y), c.Found) << c.X << ", " << c.Y;
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.OutX, c.OutY)) << c.X << ", " << c.Y;
    }
    const auto game = NewEmptyBoard();  // the widened box may touch but not cross the board's edges
    const int edges[][4] = {{4, 100, 3, 100}, {604, 100, 605, 100}, {100, 6, 100, 5}, {100, 442, 100, 443}};
    for (const auto& e : edges) {
        EXPECT_FALSE(IsOccupied(*game, e[0], e[1], 4, 6)) << e[0] << ", " << e[1];
        EXPECT_TRUE(IsOccupied(*game, e[2], e[3], 4, 6)) << e[2] << ", " << e[3];
    }
}

TEST(TargetSearch, ATeamWithoutLivePiecesWidensTheSearchToEveryTeam)
{
    const auto game = NewEmptyBoard();
    PLAYER& sage = PlaceDreamer(*game, 1, "Sage", 300, 200);
    PlaceCreature(*game, 0, 2, "Imp", 310, 200);
    PlaceDreamer(*game, 3, "Rook", 500, 400);
    PlaceCreature(*game, 1, 4, "Imp", 320, 200).IsDead = 1;
    EXPECT_EQ(SelectTarget(*game, &sage, 3, false, false), &game->Players[3]);
    EXPECT_EQ(SelectTarget(*game, &sage, 4, false, false), &game->Creatures[0]);
    EXPECT_EQ(SelectTarget(*game, &sage, 1, false, false), nullptr) << "live, but all on the searcher's side";
}

TEST(SideCounts, LiveMeansUsedAndNotDeadHasCreaturesCountsTheDyingAndNothingMovingIgnoresDeadMovers)
{
    const auto game = NewEmptyBoard();
    PlaceDreamer(*game, 0, "Ardent", 100, 100);
    PLAYER& sage = PlaceDreamer(*game, 1, "Sage", 200, 100);
    PlaceDreamer(*game, 2, "Rook", 300, 100).IsDead = 1;
    PIECE& owl = PlaceCreature(*game, 10, 1, "Owl", 100, 300);
    PlaceCreature(*game, 11, 1, "Owl", 150, 300).IsDead = 1;
    PlaceCreature(*game, 12, 1, "Owl", 200, 300).Kind = PieceFree;
    PlaceCreature(*game, 13, 2, "Imp", 250, 300).IsDead = 1;
    PlaceCreature(*game, 14, 3, "Imp", 300, 300).Kind = PieceFree;
    EXPECT_EQ(game->CountLivePlayers(), 2);
    EXPECT_EQ(CountTeamCreatures(*game, 1), 1);
    EXPECT_EQ(CountTeamPieces(*game, 1), 2);
    EXPECT_TRUE(HasCreatures(*game, 2)) << "a dying creature still counts";
    EXPECT_FALSE(HasCreatures(*game, 3)) << "a freed slot does not";
    owl.IsMoving = sage.IsMoving = 1;
    owl.IsDead = 1;
    EXPECT_FALSE(game->IsNothingMoving());
    sage.IsDead = 1;
    EXPECT_TRUE(game->IsNothingMoving());
}

TEST(PlayerTurn, AFailedDreamEndsTheDreamersPartAndShowsItsTurnOnAClearedBanner)
{
    const auto game = NewEmptyBoard();
    PlaceDreamer(*game, 2, "Rook", 500, 200);
    PLAYER& dreamer = PlaceDreamer(*game, 1, "Sage", 200, 200);
    dreamer.AddDreamSlot(1);
    dreamer.HasMoved = dreamer.HasCast = 1;
    dreamer.DreamChoice = 2;  // no wish to dream
    for (int call = 0; call < 2; call++) {
        game->ClearMessage();
        game->MessageFramesLeft = 0;
        EXPECT_FALSE(PlayerTurn(*game, 1, ReachCircle));
        EXPECT_EQ(dreamer.HasDreamed, 0);
        EXPECT_EQ(BannerText(*game), "Sage|'s |turn.") << call;
    }
}

TEST(PlayerTurn, WalksOnlyWithNoDreamsLeftAndNoCreatureSlotOfItsSide)
{
    enum { Nothing, ADream, ACreature, ADyingCreature, AnotherSidesCreature };
    for (int holding = Nothing; holding <= AnotherSidesCreature; holding++) {
        const auto game = NewEmptyBoard();
        PlaceDreamer(*game, 2, "Rook", 400, 200);
        PLAYER& dreamer = PlaceDreamer(*game, 1, "Sage", 200, 200);
        if (holding == ADream)
            dreamer.AddDreamSlot(1);
        if (holding > ADream)
            PlaceCreature(*game, 9, holding == AnotherSidesCreature ? 2 : 1, "Owl", 100, 400).IsDead =
                holding == ADyingCreature;
        EXPECT_TRUE(PlayerTurn(*game, 1, ReachCircle));
        const bool walks = holding == Nothing || holding == AnotherSidesCreature;
        EXPECT_EQ(game->PendingAction.Kind, walks ? ActionMove : ActionNone) << holding;
    }
}

TEST(CreatureTurn, TakesItsDreamersAimAndItsDreamerAsFriendInsteadOfItself)
{
    const auto game = NewEmptyBoard();
    PlaceDreamer(*game, 2, "Rook", 500, 200);
    PLAYER& dreamer = PlaceDreamer(*game, 1, "Sage", 200, 200);
    PIECE& first = PlaceCreature(*game, 3, 1, "Owl", 200, 250);
    PIECE& second = PlaceCreature(*game, 4, 1, "Owl", 200, 300);
    dreamer.pTarget = &game->Players[2];
    dreamer.pFriend = &second;
    EXPECT_TRUE(CreatureTurn(*game, 3, ReachCircle));
    EXPECT_TRUE(first.pTarget == &game->Players[2] && first.pFriend == &second);
    EXPECT_TRUE(CreatureTurn(*game, 4, ReachCircle));
    EXPECT_TRUE(second.pTarget == &game->Players[2] && second.pFriend == &dreamer);
}

TEST(ConsiderSpell, CloudCoverGoesOnTheCasterFirstAndAHealOnlyOnAWeakFriend)
{
    const auto game = NewEmptyBoard();
    PLAYER& dreamer = PlaceDreamer(*game, 1, "Tessaly", 200, 200);
    dreamer.Spells.AddSpell(CloudCoverSpellId);
    Hand(dreamer.Spells, {Bolt, Salve});
    dreamer.SpellChoice = 7;  // chooses no other spell
    dreamer.FriendCastEagerness = 2;
    dreamer.TransferEagerness = 3;
    dreamer.pTarget = &PlaceDreamer(*game, 0, "Corvessa", 250, 200);  // in reach
    PIECE& owl = PlaceCreature(*game, 0, 1, "Owl", 180, 230);
    Hand(owl.Spells, {Bolt, Bolt, Bolt});  // too full to be handed a spell
    dreamer.pFriend = &owl;
    owl.Health = 9;
    ScriptRand({9});
    ConsiderSpell(*game, &dreamer, ReachCircle);
    ExpectPosted(*game, ActionCast, &dreamer, &dreamer, 0);
    EXPECT_EQ(BannerText(*game), "Tessaly| casts |Cloud Cover");
    dreamer.Spells.RemoveSpell(0);
    dreamer.SpellChoice = 1;  // the best
    ConsiderSpell(*game, &dreamer, ReachCircle);
    ExpectPosted(*game, ActionCast, &dreamer, &owl, 1);
    EXPECT_EQ(ScriptedRandLeft(), 1) << "a weak friend needs no roll";
    owl.Health = 10;  // not weak: the roll wants the heal, which is then neither cast nor handed over
    game->PendingAction.Kind = ActionNone;
    ConsiderSpell(*game, &dreamer, ReachCircle);
    EXPECT_EQ(game->PendingAction.Kind, ActionNone);
    EXPECT_EQ(ScriptedRandLeft(), 0);
}

// Only a dreamer hands a spell it cannot cast to a friend, one holding fewer than three and in its reach, and only
// when Rand() % 10 reaches its eagerness's threshold: 60, 70 and 80 % for 1, 2 and 3; other values never roll.
TEST(ConsiderSpell, ADreamerTransfersASpellItCannotCastToAFriendInReachWithRoomWhenItsEagernessRollSucceeds)
{
    constexpr int None = ActionNone, Transfer = ActionTransfer, Cast = ActionCast;
    const struct { const char* What; bool Dreamer; int FriendSpells, FriendDX, TargetX, Eagerness, Draw; bool Draws;
                   int Kind; } cases[] = {
        {"60 %", true, 2, 100, 550, 1, 14, true, Transfer}, {"60 %, missed", true, 2, 100, 550, 1, 13, true, None},
        {"70 %", true, 2, 100, 550, 2, 23, true, Transfer}, {"70 %, missed", true, 2, 100, 550, 2, 22, true, None},
        {"80 %", true, 2, 100, 550, 3, 12, true, Transfer}, {"80 %, missed", true, 2, 100, 550, 3, 11, true, None},
        {"no eagerness", true, 2, 100, 550, 0, 9, false, None}, {"a creature", false, 0, 100, 550, 3, 9, false, None},
        {"past the table", true, 2, 100, 550, 4, 9, false, None},
        {"a friend holding three", true, 3, 100, 550, 3, 9, false, None},
        {"a friend out of reach", true, 0, 128, 550, 3, 9, true, None},
        {"a friend at the reach's edge", true, 0, 127, 550, 3, 9, true, Transfer},
        {"a target in reach: cast", true, 0, 100, 250, 3, 9, false, Cast}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        const auto game = NewEmptyBoard();
        PIECEBASE& caster = c.Dreamer ? static_cast<PIECEBASE&>(PlaceDreamer(*game, 1, "Tessaly", 200, 200))
                                      : PlaceCreature(*game, 3, 1, "Tessaly", 200, 200);
        caster.SpellChoice = 1;
        caster.FriendCastEagerness = 9;  // no roll for a heal
        caster.TransferEagerness = c.Eagerness;
        Hand(caster.Spells, {Salve, Bolt});  // the heal is not wanted: the friend is not weak
        caster.pTarget = &PlaceDreamer(*game, 0, "Corvessa", c.TargetX, 200);
        caster.pFriend = &PlaceCreature(*game, 4, 1, "Elk", 200 + c.FriendDX, 200);
        for (int i = 0; i < c.FriendSpells; i++)
            caster.pFriend->Spells.AddSpellCopy(Bolt);
        ScriptRand({c.Draw});
        ConsiderSpell(*game, &caster, ReachCircle);
        EXPECT_EQ(ScriptedRandLeft(), c.Draws ? 0 : 1);
        const bool posted = c.Kind != None;
        ExpectPosted(*game, c.Kind, posted ? &caster : nullptr,
                     posted ? (c.Kind == Cast ? caster.pTarget : caster.pFriend) : nullptr, posted ? 1 : 0);
        EXPECT_EQ(BannerText(*game),
                  !posted ? "||" : c.Kind == Cast ? "Tessaly| casts |Bolt" : "Tessaly| transfers |Bolt");
    }
}

TEST(FindDreamSpot, TheCreaturesBoxAndMarginsMustFitTheBoardAndItsCentreBeFree)
{
    int x = -1, y = -1;
    const auto game = NewEmptyBoard();
    PlaceCreature(*game, 0, 2, "Imp", 300, 300);  // box 290..310, widened by 4 for the centre
    const struct { int X, Y; bool Fits; } spots[] = {
        {20, 100, true}, {19, 100, false}, {588, 100, true}, {589, 100, false}, {100, 22, true},
        {100, 21, false}, {100, 426, true}, {100, 427, false}, {314, 300, false}, {315, 300, true}};
    for (const auto& s : spots) {
        x = -1;
        EXPECT_EQ(TestDreamSpot(*game, s.X, s.Y, 32, 33, &x, &y, 4, 6), s.Fits) << s.X << ", " << s.Y;
        EXPECT_EQ(x, s.Fits ? s.X : -1);
    }
}

TEST(ConsiderDreaming, PostsTheBestDreamAtTheFirstFreeSpotAndMarksNoRoomOnlyWhenHemmedIn)
{
    enum { NoDreams, NoWish, HopelessDreams, SpotInEnemyFire, HemmedIn, Posts };
    const auto game = std::make_unique<GAME>();
    for (int variant = NoDreams; variant <= Posts; variant++) {
        // A 64 x 64 dreamer at (200, 200) without a target tries the spot above right first: (296, 176).
        StartEmptyBoard(*game);
        PLAYER& dreamer = PlaceDreamer(*game, 1, "Tessaly", 232, 232, 64);
        dreamer.DreamSlots[0].Set(11, "Owl", variant == HopelessDreams ? 0 : 40);
        dreamer.DreamSlots[1].Set(17, "Frog", variant == HopelessDreams ? 0 : 60);  // 48 x 32
        dreamer.DreamSlotCount = variant == NoDreams ? 0 : 2;
        dreamer.DreamChoice = variant == NoWish ? 2 : 1;
        dreamer.NoRoomToDream = variant != HemmedIn;
        PlaceEffect(*game, 0, EffectWildFire, variant == SpotInEnemyFire ? 0 : 1, 290, 170, 16, 16);  // own: harmless
        if (variant == HemmedIn)
            game->SetBoardBounds(190, 190, 274, 274);
        EXPECT_EQ(ConsiderDreaming(*game, 1), variant == Posts) << variant;
        EXPECT_EQ(dreamer.NoRoomToDream, variant == HemmedIn) << variant;
        EXPECT_EQ(game->PendingAction.Kind, variant == Posts ? ActionDream : ActionNone) << variant;
    }
    EXPECT_EQ(game->PendingAction.pActor, &game->Players[1]);  // the last variant
    EXPECT_EQ(game->PendingAction.DreamSlot, 1);
    EXPECT_EQ(std::make_pair(game->PendingAction.X, game->PendingAction.Y), std::make_pair(296, 176));
    EXPECT_EQ(BannerText(*game), "Tessaly| dreamed a |Frog");
}
