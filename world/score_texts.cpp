// Score texts: a small pool of numbers that rise and vanish; a full pool reuses record 0.
#include "world/score_texts.h"

#include <charconv>

namespace {

// The largest numbers whose decimal text fits in a record's 9 characters.
constexpr int LargestShown = 999999999;
constexpr int SmallestShown = -99999999;

}  // namespace

SCORETEXT::SCORETEXT()
{
    Reset();
}

void SCORETEXT::Reset()
{
    IsActive = 0;
    Text[0] = '\0';
    FramesLeft = 0;
}

// Points come from piece worths and never come near the limits; a number
// beyond them shows as the nearest one that fits rather than being cut short.
void SCORETEXT::Set(int x, int y, int points)
{
    int shown = points;
    if (shown > LargestShown)
        shown = LargestShown;
    else if (shown < SmallestShown)
        shown = SmallestShown;
    std::to_chars_result written = std::to_chars(Text, Text + ScoreTextSize - 1, shown);
    *written.ptr = '\0';
    X = x;
    Y = y;
    FramesLeft = ScoreTextFrames;
    IsActive = 1;
}

void SCORETEXT::Update()
{
    if (IsActive && FramesLeft >= 0) {
        Y -= 1;
        FramesLeft -= 1;
        if (FramesLeft <= 0)
            IsActive = 0;
    }
}

void SCORETEXTS::Reset()
{
    for (SCORETEXT& text : Texts)
        text.Reset();
}

int SCORETEXTS::FindFree() const
{
    for (int i = 0; i < ScoreTextSlots; i++)
        if (!Texts[i].IsActive)
            return i;
    return 0;
}

void SCORETEXTS::Add(int x, int y, int points)
{
    Texts[FindFree()].Set(x, y, points);
}

void SCORETEXTS::Update()
{
    for (SCORETEXT& text : Texts)
        if (text.IsActive)
            text.Update();
}
