// Board effects: bolts, lines, ghosts and sparkles that fly to a target, and the hazards and clouds that stay.
#pragma once

#include <cstdint>

#include "world/pieces.h"
#include "world/sprite.h"
#include "world/texture_list.h"

class GAME;

class PLAYER;

constexpr int EffectSlots = 256;
constexpr int EffectKindRows = 19;         // kinds 1..21 without 9 and 10
constexpr int CloudPulseSteps = 10;
constexpr int TrailGhosts = 8;
constexpr int BurstDirections = 8;
constexpr int BurstRounds = 8;
constexpr int BurstColourCount = 6;
constexpr int CloudColumns = 4;
constexpr int ShortColumnClouds = 4;
constexpr int TallColumnClouds = 6;

constexpr int EffectGhost = 0;             // a copy of another sprite
constexpr int EffectSparkle = 1;
constexpr int EffectWildFire = 2;
constexpr int EffectTornado = 3;
constexpr int EffectThunderStorm = 4;
constexpr int EffectDreamLine = 11;
constexpr int EffectTransferLine = 12;
constexpr int EffectCloudCover = 21;

// The constants one effect kind is spawned with.
struct EFFECTKIND {
    int Kind;                      // effect kind 1..21
    std::uint32_t IsLine;          // a line effect, drawn without frames
    TEXTUREROW Texture;            // texture-list row of the sheet
    int CellWidth;                 // cell width; a line is 4 wide
    int CellHeight;                // cell height; a line is 0 high
    int Columns;                   // cells per sheet row
    int Frames;                    // frames played from frame 0
    int TicksPerFrame;             // ticks each frame stays
    float Speed;                   // fraction of the whole way covered per frame
    std::uint8_t PulseOn;          // the scale pulses
    float PulseMin;                // lower bound of the pulse
    float PulseMax;                // upper bound of the pulse
    float PulseStep;               // ignored when DrawsPulseStep is set
    std::uint8_t DrawsPulseStep;   // the step is drawn from CloudPulseStepTable
    std::uint8_t HasColour;        // the kind's own colour replaces the caller's
    std::uint32_t Colour;          // the kind's own colour
    std::uint8_t Expires;          // a lasting effect
    int FramesLeft;                // its life while it expires; -1 endless
    std::uint8_t Spreads;          // a fire that spreads or creeps
    std::uint8_t Wanders;          // a whirlwind or storm cloud that drifts
    std::uint8_t CountsRounds;     // a cover cloud that lasts a drawn number of rounds
    std::uint32_t FlickerMode;     // the storm cloud's lightning
    int DrawLayer;                 // 0 beneath the pieces, 1 and 2 above
};

// One ghost of an attack's trail.
struct TRAILGHOST {
    int Alpha;                     // how faint the ghost is
    int StartDelay;                // frames it waits before it sets off
};

// Where a death-burst ghost flies, relative to the dead dreamer's centre.
struct BURSTDIRECTION {
    int DX;                        // horizontal distance of the aimed point
    int DY;                        // vertical distance of the aimed point
};

// One column of the Cloud Cover formation, relative to the caster's centre.
struct CLOUDCOLUMN {
    int XOffset;                   // the column's cloud centres
    int BaseOffset;                // the base its heights are measured from
    std::uint8_t Tall;             // six clouds, else four
};

extern const EFFECTKIND EffectKindTable[];                 // rows in kind order
extern const float CloudPulseStepTable[];                  // by rand() mod 10
extern const TRAILGHOST TrailGhostTable[];                 // in spawn order
extern const BURSTDIRECTION BurstDirectionTable[];         // in spawn order
extern const std::uint32_t BurstColourTable[];             // by round mod 6
extern const CLOUDCOLUMN CloudColumnTable[];               // left to right
extern const int ShortColumnHeights[];                     // top to bottom, from the base
extern const int TallColumnHeights[];                      // top to bottom, from the base

const EFFECTKIND* FindEffectKind(int kind);                // the kind's row, or null for a kind without settings

// One effect slot.
class EFFECT {
public:
    int Kind = 0;                       // effect kind 1..21; 0 a ghost
    std::uint32_t IsLine = 0;           // a line effect (kinds 8, 11, 12); only its sprite's Colour and Alpha are used
    std::uint8_t IsActive = 0;          // the slot is in use
    std::uint8_t HasArrived = 0;        // the head (a line's tail) has reached the target
    SPRITE Sprite;                      // the picture and its animation
    float HeadX = 0.0f;                 // a sprite effect's top-left corner; a line's moving end
    float HeadY = 0.0f;
    float TailX = 0.0f;                 // a line's trailing end
    float TailY = 0.0f;
    int Width = 0;                      // the box: a sprite's cell, a line's 4 x 0
    int Height = 0;
    PIECEREF SourceType = PieceRefNone; // piece reference of the sender; index -1 none
    int SourceIndex = -1;
    PIECEREF TargetType = PieceRefNone; // piece reference, or type 0 with a slot number; index -1 aims at nothing
    int TargetIndex = -1;
    int OwnerTeam = -1;                 // team that sent it; -1 none
    int DrawLayer = 0;                  // 0 beneath the pieces, 1 and 2 above
    int Value = 0;                      // what the hit resolution applies; 0 carries nothing
    int LineCountdown = 1;              // frames before a line's tail follows its head
    int StartDelay = 0;                 // frames before it moves, animates and shows
    float TargetX = 0.0f;               // where the head goes
    float TargetY = 0.0f;
    std::uint8_t Expires = 0;           // a lasting effect, never resolved as a hit
    int FramesLeft = 0;                 // life left while it expires; -1 endless
    std::uint8_t CountsRounds = 0;      // a round countdown runs
    int RoundsLeft = 0;                 // rounds until it starts to expire
    std::uint8_t Spreads = 0;           // the hazard update lets it spread or creep
    std::uint8_t Wanders = 0;           // the hazard update lets it drift
    std::uint8_t IsMoving = 0;          // the head or tail is on its way
    std::uint8_t InFlight = 0;          // sent and not yet arrived; a later drift does not set it
    float StepX = 0.0f;                 // head change per frame while moving
    float StepY = 0.0f;
    std::uint8_t TailFollows = 0;       // a line's tail has started to follow
    int Bounds[4] = {};                 // the pool's bounds when it was spawned

    EFFECT();                                                       // a free slot with an empty sprite

    void Reset();                                                   // frees the slot; frames and positions stay
    void SetBounds(const int bounds[4]);                            // keeps a copy of the pool's bounds
    void Init(int kind, std::uint32_t isLine, float x, float y, int width, int height,
              int startDelay, int lineCountdown);                   // takes the slot: head and tail at (x, y), in flight
    void SetMotion(PIECEREF sourceType, int sourceIndex, PIECEREF targetType, int targetIndex,
                   float targetX, float targetY, int value, float speed);  // references, target and a fresh tail
    void SetTarget(float x, float y, int value, float speed);      // aims the centre (a line's head) at (x, y)
    void SetDriftTarget(float x, float y, float speed);             // as SetTarget, keeping Value and not in flight
    void StartExpire(int frames);                                   // lives frames more, fading
    void SetCountdown(int rounds);                                  // lives rounds more before it starts to expire
    void TickCountdown();                                           // one round off the countdown
    bool Covers(int left, int top, int px, int py, int marginX, int marginY) const;  // active and the point in the widened box at (left, top)
    void Update();                                                  // one frame: delay, animation, flight, expiry
    void Move();                                                    // one frame of a sprite effect's flight
    void MoveOutAndBack();                                          // one frame of a line's flight
};

// The 256 effect slots and the area hazards keep to.
class EFFECTS {
public:
    EFFECT Slots[EffectSlots];          // the effects, free or in use
    int Bounds[4] = {};                 // left, top, right, bottom of the area hazards may stand in

    void Reset();                                                   // frees every slot
    void SetBounds(int left, int top, int right, int bottom);       // the area hazards may stand in, given when a game starts
    int FindFreeEffect() const;                                     // lowest inactive slot; 0 when all are active
    int SpawnEffect(int kind, int owner, int value, int x, int y, PIECEREF sourceType, int sourceIndex,
                    PIECEREF targetType, int targetIndex, int targetX, int targetY, float spin,
                    std::uint32_t colour, int alpha, int startDelay);  // centre at (x, y) flying to centre at target; slot or -1
    void SpawnEffectBurst(int kind, int owner, int value, int x, int y, PIECEREF sourceType, int sourceIndex,
                          PIECEREF targetType, int targetIndex, int targetX, int targetY, float spin,
                          std::uint32_t colour, int alpha, int delayStep, int count);  // count effects delayStep apart; the first carries the value
    void SpawnTrail(const SPRITE& sprite, int owner, int value, int x, int y, PIECEREF sourceType, int sourceIndex,
                    PIECEREF targetType, int targetIndex, int targetX, int targetY, std::uint32_t colour);  // an attack's eight ghosts
    int SpawnTrailGhost(const SPRITE& sprite, int owner, int value, int x, int y, PIECEREF sourceType, int sourceIndex,
                        PIECEREF targetType, int targetIndex, int targetX, int targetY, std::uint32_t colour,
                        int alpha, int startDelay, float speed);    // one ghost of the sprite; its slot
    void DeathBurst(const SPRITE& sprite, int x, int y);            // a dead dreamer's 64 coloured ghosts
    std::uint32_t BurstColour(int round) const;                     // colour of a death-burst round
    void SpawnCloudCover(int spellId, int kind, int owner, int x, int y, PIECEREF sourceType, int sourceIndex,
                         std::uint32_t colour);                     // the 20 clouds of Cloud Cover around (x, y)
    void EndTeamHazards(int team);                                  // a side's fires, whirlwinds and storm clouds start to fade
    void UpdateEffects();                                           // one frame of every active slot
    int CountMovingEffects(int ignored) const;                      // slots active, moving and in flight
    bool IsUnderCloudCover(int team, int x, int y) const;           // the point lies under one of the team's cover clouds
    int CountCloudCover(int team) const;                            // the team's active cover clouds

    int GetHazardDamage(int px, int py, int team) const;            // damage of every other side's hazard reaching the point
    bool IsAreaBlocked(int x, int y, int width, int height) const;  // a hazard may not take the box at (x, y)
    void UpdateHazards();                                           // the once-per-round spread, drift and expiry
    void SpreadCopy(const EFFECT& source, int x, int y);            // a copy of a fire on the spot at (x, y); lasting sources are declined
    void DriftTo(EFFECT& effect, int x, int y, float speed);        // sends a resting hazard to the spot at (x, y)
};

// One side's end-of-turn step in the game: turn flags, hazard damage, the round's hazard update.
void EndTurnHazards(GAME& game, PLAYER* dreamer);
