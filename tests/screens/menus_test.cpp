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

    // Press and release in the middle of rows of a panel; the release's result.
    int Click(int page, int pressRow, int releaseRow)
    {
        const MENUPANEL& panel = Menus.Panels[page];
        const int x = panel.X + MenuInset + 2;
        Menus.OnMouseDown(x, panel.Y + MenuInset + pressRow * MenuRowHeight + 8);
        Menus.OnMouseMove(x, panel.Y + MenuInset + releaseRow * MenuRowHeight + 8);
        return Menus.OnMouseUp(x, panel.Y + MenuInset + releaseRow * MenuRowHeight + 8);
    }

    TEXTS Texts(int page) const
    {
        TEXTS texts;
        for (int i = 0; i < Menus.Panels[page].Count; ++i)
            texts.push_back(Menus.Panels[page].Items[i].Text);
        return texts;
    }

    DEVICE Device;
    FONT Small;
    MENUS Menus{640, 512, 13, 13};
    PLAYER Ann;
    PIECE Wolf;
};

// Ann's main page: 0 title, 1 -, 2 Information, 3 Move / Attack, 4 -, 5 Dreaming, 6 Cast Spell, 7 Transfer Spell,
// 8 -, 9 End Turn, 10 -, 11 Cancel.
TEST_F(Menu, ThePressedBarFollowsTheHeldButtonAndItsReleaseConfirms)
{
    GiveSpells(Ann, 1);
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 100, 32);
    EXPECT_EQ(Click(PageMain, 6, 2), MenuConfirmed);
    EXPECT_EQ(Menus.GetSelectedId(), MenuIdInformation);
    EXPECT_EQ(Menus.LastRow, 2);
    EXPECT_EQ(Menus.GetSelectedSpell(), -1);
}

TEST_F(Menu, ReleaseOnTitleSeparatorOrDisabledRowKeepsTheMenuOpen)
{
    Ann.HasMoved = 1;
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 100, 32);
    for (int row : {0, 1, 3}) {
        EXPECT_EQ(Click(PageMain, 2, row), MenuNotChoosable) << row;
        EXPECT_EQ(Menus.Panels[0].Pressed, -1);
        EXPECT_EQ(Menus.Panels[0].Hover, -1);
    }
    EXPECT_EQ(Menus.Panels[0].Count, 12);
    EXPECT_EQ(Menus.GetSelectedId(), 0);
}

TEST_F(Menu, ReleaseOffThePanelOrUnpressedConfirmsNothing)
{
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 100, 32);
    Menus.OnMouseDown(5, 5);  // nothing pressed: "no row" must not pass for "the pressed row"
    EXPECT_EQ(Menus.OnMouseUp(5, 5), MenuNoRow);
    EXPECT_EQ(Click(PageMain, 2, -5), MenuNoRow);
    EXPECT_EQ(Menus.Panels[0].Pressed, -1);
    const int x = Menus.Panels[0].X + 6, y = Menus.Panels[0].Y + 44;
    EXPECT_EQ(Menus.OnMouseUp(x, y), MenuNoRow) << "a selectable row released without a press";
    Menus.ResetAll();
    Menus.OnMouseDown(x, y);
    EXPECT_EQ(Menus.OnMouseUp(x, y), MenuNoRow) << "closed panels";
    EXPECT_EQ(Menus.GetSelectedId(), 0);
    EXPECT_EQ(Menus.LastRow, -1);
}

TEST_F(Menu, MainPageEnablesCommandsByTheTurnFlags)
{
    GiveSpells(Ann, 2);
    Ann.HasMoved = Ann.HasCast = Ann.HasDreamed = 1;
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 100, 32);
    const MENUPANEL& panel = Menus.Panels[0];
    EXPECT_EQ(Texts(0), (TEXTS{"Ann (Witch)", "", "Information", "Move / Attack", "", "Dreaming", "Cast Spell",
                               "Transfer Spell", "", "End Turn", "", "Cancel"}));
    const int ids[] = {-1, -1, 1, 2, -1, 3, 4, 5, -1, 19, -1, 7};
    const bool selectable[] = {false, false, true, false, false, false, false, false, false, true, false, true};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(panel.Items[i].Id, ids[i]) << i;
        EXPECT_EQ(panel.Items[i].IsSelectable(), selectable[i]) << i;
    }
    EXPECT_EQ(panel.Items[0].Colour, 0xc0c0ffu);
    EXPECT_EQ(panel.Items[11].Colour, 0xffff00u);

    Ann.ClearTurnFlags();
    Ann.Spells.Clear();
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 100, 32);
    EXPECT_TRUE(panel.Items[3].IsSelectable() && panel.Items[5].IsSelectable());
    EXPECT_FALSE(panel.Items[6].IsSelectable() || panel.Items[7].IsSelectable()) << "an empty hand casts nothing";
}

TEST_F(Menu, CreaturePagesHaveTheirOwnIdsOwnerAndNoScoreOrDreams)
{
    GiveSpells(Wolf, 1);
    Wolf.HasMoved = 1;
    Menus.OpenPieceMenu(PageMain, &Wolf, 100, 100, 32);
    EXPECT_EQ(Texts(0), (TEXTS{"Wolf (...)", "", "Information", "Move / Attack", "", "Cast Spell", "Transfer Spell",
                               "", "Cancel"}));
    EXPECT_FALSE(Menus.Panels[0].Items[3].IsSelectable());
    EXPECT_EQ(Menus.Panels[0].Items[5].Id, MenuIdCreatureCastSpell);
    EXPECT_EQ(Menus.Panels[0].Items[6].Id, MenuIdCreatureTransferSpell);
    Wolf.pOwner = &Ann;
    Wolf.Health = 3, Wolf.MaxHealth = 9, Wolf.Attack = 4, Wolf.Defence = 2;
    Menus.OpenPieceMenu(PageInformation, &Wolf, 100, 100, 32);
    EXPECT_EQ(Texts(1), (TEXTS{"Wolf (Ann)", "", "Health\t\t3 / 9", "Attack\t\t4", "Defence\t\t2", "", "Cancel"}));
    Menus.OpenPieceMenu(PageDreams, &Wolf, 100, 100, 32);
    EXPECT_EQ(Menus.Panels[1].Count + Menus.Panels[2].Count, 0);
}

TEST_F(Menu, InformationPageReplacesTheMainPage)
{
    Ann.Score = 120, Ann.Health = 7, Ann.MaxHealth = 20, Ann.Attack = 3, Ann.Defence = 1;
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 100, 32);
    Menus.OpenPieceMenu(PageInformation, &Ann, 100, 100, 32);
    EXPECT_EQ(Menus.Panels[0].Count, 0);
    EXPECT_EQ(Texts(1), (TEXTS{"Ann (Witch)", "Score\t\t120", "", "Health\t\t7 / 20", "Attack\t\t3", "Defence\t\t1",
                               "", "Cancel"}));
    EXPECT_EQ(Menus.Panels[1].Items[7].Id, MenuIdCancelInformation);
}

TEST_F(Menu, DreamRowsShowNameAndChanceInAShadeAndGiveTheirSlot)
{
    Ann.DreamSlots[0].Set(1, "Goblin", 95);
    Ann.DreamSlots[1].Set(2, "Troll", 100);
    Ann.DreamSlots[2].Set(3, "Imp", 19);
    Ann.DreamSlotCount = 3;
    Menus.OpenPieceMenu(PageDreams, &Ann, 100, 100, 32);
    EXPECT_EQ(Texts(2), (TEXTS{"Ann's Dreams", "", "Goblin (95%)", "Troll (100%)", "Imp (19%)", "", "Cancel"}));
    const MENUITEM* items = Menus.Panels[2].Items;
    EXPECT_EQ(items[0].Colour, 0xe0e0e0u);
    EXPECT_EQ(std::vector<std::uint32_t>({items[2].Colour, items[3].Colour, items[4].Colour}),
              std::vector<std::uint32_t>({0xfefefe, 0xffffff, 0xfafafa}));
    EXPECT_EQ(items[6].Id, MenuIdCancelDreams);
    ASSERT_EQ(Click(PageDreams, 3, 3), MenuConfirmed);
    EXPECT_EQ(Menus.GetSelectedId(), MenuIdDream);
    EXPECT_EQ(Menus.GetSelectedDream(), 1);
    for (auto [chance, colour] : {std::pair{80, 0xfefefe}, {79, 0xfdfdfd}, {60, 0xfdfdfd}, {40, 0xfcfcfc}, {20, 0xfbfbfb}})
        EXPECT_EQ(MENUS::GetDreamColour(chance), static_cast<std::uint32_t>(colour)) << chance;

    Ann.DreamSlotCount = 0;
    Menus.OpenPieceMenu(PageDreams, &Ann, 100, 100, 32);
    EXPECT_EQ(Texts(2), (TEXTS{"Ann's Dreams", "", "Empty", "", "Cancel"}));
}

TEST_F(Menu, SpellListsColourByCategoryAndGiveTheirHandRow)
{
    GiveSpells(Wolf, 2);
    Menus.OpenPieceMenu(PageTransferSpells, &Wolf, 100, 100, 32);
    EXPECT_EQ(Texts(4), (TEXTS{"Wolf's Spells", "", "Spell0 (50%)", "Spell1 (51%)", "", "Cancel"}));
    EXPECT_EQ(Menus.Panels[4].Items[2].Colour, 0xffc0c0u);
    EXPECT_EQ(Menus.Panels[4].Items[3].Colour, 0x00ffffu);
    EXPECT_EQ(Menus.Panels[4].Items[5].Id, MenuIdCancelSpells);
    ASSERT_EQ(Click(PageTransferSpells, 3, 3), MenuConfirmed);
    EXPECT_EQ(Menus.GetSelectedId(), MenuIdTransferListSpell);
    EXPECT_EQ(Menus.GetSelectedSpell(), 1);
    Menus.OpenPieceMenu(PageCastSpells, &Ann, 100, 100, 32);
    EXPECT_EQ(Texts(3), (TEXTS{"Ann's Spells", "", "Empty", "", "Cancel"}));
}

TEST_F(Menu, APanelHoldsSixteenRowsAtMost)
{
    const std::pair<int, const char*> cases[] = {{12, "Cancel"}, {1, ""}, {5, "Spell13 (63%)"}};
    for (auto [more, last] : cases) {
        GiveSpells(Ann, more);
        Menus.OpenPieceMenu(PageCastSpells, &Ann, 100, 100, 32);
        EXPECT_EQ(Menus.Panels[3].Count, 16);
        EXPECT_EQ(Texts(3).back(), last);
    }
}

TEST_F(Menu, RowTextsStopAtSixtyThreeCharacters)
{
    MENUPANEL& panel = Menus.Panels[5];
    panel.AddTitle(std::string(40, 'a').c_str(), std::string(40, 'a').c_str(), 0xffffff);
    panel.AddItem(std::string(100, 'b').c_str(), MenuIdInformation, true);
    panel.AddNumberLine(std::string(62, 'c').c_str(), 12345);
    EXPECT_EQ(Texts(5), (TEXTS{std::string(63, 'a'), std::string(63, 'b'), std::string(62, 'c') + "1"}));
}

TEST_F(Menu, PanelOpensBesideThePieceAndFlipsLeftWithTheMarginTwice)
{
    MENUPANEL& spare = Menus.Panels[5];
    for (int i = 0; i < 9; ++i)
        spare.AddLabel("W");
    spare.Width = 75;
    EXPECT_EQ(spare.GetWidth(), 80);
    EXPECT_EQ(spare.GetHeight(), 160);

    const MENUPANEL& panel = Menus.Panels[0];
    Menus.OpenPieceMenu(PageMain, &Ann, 100, 60, 32);
    EXPECT_EQ(panel.X, 13 + 100 + 32 + 8);
    EXPECT_EQ(panel.Y, 13 + 60 + 8);
    Menus.OpenPieceMenu(PageMain, &Ann, 560, 450, 32);
    EXPECT_EQ(panel.X + panel.GetWidth(), 13 + 560 + 21);
    EXPECT_EQ(panel.Y + panel.GetHeight(), 512);
}

TEST_F(Menu, DrawsTheFramePressedBarAndDarkenedDisabledRows)
{
    MENUPANEL& panel = Menus.Panels[5];
    panel.AddTitle("Ann", "", 0xc0c0ff);
    panel.AddItem("Go", MenuIdInformation, true);
    panel.AddColouredItem("Stop", MenuIdMoveAttack, 0x00ffff, false);
    panel.SetPosition(100, 50);
    panel.OnMouseDown(110, 78);
    std::vector<SPRITEDRAW> drawn;
    Small.pSprite->Record(&drawn);
    Menus.Draw();

    const float right = 100.0f + 8 + 8 * (panel.Width >> 3);
    auto xsOf = [&](char c, float y, std::uint32_t colour) {
        std::vector<float> xs;
        const GLYPH& glyph = Small.Glyph(c - FontFirstCharacter);
        for (const SPRITEDRAW& draw : drawn)
            if (draw.Source.Left == glyph.SourceX && draw.Source.Top == glyph.SourceY && draw.Translation.Y == y &&
                draw.Colour == colour)
                xs.push_back(draw.Translation.X);
        return xs;
    };
    EXPECT_EQ(xsOf('[', 50, 0xc800ff00), std::vector<float>{100});
    EXPECT_EQ(xsOf(']', 50, 0xc800ff00), std::vector<float>{right});
    EXPECT_EQ(xsOf('`', 86, 0xc800ff00), std::vector<float>{right + 4});
    EXPECT_EQ(xsOf('}', 102, 0xc800ff00), std::vector<float>{right});
    const std::vector<float> bar = xsOf('_', 70, 0xc8ff0000);
    EXPECT_EQ(bar.size(), static_cast<size_t>((panel.Width >> 3) + 1));
    EXPECT_EQ(bar.front(), 104);
    int darkened = 0;
    for (const SPRITEDRAW& draw : drawn)
        darkened += draw.Translation.Y == 86 && draw.Colour == 0xc000dfdf;
    EXPECT_EQ(darkened, 4);
    EXPECT_EQ(MENUPANEL::AdjustColour(0xffffff, -32), 0xdfdfdfu);
}

}  // namespace
