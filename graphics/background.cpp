// The scrolling background: two copies of one image per layer, sliding left and wrapping at the picture's width.
#include "graphics/background.h"

#include "graphics/drawing.h"

BACKGROUND Background;

namespace {

constexpr float SlowLayerScaleY = 1.0f;
constexpr float FastLayerScaleY = 1.25f;

// A layer's offset runs from 0 to below the picture's width, which its two copies fill.
void Advance(float& scroll, float step)
{
    const float wrap = static_cast<float>(PictureWidth);
    scroll += step;
    if (scroll >= wrap)
        scroll -= wrap;
}

}  // namespace

void DrawScrollingBackground(int image, std::uint32_t colour1, int alpha2, std::uint8_t advance,
                             std::uint8_t layer1, std::uint8_t layer2)
{
    if (layer1)
        DrawWrappedImage(image, colour1, SlowLayerScaleY, Opaque, static_cast<int>(Background.BackgroundScroll1));
    if (layer2)
        DrawWrappedImage(image, White, FastLayerScaleY, alpha2, static_cast<int>(Background.BackgroundScroll2));
    if (advance) {
        Advance(Background.BackgroundScroll1, SlowLayerStep);
        Advance(Background.BackgroundScroll2, FastLayerStep);
    }
}

// At offset 0 one copy covers the width exactly, so the second is left out.
void DrawWrappedImage(int image, std::uint32_t colour, float scaleY, int alpha, int offset)
{
    const auto a = static_cast<std::uint32_t>(alpha);
    if (offset == 0) {
        DrawSprite(image, 0, 0, nullptr, WrappedImageScaleX, scaleY, 0.0f, a, colour, false);
        return;
    }
    DrawSprite(image, -offset, 0, nullptr, WrappedImageScaleX, scaleY, 0.0f, a, colour, false);
    DrawSprite(image, PictureWidth - offset, 0, nullptr, WrappedImageScaleX, scaleY, 0.0f, a, colour, false);
}
