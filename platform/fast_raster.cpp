// The rasteriser the game draws with: the reference's coverage, sampling and blending, found run by run instead of
// pixel by pixel and worked through the span kernels of the best instruction set the processor has.
#include <cmath>

#include "platform/raster.h"
#include "platform/span_kernels.h"

namespace {

const SPANKERNELS& Kernels(DRAWPATH path)
{
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    return hasAvx2 && path != DrawSse2 ? Avx2Kernels() : Sse2Kernels();
}

// Past this size an edge function's products could overflow, and with them the order the search for a row's run
// relies on: such quads (far off the picture, or vast) are left to the reference.
constexpr float TameEdge = 1.0e15f;

// Texel positions past this size could overflow the conversions to whole texels, which the kernels make in a
// different instruction from the reference's: such draws (far off the texture) are left to the reference.
constexpr double TameSource = 16777216.0;

bool IsTame(const QUAD& quad)
{
    for (const EDGE& edge : quad.Edges) {
        if (!(std::fabs(edge.Ax) < TameEdge && std::fabs(edge.Ay) < TameEdge && std::fabs(edge.Dx) < TameEdge &&
              std::fabs(edge.Dy) < TameEdge))
            return false;
    }
    return true;
}

// The first x of [low, high) where the edge's test gives wanted, else high. Along a row the edge function is
// monotonic, even rounded, so the test changes at most once: start from where the exact line crosses the row (at
// the edge's x per y, slope, from its start) and step to the change.
int FirstWhere(const EDGE& edge, float slope, float py, int low, int high, bool wanted)
{
    float crossing = edge.Ax + slope * (py - edge.Ay) - 0.5f;
    int x = low;
    if (crossing >= static_cast<float>(high))
        x = high;
    else if (crossing > static_cast<float>(low))
        x = static_cast<int>(crossing);
    while (x > low && edge.Inside(static_cast<float>(x - 1) + 0.5f, py) == wanted)
        --x;
    while (x < high && edge.Inside(static_cast<float>(x) + 0.5f, py) != wanted)
        ++x;
    return x;
}

// The run of row py that the reference's walk finds, from each edge's change along the row: an edge falling
// to the right (its inside rising) bounds the run on the left, one rising bounds it on the right, and a level
// edge keeps or drops the whole row.
void RowRun(const QUAD& quad, const float* slopes, float py, int& begin, int& end)
{
    begin = quad.Left;
    end = quad.Right;
    for (int i = 0; i < 4; ++i) {
        const EDGE& edge = quad.Edges[i];
        if (edge.Dy < 0.0f) {
            int first = FirstWhere(edge, slopes[i], py, quad.Left, quad.Right, true);
            begin = first > begin ? first : begin;
        } else if (edge.Dy > 0.0f) {
            int last = FirstWhere(edge, slopes[i], py, quad.Left, quad.Right, false);
            end = last < end ? last : end;
        } else if (!edge.Inside(static_cast<float>(quad.Left) + 0.5f, py)) {
            end = begin;
        }
    }
}

// Calls span(y, begin, end) for exactly the runs the reference's FillQuad gives a tame quad. A quad with its sides
// along the axes covers one run of columns on every row it covers at all: its upright edges decide the columns
// and its level edges the rows, so after the first run a row needs only the test of its first pixel.
template <typename SPAN>
void FillQuadRuns(const QUAD& quad, SPAN span)
{
    bool upright = true;
    float slopes[4];
    for (int i = 0; i < 4; ++i) {
        const EDGE& edge = quad.Edges[i];
        upright = upright && (edge.Dx == 0.0f || edge.Dy == 0.0f);
        slopes[i] = edge.Dy != 0.0f ? edge.Dx / edge.Dy : 0.0f;
    }
    bool known = false;
    int begin = 0, end = 0;
    for (int y = quad.Top; y < quad.Bottom; ++y) {
        float py = static_cast<float>(y) + 0.5f;
        if (known) {
            if (quad.Inside(begin, py))
                span(y, begin, end);
            continue;
        }
        RowRun(quad, slopes, py, begin, end);
        if (begin < end) {
            span(y, begin, end);
            known = upright;
        }
    }
}

// Whether every texel position the draw works out over its quad's bounding box is small enough for the kernels;
// the positions are affine in the pixel, so the box's corners bound them.
bool SamplesStayNear(const SPRITEJOB& job, const QUAD& quad)
{
    const double xs[2] = {static_cast<double>(quad.Left), static_cast<double>(quad.Right)};
    const double ys[2] = {static_cast<double>(quad.Top), static_cast<double>(quad.Bottom)};
    for (double x : xs) {
        for (double y : ys) {
            double dx = x - job.Place.Origin.X;
            double dy = y - job.Place.Origin.Y;
            double u = job.Source.Left + dx * job.Inverse.Ux + dy * job.Inverse.Uy;
            double v = job.Source.Top + dx * job.Inverse.Vx + dy * job.Inverse.Vy;
            if (!(std::fabs(u) < TameSource && std::fabs(v) < TameSource))
                return false;
        }
    }
    return true;
}

// The texels of each run are shaded straight from the texture's row where they lie in order.
void DrawExact(std::uint32_t* picture, const SPRITEJOB& job, const QUAD& quad, const SPANKERNELS& kernels)
{
    const int step = job.ExactStep();
    const int firstColumn = job.ExactFirstColumn();
    std::uint32_t reordered[PictureWidth];
    FillQuadRuns(quad, [&](int y, int begin, int end) {
        const std::uint32_t* row = job.Texture->Row(job.ExactRow(y));
        int first = firstColumn + step * begin;
        const std::uint32_t* texels = reordered;
        if (step > 0 && first >= job.LowX && firstColumn + step * (end - 1) <= job.HighX) {
            texels = row + first;
        } else {
            // Mirrored, or reaching past the source: the texels in the order and the clamping the reference takes.
            for (int x = begin; x < end; ++x)
                reordered[x - begin] = row[ClampIndex(firstColumn + step * x, job.LowX, job.HighX)];
        }
        kernels.Shade(picture + y * PictureWidth + begin, texels, end - begin, job.Colour);
    });
}

// Each texel row is mixed across once for all the picture rows that filter from it: an enlarged picture takes
// each pair of texel rows for several picture rows in turn.
void DrawUnturned(std::uint32_t* picture, const SPRITEJOB& job, const QUAD& quad, const SPANKERNELS& kernels)
{
    COLUMNS columns;
    int columnsBegin = -1;
    int columnsEnd = -1;
    std::uint32_t mixed[2][PictureWidth];
    int mixedRow[2] = {-1, -1};
    std::uint32_t texels[PictureWidth];
    FillQuadRuns(quad, [&](int y, int begin, int end) {
        const int count = end - begin;
        if (begin != columnsBegin || end != columnsEnd) {
            for (int x = begin; x < end; ++x) {
                TEXELPAIR column = PairAt(job.ColumnSource(x), job.LowX, job.HighX);
                columns.Left[x - begin] = column.First;
                columns.Right[x - begin] = column.Second;
                columns.Weight[x - begin] = column.Weight * 0x01010101u;
            }
            columnsBegin = begin;
            columnsEnd = end;
            mixedRow[0] = mixedRow[1] = -1;
        }
        TEXELPAIR rows = PairAt(job.RowSource(y), job.LowY, job.HighY);
        auto slotOf = [&](int row) { return mixedRow[0] == row ? 0 : (mixedRow[1] == row ? 1 : -1); };
        auto mix = [&](int slot, int row) {
            kernels.MixColumns(mixed[slot], job.Texture->Row(row), (job.Texture->Height() - row) * job.Texture->Width(),
                               columns, count);
            mixedRow[slot] = row;
        };
        // The slot a row is mixed into is never the one holding the other row this picture row needs.
        int upper = slotOf(rows.First);
        int lower = rows.Weight != 0u ? slotOf(rows.Second) : -1;
        if (upper < 0) {
            upper = lower == 0 ? 1 : 0;
            mix(upper, rows.First);
        }
        const std::uint32_t* shaded = mixed[upper];
        if (rows.Weight != 0u) {
            if (lower < 0) {
                lower = 1 - upper;
                mix(lower, rows.Second);
            }
            kernels.MixRows(texels, mixed[upper], mixed[lower], rows.Weight, count);
            shaded = texels;
        }
        kernels.Shade(picture + y * PictureWidth + begin, shaded, count, job.Colour);
    });
}

// Every pixel of a turned picture samples its own texels: the kernel works out where, as the reference does.
void DrawTurned(std::uint32_t* picture, const SPRITEJOB& job, const QUAD& quad, const SPANKERNELS& kernels)
{
    TURNEDROW row;
    row.Texels = job.Texture->Row(0);
    row.Stride = job.Texture->Width();
    row.Count = job.Texture->Width() * job.Texture->Height();
    row.LowX = job.LowX;
    row.HighX = job.HighX;
    row.LowY = job.LowY;
    row.HighY = job.HighY;
    row.SourceLeft = static_cast<float>(job.Source.Left);
    row.SourceTop = static_cast<float>(job.Source.Top);
    row.OriginX = job.Place.Origin.X;
    row.Ux = job.Inverse.Ux;
    row.Vx = job.Inverse.Vx;
    std::uint32_t texels[PictureWidth];
    FillQuadRuns(quad, [&](int y, int begin, int end) {
        float dy = static_cast<float>(y) + 0.5f - job.Place.Origin.Y;
        row.DyUy = dy * job.Inverse.Uy;
        row.DyVy = dy * job.Inverse.Vy;
        row.FirstX = begin;
        kernels.SampleTurned(texels, row, end - begin);
        kernels.Shade(picture + y * PictureWidth + begin, texels, end - begin, job.Colour);
    });
}

}  // namespace

void DrawFastSprite(std::uint32_t* picture, const SPRITEJOB& job, DRAWPATH path)
{
    // A colour of alpha 0 makes every texel's alpha 0: nothing shows.
    if ((job.Colour >> 24) == 0u)
        return;
    const QUAD quad = MakeQuad(job.Place);
    if (quad.Empty)
        return;
    if (!IsTame(quad) || !SamplesStayNear(job, quad)) {
        DrawReferenceSprite(picture, job);
        return;
    }
    const SPANKERNELS& kernels = Kernels(path);
    if (job.IsExact())
        DrawExact(picture, job, quad, kernels);
    else if (job.IsUnturned())
        DrawUnturned(picture, job, quad, kernels);
    else
        DrawTurned(picture, job, quad, kernels);
}

void DrawFastLine(std::uint32_t* picture, const PLACEMENT& place, std::uint32_t colour, DRAWPATH path)
{
    const QUAD quad = MakeQuad(place);
    if (quad.Empty)
        return;
    if (!IsTame(quad)) {
        DrawReferenceLine(picture, place, colour);
        return;
    }
    const SPANKERNELS& kernels = Kernels(path);
    FillQuadRuns(quad, [&](int y, int begin, int end) {
        kernels.Fill(picture + y * PictureWidth + begin, end - begin, colour);
    });
}
