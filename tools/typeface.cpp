// Glyphs are rendered with FreeType's greyscale rasteriser; the grey level is
// the ink's coverage and becomes the alpha of the painted colour.
#include "tools/typeface.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

TYPEFACE::TYPEFACE() : Library(nullptr), Face(nullptr) {}

TYPEFACE::~TYPEFACE()
{
    if (Face != nullptr)
        FT_Done_Face(Face);
    if (Library != nullptr)
        FT_Done_FreeType(Library);
}

bool TYPEFACE::Open(const std::string& path)
{
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

bool TYPEFACE::Load(unsigned long code, int pixelSize, float squeeze)
{
    if (Face == nullptr)
        return false;
    FT_UInt index = FT_Get_Char_Index(Face, code);
    if (index == 0)
        return false;
    FT_Set_Pixel_Sizes(Face, 0, static_cast<FT_UInt>(pixelSize));
    FT_Matrix matrix = {static_cast<FT_Fixed>(std::lround(squeeze * 65536.0f)), 0, 0, 0x10000};
    FT_Set_Transform(Face, &matrix, nullptr);
    return FT_Load_Glyph(Face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) == 0;
}

bool TYPEFACE::Measure(unsigned long code, int pixelSize, float squeeze, INKBOX& ink)
{
    if (!Load(code, pixelSize, squeeze))
        return false;
    const FT_GlyphSlot slot = Face->glyph;
    ink = {slot->bitmap_left, -slot->bitmap_top, static_cast<int>(slot->bitmap.width),
           static_cast<int>(slot->bitmap.rows)};
    return true;
}

int TYPEFACE::Draw(CANVAS& canvas, unsigned long code, int x, int y, int pixelSize, float squeeze, std::uint32_t rgb)
{
    if (!Load(code, pixelSize, squeeze))
        return 0;
    const FT_GlyphSlot slot = Face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    for (unsigned int row = 0; row < bitmap.rows; row++) {
        for (unsigned int column = 0; column < bitmap.width; column++) {
            unsigned char level = bitmap.buffer[static_cast<long>(row) * bitmap.pitch + column];
            if (level != 0)
                canvas.Blend(x + slot->bitmap_left + static_cast<int>(column),
                             y - slot->bitmap_top + static_cast<int>(row), Opaque(rgb),
                             static_cast<float>(level) / 255.0f);
        }
    }
    return static_cast<int>((slot->advance.x + 32) >> 6);
}

bool TYPEFACE::DrawFitted(CANVAS& canvas, unsigned long code, int left, int width, int top, int bottom, int y,
                          int pixelSize, std::uint32_t rgb)
{
    INKBOX ink{};
    for (int size = pixelSize; size >= 4; size--) {
        if (!Measure(code, size, 1.0f, ink))
            return false;
        if (y + ink.Top < top || y + ink.Top + ink.Height > bottom)
            continue;
        float squeeze = 1.0f;
        if (ink.Width > width) {
            squeeze = static_cast<float>(width) / static_cast<float>(ink.Width);
            for (int tries = 0; tries < 8 && Measure(code, size, squeeze, ink) && ink.Width > width; tries++)
                squeeze *= 0.95f;
        }
        if (ink.Width > width)
            continue;
        int pen = left + (width - ink.Width) / 2 - ink.Left;
        Draw(canvas, code, pen, y, size, squeeze, rgb);
        return true;
    }
    return false;
}

int TYPEFACE::TextWidth(const char* text, int pixelSize)
{
    int width = 0;
    for (const char* c = text; *c != '\0'; c++) {
        if (!Load(static_cast<unsigned char>(*c), pixelSize, 1.0f))
            continue;
        width += static_cast<int>((Face->glyph->advance.x + 32) >> 6);
    }
    return width;
}

void TYPEFACE::Text(CANVAS& canvas, const char* text, int x, int y, int pixelSize, std::uint32_t rgb)
{
    for (const char* c = text; *c != '\0'; c++)
        x += Draw(canvas, static_cast<unsigned char>(*c), x, y, pixelSize, 1.0f, rgb);
}
