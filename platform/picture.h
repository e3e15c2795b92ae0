// The picture every draw lands on and what a draw is made of: the picture's size, points, rectangles, textures
// and the choice of rasteriser, shared by the device, its drawers and both rasterisers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/dds.h"

constexpr int PictureWidth = 640;   // width of the picture and of the window's drawing area, in pixels
constexpr int PictureHeight = 512;  // height of the picture and of the window's drawing area, in pixels
constexpr std::uint32_t OpaqueBlack = 0xff000000u;  // every pixel of the picture is opaque: this alpha, over 0xRRGGBB

bool IsInPicture(int x, int y);     // the point lies in the picture (and so in the window's drawing area)

struct VECTOR2 {
    float X = 0.0f;
    float Y = 0.0f;
};

// A rectangle of texels or pixels; Right and Bottom are one past the last column and row.
struct RECTANGLE {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// A picture to draw from, its texels 0xAARRGGBB exactly as created.
class TEXTURE {
public:
    bool Create(IMAGE image);             // takes the image's pixels; false, and empty, for an image without pixels
    int Width() const;                    // texels per row, 0 before Create
    int Height() const;                   // rows, 0 before Create
    std::uint32_t Texel(int x, int y) const;  // the texel at (x, y), which must lie inside
    const std::uint32_t* Row(int y) const     // the texels of row y, which must lie inside
    {
        return Texels.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(Texels.Width);
    }

private:
    IMAGE Texels;
};

// Which rasteriser the drawers render with: the fast one, or the plain scalar one it is checked against.
enum DRAWPATH : int {
    DrawFast = 0,       // the game's, and every device's at first: on AVX2 where the processor has it
    DrawSse2 = 1,       // the fast one held to SSE2, as on processors without AVX2
    DrawReference = 2,  // one pixel at a time, for the tests and the draw benchmark
};
