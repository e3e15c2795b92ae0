// Where a draw lands on the picture: sprites and lines placed, placements turned into the quads both rasterisers
// fill, and the test for whole texels on whole pixels.
#include "platform/raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

VECTOR2 Along(VECTOR2 from, VECTOR2 axis, float amount)
{
    return VECTOR2{from.X + axis.X * amount, from.Y + axis.Y * amount};
}

}  // namespace

EDGE MakeEdge(VECTOR2 a, VECTOR2 b)
{
    EDGE edge{a.X, a.Y, b.X - a.X, b.Y - a.Y, false};
    edge.IncludesBoundary = (edge.Dy == 0.0f && edge.Dx > 0.0f) || edge.Dy < 0.0f;
    return edge;
}

// Clamped to the picture on both sides before the conversion: a box far beyond an int's range would otherwise
// convert to nonsense bounds and walk billions of pixels.
PIXELBOX PixelsReached(float minX, float maxX, float minY, float maxY)
{
    const float width = static_cast<float>(PictureWidth), height = static_cast<float>(PictureHeight);
    PIXELBOX box;
    box.Left = static_cast<int>(std::min(width, std::max(0.0f, std::floor(minX))));
    box.Right = static_cast<int>(std::max(0.0f, std::min(width, std::ceil(maxX))));
    box.Top = static_cast<int>(std::min(height, std::max(0.0f, std::floor(minY))));
    box.Bottom = static_cast<int>(std::max(0.0f, std::min(height, std::ceil(maxY))));
    return box;
}

QUAD MakeQuad(const PLACEMENT& place)
{
    QUAD quad;
    float det = place.AxisX.X * place.AxisY.Y - place.AxisX.Y * place.AxisY.X;
    if (!std::isfinite(det) || det == 0.0f || !std::isfinite(place.Origin.X) || !std::isfinite(place.Origin.Y))
        return quad;
    VECTOR2 corners[4];
    corners[0] = place.Origin;
    corners[1] = Along(place.Origin, place.AxisX, place.Width);
    corners[2] = Along(corners[1], place.AxisY, place.Height);
    corners[3] = Along(place.Origin, place.AxisY, place.Height);
    if (det < 0.0f)
        std::swap(corners[1], corners[3]);
    float minX = corners[0].X, maxX = corners[0].X, minY = corners[0].Y, maxY = corners[0].Y;
    for (int i = 0; i < 4; ++i) {
        quad.Edges[i] = MakeEdge(corners[i], corners[(i + 1) % 4]);
        minX = std::min(minX, corners[i].X);
        maxX = std::max(maxX, corners[i].X);
        minY = std::min(minY, corners[i].Y);
        maxY = std::max(maxY, corners[i].Y);
    }
    if (!std::isfinite(minX) || !std::isfinite(maxX) || !std::isfinite(minY) || !std::isfinite(maxY))
        return quad;
    const PIXELBOX box = PixelsReached(minX, maxX, minY, maxY);
    quad.Left = box.Left;
    quad.Right = box.Right;
    quad.Top = box.Top;
    quad.Bottom = box.Bottom;
    quad.Empty = quad.Left >= quad.Right || quad.Top >= quad.Bottom;
    return quad;
}

// Texel (u, v) is scaled to (u sx, v sy), turned about the centre c and moved by the translation t:
// t + c - R c + u (sx cos, sx sin) + v (-sy sin, sy cos), R turning clockwise on the y-down picture.
PLACEMENT PlaceSprite(int width, int height, VECTOR2 scaling, const VECTOR2* centre, float rotation,
                      VECTOR2 translation)
{
    float cosine = std::cos(rotation);
    float sine = std::sin(rotation);
    VECTOR2 turn = centre != nullptr ? *centre : VECTOR2{};
    PLACEMENT place;
    place.Origin.X = translation.X + turn.X - (turn.X * cosine - turn.Y * sine);
    place.Origin.Y = translation.Y + turn.Y - (turn.X * sine + turn.Y * cosine);
    place.AxisX = VECTOR2{scaling.X * cosine, scaling.X * sine};
    place.AxisY = VECTOR2{-scaling.Y * sine, scaling.Y * cosine};
    place.Width = static_cast<float>(width);
    place.Height = static_cast<float>(height);
    return place;
}

// The points name pixels, so the line runs through their centres; its sides lie half the width away.
bool PlaceLine(VECTOR2 from, VECTOR2 to, float width, PLACEMENT& place)
{
    if (!(width > 0.0f))
        return false;
    float dx = to.X - from.X;
    float dy = to.Y - from.Y;
    float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0f))
        return false;
    VECTOR2 across{-dy / length * width, dx / length * width};
    place.Origin = VECTOR2{from.X + 0.5f - across.X * 0.5f, from.Y + 0.5f - across.Y * 0.5f};
    place.AxisX = VECTOR2{dx, dy};
    place.AxisY = across;
    place.Width = 1.0f;
    place.Height = 1.0f;
    return true;
}

bool SPRITEJOB::IsExact() const
{
    return (Inverse.Ux == 1.0f || Inverse.Ux == -1.0f) && Inverse.Uy == 0.0f && Inverse.Vx == 0.0f &&
           (Inverse.Vy == 1.0f || Inverse.Vy == -1.0f) && Place.Origin.X == std::floor(Place.Origin.X) &&
           Place.Origin.Y == std::floor(Place.Origin.Y);
}
