// The cursor for each action, selecting pieces, the menu commands and the transfer click, on hand-built boards.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/window.h"
#include "screens/menus.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "tests/support/board.h"
#include "world/actions.h"
#include "world/frame_update.h"
#include "world/random.h"

namespace {

int W(int board) { return board + BoardMargin; }  // the window point over a board point

// The human's dreamer Ann at board (100, 100) holding Fire Blast, Sacred Light and Cloud Cover; his Wolf at
// (100, 160); an enemy dreamer in reach at (160, 100) and one far off at (500, 400).
class Pointer : public testing::Test {
protected:
    void SetUp() override
    {
        StartEmptyBoard(Game);
        PlaceDreamer(Game, 0, "Ann", 100, 100);
        PlaceCreature(Game, 0, 0, "Wolf", 100, 160);
        PlaceDreamer(Game, 1, "Bo", 160, 100);
        PlaceDreamer(Game, 2, "Cy", 500, 400);
        for (int row : {1, 2, 40})
            Human.Spells.AddSpell(row);
        Menus.ResetAll();
        Play.ActionRange = 1.0f;
    }
    static void Aim(ACTIONMODE mode, PIECEBASE* piece)
    {
        Play.ActionMode = mode, Play.pSelectedPiece = piece, Play.ActionRange = 1.0f;
    }
    static int CursorAt(int bx, int by) { return UpdateCursor(W(bx), W(by)), PointerCursor(); }
    static void Run(int id, int row = -1)
    {
        Aim(ModeMenuOpen, &Game.Players[0]);
        Menus.LastId = static_cast<MENUID>(id), Menus.LastRow = row;
        DoPieceMenuCommand();
    }
    static int OpenPanels()
    {
        const auto open = [](const MENUPANEL& panel) { return panel.Count > 0; };
        return static_cast<int>(std::count_if(std::begin(Menus.Panels), std::end(Menus.Panels), open));
    }

    PLAYER& Human = Game.Players[0];
    PIECE& Wolf = Game.Creatures[0];
    PLAYER& Enemy = Game.Players[1];
};

TEST_F(Pointer, APointIsInRangeOnlyWhileAimingAndOnlyStrictlyInsideTheBoardsEdges)
{
    Aim(ModeMenuOpen, &Human);
    EXPECT_FALSE(IsPointInActionRange(&Human, 100, 100));
    Aim(ModeSpellTarget, &Human);
    EXPECT_TRUE(IsPointInActionRange(&Human, 100, 100));
    EXPECT_FALSE(IsPointInActionRange(nullptr, 100, 100) || IsPointInActionRange(&Human, 0, 100));
    Play.ActionRange = 8.0f;  // the whole board in reach
    EXPECT_TRUE(IsPointInActionRange(&Human, 1, 1) && IsPointInActionRange(&Human, 607, 447));
    EXPECT_FALSE(IsPointInActionRange(&Human, 0, 0) || IsPointInActionRange(&Human, 608, 448) ||
                 IsPointInActionRange(&Human, 1, 448));
}

TEST_F(Pointer, EachModeShowsItsCursorAndAimingNeverSetsTheHoverMark)
{
    Aim(ModeMoveAttack, &Human);
    EXPECT_EQ((std::vector<int>{CursorAt(160, 100), CursorAt(100, 160), CursorAt(130, 130), CursorAt(500, 400)}),
              (std::vector<int>{CursorCross, CursorNo, CursorArrow, CursorNo}));
    Aim(ModeSpellTarget, &Human);
    Play.ChosenSpell = 1;  // Sacred Light heals friends
    EXPECT_EQ((std::vector<int>{CursorAt(160, 100), CursorAt(100, 160)}), (std::vector<int>{CursorNo, CursorArrow}));
    EXPECT_EQ(Play.pPointerTarget, &Wolf);
    Play.ChosenSpell = 0;  // Fire Blast harms enemies
    EXPECT_EQ((std::vector<int>{CursorAt(100, 160), CursorAt(160, 100)}), (std::vector<int>{CursorNo, CursorArrow}));
    EXPECT_TRUE(Play.pPointerTarget == &Enemy && Enemy.TargetMark == 1 && Enemy.HoverMark + Wolf.HoverMark == 0);
    Play.ChosenSpell = 3;  // beyond the hand: nothing can be cast
    EXPECT_EQ(CursorAt(160, 100), CursorNo);
    EXPECT_TRUE(Play.pPointerTarget == nullptr && Enemy.TargetMark == 0);
    Aim(ModeDreamPlace, &Human);
    EXPECT_EQ((std::vector<int>{CursorAt(160, 100), CursorAt(130, 130)}), (std::vector<int>{CursorNo, CursorCross}));
    Aim(ModeTransferTarget, &Human);  // only a friend other than the caster
    EXPECT_EQ((std::vector<int>{CursorAt(100, 160), CursorAt(100, 100), CursorAt(160, 100)}),
              (std::vector<int>{CursorCross, CursorNo, CursorNo}));
    EXPECT_EQ(Enemy.HoverMark + Wolf.HoverMark, 0);
    Aim(ModeMenuOpen, &Human);
    EXPECT_EQ(CursorAt(160, 100), CursorArrow);
    Aim(ModeNothing, nullptr);
    EXPECT_EQ((std::vector<int>{CursorAt(300, 300), CursorAt(160, 100)}), (std::vector<int>{CursorArrow, CursorHelp}));
    EXPECT_EQ(Enemy.HoverMark, 1);
}

TEST_F(Pointer, APressOnEmptyGroundCancelsTheSelection)
{
    Aim(ModeMenuOpen, &Enemy);
    SelectPieceAt(300, 300);
    EXPECT_TRUE(Play.pSelectedPiece == nullptr && Play.ActionMode == ModeNothing);
}

TEST_F(Pointer, ATransferGoesToTheCentreOfAFriendInReachWithRoomNeverToTheCasterOrAnEnemy)
{
    Aim(ModeTransferTarget, &Human);
    Play.ChosenSpell = 0;
    EXPECT_FALSE(TransferSpellClick(100, 100) || TransferSpellClick(160, 100));
    ASSERT_TRUE(TransferSpellClick(95, 155));
    EXPECT_STREQ(Wolf.Spells.Slots[0].Name, "Fire Blast");
    EXPECT_TRUE(Human.Spells.Count == 2 && Play.pPointerTarget == nullptr && Wolf.TargetMark == 0);
    EXPECT_EQ(BannerText(Game), "Ann| transfers |Fire Blast");
    EXPECT_TRUE(Game.Effects.Slots[0].TargetX == 100.0f && Game.Effects.Slots[0].TargetY == 160.0f);
    Play.ChosenSpell = 2;  // beyond the two left
    EXPECT_FALSE(TransferSpellClick(100, 160));
    Play.ChosenSpell = 0;
    while (Wolf.Spells.Count < HandSize)
        Wolf.Spells.AddSpell(1);
    EXPECT_FALSE(TransferSpellClick(100, 160));
    EXPECT_EQ(Human.Spells.Count, 2);
}

TEST_F(Pointer, CommandRowsAimWithTheirReachColourAndPromptAndCloudCoverIsCastAtOnce)
{
    Human.Reach = 1.5f;
    Run(MenuIdMoveAttack);
    EXPECT_TRUE(Play.ActionMode == ModeMoveAttack && Play.ActionRange == 1.5f && Play.ActionRangeColour == 0x00ffffu);
    EXPECT_EQ(BannerText(Game), "Select |your |target.");
    Run(MenuIdCastListSpell, 2);  // Fire Blast: range 5
    EXPECT_TRUE(Play.ActionMode == ModeSpellTarget && Play.ChosenSpell == 0 && Play.ActionRange == 0.9f &&
                Play.ActionRangeColour == 0xff8080u);
    Run(MenuIdTransferListSpell, 3);
    EXPECT_TRUE(Play.ActionMode == ModeTransferTarget && Play.ChosenSpell == 1 && Play.ActionRange == 1.5f &&
                Play.ActionRangeColour == 0x80ff80u);
    EXPECT_EQ(BannerText(Game), "Select who |should receive |the spell.");
    Human.AddDreamSlot(1);
    Run(MenuIdDream, 2);
    EXPECT_TRUE(Play.ActionMode == ModeDreamPlace && Play.ChosenDream == 0 && Play.ActionRange == 0.7f &&
                Play.ActionRangeColour == 0xff8080u);
    for (int id : {MenuIdDream, MenuIdCastListSpell, MenuIdTransferListSpell}) {
        Run(id, 4 + (id == MenuIdDream));  // past the list's last row
        EXPECT_EQ(Play.ActionMode, ModeNothing) << id;
    }
    ShowPieceMenu(&Human, PageCastSpells);  // Cloud Cover is cast at once and leaves the cast flag clear
    ScriptRand({0});
    Run(MenuIdCastListSpell, 4);
    EXPECT_TRUE(Play.ActionMode == ModeNothing && Play.ChosenSpell == 2 && Human.HasCast == 0 &&
                Human.Spells.Count == 2);
    EXPECT_TRUE(CountActiveEffects(Game) > 0 && OpenPanels() == 0);
}

TEST_F(Pointer, PageRowsTurnThePageAndCancelRowsCancel)
{
    ShowPieceMenu(&Human, PageMain);
    for (int id : {MenuIdInformation, MenuIdDreaming, MenuIdCastSpell, MenuIdTransferSpell}) {
        Run(id, 2);
        EXPECT_TRUE(Play.ActionMode == ModeMenuOpen && OpenPanels() == 1 && Menus.Panels[Menus.OpenPanel].Count > 0);
    }
    EXPECT_EQ(Menus.OpenPanel, PageTransferSpells);
    for (int id : {7, 13, 14, 16, 24}) {
        ShowPieceMenu(&Human, PageMain);
        Run(id);
        EXPECT_TRUE(Play.ActionMode == ModeNothing && Play.pSelectedPiece == nullptr && OpenPanels() == 0) << id;
    }
}

TEST_F(Pointer, EndTurnClearsTheHumanSidesFlagsAndHandsThePlayToTheComputer)
{
    Human.HasMoved = Human.HasCast = Human.HasDreamed = Wolf.HasMoved = Enemy.HasMoved = 1;
    Play.ActionMode = ModeMenuOpen, Menus.LastId = MenuIdEndTurn;
    DoPieceMenuCommand();  // nothing is selected: nothing happens
    EXPECT_TRUE(Play.ActionMode == ModeMenuOpen && Game.ComputerTurnsRunning == 0 && Human.HasMoved == 1);
    Run(MenuIdEndTurn, 9);
    EXPECT_EQ((std::vector<int>{Human.HasMoved, Human.HasCast, Human.HasDreamed, Wolf.HasMoved, Enemy.HasMoved}),
              (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_TRUE(Play.ActionMode == ModeComputerTurns && Game.ComputerTurnsRunning == 1 &&
                Play.pSelectedPiece == nullptr);
}

TEST_F(Pointer, CancelActionClosesTheMenusAndDropsTheSelectionAndItsMarksButKeepsARunningBanner)
{
    Aim(ModeMenuOpen, &Human);
    ShowPieceMenu(&Human, PageMain);
    Human.HoverMark = Human.TargetMark = 1;
    Game.ShowMessage("a", "b", "c", 0, 0, 0, false, 30);
    CancelAction();
    EXPECT_TRUE(Human.HoverMark + Human.TargetMark == 0 && Play.pSelectedPiece == nullptr && Play.ActionMode == 0);
    EXPECT_EQ(OpenPanels(), 0);
    EXPECT_EQ(BannerText(Game), "a|b|c");
    Game.MessageFramesLeft = 0;
    CancelAction();
    EXPECT_EQ(BannerText(Game), "||");
}

// Harm drains after its hit and hazards on the way, so a piece can die in its side's turn; the dead give no orders.
TEST_F(Pointer, APieceThatDiesUnderItsMenuOrItsAimTakesThemWithIt)
{
    PIECEBASE* const pieces[] = {&Wolf, &Human};
    for (PIECEBASE* piece : pieces) {
        SelectPieceAt(piece->CentreX, piece->CentreY);
        if (piece == &Human) {
            Menus.LastId = MenuIdMoveAttack;
            DoPieceMenuCommand();
        }
        ASSERT_EQ(Play.ActionMode, piece == &Human ? ModeMoveAttack : ModeMenuOpen);
        piece->PendingHealth = -piece->Health;
        for (int frame = 0; frame < 100 && !piece->IsDead; frame++)
            UpdatePlayFrame();
        EXPECT_TRUE(Play.ActionMode == ModeNothing && Play.pSelectedPiece == nullptr) << piece->Name;
        EXPECT_EQ(OpenPanels(), 0) << piece->Name;
    }
    BoardPress(W(160), W(100));  // Bo, in the dead dreamer's reach
    EXPECT_EQ(Human.HasMoved, 0);
}

TEST_F(Pointer, ACreatureFacesABoardXRightOfItsCentreAndTheWorldsMovesTurnItTheSameWay)
{
    FacePieceTowards(&Wolf, 100);
    EXPECT_EQ(Wolf.Sprite.Mirror, 1);
    MovePieceTo(&Wolf, 101.0f, 160.0f);
    EXPECT_EQ(Wolf.Sprite.Mirror, 0);
}

TEST(Clicks, EachHandlerActsOnWhatLiesUnderTheBoardPointAndRefusesTheRest)
{
    PLAYER& Ardent = Game.Players[0];
    PIECE& Badger = Game.Creatures[3];
    const EFFECT& First = Game.Effects.Slots[0];
    // Spells, dreams and ghosts fly to an accepted piece's centre, else to the clicked point with no target.
    enum { Walk, Hostile, Friendly, Dream };
    const struct { int Click, X, Y; bool Accepted; int Effects, Target, AimX, AimY; const char* Banner; } cases[] = {
        {Walk, 150, 250, true, 0, 0, 0, 0, "||"},
        {Walk, 216, 116, true, 8, 1, 216, 116, "||"},
        {Walk, 116, 116, false, 0, 0, 0, 0, "||"},
        {Hostile, 150, 250, true, 10, -1, 150, 250, "Ardent| casts |Fire Blast"},
        {Hostile, 209, 107, true, 10, 1, 216, 116, "Ardent| casts |Fire Blast"},
        {Hostile, 116, 176, false, 0, 0, 0, 0, "||"},
        {Hostile, 500, 400, true, 10, -1, 500, 400, "Ardent| casts |Fire Blast"},  // a dreamer out of reach
        {Friendly, 112, 170, true, 20, 3, 116, 176, "Ardent| casts |Healing"},
        {Friendly, 216, 116, false, 0, 0, 0, 0, "||"},
        {Dream, 216, 116, false, 0, 0, 0, 0, "||"},
        {Dream, 300, 250, true, 1, 0, 302, 250, "Ardent| dreamed an |Owl"}};  // a 4 x 0 line box
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        StartActionBoard(Game);
        PlaceDreamer(Game, 2, "Far", 500, 400);
        Ardent.Spells.AddSpell(c.Click == Friendly ? 12 : 1);
        Ardent.AddDreamSlot(11);
        Play.pSelectedPiece = c.Click == Walk ? static_cast<PIECEBASE*>(&Badger) : &Ardent;
        Play.ChosenSpell = Play.ChosenDream = 0;
        ScriptRand({0});
        const int x = c.X, y = c.Y;
        EXPECT_EQ(c.Click == Walk ? MoveAttackClick(&Badger, x + 0.5f, y) : c.Click == Dream ? DreamClick(x, y)
                                                                                          : CastSpellClick(x, y),
                  c.Accepted);
        EXPECT_EQ(ScriptedRandLeft(), c.Accepted && (c.Click == Hostile || c.Click == Friendly) ? 0 : 1);
        EXPECT_EQ(BannerText(Game), c.Banner);
        ASSERT_EQ(CountActiveEffects(Game), c.Effects);
        const bool walks = c.Click == Walk && c.Accepted && c.Effects == 0;  // its box centred on the point
        EXPECT_EQ((std::vector<float>{1.0f * Badger.IsMoving, Badger.MoveTargetX + 16.0f, Badger.MoveTargetY + 16.0f}),
                  (std::vector<float>{1.0f * walks, walks ? c.X + 0.5f : 116.0f, walks ? 1.0f * c.Y : 176.0f}));
        if (c.Effects > 0) {
            EXPECT_EQ((std::vector<float>{1.0f * First.TargetIndex, First.TargetX + First.Width * 0.5f,
                                          First.TargetY + First.Height * 0.5f}),
                      (std::vector<float>{1.0f * c.Target, 1.0f * c.AimX, 1.0f * c.AimY}));
        }
    }
    for (int frame = 0; frame < 100 && Ardent.DreamSlotCount == 1; frame++)
        UpdateGameFrame(Game);  // the last dream lands with no piece at its end and is rolled there
    EXPECT_EQ(Game.Creatures[0].CreatureKind, 11);
}

}  // namespace
