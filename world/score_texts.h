// Floating score numbers: the points a side gains rise from the dead piece's centre for a second.
#pragma once

#include <cstdint>

constexpr int ScoreTextSlots = 32;
constexpr int ScoreTextSize = 10;       // 9 characters and the terminator
constexpr int ScoreTextFrames = 60;     // frames a number shows

// One floating number.
class SCORETEXT {
public:
    int X = 0;                          // board x the text is centred on
    int Y = 0;                          // board y of the text; falls by 1 every frame, so the text rises
    std::uint8_t IsActive = 0;          // the record is in use
    char Text[ScoreTextSize] = {};      // the points in decimal
    int FramesLeft = 0;                 // frames still to show

    SCORETEXT();

    void Reset();                       // free, empty and out of frames
    void Set(int x, int y, int points); // shows points at (x, y) for 60 frames
    void Update();                      // rises one pixel and counts a frame down
};

// The pool of floating numbers.
class SCORETEXTS {
public:
    SCORETEXT Texts[ScoreTextSlots];    // the records

    void Reset();                       // frees every record, for a new game
    int FindFree() const;               // lowest inactive record; 0 when all are in use
    void Add(int x, int y, int points); // shows a number in the record FindFree gives
    void Update();                      // one frame of every active record, in order
};
