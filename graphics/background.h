// The two-layer scrolling background behind the title, the choice screens and the board, and the image it tiles.
#pragma once

#include <cstdint>

constexpr float SlowLayerStep = 1.0f;        // pixels the slow layer moves left per advancing draw
constexpr float FastLayerStep = 2.5f;        // pixels the fast layer moves left per advancing draw
constexpr float WrappedImageScaleX = 1.25f;  // the background's horizontal stretch to the picture's width

// Where the two layers have scrolled to; never reset in a run.
struct BACKGROUND {
    float BackgroundScroll1 = 0.0f;  // offset of the slow layer
    float BackgroundScroll2 = 0.0f;  // offset of the fast layer
};

extern BACKGROUND Background;  // the one background

// The slow layer opaque in colour1, the fast layer white at alpha2 and taller; advance moves both offsets on.
void DrawScrollingBackground(int image, std::uint32_t colour1, int alpha2, std::uint8_t advance,
                             std::uint8_t layer1, std::uint8_t layer2);
// The image stretched across the picture's width from y 0, shifted left by offset and repeated a width on to close
// the gap.
void DrawWrappedImage(int image, std::uint32_t colour, float scaleY, int alpha, int offset);
