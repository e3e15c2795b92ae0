// An RGBA picture in memory with the few anti-aliased shapes the art generator paints with.
#pragma once

#include <cstdint>
#include <vector>

struct POINT2 {
    float X;
    float Y;
};

// Colours are 0xAARRGGBB with straight (not premultiplied) alpha; (0, 0) is the top-left texel.
class CANVAS {
public:
    CANVAS(int width, int height);

    int Width() const;                                    // texels across
    int Height() const;                                   // texels down
    std::uint32_t At(int x, int y) const;                 // the texel, transparent black outside
    void Set(int x, int y, std::uint32_t argb);           // replaces a texel; ignored outside
    void Blend(int x, int y, std::uint32_t argb, float coverage);  // paints over a texel, coverage 0 to 1
    const std::vector<std::uint32_t>& Pixels() const;     // Width x Height texels, top row first

    void Fill(std::uint32_t argb);                                            // every texel
    void Rectangle(float left, float top, float right, float bottom, std::uint32_t argb);  // axis-aligned, right and bottom exclusive
    void Ellipse(float cx, float cy, float rx, float ry, std::uint32_t argb);
    void Ring(float cx, float cy, float radius, float thickness, std::uint32_t argb);
    void Line(float x0, float y0, float x1, float y1, float width, std::uint32_t argb);  // round-capped
    void Polygon(const POINT2* points, int count, std::uint32_t argb);                    // even-odd filled
    void Copy(const CANVAS& source, int x, int y);        // texels replaced, clipped to this canvas

    // Paints every texel whose centre area lies inside the shape, sampled 4 x 4 per texel within the box.
    template <class INSIDE>
    void Shape(float left, float top, float right, float bottom, std::uint32_t argb, INSIDE inside);

private:
    int W;
    int H;
    std::vector<std::uint32_t> Texels;
};

// Channel helpers for colours written 0xAARRGGBB.
constexpr std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return a << 24 | r << 16 | g << 8 | b;
}
constexpr std::uint32_t Grey(std::uint32_t level, std::uint32_t alpha = 255) { return Argb(alpha, level, level, level); }
constexpr std::uint32_t Opaque(std::uint32_t rgb) { return 0xff000000u | rgb; }
std::uint32_t AlphaOf(std::uint32_t argb);
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, float t);  // a toward b, every channel alike

template <class INSIDE>
void CANVAS::Shape(float left, float top, float right, float bottom, std::uint32_t argb, INSIDE inside)
{
    constexpr int Samples = 4;
    int x0 = left < 0.0f ? 0 : static_cast<int>(left);
    int y0 = top < 0.0f ? 0 : static_cast<int>(top);
    int x1 = right + 1.0f > static_cast<float>(W) ? W : static_cast<int>(right) + 1;
    int y1 = bottom + 1.0f > static_cast<float>(H) ? H : static_cast<int>(bottom) + 1;
    for (int y = y0; y < y1; y++) {
        for (int x = x0; x < x1; x++) {
            int hits = 0;
            for (int sy = 0; sy < Samples; sy++)
                for (int sx = 0; sx < Samples; sx++)
                    if (inside(static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / Samples,
                               static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / Samples))
                        hits++;
            if (hits > 0)
                Blend(x, y, argb, static_cast<float>(hits) / (Samples * Samples));
        }
    }
}
