// Shapes are painted by coverage: each texel is sampled sixteen times and
// blended over by the share of samples inside, so edges come out smooth
// before the writer decides how much of that softness a file keeps.
#include "tools/canvas.h"

#include <algorithm>
#include <cmath>

CANVAS::CANVAS(int width, int height) : W(width), H(height), Texels(static_cast<std::size_t>(width) * height, 0u) {}

int CANVAS::Width() const { return W; }
int CANVAS::Height() const { return H; }
const std::vector<std::uint32_t>& CANVAS::Pixels() const { return Texels; }

std::uint32_t CANVAS::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= W || y >= H)
        return 0u;
    return Texels[static_cast<std::size_t>(y) * W + x];
}

void CANVAS::Set(int x, int y, std::uint32_t argb)
{
    if (x < 0 || y < 0 || x >= W || y >= H)
        return;
    Texels[static_cast<std::size_t>(y) * W + x] = argb;
}

std::uint32_t AlphaOf(std::uint32_t argb) { return argb >> 24; }

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, float t)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        float from = static_cast<float>(a >> shift & 255u);
        float to = static_cast<float>(b >> shift & 255u);
        result |= static_cast<std::uint32_t>(from + (to - from) * t + 0.5f) << shift;
    }
    return result;
}

void CANVAS::Blend(int x, int y, std::uint32_t argb, float coverage)
{
    if (x < 0 || y < 0 || x >= W || y >= H || coverage <= 0.0f)
        return;
    std::uint32_t& texel = Texels[static_cast<std::size_t>(y) * W + x];
    float sourceAlpha = static_cast<float>(AlphaOf(argb)) / 255.0f * std::min(coverage, 1.0f);
    float destinationAlpha = static_cast<float>(AlphaOf(texel)) / 255.0f;
    float outAlpha = sourceAlpha + destinationAlpha * (1.0f - sourceAlpha);
    if (outAlpha <= 0.0f)
        return;
    std::uint32_t result = static_cast<std::uint32_t>(outAlpha * 255.0f + 0.5f) << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        float source = static_cast<float>(argb >> shift & 255u);
        float destination = static_cast<float>(texel >> shift & 255u);
        float channel = (source * sourceAlpha + destination * destinationAlpha * (1.0f - sourceAlpha)) / outAlpha;
        result |= static_cast<std::uint32_t>(std::min(channel + 0.5f, 255.0f)) << shift;
    }
    texel = result;
}

void CANVAS::Fill(std::uint32_t argb) { std::fill(Texels.begin(), Texels.end(), argb); }

void CANVAS::Rectangle(float left, float top, float right, float bottom, std::uint32_t argb)
{
    Shape(left, top, right, bottom, argb,
          [=](float x, float y) { return x >= left && x < right && y >= top && y < bottom; });
}

void CANVAS::Ellipse(float cx, float cy, float rx, float ry, std::uint32_t argb)
{
    if (rx <= 0.0f || ry <= 0.0f)
        return;
    Shape(cx - rx, cy - ry, cx + rx, cy + ry, argb, [=](float x, float y) {
        float dx = (x - cx) / rx;
        float dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0f;
    });
}

void CANVAS::Ring(float cx, float cy, float radius, float thickness, std::uint32_t argb)
{
    float outer = radius + thickness * 0.5f;
    float inner = radius - thickness * 0.5f;
    Shape(cx - outer, cy - outer, cx + outer, cy + outer, argb, [=](float x, float y) {
        float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
        return d <= outer && d >= inner;
    });
}

void CANVAS::Line(float x0, float y0, float x1, float y1, float width, std::uint32_t argb)
{
    float r = width * 0.5f;
    float dx = x1 - x0;
    float dy = y1 - y0;
    float lengthSquared = dx * dx + dy * dy;
    Shape(std::min(x0, x1) - r, std::min(y0, y1) - r, std::max(x0, x1) + r, std::max(y0, y1) + r, argb,
          [=](float x, float y) {
              float t = lengthSquared > 0.0f ? ((x - x0) * dx + (y - y0) * dy) / lengthSquared : 0.0f;
              t = std::clamp(t, 0.0f, 1.0f);
              float px = x0 + dx * t - x;
              float py = y0 + dy * t - y;
              return px * px + py * py <= r * r;
          });
}

void CANVAS::Polygon(const POINT2* points, int count, std::uint32_t argb)
{
    if (count < 3)
        return;
    float left = points[0].X, right = points[0].X, top = points[0].Y, bottom = points[0].Y;
    for (int i = 1; i < count; i++) {
        left = std::min(left, points[i].X);
        right = std::max(right, points[i].X);
        top = std::min(top, points[i].Y);
        bottom = std::max(bottom, points[i].Y);
    }
    Shape(left, top, right, bottom, argb, [=](float x, float y) {
        bool inside = false;
        for (int i = 0, j = count - 1; i < count; j = i++) {
            const POINT2& a = points[i];
            const POINT2& b = points[j];
            if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X)
                inside = !inside;
        }
        return inside;
    });
}

void CANVAS::Copy(const CANVAS& source, int x, int y)
{
    for (int row = 0; row < source.Height(); row++)
        for (int column = 0; column < source.Width(); column++)
            Set(x + column, y + row, source.At(column, row));
}
