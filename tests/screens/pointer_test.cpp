// The cursor for each action, selecting pieces, the menu commands and the transfer click, on hand-built boards.
#include <gtest/gtest.h>

#include <vector>

#include "platform/window.h"
#include "screens/menus.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "tests/support/board.h"
#include "world/actions.h"
#include "world/play_state.h"
#include "world/random.h"

namespace {

int W(int board) { return board + BoardMargin; }  // the window point over a board point

// The human's dreamer Ann at board (100, 100) holding Fire Blast, Sacred Light and Cloud Cover; his Wolf at
// (100, 160); an enemy dreamer in reach at (160, 100) and one far off at (500, 400).
class Pointer : public testing::Test {
protected:
    void SetUp() override
    {
        StartEmptyBoard();
        PlaceDreamer(0, "Ann", 100, 100);
        PlaceCreature(0, 0, "Wolf", 100, 160);
        PlaceDreamer(1, "Bo", 160, 100);
        PlaceDreamer(2, "Cy", 500, 400);
        for (int row : {1, 2, 40})
            Human.Spells.AddSpell(row);
        Menus.ResetAll();
        Menus.OpenPanel = -1;
        pPointerTarget = nullptr, ChosenSpell = ChosenDream = -1, MouseX = MouseY = 0;
        Aim(ModeNothing, nullptr);
        SetPointerCursor(CursorArrow);
    }
    void TearDown() override { Aim(ModeNothing, nullptr), pPointerTarget = nullptr, Menus.ResetAll(); }
    static void Aim(int mode, PIECEBASE* piece) { ActionMode = mode, pSelectedPiece = piece, ActionRange = 1.0f; }
    static int CursorAt(int bx, int by) { return UpdateCursor(W(bx), W(by)), PointerCursor(); }
    static void Run(int id, int row = -1)
    {
        Aim(ModeMenuOpen, &Game.Players[0]);
        Menus.LastId = id, Menus.LastRow = row;
        DoPieceMenuCommand();
    }
    static int OpenPanels()
    {
        int open = 0;
        for (const MENUPANEL& panel : Menus.Panels)
            open += panel.Count > 0;
        return open;
    }

    PLAYER& Human = Game.Players[0];
    PIECE& Wolf = Game.Creatures[0];
    PLAYER& Enemy = Game.Players[1];
};

TEST_F(Pointer, EachModeShowsItsCursorAndAimingNeverSetsTheHoverMark)
{
    Aim(ModeMoveAttack, &Human);
    EXPECT_EQ((std::vector<int>{CursorAt(160, 100), CursorAt(100, 160), CursorAt(130, 130), CursorAt(500, 400)}),
              (std::vector<int>{CursorCross, CursorNo, CursorArrow, CursorNo}));
    Aim(ModeSpellTarget, &Human);
    ChosenSpell = 1;  // Sacred Light heals friends
    EXPECT_EQ((std::vector<int>{CursorAt(160, 100), CursorAt(100, 160)}), (std::vector<int>{CursorNo, CursorArrow}));
    EXPECT_EQ(pPointerTarget, &Wolf);
    ChosenSpell = 0;  // Fire Blast harms enemies
    EXPECT_EQ((std::vector<int>{CursorAt(100, 160), CursorAt(160, 100)}), (std::vector<int>{CursorNo, CursorArrow}));
    EXPECT_TRUE(pPointerTarget == &Enemy && Enemy.TargetMark == 1 && Enemy.HoverMark + Wolf.HoverMark == 0);
    ChosenSpell = 3;  // beyond the hand: nothing can be cast
    EXPECT_EQ(CursorAt(160, 100), CursorNo);
    EXPECT_TRUE(pPointerTarget == nullptr && Enemy.TargetMark == 0);
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

TEST_F(Pointer, AimingWithoutASelectedPieceChangesNothing)
{
    Aim(ModeSpellTarget, nullptr);
    ChosenSpell = 0;
    SetPointerCursor(CursorCross);
    EXPECT_EQ(CursorAt(160, 100), CursorCross);
    EXPECT_TRUE(pPointerTarget == nullptr && Enemy.TargetMark == 0);
}

TEST_F(Pointer, OwnPiecesOpenTheirMainPageAnotherSidesAreOnlySelectedAndEmptyGroundCancels)
{
    SelectPieceAt(W(100), W(160));
    EXPECT_TRUE(pSelectedPiece == &Wolf && Wolf.HoverMark == 1 && ActionMode == ModeMenuOpen);
    EXPECT_STREQ(Menus.Panels[PageMain].Items[0].Text, "Wolf (Ann)");
    Aim(ModeNothing, nullptr);
    SelectPieceAt(W(160), W(100));
    EXPECT_TRUE(pSelectedPiece == &Enemy && Enemy.HoverMark == 1 && ActionMode == ModeNothing && OpenPanels() == 0);
    Aim(ModeMenuOpen, &Enemy);
    SelectPieceAt(W(300), W(300));
    EXPECT_TRUE(pSelectedPiece == nullptr && ActionMode == ModeNothing);
}

TEST_F(Pointer, ATransferGoesToTheCentreOfAFriendInReachWithRoomNeverToTheCasterOrAnEnemy)
{
    Aim(ModeTransferTarget, &Human);
    ChosenSpell = 0;
    EXPECT_FALSE(TransferSpellClick(W(100), W(100)) || TransferSpellClick(W(160), W(100)));
    ASSERT_TRUE(TransferSpellClick(W(95), W(155)));
    EXPECT_STREQ(Wolf.Spells.Slots[0].Name, "Fire Blast");
    EXPECT_TRUE(Human.Spells.Count == 2 && pPointerTarget == nullptr && Wolf.TargetMark == 0);
    EXPECT_EQ(BannerText(), "Ann| transfers |Fire Blast");
    EXPECT_TRUE(Game.Effects.Slots[0].TargetX == 100.0f && Game.Effects.Slots[0].TargetY == 160.0f);
    ChosenSpell = 2;  // beyond the two left
    EXPECT_FALSE(TransferSpellClick(W(100), W(160)));
    ChosenSpell = 0;
    while (Wolf.Spells.Count < HandSize)
        Wolf.Spells.AddSpell(1);
    EXPECT_FALSE(TransferSpellClick(W(100), W(160)));
    EXPECT_EQ(Human.Spells.Count, 2);
}

TEST_F(Pointer, CommandRowsAimWithTheirReachColourAndPrompt)
{
    Human.Reach = 1.5f;
    Run(MenuIdMoveAttack);
    EXPECT_TRUE(ActionMode == ModeMoveAttack && ActionRange == 1.5f && ActionRangeColour == 0x00ffffu);
    EXPECT_EQ(BannerText(), "Select |your |target.");
    Run(MenuIdCastListSpell, 2);  // Fire Blast: range 5
    EXPECT_TRUE(ActionMode == ModeSpellTarget && ChosenSpell == 0 && ActionRange == 0.9f &&
                ActionRangeColour == 0xff8080u);
    Run(MenuIdTransferListSpell, 3);
    EXPECT_TRUE(ActionMode == ModeTransferTarget && ChosenSpell == 1 && ActionRange == 1.5f &&
                ActionRangeColour == 0x80ff80u);
    EXPECT_EQ(BannerText(), "Select who |should receive |the spell.");
    Human.AddDreamSlot(1);
    Run(MenuIdDream, 2);
    EXPECT_TRUE(ActionMode == ModeDreamPlace && ChosenDream == 0 && ActionRange == 0.7f &&
                ActionRangeColour == 0xff8080u);
    for (int id : {MenuIdDream, MenuIdCastListSpell, MenuIdTransferListSpell}) {
        Run(id, 4 + (id == MenuIdDream));  // past the list's last row
        EXPECT_EQ(ActionMode, ModeNothing) << id;
    }
}

TEST_F(Pointer, CloudCoverIsCastAtOnceAndLeavesTheCastFlagClear)
{
    ShowPieceMenu(&Human, PageCastSpells);
    ScriptRand({0});
    Run(MenuIdCastListSpell, 4);
    EXPECT_TRUE(ActionMode == ModeNothing && ChosenSpell == 2 && Human.HasCast == 0 && Human.Spells.Count == 2);
    EXPECT_TRUE(CountActiveEffects() > 0 && OpenPanels() == 0);
}

TEST_F(Pointer, PageRowsTurnThePageAndCancelRowsCancel)
{
    ShowPieceMenu(&Human, PageMain);
    for (int id : {MenuIdInformation, MenuIdDreaming, MenuIdCastSpell, MenuIdTransferSpell}) {
        Run(id, 2);
        EXPECT_TRUE(ActionMode == ModeMenuOpen && OpenPanels() == 1 && Menus.Panels[Menus.OpenPanel].Count > 0);
    }
    EXPECT_EQ(Menus.OpenPanel, PageTransferSpells);
    for (int id : {7, 13, 14, 16, 24}) {
        ShowPieceMenu(&Human, PageMain);
        Run(id);
        EXPECT_TRUE(ActionMode == ModeNothing && pSelectedPiece == nullptr && OpenPanels() == 0) << id;
    }
}

TEST_F(Pointer, EndTurnClearsTheHumanSidesFlagsAndHandsThePlayToTheComputer)
{
    Human.HasMoved = Human.HasCast = Human.HasDreamed = Wolf.HasMoved = Enemy.HasMoved = 1;
    ActionMode = ModeMenuOpen, Menus.LastId = MenuIdEndTurn;
    DoPieceMenuCommand();  // nothing is selected: nothing happens
    EXPECT_TRUE(ActionMode == ModeMenuOpen && Game.ComputerTurnsRunning == 0 && Human.HasMoved == 1);
    Run(MenuIdEndTurn, 9);
    EXPECT_EQ((std::vector<int>{Human.HasMoved, Human.HasCast, Human.HasDreamed, Wolf.HasMoved, Enemy.HasMoved}),
              (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_TRUE(ActionMode == ModeComputerTurns && Game.ComputerTurnsRunning == 1 && pSelectedPiece == nullptr);
}

TEST_F(Pointer, CancelActionClosesTheMenusAndDropsTheSelectionAndItsMarksButKeepsARunningBanner)
{
    Aim(ModeMenuOpen, &Human);
    ShowPieceMenu(&Human, PageMain);
    Human.HoverMark = Human.TargetMark = 1;
    Game.ShowMessage("a", "b", "c", 0, 0, 0, false, 30);
    CancelAction();
    EXPECT_TRUE(Human.HoverMark + Human.TargetMark == 0 && pSelectedPiece == nullptr && ActionMode == 0);
    EXPECT_EQ(OpenPanels(), 0);
    EXPECT_EQ(BannerText(), "a|b|c");
    Game.MessageFramesLeft = 0;
    CancelAction();
    EXPECT_EQ(BannerText(), "||");
}

TEST_F(Pointer, ACreatureFacesTheBoardPointUnderAWindowXAndTheWorldsMovesStillTurnIt)
{
    FacePieceTowards(&Wolf, W(101));
    EXPECT_EQ(Wolf.Sprite.Mirror, 0);
    FacePieceTowards(&Wolf, W(100));
    EXPECT_EQ(Wolf.Sprite.Mirror, 1);
    MovePieceTo(&Wolf, 101.0f, 160.0f);
    EXPECT_EQ(Wolf.Sprite.Mirror, 0);
}

}  // namespace
