// Sprite-sheet animation: a frame table cut from one texture, frame timing, spin, scale pulse and tint.
#pragma once

#include <cstdint>
#include <vector>

// One frame rectangle of a sprite sheet, in sheet pixels.
struct SPRITEFRAME {
    int Texture = 0;  // texture-list row of the sheet
    int Left = 0;     // left edge of the frame
    int Top = 0;      // top edge of the frame
    int Right = 0;    // Left + cell width: one past the frame's last column
    int Bottom = 0;   // Top + cell height: one past the frame's last row
};

// The animation state of one picture; pieces, effects and scenery each hold one by value.
class SPRITE {
public:
    std::uint32_t FlickerMode = 0;     // 0 plays the range in order; otherwise rests on frame 0 and flashes the range's last frame
    std::vector<SPRITEFRAME> Frames;   // the frame table, owned by value so a copy has its own
    int CurrentFrame = 0;              // index into Frames of the frame to draw
    float Angle = 0.0f;                // rotation in degrees, kept in [0, 360)
    std::uint8_t ScaledPlacement = 1;  // handed to the drawing as its scaled-placement switch
    std::uint8_t PulseOn = 0;          // the scale pulse runs
    float Scale = 1.0f;                // drawing scale on both axes
    std::uint32_t Colour = 0;          // tint, 0xRRGGBB
    int Alpha = 0;                     // 0 to 255
    std::uint8_t Mirror = 0;           // draw mirrored left to right
    int FrameCount = 0;                // frames the table was last built with; emptying the table leaves it
    int FirstFrame = 0;                // first frame of the play range
    int RangeLength = 0;               // frames in the play range
    int Ticks = 0;                     // ticks counted toward the next frame change
    int TicksPerFrame = 0;             // ticks each frame stays
    float Spin = 0.0f;                 // degrees added to Angle per tick
    float PulseMin = 0.0f;             // lower bound of the scale pulse
    float PulseMax = 0.0f;             // upper bound of the scale pulse
    float PulseStep = 0.0f;            // scale change per tick; its sign is the pulse's current direction

    void FreeFrames();                                                             // empties the frame table, FrameCount stays
    void BuildFrames(int texture, int count, int cellWidth, int cellHeight, int columns);  // cuts count frames row by row from the sheet's top-left
    void SetPlayRange(int first, int length, int ticksPerFrame, std::uint32_t colour, int alpha);  // sets the range and tint, restarts at first
    void ResetTimer(float spin, std::uint8_t scaledPlacement);                     // angle back to 0 with a new spin
    void SetPulse(std::uint8_t on, float min, float max, float step);              // scale back to 1 with new pulse bounds and step
    void Animate();                                                                // advances frame, angle and scale by one tick
    const SPRITEFRAME* GetCurrentFrame() const;                                    // the frame to draw, nullptr when CurrentFrame is outside the table
    int GetFrameWidth() const;                                                     // current frame's width plus one, 0 without a current frame
    int GetFrameHeight() const;                                                    // current frame's height plus one, 0 without a current frame
    int GetLastFrame() const;                                                      // FrameCount - 1 for two frames or more, else -1 (the glow frame)
    void CopyTo(SPRITE& destination) const;                                        // makes destination a copy with a table of its own
};
