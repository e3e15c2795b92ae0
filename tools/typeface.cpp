// Glyphs are rendered with FreeType's greyscale rasteriser; the grey level is
// the ink's coverage and becomes the alpha of the painted colour.
#include "tools/typeface.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

TYPEFACE::TYPEFACE() : Library(nullptr), Face(nullptr), OneBit(false) {}

TYPEFACE::~TYPEFACE()
{
    if (Face != nullptr)
        FT_Done_Face(Face);
    if (Library != nullptr)
        FT_Done_FreeType(Library);
}

bool TYPEFACE::Open(const std::string& path, bool oneBit)
{
    OneBit = oneBit;
    if (Library == nullptr && FT_Init_FreeType(&Library) != 0) {
        Library = nullptr;
        return false;
    }
    if (Face != nullptr) {
        FT_Done_Face(Face);
        Face = nullptr;
    }
    if (FT_New_Face(Library, path.c_str(), 0, &Face) != 0) {
        Face = nullptr;
        return false;
    }
    return true;
}

bool TYPEFACE::Load(unsigned long code, int pixelSize, float xScale, float yScale)
{
    if (Face == nullptr)
        return false;
    FT_UInt index = FT_Get_Char_Index(Face, code);
    if (index == 0)
        return false;
    // A stretched size rather than a transform, so the hinting fits the stems to the texels after the stretch.
    const float size = static_cast<float>(pixelSize) * 64.0f;
    FT_Set_Char_Size(Face, std::lround(size * xScale), std::lround(size * yScale), 72, 72);
    return FT_Load_Glyph(Face, index, FT_LOAD_RENDER | (OneBit ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL)) == 0;
}

bool TYPEFACE::Measure(unsigned long code, int pixelSize, float xScale, float yScale, INKBOX& ink)
{
    if (!Load(code, pixelSize, xScale, yScale))
        return false;
    const FT_GlyphSlot slot = Face->glyph;
    ink = {slot->bitmap_left, -slot->bitmap_top, static_cast<int>(slot->bitmap.width),
           static_cast<int>(slot->bitmap.rows)};
    return true;
}

int TYPEFACE::Draw(CANVAS& canvas, unsigned long code, int x, int y, int pixelSize, float xScale, float yScale,
                   std::uint32_t rgb)
{
    if (!Load(code, pixelSize, xScale, yScale))
        return 0;
    const FT_GlyphSlot slot = Face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    for (unsigned int row = 0; row < bitmap.rows; row++) {
        for (unsigned int column = 0; column < bitmap.width; column++) {
            const unsigned char* line = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
            unsigned char level = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                      ? static_cast<unsigned char>((line[column / 8] >> (7 - column % 8) & 1) * 255)
                                      : line[column];
            if (level != 0)
                canvas.Blend(x + slot->bitmap_left + static_cast<int>(column),
                             y - slot->bitmap_top + static_cast<int>(row), Opaque(rgb),
                             static_cast<float>(level) / 255.0f);
        }
    }
    return static_cast<int>((slot->advance.x + 32) >> 6);
}

bool TYPEFACE::DrawFitted(CANVAS& canvas, unsigned long code, int left, int width, int top, int bottom, int y,
                          int pixelSize, std::uint32_t rgb, float widest)
{
    INKBOX ink{};
    for (int size = pixelSize; size >= 4; size--) {
        if (!Measure(code, size, 1.0f, 1.0f, ink))
            return false;
        if (y + ink.Top < top || y + ink.Top + ink.Height > bottom)
            continue;
        float squeeze = 1.0f;
        if (ink.Width > width) {
            squeeze = static_cast<float>(width) / static_cast<float>(ink.Width);
            for (int tries = 0; tries < 8 && Measure(code, size, squeeze, 1.0f, ink) && ink.Width > width; tries++)
                squeeze *= 0.95f;
        }
        if (ink.Width > width)
            continue;
        // A narrow glyph is widened step by step while it still fits, so it leaves no hole in a word.
        INKBOX wider{};
        for (float stretch = squeeze * 1.05f; stretch <= widest && ink.Width < width - 1; stretch *= 1.05f) {
            if (!Measure(code, size, stretch, 1.0f, wider) || wider.Width > width)
                break;
            squeeze = stretch;
            ink = wider;
        }
        int pen = left + (width - ink.Width) / 2 - ink.Left;
        Draw(canvas, code, pen, y, size, squeeze, 1.0f, rgb);
        return true;
    }
    return false;
}

bool TYPEFACE::DrawSpanning(CANVAS& canvas, unsigned long code, int width, int top, int bottom, int y, int pixelSize,
                            std::uint32_t rgb)
{
    // Past these the glyph would read as another weight: a wider advance then leaves its room round the ink.
    constexpr float NarrowestSpan = 0.85f;
    constexpr float WidestSpan = 1.35f;
    INKBOX ink{};
    if (!Load(code, pixelSize, 1.0f, 1.0f))
        return false;
    const int own = static_cast<int>((Face->glyph->advance.x + 32) >> 6);
    Measure(code, pixelSize, 1.0f, 1.0f, ink);
    // The face's own bearings stay; the ink takes up the rest of the advance.
    const int bearings = std::max(0, ink.Left) + std::max(0, own - ink.Left - ink.Width);
    const float span = ink.Width > 0 ? static_cast<float>(width - bearings) / static_cast<float>(ink.Width) : 1.0f;
    float xScale = std::clamp(span, NarrowestSpan, WidestSpan);
    bool ownBearings = span >= NarrowestSpan && span <= WidestSpan;
    float yScale = 1.0f;
    const int ascent = -ink.Top, descent = ink.Top + ink.Height;
    if (ascent > y - top)
        yScale = std::min(yScale, static_cast<float>(y - top) / static_cast<float>(ascent));
    if (descent > bottom - y)
        yScale = std::min(yScale, static_cast<float>(bottom - y) / static_cast<float>(descent));
    const int left = std::max(0, ink.Left);
    for (int tries = 0; tries < 8 && Measure(code, pixelSize, xScale, yScale, ink); tries++) {
        bool fits = ink.Width <= width && y + ink.Top >= top && y + ink.Top + ink.Height <= bottom;
        if (fits)
            break;
        if (ink.Width > width) {
            xScale *= static_cast<float>(width) / static_cast<float>(ink.Width + 1);
            ownBearings = false;
        } else {
            yScale *= 0.97f;
        }
    }
    int pen = ownBearings ? std::min(left, width - ink.Width) - ink.Left : (width - ink.Width) / 2 - ink.Left;
    Draw(canvas, code, pen, y, pixelSize, xScale, yScale, rgb);
    return true;
}

int TYPEFACE::TextWidth(const char* text, int pixelSize)
{
    int width = 0;
    for (const char* c = text; *c != '\0'; c++) {
        if (!Load(static_cast<unsigned char>(*c), pixelSize, 1.0f, 1.0f))
            continue;
        width += static_cast<int>((Face->glyph->advance.x + 32) >> 6);
    }
    return width;
}

void TYPEFACE::Text(CANVAS& canvas, const char* text, int x, int y, int pixelSize, std::uint32_t rgb)
{
    for (const char* c = text; *c != '\0'; c++)
        x += Draw(canvas, static_cast<unsigned char>(*c), x, y, pixelSize, 1.0f, 1.0f, rgb);
}
