// The roster's characters, the choice screens' slots and the deck rules.
#include <iterator>

#include "world/roster.h"

const ROSTERROW RosterRows[] = {
    // name, class, picture, dream choice, spell choice, transfer eagerness, friend cast eagerness, hold back
    {"Corvessa", 0, TextureCharK, 1, 1, 1, 0, 1},     // 0
    {"Nimbrel", 0, TextureCharM, 0, 1, 2, 1, 1},      // 1
    {"Waxlight", 1, TextureCharL, 1, 1, 1, 0, 1},     // 2
    {"Hive Warden", 1, TextureCharH, 1, 1, 2, 1, 1},  // 3
    {"Pellamor", 2, TextureCharC, 1, 1, 1, 0, 1},     // 4
    {"Idrassa", 2, TextureCharG, 1, 1, 2, 1, 1},      // 5
    {"Quorvin", 3, TextureCharE, 0, 1, 1, 0, 2},      // 6
    {"Brenthal", 3, TextureCharI, 1, 1, 0, 2, 2},     // 7
    {"Ulvessa", 4, TextureCharD, 0, 1, 1, 0, 2},      // 8
    {"Tirevane", 4, TextureCharF, 1, 1, 0, 2, 2},     // 9
    {"Kell", 2, TextureCharSuit, 1, 1, 3, 2, 2},      // 10: never seated
};
static_assert(std::size(RosterRows) == RosterSize);

// Roster character shown in each portrait slot of the choice screens.
const int ChoiceSlotCharacters[] = {1, 4, 8, 6, 9, 5, 3, 7, 0, 2};
static_assert(std::size(ChoiceSlotCharacters) == ChoiceSlots);

const BANNEDKINDS BannedKinds[] = {
    {0, {3, 6, 14, 15, 17, 19}, 6},     // Shaman: Blackbird, Crow, Swan, Wolf, Frog, Bee
    {1, {3, 6, 7, 14, 15, 17}, 6},      // Bee Shaman: Blackbird, Crow, Eagle, Swan, Wolf, Frog
    {2, {6, 7, 15, 19}, 4},             // Dreamer: Crow, Eagle, Wolf, Bee
    {3, {3, 6, 7, 14, 17, 18, 19}, 7},  // Druid: Blackbird, Crow, Eagle, Swan, Frog, Deer, Bee
    {4, {7, 14, 15, 18, 19}, 5},        // Witch: Eagle, Swan, Wolf, Deer, Bee
};
static_assert(std::size(BannedKinds) == DreamerClassCount);

const CLASSSTATS ClassStats[] = {
    // class, max health, attack, defence, fourth, reach
    {0, 48, 32, 38, 30, 0.7f},      // Shaman
    {1, 44, 38, 37, 32, 0.8f},      // Bee Shaman
    {2, 50, 42, 32, 40, 0.9f},      // Dreamer
    {3, 48, 28, 48, 34, 0.75f},     // Druid
    {4, 43, 38, 36, 40, 0.6f},      // Witch
};
static_assert(std::size(ClassStats) == DreamerClassCount);

const PICTURESIZE PictureSizes[] = {
    {TextureCharSuit, 30, 64},  // Kell
    {TextureCharC, 32, 62},     // Pellamor
    {TextureCharD, 27, 61},     // Ulvessa
    {TextureCharE, 21, 62},     // Quorvin
    {TextureCharF, 31, 61},     // Tirevane
    {TextureCharG, 21, 61},     // Idrassa
    {TextureCharH, 37, 62},     // Hive Warden
    {TextureCharI, 40, 61},     // Brenthal
    {TextureCharK, 30, 58},     // Corvessa
    {TextureCharL, 26, 60},     // Waxlight
    {TextureCharM, 23, 59},     // Nimbrel
};
static_assert(std::size(PictureSizes) == PictureCount);

const STARTPOSITIONS StartPositions[] = {
    {2, {48, 528}, {200, 200}},
    {3, {48, 528, 280}, {20, 20, 380}},
    {4, {48, 528, 48, 528}, {50, 50, 350, 350}},
    {5, {16, 280, 560, 16, 560}, {20, 20, 20, 380, 380}},
    {6, {16, 280, 560, 16, 280, 560}, {20, 20, 20, 380, 380, 380}},
    {7, {16, 280, 560, 16, 560, 16, 560}, {20, 20, 20, 200, 200, 380, 380}},
    {8, {16, 280, 560, 16, 560, 16, 280, 560}, {20, 20, 20, 200, 200, 380, 380, 380}},
};
static_assert(std::size(StartPositions) == StartLayouts);

const EXTRAKINDS ExtraKinds[] = {
    {0, {18, 18}, 2},       // Corvessa: Deer, Deer
    {1, {9, 9}, 2},         // Nimbrel: Horse, Horse
    {2, {19, 19}, 2},       // Waxlight: Bee, Bee
    {3, {19}, 1},           // Hive Warden: Bee
    {4, {9, 14}, 2},        // Pellamor: Horse, Swan
    {5, {17, 17}, 2},       // Idrassa: Frog, Frog
    {6, {15, 9}, 2},        // Quorvin: Wolf, Horse
    {7, {15, 15}, 2},       // Brenthal: Wolf, Wolf
    {8, {3, 3}, 2},         // Ulvessa: Blackbird, Blackbird
    {9, {6, 6, 6}, 3},      // Tirevane: Crow, Crow, Crow
    {10, {14, 14, 14}, 3},  // Kell: Swan, Swan, Swan
};
static_assert(std::size(ExtraKinds) == RosterSize);
