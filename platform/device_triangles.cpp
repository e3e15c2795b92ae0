// The device's own triangles: vertices read in its vertex format, positions in space taken through the world, view
// and projection and kept between the near and far planes, each triangle culled, its pixels found with every side
// decided exactly, then put through the alpha, stencil and depth tests, blending and the colour writes, as the
// states stand.
#include "platform/device.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/raster.h"

namespace {

constexpr std::uint32_t PositionBits = 0x00e;         // which kind of position a vertex starts with
constexpr std::uint32_t UncolouredVertex = 0xffffffffu;  // opaque white
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

// A corner as the triangles see it: its place on the picture in homogeneous form, so that it stands on pixel
// (X / W, Y / W), and its depth before the division. A position in space keeps its clip-space w and z; a corner
// given on the picture has W 1.
struct CORNER {
    float X, Y, W, Z;
};

// A position in clip space, within the view where -w <= x, y <= w and 0 <= z <= w.
CORNER FromClipSpace(const VECTOR4& p)
{
    return {(p.X + p.W) * HalfWidth, (p.W - p.Y) * HalfHeight, p.W, p.Z};
}

// A sum kept exactly, as doubles that do not overlap, smallest first, so that its sign is the sign of its largest
// part. A product of two floats is exact in a double; the product of such a double with a third factor is kept as
// its rounded value and the rounding's error.
class EXACTSUM {
public:
    void Add(double value)
    {
        double total = value;
        int kept = 0;
        for (int i = 0; i < Count; ++i) {
            const double sum = total + Parts[i];
            const double fromPart = sum - total;
            const double error = (total - (sum - fromPart)) + (Parts[i] - fromPart);
            if (error != 0.0)
                Parts[kept++] = error;
            total = sum;
        }
        if (total != 0.0)
            Parts[kept++] = total;
        Count = kept;
    }

    void AddProduct(double a, double b)
    {
        const double product = a * b;
        Add(product);
        Add(std::fma(a, b, -product));
    }

    int Sign() const { return Count == 0 ? 0 : (Parts[Count - 1] > 0.0 ? 1 : -1); }

private:
    static constexpr int MostParts = 12;  // each value added adds one part at most: six products of three factors
    double Parts[MostParts];
    int Count = 0;
};

int Compare(double a, double b)
{
    return (a > b) - (a < b);
}

// How far from the exact value a side's rounded e may stand, for each unit of the magnitudes it is summed from:
// the rounding of a coefficient, of its product with the pixel's centre and of two sums, twice over.
constexpr double RoundingSlack = 8.0 * 0x1p-53;

// One side of a triangle: the line through two corners, e(px, py) = A px + B py + C over the picture (the corners'
// cross product), signed to be positive inside. e is worked out rounded; where it is too near 0 for the rounding
// to decide, its exact sign is taken, so a pixel's centre lies on the same side of a line for every triangle that
// has it, and exactly on it only when it truly is.
struct SIDE {
    double Products[6];   // the coefficients' exact products, unsigned: A = [0] - [1], B = [2] - [3], C = [4] - [5]
    double Sign;          // +1 or -1: the triangle's winding
    double A, B, C;       // rounded, signed
    double Slack;         // the most a rounded e anywhere on the picture stands from the exact one
    bool OwnsBoundary;    // centres exactly on the line are this triangle's: its inside lies to their right, or below

    // The exact sign of e at the homogeneous point (x, y, w): a pixel's centre (px, py, 1), or a corner.
    int ExactSign(double x, double y, double w) const
    {
        EXACTSUM sum;
        sum.AddProduct(x, Products[0]);
        sum.AddProduct(-x, Products[1]);
        sum.AddProduct(y, Products[2]);
        sum.AddProduct(-y, Products[3]);
        sum.AddProduct(w, Products[4]);
        sum.AddProduct(-w, Products[5]);
        return Sign > 0.0 ? sum.Sign() : -sum.Sign();
    }

    // e is A px + (B py + C), rounded as the row loop works it out.
    bool Inside(double px, double py, double e) const
    {
        if (e > Slack)
            return true;
        if (e < -Slack)
            return false;
        const int exact = ExactSign(px, py, 1.0);
        return exact > 0 || (exact == 0 && OwnsBoundary);
    }
};

// The side from one corner to the next of a triangle whose corners turn clockwise on the picture (winding 1) or
// the other way (-1). The triangle beside it lists the shared side the other way round with the same winding: its
// products trade places in each pair, so every value here, rounded or exact, is the other's exactly negated.
SIDE MakeSide(const CORNER& from, const CORNER& to, int winding)
{
    SIDE side{{double{from.Y} * to.W, double{from.W} * to.Y, double{from.W} * to.X, double{from.X} * to.W,
               double{from.X} * to.Y, double{from.Y} * to.X},
              static_cast<double>(winding), 0.0, 0.0, 0.0, 0.0, false};
    const double* p = side.Products;
    side.A = side.Sign * (p[0] - p[1]);
    side.B = side.Sign * (p[2] - p[3]);
    side.C = side.Sign * (p[4] - p[5]);
    side.Slack = RoundingSlack * (PictureWidth * (std::fabs(p[0]) + std::fabs(p[1])) +
                                  PictureHeight * (std::fabs(p[2]) + std::fabs(p[3])) + std::fabs(p[4]) +
                                  std::fabs(p[5]));
    const int a = static_cast<int>(side.Sign) * Compare(p[0], p[1]);
    const int b = static_cast<int>(side.Sign) * Compare(p[2], p[3]);
    side.OwnsBoundary = a > 0 || (a == 0 && b > 0);
    return side;
}

// 1 where the corners turn clockwise on the picture, -1 the other way, 0 where they lie on one line: the exact
// sign of the determinant of their homogeneous places, the side from b to c at a.
int Winding(const CORNER& a, const CORNER& b, const CORNER& c)
{
    return MakeSide(b, c, 1).ExactSign(a.X, a.Y, a.W);
}

// Narrows a row's pixels, first to last, to those whose centre px may give a px + b of -slack or more, with a
// pixel to spare on the side it narrows, as the bound is itself rounded.
void Narrow(double a, double b, double slack, int& first, int& last)
{
    if (a == 0.0) {
        if (b < -slack)
            last = first - 1;
        return;
    }
    const double bound = (-slack - b) / a - 0.5;
    if (std::isnan(bound))
        return;
    const double pixel = std::min(std::max(bound, -2.0), static_cast<double>(PictureWidth) + 1.0);
    if (a > 0.0)
        first = std::max(first, static_cast<int>(std::floor(pixel)) - 1);
    else
        last = std::min(last, static_cast<int>(std::ceil(pixel)) + 1);
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

// The pixels a triangle may reach: those its corners' places span when all lie in front of the eye, as the
// triangle lies within them; else the whole picture, which the sides narrow row by row.
PIXELBOX Reach(const CORNER (&corners)[3])
{
    const double width = PictureWidth, height = PictureHeight;
    double left = width + 1.0, right = -1.0, top = height + 1.0, bottom = -1.0;
    for (const CORNER& c : corners) {
        if (!(c.W > 0.0f))
            return PixelsReached(0.0f, PictureWidth, 0.0f, PictureHeight);
        const double x = std::min(std::max(static_cast<double>(c.X) / c.W, -1.0), width + 1.0);
        const double y = std::min(std::max(static_cast<double>(c.Y) / c.W, -1.0), height + 1.0);
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    return PixelsReached(static_cast<float>(left - 1.0), static_cast<float>(right + 1.0),
                         static_cast<float>(top - 1.0), static_cast<float>(bottom + 1.0));
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

    // The pixel centres inside the triangle, each side decided exactly, so that triangles sharing a side or a corner
    // never both cover a centre nor both leave it. A triangle in space (cut) keeps what lies between the near and the
    // far plane; any triangle reaches only the pixels where it lies in front of the eye, with the depth z / w there.
    void Triangle(const CORNER (&corners)[3], bool cut) const
    {
        for (const CORNER& c : corners) {
            if (!std::isfinite(c.X) || !std::isfinite(c.Y) || !std::isfinite(c.W) || !std::isfinite(c.Z))
                return;
        }
        const int winding = Winding(corners[0], corners[1], corners[2]);
        const std::uint32_t cull = States[D3DRS_CULLMODE];
        if (winding == 0 || (cull == D3DCULL_CW && winding > 0) || (cull == D3DCULL_CCW && winding < 0))
            return;
        // Side k runs between the other two corners, so its e weighs corner k.
        const SIDE sides[3] = {MakeSide(corners[1], corners[2], winding), MakeSide(corners[2], corners[0], winding),
                               MakeSide(corners[0], corners[1], winding)};
        const PIXELBOX box = Reach(corners);
        for (int y = box.Top; y < box.Bottom; ++y) {
            const double py = y + 0.5;
            double rows[3];
            int first = box.Left, last = box.Right - 1;
            for (int k = 0; k < 3; ++k) {
                rows[k] = sides[k].B * py + sides[k].C;
                Narrow(sides[k].A, rows[k], sides[k].Slack, first, last);
            }
            for (int x = first; x <= last; ++x) {
                const double px = x + 0.5;
                double e[3];
                bool inside = true;
                for (int k = 0; k < 3 && inside; ++k) {
                    e[k] = sides[k].A * px + rows[k];
                    inside = sides[k].Inside(px, py, e[k]);
                }
                if (!inside)
                    continue;
                const double z = e[0] * corners[0].Z + e[1] * corners[1].Z + e[2] * corners[2].Z;
                const double w = e[0] * corners[0].W + e[1] * corners[1].W + e[2] * corners[2].W;
                if (!(w > 0.0) || (cut && (z < 0.0 || z > w)))
                    continue;
                Pixel(static_cast<std::size_t>(y) * PictureWidth + static_cast<std::size_t>(x),
                      static_cast<float>(z / w));
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

// A triangle in space is taken through the transforms and drawn as it lies in clip space; its colour is its first
// vertex's.
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
        CORNER points[3];
        for (int k = 0; k < 3; ++k) {
            const std::uint8_t* vertex = vertices + std::size_t{corners[k]} * stride;
            if (!layout.InSpace) {
                points[k] = {FloatAt(vertex, 0), FloatAt(vertex, 1), 1.0f, FloatAt(vertex, 2)};
                continue;
            }
            const VECTOR4 position{FloatAt(vertex, 0), FloatAt(vertex, 1), FloatAt(vertex, 2), 1.0f};
            points[k] = FromClipSpace(
                Transform(Transform(Transform(position, States.World), States.View), States.Projection));
        }
        fill.Triangle(points, layout.InSpace);
    }
}
