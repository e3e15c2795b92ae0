// The roster: the named characters a side can be led by, and the decks of creatures they deal.
#pragma once

#include "world/pieces.h"
#include "world/texture_list.h"

constexpr int RosterSize = 11;
constexpr int DeckSize = 16;
constexpr int ChoiceSlots = 10;         // portraits on the character-choice screens

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

    void Set(int entryClass, const char* name, int picture, int dreamChoice, int spellChoice,
             int transferEagerness, int friendCastEagerness, int holdBack);  // stores the character and deals its deck
    void DealDeck(int n);                       // n random creature kinds the class may have
    bool CanHaveCreature(int kind, int m) const;  // the kind may join the first m entries of the deck
};

// One character of the roster as the game defines it.
struct ROSTERROW {
    const char* Name;
    int Class;
    TEXTUREROW Picture;
    int DreamChoice;
    int SpellChoice;
    int TransferEagerness;
    int FriendCastEagerness;
    int HoldBack;
};

// The creature kinds a class may not hold in its deck.
struct BANNEDKINDS {
    int Class;
    int Kinds[7];
    int Count;
};

// A dreamer's stats by class, at level 1.
struct CLASSSTATS {
    int Class;
    int MaxHealth;
    int Attack;
    int Defence;
    int FourthStat;
    float Reach;
};

// A character picture's size: the dreamer's one frame and its box.
struct PICTURESIZE {
    TEXTUREROW Picture;
    int Width;
    int Height;
};

// Where the dreamers of a game of so many players start, dreamer 0 first.
struct STARTPOSITIONS {
    int Players;
    int X[8];
    int Y[8];
};

// The dream slots a computer dreamer gets on top of its deck.
struct EXTRAKINDS {
    int RosterIndex;
    int Kinds[3];
    int Count;
};

constexpr int PictureCount = 11;
constexpr int StartLayouts = 7;         // games of 2 to 8 dreamers

extern const ROSTERROW RosterRows[RosterSize];
extern const int ChoiceSlotCharacters[ChoiceSlots];
extern const BANNEDKINDS BannedKinds[DreamerClassCount];
extern const CLASSSTATS ClassStats[DreamerClassCount];
extern const PICTURESIZE PictureSizes[PictureCount];
extern const STARTPOSITIONS StartPositions[StartLayouts];
extern const EXTRAKINDS ExtraKinds[RosterSize];

int SlotToRosterIndex(int slot);        // the roster character shown in a choice slot
