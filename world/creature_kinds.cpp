// Creature kinds and the chance a dream of each starts with.
#include "world/creature_kinds.h"

#include <iterator>

const CREATUREKIND CreatureKinds[] = {
    {1, "Badger", 70},
    {2, "Bear", 30},
    {3, "Blackbird", 60},
    {4, "Wildcat", 40},
    {5, "Crane", 70},
    {6, "Crow", 40},
    {7, "Eagle", 30},
    {8, "Snake", 80},
    {9, "Horse", 40},
    {10, "Otter", 90},
    {11, "Owl", 70},
    {12, "Boar", 80},
    {13, "Salmon", 70},
    {14, "Swan", 40},
    {15, "Wolf", 40},
    {16, "Squirrel", 50},
    {17, "Frog", 80},
    {18, "Deer", 90},
    {19, "Bee", 70},
    {20, "Dragon", 100},
};
static_assert(std::size(CreatureKinds) == CreatureKindCount);

const CREATUREKIND* FindCreatureKind(int kind)
{
    if (kind < 1 || kind > CreatureKindCount)
        return nullptr;
    return &CreatureKinds[kind - 1];
}
