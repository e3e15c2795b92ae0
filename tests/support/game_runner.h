// A headless game for tests and benchmarks: a free game played frame by frame with no screen, the player's side
// acting by a simple script, with the game's invariants checked as it runs; the same invariants for any game,
// however it is driven.
#pragma once

#include <string>

class GAME;

// What the player's side does.
enum class PLAYERSCRIPT {
    EndTurnAtOnce,      // ends his turn as soon as it begins
    DieAtOnce,          // his dreamer dies in the first frame; the computer sides play on
};

struct GAMERUN {
    int Frames = 0;             // frames run
    bool Ended = false;         // fewer than two sides were left within the frame limit
    std::string Fault;          // the first broken invariant, empty when none
};

void StartHeadlessGame(GAME& game, unsigned seed, int players, PLAYERSCRIPT script);  // a new game, the opponent on
bool PlayHeadlessFrame(GAME& game, PLAYERSCRIPT script);  // the player's script, then a frame; false once it has ended
GAMERUN RunHeadlessGame(GAME& game, unsigned seed, int players, PLAYERSCRIPT script, int frameLimit,
                        bool checkInvariants);
std::string DescribeGame(const GAME& game);     // the state of the game, for a failure message
void ResetInvariants();                         // called when a game starts: no death seen, no score owed
std::string CheckInvariants(const GAME& game);  // after a frame: the broken invariants, empty when none
