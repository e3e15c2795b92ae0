// The roster: choice slots, and the decks dealt by class rules with refused draws drawn again.
#include <gtest/gtest.h>

#include <memory>

#include "world/game.h"
#include "world/random.h"
#include "world/roster.h"

TEST(Roster, ChoiceSlotsMapToCharactersAndAnyOtherSlotToWaxlight)
{
    const int slots[][2] = {{0, 1}, {4, 9}, {8, 0}, {9, 2}, {-1, 2}, {10, 2}};
    for (const auto& s : slots)
        EXPECT_EQ(SlotToRosterIndex(s[0]), s[1]) << s[0];
}

TEST(RosterDecks, DecksKeepTheirClassRulesOverManySeeds)
{
    const int banned[DreamerClassCount][8] = {
        {3, 6, 14, 15, 17, 19}, {3, 6, 7, 14, 15, 17}, {6, 7, 15, 19}, {3, 6, 7, 14, 17, 18, 19}, {7, 14, 15, 18, 19},
    };
    for (unsigned seed = 1; seed <= 300; seed++) {
        SeedRand(seed);
        auto game = std::make_unique<GAME>();
        game->BuildRoster();
        for (const ROSTERENTRY& entry : game->Roster) {
            int copies[21] = {};
            for (int i = 0; i < entry.DeckCount; i++) {
                int kind = entry.Deck[i];
                ASSERT_GE(kind, 1);
                ASSERT_LE(kind, 19);  // never a Dragon
                for (int b : banned[entry.Class])
                    ASSERT_NE(kind, b) << entry.Name;
                copies[kind]++;
            }
            for (int kind = 1; kind <= 20; kind++)
                ASSERT_LE(copies[kind], kind == 19 ? 4 : 2) << entry.Name << " kind " << kind;
            if (entry.Class == 1) {
                EXPECT_EQ(entry.Deck[0], 19);
                EXPECT_EQ(entry.Deck[1], 19);
            }
        }
    }
}

TEST(RosterDecks, ADrawOfTwentyIsABeeAndRefusedKindsAreDrawnAgain)
{
    ROSTERENTRY shaman;
    shaman.Class = 0;                   // a Shaman may hold neither Bees nor Crows
    ScriptRand({19, 5, 0, 0, 7});       // Dragon counts as a Bee: refused; Crow refused; Badger, Badger
    shaman.DealDeck(2);
    EXPECT_EQ(shaman.Deck[0], 1);
    EXPECT_EQ(shaman.Deck[1], 1);
    EXPECT_EQ(ScriptedRandLeft(), 1);

    ClearRandScript();
    ROSTERENTRY witch;
    witch.Class = 4;
    ScriptRand({0, 0, 0, 1});           // a third Badger is refused, a Bear is taken
    witch.DealDeck(3);
    EXPECT_EQ(witch.Deck[2], 2);
    EXPECT_EQ(ScriptedRandLeft(), 0);
}
