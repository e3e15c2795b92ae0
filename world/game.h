// The one game state: roster, dreamers, creatures, turn state, banner, board and spell table.
#pragma once

#include <cstdint>

#include "world/pieces.h"
#include "world/roster.h"
#include "world/spells.h"

constexpr int MaxPlayers = 8;           // dreamers, index 0 the human's; a dreamer's index is its team
constexpr int CreatureSlots = 128;
constexpr int MessageParts = 3;
constexpr int MessageTextSize = 64;

// Piece references held as a pair (type, index) where a record may not hold a pointer.
constexpr int PieceRefDreamer = 1;      // an index into Players
constexpr int PieceRefCreature = 2;     // an index into Creatures

// Values of PENDINGACTION::Kind.
constexpr int ActionNone = 0;
constexpr int ActionMove = 1;
constexpr int ActionAttack = 2;
constexpr int ActionDream = 3;
constexpr int ActionCast = 4;
constexpr int ActionTransfer = 5;

// The one action the computer opponent has posted, carried out by the frame update.
struct PENDINGACTION {
    int Kind = ActionNone;              // 0 none, 1 move, 2 attack, 3 dream, 4 cast, 5 transfer
    PIECEBASE* pActor = nullptr;        // the piece that acts
    PIECEBASE* pTarget = nullptr;       // the piece attacked, cast at or given the spell
    int X = 0;                          // board point of a move or a dream
    int Y = 0;
    int DreamSlot = 0;                  // the actor's dream slot to try
    int SpellSlot = 0;                  // the actor's hand slot to cast or transfer
};

class GAME {
public:
    ROSTERENTRY Roster[RosterSize];             // the named characters
    PLAYER Players[MaxPlayers];                 // the dreamers
    PIECE Creatures[CreatureSlots];             // creature slots; Kind 0 is free
    std::uint8_t HitHappened = 0;               // an effect hit this frame
    std::uint8_t ComputerTurnsRunning = 0;      // the computer sides are taking their turns
    int CurrentPlayer = 0;                      // the dreamer whose turn it is
    int CurrentCreature = -1;                   // the acting creature of the current computer dreamer; -1 the dreamer itself
    PENDINGACTION PendingAction;                // the action the computer opponent has posted
    int BoardWidth = 512;                       // board size in pixels: 608 x 448 in every game
    int BoardHeight = 320;
    std::uint32_t MessageColour[MessageParts] = {};         // banner colours
    char MessageText[MessageParts][MessageTextSize] = {};   // banner texts
    int MessageFramesLeft = 0;                  // frames the banner still shows; the turn machine waits meanwhile
    int MessageFrames = 0;                      // total frames of the current banner
    std::uint8_t MessageIsEvent = 0;            // the banner's parts appear one after another
    std::uint8_t DebugFlag = 0;                 // copy of the debug-display switch
    SPELLTABLE SpellTable;                      // the 55 spells, row 0 empty
    int BoardBounds[4] = {};                    // left, top, right, bottom; all 0 before the first game

    GAME();

    void Reset();                                           // every slot free and the turn at the human, for a new game
    void SetBoardBounds(int left, int top, int right, int bottom);  // the bounds new pieces and effects keep to
    bool IsHumanAlive() const;                              // a human dreamer is in play and not dead
    int GetLastComputerPlayer() const;                      // highest live computer dreamer; 0 when none
    PIECEBASE* GetPiece(int type, int index);               // the piece a (type, index) pair names, or null
    void ClearMessage();                                    // empties the banner texts
};

extern GAME Game;
