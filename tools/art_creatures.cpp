// The twenty creature sheets: each a body cell and a glow cell side by side, the body a light silhouette facing
// right whose outline alone tells the kind on the board, with a few dark marks (eyes, stripes, spots). A part
// thinner than four texels is all outline, a dark line: right for thin legs, but the antlers that make the stag
// are drawn thicker so they do not fade into the dark board.
#include <cmath>
#include <iterator>

#include "tools/art_kit.h"

namespace {

constexpr std::uint32_t White = 0xffffffffu;
constexpr std::uint32_t Mark = 0xff383840u;   // eyes, stripes and other dark marks
constexpr std::uint32_t Soft = 0xff9090a0u;   // shading marks: wing lines, scales

// A painter works in the body cell's own texels: (0, 0) top-left, w x h.
struct PEN {
    CANVAS& C;
    float W;
    float H;
    float X(float f) const { return f * W; }
    float Y(float f) const { return f * H; }
    void Oval(float cx, float cy, float rx, float ry, std::uint32_t colour = White) const
    {
        C.Ellipse(X(cx), Y(cy), X(rx), Y(ry), colour);
    }
    void Stroke(float x0, float y0, float x1, float y1, float width, std::uint32_t colour = White) const
    {
        C.Line(X(x0), Y(y0), X(x1), Y(y1), width, colour);
    }
    void Shape(std::initializer_list<POINT2> points, std::uint32_t colour = White) const
    {
        POINT2 scaled[32];
        int count = 0;
        for (const POINT2& p : points)
            if (count < 32)
                scaled[count++] = {X(p.X), Y(p.Y)};
        C.Polygon(scaled, count, colour);
    }
    void Eye(float cx, float cy, float radius = 1.3f) const { C.Ellipse(X(cx), Y(cy), radius, radius, Mark); }
};

// Four legs, a body, a neck and a head: the frame of the mammals, which their own marks then set apart.
void FourLegs(const PEN& p, float top, float bottom, float legWidth)
{
    p.Stroke(0.24f, top, 0.22f, bottom, legWidth);
    p.Stroke(0.34f, top, 0.36f, bottom, legWidth);
    p.Stroke(0.62f, top, 0.60f, bottom, legWidth);
    p.Stroke(0.72f, top, 0.74f, bottom, legWidth);
}

// A low mound from the short tail to the pointed snout near the ground, on stubby legs, with the dark band
// through the eye of its striped face.
void Badger(const PEN& p)
{
    p.Oval(0.42f, 0.5f, 0.38f, 0.32f);
    p.Shape({{0.04f, 0.72f}, {0.1f, 0.38f}, {0.3f, 0.16f}, {0.56f, 0.14f}, {0.76f, 0.28f}, {0.88f, 0.46f},
             {1.0f, 0.72f}, {0.9f, 0.78f}, {0.7f, 0.76f}, {0.1f, 0.82f}});
    for (float x : {0.18f, 0.32f, 0.58f, 0.72f})
        p.Stroke(x, 0.7f, x - 0.01f, 0.96f, 5.0f, Soft);
    p.Oval(0.72f, 0.3f, 0.05f, 0.08f);
    p.Stroke(0.06f, 0.56f, 0.0f, 0.64f, 3.0f);
    p.Stroke(0.7f, 0.34f, 0.97f, 0.7f, 2.5f, Mark);
    p.Stroke(0.64f, 0.3f, 0.4f, 0.24f, 2.0f, Soft);
    p.Eye(0.82f, 0.5f, 1.0f);
}

void Bear(const PEN& p)
{
    p.Oval(0.44f, 0.5f, 0.36f, 0.3f);
    p.Oval(0.36f, 0.36f, 0.2f, 0.2f);  // the hump
    FourLegs(p, 0.6f, 0.96f, 8.0f);
    p.Oval(0.8f, 0.42f, 0.14f, 0.18f);
    p.Oval(0.93f, 0.48f, 0.07f, 0.08f);
    p.Oval(0.74f, 0.24f, 0.05f, 0.07f);
    p.Oval(0.86f, 0.24f, 0.05f, 0.07f);
    p.Eye(0.85f, 0.38f);
    p.Eye(0.99f, 0.47f, 1.5f);
}

// A songbird perched upright: round breast, cocked head with a short beak, a long tail slanting down behind.
void Blackbird(const PEN& p)
{
    p.Oval(0.46f, 0.56f, 0.26f, 0.22f);
    p.Oval(0.7f, 0.34f, 0.13f, 0.17f);
    p.Shape({{0.8f, 0.3f}, {0.98f, 0.38f}, {0.8f, 0.42f}});
    p.Shape({{0.26f, 0.52f}, {0.0f, 0.8f}, {0.06f, 0.9f}, {0.34f, 0.68f}});
    p.Stroke(0.44f, 0.76f, 0.42f, 0.98f, 2.0f);
    p.Stroke(0.54f, 0.76f, 0.58f, 0.98f, 2.0f);
    p.Stroke(0.3f, 0.52f, 0.56f, 0.46f, 1.5f, Soft);
    p.Stroke(0.32f, 0.6f, 0.58f, 0.56f, 1.0f, Soft);
    p.Eye(0.73f, 0.3f);
}

void Wildcat(const PEN& p)
{
    p.Oval(0.45f, 0.55f, 0.3f, 0.24f);
    FourLegs(p, 0.6f, 0.96f, 4.5f);
    p.Oval(0.8f, 0.4f, 0.12f, 0.26f);
    p.Shape({{0.72f, 0.25f}, {0.74f, 0.0f}, {0.8f, 0.2f}});
    p.Shape({{0.82f, 0.2f}, {0.9f, 0.0f}, {0.9f, 0.28f}});
    p.Stroke(0.17f, 0.5f, 0.06f, 0.2f, 3.5f);  // the tail, raised
    p.Stroke(0.06f, 0.2f, 0.1f, 0.04f, 3.5f);
    p.Stroke(0.42f, 0.36f, 0.4f, 0.6f, 1.5f, Mark);
    p.Stroke(0.52f, 0.36f, 0.5f, 0.6f, 1.5f, Mark);
    p.Stroke(0.32f, 0.38f, 0.3f, 0.6f, 1.5f, Mark);
    p.Eye(0.85f, 0.36f, 1.1f);
}

void Crane(const PEN& p)
{
    p.Oval(0.45f, 0.5f, 0.3f, 0.12f);
    p.Shape({{0.2f, 0.45f}, {0.0f, 0.56f}, {0.25f, 0.58f}});
    p.Stroke(0.64f, 0.48f, 0.7f, 0.12f, 3.0f);  // the long neck
    p.Oval(0.72f, 0.11f, 0.12f, 0.05f);
    p.Shape({{0.78f, 0.08f}, {1.0f, 0.13f}, {0.78f, 0.14f}});
    p.Stroke(0.42f, 0.58f, 0.4f, 0.98f, 2.0f);
    p.Stroke(0.52f, 0.58f, 0.56f, 0.98f, 2.0f);
    p.Oval(0.68f, 0.09f, 0.07f, 0.025f, Mark);  // the red crown, dark here
    p.Stroke(0.3f, 0.48f, 0.55f, 0.48f, 1.0f, Soft);
}

void Crow(const PEN& p)
{
    p.Oval(0.5f, 0.6f, 0.2f, 0.16f);
    p.Shape({{0.42f, 0.55f}, {0.02f, 0.12f}, {0.14f, 0.42f}, {0.05f, 0.5f}, {0.4f, 0.7f}});
    p.Shape({{0.58f, 0.55f}, {0.86f, 0.05f}, {0.8f, 0.36f}, {0.9f, 0.4f}, {0.62f, 0.7f}});
    p.Oval(0.7f, 0.5f, 0.1f, 0.11f);
    p.Shape({{0.76f, 0.46f}, {0.99f, 0.56f}, {0.76f, 0.6f}});
    p.Shape({{0.34f, 0.66f}, {0.18f, 0.95f}, {0.42f, 0.78f}});
    p.Stroke(0.2f, 0.3f, 0.4f, 0.58f, 1.0f, Soft);
    p.Stroke(0.78f, 0.2f, 0.6f, 0.58f, 1.0f, Soft);
    p.Eye(0.72f, 0.47f);
}

// Spread as on a banner: broad wings whose tips open into fingered feathers, a fan tail, talons, and the white
// head turned aside to show the hooked beak.
void Eagle(const PEN& p)
{
    p.Shape({{0.44f, 0.32f}, {0.22f, 0.14f}, {0.0f, 0.06f}, {0.06f, 0.16f}, {0.0f, 0.22f}, {0.08f, 0.28f},
             {0.02f, 0.34f}, {0.12f, 0.4f}, {0.08f, 0.47f}, {0.22f, 0.5f}, {0.42f, 0.58f}});
    p.Shape({{0.56f, 0.32f}, {0.78f, 0.14f}, {1.0f, 0.06f}, {0.94f, 0.16f}, {1.0f, 0.22f}, {0.92f, 0.28f},
             {0.98f, 0.34f}, {0.88f, 0.4f}, {0.92f, 0.47f}, {0.78f, 0.5f}, {0.58f, 0.58f}});
    p.Oval(0.5f, 0.5f, 0.11f, 0.22f);
    p.Shape({{0.42f, 0.68f}, {0.58f, 0.68f}, {0.66f, 0.92f}, {0.5f, 0.88f}, {0.34f, 0.92f}});
    p.Stroke(0.45f, 0.68f, 0.42f, 0.8f, 2.0f);
    p.Stroke(0.55f, 0.68f, 0.58f, 0.8f, 2.0f);
    p.Oval(0.5f, 0.22f, 0.09f, 0.1f, 0xfff0f0f4u);
    p.Shape({{0.56f, 0.18f}, {0.68f, 0.22f}, {0.64f, 0.3f}, {0.57f, 0.27f}}, 0xfff0f0f4u);
    for (float t : {0.3f, 0.38f})
        p.Stroke(0.44f - t * 0.4f, 0.2f + t * 0.3f, 0.4f, 0.44f, 1.0f, Soft);
    for (float t : {0.3f, 0.38f})
        p.Stroke(0.56f + t * 0.4f, 0.2f + t * 0.3f, 0.6f, 0.44f, 1.0f, Soft);
    p.Eye(0.55f, 0.2f);
}

void Snake(const PEN& p)
{
    float last[2] = {0.04f, 0.7f};
    for (int i = 1; i <= 24; i++) {
        float t = static_cast<float>(i) / 24.0f;
        float x = 0.04f + t * 0.8f;
        float y = 0.55f + 0.28f * std::sin(t * 6.6f);
        p.Stroke(last[0], last[1], x, y, 5.0f + 5.0f * t);
        last[0] = x;
        last[1] = y;
    }
    p.Oval(0.88f, 0.3f, 0.1f, 0.16f);
    p.Stroke(0.97f, 0.32f, 1.0f, 0.3f, 1.0f, Mark);
    for (int i = 1; i < 6; i++) {
        float t = static_cast<float>(i) / 6.0f;
        p.Oval(0.04f + t * 0.8f, 0.55f + 0.28f * std::sin(t * 6.6f), 0.015f, 0.05f, Mark);
    }
    p.Eye(0.9f, 0.26f);
}

// A deep barrel on four long legs with hooves, the arched neck under its mane, the long head with pricked ears,
// and a full tail falling behind.
void Horse(const PEN& p)
{
    p.Oval(0.44f, 0.44f, 0.3f, 0.23f);
    p.Oval(0.66f, 0.42f, 0.12f, 0.19f);
    p.Shape({{0.58f, 0.36f}, {0.68f, 0.1f}, {0.8f, 0.0f}, {0.86f, 0.14f}, {0.8f, 0.5f}});
    p.Shape({{0.74f, 0.06f}, {0.84f, 0.0f}, {1.0f, 0.3f}, {0.97f, 0.4f}, {0.88f, 0.38f}, {0.76f, 0.2f}});
    p.Shape({{0.78f, 0.06f}, {0.8f, -0.08f}, {0.85f, 0.04f}});
    for (float x : {0.22f, 0.32f, 0.6f, 0.7f}) {
        p.Stroke(x, 0.5f, x + 0.01f, 0.92f, 3.5f);
        p.Oval(x + 0.02f, 0.95f, 0.04f, 0.04f, Soft);
    }
    p.Shape({{0.17f, 0.3f}, {0.04f, 0.38f}, {0.0f, 0.72f}, {0.08f, 0.8f}, {0.12f, 0.52f}, {0.2f, 0.42f}});
    p.Stroke(0.64f, 0.3f, 0.79f, 0.03f, 2.5f, Mark);
    p.Eye(0.86f, 0.16f, 1.1f);
    p.Oval(0.97f, 0.34f, 0.015f, 0.03f, Mark);
}

// Bounding along: a long body arched high between its short legs, a small flat head with whiskers held low in
// Long and low: a sleek body on short legs, a small flat head raised with a fish in its jaws, and the thick tail
// Long, sleek and low on the shortest legs: a blunt round head with whiskers, and a thick tail as long as the
// body, tapering away behind.
void Otter(const PEN& p)
{
    p.Oval(0.56f, 0.66f, 0.3f, 0.17f);
    p.Oval(0.84f, 0.56f, 0.12f, 0.13f);
    p.Oval(0.94f, 0.6f, 0.06f, 0.07f);
    p.Oval(0.78f, 0.43f, 0.035f, 0.04f);
    for (int i = 0; i < 8; i++) {
        float t0 = static_cast<float>(i) / 8.0f, t1 = static_cast<float>(i + 1) / 8.0f;
        p.Stroke(0.32f - 0.3f * t0, 0.66f + 0.22f * t0 * t0, 0.32f - 0.3f * t1, 0.66f + 0.22f * t1 * t1,
                 11.0f - 8.0f * t1);
    }
    p.Stroke(0.38f, 0.78f, 0.36f, 0.94f, 5.0f);
    p.Stroke(0.72f, 0.76f, 0.74f, 0.94f, 5.0f);
    p.Stroke(0.46f, 0.58f, 0.7f, 0.56f, 1.5f, 0xffe8e8eeu);
    p.Eye(0.86f, 0.52f, 1.1f);
    p.Eye(0.99f, 0.58f, 1.0f);
    p.Stroke(0.95f, 0.66f, 0.84f, 0.72f, 1.0f, Soft);
    p.Stroke(0.95f, 0.68f, 0.86f, 0.8f, 1.0f, Soft);
}

void Owl(const PEN& p)
{
    p.Oval(0.5f, 0.6f, 0.4f, 0.36f);
    p.Oval(0.5f, 0.3f, 0.38f, 0.24f);
    p.Shape({{0.14f, 0.22f}, {0.16f, 0.0f}, {0.34f, 0.14f}});
    p.Shape({{0.86f, 0.22f}, {0.84f, 0.0f}, {0.66f, 0.14f}});
    p.C.Ring(p.X(0.33f), p.Y(0.3f), 4.0f, 1.2f, Soft);
    p.C.Ring(p.X(0.67f), p.Y(0.3f), 4.0f, 1.2f, Soft);
    p.Eye(0.33f, 0.3f, 1.8f);
    p.Eye(0.67f, 0.3f, 1.8f);
    p.Shape({{0.45f, 0.38f}, {0.55f, 0.38f}, {0.5f, 0.48f}}, Mark);
    for (int i = 0; i < 3; i++)
        p.Stroke(0.3f + 0.14f * i, 0.62f, 0.36f + 0.14f * i, 0.68f, 1.0f, Soft);
    p.Stroke(0.38f, 0.94f, 0.38f, 1.0f, 2.0f);
    p.Stroke(0.62f, 0.94f, 0.62f, 1.0f, 2.0f);
}

// Heavy shoulders under a bristling ridge, the long head lowered with a tusk curving up past the snout, on
// short thin legs.
void Boar(const PEN& p)
{
    p.Oval(0.42f, 0.54f, 0.34f, 0.28f);
    p.Oval(0.6f, 0.46f, 0.2f, 0.32f);
    p.Shape({{0.7f, 0.28f}, {0.96f, 0.56f}, {0.99f, 0.8f}, {0.78f, 0.82f}, {0.66f, 0.62f}});
    p.Shape({{0.7f, 0.3f}, {0.7f, 0.08f}, {0.8f, 0.3f}});
    for (int i = 0; i < 6; i++) {
        float x = 0.2f + 0.08f * static_cast<float>(i), y = 0.3f - 0.02f * static_cast<float>(i);
        p.Shape({{x, y}, {x + 0.05f, 0.04f}, {x + 0.1f, y - 0.02f}});
    }
    for (float x : {0.2f, 0.32f, 0.56f, 0.66f})
        p.Stroke(x, 0.7f, x, 0.97f, 3.0f);
    p.Oval(0.98f, 0.7f, 0.025f, 0.1f, Soft);
    p.Stroke(0.88f, 0.76f, 0.94f, 0.5f, 2.0f, 0xfff4f4f4u);
    p.Stroke(0.94f, 0.5f, 0.9f, 0.42f, 2.0f, 0xfff4f4f4u);
    p.Stroke(0.1f, 0.46f, 0.02f, 0.4f, 1.5f);
    p.Oval(0.02f, 0.4f, 0.03f, 0.06f);
    p.Eye(0.8f, 0.46f, 1.1f);
}

void Salmon(const PEN& p)
{
    p.Oval(0.52f, 0.5f, 0.36f, 0.36f);
    p.Shape({{0.2f, 0.5f}, {0.0f, 0.04f}, {0.08f, 0.5f}, {0.0f, 0.96f}});
    p.Shape({{0.4f, 0.2f}, {0.5f, 0.0f}, {0.6f, 0.2f}});
    for (int i = 0; i < 4; i++)
        p.Oval(0.38f + 0.1f * i, 0.38f, 0.012f, 0.06f, Mark);
    p.Stroke(0.72f, 0.2f, 0.72f, 0.8f, 1.0f, Soft);  // the gill
    p.Eye(0.8f, 0.42f, 1.2f);
}

void Swan(const PEN& p)
{
    p.Shape({{0.06f, 0.52f}, {0.7f, 0.6f}, {0.64f, 0.92f}, {0.16f, 0.92f}});
    p.Oval(0.4f, 0.72f, 0.3f, 0.2f);
    p.Shape({{0.14f, 0.6f}, {0.02f, 0.36f}, {0.4f, 0.6f}});  // the lifted wing
    float last[2] = {0.62f, 0.7f};
    for (int i = 1; i <= 12; i++) {
        float t = static_cast<float>(i) / 12.0f;
        float x = 0.62f + 0.16f * std::sin(t * 3.1f) + 0.04f * t;
        float y = 0.7f - 0.58f * t;
        p.Stroke(last[0], last[1], x, y, 5.0f);
        last[0] = x;
        last[1] = y;
    }
    p.Oval(0.72f, 0.14f, 0.06f, 0.09f);
    p.Shape({{0.74f, 0.1f}, {0.9f, 0.2f}, {0.74f, 0.22f}}, Mark);
    p.Stroke(0.2f, 0.74f, 0.54f, 0.74f, 1.0f, Soft);
    p.Eye(0.72f, 0.12f, 1.0f);
}

// Standing four-square and howling: the muzzle raised to the sky, ears back, the bushy tail hanging low.
void Wolf(const PEN& p)
{
    p.Oval(0.42f, 0.56f, 0.28f, 0.17f);
    p.Oval(0.62f, 0.52f, 0.12f, 0.18f);
    for (float x : {0.2f, 0.3f, 0.58f, 0.68f})
        p.Stroke(x, 0.6f, x + (x < 0.5f ? -0.02f : 0.02f), 0.98f, 3.5f);
    p.Shape({{0.56f, 0.48f}, {0.64f, 0.2f}, {0.76f, 0.12f}, {0.8f, 0.48f}});
    p.Shape({{0.64f, 0.24f}, {0.8f, 0.0f}, {0.9f, 0.02f}, {0.84f, 0.18f}, {0.78f, 0.32f}});
    p.Shape({{0.66f, 0.24f}, {0.58f, 0.08f}, {0.72f, 0.16f}});
    p.Shape({{0.16f, 0.5f}, {0.04f, 0.62f}, {0.0f, 0.88f}, {0.08f, 0.94f}, {0.14f, 0.74f}, {0.22f, 0.62f}});
    p.Stroke(0.84f, 0.06f, 0.8f, 0.2f, 1.0f, Mark);
    p.Stroke(0.46f, 0.42f, 0.6f, 0.4f, 2.0f, Soft);
    p.Eye(0.74f, 0.18f, 1.0f);
}

void Squirrel(const PEN& p)
{
    p.Oval(0.6f, 0.62f, 0.2f, 0.26f);
    p.Oval(0.74f, 0.3f, 0.14f, 0.16f);
    p.Shape({{0.68f, 0.18f}, {0.66f, 0.0f}, {0.76f, 0.14f}});
    p.Oval(0.24f, 0.42f, 0.2f, 0.36f);  // the great tail
    p.Oval(0.3f, 0.12f, 0.14f, 0.12f);
    p.Stroke(0.62f, 0.86f, 0.78f, 0.96f, 4.0f);
    p.Stroke(0.76f, 0.56f, 0.88f, 0.5f, 2.5f);
    p.C.Ring(p.X(0.24f), p.Y(0.42f), p.X(0.1f), 1.0f, Soft);
    p.Eye(0.8f, 0.26f, 1.2f);
}

void Frog(const PEN& p)
{
    p.Oval(0.5f, 0.6f, 0.34f, 0.3f);
    p.Oval(0.36f, 0.3f, 0.1f, 0.14f);
    p.Oval(0.64f, 0.3f, 0.1f, 0.14f);
    p.Shape({{0.2f, 0.7f}, {0.0f, 0.96f}, {0.34f, 0.9f}});
    p.Shape({{0.8f, 0.7f}, {1.0f, 0.96f}, {0.66f, 0.9f}});
    p.Stroke(0.4f, 0.8f, 0.38f, 0.98f, 3.0f);
    p.Stroke(0.6f, 0.8f, 0.62f, 0.98f, 3.0f);
    p.Eye(0.36f, 0.28f, 2.0f);
    p.Eye(0.64f, 0.28f, 2.0f);
    p.Stroke(0.36f, 0.58f, 0.64f, 0.58f, 1.0f, Mark);  // the wide mouth
    p.Oval(0.46f, 0.72f, 0.03f, 0.04f, Soft);
    p.Oval(0.58f, 0.76f, 0.03f, 0.04f, Soft);
}

// A slender stag on thin legs, neck raised, crowned with wide branching antlers.
void Deer(const PEN& p)
{
    p.Oval(0.42f, 0.6f, 0.26f, 0.14f);
    for (float x : {0.22f, 0.3f, 0.56f, 0.64f})
        p.Stroke(x, 0.64f, x, 0.99f, 2.5f);
    p.Stroke(0.62f, 0.56f, 0.74f, 0.36f, 6.0f);
    p.Oval(0.8f, 0.36f, 0.09f, 0.07f);
    p.Shape({{0.84f, 0.32f}, {1.0f, 0.42f}, {0.86f, 0.44f}});
    p.Oval(0.7f, 0.32f, 0.05f, 0.03f);
    p.Stroke(0.76f, 0.3f, 0.6f, 0.03f, 4.0f);
    p.Stroke(0.66f, 0.14f, 0.52f, 0.12f, 4.0f);
    p.Stroke(0.82f, 0.3f, 0.96f, 0.03f, 4.0f);
    p.Stroke(0.9f, 0.14f, 1.0f, 0.16f, 4.0f);
    p.Stroke(0.18f, 0.52f, 0.12f, 0.44f, 2.5f);
    p.Oval(0.36f, 0.54f, 0.03f, 0.04f, Soft);
    p.Oval(0.48f, 0.56f, 0.03f, 0.04f, Soft);
    p.Eye(0.82f, 0.34f, 1.0f);
}

void Bee(const PEN& p)
{
    p.Oval(0.44f, 0.62f, 0.3f, 0.3f);
    p.Oval(0.8f, 0.56f, 0.12f, 0.24f);
    p.Shape({{0.12f, 0.6f}, {0.02f, 0.62f}, {0.12f, 0.7f}});  // the sting
    p.Oval(0.4f, 0.22f, 0.14f, 0.22f, 0xfff0f0ffu);             // the wings
    p.Oval(0.56f, 0.2f, 0.12f, 0.2f, 0xfff0f0ffu);
    for (int i = 0; i < 3; i++)
        p.Stroke(0.28f + 0.14f * i, 0.4f, 0.28f + 0.14f * i, 0.86f, 3.0f, Mark);
    p.Stroke(0.86f, 0.36f, 0.98f, 0.06f, 1.0f, Mark);
    p.Eye(0.86f, 0.52f, 1.4f);
}

void Dragon(const PEN& p)
{
    p.Shape({{0.42f, 0.44f}, {0.02f, 0.04f}, {0.16f, 0.3f}, {0.04f, 0.34f}, {0.2f, 0.46f}, {0.1f, 0.52f}, {0.4f, 0.6f}});
    p.Shape({{0.5f, 0.44f}, {0.7f, 0.02f}, {0.72f, 0.22f}, {0.84f, 0.2f}, {0.66f, 0.5f}});
    p.Oval(0.46f, 0.62f, 0.22f, 0.16f);
    FourLegs(p, 0.7f, 0.96f, 5.0f);
    p.Stroke(0.6f, 0.56f, 0.76f, 0.3f, 7.0f);
    p.Oval(0.82f, 0.26f, 0.1f, 0.07f);
    p.Shape({{0.84f, 0.22f}, {1.0f, 0.3f}, {0.86f, 0.34f}});
    p.Shape({{0.78f, 0.22f}, {0.74f, 0.1f}, {0.84f, 0.2f}});
    p.Stroke(0.26f, 0.66f, 0.08f, 0.84f, 5.0f);  // the tail
    p.Shape({{0.1f, 0.8f}, {0.0f, 0.94f}, {0.14f, 0.9f}});
    p.Stroke(0.14f, 0.18f, 0.36f, 0.5f, 1.0f, Soft);
    p.Stroke(0.66f, 0.12f, 0.58f, 0.44f, 1.0f, Soft);
    p.Eye(0.84f, 0.24f, 1.4f);
}

struct CREATUREART {
    int Kind;
    int CellWidth;
    int CellHeight;
    void (*Paint)(const PEN&);
};

constexpr int CreatureKinds = 20;
constexpr CREATUREART Creatures[] = {
    {1, 53, 32, Badger},   {2, 64, 46, Bear},    {3, 59, 40, Blackbird}, {4, 63, 29, Wildcat},
    {5, 32, 58, Crane},    {6, 63, 54, Crow},    {7, 60, 57, Eagle},     {8, 64, 38, Snake},
    {9, 62, 40, Horse},    {10, 53, 44, Otter},  {11, 30, 43, Owl},      {12, 51, 32, Boar},
    {13, 55, 19, Salmon},  {14, 64, 39, Swan},   {15, 57, 44, Wolf},     {16, 48, 43, Squirrel},
    {17, 48, 32, Frog},    {18, 47, 39, Deer},   {19, 46, 22, Bee},      {20, 76, 85, Dragon},
};
static_assert(std::size(Creatures) == CreatureKinds);

}  // namespace

PICTURE PaintCreatureSheet(int kind)
{
    const CREATUREART& art = Creatures[(kind >= 1 && kind <= CreatureKinds ? kind : 1) - 1];
    int w = art.CellWidth;
    int h = art.CellHeight;
    PICTURE picture{CANVAS(PowerOfTwo(2 * w), PowerOfTwo(h)), AlphaDither};
    // The body keeps a texel of room on every side for its outline.
    CANVAS body(w - 2, h - 2);
    art.Paint(PEN{body, static_cast<float>(w - 2), static_cast<float>(h - 2)});
    picture.Canvas.Copy(body, 1, 1);
    ShadeBody(picture.Canvas, 0, 0, w, h);
    PaintGlow(picture.Canvas, 0, 0, w, 0, w, h);
    return picture;
}
