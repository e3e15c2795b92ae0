// The characters' pictures: a figure in its class's colour whose outline alone tells the class: the Shaman's
// fan of feathers and fringed poncho, the Bee Shaman's antennae, banded round robe and hive-topped staff, the
// Dreamer's hood, flared gown and crescent staff, the Druid's cowl, beard and leafy staff taller than himself,
// and the Witch's brimmed pointed hat and broom. Each is painted at the exact size the piece takes.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "tools/art_kit.h"
#include "world/texture_list.h"

namespace {

enum CLASS { Shaman, BeeShaman, Dreamer, Druid, Witch };

struct CHARACTERART {
    TEXTUREROW Row;  // texture-list row
    int Width;       // the picture's size, which is also the piece's
    int Height;
    CLASS Class;
};

constexpr int CharacterPictures = 11;
constexpr CHARACTERART Characters[] = {
    {TextureCharSuit, 30, 64, Dreamer},  // Kell
    {TextureCharC, 32, 62, Dreamer},     // Pellamor
    {TextureCharD, 27, 61, Witch},       // Ulvessa
    {TextureCharE, 21, 62, Druid},       // Quorvin
    {TextureCharF, 31, 61, Witch},       // Tirevane
    {TextureCharG, 21, 61, Dreamer},     // Idrassa
    {TextureCharH, 37, 62, BeeShaman},   // Hive Warden
    {TextureCharI, 40, 61, Druid},       // Brenthal
    {TextureCharK, 30, 58, Shaman},      // Corvessa
    {TextureCharL, 26, 60, BeeShaman},   // Waxlight
    {TextureCharM, 23, 59, Shaman},      // Nimbrel
};
static_assert(std::size(Characters) == CharacterPictures);

constexpr std::uint32_t RobeColours[] = {0xffd08058u, 0xffe8c050u, 0xff8c98f0u, 0xff78b868u, 0xffb080e0u};
constexpr std::uint32_t Skin = 0xfff0d8c0u;
constexpr std::uint32_t Dark = 0xff404048u;
constexpr std::uint32_t Wood = 0xffa07850u;
constexpr std::uint32_t Feather = 0xffe86040u;
constexpr std::uint32_t Leaf = 0xff60b048u;
constexpr std::uint32_t Moon = 0xfff8f0a0u;
constexpr std::uint32_t Beard = 0xfff4f4f4u;
constexpr float Pi = 3.14159265f;

// Where the parts of a figure go, from the picture's size.
struct BUILD {
    float W;        // picture
    float H;
    float Body;     // the figure's columns; the staff or broom stands right of them
    float X;        // the figure's middle
    float Head;     // head radius
    float HeadY;
    float StaffX;
};

BUILD Measure(float w, float h)
{
    BUILD b{};
    b.W = w;
    b.H = h;
    b.Body = w * 0.74f;
    b.X = b.Body * 0.5f;
    b.Head = std::min(b.Body * 0.22f, h * 0.075f);
    b.HeadY = h * 0.24f;
    b.StaffX = w - 3.0f;
    return b;
}

void Gown(CANVAS& c, const BUILD& b, float shoulder, float hem, std::uint32_t robe)
{
    POINT2 gown[] = {{b.X - shoulder, b.H * 0.33f}, {b.X + shoulder, b.H * 0.33f}, {b.X + hem, b.H * 0.99f},
                     {b.X - hem, b.H * 0.99f}};
    c.Polygon(gown, 4, robe);
    c.Ellipse(b.X, b.H * 0.35f, shoulder * 1.15f, b.H * 0.05f, robe);
}

void Face(CANVAS& c, const BUILD& b)
{
    c.Ellipse(b.X, b.HeadY, b.Head, b.Head * 1.15f, Skin);
    c.Ellipse(b.X - b.Head * 0.4f, b.HeadY, 0.8f, 0.8f, Dark);
    c.Ellipse(b.X + b.Head * 0.4f, b.HeadY, 0.8f, 0.8f, Dark);
}

// A staff (or the broom's handle) from top to bottom in the right-hand strip, and the sleeved arm that holds it.
void Staff(CANVAS& c, const BUILD& b, float top, float bottom, std::uint32_t robe)
{
    c.Line(b.StaffX, top, b.StaffX, bottom, 2.5f, Wood);
    c.Line(b.X + b.Body * 0.2f, b.H * 0.4f, b.StaffX, b.H * 0.47f, 4.5f, robe);
    c.Ellipse(b.StaffX, b.H * 0.47f, 2.2f, 2.2f, Skin);
}

void PaintShaman(CANVAS& c, const BUILD& b, std::uint32_t robe)
{
    Gown(c, b, b.Body * 0.2f, b.Body * 0.36f, robe);
    POINT2 poncho[16];
    int n = 0;
    poncho[n++] = {b.X - b.Body * 0.2f, b.H * 0.32f};
    poncho[n++] = {b.X + b.Body * 0.2f, b.H * 0.32f};
    const int teeth = 5;
    for (int i = 0; i <= teeth * 2; i++) {
        float t = static_cast<float>(i) / static_cast<float>(teeth * 2);
        poncho[n++] = {b.Body * (0.98f - 0.96f * t), b.H * (i % 2 == 0 ? 0.62f : 0.57f)};
    }
    c.Polygon(poncho, n, Mix(robe, 0xff000000u, 0.2f));
    Staff(c, b, b.H * 0.1f, b.H * 0.99f, robe);
    c.Line(b.StaffX, b.H * 0.12f, b.StaffX - 3.0f, b.H * 0.24f, 2.0f, Feather);
    c.Line(b.StaffX, b.H * 0.12f, b.StaffX + 2.0f, b.H * 0.24f, 2.0f, Feather);
    Face(c, b);
    for (int i = -2; i <= 2; i++) {  // the fan of feathers
        float angle = static_cast<float>(i) * 0.35f;
        float length = b.Head * (i == 0 ? 2.8f : 2.3f);
        c.Line(b.X + std::sin(angle) * b.Head * 0.8f, b.HeadY - b.Head * 0.8f, b.X + std::sin(angle) * length,
               b.HeadY - b.Head * 0.6f - std::cos(angle) * length, 2.2f, i % 2 == 0 ? Feather : 0xfff0e0c0u);
    }
    c.Rectangle(b.X - b.Head, b.HeadY - b.Head * 0.9f, b.X + b.Head, b.HeadY - b.Head * 0.5f, Dark);
}

void PaintBeeShaman(CANVAS& c, const BUILD& b, std::uint32_t robe)
{
    c.Ellipse(b.X, b.H * 0.64f, b.Body * 0.48f, b.H * 0.32f, robe);  // the round robe of the hive
    for (int band = 0; band < 3; band++)
        c.Shape(0.0f, 0.0f, b.Body, b.H, Dark, [&](float x, float y) {
            float dx = (x - b.X) / (b.Body * 0.48f), dy = (y - b.H * 0.64f) / (b.H * 0.32f);
            float bandY = b.H * (0.5f + 0.13f * static_cast<float>(band));
            return dx * dx + dy * dy <= 1.0f && y >= bandY && y < bandY + b.H * 0.05f;
        });
    Staff(c, b, b.H * 0.16f, b.H * 0.99f, robe);
    for (int ring = 0; ring < 3; ring++)  // the skep on the staff
        c.Ellipse(b.StaffX, b.H * (0.08f + 0.035f * static_cast<float>(ring)), 2.2f + static_cast<float>(ring),
                  b.H * 0.025f, ring % 2 == 0 ? 0xffe8c050u : 0xffb08838u);
    Face(c, b);
    c.Ellipse(b.X, b.HeadY - b.Head * 0.5f, b.Head * 1.2f, b.Head * 0.8f, robe);
    for (int side = -1; side <= 1; side += 2) {  // the antennae
        float tipX = b.X + static_cast<float>(side) * b.Head * 1.5f, tipY = b.HeadY - b.Head * 3.0f;
        c.Line(b.X + static_cast<float>(side) * b.Head * 0.4f, b.HeadY - b.Head, tipX, tipY, 1.5f, Dark);
        c.Ellipse(tipX, tipY, 1.6f, 1.6f, Dark);
    }
}

void PaintDreamer(CANVAS& c, const BUILD& b, std::uint32_t robe)
{
    Gown(c, b, b.Body * 0.2f, b.Body * 0.5f, robe);
    for (int star = 0; star < 3; star++) {
        float x = b.X + b.Body * (-0.2f + 0.2f * static_cast<float>(star));
        c.Ellipse(x, b.H * (0.6f + 0.12f * static_cast<float>(star % 2)), 1.0f, 1.0f, Moon);
    }
    Staff(c, b, b.H * 0.12f, b.H * 0.99f, robe);
    const float moonY = b.H * 0.09f, radius = 4.5f;  // the crescent on the staff
    c.Shape(b.StaffX - radius - 1.0f, moonY - radius - 1.0f, b.StaffX + radius + 1.0f, moonY + radius + 1.0f, Moon,
            [=](float x, float y) {
                float ax = x - b.StaffX, ay = y - moonY, bx = x - b.StaffX - 1.8f, by = y - moonY + 1.2f;
                return ax * ax + ay * ay <= radius * radius && bx * bx + by * by > radius * radius * 0.7f;
            });
    POINT2 hood[] = {{b.X - b.Head * 1.5f, b.HeadY + b.Head * 1.2f}, {b.X - b.Head * 1.4f, b.HeadY - b.Head * 0.6f},
                     {b.X - b.Head * 0.2f, b.HeadY - b.Head * 2.2f}, {b.X + b.Head * 1.4f, b.HeadY - b.Head * 0.6f},
                     {b.X + b.Head * 1.5f, b.HeadY + b.Head * 1.2f}};
    c.Polygon(hood, 5, robe);
    Face(c, b);
}

void PaintDruid(CANVAS& c, const BUILD& b, std::uint32_t robe)
{
    Gown(c, b, b.Body * 0.26f, b.Body * 0.34f, robe);
    c.Rectangle(b.X - b.Body * 0.3f, b.H * 0.55f, b.X + b.Body * 0.3f, b.H * 0.58f, Wood);  // the rope belt
    Staff(c, b, b.H * 0.06f, b.H * 0.99f, robe);
    for (int leaf = 0; leaf < 4; leaf++) {  // the leafy crown of the staff
        float angle = static_cast<float>(leaf) * Pi / 2.0f + 0.4f;
        c.Ellipse(b.StaffX + std::cos(angle) * 2.6f, b.H * 0.07f + std::sin(angle) * 2.6f, 2.6f, 2.0f, Leaf);
    }
    POINT2 cowl[] = {{b.X - b.Head * 1.5f, b.HeadY + b.Head * 0.8f}, {b.X, b.HeadY - b.Head * 3.0f},
                     {b.X + b.Head * 1.5f, b.HeadY + b.Head * 0.8f}};
    c.Polygon(cowl, 3, robe);
    Face(c, b);
    POINT2 beard[] = {{b.X - b.Head * 0.9f, b.HeadY + b.Head * 0.3f}, {b.X + b.Head * 0.9f, b.HeadY + b.Head * 0.3f},
                      {b.X + b.Head * 0.5f, b.HeadY + b.Head * 2.6f}, {b.X, b.HeadY + b.Head * 3.4f},
                      {b.X - b.Head * 0.5f, b.HeadY + b.Head * 2.6f}};
    c.Polygon(beard, 5, Beard);
}

void PaintWitch(CANVAS& c, const BUILD& b, std::uint32_t robe)
{
    POINT2 dress[] = {{b.X - b.Body * 0.18f, b.H * 0.33f}, {b.X + b.Body * 0.18f, b.H * 0.33f},
                      {b.X + b.Body * 0.14f, b.H * 0.55f}, {b.X + b.Body * 0.5f, b.H * 0.99f},
                      {b.X - b.Body * 0.5f, b.H * 0.99f}, {b.X - b.Body * 0.14f, b.H * 0.55f}};
    c.Polygon(dress, 6, robe);
    Staff(c, b, b.H * 0.2f, b.H * 0.76f, robe);  // the broom, its brush on the ground
    POINT2 brush[] = {{b.StaffX - 1.5f, b.H * 0.72f}, {b.StaffX + 1.5f, b.H * 0.72f}, {b.W - 0.2f, b.H * 0.99f},
                      {b.StaffX - 5.0f, b.H * 0.99f}};
    c.Polygon(brush, 4, 0xffd0b070u);
    Face(c, b);
    const float brimY = b.HeadY - b.Head * 0.7f;
    POINT2 hat[] = {{b.X - b.Head * 1.1f, brimY}, {b.X - b.Head * 0.2f, brimY - b.Head * 2.4f},
                    {b.X + b.Head * 1.4f, 0.5f}, {b.X + b.Head * 0.6f, brimY - b.Head * 2.0f},
                    {b.X + b.Head * 1.1f, brimY}};
    c.Polygon(hat, 5, Dark);
    c.Ellipse(b.X, brimY, std::min(b.Head * 2.3f, b.Body * 0.5f), 1.8f, Dark);
}

void Figure(CANVAS& c, float w, float h, CLASS type)
{
    const BUILD b = Measure(w, h);
    const std::uint32_t robe = RobeColours[type];
    switch (type) {
    case Shaman: PaintShaman(c, b, robe); break;
    case BeeShaman: PaintBeeShaman(c, b, robe); break;
    case Dreamer: PaintDreamer(c, b, robe); break;
    case Druid: PaintDruid(c, b, robe); break;
    case Witch: PaintWitch(c, b, robe); break;
    }
}

}  // namespace

PICTURE PaintDreamerPicture(int row)
{
    const CHARACTERART* art = &Characters[0];
    for (const CHARACTERART& entry : Characters)
        if (entry.Row == row)
            art = &entry;
    PICTURE picture{CANVAS(PowerOfTwo(art->Width), PowerOfTwo(art->Height)), AlphaThreshold};
    CANVAS figure(art->Width - 2, art->Height - 2);
    Figure(figure, static_cast<float>(art->Width - 2), static_cast<float>(art->Height - 2), art->Class);
    picture.Canvas.Copy(figure, 1, 1);
    ShadeBody(picture.Canvas, 0, 0, art->Width, art->Height);
    return picture;
}
