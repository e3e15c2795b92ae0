// Popup menu panels: rows, their frame and bars drawn from the small font's glyphs, and the pointer protocol.
#include "screens/menus.h"

#include <cstdio>
#include <cstring>

#include "graphics/board.h"
#include "graphics/drawing.h"
#include "graphics/font.h"

MENUS Menus(PictureWidth, PictureHeight, BoardMargin, BoardMargin);

namespace {

constexpr std::uint32_t ResetFrameColour = 0x00ff00;
constexpr std::uint32_t ResetAlpha = 200;
constexpr std::uint32_t PressedBarColour = 0xff0000;
constexpr std::uint32_t HoverBarColour = 0x0000ff;
constexpr std::uint32_t EnabledTextAlpha = 255;
constexpr std::uint32_t DisabledTextAlpha = 192;
constexpr int DisabledTextShade = -32;

// The small font's atlas holds the frame pieces and bars at these characters.
constexpr char FrameTopLeft = '[';
constexpr char FrameTop = '\\';
constexpr char FrameTopRight = ']';
constexpr char FrameLeft = '^';
constexpr char FrameFill = '_';
constexpr char FrameRight = '`';
constexpr char FrameBottomLeft = '{';
constexpr char FrameBottom = '|';
constexpr char FrameBottomRight = '}';
constexpr char SeparatorGlyph = '*';

// One glyph at full size and unturned, its source rectangle as wide as its advance.
void DrawGlyph(FONT& font, char c, int x, int y, std::uint32_t alpha, std::uint32_t colour)
{
    const int index = c - FontFirstCharacter;
    if (font.pSprite == nullptr || index < 0 || index >= font.GetNumberOfGlyphs())
        return;
    const GLYPH& glyph = font.Glyph(index);
    const RECTANGLE source = {glyph.SourceX, glyph.SourceY, glyph.SourceX + glyph.Advance,
                              glyph.SourceY + glyph.Height};
    font.pSprite->Draw(glyph.pTexture, &source, {1.0f, 1.0f}, nullptr, 0.0f,
                       {static_cast<float>(x), static_cast<float>(y)}, colour | alpha << 24);
}

// A run of the same glyph every 8 pixels to the right.
void DrawGlyphRun(FONT& font, char c, int count, int x, int y, std::uint32_t alpha, std::uint32_t colour)
{
    for (int i = 0; i < count; ++i)
        DrawGlyph(font, c, x + i * MenuStep, y, alpha, colour);
}

void PrintAlphaColour(FONT& font, int x, int y, const char* text, std::uint32_t alpha, std::uint32_t colour)
{
    font.Print(x, y, text, 0.0f, alpha, colour, false, UnwrappedWidth, false);
}

}  // namespace

void MENUITEM::Set(const char* text, MENUID id, std::uint32_t colour, bool enabled, bool separator, bool label)
{
    std::snprintf(Text, sizeof Text, "%s", text);
    Id = id;
    Colour = colour;
    IsUsed = 1;
    IsEnabled = enabled;
    IsSeparator = separator;
    IsLabel = label;
}

bool MENUITEM::IsSelectable() const
{
    return IsEnabled && !IsSeparator && !IsLabel;
}

void MENUPANEL::Reset()
{
    Count = 0;
    Hover = -1;
    Pressed = -1;
    Widest = 0;
    FrameColour = ResetFrameColour;
    Alpha = ResetAlpha;
}

void MENUPANEL::SetFont(FONT* font)
{
    pFont = font;
}

void MENUPANEL::SetPosition(int x, int y)
{
    X = x;
    Y = y;
}

int MENUPANEL::GetWidth() const
{
    return (Width & ~(MenuStep - 1)) + MenuStep;
}

int MENUPANEL::GetHeight() const
{
    return Rows * MenuRowHeight + MenuRowHeight;
}

void MENUPANEL::AddEntry(const char* text, MENUID id, std::uint32_t colour, bool enabled, bool separator, bool label)
{
    if (Count >= MenuRowLimit)
        return;
    MENUITEM& item = Items[Count];
    item.Set(text, id, colour, enabled, separator, label);
    if (pFont != nullptr) {
        const int width = pFont->GetTextWidth(item.Text, false);
        if (width > Widest)
            Widest = width;
    }
    ++Count;
    Hover = 0;
    Width = Widest;
    Rows = Count;
}

void MENUPANEL::AddItem(const char* text, MENUID id, bool enabled)
{
    AddEntry(text, id, White, enabled, false, false);
}

void MENUPANEL::AddColouredItem(const char* text, MENUID id, std::uint32_t colour, bool enabled)
{
    AddEntry(text, id, colour, enabled, false, false);
}

void MENUPANEL::AddLabel(const char* text)
{
    AddEntry(text, MenuIdNone, White, true, false, true);
}

void MENUPANEL::AddTitle(const char* first, const char* second, std::uint32_t colour)
{
    char text[MenuTextSize];
    std::snprintf(text, sizeof text, "%s%s", first, second);
    AddEntry(text, MenuIdNone, colour, true, false, true);
}

void MENUPANEL::AddTextLine(const char* first, const char* second)
{
    AddTitle(first, second, White);
}

void MENUPANEL::AddNumberLineColoured(const char* first, int n, std::uint32_t colour)
{
    char text[MenuTextSize];
    std::snprintf(text, sizeof text, "%s%d", first, n);
    AddEntry(text, MenuIdNone, colour, true, false, true);
}

void MENUPANEL::AddNumberLine(const char* first, int n)
{
    AddNumberLineColoured(first, n, White);
}

void MENUPANEL::AddSeparator()
{
    AddEntry("", MenuIdNone, White, true, true, false);
}

void MENUPANEL::Draw()
{
    if (Count <= 0 || pFont == nullptr)
        return;
    pFont->Begin();
    DrawFrame(X, Y, FrameColour);
    DrawItems(X + MenuInset, Y + MenuInset);
    pFont->End();
}

void MENUPANEL::DrawItems(int x, int y)
{
    if (pFont == nullptr)
        return;
    const int steps = Width >> 3;
    for (int row = 0; row < Count; ++row, y += MenuRowHeight) {
        const MENUITEM& item = Items[row];
        if (item.IsSeparator) {
            DrawGlyphRun(*pFont, SeparatorGlyph, steps + 1, x, y, Alpha, FrameColour);
            continue;
        }
        if (item.IsSelectable()) {
            if (row == Pressed)
                DrawHighlight(x, y, PressedBarColour);
            else if (row == Hover)
                DrawHighlight(x, y, HoverBarColour);
        }
        if (!item.IsUsed)
            continue;
        if (item.IsEnabled)
            PrintAlphaColour(*pFont, x + MenuTextIndent, y, item.Text, EnabledTextAlpha, item.Colour);
        else
            PrintAlphaColour(*pFont, x + MenuTextIndent, y, item.Text, DisabledTextAlpha,
                             AdjustColour(item.Colour, DisabledTextShade));
    }
}

void MENUPANEL::DrawFrame(int x, int y, std::uint32_t colour)
{
    DrawFrameSized(x, y, Width, Rows * MenuRowHeight, colour);
}

void MENUPANEL::DrawFrameSized(int x, int y, int width, int height, std::uint32_t colour)
{
    if (pFont == nullptr)
        return;
    const int steps = width >> 3;
    const int bands = height >> 4;
    FONT& font = *pFont;
    DrawGlyph(font, FrameTopLeft, x, y, Alpha, colour);
    DrawGlyphRun(font, FrameTop, steps, x + MenuStep, y, Alpha, colour);
    DrawGlyph(font, FrameTopRight, x + MenuStep + MenuStep * steps, y, Alpha, colour);
    for (int band = 0; band < bands; ++band) {
        const int bandY = y + MenuInset + band * MenuRowHeight;
        DrawGlyph(font, FrameLeft, x, bandY, Alpha, colour);
        DrawGlyphRun(font, FrameFill, steps + 1, x + MenuInset, bandY, Alpha, colour);
        DrawGlyph(font, FrameRight, x + MenuInset + MenuStep + MenuStep * steps, bandY, Alpha, colour);
    }
    const int bottomY = y + MenuInset + MenuRowHeight * bands;
    DrawGlyph(font, FrameBottomLeft, x, bottomY, Alpha, colour);
    DrawGlyphRun(font, FrameBottom, steps, x + MenuStep, bottomY, Alpha, colour);
    DrawGlyph(font, FrameBottomRight, x + MenuStep + MenuStep * steps, bottomY, Alpha, colour);
}

void MENUPANEL::DrawHighlight(int x, int y, std::uint32_t colour)
{
    if (pFont != nullptr)
        DrawGlyphRun(*pFont, FrameFill, (Width >> 3) + 1, x, y, Alpha, colour);
}

std::uint32_t MENUPANEL::AdjustColour(std::uint32_t colour, int delta)
{
    std::uint32_t adjusted = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        int byte = static_cast<int>(colour >> shift & 0xff) + delta;
        if (byte < 0)
            byte = 0;
        if (byte > 0xff)
            byte = 0xff;
        adjusted |= static_cast<std::uint32_t>(byte) << shift;
    }
    return adjusted;
}

int MENUPANEL::HitTest(int x, int y) const
{
    if (x < X + MenuInset || x > X + Width + MenuInset || y < Y + MenuInset || y > Y + Rows * MenuRowHeight + MenuInset)
        return -1;
    const int row = (y - (Y + MenuInset)) / MenuRowHeight;
    return row < Count ? row : -1;
}

void MENUPANEL::OnMouseMove(int x, int y)
{
    if (Count <= 0)
        return;
    const int row = HitTest(x, y);
    if (row < 0)
        return;
    Hover = row;
    if (Pressed >= 0)
        Pressed = row;
}

void MENUPANEL::OnMouseDown(int x, int y)
{
    if (Count <= 0)
        return;
    const int row = HitTest(x, y);
    if (row >= 0)
        Pressed = row;
}

// A release off the panel is told apart before any row is read.
MENURESULT MENUPANEL::OnMouseUp(int x, int y)
{
    if (Count <= 0)
        return MenuNoRow;
    const int row = HitTest(x, y);
    if (row < 0) {
        Pressed = -1;
        return MenuNoRow;
    }
    if (!Items[row].IsSelectable()) {
        Pressed = -1;
        Hover = -1;
        return MenuNotChoosable;
    }
    if (row == Pressed)
        return MenuConfirmed;
    Pressed = -1;
    return MenuNoRow;
}

MENUID MENUPANEL::GetPressedId() const
{
    if (Pressed < 0 || Pressed >= Count)
        return MenuIdNone;
    return Items[Pressed].Id;
}

MENUS::MENUS(int screenWidth, int screenHeight, int marginX, int marginY)
    : ScreenWidth(screenWidth), ScreenHeight(screenHeight), MarginX(marginX), MarginY(marginY)
{
    for (MENUPANEL& panel : Panels)
        panel.Reset();
}

void MENUS::SetFont(FONT* font)
{
    for (MENUPANEL& panel : Panels)
        panel.SetFont(font);
}

void MENUS::ResetAll()
{
    for (MENUPANEL& panel : Panels)
        panel.Reset();
}

void MENUS::Draw()
{
    for (MENUPANEL& panel : Panels)
        panel.Draw();
}

void MENUS::OnMouseMove(int x, int y)
{
    for (MENUPANEL& panel : Panels)
        panel.OnMouseMove(x, y);
}

void MENUS::OnMouseDown(int x, int y)
{
    for (MENUPANEL& panel : Panels)
        panel.OnMouseDown(x, y);
}

MENURESULT MENUS::OnMouseUp(int x, int y)
{
    for (MENUPANEL& panel : Panels) {
        const int result = panel.OnMouseUp(x, y);
        if (result == MenuConfirmed) {
            LastId = panel.GetPressedId();
            LastRow = panel.Pressed;
            return MenuConfirmed;
        }
        if (result == MenuNotChoosable)
            return MenuNotChoosable;
    }
    return MenuNoRow;
}

MENUID MENUS::GetSelectedId() const
{
    return LastId;
}

int MENUS::GetSelectedSpell() const
{
    if (LastId == MenuIdCastListSpell || LastId == MenuIdTransferListSpell)
        return LastRow - MenuListFirstRow;
    return -1;
}

int MENUS::GetSelectedDream() const
{
    if (LastId == MenuIdDream)
        return LastRow - MenuListFirstRow;
    return -1;
}

// A panel that would run off the right edge flips to the piece's left; the board margin is added a second
// time there, so the flipped panel covers part of the piece. No left or top clamp.
void MENUS::PlacePanel(int page, int x, int y, int width)
{
    if (page < 0 || page >= MenuPanelCount)
        return;
    MENUPANEL& panel = Panels[page];
    int left = MarginX + x + width + MenuPlacementGap;
    int top = MarginY + y + MenuPlacementGap;
    if (left > ScreenWidth - panel.GetWidth())
        left = MarginX + (left - width - panel.GetWidth());
    if (top > ScreenHeight - panel.GetHeight())
        top = ScreenHeight - panel.GetHeight();
    panel.SetPosition(left, top);
}
