// Renders text and single glyphs from a TrueType font (FreeType) into a canvas, in white or a given colour.
#pragma once

#include <cstdint>
#include <string>

#include "tools/canvas.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// Where a glyph's ink lies relative to its pen position and baseline, in texels.
struct INKBOX {
    int Left;    // first ink column, from the pen
    int Top;     // first ink row, from the baseline (negative: above it)
    int Width;
    int Height;
};

class TYPEFACE {
public:
    TYPEFACE();
    ~TYPEFACE();
    TYPEFACE(const TYPEFACE&) = delete;
    TYPEFACE& operator=(const TYPEFACE&) = delete;

    // False when the file is not a font FreeType reads; a one-bit face is rendered with the hinting meant for
    // one bit, every texel ink or not.
    bool Open(const std::string& path, bool oneBit = false);

    // Measures a character at a pixel size, scaled across by xScale and down by yScale (1: as designed); false
    // without a glyph.
    bool Measure(unsigned long code, int pixelSize, float xScale, float yScale, INKBOX& ink);
    // Paints a character with its pen at x and its baseline at y, scaled as Measure; the pen advance in texels.
    int Draw(CANVAS& canvas, unsigned long code, int x, int y, int pixelSize, float xScale, float yScale,
             std::uint32_t rgb);
    // Paints a character so its ink starts at column left and fits width columns and the rows top to bottom (exclusive),
    // shrinking it until it does, and widening it up to widest times while it is narrower than width - 1; its
    // baseline at y. False without a glyph.
    bool DrawFitted(CANVAS& canvas, unsigned long code, int left, int width, int top, int bottom, int y,
                    int pixelSize, std::uint32_t rgb, float widest = 1.0f);
    // Paints a character into the columns 0 to width - 1 as the face would set it in an advance of that width:
    // it keeps the face's side bearings and its ink is scaled across to fill the rest (within limits, else the
    // ink is centred), and the glyph is squeezed down only as far as the rows top to bottom (exclusive) need; its
    // baseline at y. False without a glyph.
    bool DrawSpanning(CANVAS& canvas, unsigned long code, int width, int top, int bottom, int y, int pixelSize,
                      std::uint32_t rgb);
    int TextWidth(const char* text, int pixelSize);  // pen advance of a line of text
    // Paints a line of text with its pen starting at x and its baseline at y.
    void Text(CANVAS& canvas, const char* text, int x, int y, int pixelSize, std::uint32_t rgb);

private:
    bool Load(unsigned long code, int pixelSize, float xScale, float yScale);

    FT_LibraryRec_* Library;
    FT_FaceRec_* Face;
    bool OneBit;
};
