// The game's two bitmap fonts of the printable ASCII characters: loading their glyphs, measuring and printing text.
#pragma once

#include <cstdint>

#include "graphics/textures.h"
#include "platform/device.h"

constexpr int FontGlyphs = 95;              // glyphs of a loaded font: character codes 32 to 126
constexpr int FontFirstCharacter = 32;      // glyph i is character code 32 + i
constexpr int GlyphFileSize = 20;           // a glyph file name and its terminator
constexpr int FontFolderSize = 32;
constexpr char FontFolder[] = "Textures\\Font\\";  // where both fonts' files are, "\\" between folders
static_assert(sizeof FontFolder <= FontFolderSize);
constexpr int UnwrappedWidth = 32767;       // a maximum width at which no line is ever wrapped

// One character: where its picture lies in its texture and how it moves the pen; also a row of a glyph table.
struct GLYPH {
    char File[GlyphFileSize];   // table rows only: the DDS file in the font's folder, empty for none
    int SourceX;                // top-left texel of the glyph in its texture
    int SourceY;
    int Height;                 // height of the source rectangle
    int YOffset;                // added to the pen's y when drawn
    int Advance;                // width of the source rectangle and pen advance, unscaled
    const TEXTURE* pTexture;    // filled when the font loads; belongs to the texture table
};

extern const GLYPH LargeFontTable[];  // FontGlyphs rows: one file per glyph, advances before widening
extern const GLYPH SmallFontTable[];  // FontGlyphs rows cut from the atlas "_Small.dds"

// A bitmap font drawn through its own sprite object; callers bracket their printing with Begin and End.
class FONT {
public:
    FONT();
    ~FONT();
    FONT(const FONT&) = delete;
    FONT& operator=(const FONT&) = delete;

    void Reset();                                // drops the sprite and glyphs; scale, space width and line height stay
    void SetTextures(TEXTURES* textures);        // the table the glyph textures are loaded into
    int GetNumberOfGlyphs() const;               // 95 once loaded, 0 before
    void InitLargeFont(DEVICE* device);          // one texture per glyph, drawn at three quarters size or half size
    void InitSmallFont(DEVICE* device);          // every glyph from the small atlas, drawn at full size
    // Takes count rows of the table (at most FontGlyphs), loading each glyph's texture; wide adds 2 to every advance.
    void LoadFont(DEVICE* device, const GLYPH* table, int count, bool wide);

    void Begin();                                // opens the font's sprite for printing; nothing without a sprite
    void End();                                  // closes it again

    // Prints from (x, y), wrapping at spaces past maximum width unless centred in it; the number of lines.
    int Print(int x, int y, const char* text, float rotationDegrees, std::uint32_t alpha, std::uint32_t rgb,
              bool half, int maximumWidth, bool centred);
    int PrintHalf(int x, int y, const char* text, std::uint32_t rgb);    // opaque, unwrapped, at half size
    int PrintHalfWhite(int x, int y, const char* text);                  // the same in white
    int PrintColour(int x, int y, const char* text, std::uint32_t rgb);  // opaque, unwrapped, at full size

    static unsigned char MapChar(unsigned char c);   // an acute vowel to the glyph slot that holds it, else c
    int GetTextWidth(const char* text, bool half) const;  // pixels up to the first newline
    int GetTextWidthUntil(const char* text, char stop, bool half) const;  // pixels up to stop or a newline

    SPRITEDRAWER* pSprite;                       // the font's own sprite object, null until loaded or when it failed

    const GLYPH& Glyph(int index) const;         // glyph 0 to GetNumberOfGlyphs() - 1
    float Scale() const;                         // drawing scale at full size

private:
    const GLYPH* FindGlyph(unsigned char c) const;
    int GlyphAdvance(const GLYPH& glyph, bool half) const;
    int SpaceAdvance(bool half) const;

    SPRITEDRAWER Sprite;
    GLYPH Glyphs[FontGlyphs];
    char Folder[FontFolderSize];
    int GlyphCount;
    float DrawScale;
    int SpaceWidth;
    int LineHeight;
    TEXTURES* pTextures;
};

extern FONT FontLarge;  // titles, banner, high scores and debug values
extern FONT FontSmall;  // names, score, floating numbers and the popup menus
