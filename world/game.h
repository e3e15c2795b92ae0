// The game state: roster, dreamers, creatures, turn state, banner, board and spell table.
#pragma once

#include <cstdint>

#include "world/effects.h"
#include "world/pieces.h"
#include "world/roster.h"
#include "world/scenery.h"
#include "world/score_texts.h"
#include "world/spells.h"

constexpr int MaxPlayers = 8;           // dreamers, index 0 the human's; a dreamer's index is its team
constexpr int CreatureSlots = 128;
constexpr int MessageParts = 3;
constexpr int MessageTextSize = 64;
constexpr int MessageSecondPartDelay = 18;   // frames an event banner shows its first text alone
constexpr int MessageThirdPartDelay = 25;    // frames before an event banner shows its third text

// The one action the computer opponent can post.
enum ACTIONKIND : int {
    ActionNone = 0,
    ActionMove = 1,
    ActionAttack = 2,
    ActionDream = 3,
    ActionCast = 4,
    ActionTransfer = 5,
};

// The one action the computer opponent has posted, carried out by the frame update.
struct PENDINGACTION {
    ACTIONKIND Kind = ActionNone;       // what is posted
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
    EFFECTS Effects;                            // the effect slots and the area hazards keep to
    SCORETEXTS ScoreTexts;                      // the floating score numbers
    SCENERY Scenery;                            // the background pictures; a new game leaves them
    std::uint8_t HitHappened = 0;               // an effect hit in the last frame: the pointer drops its target
    std::uint8_t ComputerTurnsRunning = 0;      // the computer sides are taking their turns
    std::uint8_t HumanTurnEnded = 0;            // the human has handed the board over ("End Turn", or no dreamer left); the round start gives it back
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
    std::uint8_t NewGameFlag = 0;               // a game has been chosen on the screens; kept, but nothing reads it
    SPELLTABLE SpellTable;                      // the 55 spells, row 0 empty
    int BoardBounds[4] = {};                    // left, top, right, bottom; all 0 before the first game

    GAME();

    void Reset();                                           // every slot free and the turn at the human, for a new game
    void SetBoardBounds(int left, int top, int right, int bottom);  // the bounds new pieces and effects keep to
    bool IsHumanAlive() const;                              // a human dreamer is in play and not dead
    int GetLastComputerPlayer() const;                      // highest live computer dreamer; 0 when none
    PIECEBASE* GetPiece(PIECEREF type, int index);          // the piece a (type, index) pair names, or null
    int CountLivePlayers() const;                           // dreamers in play and not dead, 0..8
    bool IsNothingMoving() const;                           // no live dreamer or creature is on the move
    void ClearMessage();                                    // empties the banner texts

    // Message banner
    void ShowMessage(const char* text1, const char* text2, const char* text3, std::uint32_t colour1,
                     std::uint32_t colour2, std::uint32_t colour3, bool isEvent, int frames);  // replaces the banner at once
    bool IsMessagePartShown(int part) const;                // whether the line draws text 0..2 in this frame
    void ShowTurnMessage(PIECEBASE* dreamer);               // "<name>'s turn."
    void ShowCastMessage(PIECEBASE* piece, int slot);       // "<name> casts <spell>", the spell of hand slot
    void ShowTransferMessage(PIECEBASE* piece, int slot);   // "<name> transfers <spell>", the spell of hand slot
    void ShowDreamMessage(PIECEBASE* dreamer, int slot);    // "<name> dreamed a(n) <kind>", or "<name> is dreaming" under own cloud cover
    void ShowPieceInfo(PIECEBASE* piece);                   // "<name> (<class or owner>)"
    void ShowHiddenPieceInfo(PIECEBASE* piece);             // a creature as "Unknown (<owner>)"; a dreamer as ShowPieceInfo
    void ShowSelectTargetPrompt();                          // "Select your target."
    void ShowSelectDreamPlacePrompt();                      // "Select where you would like your dream to be placed."
    void ShowSelectSpellReceiverPrompt();                   // "Select who should receive the spell."
    void ShowSpellFailed(PIECEBASE* piece);                 // "<name>'s Spell Failed."
    void ShowDreamingFailed(PIECEBASE* dreamer);            // "<name>'s Dreaming Failed."
    void ShowLeftGameMessage(PIECEBASE* dreamer);           // one of six departure texts, drawn at random
    void ShowLevelUpMessage(PIECEBASE* piece);              // "<name> has grown to LV-<level>"

    // Reach circle
    void GetReachOrigin(PIECEBASE* piece, int* x, int* y, float scale) const;  // top-left corner of the scaled circle
    bool IsInReach(PIECEBASE* piece, int x, int y, const int* reachTable, float scale) const;  // (x, y) inside the piece's circle
    bool IsPointOnPiece(PIECEBASE* piece, int x, int y) const;  // (x, y) in the box of a live, resting piece; clears its marks
    bool IsPointNearPiece(PIECEBASE* piece, int x, int y, int marginX, int marginY) const;  // the same, box widened by the margins

    // Dreaming and creatures
    void ResolveDream(int kind, PIECEBASE* source, int slot, int x, int y);      // a dream (11) or a transfer (12) lands at a point
    PIECE* CreateCreature(const char* name, int kind, int owner, int x, int y);  // a creature of kind for Players[owner], centred on (x, y)
    int FindFreeCreature() const;                           // first slot not used since the game began; 0 when none
    void GetCreatureSize(int kind, int* width, int* height) const;  // a kind's board size; nothing written for no such kind
    std::uint32_t GetTeamColour(int team) const;            // a side's colour, 0xRRGGBB
    std::uint32_t GetTeamPaleColour(int team) const;        // the tint of a side's bodies

    // Frame update and turn machine
    void UpdateGame(const int* reachTable);                 // the world's step of one frame
    void KillPlayerCreatures(int player);                   // a dead dreamer's creatures die with it
    void AwardScore(int x, int y, int team, int points);    // a side scores, shown as a rising number
    void UpdateTurn(const int* reachTable);                 // at most one computer decision step
    void NextComputerPiece();                               // the current side's next creature slot, or the next side
    void NextPlayer();                                      // the next side's turn; after the last, play returns to the human

    // Roster and new game
    void BuildRoster();                                     // the eleven characters, every deck dealt anew
    void StartNewGame(int humanRosterIndex, int opponentRosterIndex, int playerCount);  // a challenge when the opponent is 0 or more, else a free game
    void NewRandomGame(int humanRosterIndex, int playerCount);      // fresh decks, distinct random opponents
    void NewChallengeGame(int humanRosterIndex, int opponentRosterIndex);  // the player against one character
    void PlacePlayers(const int* list, int count);          // seats the listed characters at the start positions
    bool IsInList(int rosterIndex, const int* list, int n) const;  // the character is among the first n
    void CreatePlayerFromRoster(int rosterIndex, int playerIndex, int x, int y, bool isHuman);  // a dreamer with its dream slots
    void DealDreamDeck(int rosterIndex, int playerIndex, int n);    // the first n kinds of the character's deck
    void CreatePlayer(const char* name, int playerClass, int picture, int playerIndex, int x, int y, bool isHuman,
                      int dreamChoice, int spellChoice, int transferEagerness, int friendCastEagerness,
                      int holdBack);                        // a dreamer at its start, stats and spells dealt

    // Actions and hits
    int ResolveEffectHit(int kind, PIECEREF sourceType, int sourceIndex, PIECEREF targetType, int targetIndex,
                         int value, int x, int y);          // an arrived effect's heal or harm; the health change applied
    bool GiveExperience(PIECEREF type, int index, int amount);  // offers a hitter experience; true when it gained a level
};

void SetNewGameFlag(GAME& game);  // called by StartGame before InitNewGame: marks that a new game is being set up
