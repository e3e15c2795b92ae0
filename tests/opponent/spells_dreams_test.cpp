#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "world/effects.h"
#include "world/game.h"
#include "world/random.h"
#include "world/reach.h"

namespace {

void ResetBoard()
{
    Game.Reset();
    Game.BoardWidth = 608;
    Game.BoardHeight = 448;
    Game.SetBoardBounds(0, 0, 608, 448);
    Game.PendingAction = PENDINGACTION();
}

// A resting piece of the given size centred on (cx, cy).
PIECEBASE& Place(PIECEBASE& piece, int index, int team, int kind, const char* name, int cx, int cy, int size = 20)
{
    piece.Init(index, team, name, kind, 0, 1, 10, 0xffffff, 255);
    piece.Sprite.BuildFrames(1, 1, size, size, 1);
    piece.SetStats(1, 20, 2, 1, 0, 1.0f);
    piece.SetPosition(static_cast<float>(cx - size / 2), static_cast<float>(cy - size / 2), size, size);
    return piece;
}

PLAYER& Dreamer(int index, const char* name, int cx, int cy, int size = 20)
{
    Place(Game.Players[index], index, index, index == 0 ? PieceHumanDreamer : PieceComputerDreamer, name, cx, cy,
          size);
    return Game.Players[index];
}

PIECE& Creature(int slot, int team, const char* name, int cx, int cy, int size = 20)
{
    PIECE& creature = Game.Creatures[slot];
    Place(creature, slot, team, PieceCreature, name, cx, cy, size);
    creature.pOwner = &Game.Players[team];
    return creature;
}

SPELL Spell(const char* name, int category, int chance, int range = 5, int effectKind = 1)
{
    SPELL spell;
    spell.Set(1, name, category, 1, 1, 0, chance, range, effectKind, 0.0f, 0xffffff, 255, 1, 0, true);
    return spell;
}

const SPELL Bolt = Spell("Bolt", SpellCategoryHostile, 30);
const SPELL Salve = Spell("Salve", SpellCategoryFriendly, 50);
const SPELL Frost = Spell("Frost", SpellCategoryHostile, 70);

void Hand(PIECEBASE& piece, std::initializer_list<SPELL> spells)
{
    piece.Spells.Clear();
    piece.Spells.SetSpellTable(&Game.SpellTable);
    for (const SPELL& spell : spells)
        piece.Spells.AddSpellCopy(spell);
}

void ExpectBanner(const char* first, const char* second, const char* third)
{
    EXPECT_STREQ(Game.MessageText[0], first);
    EXPECT_STREQ(Game.MessageText[1], second);
    EXPECT_STREQ(Game.MessageText[2], third);
}

}  // namespace

// ---- the hand's pickers ----------------------------------------------------

TEST(SpellPickers, TheRandomPickKeepsAMatchingDrawElseTakesTheFirstOfTheCategory)
{
    SPELLHAND mixed;
    for (const SPELL& spell : {Bolt, Salve, Frost})
        mixed.AddSpellCopy(spell);
    SPELLHAND hostile;
    for (const SPELL& spell : {Bolt, Frost})
        hostile.AddSpellCopy(spell);
    SPELLHAND friendly;
    friendly.AddSpellCopy(Salve);
    const struct {
        const SPELLHAND* Hand;
        int Category, Draw, Row;
    } cases[] = {
        {&mixed, 1, 2, 2}, {&mixed, 1, 5, 2}, {&mixed, 1, 1, 0}, {&mixed, 2, 1, 1}, {&mixed, 2, 3, 1},
        {&hostile, 2, 1, 0},  // no heal in hand: the first hostile row
        {&friendly, 1, 0, -1},
    };
    for (const auto& c : cases) {
        ScriptRand({c.Draw});
        EXPECT_EQ(c.Hand->ChooseRandomSpell(c.Category), c.Row) << c.Category << " " << c.Draw;
        EXPECT_EQ(ScriptedRandLeft(), 0);
    }
    ScriptRand({1});
    EXPECT_EQ(SPELLHAND().ChooseRandomSpell(1), -1);
    EXPECT_EQ(ScriptedRandLeft(), 1) << "an empty hand draws nothing";
}

TEST(SpellPickers, TheBestPickTakesTheHighestChanceWithAnEffectAndHealsFallBackToTheFirstHostileRow)
{
    SPELLHAND hand;
    for (const SPELL& spell : {Bolt, Spell("Spark", 1, 90, 5, 0), Salve, Spell("Storm", 1, 60), Spell("Hail", 1, 60),
                               Spell("Mend", 2, 0)})
        hand.AddSpellCopy(spell);
    EXPECT_EQ(hand.ChooseBestSpell(SpellCategoryHostile), 3) << "no effect: never best; ties keep the first";
    EXPECT_EQ(hand.ChooseBestSpell(SpellCategoryFriendly), 2);
    EXPECT_EQ(hand.FindSpellOfCategory(SpellCategoryFriendly), 2);
    EXPECT_EQ(hand.FindCloudCover(), -1);
    EXPECT_EQ(hand.GetNumberOfSpells(), 6);

    SPELLHAND hopeless;
    hopeless.AddSpellCopy(Spell("Dud", 1, 0));
    hopeless.AddSpellCopy(Spell("Mend", 2, 0));
    EXPECT_EQ(hopeless.ChooseBestSpell(SpellCategoryHostile), -1);
    EXPECT_EQ(hopeless.ChooseBestSpell(SpellCategoryFriendly), 0);
    EXPECT_EQ(hopeless.FindSpellOfCategory(3), -1);
}

TEST(SpellPickers, APieceIsWeakBelowHalfItsMaximumHealthRoundedDown)
{
    const struct {
        int MaxHealth, Health;
        bool Weak;
    } cases[] = {{21, 9, true}, {21, 10, false}, {20, 9, true}, {20, 10, false}, {1, 0, false}};
    for (const auto& c : cases) {
        PIECE piece;
        piece.MaxHealth = c.MaxHealth;
        piece.Health = c.Health;
        EXPECT_EQ(piece.IsWeak(), c.Weak) << c.MaxHealth << " " << c.Health;
    }
}

// ---- ChooseSpell -----------------------------------------------------------

TEST(ChooseSpell, CloudCoverComesFirstWhateverElseHolds)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Tessaly", 200, 200);
    Hand(dreamer, {Bolt, Salve});
    dreamer.Spells.AddSpell(CloudCoverRow);
    dreamer.SpellChoice = 7;
    ScriptRand({9});
    EXPECT_EQ(Game.ChooseSpell(&dreamer, true, true), 2);
    EXPECT_EQ(dreamer.Spells.FindCloudCover(), 2);
    EXPECT_EQ(ScriptedRandLeft(), 1);
}

TEST(ChooseSpell, AFriendWhoIsNotWeakGetsAHealOnlyWhenTheEagernessRollSucceedsAndSpellChoicePicks)
{
    const struct {
        int Eagerness, Draw, Row;
        bool Draws;
    } cases[] = {
        {0, 16, 0, true}, {0, 27, 1, true}, {1, 15, 0, true}, {1, 36, 1, true},
        {2, 13, 0, true}, {2, 44, 1, true}, {3, 9, 0, false}, {-1, 9, 0, false},
    };
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Tessaly", 200, 200);
    Hand(dreamer, {Bolt, Salve});
    dreamer.SpellChoice = 1;
    for (const auto& c : cases) {
        dreamer.FriendCastEagerness = c.Eagerness;
        ScriptRand({c.Draw});
        EXPECT_EQ(Game.ChooseSpell(&dreamer, true, false), c.Row) << c.Eagerness << " " << c.Draw;
        EXPECT_EQ(ScriptedRandLeft(), c.Draws ? 0 : 1) << c.Eagerness;
        ClearRandScript();
    }
    dreamer.FriendCastEagerness = 2;
    ScriptRand({9});
    EXPECT_EQ(Game.ChooseSpell(&dreamer, true, true), 1) << "a weak friend always gets the heal";
    EXPECT_EQ(Game.ChooseSpell(&dreamer, false, false), 0);
    EXPECT_EQ(ScriptedRandLeft(), 1);

    // SpellChoice 0 picks at random, 1 the best, anything else nothing.
    Hand(dreamer, {Bolt, Salve, Frost});
    const int rows[] = {0, 2, -1};
    for (int choice = 0; choice < 3; choice++) {
        dreamer.SpellChoice = choice;
        ClearRandScript();
        ScriptRand({3});
        EXPECT_EQ(Game.ChooseSpell(&dreamer, false, false), rows[choice]) << choice;
    }
}

// ---- ConsiderSpell ---------------------------------------------------------

TEST(ConsiderSpell, CloudCoverIsCastOnTheCasterItselfEvenWithAnEnemyInReachAndAWeakFriend)
{
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Tessaly", 200, 200);
    Hand(dreamer, {Bolt, Salve});
    dreamer.Spells.AddSpell(CloudCoverRow);
    dreamer.pTarget = &Dreamer(0, "Corvessa", 250, 200);
    PIECE& owl = Creature(0, 1, "Owl", 180, 230);
    owl.Health = 1;
    dreamer.pFriend = &owl;
    Game.ConsiderSpell(&dreamer, ReachCircle);
    EXPECT_EQ(Game.PendingAction.Kind, ActionCast);
    EXPECT_EQ(Game.PendingAction.pActor, &dreamer);
    EXPECT_EQ(Game.PendingAction.pTarget, &dreamer);
    EXPECT_EQ(Game.PendingAction.SpellSlot, 2);
    ExpectBanner("Tessaly", " casts ", "Cloud Cover");
}

TEST(ConsiderSpell, AHostileSpellReachesByItsRangeScaleAloneNotThePiecesReach)
{
    // Range 2 reaches 0.6 of the circle: 76 pixels to the side.
    const struct {
        int DX, Kind;
    } cases[] = {{70, ActionCast}, {76, ActionCast}, {77, ActionNone}, {120, ActionNone}};
    for (const auto& c : cases) {
        ResetBoard();
        PLAYER& dreamer = Dreamer(1, "Tessaly", 200, 200);
        dreamer.Reach = 2.0f;
        dreamer.SpellChoice = 1;
        Hand(dreamer, {Spell("Bolt", 1, 30, 2)});
        dreamer.pTarget = &Dreamer(0, "Corvessa", 200 + c.DX, 200);
        Game.ConsiderSpell(&dreamer, ReachCircle);
        EXPECT_EQ(Game.PendingAction.Kind, c.Kind) << c.DX;
    }
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Tessaly", 200, 200);
    dreamer.SpellChoice = 1;
    Hand(dreamer, {Bolt});
    dreamer.pTarget = &Dreamer(0, "Corvessa", 260, 220);
    Game.ConsiderSpell(&dreamer, ReachCircle);
    EXPECT_EQ(Game.PendingAction.pActor, &dreamer);
    EXPECT_EQ(Game.PendingAction.pTarget, &Game.Players[0]);
    EXPECT_EQ(Game.PendingAction.SpellSlot, 0);
    ExpectBanner("Tessaly", " casts ", "Bolt");
}

TEST(ConsiderSpell, AHealIsCastOnlyOnAWeakFriend)
{
    for (bool weak : {true, false}) {
        ResetBoard();
        PLAYER& dreamer = Dreamer(1, "Tessaly", 200, 200);
        dreamer.SpellChoice = 1;
        dreamer.FriendCastEagerness = 2;
        dreamer.TransferEagerness = 3;
        Hand(dreamer, {Bolt, Salve});
        PIECE& owl = Creature(0, 1, "Owl", 230, 200);
        Hand(owl, {Bolt, Bolt, Bolt});  // too full to be handed a spell
        owl.Health = weak ? 9 : 10;
        dreamer.pFriend = &owl;
        ClearRandScript();
        ScriptRand({9});
        Game.ConsiderSpell(&dreamer, ReachCircle);
        EXPECT_EQ(Game.PendingAction.Kind, weak ? ActionCast : ActionNone) << weak;
        EXPECT_EQ(ScriptedRandLeft(), weak ? 1 : 0) << "only the eagerness roll draws";
        if (weak) {
            EXPECT_EQ(Game.PendingAction.pTarget, &owl);
            EXPECT_EQ(Game.PendingAction.SpellSlot, 1);
        }
    }
    ResetBoard();
    PLAYER& dreamer = Dreamer(1, "Tessaly", 200, 200);
    dreamer.SpellChoice = 1;
    Hand(dreamer, {Salve});
    Game.ConsiderSpell(&dreamer, ReachCircle);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone) << "a heal chosen with nobody to heal";
}

TEST(ConsiderSpell, OnlyDreamersTransferToACloseFriendWithFewerThanThreeSpellsWhenTheRollSucceeds)
{
    const struct {
        bool Dreamer;
        int FriendSpells, FriendDX, Eagerness, Draw, Kind;
        bool Draws;
    } cases[] = {
        {true, 2, 100, 1, 14, ActionTransfer, true}, {true, 2, 100, 1, 13, ActionNone, true},
        {true, 2, 100, 2, 23, ActionTransfer, true}, {true, 2, 100, 2, 22, ActionNone, true},
        {true, 2, 100, 3, 12, ActionTransfer, true}, {true, 2, 100, 3, 11, ActionNone, true},
        {true, 2, 100, 0, 9, ActionNone, false},     {true, 2, 100, 4, 9, ActionNone, false},
        {true, 3, 100, 1, 9, ActionNone, false},     {false, 0, 100, 1, 9, ActionNone, false},
        {true, 0, 127, 3, 9, ActionTransfer, true},  {true, 0, 128, 3, 9, ActionNone, true},
    };
    for (const auto& c : cases) {
        ResetBoard();
        PIECEBASE& caster = c.Dreamer ? static_cast<PIECEBASE&>(Dreamer(1, "Tessaly", 200, 200))
                                      : Creature(3, 1, "Owl", 200, 200);
        caster.SpellChoice = 1;
        caster.FriendCastEagerness = 9;
        caster.TransferEagerness = c.Eagerness;
        Hand(caster, {Frost});
        caster.pTarget = &Dreamer(0, "Corvessa", 550, 400);
        PIECE& friendPiece = Creature(4, 1, "Elk", 200 + c.FriendDX, 200);
        Hand(friendPiece, {});
        for (int i = 0; i < c.FriendSpells; i++)
            friendPiece.Spells.AddSpellCopy(Bolt);
        caster.pFriend = &friendPiece;
        ScriptRand({c.Draw});
        Game.ConsiderSpell(&caster, ReachCircle);
        EXPECT_EQ(Game.PendingAction.Kind, c.Kind) << c.Eagerness << " " << c.Draw << " " << c.FriendDX;
        EXPECT_EQ(ScriptedRandLeft(), c.Draws ? 0 : 1) << c.Eagerness << " " << c.FriendSpells;
        ClearRandScript();
        if (c.Kind == ActionTransfer) {
            EXPECT_EQ(Game.PendingAction.pActor, &caster);
            EXPECT_EQ(Game.PendingAction.pTarget, &friendPiece);
            EXPECT_EQ(Game.PendingAction.SpellSlot, 0);
            ExpectBanner("Tessaly", " transfers ", "Frost");
        }
    }
}

// ---- choosing a dream ------------------------------------------------------

TEST(ChooseDream, RandomOrBestSlotInUseAndCountsOfSlots)
{
    PLAYER dreamer;
    dreamer.DreamSlots[0].Set(3, "Imp", 40);
    dreamer.DreamSlots[1].Set(5, "Owl", 70);
    dreamer.DreamSlots[2].Set(7, "Elk", 70);
    dreamer.DreamSlots[9].Set(2, "Bear", 99);  // set but beyond the slots in use
    dreamer.DreamSlotCount = 3;
    EXPECT_EQ(dreamer.GetNumberOfDreams(), 3);
    EXPECT_EQ(dreamer.CountDreams(), 4);
    EXPECT_EQ(dreamer.ChooseBestDream(), 1);
    ScriptRand({7});
    EXPECT_EQ(dreamer.ChooseRandomDream(), 1);
    const int chosen[] = {2, 1, -1};  // a draw of 5 names slot 2 of three
    for (int choice = 0; choice < 3; choice++) {
        dreamer.DreamChoice = choice;
        ScriptRand({5});
        EXPECT_EQ(dreamer.ChooseDream(), chosen[choice]) << choice;
        EXPECT_EQ(ScriptedRandLeft(), choice == 0 ? 0 : 1);
        ClearRandScript();
    }
    for (int slot = 0; slot < 3; slot++)
        dreamer.DreamSlots[slot].Chance = 0;
    EXPECT_EQ(dreamer.ChooseBestDream(), -1) << "hopeless dreams are never the best";
    dreamer.DreamSlotCount = 0;
    ScriptRand({5});
    EXPECT_EQ(dreamer.ChooseRandomDream(), -1);
    EXPECT_EQ(ScriptedRandLeft(), 1);
}

// ---- where a dream lands ---------------------------------------------------

TEST(FindDreamSpot, EightCentresAroundTheDreamerTriedFromTheSideOfItsTarget)
{
    // A 64 x 64 dreamer with its top-left at (100, 100), centre (132, 132), dreaming a 32 x 32 creature.
    const int centres[8][2] = {{188, 76}, {188, 132}, {188, 188}, {140, 188},
                               {76, 188}, {76, 132},  {76, 76},   {140, 76}};
    const struct {
        bool HasTarget;
        int TargetX, TargetY;
        int Order[8];
    } cases[] = {
        {false, 0, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
        {true, 300, 300, {2, 3, 1, 4, 0, 5, 6, 7}},
        {true, 300, 132, {0, 7, 1, 2, 6, 3, 4, 5}},
        {true, 132, 300, {4, 5, 3, 2, 6, 1, 0, 7}},
        {true, 40, 40, {6, 7, 5, 0, 4, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        ResetBoard();
        PLAYER& dreamer = Dreamer(1, "Tessaly", 132, 132, 64);
        if (c.HasTarget)
            dreamer.pTarget = &Dreamer(0, "Corvessa", c.TargetX, c.TargetY);
        for (int k = 0; k < 8; k++) {
            const int* centre = centres[c.Order[k]];
            int x = -1, y = -1;
            ASSERT_TRUE(Game.FindDreamSpot(1, 32, 32, &x, &y)) << c.TargetX << " step " << k;
            EXPECT_EQ(x, centre[0]) << c.TargetX << ", " << c.TargetY << " step " << k;
            EXPECT_EQ(y, centre[1]) << c.TargetX << ", " << c.TargetY << " step " << k;
            Creature(k, 2, "Imp", centre[0], centre[1], 2);  // block it for the next try
        }
        int x = -1, y = -1;
        EXPECT_FALSE(Game.FindDreamSpot(1, 32, 32, &x, &y));
        EXPECT_EQ(x, -1);
    }
}

TEST(FindDreamSpot, TheCreaturesBoxAndMarginsMustFitTheBoardAndItsCentreBeFree)
{
    ResetBoard();
    const struct {
        int X, Y;
        bool Fits;
    } cases[] = {
        {20, 100, true},  {19, 100, false}, {588, 100, true}, {589, 100, false},
        {100, 22, true},  {100, 21, false}, {100, 426, true}, {100, 427, false},
    };
    for (const auto& c : cases) {
        int x = -1, y = -1;
        EXPECT_EQ(Game.TestDreamSpot(c.X, c.Y, 32, 33, &x, &y, 4, 6), c.Fits) << c.X << ", " << c.Y;
        EXPECT_EQ(x, c.Fits ? c.X : -1);
    }
    Creature(0, 2, "Imp", 300, 300);  // box 290..310
    int x = -1, y = -1;
    EXPECT_FALSE(Game.TestDreamSpot(314, 300, 32, 32, &x, &y, 4, 6));
    EXPECT_TRUE(Game.TestDreamSpot(315, 300, 32, 32, &x, &y, 4, 6));
}

// ---- ConsiderDreaming ------------------------------------------------------

namespace {

// A computer dreamer 64 x 64 with its top-left at (left, top), holding a Frog (48 x 32) and an Owl.
PLAYER& DreamingDreamer(int left, int top)
{
    PLAYER& dreamer = Dreamer(1, "Tessaly", left + 32, top + 32, 64);
    dreamer.DreamSlots[0].Set(17, "Frog", 60);
    dreamer.DreamSlots[1].Set(11, "Owl", 40);
    dreamer.DreamSlotCount = 2;
    dreamer.DreamChoice = 1;
    return dreamer;
}

}  // namespace

TEST(ConsiderDreaming, PostsTheBestDreamAtTheFirstFreeSpotAndAnnouncesIt)
{
    ResetBoard();
    PLAYER& dreamer = DreamingDreamer(0, 200);
    dreamer.NoRoomToDream = 1;
    dreamer.pTarget = &Dreamer(0, "Corvessa", 10, 100);  // left and above: the left candidates come first
    EXPECT_TRUE(Game.ConsiderDreaming(1));
    EXPECT_EQ(dreamer.NoRoomToDream, 0);
    EXPECT_EQ(Game.PendingAction.Kind, ActionDream);
    EXPECT_EQ(Game.PendingAction.pActor, &dreamer);
    EXPECT_EQ(Game.PendingAction.DreamSlot, 0);
    EXPECT_EQ(Game.PendingAction.X, 40);  // above: the left ones leave the board
    EXPECT_EQ(Game.PendingAction.Y, 176);
    ExpectBanner("Tessaly", " dreamed a ", "Frog");
}

TEST(ConsiderDreaming, NothingToDreamOrNoWishToDreamPostsNothingAndClearsTheNoRoomMark)
{
    for (int variant = 0; variant < 3; variant++) {
        ResetBoard();
        PLAYER& dreamer = DreamingDreamer(200, 200);
        dreamer.NoRoomToDream = 1;
        if (variant == 0)
            dreamer.DreamSlotCount = 0;
        if (variant == 1)
            dreamer.DreamChoice = 2;
        if (variant == 2)
            dreamer.DreamSlots[0].Chance = dreamer.DreamSlots[1].Chance = 0;
        ScriptRand({1});
        EXPECT_FALSE(Game.ConsiderDreaming(1)) << variant;
        EXPECT_EQ(dreamer.NoRoomToDream, 0);
        EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
        EXPECT_EQ(ScriptedRandLeft(), 1);
        ClearRandScript();
    }
    EXPECT_FALSE(Game.ConsiderDreaming(-1));
    EXPECT_FALSE(Game.ConsiderDreaming(MaxPlayers));
}

TEST(ConsiderDreaming, AHemmedInDreamerMarksNoRoomButASpotInAnEnemyHazardDoesNot)
{
    ResetBoard();
    PLAYER& dreamer = DreamingDreamer(200, 200);  // no target: candidate 0 first, at (296, 176)
    EFFECT& fire = Game.Effects.Slots[0];
    fire.IsActive = 1;
    fire.Kind = EffectWildFire;
    fire.OwnerTeam = 0;
    fire.HeadX = 290.0f;
    fire.HeadY = 170.0f;
    fire.Width = fire.Height = 16;
    EXPECT_FALSE(Game.ConsiderDreaming(1));
    EXPECT_EQ(dreamer.NoRoomToDream, 0);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);

    fire.OwnerTeam = 1;  // the side's own fire hurts nobody of it
    EXPECT_TRUE(Game.ConsiderDreaming(1));
    EXPECT_EQ(Game.PendingAction.X, 296);
    EXPECT_EQ(Game.PendingAction.Y, 176);

    ResetBoard();
    PLAYER& hemmed = DreamingDreamer(200, 200);
    Game.SetBoardBounds(190, 190, 274, 274);
    EXPECT_FALSE(Game.ConsiderDreaming(1));
    EXPECT_EQ(hemmed.NoRoomToDream, 1);
    EXPECT_EQ(Game.PendingAction.Kind, ActionNone);
}
