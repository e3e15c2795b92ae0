// The constants of the effect kinds and the fixed patterns of trails, death bursts and Cloud Cover.
#include <iterator>

#include "world/effects.h"

// A line is drawn without frames, so its sheet is never read.
constexpr TEXTUREROW NoSheet = TextureGridA;

// Kind, line, texture row, cell width and height, columns, frames, ticks per frame, speed,
// pulse on, pulse bounds and step, step drawn, own colour and colour, expires and life,
// spreads, wanders, counts rounds, flicker, layer. A row is known by its sheet, a line by its comment.
const EFFECTKIND EffectKindTable[] = {
    {1, 0, TextureExp, 32, 32, 4, 4, 4, 0.02f, 0, 0.0f, 0.0f, 0.0f, 0, 0, 0x000000, 1, 16, 0, 0, 0, 0, 1},
    {2, 0, TextureFireWild, 16, 16, 4, 4, 4, 0.02f, 1, 0.95f, 1.05f, 0.005f, 0, 0, 0x000000, 1, -1, 1, 0, 0, 0, 0},
    {3, 0, TextureTorn, 32, 64, 4, 4, 4, 0.02f, 1, 0.95f, 1.05f, 0.001f, 0, 0, 0x000000, 1, -1, 0, 1, 0, 0, 0},
    {4, 0, TextureCloud, 61, 64, 2, 2, 4, 0.02f, 1, 0.95f, 1.15f, 0.001f, 0, 0, 0x000000, 1, -1, 0, 1, 0, 1, 2},
    {5, 0, TextureFireA, 17, 17, 1, 1, 20, 0.02f, 1, 0.75f, 1.25f, 0.05f, 0, 1, 0xffffff, 0, 0, 0, 0, 0, 0, 1},
    {6, 0, TextureFireB, 15, 15, 1, 1, 20, 0.02f, 0, 0.0f, 0.0f, 0.0f, 0, 0, 0x000000, 0, 0, 0, 0, 0, 0, 1},
    {7, 0, TextureFireC, 26, 26, 1, 1, 10, 0.02f, 0, 0.0f, 0.0f, 0.0f, 0, 1, 0xffff80, 0, 0, 0, 0, 0, 0, 1},
    {8, 1, NoSheet, 4, 0, 0, 0, 0, 0.05f, 0, 0.0f, 0.0f, 0.0f, 0, 0, 0x000000, 0, 0, 0, 0, 0, 0, 1},  // line
    {11, 1, NoSheet, 4, 0, 0, 0, 0, 0.05f, 0, 0.0f, 0.0f, 0.0f, 0, 0, 0x000000, 0, 0, 0, 0, 0, 0, 1},  // dream line
    {12, 1, NoSheet, 4, 0, 0, 0, 0, 0.05f, 0, 0.0f, 0.0f, 0.0f, 0, 0, 0x000000, 0, 0, 0, 0, 0, 0, 1},  // transfer line
    {13, 0, TextureFireD, 32, 32, 1, 1, 10, 0.02f, 0, 0.0f, 0.0f, 0.0f, 0, 1, 0xffffff, 0, 0, 0, 0, 0, 0, 1},
    {14, 0, TextureFireE, 32, 32, 1, 1, 10, 0.04f, 0, 0.0f, 0.0f, 0.0f, 0, 1, 0xffc29f, 0, 0, 0, 0, 0, 0, 1},
    {15, 0, TextureFireF, 32, 32, 1, 1, 10, 0.015f, 0, 0.0f, 0.0f, 0.0f, 0, 1, 0xffffca, 0, 0, 0, 0, 0, 0, 1},
    {16, 0, TextureFireG, 9, 14, 1, 1, 10, 0.02f, 0, 0.0f, 0.0f, 0.0f, 0, 1, 0xabcdef, 0, 0, 0, 0, 0, 0, 1},
    {17, 0, TextureFireH, 20, 20, 1, 1, 10, 0.02f, 0, 0.0f, 0.0f, 0.0f, 0, 1, 0x00ff00, 0, 0, 0, 0, 0, 0, 1},
    {18, 0, TextureFireI, 15, 15, 1, 1, 10, 0.02f, 0, 0.0f, 0.0f, 0.0f, 0, 1, 0x00ffff, 0, 0, 0, 0, 0, 0, 1},
    {19, 0, TextureFireJ, 17, 16, 1, 1, 10, 0.02f, 0, 0.0f, 0.0f, 0.0f, 0, 1, 0xffffff, 0, 0, 0, 0, 0, 0, 1},
    {20, 0, TextureFireK, 15, 15, 1, 1, 10, 0.02f, 0, 0.0f, 0.0f, 0.0f, 0, 1, 0xfffaaa, 0, 0, 0, 0, 0, 0, 1},
    {21, 0, TextureCloud2, 61, 28, 1, 1, 1, 0.02f, 1, 0.95f, 1.15f, 0.0f, 1, 0, 0x000000, 1, -1, 0, 0, 1, 0, 2},
};
static_assert(std::size(EffectKindTable) == EffectKindRows);

// Each cover cloud pulses at its own pace, so the formation never breathes in step.
const float CloudPulseStepTable[] = {
    0.001f,   // 0
    0.0015f,  // 1
    0.0009f,  // 2
    0.0008f,  // 3
    0.0007f,  // 4
    0.0011f,  // 5
    0.0012f,  // 6
    0.0013f,  // 7
    0.0014f,  // 8
    0.0006f,  // 9
};
static_assert(std::size(CloudPulseStepTable) == CloudPulseSteps);

// Ever fainter and later ghosts, so the attacker seems to smear toward its target.
const TRAILGHOST TrailGhostTable[] = {
    {255, 2},   // ghost 1, carries the value
    {255, 4},   // ghost 2
    {230, 6},   // ghost 3
    {200, 8},   // ghost 4
    {180, 10},  // ghost 5
    {160, 13},  // ghost 6
    {130, 17},  // ghost 7
    {100, 22},  // ghost 8
};
static_assert(std::size(TrailGhostTable) == TrailGhosts);

const BURSTDIRECTION BurstDirectionTable[] = {
    {0, -400},     // up
    {0, 400},      // down
    {-400, 0},     // left
    {400, 0},      // right
    {-400, -400},  // up left
    {400, 400},    // down right
    {-400, 400},   // down left
    {400, -400},   // up right
};
static_assert(std::size(BurstDirectionTable) == BurstDirections);

const std::uint32_t BurstColourTable[] = {
    0xff0000,  // red
    0x00ff00,  // green
    0x0000ff,  // blue
    0xffff00,  // yellow
    0x00ffff,  // cyan
    0xff00ff,  // magenta
};
static_assert(std::size(BurstColourTable) == BurstColourCount);

// The columns stand 54 pixels apart and alternate 2 pixels up and down, so the clouds interlock.
const CLOUDCOLUMN CloudColumnTable[] = {
    {-96, -2, 0},  // column 0
    {-42, 2, 1},   // column 1
    {12, -2, 1},   // column 2
    {66, 2, 0},    // column 3
};
static_assert(std::size(CloudColumnTable) == CloudColumns);

const int ShortColumnHeights[] = {-36, -10, 10, 36};
static_assert(std::size(ShortColumnHeights) == ShortColumnClouds);

const int TallColumnHeights[] = {-60, -36, -10, 10, 36, 60};
static_assert(std::size(TallColumnHeights) == TallColumnClouds);

const EFFECTKIND* FindEffectKind(int kind)
{
    for (int i = 0; i < EffectKindRows; i++)
        if (EffectKindTable[i].Kind == kind)
            return &EffectKindTable[i];
    return nullptr;
}
