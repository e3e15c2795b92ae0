// Scenery items: each kind is one frame of one picture, tinted dark and breathing in size.
#include "world/scenery.h"

#include <iterator>

#include "world/texture_list.h"

namespace {

// A kind's picture, tint and pulse bounds.
struct SCENERYKIND {
    int Kind;
    TEXTUREROW Texture;     // texture-list row
    int CellWidth;
    int CellHeight;
    std::uint32_t Colour;
    float PulseMin;
    float PulseMax;
};

const SCENERYKIND SceneryKinds[] = {
    {0, TextureImageA, 124, 63, 0x202020, 0.5f, 1.5f},
    {1, TextureImageB, 128, 128, 0x202020, 0.5f, 1.8f},
    {2, TextureImageC, 64, 64, 0xffffff, 0.5f, 1.8f},
    {3, TextureImageD, 128, 128, 0x101010, 0.3f, 1.8f},
    {4, TextureImageE, 128, 64, 0x202020, 0.5f, 1.8f},
    {5, TextureImageF, 56, 62, 0x202020, 0.5f, 1.6f},
    {6, TextureImageG, 64, 64, 0x202020, 0.5f, 1.7f},
};
static_assert(std::size(SceneryKinds) == SceneryKindCount);

// Any other kind is a plain white 32 x 32 cut of the first board tile that does not pulse.
constexpr TEXTUREROW OtherKindTexture = TextureGridA;
constexpr int OtherKindCell = 32;
constexpr std::uint32_t OtherKindColour = 0xffffff;

// So slow that a picture takes thousands of frames to swing between its bounds.
constexpr float PulseStep = 0.0003f;
constexpr int FullAlpha = 255;

const SCENERYKIND* FindSceneryKind(int kind)
{
    if (kind < 0 || kind >= SceneryKindCount)
        return nullptr;
    return &SceneryKinds[kind];
}

}  // namespace

SCENERYITEM::SCENERYITEM()
{
    Reset();
}

void SCENERYITEM::Reset()
{
    IsActive = 0;
}

// Fades in by AlphaStep until full; a timed item's last 256 frames take
// their alpha from Life, and the item ends when Life passes 0.
void SCENERYITEM::Update()
{
    if (!IsActive)
        return;
    Alpha += AlphaStep;
    if (Alpha >= FullAlpha)
        Alpha = FullAlpha;
    else if (Alpha < 0)
        Alpha = 0;
    if (IsTimed) {
        Life -= 1;
        if (Life <= FullAlpha) {
            Alpha = Life;
            if (Alpha < 0) {
                Alpha = 0;
                IsActive = 0;
            }
        }
    }
    Sprite.Animate();
}

int SCENERY::CountActive() const
{
    int count = 0;
    for (const SCENERYITEM& item : Items)
        if (item.IsActive)
            count++;
    return count;
}

int SCENERY::FindFree() const
{
    for (int i = 0; i < SceneryItemSlots; i++)
        if (!Items[i].IsActive)
            return i;
    return 0;
}

void SCENERY::GetKindSize(int kind, int& width, int& height) const
{
    const SCENERYKIND* row = FindSceneryKind(kind);
    if (row == nullptr)
        return;
    width = row->CellWidth;
    height = row->CellHeight;
}

// The sprite keeps its angle and spin; the pulse restarts at scale 1.
void SCENERY::Spawn(int kind, int x, int y, int life)
{
    SCENERYITEM& item = Items[FindFree()];
    const SCENERYKIND* row = FindSceneryKind(kind);
    int width = OtherKindCell;
    int height = OtherKindCell;
    GetKindSize(kind, width, height);
    const std::uint32_t colour = row != nullptr ? row->Colour : OtherKindColour;

    item.Sprite.BuildFrames(row != nullptr ? row->Texture : OtherKindTexture, 1, width, height, 1);
    item.Sprite.SetPlayRange(0, 1, 1, colour, FullAlpha);
    if (row != nullptr)
        item.Sprite.SetPulse(1, row->PulseMin, row->PulseMax, PulseStep);
    else
        item.Sprite.SetPulse(0, 1.0f, 1.0f, 0.0f);

    item.IsActive = 1;
    item.X = static_cast<float>(x);
    item.Y = static_cast<float>(y);
    item.Width = SceneryItemSize;
    item.Height = SceneryItemSize;
    item.Colour = colour;
    item.Alpha = 0;
    item.IsTimed = 1;
    item.Life = life;
    item.AlphaStep = 1;
}

void SCENERY::Update()
{
    for (SCENERYITEM& item : Items)
        item.Update();
}
