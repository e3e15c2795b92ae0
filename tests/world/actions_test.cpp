#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "world/actions.h"
#include "world/game.h"
#include "world/play_state.h"
#include "world/random.h"

namespace {

constexpr int Window = 13;  // window pixels = board pixels + 13

PLAYER& Ardent = Game.Players[0];   // the human's dreamer, box (100,100)-(132,132), centre (116,116)
PLAYER& Enemy = Game.Players[1];    // in reach, centre (216,116)
PLAYER& Distant = Game.Players[2];  // just out of reach, centre (256,116)
PIECE& Badger = Game.Creatures[3];  // Ardent's creature, centre (116,176)

void Place(PIECEBASE& piece, int index, int team, int kind, const char* name, float x, float y)
{
    piece.Sprite.BuildFrames(1, 1, 32, 32, 1);
    piece.Init(index, team, name, kind, 0, 1, 10, 0xffffff, 255);
    piece.SetStats(1, 30, 10, 5, 0, 1.0f);
    piece.SetPosition(x, y, 32, 32);
    piece.Spells.SetSpellTable(&Game.SpellTable);
    piece.TeamColour = 0x102030 * (team + 1);
}

void SetUpPointer()
{
    ActionMode = ModeNothing;
    pSelectedPiece = pPointerTarget = nullptr;
    ActionRange = 1.0f;
    ChosenSpell = ChosenDream = -1;
}

void SetUpBoard()
{
    Game.Reset();
    ClearRandScript();
    SetUpPointer();
    Place(Ardent, 0, 0, PieceHumanDreamer, "Ardent", 100.0f, 100.0f);
    Place(Enemy, 1, 1, PieceComputerDreamer, "Morrow", 200.0f, 100.0f);
    Place(Distant, 2, 2, PieceComputerDreamer, "Quill", 240.0f, 100.0f);
    Place(Badger, 3, 0, PieceCreature, "Badger", 100.0f, 160.0f);
}

std::vector<const EFFECT*> ActiveEffects()
{
    std::vector<const EFFECT*> active;
    for (const EFFECT& effect : Game.Effects.Slots)
        if (effect.IsActive)
            active.push_back(&effect);
    return active;
}

// One frame of flight and landing as the frame update runs it; the changes the hits applied.
std::vector<int> RunFrame()
{
    Game.Effects.UpdateEffects();
    std::vector<int> changes;
    for (EFFECT& e : Game.Effects.Slots) {
        if (!e.IsActive || !e.HasArrived || e.Expires)
            continue;
        if (e.TargetIndex >= 0)
            changes.push_back(Game.ResolveEffectHit(e.Kind, e.SourceType, e.SourceIndex, e.TargetType, e.TargetIndex,
                                                    e.Value, static_cast<int>(e.TargetX), static_cast<int>(e.TargetY)));
        e.IsActive = e.HasArrived = 0;
    }
    return changes;
}

std::vector<std::string> Banner()
{
    return {Game.MessageText[0], Game.MessageText[1], Game.MessageText[2]};
}

// Each test plays on the global game and hands it back as it found it.
class GlobalBoard : public testing::Test {
protected:
    void TearDown() override
    {
        Game = *Saved;
        SetUpPointer();
    }

    std::unique_ptr<GAME> Saved = std::make_unique<GAME>(Game);
};

using Hits = GlobalBoard;
using Attack = GlobalBoard;
using Cast = GlobalBoard;
using Transfer = GlobalBoard;
using Clicks = GlobalBoard;

}  // namespace

TEST_F(Hits, HarmIsValuePlusAttackMinusDefenceAndHealsArePercentInSinglePrecision)
{
    struct CASE { int Value, Attack, Defence, MaxHealth, Change; };
    const CASE cases[] = {
        {-10, 20, 5, 30, -25}, {-10, 5, 30, 30, -1}, {-10, 0, 10, 30, -1},
        {50, 0, 0, 100, 50}, {40, 0, 0, 30, 11}, {50, 0, 0, 4, 2}, {40, 0, 0, 1, 1},
        {40, 0, 0, 40, 15}, {50, 0, 0, 40, 19}, {70, 0, 0, 30, 20}, {40, 0, 0, 0, 1},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Value * 1000 + c.MaxHealth);
        SetUpBoard();
        Ardent.Attack = c.Attack;
        Enemy.Defence = c.Defence;
        Enemy.MaxHealth = c.MaxHealth;
        Enemy.TargetMark = 1;
        EXPECT_EQ(Game.ResolveEffectHit(5, 1, 0, 1, 1, c.Value, 216, 116), c.Change);
        EXPECT_EQ((std::vector<int>{Enemy.PendingHealth, Game.HitHappened, Enemy.TargetMark, Enemy.LastAttackerTeam}),
                  (std::vector<int>{c.Change, 1, 0, 0}));  // heals too credit the source's side
        EXPECT_EQ((std::vector<int>{Enemy.FadeMode, Enemy.Alpha, Enemy.FadeStep}), (std::vector<int>{1, 64, 8}));
    }
}

TEST_F(Hits, DeadPiecesFadingPiecesAndLandingsWithoutATarget)
{
    SetUpBoard();
    Ardent.FadeMode = 2;
    Enemy.Kill();
    EXPECT_EQ(Game.ResolveEffectHit(5, 1, 0, 1, 1, -10, 0, 0), 0);
    EXPECT_EQ((std::vector<int>{Enemy.PendingHealth, Enemy.FadeMode, Ardent.FadeMode, Ardent.Alpha, Ardent.FadeStep}),
              (std::vector<int>{0, 2, 1, 0, 10}));

    SetUpBoard();
    Ardent.Kill();  // a dead attacker stays gone, though its ghost still hits
    Enemy.FadeMode = 1;
    Enemy.Alpha = 100;
    EXPECT_EQ(Game.ResolveEffectHit(0, 1, 0, 1, 1, -10, 0, 0), -15);
    EXPECT_EQ((std::vector<int>{Ardent.FadeMode, Ardent.Alpha, Enemy.Alpha}), (std::vector<int>{2, 255, 100}));
    EXPECT_EQ(Game.ResolveEffectHit(0, 1, 0, 1, 1, 0, 0, 0), 0);

    SetUpBoard();
    EXPECT_EQ(Game.ResolveEffectHit(5, 1, 0, 0, 4, -20, 10, 10), 0);  // handed to the dreams, never to a piece
    EXPECT_EQ(Game.HitHappened, 0);
    for (int type = 1; type <= 2; type++)
        EXPECT_FALSE(Game.GiveExperience(type, 0, 30));
    EXPECT_EQ(Banner(), (std::vector<std::string>{"", "", ""}));
}

TEST_F(Attack, EightGhostsTheFirstLandsInFrameTwelveAndBringsTheAttackerBack)
{
    SetUpBoard();
    AttackEffect(&Ardent, &Enemy);
    EXPECT_EQ((std::vector<int>{Ardent.FadeMode, Ardent.Alpha, Ardent.FadeStep}), (std::vector<int>{2, 255, 20}));
    const auto ghosts = ActiveEffects();
    ASSERT_EQ(ghosts.size(), 8u);
    EXPECT_EQ((std::vector<int>{ghosts[0]->Value, ghosts[1]->Value, ghosts[0]->TargetType, ghosts[0]->TargetIndex}),
              (std::vector<int>{-10, 0, 1, 1}));
    int firstHit = 0;
    std::vector<int> changes;
    for (int frame = 1; frame <= 200 && !ActiveEffects().empty(); frame++) {
        for (int change : RunFrame()) {
            changes.push_back(change);
            if (firstHit == 0)
                firstHit = frame;
        }
        EXPECT_TRUE(frame != 11 || Ardent.FadeMode == 2);  // still fading out just before the landing
    }
    EXPECT_EQ(firstHit, 12);
    EXPECT_EQ(changes, (std::vector<int>{-15, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ((std::vector<int>{Ardent.FadeMode, Ardent.Alpha, Ardent.FadeStep}), (std::vector<int>{1, 0, 10}));
    EXPECT_EQ((std::vector<int>{Enemy.FadeMode, Enemy.Alpha, Enemy.PendingHealth}), (std::vector<int>{1, 64, -15}));
}

TEST_F(Cast, TheRollComesFirstAndTheSpellIsSpentEitherWay)
{
    struct CASE { int Chance, Roll; bool Succeeds; };
    const CASE cases[] = {{0, 100, true}, {0, 1, false}, {50, 50, true}, {50, 151, false}};
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Chance * 1000 + c.Roll);
        SetUpBoard();
        Ardent.Spells.AddSpell(1);  // Fire Blast: ten bolts two frames apart
        Ardent.Spells.AddSpell(12);
        Ardent.Spells.Slots[0].Chance = c.Chance;
        Enemy.TargetMark = 1;
        ScriptRand({c.Roll});
        EXPECT_TRUE(CastSpell(&Ardent, &Enemy, 216, 116, 0));
        EXPECT_EQ(ScriptedRandLeft(), 0);
        EXPECT_EQ(Ardent.Spells.Count, 1);
        EXPECT_EQ(Ardent.Spells.Slots[0].Id, 12);
        const auto bolts = ActiveEffects();
        if (c.Succeeds) {
            ASSERT_EQ(bolts.size(), 10u);
            EXPECT_EQ((std::vector<int>{bolts[0]->Value < 0, bolts[1]->Value, bolts[1]->StartDelay, bolts[0]->TargetIndex}),
                      (std::vector<int>{1, 0, 2, 1}));
        } else {
            EXPECT_TRUE(bolts.empty());
            EXPECT_EQ(Enemy.TargetMark, 0);
            EXPECT_EQ(Banner(), (std::vector<std::string>{"Ardent", "'s ", "Spell Failed."}));
            EXPECT_EQ((std::vector<int>{Game.MessageFramesLeft, Game.MessageIsEvent}), (std::vector<int>{50, 0}));
        }
    }
    ScriptRand({0});  // no caster or no such slot: refused without a draw
    EXPECT_FALSE(CastSpell(nullptr, &Enemy, 0, 0, 0));
    EXPECT_FALSE(CastSpell(&Ardent, &Enemy, 0, 0, 1));
    EXPECT_FALSE(CastSpell(&Ardent, &Enemy, 0, 0, -1));
    EXPECT_EQ(ScriptedRandLeft(), 1);
}

TEST_F(Cast, HazardsWearTheCastersColourHealsCarryTheirPowerAndCloudCoverFormsAround)
{
    struct CASE { int Id, Kind; std::uint32_t Colour; int Value, Effects; };
    const CASE cases[] = {
        {4, 2, 0x102030, 0, 4}, {26, 3, 0x102030, 0, 1}, {15, 4, 0x102030, 0, 1},
        {16, 6, 0xc2c432, 0, 10}, {12, 5, 0xffffff, 40, 20}, {40, 21, 0xffffff, 0, 20},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Id);
        SetUpBoard();
        Ardent.Spells.AddSpell(c.Id);
        ScriptRand({0});
        CastSpell(&Ardent, nullptr, 150, 250, 0);
        const auto effects = ActiveEffects();
        ASSERT_EQ(static_cast<int>(effects.size()), c.Effects);
        EXPECT_EQ(effects[0]->Kind, c.Kind);
        EXPECT_EQ(effects[0]->Sprite.Colour, c.Colour);
        EXPECT_EQ(effects[0]->TargetIndex, c.Kind == 21 ? 0 : -1);  // clouds name their caster as their target
        EXPECT_TRUE(c.Value == 0 || effects[0]->Value == c.Value);
    }
}

TEST_F(Transfer, TheSpellChangesHandsAtOnceAndAFullHandRefuses)
{
    SetUpBoard();
    for (int id : {1, 12, 4})
        Ardent.Spells.AddSpell(id);
    Ardent.Spells.Slots[1].Chance = 95;
    Badger.Spells.AddSpell(3);
    EXPECT_TRUE(TransferSpell(&Ardent, &Badger, 116, 176, 1));
    EXPECT_EQ((std::vector<int>{Badger.Spells.Count, Badger.Spells.Slots[1].Id, Badger.Spells.Slots[1].Chance}),
              (std::vector<int>{2, 12, 95}));
    EXPECT_EQ((std::vector<int>{Ardent.Spells.Count, Ardent.Spells.Slots[1].Id}), (std::vector<int>{2, 4}));
    const auto line = ActiveEffects();
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ((std::vector<int>{line[0]->Kind, line[0]->Sprite.Alpha, line[0]->StartDelay, line[0]->TargetType,
                                line[0]->TargetIndex, line[0]->SourceType, line[0]->Value}),
              (std::vector<int>{12, 128, 1, 0, 1, 1, 0}));
    EXPECT_EQ(line[0]->Sprite.Colour, Ardent.TeamColour);

    SetUpBoard();
    Ardent.Spells.AddSpell(1);
    while (Enemy.Spells.AddSpell(2)) {
    }
    EXPECT_FALSE(TransferSpell(&Ardent, &Enemy, 0, 0, 0));
    EXPECT_FALSE(TransferSpell(&Ardent, nullptr, 0, 0, 0));
    EXPECT_FALSE(TransferSpell(&Ardent, &Badger, 0, 0, 1));
    EXPECT_EQ((std::vector<int>{Ardent.Spells.Count, Enemy.Spells.Count, Badger.Spells.Count}),
              (std::vector<int>{1, 32, 0}));
    EXPECT_TRUE(ActiveEffects().empty());
}

TEST_F(Clicks, MoveOrAttackByWhatLiesUnderThePointer)
{
    struct CASE { int X, Y; bool Result, Moves; int Ghosts; };
    const CASE cases[] = {
        {150, 250, true, true, 0},   // empty board
        {216, 116, true, false, 8},  // an enemy in reach
        {256, 116, true, true, 0},   // an enemy just out of reach: the piece walks there
        {116, 116, false, false, 0}, // a friend
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.X);
        SetUpBoard();
        pSelectedPiece = &Badger;
        Badger.Sprite.Mirror = 1;
        EXPECT_EQ(MoveAttackClick(&Badger, c.X + Window + 0.5f, c.Y + Window), c.Result);
        EXPECT_EQ(Badger.IsMoving, c.Moves);
        EXPECT_EQ(static_cast<int>(ActiveEffects().size()), c.Ghosts);
        EXPECT_EQ(pPointerTarget, nullptr);
        EXPECT_EQ(Enemy.TargetMark, 0);
        if (c.Moves) {
            EXPECT_EQ((std::vector<float>{Badger.MoveTargetX, Badger.MoveTargetY, 1.0f * Badger.Sprite.Mirror}),
                      (std::vector<float>{c.X + 0.5f - 16.0f, c.Y - 16.0f, 0.0f}));
        }
    }
}

TEST_F(Clicks, ASpellFliesToAnAcceptedPiecesCentreOrToTheClickedPoint)
{
    struct CASE { int Id, X, Y; bool Result; int TargetType, TargetIndex, AimX, AimY; };
    const CASE cases[] = {
        {1, 150, 250, true, 0, -1, 150, 250},   // hostile, empty point
        {1, 209, 107, true, 1, 1, 216, 116},    // hostile, enemy in reach: its centre
        {1, 256, 116, true, 0, -1, 256, 116},   // hostile, enemy just out of reach: the point, no target
        {1, 116, 176, false, 0, 0, 0, 0},       // hostile on a friend
        {12, 112, 170, true, 2, 3, 116, 176},   // friendly on a friend in reach
        {12, 216, 116, false, 0, 0, 0, 0},      // friendly on an enemy
        {12, 150, 250, false, 0, 0, 0, 0},      // friendly on empty board
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Id * 1000 + c.X);
        SetUpBoard();
        Ardent.Spells.AddSpell(c.Id);
        pSelectedPiece = &Ardent;
        ChosenSpell = 0;
        ScriptRand({0});
        EXPECT_EQ(CastSpellClick(c.X + Window, c.Y + Window), c.Result);
        EXPECT_EQ(ScriptedRandLeft(), c.Result ? 0 : 1);
        EXPECT_EQ(Ardent.Spells.Count, c.Result ? 0 : 1);
        const auto effects = ActiveEffects();
        ASSERT_EQ(effects.empty(), !c.Result);
        if (!c.Result)
            continue;
        const EFFECT& first = *effects[0];
        EXPECT_EQ((std::vector<float>{1.0f * first.TargetType, 1.0f * first.TargetIndex,
                                      first.TargetX + first.Width * 0.5f, first.TargetY + first.Height * 0.5f}),
                  (std::vector<float>{1.0f * c.TargetType, 1.0f * c.TargetIndex, 1.0f * c.AimX, 1.0f * c.AimY}));
        EXPECT_EQ(Banner()[1], " casts ");
        EXPECT_EQ(pPointerTarget, nullptr);
    }
    SetUpBoard();
    pSelectedPiece = &Ardent;
    ChosenSpell = 0;  // an empty hand
    EXPECT_FALSE(CastSpellClick(150 + Window, 250 + Window));
}

TEST_F(Clicks, ADreamGoesOnlyToAnEmptyPointAndIsRolledWhereItLands)
{
    SetUpBoard();
    Ardent.DreamSlots[0].Set(11, "Owl", 70);
    Ardent.DreamSlotCount = 1;
    pSelectedPiece = &Ardent;
    ChosenDream = 0;
    EXPECT_FALSE(DreamClick(216 + Window, 116 + Window));
    EXPECT_TRUE(ActiveEffects().empty());
    EXPECT_TRUE(DreamClick(300 + Window, 250 + Window));
    const auto line = ActiveEffects();
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ((std::vector<float>{1.0f * line[0]->Kind, line[0]->TargetX, line[0]->TargetY, 1.0f * line[0]->TargetType,
                                  1.0f * line[0]->TargetIndex, 1.0f * line[0]->Sprite.Alpha, 1.0f * line[0]->StartDelay}),
              (std::vector<float>{11.0f, 300.0f, 250.0f, 0.0f, 0.0f, 255.0f, 1.0f}));
    EXPECT_EQ(Banner()[2], "Owl");
    ScriptRand({0});
    for (int frame = 0; frame < 100 && Ardent.DreamSlotCount == 1; frame++)
        RunFrame();
    EXPECT_EQ(Ardent.DreamSlotCount, 0);
    EXPECT_EQ(Game.Creatures[0].CreatureKind, 11);
}
