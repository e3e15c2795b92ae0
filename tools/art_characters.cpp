// The characters' pictures: a robed figure in its class's colours with the
// class's mark (feathered staff, bee, moon, leafy staff, pointed hat) and the
// character's initial on the chest, each at the exact size the piece takes.
#include <algorithm>
#include <iterator>

#include "tools/art_kit.h"

namespace {

enum CLASS { Shaman, BeeShaman, Dreamer, Druid, Witch };

struct CHARACTERART {
    int Row;       // texture-list row
    int Width;     // the picture's size, which is also the piece's
    int Height;
    char Initial;
    CLASS Class;
};

constexpr int CharacterPictures = 11;
constexpr CHARACTERART Characters[] = {
    {37, 30, 64, 'K', Dreamer},   // Kell
    {62, 32, 62, 'P', Dreamer},   // Pellamor
    {63, 27, 61, 'U', Witch},     // Ulvessa
    {69, 21, 62, 'Q', Druid},     // Quorvin
    {70, 31, 61, 'T', Witch},     // Tirevane
    {71, 21, 61, 'I', Dreamer},   // Idrassa
    {72, 37, 62, 'H', BeeShaman}, // Hive Warden
    {73, 40, 61, 'B', Druid},     // Brenthal
    {74, 30, 58, 'C', Shaman},    // Corvessa
    {75, 26, 60, 'W', BeeShaman}, // Waxlight
    {76, 23, 59, 'N', Shaman},    // Nimbrel
};
static_assert(std::size(Characters) == CharacterPictures);

constexpr std::uint32_t RobeColours[] = {0xffd89878u, 0xffe8c860u, 0xffa0a8f0u, 0xff98c888u, 0xffc098e0u};
constexpr std::uint32_t Skin = 0xfff0d8c0u;
constexpr std::uint32_t Dark = 0xff404048u;
constexpr std::uint32_t Wood = 0xffa08060u;

void Figure(CANVAS& c, ARTKIT& kit, float w, float h, char initial, CLASS type)
{
    std::uint32_t robe = RobeColours[type];
    bool staff = type != Witch && w >= 24.0f;
    float body = staff ? w * 0.78f : w;  // a staff takes the right-hand strip
    float cx = body * 0.5f;
    float headRadius = std::min(body * 0.26f, h * 0.085f);
    float headY = h * 0.2f;
    POINT2 gown[] = {{cx - body * 0.24f, h * 0.3f}, {cx + body * 0.24f, h * 0.3f}, {body * 0.96f, h * 0.98f},
                     {body * 0.04f, h * 0.98f}};
    c.Polygon(gown, 4, robe);
    c.Ellipse(cx, h * 0.32f, body * 0.3f, h * 0.06f, robe);
    if (type == BeeShaman)
        for (int band = 0; band < 3; band++)
            c.Rectangle(0.0f, h * (0.52f + 0.14f * band), body, h * (0.57f + 0.14f * band), Dark);
    c.Line(cx, h * 0.98f, cx, h * 0.7f, 1.0f, Mix(robe, Dark, 0.4f));
    c.Ellipse(cx, headY, headRadius, headRadius * 1.15f, Skin);
    c.Ellipse(cx - headRadius * 0.4f, headY, 0.8f, 0.8f, Dark);
    c.Ellipse(cx + headRadius * 0.4f, headY, 0.8f, 0.8f, Dark);

    switch (type) {
    case Shaman:  // a band of feathers round the head
        for (int i = -1; i <= 1; i++)
            c.Line(cx + i * headRadius * 0.6f, headY - headRadius, cx + i * headRadius * 1.1f, headY - headRadius * 2.4f,
                   2.0f, 0xffe06040u);
        break;
    case BeeShaman:  // the hood of the hive
        c.Ellipse(cx, headY - headRadius * 0.8f, headRadius * 1.2f, headRadius * 0.7f, 0xffe8c860u);
        break;
    case Dreamer: {  // a hood and the moon above it
        c.Ring(cx, headY, headRadius * 1.25f, headRadius * 0.5f, robe);
        float moonX = w - 5.0f;
        c.Shape(moonX - 4.0f, 1.0f, moonX + 4.0f, 9.0f, 0xfff8f0a0u, [=](float x, float y) {
            float ax = x - moonX, ay = y - 5.0f, bx = x - moonX - 1.8f, by = y - 4.0f;
            return ax * ax + ay * ay <= 12.25f && bx * bx + by * by > 9.0f;
        });
        break;
    }
    case Druid:  // a pointed cowl and a white beard
        {
            POINT2 cowl[] = {{cx - headRadius * 1.4f, headY + headRadius * 0.4f}, {cx, headY - headRadius * 2.6f},
                             {cx + headRadius * 1.4f, headY + headRadius * 0.4f}, {cx, headY - headRadius * 0.6f}};
            c.Polygon(cowl, 4, robe);
            c.Ellipse(cx, headY + headRadius * 1.2f, headRadius * 0.7f, headRadius * 1.1f, 0xfff4f4f4u);
        }
        break;
    case Witch: {  // the pointed hat with its brim
        POINT2 hat[] = {{cx - headRadius * 1.2f, headY - headRadius * 0.5f}, {cx + headRadius * 2.0f, 1.0f},
                        {cx + headRadius * 1.2f, headY - headRadius * 0.5f}};
        c.Polygon(hat, 3, Dark);
        c.Ellipse(cx, headY - headRadius * 0.6f, std::min(headRadius * 2.2f, w * 0.5f - 0.5f), 2.0f, Dark);
        break;
    }
    }
    if (staff) {
        float sx = w - 3.5f;
        c.Line(sx, h * 0.14f, sx, h * 0.98f, 2.0f, Wood);
        if (type == Druid) {
            c.Ellipse(sx - 1.5f, h * 0.12f, 2.5f, 2.0f, 0xff70b050u);
            c.Ellipse(sx + 1.0f, h * 0.09f, 2.0f, 2.5f, 0xff70b050u);
        } else if (type == BeeShaman) {
            c.Ellipse(sx, h * 0.1f, 3.0f, 2.2f, 0xffe8c860u);
            c.Line(sx - 1.0f, h * 0.1f - 2.0f, sx - 1.0f, h * 0.1f + 2.0f, 1.0f, Dark);
        } else if (type == Shaman) {
            c.Line(sx, h * 0.16f, sx - 2.5f, h * 0.26f, 1.5f, 0xffe06040u);
            c.Line(sx, h * 0.16f, sx + 2.5f, h * 0.26f, 1.5f, 0xffe06040u);
        } else {
            c.Ellipse(sx, h * 0.12f, 2.5f, 2.5f, 0xffc0e0ffu);
        }
    }
    const char letter[2] = {initial, '\0'};
    int size = static_cast<int>(std::min(body * 0.7f, h * 0.24f));
    int baseline = static_cast<int>(h * 0.62f);
    kit.Bold.DrawFitted(c, static_cast<unsigned char>(letter[0]), static_cast<int>(cx - body * 0.3f),
                        static_cast<int>(body * 0.6f), baseline - size, baseline + 2, baseline, size, 0x00303040u);
}

}  // namespace

PICTURE PaintDreamerPicture(ARTKIT& kit, int row)
{
    const CHARACTERART* art = &Characters[0];
    for (const CHARACTERART& entry : Characters)
        if (entry.Row == row)
            art = &entry;
    PICTURE picture{CANVAS(PowerOfTwo(art->Width), PowerOfTwo(art->Height)), AlphaThreshold};
    CANVAS figure(art->Width - 2, art->Height - 2);
    Figure(figure, kit, static_cast<float>(art->Width - 2), static_cast<float>(art->Height - 2), art->Initial,
           art->Class);
    picture.Canvas.Copy(figure, 1, 1);
    ShadeBody(picture.Canvas, 0, 0, art->Width, art->Height);
    return picture;
}
