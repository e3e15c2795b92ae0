// Sprite and line drawing in back-buffer pixels, through the device's shared sprite and line objects; triangles of
// bare positions in space through the device's transforms.
#pragma once

#include <cstdint>

#include "base/colours.h"
#include "platform/device.h"
#include "world/texture_list.h"

constexpr float DegreesToRadians = 0.017453292f;  // pi / 180

constexpr TEXTUREROW EnergyImage = TextureEnergy;  // the value bar's fill and frame
constexpr int BarFillLength = 30;      // texels of a full bar's fill
constexpr std::uint32_t BarAlpha = 180;

// The device and its shared drawing objects; each is null until start-up has made it.
struct DRAWING {
    DEVICE* pDevice = nullptr;          // the one device
    SPRITEDRAWER* pSprite2D = nullptr;  // the sprite object every 2-D image is drawn through
    LINEDRAWER* pLine = nullptr;        // the line object for all lines
    VERTEXBUFFER* pShadowQuad = nullptr;  // four screen vertices spanning the picture, for the shadow drawing
};

extern DRAWING Drawing;  // the one set of drawing objects

// Image N of the texture list at (x, y), scaled about the source's centre, turned about its top-left corner by
// rotation radians, tinted by alpha << 24 | rgb; mirror flips it. A null source is the whole image, unscaled in place.
void DrawSprite(int image, int x, int y, const RECTANGLE* source, float scaleX, float scaleY, float rotation,
                std::uint32_t alpha, std::uint32_t rgb, bool mirror);
void DrawSpriteNoRect(int image, int x, int y, float scaleX, float scaleY, float rotation, std::uint32_t alpha,
                      std::uint32_t rgb, bool mirror);  // DrawSprite of the whole image
// Image N of unscaled size width x height at (x, y), turned about its centre; scaled: the centre is of the scaled
// picture, and centred keeps the scaled picture in the middle of the unscaled one.
void DrawSpriteEx(int image, int x, int y, int width, int height, const RECTANGLE* source, float scaleX,
                  float scaleY, float rotation, std::uint32_t alpha, std::uint32_t rgb, bool scaled, bool centred);
void DrawSpriteExNoRect(int image, int x, int y, int width, int height, float scaleX, float scaleY, float rotation,
                        std::uint32_t alpha, std::uint32_t rgb, bool scaled, bool centred);  // DrawSpriteEx, whole image
void DrawLine(int x1, int y1, int x2, int y2, int width, std::uint32_t alpha, std::uint32_t rgb);  // one line, own Begin/End
void DrawBar(int x, int y, int value, int maximum, std::uint32_t rgb);  // the value bar under a piece at (x, y)
bool PointInRect(int px, int py, int left, int top, int width, int height);  // right and bottom edges outside
// count / 3 triangles of bare positions through the world, view and projection transforms, with the device's states.
void DrawTriangleList(const VECTOR3* vertices, std::uint32_t count);
