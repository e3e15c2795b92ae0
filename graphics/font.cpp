// Glyph lookup, measuring and printing are shared by both fonts; only their tables, scales and spacing differ.
#include "graphics/font.h"

#include <cstring>
#include <iterator>

#include "base/eventlog.h"
#include "graphics/drawing.h"

FONT FontLarge;
FONT FontSmall;

namespace {

constexpr int TabStop = 32;
constexpr int HalfSpaceAdvance = 5;     // both fonts, whatever their own space width
constexpr int HalfLineHeight = 18;
constexpr float HalfScale = 0.5f;
constexpr VECTOR2 GlyphCentre = {16.0f, 16.0f};
constexpr int WideExtra = 2;

constexpr float LargeScale = 0.75f;
constexpr int LargeSpaceWidth = 8;
constexpr int LargeLineHeight = 26;
constexpr float SmallScale = 1.0f;
constexpr int SmallSpaceWidth = 4;
constexpr int SmallLineHeight = 16;

// The Latin-1 acute vowels and the glyph slots that hold their pictures.
struct ACCENTMAP {
    unsigned char Byte;
    unsigned char Slot;
};
constexpr int AccentMapRows = 10;
constexpr ACCENTMAP AccentMap[] = {
    {0xC1, '#'},   // A acute
    {0xC9, ';'},   // E acute
    {0xCD, '<'},   // I acute
    {0xD3, '='},   // O acute
    {0xDA, '>'},   // U acute
    {0xE1, '['},   // a acute
    {0xE9, '\\'},  // e acute
    {0xED, ']'},   // i acute
    {0xF3, '^'},   // o acute
    {0xFA, '_'},   // u acute
};
static_assert(std::size(AccentMap) == AccentMapRows);

}  // namespace

FONT::FONT() : pSprite(nullptr), Glyphs(), Folder(), GlyphCount(0), DrawScale(0.0f), SpaceWidth(0), LineHeight(0),
               pTextures(nullptr)
{
    Reset();
}

FONT::~FONT() = default;

void FONT::Reset()
{
    Sprite = SPRITEDRAWER();
    pSprite = nullptr;
    std::strcpy(Folder, FontFolder);
    pTextures = nullptr;
    GlyphCount = 0;
}

void FONT::SetTextures(TEXTURES* textures)
{
    pTextures = textures;
}

int FONT::GetNumberOfGlyphs() const
{
    return GlyphCount;
}

void FONT::InitLargeFont(DEVICE* device)
{
    DrawScale = LargeScale;
    SpaceWidth = LargeSpaceWidth;
    LineHeight = LargeLineHeight;
    LoadFont(device, LargeFontTable, FontGlyphs, true);
}

void FONT::InitSmallFont(DEVICE* device)
{
    DrawScale = SmallScale;
    SpaceWidth = SmallSpaceWidth;
    LineHeight = SmallLineHeight;
    LoadFont(device, SmallFontTable, FontGlyphs, false);
}

// Glyph i always loads into texture entry i, so the large font, loaded first, fills entries 0 to 94 and the
// small font's atlas, found in the cache after its first glyph, then stands in those same entries.
void FONT::LoadFont(DEVICE* device, const GLYPH* table, int count, bool wide)
{
    if (count <= 0)
        return;
    if (count > FontGlyphs)
        count = FontGlyphs;
    if (pSprite == nullptr) {
        if (device == nullptr) {
            LogError("FONT::Init", "D3DXCreateSprite Failed", 0, 0);
        } else {
            Sprite.Create(device);
            pSprite = &Sprite;
        }
    }
    for (int i = 0; i < count; ++i) {
        const GLYPH& row = table[i];
        GLYPH& glyph = Glyphs[i];
        glyph = row;
        glyph.File[0] = '\0';
        glyph.pTexture = nullptr;
        if (wide)
            glyph.Advance += WideExtra;
        LogError("FONT::LoadFont", row.File, i, 0);
        if (pTextures == nullptr)
            continue;
        if (row.File[0] != '\0') {
            pTextures->LoadTexture(Folder, row.File, pTextures->TextureSlot(i), nullptr, 0, MipFilterBox);
            glyph.pTexture = pTextures->Entry(i).Texture;
        } else {
            pTextures->AddEmptyTexture();
            glyph.pTexture = pTextures->Entry(0).Texture;
        }
    }
    GlyphCount = count;
}

void FONT::Begin()
{
    if (pSprite != nullptr)
        pSprite->Begin();
}

void FONT::End()
{
    if (pSprite != nullptr)
        pSprite->End();
}

int FONT::Print(int x, int y, const char* text, float rotationDegrees, std::uint32_t alpha, std::uint32_t rgb,
                bool half, int maximumWidth, bool centred)
{
    const std::uint32_t colour = alpha << 24 | rgb;
    const float scale = half ? HalfScale : DrawScale;
    const VECTOR2 scaling = {scale, scale};
    const float rotation = rotationDegrees * DegreesToRadians;
    const int lineStart = x;
    int remaining = maximumWidth;
    int lines = 0;
    if (centred)
        x += (maximumWidth - GetTextWidth(text, half)) >> 1;

    const auto newLine = [&]() {
        if (remaining <= 0)
            return;
        y += half ? HalfLineHeight : LineHeight;
        x = lineStart;
        remaining = maximumWidth;
        ++lines;
    };

    for (const char* p = text; *p != '\0'; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            newLine();
        } else if (c == '\t') {
            if (x > 0) {
                const int next = lineStart + ((x - lineStart) / TabStop + 1) * TabStop;
                remaining -= next - x;
                x = next;
            }
        } else if (c == ' ') {
            x += SpaceAdvance(half);
            remaining -= SpaceAdvance(half);
            if (!centred && GetTextWidthUntil(p + 1, ' ', half) > remaining)
                newLine();
        } else {
            const GLYPH* glyph = FindGlyph(c);
            if (glyph == nullptr)
                continue;
            if (pSprite != nullptr) {
                const int right = glyph->SourceX + glyph->Advance + (half ? (glyph->Advance & 1) : 0);
                const RECTANGLE source = {glyph->SourceX, glyph->SourceY, right, glyph->SourceY + glyph->Height};
                const float top = half ? static_cast<float>(y) + static_cast<float>(glyph->YOffset >> 1)
                                       : static_cast<float>(y) + static_cast<float>(glyph->YOffset) * DrawScale;
                pSprite->Draw(glyph->pTexture, &source, scaling, &GlyphCentre, rotation,
                              {static_cast<float>(x), top}, colour);
            }
            x += GlyphAdvance(*glyph, half);
            remaining -= GlyphAdvance(*glyph, half);
        }
    }
    return lines + 1;
}

int FONT::PrintHalf(int x, int y, const char* text, std::uint32_t rgb)
{
    return Print(x, y, text, 0.0f, 255, rgb, true, UnwrappedWidth, false);
}

int FONT::PrintHalfWhite(int x, int y, const char* text)
{
    return PrintHalf(x, y, text, White);
}

int FONT::PrintColour(int x, int y, const char* text, std::uint32_t rgb)
{
    return Print(x, y, text, 0.0f, 255, rgb, false, UnwrappedWidth, false);
}

unsigned char FONT::MapChar(unsigned char c)
{
    for (const ACCENTMAP& row : AccentMap)
        if (row.Byte == c)
            return row.Slot;
    return c;
}

int FONT::GetTextWidth(const char* text, bool half) const
{
    return GetTextWidthUntil(text, '\0', half);
}

int FONT::GetTextWidthUntil(const char* text, char stop, bool half) const
{
    if (GlyphCount == 0)
        return 0;
    int width = 0;
    for (const char* p = text; *p != '\0' && *p != stop; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\n')
            break;
        if (c == '\t') {
            if (width > 0)
                width = (width / TabStop + 1) * TabStop;
        } else if (c == ' ') {
            width += SpaceAdvance(half);
        } else if (const GLYPH* glyph = FindGlyph(c)) {
            width += GlyphAdvance(*glyph, half);
        }
    }
    return width;
}

const GLYPH& FONT::Glyph(int index) const
{
    return Glyphs[index];
}

float FONT::Scale() const
{
    return DrawScale;
}

// A character draws its own slot when it has one, so in the large font '#', ';', '[' and the like show the
// accented letters that MapChar sends there.
const GLYPH* FONT::FindGlyph(unsigned char c) const
{
    int index = c - FontFirstCharacter;
    if (index < 0 || index >= GlyphCount)
        index = MapChar(c) - FontFirstCharacter;
    if (index < 0 || index >= GlyphCount)
        return nullptr;
    return &Glyphs[index];
}

int FONT::GlyphAdvance(const GLYPH& glyph, bool half) const
{
    if (half)
        return (glyph.Advance + (glyph.Advance & 1)) / 2;
    return static_cast<int>(static_cast<float>(glyph.Advance) * DrawScale);
}

int FONT::SpaceAdvance(bool half) const
{
    return half ? HalfSpaceAdvance : SpaceWidth;
}
