// The fast rasteriser's inner loops: runs of pixels tinted, blended and filtered many at a time, each kernel
// giving exactly what the reference gives one pixel at a time. Built once per instruction set, chosen at start.
#pragma once

#include <cstdint>

#include "platform/picture.h"

// The texel columns an unturned picture samples along a run: for run pixel i, the left and right texel and the
// right one's weight w (0 to 255), kept as the four bytes w w w w so that it widens like a pixel.
struct COLUMNS {
    int Left[PictureWidth];
    int Right[PictureWidth];
    std::uint32_t Weight[PictureWidth];
};

// One row of a turned or skewed picture: where its pixels fall in the texture, as the reference works it out.
struct TURNEDROW {
    const std::uint32_t* Texels;  // the texture's first row
    int Stride;                   // texels per texture row
    int Count;                    // texels in the texture
    int LowX, HighX, LowY, HighY;
    float SourceLeft, SourceTop;  // the source rectangle's corner
    float OriginX;                // the placement's origin, x
    float Ux, Vx;                 // the inverse's x terms
    float DyUy, DyVy;             // the row's y offset from the origin times the inverse's y terms
    int FirstX;                   // the picture column of the run's first pixel
};

struct SPANKERNELS {
    // Lays count texels multiplied by the 0xAARRGGBB colour over the pixels, blending by their alpha.
    void (*Shade)(std::uint32_t* pixels, const std::uint32_t* texels, int count, std::uint32_t colour);
    // Lays the colour (a white texel multiplied by it) over count pixels.
    void (*Fill)(std::uint32_t* pixels, int count, std::uint32_t colour);
    // out[i] = the mix of row[Left[i]] and row[Right[i]] by Weight[i]; readable texels lie from row on.
    void (*MixColumns)(std::uint32_t* out, const std::uint32_t* row, int readable, const COLUMNS& columns, int count);
    // out[i] = the mix of upper[i] and lower[i] by one weight, 0 to 255.
    void (*MixRows)(std::uint32_t* out, const std::uint32_t* upper, const std::uint32_t* lower, std::uint32_t weight,
                    int count);
    // out[i] = the filtered texel under pixel FirstX + i of a turned row.
    void (*SampleTurned)(std::uint32_t* out, const TURNEDROW& row, int count);
};

const SPANKERNELS& Sse2Kernels();  // every x86-64 processor has SSE2
const SPANKERNELS& Avx2Kernels();  // only for processors that have AVX2
