// The software picture: textures, the affine quad rasteriser behind sprites and lines, and its blending.
// Both back ends draw here, so the window and the headless tests see the same pixels.
#include "platform/device.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/png.h"

namespace {

constexpr std::uint32_t OpaqueBlack = 0xff000000u;

// Texel (u, v) of a source Width x Height texels lands at Origin + u * AxisX + v * AxisY.
struct PLACEMENT {
    VECTOR2 Origin;
    VECTOR2 AxisX;
    VECTOR2 AxisY;
    float Width = 0.0f;
    float Height = 0.0f;
};

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

EDGE MakeEdge(VECTOR2 a, VECTOR2 b)
{
    EDGE edge{a.X, a.Y, b.X - a.X, b.Y - a.Y, false};
    edge.IncludesBoundary = (edge.Dy == 0.0f && edge.Dx > 0.0f) || edge.Dy < 0.0f;
    return edge;
}

VECTOR2 Along(VECTOR2 from, VECTOR2 axis, float amount)
{
    return VECTOR2{from.X + axis.X * amount, from.Y + axis.Y * amount};
}

// Calls span(y, begin, end) for each picture row with the run of pixels [begin, end) whose centres
// the placed quad covers. Coverage follows the top-left rule, so quads that share an edge never both
// draw a pixel and a picture placed on whole pixels covers exactly its size.
template <typename SPAN>
void FillQuad(const PLACEMENT& place, SPAN span)
{
    float det = place.AxisX.X * place.AxisY.Y - place.AxisX.Y * place.AxisY.X;
    if (!std::isfinite(det) || det == 0.0f || !std::isfinite(place.Origin.X) || !std::isfinite(place.Origin.Y))
        return;
    VECTOR2 corners[4];
    corners[0] = place.Origin;
    corners[1] = Along(place.Origin, place.AxisX, place.Width);
    corners[2] = Along(corners[1], place.AxisY, place.Height);
    corners[3] = Along(place.Origin, place.AxisY, place.Height);
    if (det < 0.0f)
        std::swap(corners[1], corners[3]);
    EDGE edges[4];
    float minX = corners[0].X, maxX = corners[0].X, minY = corners[0].Y, maxY = corners[0].Y;
    for (int i = 0; i < 4; ++i) {
        edges[i] = MakeEdge(corners[i], corners[(i + 1) % 4]);
        minX = std::min(minX, corners[i].X);
        maxX = std::max(maxX, corners[i].X);
        minY = std::min(minY, corners[i].Y);
        maxY = std::max(maxY, corners[i].Y);
    }
    if (!std::isfinite(minX) || !std::isfinite(maxX) || !std::isfinite(minY) || !std::isfinite(maxY))
        return;
    int left = static_cast<int>(std::max(0.0f, std::floor(minX)));
    int right = static_cast<int>(std::min(static_cast<float>(PictureWidth), std::ceil(maxX)));
    int top = static_cast<int>(std::max(0.0f, std::floor(minY)));
    int bottom = static_cast<int>(std::min(static_cast<float>(PictureHeight), std::ceil(maxY)));
    auto inside = [&edges](int x, float py) {
        float px = static_cast<float>(x) + 0.5f;
        return edges[0].Inside(px, py) && edges[1].Inside(px, py) && edges[2].Inside(px, py) && edges[3].Inside(px, py);
    };
    // A row of a convex quad is covered in one run: walk in from both sides of the bounding box.
    for (int y = top; y < bottom; ++y) {
        float py = static_cast<float>(y) + 0.5f;
        int begin = left;
        while (begin < right && !inside(begin, py))
            ++begin;
        int end = right;
        while (end > begin && !inside(end - 1, py))
            --end;
        if (begin < end)
            span(y, begin, end);
    }
}

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
int FloorToInt(float value)
{
    int i = static_cast<int>(value);
    return value < static_cast<float>(i) ? i - 1 : i;
}

// A colour split into red, green, blue and alpha, each 0 to 255.
struct CHANNELS {
    std::uint32_t C[4];
};

CHANNELS Split(std::uint32_t colour)
{
    return CHANNELS{{(colour >> 16) & 0xffu, (colour >> 8) & 0xffu, colour & 0xffu, colour >> 24}};
}

// value / 255 rounded to nearest, exact for every value up to 255 x 255.
inline std::uint32_t DivideBy255(std::uint32_t value)
{
    value += 128u;
    return (value + (value >> 8)) >> 8;
}

// Multiplies a texel by the tint and lays it over the pixel: source alpha, inverse source alpha.
inline void Shade(std::uint32_t& pixel, const CHANNELS& texel, const CHANNELS& tint)
{
    std::uint32_t alpha = DivideBy255(texel.C[3] * tint.C[3]);
    if (alpha == 0u)
        return;
    std::uint32_t red = texel.C[0];
    std::uint32_t green = texel.C[1];
    std::uint32_t blue = texel.C[2];
    if ((tint.C[0] & tint.C[1] & tint.C[2]) != 255u) {
        red = DivideBy255(red * tint.C[0]);
        green = DivideBy255(green * tint.C[1]);
        blue = DivideBy255(blue * tint.C[2]);
    }
    if (alpha < 255u) {
        std::uint32_t keep = 255u - alpha;
        red = DivideBy255(red * alpha + ((pixel >> 16) & 0xffu) * keep);
        green = DivideBy255(green * alpha + ((pixel >> 8) & 0xffu) * keep);
        blue = DivideBy255(blue * alpha + (pixel & 0xffu) * keep);
    }
    pixel = OpaqueBlack | (red << 16) | (green << 8) | blue;
}

// Weighs two colours channel by channel, weight 0 to 256 of the second, two channels per multiply.
inline std::uint32_t Mix(std::uint32_t first, std::uint32_t second, std::uint32_t weight)
{
    std::uint32_t keep = 256u - weight;
    std::uint32_t redBlue = ((first & 0x00ff00ffu) * keep + (second & 0x00ff00ffu) * weight + 0x00800080u) >> 8;
    std::uint32_t alphaGreen = (((first >> 8) & 0x00ff00ffu) * keep + ((second >> 8) & 0x00ff00ffu) * weight + 0x00800080u) >> 8;
    return (redBlue & 0x00ff00ffu) | ((alphaGreen & 0x00ff00ffu) << 8);
}

int ClampIndex(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

}  // namespace

bool TEXTURE::Create(IMAGE image)
{
    bool valid = image.Width > 0 && image.Height > 0 &&
                 image.Pixels.size() == static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height);
    Texels = valid ? std::move(image) : IMAGE{};
    return valid;
}

int TEXTURE::Width() const
{
    return Texels.Width;
}

int TEXTURE::Height() const
{
    return Texels.Height;
}

std::uint32_t TEXTURE::Texel(int x, int y) const
{
    return Row(y)[x];
}

const std::uint32_t* TEXTURE::Row(int y) const
{
    return Texels.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(Texels.Width);
}

DEVICE::DEVICE()
    : Pixels(static_cast<std::size_t>(PictureWidth) * PictureHeight, OpaqueBlack)
{
}

bool DEVICE::IsHeadless() const
{
    return Headless;
}

void DEVICE::Clear(std::uint32_t colour)
{
    std::fill(Pixels.begin(), Pixels.end(), OpaqueBlack | (colour & 0xffffffu));
}

void DEVICE::BeginScene()
{
}

void DEVICE::EndScene()
{
}

std::uint32_t DEVICE::Pixel(int x, int y) const
{
    return IsInPicture(x, y) ? Pixels[static_cast<std::size_t>(y) * PictureWidth + x] : 0u;
}

std::uint32_t* DEVICE::Picture()
{
    return Pixels.data();
}

bool DEVICE::SaveScreenshot(const char* name) const
{
    return SavePng(name, Pixels.data(), PictureWidth, PictureHeight);
}

void SPRITEDRAWER::Create(DEVICE* device)
{
    pDevice = device;
}

void SPRITEDRAWER::Begin()
{
}

void SPRITEDRAWER::End()
{
}

void SPRITEDRAWER::Draw(const TEXTURE* texture, const RECTANGLE* source, VECTOR2 scaling, const VECTOR2* centre,
                        float rotation, VECTOR2 translation, std::uint32_t colour)
{
    if (pRecording != nullptr) {
        SPRITEDRAW draw;
        draw.Texture = texture;
        draw.HasSource = source != nullptr;
        if (source != nullptr)
            draw.Source = *source;
        draw.Scaling = scaling;
        draw.HasCentre = centre != nullptr;
        if (centre != nullptr)
            draw.Centre = *centre;
        draw.Rotation = rotation;
        draw.Translation = translation;
        draw.Colour = colour;
        pRecording->push_back(draw);
    }
    if (pDevice == nullptr || texture == nullptr || texture->Width() == 0)
        return;
    RECTANGLE rect{0, 0, texture->Width(), texture->Height()};
    if (source != nullptr)
        rect = *source;
    int width = rect.Right - rect.Left;
    int height = rect.Bottom - rect.Top;
    if (width <= 0 || height <= 0)
        return;

    // Texel (u, v) is scaled to (u sx, v sy), turned about the centre c and moved by the translation t:
    // t + c - R c + u (sx cos, sx sin) + v (-sy sin, sy cos), R turning clockwise on the y-down picture.
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

    // Filtering never reaches past the source rectangle (nor past the texture), so neighbours in a sheet stay out.
    int lowX = ClampIndex(rect.Left, 0, texture->Width() - 1);
    int highX = ClampIndex(rect.Right - 1, lowX, texture->Width() - 1);
    int lowY = ClampIndex(rect.Top, 0, texture->Height() - 1);
    int highY = ClampIndex(rect.Bottom - 1, lowY, texture->Height() - 1);
    const CHANNELS tint = Split(colour);
    std::uint32_t* picture = pDevice->Picture();
    INVERSE inverse(place);

    // Whole texels on whole pixels (unscaled, unturned, perhaps mirrored): each pixel centre falls on a
    // texel centre, where filtering returns the texel unchanged, so it is taken directly.
    bool exact = (inverse.Ux == 1.0f || inverse.Ux == -1.0f) && inverse.Uy == 0.0f && inverse.Vx == 0.0f &&
                 (inverse.Vy == 1.0f || inverse.Vy == -1.0f) && place.Origin.X == std::floor(place.Origin.X) &&
                 place.Origin.Y == std::floor(place.Origin.Y);
    if (exact) {
        int stepX = static_cast<int>(inverse.Ux);
        int firstX = rect.Left + (stepX > 0 ? -static_cast<int>(place.Origin.X) : static_cast<int>(place.Origin.X) - 1);
        bool plain = colour == 0xffffffffu;
        FillQuad(place, [&](int y, int begin, int end) {
            float v = (static_cast<float>(y) + 0.5f - place.Origin.Y) * inverse.Vy;
            int ty = ClampIndex(rect.Top + FloorToInt(v), lowY, highY);
            const std::uint32_t* row = texture->Row(ty);
            for (int x = begin; x < end; ++x) {
                std::uint32_t t = row[ClampIndex(firstX + stepX * x, lowX, highX)];
                std::uint32_t& pixel = picture[y * PictureWidth + x];
                if (plain && (t >> 24) == 0xffu)
                    pixel = t;
                else
                    Shade(pixel, Split(t), tint);
            }
        });
        return;
    }

    // An unturned picture samples the same columns in every row and each row from one pair of texel
    // rows: the columns' texels and weights are worked out once, the rows' once per row.
    if (inverse.Uy == 0.0f && inverse.Vx == 0.0f) {
        int columnsBegin = -1;
        int columnsEnd = -1;
        int leftTexel[PictureWidth];
        int rightTexel[PictureWidth];
        std::uint32_t rightWeight[PictureWidth];
        FillQuad(place, [&](int y, int begin, int end) {
            if (begin != columnsBegin || end != columnsEnd) {
                for (int x = begin; x < end; ++x) {
                    float tx = static_cast<float>(rect.Left) + (static_cast<float>(x) + 0.5f - place.Origin.X) * inverse.Ux - 0.5f;
                    int x0 = FloorToInt(tx);
                    leftTexel[x] = ClampIndex(x0, lowX, highX);
                    rightTexel[x] = ClampIndex(x0 + 1, lowX, highX);
                    rightWeight[x] = static_cast<std::uint32_t>((tx - static_cast<float>(x0)) * 256.0f);
                }
                columnsBegin = begin;
                columnsEnd = end;
            }
            float ty = static_cast<float>(rect.Top) + (static_cast<float>(y) + 0.5f - place.Origin.Y) * inverse.Vy - 0.5f;
            int y0 = FloorToInt(ty);
            std::uint32_t wy = static_cast<std::uint32_t>((ty - static_cast<float>(y0)) * 256.0f);
            const std::uint32_t* upperRow = texture->Row(ClampIndex(y0, lowY, highY));
            const std::uint32_t* lowerRow = texture->Row(ClampIndex(y0 + 1, lowY, highY));
            std::uint32_t* out = picture + y * PictureWidth;
            for (int x = begin; x < end; ++x) {
                std::uint32_t texel = Mix(upperRow[leftTexel[x]], upperRow[rightTexel[x]], rightWeight[x]);
                if (wy != 0u)
                    texel = Mix(texel, Mix(lowerRow[leftTexel[x]], lowerRow[rightTexel[x]], rightWeight[x]), wy);
                Shade(out[x], Split(texel), tint);
            }
        });
        return;
    }

    FillQuad(place, [&](int y, int begin, int end) {
        float dy = static_cast<float>(y) + 0.5f - place.Origin.Y;
        for (int x = begin; x < end; ++x) {
            float dx = static_cast<float>(x) + 0.5f - place.Origin.X;
            float tx = static_cast<float>(rect.Left) + dx * inverse.Ux + dy * inverse.Uy - 0.5f;
            float ty = static_cast<float>(rect.Top) + dx * inverse.Vx + dy * inverse.Vy - 0.5f;
            int x0 = FloorToInt(tx);
            int y0 = FloorToInt(ty);
            std::uint32_t wx = static_cast<std::uint32_t>((tx - static_cast<float>(x0)) * 256.0f);
            std::uint32_t wy = static_cast<std::uint32_t>((ty - static_cast<float>(y0)) * 256.0f);
            const std::uint32_t* upperRow = texture->Row(ClampIndex(y0, lowY, highY));
            const std::uint32_t* lowerRow = texture->Row(ClampIndex(y0 + 1, lowY, highY));
            int xa = ClampIndex(x0, lowX, highX);
            int xb = ClampIndex(x0 + 1, lowX, highX);
            std::uint32_t upper = Mix(upperRow[xa], upperRow[xb], wx);
            std::uint32_t lower = Mix(lowerRow[xa], lowerRow[xb], wx);
            Shade(picture[y * PictureWidth + x], Split(Mix(upper, lower, wy)), tint);
        }
    });
}

void SPRITEDRAWER::Record(std::vector<SPRITEDRAW>* into)
{
    pRecording = into;
}

void LINEDRAWER::Create(DEVICE* device)
{
    pDevice = device;
}

void LINEDRAWER::SetWidth(float width)
{
    Width = width;
}

void LINEDRAWER::Begin()
{
}

void LINEDRAWER::End()
{
}

void LINEDRAWER::Record(std::vector<LINEDRAW>* into)
{
    pRecording = into;
}

void LINEDRAWER::Draw(VECTOR2 from, VECTOR2 to, std::uint32_t colour)
{
    if (pRecording != nullptr)
        pRecording->push_back(LINEDRAW{from, to, Width, colour});
    if (pDevice == nullptr || !(Width > 0.0f))
        return;
    float dx = to.X - from.X;
    float dy = to.Y - from.Y;
    float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0f))
        return;
    // The points name pixels, so the line runs through their centres; its sides lie half the width away.
    VECTOR2 across{-dy / length * Width, dx / length * Width};
    PLACEMENT place;
    place.Origin = VECTOR2{from.X + 0.5f - across.X * 0.5f, from.Y + 0.5f - across.Y * 0.5f};
    place.AxisX = VECTOR2{dx, dy};
    place.AxisY = across;
    place.Width = 1.0f;
    place.Height = 1.0f;
    const CHANNELS white = Split(0xffffffffu);
    const CHANNELS tint = Split(colour);
    std::uint32_t* picture = pDevice->Picture();
    FillQuad(place, [&](int y, int begin, int end) {
        for (int x = begin; x < end; ++x)
            Shade(picture[y * PictureWidth + x], white, tint);
    });
}
