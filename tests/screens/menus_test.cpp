// The piece menus: a panel's hit rectangle, the press, drag and release of a row, the rows a turn's flags enable,
// the lists' shades and empty lists, the limits of a panel and where it opens beside its piece.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/font.h"
#include "screens/menus.h"
#include "world/pieces.h"

namespace {

using TEXTS = std::vector<std::string>;

class Menu : public testing::Test {
protected:
    void SetUp() override
    {
        Small.InitSmallFont(&Device);
        Menus.SetFont(&Small);
        std::strcpy(Ann.Name, "Ann");
        std::strcpy(Ann.ClassName, "Witch");
        Ann.Kind = PieceHumanDreamer;
        std::strcpy(Wolf.Name, "Wolf");
        Wolf.Kind = PieceCreature;
    }

    // Spells named by their hand row, hostile on even rows, with a chance of 50 + row.
    static void GiveSpells(PIECEBASE& piece, int count)
    {
        for (int n = 0; n < count; ++n) {
            SPELL spell;
            std::snprintf(spell.Name, sizeof spell.Name, "Spell%d", piece.Spells.Count);
            spell.Category = piece.Spells.Count % 2 == 0 ? SpellCategoryHostile : SpellCategoryFriendly;
            spell.Chance = 50 + piece.Spells.Count;
            piece.Spells.AddSpellCopy(spell);
        }
    }
    // The middle of a row of the open page, in the window.
    int RowY(int row) const { return Menus.Panels[Menus.OpenPanel].Y + MenuInset + row * MenuRowHeight + 8; }
    int RowX() const { return Menus.Panels[Menus.OpenPanel].X + MenuInset + 2; }
    // Pressed on one row, dragged to another and released there; the release's result.
    MENURESULT Click(int pressRow, int releaseRow)
    {
        Menus.OnMouseDown(RowX(), RowY(pressRow));
        Menus.OnMouseMove(RowX(), RowY(releaseRow));
        return Menus.OnMouseUp(RowX(), RowY(releaseRow));
    }
    TEXTS Texts(int page) const
    {
        TEXTS texts;
        for (int i = 0; i < Menus.Panels[page].Count; ++i)
            texts.push_back(Menus.Panels[page].Items[i].Text);
        return texts;
    }
    // Whether the row of the id on the open page can be chosen.
    bool Enabled(MENUID id) const
    {
        const MENUPANEL& panel = Menus.Panels[Menus.OpenPanel];
        for (int i = 0; i < panel.Count; ++i)
            if (panel.Items[i].Id == id)
                return panel.Items[i].IsSelectable();
        ADD_FAILURE() << "no row " << id;
        return false;
    }

    DEVICE Device;
    FONT Small;
    MENUS Menus{640, 512, 13, 13};
    PLAYER Ann;
    PIECE Wolf;
};

// The rows start 4 pixels in from the panel's corner; the right edge lies 4 pixels past the widest text.
TEST_F(Menu, APanelIsHitInsideItsRowsRectangleOnlyEdgesIncluded)
{
    MENUPANEL& panel = Menus.Panels[5];
    for (const char* text : {"Go", "Stop", "Wait"})
        panel.AddItem(text, MenuIdInformation, true);
    panel.SetPosition(100, 50);
    const int right = 100 + panel.Width + MenuInset, bottom = 50 + MenuInset + 3 * MenuRowHeight;
    const struct { int X, Y, Row; } points[] = {
        {104, 54, 0}, {right, bottom - 1, 2}, {120, 70, 1},
        {103, 60, -1}, {right + 1, 60, -1}, {110, 53, -1}, {110, bottom, -1}};
    for (const auto& p : points)
        EXPECT_EQ(panel.HitTest(p.X, p.Y), p.Row) << p.X << ", " << p.Y;
}

// Ann's main page: 0 title, 2 Information, 3 Move / Attack, 5 Dreaming, 6 Cast Spell, 9 End Turn, 11 Cancel.
TEST_F(Menu, ThePressedBarFollowsTheHeldButtonAndOnlyItsReleaseOnAChoosableRowConfirms)
{
    GiveSpells(Ann, 1);
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 100, 32);
    const MENUPANEL& panel = Menus.Panels[PageMain];
    EXPECT_EQ(Click(6, 2), MenuConfirmed);
    EXPECT_TRUE(Menus.GetSelectedId() == MenuIdInformation && Menus.LastRow == 2 && Menus.GetSelectedSpell() == -1);
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 100, 32);
    EXPECT_EQ(Click(0, 9), MenuConfirmed) << "a press on the title, dragged to a command";
    EXPECT_EQ(Menus.GetSelectedId(), MenuIdEndTurn);

    Menus.OnMouseDown(RowX(), RowY(5));
    Menus.OnMouseMove(RowX(), RowY(0));
    EXPECT_TRUE(panel.Pressed == 0 && panel.Hover == 0) << "the bar leaves a row dragged off onto the title";
    EXPECT_EQ(Menus.OnMouseUp(RowX(), RowY(5)), MenuNoRow) << "released on a row it was dragged off";

    Ann.HasMoved = 1;
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 100, 32);
    for (int row : {0, 1, 3}) {
        EXPECT_EQ(Click(2, row), MenuNotChoosable) << row;
        EXPECT_TRUE(panel.Pressed == -1 && panel.Hover == -1 && panel.Count == 12) << row;
    }
    EXPECT_EQ(Click(2, -5), MenuNoRow) << "released off the panel";
    EXPECT_EQ(panel.Pressed, -1);
    EXPECT_EQ(Menus.OnMouseUp(RowX(), RowY(2)), MenuNoRow) << "a choosable row released without a press";
    Menus.OnMouseDown(5, 5);
    EXPECT_EQ(Menus.OnMouseUp(5, 5), MenuNoRow) << "nothing pressed: no row must not pass for the pressed row";
    Menus.ResetAll();
    EXPECT_EQ(Click(2, 2), MenuNoRow) << "closed panels";
    EXPECT_EQ(Menus.GetSelectedId(), MenuIdEndTurn);
}

TEST_F(Menu, TheTurnsFlagsAndTheHandEnableTheCommandsOfDreamersAndCreatures)
{
    const struct { bool Moved, Cast, Dreamed; int Spells; bool Move, Dream, Casts; } cases[] = {
        {false, false, false, 1, true, true, true},
        {true, false, false, 1, false, true, true},
        {false, true, false, 1, true, true, false},
        {false, false, true, 1, true, false, true},
        {false, false, false, 0, true, true, false},  // an empty hand casts nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        for (PIECEBASE* piece : {static_cast<PIECEBASE*>(&Ann), static_cast<PIECEBASE*>(&Wolf)}) {
            piece->Spells.Clear();
            GiveSpells(*piece, c.Spells);
            piece->HasMoved = c.Moved, piece->HasCast = c.Cast, Ann.HasDreamed = c.Dreamed;
            Menus.OpenPieceMenu(PageMain, piece, 100, 100, 32);
            const bool dreamer = piece == &Ann;
            EXPECT_EQ(Enabled(MenuIdMoveAttack), c.Move);
            EXPECT_EQ(Enabled(dreamer ? MenuIdCastSpell : MenuIdCreatureCastSpell), c.Casts);
            EXPECT_EQ(Enabled(dreamer ? MenuIdTransferSpell : MenuIdCreatureTransferSpell), c.Casts);
            EXPECT_TRUE(Enabled(MenuIdInformation) && Enabled(MenuIdCancelMain));
            if (dreamer) {
                EXPECT_TRUE(Enabled(MenuIdEndTurn));
                EXPECT_EQ(Enabled(MenuIdDreaming), c.Dream);
            }
        }
    }
    EXPECT_EQ(Texts(PageMain)[0], "Wolf (...)");
    Menus.OpenPieceMenu(PageDreams, &Wolf, 100, 100, 32);
    EXPECT_EQ(Menus.Panels[PageMain].Count + Menus.Panels[PageDreams].Count, 0) << "a creature has no dreams";
}

// A dream row's shade is barely off white, whiter the likelier the dream; an empty list says so.
TEST_F(Menu, DreamRowsAreShadedByTheirChanceAndAnEmptyListSaysSo)
{
    const std::pair<int, std::uint32_t> shades[] = {{100, 0xffffff}, {99, 0xfefefe}, {80, 0xfefefe}, {79, 0xfdfdfd},
                                                    {60, 0xfdfdfd}, {40, 0xfcfcfc}, {20, 0xfbfbfb}, {19, 0xfafafa}};
    for (auto [chance, colour] : shades)
        EXPECT_EQ(MENUS::GetDreamColour(chance), colour) << chance;
    for (MENUPAGE page : {PageDreams, PageCastSpells}) {
        Menus.OpenPieceMenu(page, &Ann, 100, 100, 32);
        EXPECT_EQ(Texts(page), (TEXTS{Texts(page)[0], "", "Empty", "", "Cancel"}));
    }
}

TEST_F(Menu, APanelHoldsSixteenRowsOfSixtyThreeCharactersAtMost)
{
    const std::pair<int, const char*> cases[] = {{12, "Cancel"}, {1, ""}, {5, "Spell13 (63%)"}};
    for (auto [more, last] : cases) {
        GiveSpells(Ann, more);
        Menus.OpenPieceMenu(PageCastSpells, &Ann, 100, 100, 32);
        EXPECT_EQ(Menus.Panels[PageCastSpells].Count, 16);
        EXPECT_EQ(Texts(PageCastSpells).back(), last);
    }
    MENUPANEL& panel = Menus.Panels[5];
    panel.AddTitle(std::string(40, 'a').c_str(), std::string(40, 'a').c_str(), 0xffffff);
    panel.AddItem(std::string(100, 'b').c_str(), MenuIdInformation, true);
    panel.AddNumberLine(std::string(62, 'c').c_str(), 12345);
    EXPECT_EQ(Texts(5), (TEXTS{std::string(63, 'a'), std::string(63, 'b'), std::string(62, 'c') + "1"}));
}

// 8 pixels right of the piece and below its top; off the right edge it flips left, the margin added twice.
TEST_F(Menu, APanelOpensBesideItsPieceAndStaysOnTheScreen)
{
    MENUPANEL& spare = Menus.Panels[5];
    for (int i = 0; i < 9; ++i)
        spare.AddLabel("W");
    spare.Width = 75;
    EXPECT_EQ(spare.GetWidth(), 80);
    EXPECT_EQ(spare.GetHeight(), 160);

    const MENUPANEL& panel = Menus.Panels[PageMain];
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 60, 32);
    EXPECT_EQ(panel.X, 13 + 100 + 32 + 8);
    EXPECT_EQ(panel.Y, 13 + 60 + 8);
    const int width = panel.GetWidth();
    const int flipAt = 640 - width - 13 - 32 - 8;  // the last piece x whose panel still fits on its right
    Menus.OpenPieceMenu(PageMain, &Ann, flipAt, 60, 32);
    EXPECT_EQ(panel.X, 640 - width);
    Menus.OpenPieceMenu(PageMain, &Ann, flipAt + 1, 450, 32);
    EXPECT_EQ(panel.X + width, 13 + flipAt + 1 + 21);
    EXPECT_EQ(panel.Y + panel.GetHeight(), 512);
}

}  // namespace
