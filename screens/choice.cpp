// The screens where the player picks how many dreamers play and which characters take part.
#include "screens/choice.h"

#include "base/config.h"
#include "graphics/background.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "screens/overlays.h"
#include "screens/screen_state.h"
#include "world/game.h"
#include "world/roster.h"
#include "world/texture_list.h"

namespace {

constexpr TEXTUREROW FirstPlayerCountImage = TextureCharNo2;  // the others follow up to 8 players
static_assert(FirstPlayerCountImage + PlayerCountButtons - 1 == TextureCharNo8, "the buttons' rows run unbroken");
constexpr TEXTUREROW UnlockedFrameImage = TextureCharType1;
constexpr TEXTUREROW LockedFrameImage = TextureCharType4;
constexpr int SecondLayerAlpha = 64;
constexpr int TitleRise = 50;                  // the title sits this far above the buttons or grid
constexpr int PortraitIndent = 16;
constexpr int NameDrop = 64;                   // the name sits under the frame

// A choice slot's portrait and name placed by hand, as the pictures differ in size and the names in length.
struct CHOICESLOT {
    int Slot;
    TEXTUREROW Portrait;  // texture-list row, also the roster character's picture
    int PortraitX;     // from the cell's left edge plus the indent
    int PortraitY;
    int NameX;
    std::uint32_t NameColour;
};

const CHOICESLOT ChoiceSlotRows[] = {
    {0, TextureCharM, 2, 2, 4, 0xc0ffc0},
    {1, TextureCharC, 0, 1, 10, 0xc0c0ff},
    {2, TextureCharD, 3, 1, 8, 0xffc0ff},
    {3, TextureCharE, 3, 1, 2, 0xffc0c0},
    {4, TextureCharF, 0, 2, -6, 0xffffc0},
    {5, TextureCharG, 3, 1, 5, 0xffffc0},
    {6, TextureCharH, 0, 1, -4, 0xc0ffc0},
    {7, TextureCharI, -2, 1, 12, 0xffc0c0},
    {8, TextureCharK, 0, 2, 2, 0xc0c0ff},
    {9, TextureCharL, 0, 2, -4, 0xffc0ff},
};
static_assert(sizeof(ChoiceSlotRows) / sizeof(ChoiceSlotRows[0]) == ChoiceSlots);
static_assert(ChoiceRows * ChoiceColumns == ChoiceSlots);

int CellX(int slot)
{
    return ChoiceLayout.ChoiceOriginX + ChoiceCellWidth * (slot % ChoiceColumns);
}

int CellY(int slot)
{
    return ChoiceLayout.ChoiceOriginY + ChoiceCellHeight * (slot / ChoiceColumns);
}

void DrawChoiceBackground()
{
    DrawScrollingBackground(ScreenBackgroundImage, ScreenBackgroundGrey, SecondLayerAlpha, 1, 1, 1);
}

void DrawScreenTitle(const char* title, int y)
{
    FontLarge.Begin();
    FontLarge.PrintColour((PictureWidth - FontLarge.GetTextWidth(title, false)) / 2, y - TitleRise, title, PaleGreen);
    FontLarge.End();
}

// Portraits and names of one row's unlocked slots: all portraits first, then all names.
void DrawChoiceRow(int row, int excluded)
{
    const int first = row * ChoiceColumns;
    for (int slot = first; slot < first + ChoiceColumns; slot++) {
        const CHOICESLOT& cell = ChoiceSlotRows[slot];
        if (Config.Unlocked[slot] != 0)
            DrawSprite(cell.Portrait, CellX(slot) + PortraitIndent + cell.PortraitX, CellY(slot) + cell.PortraitY,
                       nullptr, 1.0f, 1.0f, 0.0f, Opaque, GetSlotColour(slot, excluded, White), false);
    }
    for (int slot = first; slot < first + ChoiceColumns; slot++) {
        const CHOICESLOT& cell = ChoiceSlotRows[slot];
        if (Config.Unlocked[slot] != 0)
            FontSmall.PrintColour(CellX(slot) + cell.NameX, CellY(slot) + NameDrop,
                                  Game.Roster[SlotToRosterIndex(slot)].Name,
                                  GetSlotColour(slot, excluded, cell.NameColour));
    }
}

}  // namespace

CHOICELAYOUT ChoiceLayout;

void DrawPlayerCountScreen(int, int y)
{
    DrawChoiceBackground();
    ChoiceLayout.PlayerCountOriginX = PlayerCountRowX;
    ChoiceLayout.PlayerCountOriginY = y;
    for (int i = 0; i < PlayerCountButtons; i++)
        DrawSprite(FirstPlayerCountImage + i, ChoiceLayout.PlayerCountOriginX + PlayerCountSpacing * i, y, nullptr,
                   1.0f, 1.0f, 0.0f, Opaque, Screens.PlayerCountHover == i + 2 ? Yellow : White, false);
    DrawScreenTitle("How Many Will Vizor Today?", y);
    DrawBottomBar(ScreenBottomBarAlpha);
}

int GetPlayerCountAt(int px, int py)
{
    for (int i = 0; i < PlayerCountButtons; i++)
        if (PointInRect(px, py, ChoiceLayout.PlayerCountOriginX + PlayerCountSpacing * i,
                        ChoiceLayout.PlayerCountOriginY, PlayerCountButtonSize, PlayerCountButtonSize))
            return i + 2;
    return 0;
}

// A locked slot shows only its locked frame; on the opponent screen that frame is lit, as it can be chosen there.
void DrawCharacterChoice(int, int y, const char* title, int excluded, std::uint8_t showAll)
{
    DrawChoiceBackground();
    ChoiceLayout.ChoiceOriginX = ChoiceGridX;
    ChoiceLayout.ChoiceOriginY = y;
    DrawScreenTitle(title, y);
    FontSmall.Begin();
    for (int slot = 0; slot < ChoiceSlots; slot++) {
        const bool unlocked = Config.Unlocked[slot] != 0;
        std::uint32_t colour = Screens.ChoiceHover == slot ? Yellow : White;
        if (slot == excluded || (!unlocked && !showAll))
            colour = UnavailableGrey;
        DrawSprite(unlocked ? UnlockedFrameImage : LockedFrameImage, CellX(slot), CellY(slot), nullptr, 1.0f, 1.0f,
                   0.0f, Opaque, colour, false);
    }
    for (int row = 0; row < ChoiceRows; row++)
        DrawChoiceRow(row, excluded);
    FontSmall.End();
    DrawBottomBar(ScreenBottomBarAlpha);
}

std::uint32_t GetSlotColour(int slot, int excluded, std::uint32_t colour)
{
    if (slot == excluded || Config.Unlocked[slot] == 0)
        return UnavailableGrey;
    return colour;
}

// Only a flag of exactly 1 makes a slot choosable; other non-zero values draw as unlocked but stay out of reach.
int GetCharacterAt(int px, int py, int excluded, std::uint8_t showAll)
{
    for (int slot = 0; slot < ChoiceSlots; slot++) {
        if (slot == excluded || (Config.Unlocked[slot] != 1 && !showAll))
            continue;
        if (PointInRect(px, py, CellX(slot), CellY(slot), ChoiceFrameSize, ChoiceFrameSize))
            return slot;
    }
    return -1;
}
