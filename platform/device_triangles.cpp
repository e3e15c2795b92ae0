// The device's own triangles: vertices read in its vertex format, positions in space taken through the world, view
// and projection and clipped at the near and far planes, each triangle culled, then its pixels put through the
// alpha, stencil and depth tests, blending and the colour writes, as the states stand.
#include "platform/device.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "platform/raster.h"

namespace {

constexpr std::uint32_t PositionBits = 0x00e;         // which kind of position a vertex starts with
constexpr std::uint32_t UncolouredVertex = 0xffffffffu;  // opaque white
constexpr int MaxClippedCorners = 5;                  // a triangle cut by the near and the far plane
constexpr float HalfWidth = static_cast<float>(PictureWidth) * 0.5f;
constexpr float HalfHeight = static_cast<float>(PictureHeight) * 0.5f;

// Where a vertex's parts lie among its bytes.
struct VERTEXLAYOUT {
    bool InSpace = false;         // D3DFVF_XYZ, to transform; else D3DFVF_XYZRHW, on the picture already
    bool HasColour = false;
    std::uint32_t ColourOffset = 0;
    std::uint32_t Size = 0;       // the bytes it needs at the least
};

bool LayoutOf(std::uint32_t format, VERTEXLAYOUT& layout)
{
    const std::uint32_t position = format & PositionBits;
    if (position != D3DFVF_XYZ && position != D3DFVF_XYZRHW)
        return false;
    layout.InSpace = position == D3DFVF_XYZ;
    layout.Size = layout.InSpace ? 3 * sizeof(float) : 4 * sizeof(float);
    if (format & D3DFVF_NORMAL)
        layout.Size += 3 * sizeof(float);
    layout.HasColour = (format & D3DFVF_DIFFUSE) != 0;
    layout.ColourOffset = layout.Size;
    if (layout.HasColour)
        layout.Size += sizeof(std::uint32_t);
    return true;
}

// How many vertices count primitives of the type read; 0 for a type the device does not draw.
std::uint64_t VerticesOf(PRIMITIVETYPE type, std::uint32_t count)
{
    if (count == 0)
        return 0;
    switch (type) {
    case D3DPT_TRIANGLELIST:
        return 3ull * count;
    case D3DPT_TRIANGLESTRIP:
    case D3DPT_TRIANGLEFAN:
        return static_cast<std::uint64_t>(count) + 2;
    }
    return 0;
}

// The vertices of triangle i. Every other triangle of a strip swaps its first two, so all keep the strip's winding.
void CornersOf(PRIMITIVETYPE type, std::uint32_t i, std::uint32_t corners[3])
{
    if (type == D3DPT_TRIANGLELIST) {
        corners[0] = 3 * i;
        corners[1] = 3 * i + 1;
        corners[2] = 3 * i + 2;
    } else if (type == D3DPT_TRIANGLESTRIP) {
        corners[0] = i % 2 == 0 ? i : i + 1;
        corners[1] = i % 2 == 0 ? i + 1 : i;
        corners[2] = i + 2;
    } else {
        corners[0] = 0;
        corners[1] = i + 1;
        corners[2] = i + 2;
    }
}

float FloatAt(const std::uint8_t* bytes, int index)
{
    float value = 0.0f;
    std::memcpy(&value, bytes + index * sizeof(float), sizeof value);
    return value;
}

// Corners in clip space lie within the view when -w <= x, y <= w and 0 <= z <= w.
using CLIPPOINT = VECTOR4;

float InFrontOfNear(const CLIPPOINT& p)
{
    return p.Z;
}

float BehindFar(const CLIPPOINT& p)
{
    return p.W - p.Z;
}

// The corners of a polygon on the inner side of one plane (distance 0 or more), cut where it crosses.
int ClipPolygon(const CLIPPOINT* in, int count, CLIPPOINT* out, float (*distance)(const CLIPPOINT&))
{
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const CLIPPOINT& a = in[i];
        const CLIPPOINT& b = in[(i + 1) % count];
        const float da = distance(a);
        const float db = distance(b);
        if (da >= 0.0f)
            out[kept++] = a;
        if ((da >= 0.0f) != (db >= 0.0f)) {
            const float t = da / (da - db);
            out[kept++] = {a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t, a.Z + (b.Z - a.Z) * t,
                           a.W + (b.W - a.W) * t};
        }
    }
    return kept;
}

// A corner on the picture: pixels, and the depth from 0 at the near plane to 1 at the far.
struct PICTUREPOINT {
    float X, Y, Z;
};

PICTUREPOINT OnPicture(const CLIPPOINT& p)
{
    return {(p.X / p.W + 1.0f) * HalfWidth, (1.0f - p.Y / p.W) * HalfHeight, p.Z / p.W};
}

// "incoming func kept": the depth test compares the triangle with the plane, the stencil test the reference with
// the plane, the alpha test the triangle's alpha with the reference. A function the device does not number passes.
template <typename T>
bool Passes(std::uint32_t function, T incoming, T kept)
{
    switch (static_cast<CMPFUNC>(function)) {
    case D3DCMP_NEVER:
        return false;
    case D3DCMP_LESS:
        return incoming < kept;
    case D3DCMP_EQUAL:
        return incoming == kept;
    case D3DCMP_LESSEQUAL:
        return incoming <= kept;
    case D3DCMP_GREATER:
        return incoming > kept;
    case D3DCMP_NOTEQUAL:
        return incoming != kept;
    case D3DCMP_GREATEREQUAL:
        return incoming >= kept;
    case D3DCMP_ALWAYS:
        return true;
    }
    return true;
}

std::uint8_t StencilAfter(std::uint32_t operation, std::uint8_t kept, std::uint8_t reference)
{
    switch (static_cast<STENCILOP>(operation)) {
    case D3DSTENCILOP_KEEP:
        return kept;
    case D3DSTENCILOP_ZERO:
        return 0;
    case D3DSTENCILOP_REPLACE:
        return reference;
    case D3DSTENCILOP_INCRSAT:
        return kept == 0xff ? kept : static_cast<std::uint8_t>(kept + 1);
    case D3DSTENCILOP_DECRSAT:
        return kept == 0 ? kept : static_cast<std::uint8_t>(kept - 1);
    case D3DSTENCILOP_INVERT:
        return static_cast<std::uint8_t>(~kept);
    case D3DSTENCILOP_INCR:
        return static_cast<std::uint8_t>(kept + 1);
    case D3DSTENCILOP_DECR:
        return static_cast<std::uint8_t>(kept - 1);
    }
    return kept;
}

// The weight, 0 to 255, a blend factor gives one channel. The picture is opaque, so its alpha is always 255.
std::uint32_t Factor(std::uint32_t blend, std::uint32_t source, std::uint32_t sourceAlpha, std::uint32_t kept)
{
    switch (static_cast<BLEND>(blend)) {
    case D3DBLEND_ZERO:
        return 0;
    case D3DBLEND_ONE:
        return 255;
    case D3DBLEND_SRCCOLOR:
        return source;
    case D3DBLEND_INVSRCCOLOR:
        return 255 - source;
    case D3DBLEND_SRCALPHA:
        return sourceAlpha;
    case D3DBLEND_INVSRCALPHA:
        return 255 - sourceAlpha;
    case D3DBLEND_DESTALPHA:
        return 255;
    case D3DBLEND_INVDESTALPHA:
        return 0;
    case D3DBLEND_DESTCOLOR:
        return kept;
    case D3DBLEND_INVDESTCOLOR:
        return 255 - kept;
    }
    return 255;
}

// The picture's bits that the colour writes may change.
std::uint32_t ColourWriteBits(std::uint32_t writes)
{
    return ((writes & D3DCOLORWRITEENABLE_RED) ? 0xff0000u : 0u) |
           ((writes & D3DCOLORWRITEENABLE_GREEN) ? 0x00ff00u : 0u) |
           ((writes & D3DCOLORWRITEENABLE_BLUE) ? 0x0000ffu : 0u);
}

// One triangle's pixels, their planes and how they are filled.
struct FILL {
    const std::uint32_t* States;  // the render states, by number
    std::uint32_t* Picture;
    float* Depth;
    std::uint8_t* Stencil;
    std::uint32_t Colour;

    bool On(RENDERSTATE state) const { return States[state] != 0; }
    std::uint8_t StencilReference() const { return static_cast<std::uint8_t>(States[D3DRS_STENCILREF]); }
    std::uint32_t StencilMask() const { return States[D3DRS_STENCILMASK] & 0xffu; }

    std::uint32_t Blended(std::uint32_t kept) const
    {
        if (!On(D3DRS_ALPHABLENDENABLE))
            return Colour & 0xffffffu;
        const std::uint32_t alpha = Colour >> 24;
        std::uint32_t result = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const std::uint32_t source = (Colour >> shift) & 0xffu;
            const std::uint32_t under = (kept >> shift) & 0xffu;
            const std::uint32_t sum = source * Factor(States[D3DRS_SRCBLEND], source, alpha, under) +
                                      under * Factor(States[D3DRS_DESTBLEND], source, alpha, under);
            result |= std::min(DivideBy255(sum), 255u) << shift;
        }
        return result;
    }

    void SetStencil(std::size_t i, std::uint32_t operation) const
    {
        const std::uint32_t writes = States[D3DRS_STENCILWRITEMASK] & 0xffu;
        const std::uint8_t after = StencilAfter(operation, Stencil[i], StencilReference());
        Stencil[i] = static_cast<std::uint8_t>((Stencil[i] & ~writes) | (after & writes));
    }

    void Pixel(std::size_t i, float z) const
    {
        const std::uint32_t reference = States[D3DRS_ALPHAREF] & 0xffu;
        if (On(D3DRS_ALPHATESTENABLE) && !Passes(States[D3DRS_ALPHAFUNC], Colour >> 24, reference))
            return;
        const bool stencil = On(D3DRS_STENCILENABLE);
        if (stencil && !Passes<std::uint32_t>(States[D3DRS_STENCILFUNC], StencilReference() & StencilMask(),
                                              Stencil[i] & StencilMask())) {
            SetStencil(i, States[D3DRS_STENCILFAIL]);
            return;
        }
        const bool depth = States[D3DRS_ZENABLE] != D3DZB_FALSE;
        if (depth && !Passes(States[D3DRS_ZFUNC], z, Depth[i])) {
            if (stencil)
                SetStencil(i, States[D3DRS_STENCILZFAIL]);
            return;
        }
        if (stencil)
            SetStencil(i, States[D3DRS_STENCILPASS]);
        if (depth && On(D3DRS_ZWRITEENABLE))
            Depth[i] = z;
        const std::uint32_t kept = Picture[i];
        const std::uint32_t writes = ColourWriteBits(States[D3DRS_COLORWRITEENABLE]);
        Picture[i] = OpaqueBlack | (kept & ~writes & 0xffffffu) | (Blended(kept) & writes);
    }

    // Pixel centres inside the triangle, by the rule the sprites follow; depth varies linearly over the picture.
    void Triangle(PICTUREPOINT a, PICTUREPOINT b, PICTUREPOINT c) const
    {
        float area = (b.X - a.X) * (c.Y - a.Y) - (c.X - a.X) * (b.Y - a.Y);  // above 0: clockwise on the picture
        if (!std::isfinite(area) || area == 0.0f)
            return;
        const std::uint32_t cull = States[D3DRS_CULLMODE];
        if ((cull == D3DCULL_CW && area > 0.0f) || (cull == D3DCULL_CCW && area < 0.0f))
            return;
        if (area < 0.0f) {
            std::swap(b, c);
            area = -area;
        }
        const EDGE edges[3] = {MakeEdge({a.X, a.Y}, {b.X, b.Y}), MakeEdge({b.X, b.Y}, {c.X, c.Y}),
                               MakeEdge({c.X, c.Y}, {a.X, a.Y})};
        const float depthX = ((b.Z - a.Z) * (c.Y - a.Y) - (c.Z - a.Z) * (b.Y - a.Y)) / area;
        const float depthY = ((c.Z - a.Z) * (b.X - a.X) - (b.Z - a.Z) * (c.X - a.X)) / area;
        const PIXELBOX box = PixelsReached(std::min({a.X, b.X, c.X}), std::max({a.X, b.X, c.X}),
                                           std::min({a.Y, b.Y, c.Y}), std::max({a.Y, b.Y, c.Y}));
        for (int y = box.Top; y < box.Bottom; ++y) {
            const float py = static_cast<float>(y) + 0.5f;
            for (int x = box.Left; x < box.Right; ++x) {
                const float px = static_cast<float>(x) + 0.5f;
                if (edges[0].Inside(px, py) && edges[1].Inside(px, py) && edges[2].Inside(px, py))
                    Pixel(static_cast<std::size_t>(y) * PictureWidth + static_cast<std::size_t>(x),
                          a.Z + depthX * (px - a.X) + depthY * (py - a.Y));
            }
        }
    }
};

}  // namespace

void DEVICE::DrawPrimitiveUP(PRIMITIVETYPE type, std::uint32_t count, const void* vertices, std::uint32_t stride)
{
    if (vertices != nullptr)
        DrawTriangles(type, count, static_cast<const std::uint8_t*>(vertices), stride);
}

void DEVICE::DrawPrimitive(PRIMITIVETYPE type, std::uint32_t start, std::uint32_t count)
{
    const STREAMSOURCE& stream = States.Stream0;
    if (stream.Buffer == nullptr || stream.Buffer->Locked || stream.Stride == 0)
        return;
    const std::uint64_t end = stream.Offset + (static_cast<std::uint64_t>(start) + VerticesOf(type, count)) *
                                                  stream.Stride;
    if (end > stream.Buffer->Bytes.size())
        return;
    DrawTriangles(type, count, stream.Buffer->Bytes.data() + stream.Offset + std::size_t{start} * stream.Stride,
                  stream.Stride);
}

// A triangle in space is clipped in clip space and cut into a fan; its colour is its first vertex's.
void DEVICE::DrawTriangles(PRIMITIVETYPE type, std::uint32_t count, const std::uint8_t* vertices,
                           std::uint32_t stride)
{
    VERTEXLAYOUT layout;
    if (!LayoutOf(States.VertexFormat, layout) || stride < layout.Size || VerticesOf(type, count) == 0)
        return;
    ReadyPlanes();
    FILL fill{States.RenderStates, Pixels.data(), Planes.Depth.data(), Planes.Stencil.data(), UncolouredVertex};
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t corners[3];
        CornersOf(type, i, corners);
        const std::uint8_t* first = vertices + std::size_t{corners[0]} * stride;
        fill.Colour = UncolouredVertex;
        if (layout.HasColour)
            std::memcpy(&fill.Colour, first + layout.ColourOffset, sizeof fill.Colour);
        if (!layout.InSpace) {
            PICTUREPOINT points[3];
            for (int k = 0; k < 3; ++k) {
                const std::uint8_t* vertex = vertices + std::size_t{corners[k]} * stride;
                points[k] = {FloatAt(vertex, 0), FloatAt(vertex, 1), FloatAt(vertex, 2)};
            }
            fill.Triangle(points[0], points[1], points[2]);
            continue;
        }
        CLIPPOINT clipped[MaxClippedCorners + 1];
        for (int k = 0; k < 3; ++k) {
            const std::uint8_t* vertex = vertices + std::size_t{corners[k]} * stride;
            const CLIPPOINT position{FloatAt(vertex, 0), FloatAt(vertex, 1), FloatAt(vertex, 2), 1.0f};
            clipped[k] = Transform(Transform(Transform(position, States.World), States.View), States.Projection);
        }
        CLIPPOINT nearCut[MaxClippedCorners + 1];
        const int nearCount = ClipPolygon(clipped, 3, nearCut, InFrontOfNear);
        const int farCount = ClipPolygon(nearCut, nearCount, clipped, BehindFar);
        if (farCount < 3 ||
            std::any_of(clipped, clipped + farCount, [](const CLIPPOINT& p) { return !(p.W > 0.0f); }))
            continue;
        const PICTUREPOINT anchor = OnPicture(clipped[0]);
        for (int k = 1; k + 1 < farCount; ++k)
            fill.Triangle(anchor, OnPicture(clipped[k]), OnPicture(clipped[k + 1]));
    }
}
