// The scalar rasteriser the game first drew with, its arithmetic unchanged, kept as the reference: the fast
// rasteriser must give the same pixels, and the tests and the draw benchmark compare the two.
#include "platform/raster.h"

namespace {

// Calls span(y, begin, end) for each picture row with the run of pixels [begin, end) whose centres
// the placed quad covers. Coverage follows the top-left rule, so quads that share an edge never both
// draw a pixel and a picture placed on whole pixels covers exactly its size.
template <typename SPAN>
void FillQuad(const PLACEMENT& place, SPAN span)
{
    const QUAD quad = MakeQuad(place);
    if (quad.Empty)
        return;
    // A row of a convex quad is covered in one run: walk in from both sides of the bounding box.
    for (int y = quad.Top; y < quad.Bottom; ++y) {
        float py = static_cast<float>(y) + 0.5f;
        int begin = quad.Left;
        while (begin < quad.Right && !quad.Inside(begin, py))
            ++begin;
        int end = quad.Right;
        while (end > begin && !quad.Inside(end - 1, py))
            --end;
        if (begin < end)
            span(y, begin, end);
    }
}

// A colour split into red, green, blue and alpha, each 0 to 255.
struct CHANNELS {
    std::uint32_t C[4];
};

CHANNELS Split(std::uint32_t colour)
{
    return CHANNELS{{(colour >> 16) & 0xffu, (colour >> 8) & 0xffu, colour & 0xffu, colour >> 24}};
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

}  // namespace

void DrawReferenceSprite(std::uint32_t* picture, const SPRITEJOB& job)
{
    // Copies, not references: the picture's pixels could alias the job's whole numbers, which would then be
    // read again after every pixel written.
    const TEXTURE* texture = job.Texture;
    const RECTANGLE rect = job.Source;
    const PLACEMENT place = job.Place;
    const INVERSE inverse = job.Inverse;
    const int lowX = job.LowX, highX = job.HighX, lowY = job.LowY, highY = job.HighY;
    const CHANNELS tint = Split(job.Colour);
    // A sprite wholly off the picture draws nothing; one far enough off has no column an int could name.
    if (MakeQuad(place).Empty)
        return;

    // Each pixel centre falls on a texel centre, where filtering returns the texel unchanged, so it is taken directly.
    if (job.IsExact()) {
        int stepX = job.ExactStep();
        int firstX = job.ExactFirstColumn();
        bool plain = job.Colour == 0xffffffffu;
        FillQuad(place, [&](int y, int begin, int end) {
            const std::uint32_t* row = texture->Row(job.ExactRow(y));
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
    if (job.IsUnturned()) {
        int columnsBegin = -1;
        int columnsEnd = -1;
        int leftTexel[PictureWidth];
        int rightTexel[PictureWidth];
        std::uint32_t rightWeight[PictureWidth];
        FillQuad(place, [&](int y, int begin, int end) {
            if (begin != columnsBegin || end != columnsEnd) {
                for (int x = begin; x < end; ++x) {
                    TEXELPAIR column = PairAt(job.ColumnSource(x), lowX, highX);
                    leftTexel[x] = column.First;
                    rightTexel[x] = column.Second;
                    rightWeight[x] = column.Weight;
                }
                columnsBegin = begin;
                columnsEnd = end;
            }
            TEXELPAIR rows = PairAt(job.RowSource(y), lowY, highY);
            std::uint32_t wy = rows.Weight;
            const std::uint32_t* upperRow = texture->Row(rows.First);
            const std::uint32_t* lowerRow = texture->Row(rows.Second);
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
            TEXELPAIR columns = PairAt(tx, lowX, highX);
            TEXELPAIR rows = PairAt(ty, lowY, highY);
            const std::uint32_t* upperRow = texture->Row(rows.First);
            const std::uint32_t* lowerRow = texture->Row(rows.Second);
            std::uint32_t upper = Mix(upperRow[columns.First], upperRow[columns.Second], columns.Weight);
            std::uint32_t lower = Mix(lowerRow[columns.First], lowerRow[columns.Second], columns.Weight);
            Shade(picture[y * PictureWidth + x], Split(Mix(upper, lower, rows.Weight)), tint);
        }
    });
}

void DrawReferenceLine(std::uint32_t* picture, const PLACEMENT& place, std::uint32_t colour)
{
    const CHANNELS white = Split(0xffffffffu);
    const CHANNELS tint = Split(colour);
    FillQuad(place, [&](int y, int begin, int end) {
        for (int x = begin; x < end; ++x)
            Shade(picture[y * PictureWidth + x], white, tint);
    });
}
