// Board pieces: the shared part every figure has, creatures and dreamers.
#pragma once

#include <cstdint>

#include "world/spells.h"
#include "world/sprite.h"

class PIECE;
class PLAYER;

// What a piece slot holds.
enum PIECEKIND : int {
    PieceFree = 0,
    PieceCreature = 1,
    PieceComputerDreamer = 3,
    PieceHumanDreamer = 4,
};

// How a record names a piece it may not hold a pointer to: a pair (type, index).
enum PIECEREF : int {
    PieceRefNone = 0,                   // no piece; an effect's target type 0 may carry a slot number instead
    PieceRefDreamer = 1,                // an index into Players
    PieceRefCreature = 2,               // an index into Creatures
};

// How a piece's alpha is changing.
enum FADEMODE : int {
    FadeSteady = 0,
    FadeIn = 1,
    FadeOut = 2,
};

constexpr int PieceNameSize = 32;
constexpr int DreamerClassCount = 5;    // Shaman, Bee Shaman, Dreamer, Druid, Witch
constexpr int DreamSlotsPerDreamer = 20;

// What every figure on the board has. The operations act on a creature and a
// dreamer alike; a PIECEBASE pointer may point at either, and Kind tells which.
struct PIECEBASE {
    int Index = -1;                     // index in Players or Creatures; -1 when free
    int Team = -1;                      // index of the dreamer the piece belongs to; -1 when free
    PIECEKIND Kind = PieceFree;         // what the slot holds
    char Name[PieceNameSize] = {};      // roster name of a dreamer, kind name of a creature
    std::uint8_t IsComputer = 0;        // the computer opponent controls the piece
    float X = 0.0f;                     // top-left corner on the board
    float Y = 0.0f;
    int Width = 0;                      // size in pixels
    int Height = 0;
    SPRITE Sprite;                      // the body
    std::uint8_t HoverMark = 0;         // the pointer is over the piece
    std::uint8_t TargetMark = 0;        // the piece is the marked target of the action being aimed
    std::uint8_t IsMoving = 0;          // a move is under way
    int CentreX = 0;                    // centre of the current body frame on the board
    int CentreY = 0;
    FADEMODE FadeMode = FadeSteady;     // steady, fading in or fading out
    int Alpha = 255;                    // opacity 0..255
    int FadeStep = 1;                   // alpha change per frame while fading
    std::uint8_t IsGrowing = 0;         // the grow-in animation runs
    float MoveTargetX = 0.0f;           // top-left corner where the move ends
    float MoveTargetY = 0.0f;
    float StepX = 0.0f;                 // change of X, Y per frame during a move
    float StepY = 0.0f;
    int Bounds[4] = {};                 // left, top, right, bottom that moves are clamped to
    SPELLHAND Spells;                   // the piece's spells
    std::uint8_t IsDead = 0;            // dead: fading out or gone
    int Level = 0;
    int MaxHealth = 0;
    int Health = 0;                     // at 0 the piece dies
    int Attack = 0;                     // added to the harm the piece's attacks and spells do
    int Defence = 0;                    // subtracted from the harm the piece takes
    int FourthStat = 0;                 // a fourth class or creature value, kept but unused
    float Reach = 0.0f;                 // move and attack reach: radius 128 x Reach pixels
    float SpellReach = 0.0f;            // 0.8 x Reach
    int SpellChoice = 0;                // computer opponent: how a spell is chosen
    int TransferEagerness = 0;          // computer opponent: readiness to transfer a spell
    int FriendCastEagerness = 0;        // computer opponent: readiness to cast on a friend
    int HoldBack = 0;                   // computer opponent: creatures wait while sides are many
    int PendingHealth = 0;              // health change still to drain, one point per frame
    std::uint32_t TeamColour = 0xffffff;  // team colour 0xRRGGBB
    std::uint32_t PaleColour = 0xffffff;  // pale team colour, the body tint
    int GlowAlpha = 255;                // current alpha of the pulsing selection glow
    int GlowBound = 0;                  // upper bound of the glow pulse
    std::uint8_t HasMoved = 0;          // moved or attacked this turn
    std::uint8_t HasCast = 0;           // cast or transferred a spell this turn
    PIECEBASE* pTarget = nullptr;       // enemy chosen by the computer opponent
    PIECEBASE* pFriend = nullptr;       // friend chosen by the computer opponent
    std::uint8_t DeathPending = 0;      // died; the frame update has not yet processed the death
    int ScoreValue = 0;                 // what the killer's side scores for this piece
    int LastAttackerTeam = -1;          // team of the last piece whose hit reached this one; -1 none
    int GlowStep = 0;                   // change of GlowAlpha per frame

    PIECEBASE();

    bool IsDreamer() const;             // Kind 3 or 4
    bool IsCreature() const;            // Kind 1
    int BoxCentreX() const;             // X truncated plus half the width: where effects start from and aim at the piece
    int BoxCentreY() const;             // Y truncated plus half the height
    PLAYER* ToPlayer();                 // this piece as a dreamer, or null when it is not one
    PIECE* ToCreature();                // this piece as a creature, or null when it is not one

    void ResetSprite();                 // frees the slot's identity and stops its motion
    void ResetCommon();                 // clears what a new game must not inherit; keeps position, stats, name
    void Init(int index, int team, const char* name, PIECEKIND kind,
              int firstFrame, int frameCount, int ticksPerFrame, std::uint32_t colour, int alpha);  // identity and body play range
    void SetStats(int level, int maxHealth, int attack, int defence, int fourthStat, float reach);  // full health, alive
    void SetPosition(float x, float y, int width, int height);  // places the top-left corner, no move pending
    void SetBounds(int left, int top, int right, int bottom);   // the board bounds moves are clamped to
    void UpdateCentre();                // centre from the current body frame
    void MoveTo(float x, float y, float speed);  // starts a move that brings the centre to (x, y)
    void Kill();                        // dead, fading out, death to be processed
    void Flash(int alpha);              // a hit flash: pieces do not flash
    void ClearTurnFlags();              // HasMoved and HasCast
    void SetSizeClass(int sizeClass);   // the selection glow's step and bound for a body size class
    void AddCreatureSpells(const SPELLTABLE* table);  // a creature's built-in spells of its kind, appended
    bool AddExperience(int amount);     // pieces keep no experience: always false, no level gained

    // The piece's step of each frame
    void Update();                      // move, fade, drain health, glow, grow and animate
    void Move();                        // one frame of a move, kept inside the board
    void UpdateFade();                  // one frame of a fade in or out
    void UpdateHealth();                // one point of the pending change; kills at 0 and frees a faded dead slot
    void UpdatePulse();                 // one frame of the selection glow's pulse
    void UpdateGrow();                  // one frame of a new creature's growth
};

// A dream slot: a creature kind a dreamer can still try to dream.
struct DREAMSLOT {
    int Kind = 0;                       // creature kind 1..20; 0 when cleared
    char Name[PieceNameSize] = {};      // the kind's name
    int Chance = 0;                     // chance of success in percent

    void Clear();                       // Kind 0, Chance 0; the name stays
    void Set(int kind, const char* name, int chance);
    void RaiseChance(int n);            // a slot in use gains n percent, at most 100
};

// A creature: the shared part, its dreamer and its kind.
class PIECE : public PIECEBASE {
public:
    PLAYER* pOwner = nullptr;           // the dreamer that dreamt the creature
    int CreatureKind = 0;               // creature kind 1..20

    PIECE();
    void Reset();                       // frees the slot for a new game
};

// A dreamer: the shared part, its class, its dream slots and its side's score.
class PLAYER : public PIECEBASE {
public:
    int Class = 0;                                  // 0 Shaman, 1 Bee Shaman, 2 Dreamer, 3 Druid, 4 Witch
    char ClassName[PieceNameSize] = {};             // the class's name
    DREAMSLOT DreamSlots[DreamSlotsPerDreamer];     // the first DreamSlotCount are in use
    int DreamChoice = 1;                            // computer opponent: 0 a random dream, 1 the best chance
    std::uint8_t HasDreamed = 0;                    // dreamed this turn
    int Score = 0;                                  // the side's score
    std::uint8_t NoRoomToDream = 0;                 // the computer opponent found no free spot to dream
    int DreamSlotCount = 0;                         // dream slots in use, 0..20

    PLAYER();
    void Reset();                                   // frees the slot for a new game
    void SetClass(int dreamerClass);                // the class and, for 0..4, its name
    void DealSpells(const SPELLTABLE& table);       // the spells a dreamer of this class starts with
    bool AddDreamSlot(int kind);                    // a dream slot of a creature kind; false when none was added
    void ClearTurnFlags();                          // HasMoved, HasCast and HasDreamed
    void RemoveDreamSlot(int slot);                 // the slot is used up and the list closes up
    void CompactDreamSlots();                       // moves the slots after one hole down by one and recounts
    void RaiseDreamChances(int n);                  // every slot in use gains n percent, at most 100
    int GetNumberOfDreams() const;                  // dream slots in use
    int CountDreams() const;                        // dream slots of the 20 whose kind is set
};
