// Sprite animation advances once per game frame. Animate runs on every slot of
// the effect and scenery tables, free ones included, so it only counts and
// never reads the frame table.
#include "world/sprite.h"

#include "world/random.h"

namespace {

// A flickering sprite flashes its last frame when a draw lands on this residue.
constexpr int FlickerDivisor = 40;
constexpr int FlickerHit = 9;

}  // namespace

void SPRITE::FreeFrames()
{
    Frames.clear();
    Frames.shrink_to_fit();
}

void SPRITE::BuildFrames(int texture, int count, int cellWidth, int cellHeight, int columns)
{
    FreeFrames();
    if (count >= 1 && columns >= 1) {
        Frames.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; i++) {
            SPRITEFRAME frame;
            frame.Texture = texture;
            frame.Left = (i % columns) * cellWidth;
            frame.Top = (i / columns) * cellHeight;
            frame.Right = frame.Left + cellWidth;
            frame.Bottom = frame.Top + cellHeight;
            Frames.push_back(frame);
        }
    }
    // A nonsense request leaves no table, and the count must not claim frames that are not there.
    FrameCount = static_cast<int>(Frames.size());
}

void SPRITE::SetPlayRange(int first, int length, int ticksPerFrame, std::uint32_t colour, int alpha)
{
    FirstFrame = first;
    RangeLength = length;
    CurrentFrame = first;
    Ticks = 0;
    TicksPerFrame = ticksPerFrame;
    Colour = colour;
    Alpha = alpha;
}

void SPRITE::ResetTimer(float spin, std::uint8_t scaledPlacement)
{
    Angle = 0.0f;
    Spin = spin;
    ScaledPlacement = scaledPlacement;
}

void SPRITE::SetPulse(std::uint8_t on, float min, float max, float step)
{
    PulseOn = on;
    Scale = 1.0f;
    PulseMin = min;
    PulseMax = max;
    PulseStep = step;
}

void SPRITE::Animate()
{
    Ticks += 1;
    if (Ticks >= TicksPerFrame) {
        Ticks = 0;
        if (FlickerMode == 0) {
            CurrentFrame += 1;
            if (CurrentFrame >= FirstFrame + RangeLength)
                CurrentFrame = FirstFrame;
        } else {
            // Flickering sprites (the storm cloud's lightning) count frames from 0, whatever their range start.
            int r = Rand();
            CurrentFrame = (r % FlickerDivisor == FlickerHit) ? RangeLength - 1 : 0;
        }
    }

    // One wrap is enough for any spin the game uses.
    Angle += Spin;
    if (Angle < 0.0f)
        Angle += 360.0f;
    else if (Angle >= 360.0f)
        Angle -= 360.0f;

    if (PulseOn) {
        Scale += PulseStep;
        // The direction decides which bound to watch; landing exactly on it keeps the swing from drifting.
        if (PulseStep < 0.0f) {
            if (Scale <= PulseMin) {
                Scale = PulseMin;
                PulseStep = -PulseStep;
            }
        } else if (Scale >= PulseMax) {
            Scale = PulseMax;
            PulseStep = -PulseStep;
        }
    }
}

const SPRITEFRAME* SPRITE::GetCurrentFrame() const
{
    if (CurrentFrame < 0 || CurrentFrame >= static_cast<int>(Frames.size()))
        return nullptr;
    return &Frames[static_cast<std::size_t>(CurrentFrame)];
}

int SPRITE::GetFrameWidth() const
{
    const SPRITEFRAME* frame = GetCurrentFrame();
    if (frame == nullptr)
        return 0;
    // Counts both edge columns, so it is one wider than the cell the frame was cut with.
    return frame->Right - frame->Left + 1;
}

int SPRITE::GetFrameHeight() const
{
    const SPRITEFRAME* frame = GetCurrentFrame();
    if (frame == nullptr)
        return 0;
    return frame->Bottom - frame->Top + 1;
}

int SPRITE::GetLastFrame() const
{
    return FrameCount >= 2 ? FrameCount - 1 : -1;
}

void SPRITE::CopyTo(SPRITE& destination) const
{
    destination = *this;
}
