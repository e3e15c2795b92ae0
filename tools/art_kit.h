// What the painters of the art generator share: the typefaces and the finishing touches of sprites.
#pragma once

#include <cstdint>
#include <string>

#include "tools/canvas.h"
#include "tools/dds_writer.h"
#include "tools/typeface.h"

// The DejaVu faces the pictures and glyphs are lettered with.
struct ARTKIT {
    TYPEFACE Sans;
    TYPEFACE Bold;
    TYPEFACE CondensedBold;
    TYPEFACE SerifBold;
    bool Open(const std::string& folder, std::string& error);  // false, naming the file, when one will not open
};

// A painted picture and how its soft alpha is cut to the one bit a texture keeps.
struct PICTURE {
    CANVAS Canvas;
    ALPHACUT Cut;
};

int PowerOfTwo(int n);  // the smallest power of two of at least n (1 for n below 2)

// Turns a white silhouette painted into the cell (x, y, w, h) into a shaded body: light at the top, darker
// below, with a dark outline one texel wide round it; the picture's alpha becomes solid or clear.
void ShadeBody(CANVAS& canvas, int x, int y, int w, int h);
// Paints into the cell at (toX, toY) a glow of the silhouette in the cell at (fromX, fromY): the shape widened
// by a texel and fading out over two more; white.
void PaintGlow(CANVAS& canvas, int fromX, int fromY, int toX, int toY, int w, int h);

PICTURE PaintCreatureSheet(int kind);         // creature kind 1 to 20: body cell then glow cell
PICTURE PaintDreamerPicture(int row);         // a character's picture for texture-list row 37, 62, 63 or 69 to 76
bool WriteFonts(ARTKIT& kit, const std::string& folder, std::string& error);  // the glyph files and the atlas
