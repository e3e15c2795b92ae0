// The roster: the named characters a side can be led by.
#pragma once

#include "world/pieces.h"

constexpr int RosterSize = 11;
constexpr int DeckSize = 16;

// A named character: its class, picture, the values that steer it as a
// computer opponent, and the deck of creature kinds its dreamer starts with.
struct ROSTERENTRY {
    int Class = 0;                      // 0 Shaman, 1 Bee Shaman, 2 Dreamer, 3 Druid, 4 Witch
    char Name[PieceNameSize] = {};      // the character's name
    int Picture = 0;                    // texture-list row of the character's picture
    int DreamChoice = 0;                // copied to the dreamer
    int SpellChoice = 0;                // copied to the dreamer
    int TransferEagerness = 0;          // copied to the dreamer
    int FriendCastEagerness = 0;        // copied to the dreamer
    int HoldBack = 0;                   // copied to the dreamer
    int Deck[DeckSize] = {};            // creature kinds in the order dealt
    int DeckCount = 0;                  // entries of Deck in use
};
