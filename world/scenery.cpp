// Scenery items: each kind is one frame of one picture, tinted dark and breathing in size.
#include "world/scenery.h"

#include <iterator>

namespace {

// A kind's picture, tint and pulse bounds.
struct SCENERYKIND {
    int Kind;
    int Texture;            // texture-list row
    int CellWidth;
    int CellHeight;
    std::uint32_t Colour;
    float PulseMin;
    float PulseMax;
};

const SCENERYKIND SceneryKinds[] = {
    {0, 80, 124, 63, 0x202020, 0.5f, 1.5f},  // "ImageA.dds"
    {1, 81, 128, 128, 0x202020, 0.5f, 1.8f}, // "ImageB.dds"
    {2, 82, 64, 64, 0xffffff, 0.5f, 1.8f},   // "ImageC.dds"
    {3, 83, 128, 128, 0x101010, 0.3f, 1.8f}, // "ImageD.dds"
    {4, 84, 128, 64, 0x202020, 0.5f, 1.8f},  // "ImageE.dds"
    {5, 86, 56, 62, 0x202020, 0.5f, 1.6f},   // "ImageF.dds"
    {6, 87, 64, 64, 0x202020, 0.5f, 1.7f},   // "ImageG.dds"
};
static_assert(std::size(SceneryKinds) == SceneryKindCount);

// Any other kind is a plain white 32 x 32 cut of texture row 0 that does not pulse.
constexpr int OtherKindTexture = 0;
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
