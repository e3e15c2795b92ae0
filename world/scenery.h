// Background scenery: large dim pictures that fade in, pulse slowly in size and fade out after a long life.
#pragma once

#include <cstdint>

#include "world/sprite.h"

constexpr int SceneryItemSlots = 64;
constexpr int SceneryKindCount = 7;     // kinds 0..6
constexpr int SceneryItemSize = 32;     // width and height of every item, whatever its picture

// One background picture.
class SCENERYITEM {
public:
    std::uint8_t IsActive = 0;          // the record is in use
    SPRITE Sprite;                      // the picture
    float X = 0.0f;                     // board position of the top-left corner
    float Y = 0.0f;
    int Width = 0;                      // 32 once spawned
    int Height = 0;                     // 32 once spawned
    std::uint32_t Colour = 0;           // the kind's tint, 0xRRGGBB, also the sprite's
    int Alpha = 0;                      // 0 to 255, drawn instead of the sprite's alpha
    std::uint8_t IsTimed = 0;           // Life counts down
    int Life = 0;                       // frames still to live; in the last 256 it is the alpha
    int AlphaStep = 0;                  // alpha change per frame

    SCENERYITEM();

    void Reset();                       // marks the item free
    void Update();                      // one frame of fading, ageing and animation
};

// The pool of background pictures; a new game leaves it as it is.
class SCENERY {
public:
    SCENERYITEM Items[SceneryItemSlots];    // the records

    int CountActive() const;                                    // items in use
    int FindFree() const;                                       // lowest inactive item; 0 when all are in use
    void GetKindSize(int kind, int& width, int& height) const;  // the kind's cell size; other kinds leave both unchanged
    void Spawn(int kind, int x, int y, int life);               // starts an item of a kind, fading in, for life frames
    void Update();                                              // one frame of every item
};
