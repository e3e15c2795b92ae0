// Sprites are drawn tinted by the game, so bodies are painted in light greys
// that keep their shading under any team colour, and outlined in dark grey so
// that two pieces side by side stay apart.
#include "tools/art_kit.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::uint32_t Solid = 128;  // the alpha from which a texel counts as ink
constexpr std::uint32_t OutlineColour = 0xff303038u;

bool IsInk(const CANVAS& canvas, int x, int y, int left, int top, int right, int bottom)
{
    if (x < left || y < top || x >= right || y >= bottom)
        return false;
    return AlphaOf(canvas.At(x, y)) >= Solid;
}

}  // namespace

bool ARTKIT::Open(const std::string& folder, std::string& error)
{
    struct FACEFILE {
        TYPEFACE* face;
        const char* file;
        bool oneBit;
    };
    // The small font's face is drawn texel for texel, so it takes the hinting made for one bit.
    const FACEFILE files[] = {
        {&Sans, "DejaVuSans.ttf", false},
        {&Bold, "DejaVuSans-Bold.ttf", false},
        {&CondensedBold, "DejaVuSansCondensed-Bold.ttf", true},
        {&SerifBold, "DejaVuSerif-Bold.ttf", false},
    };
    for (const FACEFILE& file : files) {
        std::string path = folder + "/" + file.file;
        if (!file.face->Open(path, file.oneBit)) {
            error = "cannot open the font " + path;
            return false;
        }
    }
    return true;
}

int PowerOfTwo(int n)
{
    int power = 1;
    while (power < n)
        power *= 2;
    return power;
}

void ShadeBody(CANVAS& canvas, int x, int y, int w, int h)
{
    std::vector<bool> ink(static_cast<std::size_t>(w) * h);
    for (int row = 0; row < h; row++)
        for (int column = 0; column < w; column++)
            ink[static_cast<std::size_t>(row) * w + column] = IsInk(canvas, x + column, y + row, x, y, x + w, y + h);
    for (int row = 0; row < h; row++) {
        for (int column = 0; column < w; column++) {
            std::uint32_t texel = canvas.At(x + column, y + row);
            if (!ink[static_cast<std::size_t>(row) * w + column]) {
                canvas.Set(x + column, y + row, 0x00ffffffu);
                continue;
            }
            bool edge = false;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) {
                    int cx = column + dx, cy = row + dy;
                    if (cx < 0 || cy < 0 || cx >= w || cy >= h || !ink[static_cast<std::size_t>(cy) * w + cx])
                        edge = true;
                }
            if (edge) {
                canvas.Set(x + column, y + row, OutlineColour);
                continue;
            }
            // A painted detail keeps its own colour; plain silhouette white takes the light from above.
            if ((texel & 0x00ffffffu) == 0x00ffffffu) {
                float t = h > 1 ? static_cast<float>(row) / static_cast<float>(h - 1) : 0.0f;
                canvas.Set(x + column, y + row, Mix(0xfffcfcfcu, 0xffa8a8b0u, t));
            } else {
                canvas.Set(x + column, y + row, 0xff000000u | texel);
            }
        }
    }
}

void PaintGlow(CANVAS& canvas, int fromX, int fromY, int toX, int toY, int w, int h)
{
    constexpr int Reach = 3;
    for (int row = 0; row < h; row++) {
        for (int column = 0; column < w; column++) {
            int nearest = Reach + 1;
            for (int dy = -Reach; dy <= Reach; dy++)
                for (int dx = -Reach; dx <= Reach; dx++) {
                    int cx = column + dx, cy = row + dy;
                    if (cx < 0 || cy < 0 || cx >= w || cy >= h)
                        continue;
                    if (AlphaOf(canvas.At(fromX + cx, fromY + cy)) >= Solid)
                        nearest = std::min(nearest, std::max(std::abs(dx), std::abs(dy)));
                }
            if (nearest > Reach)
                continue;
            std::uint32_t alpha = nearest <= 1 ? 255u : nearest == 2 ? 150u : 70u;
            canvas.Set(toX + column, toY + row, Argb(alpha, 255, 255, 255));
        }
    }
}
