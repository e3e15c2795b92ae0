// The rasterisers' common ground: where a draw lands on the picture, the coverage rule's edges (which the device's
// triangles share), the sampling arithmetic both must share to the bit, and their entry points (the fast one the game
// uses, the scalar reference).
#pragma once

#include <cstdint>

#include "platform/picture.h"

// Texel (u, v) of a source Width x Height texels lands at Origin + u * AxisX + v * AxisY.
struct PLACEMENT {
    VECTOR2 Origin;
    VECTOR2 AxisX;
    VECTOR2 AxisY;
    float Width = 0.0f;
    float Height = 0.0f;
};

// Where a source of width x height texels lands for a sprite drawer's scaling, centre, rotation and translation.
PLACEMENT PlaceSprite(int width, int height, VECTOR2 scaling, const VECTOR2* centre, float rotation,
                      VECTOR2 translation);
// Where a line of the given width between two pixels lands; false when it has no width or no length.
bool PlaceLine(VECTOR2 from, VECTOR2 to, float width, PLACEMENT& place);

// One edge of a quad wound so that its inside is where the edge function is positive.
struct EDGE {
    float Ax, Ay, Dx, Dy;
    bool IncludesBoundary;  // a top or left edge owns the pixel centres lying exactly on it

    bool Inside(float px, float py) const
    {
        float e = Dx * (py - Ay) - Dy * (px - Ax);
        return e > 0.0f || (e == 0.0f && IncludesBoundary);
    }
};

// The edge from a to b; a top or left edge (of a shape wound so that its inside is positive) owns its boundary.
EDGE MakeEdge(VECTOR2 a, VECTOR2 b);

// The picture's pixels a box of points reaches, right and bottom exclusive; empty where it is wholly off the picture.
struct PIXELBOX {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
PIXELBOX PixelsReached(float minX, float maxX, float minY, float maxY);

// A placed quad: its four edges and the picture's pixels its bounding box reaches, right and bottom exclusive.
// Empty when it can cover nothing (no area, not finite, or wholly off the picture).
struct QUAD {
    EDGE Edges[4];
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Empty = true;

    bool Inside(int x, float py) const  // the centre of pixel x on the row through py lies inside
    {
        float px = static_cast<float>(x) + 0.5f;
        return Edges[0].Inside(px, py) && Edges[1].Inside(px, py) && Edges[2].Inside(px, py) &&
               Edges[3].Inside(px, py);
    }
};

QUAD MakeQuad(const PLACEMENT& place);

// The source position (in texels) under any picture point, the inverse of a placement.
struct INVERSE {
    float Ux, Uy, Vx, Vy;  // u = dx Ux + dy Uy and v = dx Vx + dy Vy for (dx, dy) from the origin

    explicit INVERSE(const PLACEMENT& place)
    {
        float det = place.AxisX.X * place.AxisY.Y - place.AxisX.Y * place.AxisY.X;
        Ux = place.AxisY.Y / det;
        Uy = -place.AxisY.X / det;
        Vx = -place.AxisX.Y / det;
        Vy = place.AxisX.X / det;
    }
};

// Rounds toward minus infinity without the library call; values here are small.
inline int FloorToInt(float value)
{
    int i = static_cast<int>(value);
    return value < static_cast<float>(i) ? i - 1 : i;
}

inline int ClampIndex(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

// value / 255 rounded to nearest, exact for every value up to 255 x 255.
inline std::uint32_t DivideBy255(std::uint32_t value)
{
    value += 128u;
    return (value + (value >> 8)) >> 8;
}

// The two texels filtering mixes along one axis, and the second one's weight, 0 to 255.
struct TEXELPAIR {
    int First;
    int Second;
    std::uint32_t Weight;
};

// The pair at source position t (in texels, less the half texel to its centre), kept within [low, high].
inline TEXELPAIR PairAt(float t, int low, int high)
{
    int t0 = FloorToInt(t);
    return TEXELPAIR{ClampIndex(t0, low, high), ClampIndex(t0 + 1, low, high),
                     static_cast<std::uint32_t>((t - static_cast<float>(t0)) * 256.0f)};
}

// One sprite draw made ready: the texture, its source rectangle, the texels filtering may reach, the placement
// and its inverse, and the tint.
struct SPRITEJOB {
    const TEXTURE* Texture;
    RECTANGLE Source;
    int LowX, HighX, LowY, HighY;  // filtering never reaches past the source rectangle, nor past the texture
    PLACEMENT Place;
    INVERSE Inverse;
    std::uint32_t Colour;

    // Whole texels on whole pixels (unscaled, unturned, perhaps mirrored): each pixel centre falls on a texel
    // centre, where filtering returns the texel unchanged.
    bool IsExact() const;
    bool IsUnturned() const { return Inverse.Uy == 0.0f && Inverse.Vx == 0.0f; }  // each row samples the same columns
    int ExactStep() const { return static_cast<int>(Inverse.Ux); }  // exact: the texel column's step per pixel, 1 or -1

    // Exact: the texel column under picture column 0, before clamping; each column on steps it by ExactStep.
    int ExactFirstColumn() const
    {
        int origin = static_cast<int>(Place.Origin.X);
        return Source.Left + (ExactStep() > 0 ? -origin : origin - 1);
    }

    int ExactRow(int y) const  // exact: the texel row under picture row y
    {
        float v = (static_cast<float>(y) + 0.5f - Place.Origin.Y) * Inverse.Vy;
        return ClampIndex(Source.Top + FloorToInt(v), LowY, HighY);
    }

    float ColumnSource(int x) const  // unturned: the source position PairAt takes for picture column x
    {
        return static_cast<float>(Source.Left) + (static_cast<float>(x) + 0.5f - Place.Origin.X) * Inverse.Ux - 0.5f;
    }

    float RowSource(int y) const  // unturned: the source position PairAt takes for picture row y
    {
        return static_cast<float>(Source.Top) + (static_cast<float>(y) + 0.5f - Place.Origin.Y) * Inverse.Vy - 0.5f;
    }
};

// The scalar rasteriser as first written, one pixel at a time: the reference the fast one must match bit for bit.
void DrawReferenceSprite(std::uint32_t* picture, const SPRITEJOB& job);
void DrawReferenceLine(std::uint32_t* picture, const PLACEMENT& place, std::uint32_t colour);

// The rasteriser the game draws with: the same pixels, many at a time; DrawSse2 holds it to SSE2.
void DrawFastSprite(std::uint32_t* picture, const SPRITEJOB& job, DRAWPATH path);
void DrawFastLine(std::uint32_t* picture, const PLACEMENT& place, std::uint32_t colour, DRAWPATH path);
