// The creature kinds' table, the glow size classes, the team colours and the dream bonus bands.
#include <climits>
#include <iterator>

#include "world/creatures.h"

// kind, sheet, cell w, h, size w, h, health, attack, defence, reach, worth, pulse min, step, spells
const CREATURESTATS CreatureStats[] = {
    {1, TextureBadger, 53, 32, 53, 32, 32, 20, 33, 0.65f, 50, 0.96f, 0.0003f, 2, {9, 17}},
    {2, TextureBear, 64, 46, 64, 45, 40, 45, 40, 0.7f, 350, 0.98f, 0.0003f, 2, {25, 20}},
    {3, TextureBlackbird, 59, 40, 59, 40, 35, 36, 22, 1.0f, 150, 0.98f, 0.0003f, 2, {47, 34}},
    {4, TextureCat, 63, 29, 63, 29, 38, 44, 26, 0.9f, 250, 0.98f, 0.0003f, 2, {33, 1}},
    {5, TextureCrane, 32, 58, 32, 57, 49, 28, 30, 0.8f, 50, 0.99f, 0.0003f, 2, {17, 9}},
    {6, TextureCrow, 63, 54, 63, 53, 42, 37, 34, 0.7f, 300, 0.98f, 0.0003f, 2, {55, 52}},
    {7, TextureEagle, 60, 57, 60, 56, 52, 48, 44, 1.1f, 350, 0.98f, 0.0003f, 2, {37, 34}},
    {8, TextureEel, 64, 38, 64, 37, 40, 40, 25, 0.7f, 50, 0.96f, 0.0004f, 2, {7, 27}},
    {9, TextureHorse, 62, 40, 62, 39, 45, 43, 34, 0.9f, 200, 0.98f, 0.0002f, 2, {16, 29}},
    {10, TextureOtter, 53, 44, 52, 43, 32, 28, 36, 0.6f, 50, 0.96f, 0.0004f, 2, {13, 18}},
    {11, TextureOwl, 30, 43, 30, 43, 38, 29, 35, 0.8f, 100, 0.98f, 0.0003f, 2, {35, 19}},
    {12, TextureBoar, 51, 32, 51, 32, 45, 30, 34, 0.6f, 50, 0.98f, 0.0003f, 2, {34, 9}},
    {13, TextureSalmon, 55, 19, 55, 19, 40, 30, 32, 0.6f, 50, 0.96f, 0.0004f, 2, {13, 14}},
    {14, TextureSwan, 64, 39, 64, 39, 56, 38, 50, 0.9f, 350, 0.98f, 0.0002f, 2, {31, 36}},
    {15, TextureWolf, 57, 44, 57, 44, 47, 48, 38, 0.9f, 350, 0.96f, 0.0004f, 2, {37, 23}},
    {16, TextureSquirrel, 48, 43, 48, 43, 38, 38, 27, 0.7f, 150, 0.96f, 0.0004f, 2, {8, 16}},
    {17, TextureFrog, 48, 32, 48, 32, 40, 34, 34, 0.8f, 100, 0.98f, 0.0003f, 1, {23, 0}},
    {18, TextureDeer, 47, 39, 47, 39, 35, 37, 32, 0.9f, 100, 0.98f, 0.0003f, 2, {34, 9}},
    {19, TextureBee, 46, 22, 46, 22, 44, 45, 28, 0.8f, 100, 0.98f, 0.0003f, 2, {30, 3}},
    {20, TextureDragon, 76, 85, 76, 85, 56, 46, 44, 1.1f, 350, 0.96f, 0.0004f, 0, {0, 0}},
};
static_assert(std::size(CreatureStats) == CreatureKindCount);

// size class, glow step, glow alpha and bound
const GLOWCLASS GlowClasses[] = {
    {0, 1, 32},
    {1, 2, 128},
    {2, 4, 160},
    {3, 5, 224},
};
static_assert(std::size(GlowClasses) == GlowClassCount);

// team, colour, pale colour
const TEAMCOLOURS TeamColours[] = {
    {0, 0xff0000, 0xffdddd},  // red
    {1, 0x00ff00, 0xddffdd},  // green
    {2, 0x0000ff, 0xddddff},  // blue
    {3, 0xffff00, 0xffffdd},  // yellow
    {4, 0x00ffff, 0xddffff},  // cyan
    {5, 0xff00ff, 0xffddff},  // magenta
    {6, 0xffffff, 0xffffff},  // white
    {7, 0x000000, 0xeeeeee},  // black
};
static_assert(std::size(TeamColours) == TeamColourCount);

// highest dream chance of the band, bonus
const DREAMBONUS DreamBonuses[] = {
    {20, 6},
    {40, 5},
    {60, 4},
    {80, 3},
    {INT_MAX, 2},
};
static_assert(std::size(DreamBonuses) == DreamBonusBands);
