// The texts drawn over the board in play and at the game's end, the bottom bar, and the name-entry screen.
#include "screens/overlays.h"

#include <cstdio>
#include <string>

#include "base/text.h"
#include "graphics/background.h"
#include "graphics/board.h"
#include "graphics/camera.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "screens/screen_state.h"
#include "screens/text_entry.h"
#include "world/game.h"

OVERLAYS Overlays;

namespace {

constexpr std::uint32_t BarTint = 0x8080ff;
constexpr std::uint32_t NameEntryTint = 0xcccccc;
constexpr std::uint32_t RgbMask = 0xffffff;  // a stored colour may carry stray high bits; the alpha is ours to add
constexpr int NameEntryBarAlpha = 128;  // the bar half see-through over the background

constexpr int BarTiles = 10;
constexpr int BarTileWidth = 64;
constexpr int BarY = PictureHeight - 38;
constexpr int MessageX = 8;
constexpr int MessageY = PictureHeight - 32;
constexpr int ScoreX = 5;
constexpr int ScoreY = -2;
constexpr int ScoreLineSize = 40;
constexpr int GameOverY = 250;
constexpr int GameOverTextSize = 128;
constexpr int DebugColumnWidth = 100;
constexpr int DebugValuesPerRow = 3;
constexpr int DebugFirstRowY = PictureHeight - 128;
constexpr int DebugSecondRowY = PictureHeight - 64;
constexpr float NameEntryScale = 1.25f;
constexpr int HighScoreTitleY = 50;
constexpr int NameEntryPromptY = 150;
constexpr int NameY = 200;
constexpr int CaretPhaseMask = 31;
constexpr int CaretShownAbove = 16;  // the caret shows on phases 17 to 31 of every 32 frames

// x at which a text of the given width stands in the middle of the screen.
int CentredX(int width)
{
    return (PictureWidth - width) >> 1;
}

void PrintCentred(FONT& font, int y, const char* text, std::uint32_t rgb)
{
    font.PrintColour(CentredX(font.GetTextWidth(text, false)), y, text, rgb);
}

}  // namespace

void DrawBottomBar(int alpha)
{
    for (int i = 0; i < BarTiles; i++)
        DrawSprite(BottomBarImage, i * BarTileWidth, BarY, nullptr, 1.0f, 1.0f, 0.0f, static_cast<std::uint32_t>(alpha),
                   BarTint, false);
}

void DrawMessageLine()
{
    DrawBottomBar(Opaque);
    FontLarge.Begin();
    int x = MessageX;
    for (int part = 0; part < MessageParts; part++) {
        // A later part never shows before an earlier one, whatever the delays.
        if (!Game.IsMessagePartShown(part))
            break;
        if (part > 0)
            x += FontLarge.GetTextWidth(Game.MessageText[part - 1], true);
        FontLarge.PrintHalf(x, MessageY, Game.MessageText[part], Game.MessageColour[part] & RgbMask);
    }
    FontLarge.End();
}

void DrawScoreTexts()
{
    FontSmall.Begin();
    for (const SCORETEXT& text : Game.ScoreTexts.Texts) {
        if (!text.IsActive)
            continue;
        // Two frames magenta, two cyan: the number flickers as it rises.
        const std::uint32_t rgb = (text.FramesLeft & 3) < 2 ? Magenta : Cyan;
        const int width = FontSmall.GetTextWidth(text.Text, false);
        FontSmall.PrintColour(text.X - (width >> 1) + BoardMargin, text.Y + BoardMargin, text.Text, rgb);
    }
    FontSmall.End();
}

void DrawScore()
{
    if (Game.CurrentPlayer >= 1)
        return;
    char text[ScoreLineSize];
    std::snprintf(text, sizeof text, "Score: %d", Game.Players[0].Score);
    FontSmall.Begin();
    FontSmall.PrintColour(ScoreX, ScoreY, text, White);
    FontSmall.End();
}

void DrawDebugValues()
{
    if (!Camera.DebugDisplay)
        return;
    FontLarge.Begin();
    for (int i = 0; i < DebugValueCount; i++) {
        const int x = (i % DebugValuesPerRow) * DebugColumnWidth;
        const int y = i < DebugValuesPerRow ? DebugFirstRowY : DebugSecondRowY;
        FontLarge.PrintHalfWhite(x, y, FloatToText(Overlays.DebugValues[i]).c_str());
    }
    FontLarge.End();
}

void DrawGameOverText()
{
    char text[GameOverTextSize];
    if (!Screens.GameWon)
        std::snprintf(text, sizeof text, "Game Over");
    else if (Screens.TitleChoice == 1)
        std::snprintf(text, sizeof text, "Congratulations!!! You Beat %s!",
                      Overlays.pOpponentName ? Overlays.pOpponentName : "");
    else
        std::snprintf(text, sizeof text, "Congratulations!!! You Survived!");
    FontLarge.Begin();
    PrintCentred(FontLarge, GameOverY, text, Cyan);
    FontLarge.End();
}

void DrawNameEntryScreen()
{
    DrawWrappedImage(NameEntryImage, NameEntryTint, NameEntryScale, Opaque, 0);
    DrawBottomBar(NameEntryBarAlpha);
    FontLarge.Begin();
    PrintCentred(FontLarge, HighScoreTitleY, "Congratulations!! You Scored A High Score!!", PaleGreen);
    PrintCentred(FontLarge, NameEntryPromptY, "Enter your name and press ENTER.", Yellow);
    // Placed by the name alone, so the name stays still while the caret blinks after it.
    const int width = FontLarge.GetTextWidth(TextEntry.GetText(false), false);
    const bool caret = (Overlays.NameEntryBlink & CaretPhaseMask) > CaretShownAbove;
    FontLarge.PrintColour(CentredX(width), NameY, TextEntry.GetText(caret), White);
    FontLarge.End();
    Overlays.NameEntryBlink++;
    if (Overlays.NameEntryBlink >= NameEntryBlinkPeriod)
        Overlays.NameEntryBlink = 0;
}
