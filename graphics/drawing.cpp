// Sprite and line drawing: every picture of the game reaches the screen through here; and the device's triangles of
// bare positions, which only the shadow drawing uses.
#include "graphics/drawing.h"

#include "graphics/font.h"
#include "graphics/textures.h"

DRAWING Drawing;

namespace {

const RECTANGLE BarFrame{0, 6, 32, 11};
constexpr int BarFillHeight = 3;

// The texture-list images follow the large font's glyphs in the texture table; the base is asked
// each time, as the fonts are loaded before the list.
const TEXTURE* ImageTexture(int image)
{
    const int entry = FontLarge.GetNumberOfGlyphs() + image;
    if (entry < 0 || entry >= MaxTextures)
        return nullptr;
    return Textures.Entry(entry).Texture;
}

std::uint32_t Colour(std::uint32_t alpha, std::uint32_t rgb)
{
    return alpha << 24 | rgb;
}

}  // namespace

// The picture keeps the place of its unscaled source and shrinks or grows about that source's centre.
// A mirrored picture is flipped about its left edge, so it is moved right by the source's width and
// one pixel more; without a source nothing is known of the size and the top-left stays at (x, y).
void DrawSprite(int image, int x, int y, const RECTANGLE* source, float scaleX, float scaleY, float rotation,
                std::uint32_t alpha, std::uint32_t rgb, bool mirror)
{
    if (Drawing.pSprite2D == nullptr)
        return;
    VECTOR2 scaling{scaleX, scaleY};
    VECTOR2 translation{static_cast<float>(x), static_cast<float>(y)};
    const int w = source != nullptr ? source->Right - source->Left : 0;
    const int h = source != nullptr ? source->Bottom - source->Top : 0;
    if (mirror) {
        scaling.X = -scaleX;
        if (source != nullptr)
            translation.X += static_cast<float>(w + 1);
    }
    if (source != nullptr) {
        const float sw = static_cast<float>(w) * scaleX;
        const float sh = static_cast<float>(h) * scaleY;
        translation.Y += (static_cast<float>(h) - sh) * 0.5f;
        if (mirror)
            translation.X -= (static_cast<float>(w) - sw) * 0.5f;
        else
            translation.X += (static_cast<float>(w) - sw) * 0.5f;
    }
    Drawing.pSprite2D->Draw(ImageTexture(image), source, scaling, nullptr, rotation, translation, Colour(alpha, rgb));
}

void DrawSpriteNoRect(int image, int x, int y, float scaleX, float scaleY, float rotation, std::uint32_t alpha,
                      std::uint32_t rgb, bool mirror)
{
    DrawSprite(image, x, y, nullptr, scaleX, scaleY, rotation, alpha, rgb, mirror);
}

// Unscaled, the centre of turning is the picture's middle in whole pixels and the scale still goes to the drawer.
void DrawSpriteEx(int image, int x, int y, int width, int height, const RECTANGLE* source, float scaleX,
                  float scaleY, float rotation, std::uint32_t alpha, std::uint32_t rgb, bool scaled, bool centred)
{
    if (Drawing.pSprite2D == nullptr)
        return;
    const VECTOR2 scaling{scaleX, scaleY};
    VECTOR2 translation{static_cast<float>(x), static_cast<float>(y)};
    VECTOR2 centre{static_cast<float>(width >> 1), static_cast<float>(height >> 1)};
    if (scaled) {
        const float sw = static_cast<float>(width) * scaleX;
        const float sh = static_cast<float>(height) * scaleY;
        if (centred) {
            translation.X += (static_cast<float>(width) - sw) * 0.5f;
            translation.Y += (static_cast<float>(height) - sh) * 0.5f;
        }
        centre = VECTOR2{sw * 0.5f, sh * 0.5f};
    }
    Drawing.pSprite2D->Draw(ImageTexture(image), source, scaling, &centre, rotation, translation, Colour(alpha, rgb));
}

void DrawSpriteExNoRect(int image, int x, int y, int width, int height, float scaleX, float scaleY, float rotation,
                        std::uint32_t alpha, std::uint32_t rgb, bool scaled, bool centred)
{
    DrawSpriteEx(image, x, y, width, height, nullptr, scaleX, scaleY, rotation, alpha, rgb, scaled, centred);
}

void DrawLine(int x1, int y1, int x2, int y2, int width, std::uint32_t alpha, std::uint32_t rgb)
{
    if (Drawing.pLine == nullptr)
        return;
    Drawing.pLine->SetWidth(static_cast<float>(width));
    Drawing.pLine->Begin();
    Drawing.pLine->Draw(VECTOR2{static_cast<float>(x1), static_cast<float>(y1)},
                VECTOR2{static_cast<float>(x2), static_cast<float>(y2)}, Colour(alpha, rgb));
    Drawing.pLine->End();
}

// The fill is not clamped: a value above the maximum runs past the frame.
void DrawBar(int x, int y, int value, int maximum, std::uint32_t rgb)
{
    int fill = 0;
    if (value >= 1 && maximum >= 1)
        fill = static_cast<int>(static_cast<float>(value) / static_cast<float>(maximum) *
                                static_cast<float>(BarFillLength));
    const RECTANGLE fillSource{0, 0, fill, BarFillHeight};
    DrawSprite(EnergyImage, x + 1, y - 5, &fillSource, 1.0f, 1.0f, 0.0f, BarAlpha, rgb, false);
    DrawSprite(EnergyImage, x, y - 6, &BarFrame, 1.0f, 1.0f, 0.0f, BarAlpha, White, false);
}

// Worked in a wider type, so an edge far out cannot overflow.
bool PointInRect(int px, int py, int left, int top, int width, int height)
{
    const long long x = px;
    const long long y = py;
    return left <= x && x < static_cast<long long>(left) + width && top <= y &&
           y < static_cast<long long>(top) + height;
}

void DrawTriangleList(const VECTOR3* vertices, std::uint32_t count)
{
    static_assert(sizeof(VECTOR3) == 3 * sizeof(float), "a bare position is three floats");
    if (Drawing.pDevice == nullptr)
        return;
    Drawing.pDevice->SetFVF(D3DFVF_XYZ);
    Drawing.pDevice->DrawPrimitiveUP(D3DPT_TRIANGLELIST, count / 3, vertices, sizeof(VECTOR3));
}
