// The texture list's pictures, row by row, and the writer of every file.
// Sizes follow how the game cuts them: whole pictures are powers of two,
// sheets are cells side by side from the top-left, padded with clear texels.
#include "tools/art.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>

#include "tools/art_kit.h"
#include "world/reach.h"

namespace {

constexpr std::uint32_t White = 0xffffffffu;
constexpr std::uint32_t Dark = 0xff303038u;
constexpr float Pi = 3.14159265f;

PICTURE Blank(int w, int h, ALPHACUT cut = AlphaThreshold) { return PICTURE{CANVAS(w, h), cut}; }

// Board tiles: a pale cell with its grid lines; which edges are lined depends on where the tile lies.
PICTURE Tile(ARTKIT&, int edges)
{
    PICTURE p = Blank(32, 32);
    p.Canvas.Fill(Grey(0xc8));
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++)
            if (((x * 7 + y * 13) % 11) == 0)
                p.Canvas.Set(x, y, Grey(0xb8));
    p.Canvas.Rectangle(0, 0, 32, 1, White);
    p.Canvas.Rectangle(0, 0, 1, 32, White);
    if (edges & 1)
        p.Canvas.Rectangle(0, 0, 32, 2, White);
    if (edges & 2)
        p.Canvas.Rectangle(31, 0, 32, 32, White);
    return p;
}

// The reach marker: a ring whose outer edge on every row is exactly the columns the reach test accepts, with a
// ring of dashes inside that shows it turning; clear within, so the board and its pieces show through.
PICTURE Range(ARTKIT&, int)
{
    constexpr int Rim = 9;  // texels of the solid ring, before the game scales the picture by the reach
    constexpr float Centre = ReachCircleRows * 0.5f;
    PICTURE p = Blank(ReachCircleRows, ReachCircleRows);
    auto inside = [](int x, int y) {
        return y >= 0 && y < ReachCircleRows && x >= ReachCircle[y] && x <= ReachCircleRows - 1 - ReachCircle[y];
    };
    for (int y = 0; y < ReachCircleRows; y++) {
        for (int x = ReachCircle[y]; x <= ReachCircleRows - 1 - ReachCircle[y]; x++) {
            float dx = static_cast<float>(x) + 0.5f - Centre, dy = static_cast<float>(y) + 0.5f - Centre;
            if (dx * dx + dy * dy < (Centre - 2.0f * Rim) * (Centre - 2.0f * Rim))
                continue;
            bool rim = false;
            for (int oy = -Rim; oy <= Rim && !rim; oy++)
                for (int ox = -Rim; ox <= Rim && !rim; ox++)
                    rim = ox * ox + oy * oy <= Rim * Rim && !inside(x + ox, y + oy);
            if (rim)
                p.Canvas.Set(x, y, White);
        }
    }
    constexpr int Dashes = 20;
    for (int dash = 0; dash < Dashes; dash++) {
        float from = static_cast<float>(dash) * 2.0f * Pi / Dashes, to = from + 1.2f * Pi / Dashes;
        float radius = Centre - 2.4f * Rim;
        p.Canvas.Line(Centre + std::cos(from) * radius, Centre + std::sin(from) * radius,
                      Centre + std::cos(to) * radius, Centre + std::sin(to) * radius, 6.0f, White);
    }
    return p;
}

PICTURE SelectA(ARTKIT&, int)
{
    PICTURE p = Blank(32, 32);
    const float corners[4][4] = {{1, 1, 1, 1}, {31, 1, -1, 1}, {1, 31, 1, -1}, {31, 31, -1, -1}};
    for (const auto& k : corners) {
        p.Canvas.Line(k[0], k[1], k[0] + 9 * k[2], k[1], 2.5f, White);
        p.Canvas.Line(k[0], k[1], k[0], k[1] + 9 * k[3], 2.5f, White);
    }
    return p;
}

PICTURE SelectB(ARTKIT&, int)
{
    PICTURE p = Blank(32, 32);
    p.Canvas.Ring(16, 16, 12, 2.5f, White);
    p.Canvas.Line(16, 0.5f, 16, 8, 2.0f, White);
    p.Canvas.Line(16, 24, 16, 31.5f, 2.0f, White);
    p.Canvas.Line(0.5f, 16, 8, 16, 2.0f, White);
    p.Canvas.Line(24, 16, 31.5f, 16, 2.0f, White);
    return p;
}

PICTURE Cursor(ARTKIT&, int cross)
{
    PICTURE p = Blank(32, 32);
    if (cross) {
        p.Canvas.Ring(16, 16, 8, 2.0f, White);
        p.Canvas.Line(16, 2, 16, 30, 1.5f, White);
        p.Canvas.Line(2, 16, 30, 16, 1.5f, White);
    } else {
        POINT2 arrow[] = {{2, 2}, {2, 24}, {8, 18}, {13, 28}, {17, 26}, {12, 16}, {20, 16}};
        p.Canvas.Polygon(arrow, 7, White);
    }
    return p;
}

// Spell bolts: one shape each, light so that the spell's colour shows.
enum BOLT { Orb, Star, Halo, Flame, Spiral, Crescent, Drop, Leaf, Diamond, Lightning, Cross };

struct BOLTART {
    BOLT Shape;
    int Width;
    int Height;
};

constexpr BOLTART Bolts[] = {
    {Orb, 17, 17},   {Star, 15, 15},  {Halo, 26, 26},    {Flame, 32, 32},     {Spiral, 32, 32}, {Crescent, 32, 32},
    {Drop, 9, 14},   {Leaf, 20, 20},  {Diamond, 15, 15}, {Lightning, 17, 16}, {Cross, 15, 15},
};

void StarShape(CANVAS& c, float cx, float cy, float outer, float inner, int points, float turn, std::uint32_t colour)
{
    POINT2 star[32];
    for (int i = 0; i < 2 * points; i++) {
        float angle = turn + static_cast<float>(i) * Pi / static_cast<float>(points);
        float r = i % 2 == 0 ? outer : inner;
        star[i] = {cx + r * std::sin(angle), cy - r * std::cos(angle)};
    }
    c.Polygon(star, 2 * points, colour);
}

PICTURE Bolt(ARTKIT&, int index)
{
    const BOLTART& art = Bolts[index];
    float w = static_cast<float>(art.Width), h = static_cast<float>(art.Height);
    float cx = w * 0.5f, cy = h * 0.5f;
    PICTURE p = Blank(PowerOfTwo(art.Width), PowerOfTwo(art.Height), AlphaDither);
    CANVAS& c = p.Canvas;
    switch (art.Shape) {
    case Orb:
        c.Ellipse(cx, cy, cx, cy, Argb(110, 255, 255, 255));
        c.Ellipse(cx, cy, cx * 0.6f, cy * 0.6f, White);
        break;
    case Star:
        StarShape(c, cx, cy, cx, cx * 0.4f, 5, 0.0f, White);
        break;
    case Halo:
        c.Ring(cx, cy, cx - 3.0f, 3.0f, White);
        c.Ring(cx, cy, cx - 8.0f, 1.5f, Argb(180, 255, 255, 255));
        c.Ellipse(cx, cy, 3.0f, 3.0f, White);
        break;
    case Flame: {
        POINT2 flame[] = {{16, 2}, {22, 12}, {26, 20}, {24, 27}, {16, 31}, {8, 27}, {6, 20}, {11, 13}};
        c.Polygon(flame, 8, Argb(150, 255, 255, 255));
        POINT2 core[] = {{16, 10}, {20, 19}, {19, 26}, {16, 28}, {13, 26}, {12, 19}};
        c.Polygon(core, 6, White);
        break;
    }
    case Spiral:
        for (int i = 0; i < 60; i++) {
            float t = static_cast<float>(i) / 60.0f;
            float a0 = t * 4.0f * Pi, a1 = (t + 1.0f / 60.0f) * 4.0f * Pi;
            float r0 = 2.0f + 13.0f * t, r1 = 2.0f + 13.0f * (t + 1.0f / 60.0f);
            c.Line(cx + r0 * std::cos(a0), cy + r0 * std::sin(a0), cx + r1 * std::cos(a1), cy + r1 * std::sin(a1),
                   2.5f, White);
        }
        break;
    case Crescent:
        c.Shape(0, 0, w, h, White, [=](float x, float y) {
            float ax = x - cx, ay = y - cy, bx = x - cx - 6.0f, by = y - cy + 3.0f;
            return ax * ax + ay * ay <= 196.0f && bx * bx + by * by > 144.0f;
        });
        break;
    case Drop: {
        c.Ellipse(cx, h - cx - 0.5f, cx - 0.5f, cx - 0.5f, White);
        POINT2 tip[] = {{cx, 0.5f}, {w - 0.8f, h - cx - 0.5f}, {0.8f, h - cx - 0.5f}};
        c.Polygon(tip, 3, White);
        break;
    }
    case Leaf:
        c.Shape(0, 0, w, h, White, [=](float x, float y) {
            float u = (x - y) / 1.4142f, v = (x + y - w) / 1.4142f;
            return u * u / 1.0f + v * v * 4.0f <= 49.0f;
        });
        c.Line(3, 17, 17, 3, 1.0f, Grey(0x90));
        break;
    case Diamond: {
        POINT2 gem[] = {{cx, 0.5f}, {w - 0.5f, cy}, {cx, h - 0.5f}, {0.5f, cy}};
        c.Polygon(gem, 4, White);
        c.Line(cx, 2.0f, cx, h - 2.0f, 1.0f, Grey(0xb0));
        break;
    }
    case Lightning: {
        POINT2 bolt[] = {{11, 0.5f}, {3, 9}, {8, 9}, {5, 15.5f}, {14, 6}, {9, 6}, {13, 0.5f}};
        c.Polygon(bolt, 7, White);
        break;
    }
    case Cross:
        StarShape(c, cx, cy, cx, 1.8f, 4, 0.0f, White);
        c.Ellipse(cx, cy, 3.0f, 3.0f, White);
        break;
    }
    return p;
}

PICTURE Creature(ARTKIT&, int kind) { return PaintCreatureSheet(kind); }
PICTURE Character(ARTKIT&, int row) { return PaintDreamerPicture(row); }

// The health bar: the fill strip on rows 0 to 2, the frame on rows 6 to 10 with its inside clear.
PICTURE Energy(ARTKIT&, int)
{
    PICTURE p = Blank(32, 16);
    p.Canvas.Rectangle(0, 0, 32, 3, White);
    p.Canvas.Rectangle(0, 1, 32, 2, Grey(0xe0));
    p.Canvas.Rectangle(0, 6, 32, 11, White);
    for (int x = 1; x < 31; x++)
        for (int y = 7; y < 10; y++)
            p.Canvas.Set(x, y, 0x00ffffffu);
    return p;
}

// The board frame: a bevelled band 13 texels wide, the same all along each edge so the 32-texel edge pieces
// join, and a stud in each corner.
PICTURE Borders(ARTKIT&, int)
{
    PICTURE p = Blank(64, 64);
    constexpr int Side = 64, Band = 13;
    const std::uint32_t shades[Band] = {0xff505058u, 0xffe8e8f0u, 0xffffffffu, 0xfff0f0f8u, 0xffd8d8e0u,
                                        0xffc8c8d0u, 0xffb8b8c0u, 0xffc8c8d0u, 0xffd8d8e0u, 0xffe8e8f0u,
                                        0xffa0a0a8u, 0xff707078u, 0xff404048u};
    for (int y = 0; y < Side; y++) {
        for (int x = 0; x < Side; x++) {
            int depth = std::min(std::min(x, y), std::min(Side - 1 - x, Side - 1 - y));
            if (depth < Band)
                p.Canvas.Set(x, y, shades[depth]);
        }
    }
    const int corners[4][2] = {{6, 6}, {57, 6}, {6, 57}, {57, 57}};
    for (const auto& k : corners) {
        p.Canvas.Ellipse(static_cast<float>(k[0]) + 0.5f, static_cast<float>(k[1]) + 0.5f, 4.5f, 4.5f, Dark);
        p.Canvas.Ellipse(static_cast<float>(k[0]) + 0.5f, static_cast<float>(k[1]) + 0.5f, 3.5f, 3.5f, White);
        p.Canvas.Ellipse(static_cast<float>(k[0]) - 0.5f, static_cast<float>(k[1]) - 0.5f, 1.5f, 1.5f, Grey(0xa0));
    }
    return p;
}

// Wild Fire: four 16 x 16 flames side by side, each flickering a little differently.
PICTURE FireWild(ARTKIT&, int)
{
    PICTURE p = Blank(64, 16, AlphaDither);
    for (int frame = 0; frame < 4; frame++) {
        float x0 = static_cast<float>(frame * 16);
        float sway = std::sin(static_cast<float>(frame) * Pi / 2.0f) * 2.0f;
        POINT2 outer[] = {{x0 + 8 + sway, 0.5f}, {x0 + 12, 6}, {x0 + 15, 11}, {x0 + 13, 15.5f},
                          {x0 + 3, 15.5f},       {x0 + 1, 11}, {x0 + 4, 6}};
        p.Canvas.Polygon(outer, 7, Argb(170, 255, 255, 255));
        POINT2 inner[] = {{x0 + 8 - sway * 0.5f, 5}, {x0 + 11, 11}, {x0 + 10, 15}, {x0 + 6, 15}, {x0 + 5, 11}};
        p.Canvas.Polygon(inner, 5, White);
    }
    return p;
}

// Tornado: four 32 x 64 funnels whose bands turn from frame to frame.
PICTURE Tornado(ARTKIT&, int)
{
    PICTURE p = Blank(128, 64, AlphaDither);
    for (int frame = 0; frame < 4; frame++) {
        float x0 = static_cast<float>(frame * 32);
        for (int band = 0; band < 14; band++) {
            float y = 3.0f + static_cast<float>(band) * 4.3f;
            float half = 14.5f - static_cast<float>(band) * 0.9f;
            float wobble = 2.0f * std::sin(static_cast<float>(band) * 0.7f + static_cast<float>(frame) * Pi / 2.0f);
            float cx = x0 + 16.0f + wobble;
            p.Canvas.Ellipse(cx, y, half, 2.2f, Argb(band % 2 == 0 ? 255 : 150, 255, 255, 255));
        }
    }
    return p;
}

void Puff(CANVAS& c, float x0, float y0, float w, float h, std::uint32_t colour)
{
    c.Ellipse(x0 + w * 0.5f, y0 + h * 0.62f, w * 0.46f, h * 0.3f, colour);
    c.Ellipse(x0 + w * 0.32f, y0 + h * 0.45f, w * 0.22f, h * 0.26f, colour);
    c.Ellipse(x0 + w * 0.58f, y0 + h * 0.36f, w * 0.26f, h * 0.3f, colour);
    c.Ellipse(x0 + w * 0.78f, y0 + h * 0.52f, w * 0.18f, h * 0.22f, colour);
}

// The storm cloud: frame 0 the cloud, frame 1 the same cloud with its lightning.
PICTURE Cloud(ARTKIT&, int)
{
    PICTURE p = Blank(128, 64, AlphaDither);
    for (int frame = 0; frame < 2; frame++) {
        float x0 = static_cast<float>(frame * 61);
        Puff(p.Canvas, x0, 0.0f, 61.0f, 44.0f, Argb(200, 255, 255, 255));
        Puff(p.Canvas, x0 + 4.0f, 4.0f, 53.0f, 36.0f, White);
        p.Canvas.Rectangle(x0 + 8.0f, 30.0f, x0 + 53.0f, 34.0f, Grey(0xb0));
        if (frame == 1) {
            POINT2 bolt[] = {{x0 + 32, 30}, {x0 + 24, 46}, {x0 + 30, 46}, {x0 + 22, 63.5f},
                             {x0 + 38, 41}, {x0 + 31, 41}, {x0 + 37, 30}};
            p.Canvas.Polygon(bolt, 7, White);
        }
    }
    return p;
}

// The sparkle: four 32 x 32 frames, a star that opens, flares and fades out.
PICTURE Sparkle(ARTKIT&, int)
{
    PICTURE p = Blank(128, 32, AlphaDither);
    const float sizes[4] = {6.0f, 15.0f, 12.0f, 8.0f};
    const std::uint32_t alphas[4] = {255, 255, 200, 140};
    for (int frame = 0; frame < 4; frame++) {
        float cx = static_cast<float>(frame * 32) + 16.0f;
        p.Canvas.Ellipse(cx, 16.0f, sizes[frame] * 0.6f, sizes[frame] * 0.6f, Argb(alphas[frame] / 2, 255, 255, 255));
        StarShape(p.Canvas, cx, 16.0f, sizes[frame], 2.0f, 4, frame * Pi / 8.0f, Argb(alphas[frame], 255, 255, 255));
        if (frame >= 2)
            for (int dot = 0; dot < 4; dot++) {
                float a = dot * Pi / 2.0f + Pi / 4.0f;
                p.Canvas.Ellipse(cx + std::cos(a) * 12.0f, 16.0f + std::sin(a) * 12.0f, 1.5f, 1.5f, White);
            }
    }
    return p;
}

PICTURE CoverCloud(ARTKIT&, int)
{
    PICTURE p = Blank(64, 32, AlphaDither);
    Puff(p.Canvas, 0.0f, 0.0f, 61.0f, 28.0f, Argb(170, 255, 255, 255));
    Puff(p.Canvas, 5.0f, 3.0f, 51.0f, 22.0f, White);
    return p;
}

// Buttons and frames of the choice screens: light so the hover yellow and the grey of locked slots show.
void Panel(CANVAS& c, float w, float h)
{
    c.Rectangle(0, 0, w, h, Grey(0x50));
    c.Rectangle(2, 2, w - 2, h - 2, Grey(0xf0));
    c.Rectangle(4, 4, w - 4, h - 4, Grey(0x60, 255));
    c.Rectangle(5, 5, w - 5, h - 5, Grey(0x38, 255));
}

PICTURE CountButton(ARTKIT& kit, int count)
{
    PICTURE p = Blank(32, 32);
    p.Canvas.Ellipse(16, 16, 15.5f, 15.5f, Grey(0x50));
    p.Canvas.Ellipse(16, 16, 14, 14, White);
    p.Canvas.Ellipse(16, 16, 11, 11, Grey(0x40));
    kit.Bold.DrawFitted(p.Canvas, static_cast<unsigned long>('0' + count), 8, 16, 5, 28, 24, 18, 0xffffff);
    return p;
}

PICTURE SlotFrame(ARTKIT& kit, int kind)
{
    PICTURE p = Blank(64, 64);
    p.Canvas.Rectangle(0, 0, 64, 64, Grey(0x50));
    p.Canvas.Rectangle(1, 1, 63, 63, White);
    p.Canvas.Rectangle(4, 4, 60, 60, Grey(0x50));
    for (int y = 5; y < 59; y++)
        for (int x = 5; x < 59; x++)
            p.Canvas.Set(x, y, 0x00ffffffu);
    const int studs[4][2] = {{2, 2}, {61, 2}, {2, 61}, {61, 61}};
    for (const auto& s : studs)
        p.Canvas.Ellipse(static_cast<float>(s[0]) + 0.5f, static_cast<float>(s[1]) + 0.5f, 2.5f, 2.5f, Grey(0xc0));
    if (kind == 1) {  // locked: a padlock across the middle
        p.Canvas.Ring(32, 26, 7, 3, White);
        p.Canvas.Rectangle(21, 27, 43, 45, White);
        p.Canvas.Ellipse(32, 34, 2.5f, 2.5f, Grey(0x40));
        p.Canvas.Rectangle(31, 34, 33, 41, Grey(0x40));
    } else if (kind == 2) {
        kit.Bold.DrawFitted(p.Canvas, '?', 16, 32, 10, 54, 46, 36, 0xffffff);
    }
    return p;
}

PICTURE ModeButton(ARTKIT& kit, int challenge)
{
    PICTURE p = Blank(256, 64);
    Panel(p.Canvas, 256, 64);
    const char* text = challenge ? "Challenge" : "Free Game";
    int width = kit.SerifBold.TextWidth(text, 30);
    kit.SerifBold.Text(p.Canvas, text, (256 - width) / 2, 43, 30, 0xffffff);
    return p;
}

PICTURE Title(ARTKIT& kit, int)
{
    PICTURE p = Blank(256, 64);
    const char* text = "Tollmarrow";
    int size = 44;
    while (kit.SerifBold.TextWidth(text, size) > 244)
        size--;
    int x = (256 - kit.SerifBold.TextWidth(text, size)) / 2;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++)
            kit.SerifBold.Text(p.Canvas, text, x + dx, 46 + dy, size, 0x302818);
    kit.SerifBold.Text(p.Canvas, text, x, 46, size, 0xffffff);
    p.Canvas.Line(20, 56, 236, 56, 2.0f, White);
    StarShape(p.Canvas, 128, 57, 6, 2, 4, 0.0f, White);
    return p;
}

// Backgrounds: soft clouds of value noise whose lattice repeats across the 512 texels, so that the picture
// drawn at a width of 640 joins its next copy without a seam.
std::uint32_t Hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    std::uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

float Lattice(int x, int y, int period, std::uint32_t seed)
{
    x = ((x % period) + period) % period;
    y = ((y % period) + period) % period;
    return static_cast<float>(Hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) & 0xffffu) /
           65535.0f;
}

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

float Noise(float x, float y, int period, std::uint32_t seed)
{
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    float fx = Smooth(x - static_cast<float>(ix)), fy = Smooth(y - static_cast<float>(iy));
    float a = Lattice(ix, iy, period, seed), b = Lattice(ix + 1, iy, period, seed);
    float c = Lattice(ix, iy + 1, period, seed), d = Lattice(ix + 1, iy + 1, period, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

struct PALETTE {
    std::uint32_t Deep;
    std::uint32_t Mist;
    std::uint32_t Glow;
    std::uint32_t Seed;
};

constexpr PALETTE Skies[] = {
    {0xff0a0c28u, 0xff3a3880u, 0xff9078c8u, 11},  // the title's night sky
    {0xff181008u, 0xff605030u, 0xffc8a060u, 23},  // the name-entry dusk
    {0xff200810u, 0xff603048u, 0xffb07098u, 37},  // the challenge's red dream
    {0xff081810u, 0xff285838u, 0xff80b890u, 41},  // the free game's green dream
};

PICTURE Background(ARTKIT&, int sky)
{
    constexpr int Side = 512;
    const PALETTE& palette = Skies[sky];
    PICTURE p = Blank(Side, Side);
    for (int y = 0; y < Side; y++) {
        for (int x = 0; x < Side; x++) {
            float value = 0.0f, weight = 0.5f;
            for (int octave = 0; octave < 5; octave++) {
                int period = 4 << octave;
                float scale = static_cast<float>(period) / static_cast<float>(Side);
                value += weight * Noise(static_cast<float>(x) * scale, static_cast<float>(y) * scale, period,
                                        palette.Seed + static_cast<std::uint32_t>(octave));
                weight *= 0.5f;
            }
            value = std::clamp((value - 0.2f) / 0.7f, 0.0f, 1.0f);
            std::uint32_t colour = value < 0.6f ? Mix(palette.Deep, palette.Mist, value / 0.6f)
                                                : Mix(palette.Mist, palette.Glow, (value - 0.6f) / 0.4f);
            std::uint32_t star = Hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), palette.Seed + 99);
            if ((star & 1023u) == 0u)
                colour = Mix(colour, White, 0.5f + static_cast<float>(star >> 28) / 32.0f);
            p.Canvas.Set(x, y, colour);
        }
    }
    return p;
}

// The bottom bar tile: 64 texels across, joining its neighbours, its 38 visible rows a bevelled strip.
PICTURE Bar(ARTKIT&, int)
{
    PICTURE p = Blank(64, 64);
    for (int y = 0; y < 64; y++) {
        float t = static_cast<float>(y) / 37.0f;
        std::uint32_t colour = y < 2 ? White : y < 38 ? Mix(Grey(0xd0), Grey(0x60), t) : Grey(0x60);
        for (int x = 0; x < 64; x++)
            p.Canvas.Set(x, y, colour);
    }
    for (int x = 0; x < 64; x += 16)
        p.Canvas.Ellipse(static_cast<float>(x) + 8.0f, 20.0f, 1.5f, 1.5f, Grey(0xf0));
    return p;
}

// Scenery pictures (a moon, a star, a tree, a cloud bank, a standing stone, a mushroom) and the information
// panel: light shapes, whatever tint the scenery gives them.
PICTURE Scenery(ARTKIT& kit, int which)
{
    switch (which) {
    case 0: {
        PICTURE p = Blank(128, 128, AlphaDither);
        p.Canvas.Ellipse(64, 64, 60, 60, Argb(90, 255, 255, 255));
        p.Canvas.Ellipse(64, 64, 48, 48, White);
        p.Canvas.Ellipse(50, 52, 9, 9, Grey(0xd0));
        p.Canvas.Ellipse(78, 78, 12, 12, Grey(0xd8));
        return p;
    }
    case 1: {
        PICTURE p = Blank(64, 64);
        StarShape(p.Canvas, 32, 32, 30, 11, 5, 0.0f, White);
        return p;
    }
    case 2: {
        PICTURE p = Blank(128, 128);
        p.Canvas.Rectangle(58, 80, 70, 126, Grey(0xb0));
        p.Canvas.Ellipse(64, 52, 44, 36, White);
        p.Canvas.Ellipse(40, 72, 24, 18, White);
        p.Canvas.Ellipse(88, 72, 24, 18, White);
        return p;
    }
    case 3: {
        PICTURE p = Blank(128, 64, AlphaDither);
        Puff(p.Canvas, 0, 0, 128, 64, Argb(160, 255, 255, 255));
        Puff(p.Canvas, 10, 8, 108, 50, White);
        return p;
    }
    case 4: {
        PICTURE p = Blank(64, 64);
        POINT2 stone[] = {{10, 61}, {14, 8}, {28, 1}, {44, 6}, {50, 61}};
        p.Canvas.Polygon(stone, 5, White);
        p.Canvas.Line(24, 20, 36, 44, 2.0f, Grey(0xa0));
        return p;
    }
    case 5: {
        PICTURE p = Blank(64, 64);
        p.Canvas.Rectangle(26, 30, 38, 62, Grey(0xe0));
        p.Canvas.Shape(2, 14, 62, 32, White, [](float x, float y) {
            float dx = (x - 32.0f) / 30.0f, dy = (y - 32.0f) / 18.0f;
            return y < 32.0f && dx * dx + dy * dy <= 1.0f;
        });
        p.Canvas.Ellipse(22, 24, 4, 3, Grey(0xa0));
        p.Canvas.Ellipse(42, 20, 3, 3, Grey(0xa0));
        return p;
    }
    default: {
        PICTURE p = Blank(128, 128);
        p.Canvas.Ellipse(64, 64, 60, 60, White);
        p.Canvas.Ellipse(64, 64, 52, 52, Grey(0x40));
        kit.SerifBold.DrawFitted(p.Canvas, 'i', 40, 48, 16, 112, 100, 90, 0xffffff);
        return p;
    }
    }
}

// One row of the texture list, its painter and what the painter is handed: a creature kind, an index, or for a
// character's picture the row of the character it shows.
struct TEXTUREART {
    TEXTUREROW Row;
    PICTURE (*Paint)(ARTKIT&, int);
    int Argument;
};

constexpr TEXTUREART Textures[] = {
    {TextureGridA,       Tile, 0},
    {TextureGridB,       Tile, 1},
    {TextureGridC,       Tile, 2},
    {TextureGridD,       Tile, 3},
    {TextureRange,       Range, 0},
    {TextureSelectA,     SelectA, 0},
    {TextureShamanA,     Character, TextureCharK},
    {TextureBeeShamanA,  Character, TextureCharH},
    {TextureEagleA,      Creature, 7},
    {TextureCursorA,     Cursor, 0},
    {TextureCursorB,     Cursor, 1},
    {TextureFireA,       Bolt, 0},
    {TextureBadger,      Creature, 1},
    {TextureSelectB,     SelectB, 0},
    {TextureBear,        Creature, 2},
    {TextureBlackbird,   Creature, 3},
    {TextureCat,         Creature, 4},
    {TextureCrane,       Creature, 5},
    {TextureCrow,        Creature, 6},
    {TextureEagle,       Creature, 7},
    {TextureEel,         Creature, 8},
    {TextureHorse,       Creature, 9},
    {TextureEnergy,      Energy, 0},
    {TextureBorders,     Borders, 0},
    {TextureOtter,       Creature, 10},
    {TextureOwl,         Creature, 11},
    {TextureBoar,        Creature, 12},
    {TextureSalmon,      Creature, 13},
    {TextureSwan,        Creature, 14},
    {TextureWolf,        Creature, 15},
    {TextureSquirrel,    Creature, 16},
    {TextureFireB,       Bolt, 1},
    {TextureFireWild,    FireWild, 0},
    {TextureTorn,        Tornado, 0},
    {TextureCloud,       Cloud, 0},
    {TextureExp,         Sparkle, 0},
    {TextureDragon,      Creature, 20},
    {TextureCharSuit,    Character, TextureCharSuit},
    {TextureCharA,       Character, TextureCharG},
    {TextureCharB,       Character, TextureCharF},
    {TextureFireC,       Bolt, 2},
    {TextureFireD,       Bolt, 3},
    {TextureFireE,       Bolt, 4},
    {TextureFireF,       Bolt, 5},
    {TextureFireG,       Bolt, 6},
    {TextureCharNo1,     CountButton, 1},
    {TextureCharNo2,     CountButton, 2},
    {TextureCharNo3,     CountButton, 3},
    {TextureCharNo4,     CountButton, 4},
    {TextureCharNo5,     CountButton, 5},
    {TextureCharNo6,     CountButton, 6},
    {TextureCharNo7,     CountButton, 7},
    {TextureCharNo8,     CountButton, 8},
    {TextureCharType1,   SlotFrame, 0},
    {TextureCharType2,   ModeButton, 0},
    {TextureCharType3,   ModeButton, 1},
    {TextureCharType4,   SlotFrame, 1},
    {TextureCharType5,   SlotFrame, 2},
    {TextureFireH,       Bolt, 7},
    {TextureFireI,       Bolt, 8},
    {TextureFireJ,       Bolt, 9},
    {TextureFireK,       Bolt, 10},
    {TextureCharC,       Character, TextureCharC},
    {TextureCharD,       Character, TextureCharD},
    {TextureDreamerA,    Character, TextureCharC},
    {TextureDruidA,      Character, TextureCharI},
    {TextureWitchA,      Character, TextureCharD},
    {TextureFrog,        Creature, 17},
    {TextureDeer,        Creature, 18},
    {TextureCharE,       Character, TextureCharE},
    {TextureCharF,       Character, TextureCharF},
    {TextureCharG,       Character, TextureCharG},
    {TextureCharH,       Character, TextureCharH},
    {TextureCharI,       Character, TextureCharI},
    {TextureCharK,       Character, TextureCharK},
    {TextureCharL,       Character, TextureCharL},
    {TextureCharM,       Character, TextureCharM},
    {TextureBee,         Creature, 19},
    {TextureTitle,       Title, 0},
    {TextureCloud2,      CoverCloud, 0},
    {TextureImageA,      Background, 0},
    {TextureImageB,      Scenery, 0},
    {TextureImageC,      Scenery, 1},
    {TextureImageD,      Scenery, 2},
    {TextureImageE,      Scenery, 3},
    {TextureInfo,        Scenery, 6},
    {TextureImageF,      Scenery, 4},
    {TextureImageG,      Scenery, 5},
    {TextureImageH,      Background, 1},
    {TextureImageI,      Background, 2},
    {TextureImageJ,      Background, 3},
    {TextureBar,         Bar, 0},
};
static_assert(std::size(Textures) == ArtTextureFiles);

// Every row of the texture list is painted, each once, in the list's order.
constexpr bool PaintedInListOrder()
{
    for (int i = 0; i < ArtTextureFiles; i++)
        if (Textures[i].Row != i)
            return false;
    return true;
}
static_assert(PaintedInListOrder());

}  // namespace

bool MakeArt(const std::string& folder, std::string& error)
{
    ARTKIT kit;
    if (!kit.Open(ArtFaceFolder, error))
        return false;
    std::error_code ignored;
    std::filesystem::create_directories(folder + "/Textures/Font", ignored);
    for (const TEXTUREART& art : Textures) {
        PICTURE picture = art.Paint(kit, art.Argument);
        std::string path = folder + "/Textures/" + TextureList[art.Row].Name;
        if (!WriteBytes(path, EncodeDds(picture.Canvas, picture.Cut))) {
            error = "cannot write " + path;
            return false;
        }
    }
    return WriteFonts(kit, folder + "/Textures/Font", error);
}
