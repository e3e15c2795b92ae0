// The title screen drawn each frame in the title state, and the hit test of its two buttons.
#include "screens/title.h"

#include <cstdio>
#include <cstring>

#include "base/config.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "screens/overlays.h"
#include "screens/screen_state.h"

TITLESTATE Title;

namespace {

constexpr int SlowLayerAlpha = 64;
constexpr int FastLayerAlpha = 128;
constexpr TEXTUREROW TitleImage = TextureTitle;
constexpr int TitleImageWidth = 256;
constexpr int TitleY = 50;
constexpr int TableWidth = 360;
constexpr int TableY = 130;
constexpr int TableRowHeight = 20;
constexpr int RankIndent = 12;             // single-digit ranks, so their digit lines up with the 0 of "10"
constexpr int NameX = 50;
constexpr int RankTextSize = 4;
constexpr int ScoreFieldSize = 12;          // a sign, ten digits and the terminator: every int fits
constexpr int PhaseFrameMask = 7;          // the phase moves on when the counter's low three bits are all set

struct RAINBOWCOLOUR {
    int Index;
    std::uint32_t Colour;
};

// Symmetric about index 5, so the colours run up to magenta and back across the ten rows.
const RAINBOWCOLOUR RainbowColours[] = {
    {0, 0xffc0c0},
    {1, 0xffffc0},
    {2, 0xc0ffc0},
    {3, 0xc0ffff},
    {4, 0xc0c0ff},
    {5, 0xffc0ff},
    {6, 0xc0c0ff},
    {7, 0xc0ffff},
    {8, 0xc0ffc0},
    {9, 0xffffc0},
};
static_assert(sizeof(RainbowColours) / sizeof(RainbowColours[0]) == RainbowPhases);

struct TITLEBUTTON {
    TEXTUREROW Image;
    int X;
    int Y;
};

const TITLEBUTTON TitleButtonRows[] = {
    {TextureCharType2, 48, PictureHeight - 160},   // free game
    {TextureCharType3, 336, PictureHeight - 160},  // challenge
};
static_assert(sizeof(TitleButtonRows) / sizeof(TitleButtonRows[0]) == TitleButtons);

}  // namespace

// The slow layer goes under the title and the fast one over it, so the title seems to sit between two skies.
void DrawTitleScreen()
{
    DrawScrollingBackground(ScreenBackgroundImage, ScreenBackgroundGrey, SlowLayerAlpha, 0, 1, 0);
    DrawSprite(TitleImage, (PictureWidth - TitleImageWidth) >> 1, TitleY, nullptr, 1.0f, 1.0f, 0.0f, Opaque, Yellow,
               false);
    DrawScrollingBackground(ScreenBackgroundImage, ScreenBackgroundGrey, FastLayerAlpha, 1, 0, 1);
    DrawHiScoreTable((PictureWidth - TableWidth) >> 1, TableY);
    for (int i = 0; i < TitleButtons; i++) {
        const TITLEBUTTON& button = TitleButtonRows[i];
        DrawSprite(button.Image, button.X, button.Y, nullptr, 1.0f, 1.0f, 0.0f, Opaque,
                   Screens.TitleHover == i ? Yellow : White, false);
    }
    DrawBottomBar(ScreenBottomBarAlpha);
}

// A name read from the file need not end within its field, so at most the field's bytes are shown.
void DrawHiScoreTable(int x, int y)
{
    FontLarge.Begin();
    const int phase = NextColourPhase();
    for (int r = 0; r < HiScoreRows; r++) {
        const HISCORE& row = Config.HiScores.Rows[r];
        const std::uint32_t colour = GetRainbowColour(r, phase);
        const int lineY = y + TableRowHeight * r;
        char rank[RankTextSize];
        std::snprintf(rank, sizeof(rank), "%d", r + 1);
        FontLarge.PrintHalf(r + 1 < 10 ? x + RankIndent : x, lineY, rank, colour);
        char name[HiScoreNameSize + 1];
        std::memcpy(name, row.PlayerName, HiScoreNameSize);
        name[HiScoreNameSize] = '\0';
        FontLarge.PrintHalf(x + NameX, lineY, name, colour);
        char score[ScoreFieldSize];
        std::snprintf(score, sizeof(score), "%d", row.Score);
        FontLarge.PrintHalf(x + TableWidth - FontLarge.GetTextWidth(score, true), lineY, score, colour);
    }
    FontLarge.End();
}

int NextColourPhase()
{
    if ((Title.ColourFrame & PhaseFrameMask) == PhaseFrameMask) {
        Title.ColourPhase++;
        if (Title.ColourPhase == RainbowPhases)
            Title.ColourPhase = 0;
    }
    Title.ColourFrame++;
    if (Title.ColourFrame == ColourFrameWrap)
        Title.ColourFrame = 0;
    return Title.ColourPhase;
}

std::uint32_t GetRainbowColour(int row, int phase)
{
    int k = row + phase;
    if (k >= RainbowPhases)
        k -= RainbowPhases;
    for (const RAINBOWCOLOUR& entry : RainbowColours)
        if (entry.Index == k)
            return entry.Colour;
    return White;
}

int GetTitleButtonAt(int x, int y)
{
    for (int i = 0; i < TitleButtons; i++) {
        const TITLEBUTTON& button = TitleButtonRows[i];
        if (PointInRect(x, y, button.X, button.Y, TitleButtonWidth, TitleButtonHeight))
            return i;
    }
    return -1;
}
