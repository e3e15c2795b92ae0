// A new game: how many sit down, who, where and with what, and which decks are dealt anew.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include "world/game.h"
#include "world/random.h"

namespace {

int SeatedDreamers(const GAME& game)
{
    int seated = 0;
    for (const PLAYER& player : game.Players)
        seated += player.Kind != PieceFree;
    return seated;
}

int RosterIndexOf(const GAME& game, const PLAYER& player)
{
    for (int i = 0; i < RosterSize; i++)
        if (std::strcmp(game.Roster[i].Name, player.Name) == 0)
            return i;
    return -1;
}

}  // namespace

TEST(NewGame, AFreeGameSeatsTwoToEightDreamers)
{
    auto game = std::make_unique<GAME>();
    const int cases[][2] = {{-3, 2}, {1, 2}, {2, 2}, {5, 5}, {8, 8}, {9, 8}, {40, 8}};  // asked, seated
    for (const auto& c : cases) {
        game->StartNewGame(4, -1, c[0]);
        EXPECT_EQ(SeatedDreamers(*game), c[1]) << "asked for " << c[0];
    }
}

TEST(NewGame, OpponentsAreDistinctNeverThePlayersOwnAndNeverTheLastCharacter)
{
    auto game = std::make_unique<GAME>();
    for (unsigned seed = 1; seed <= 50; seed++) {
        SeedRand(seed);
        game->StartNewGame(7, -1, 8);
        std::set<int> seen;
        for (const PLAYER& player : game->Players) {
            int index = RosterIndexOf(*game, player);
            ASSERT_GE(index, 0);
            ASSERT_LT(index, 10);
            EXPECT_TRUE(seen.insert(index).second) << "character seated twice";
        }
        EXPECT_EQ(RosterIndexOf(*game, game->Players[0]), 7);
    }
}

TEST(NewGame, DreamersTakeTheirClassPictureStartAndColours)
{
    auto game = std::make_unique<GAME>();
    game->BuildRoster();
    game->StartNewGame(6, 9, 2);  // Quorvin the Druid against Tirevane the Witch
    const PLAYER& human = game->Players[0];
    const PLAYER& witch = game->Players[1];
    EXPECT_EQ((std::vector<int>{human.Kind, human.MaxHealth, human.Health, human.Defence, human.Width, human.Height,
                                human.Sprite.Frames[0].Texture, int(human.TeamColour), int(human.PaleColour),
                                human.ScoreValue, human.Bounds[2], human.HoldBack}),
              (std::vector<int>{PieceHumanDreamer, 48, 48, 48, 21, 62, 69, 0xff0000, 0xffdddd, 500, 608, 2}));
    EXPECT_EQ((std::vector<float>{human.X, human.Y, human.Reach, human.SpellReach, witch.X}),
              (std::vector<float>{48.0f, 200.0f, 0.75f, 0.6f, 528.0f}));
    EXPECT_EQ(human.Spells.Slots[human.Spells.Count - 1].Id, CloudCoverRow);  // a Druid holds Cloud Cover
    EXPECT_EQ((std::vector<int>{witch.Kind, witch.IsComputer, int(witch.TeamColour), witch.DreamChoice,
                                witch.FriendCastEagerness}),
              (std::vector<int>{PieceComputerDreamer, 1, 0x00ff00, 1, 2}));
    EXPECT_EQ(std::vector<int>({game->BoardWidth, game->BoardHeight}), std::vector<int>({608, 448}));
    EXPECT_STREQ(game->MessageText[0], "Quorvin");
    EXPECT_STREQ(game->MessageText[2], "turn.");
}

TEST(NewGame, DreamSlotsComeFromTheDeckAndComputersGetTheirExtras)
{
    auto game = std::make_unique<GAME>();
    game->BuildRoster();
    for (unsigned seed = 1; seed <= 40; seed++) {
        SeedRand(seed);
        game->StartNewGame(0, 9, 2);  // Corvessa against Tirevane
        const PLAYER& human = game->Players[0];
        const PLAYER& tirevane = game->Players[1];
        ASSERT_GE(human.DreamSlotCount, 15);
        ASSERT_LE(human.DreamSlotCount, 16);
        for (int i = 0; i < human.DreamSlotCount; i++)
            EXPECT_EQ(human.DreamSlots[i].Kind, game->Roster[0].Deck[i]);
        ASSERT_GE(tirevane.DreamSlotCount, 18);
        ASSERT_LE(tirevane.DreamSlotCount, 19);
        for (int i = tirevane.DreamSlotCount - 3; i < tirevane.DreamSlotCount; i++)
            EXPECT_STREQ(tirevane.DreamSlots[i].Name, "Crow");
    }
}

TEST(NewGame, ChallengesKeepTheDecksAFreeGameDealsThemAnew)
{
    auto game = std::make_unique<GAME>();
    game->BuildRoster();
    int deck[DeckSize];
    std::memcpy(deck, game->Roster[3].Deck, sizeof deck);
    game->StartNewGame(3, 5, 2);
    game->StartNewGame(3, 5, 2);
    EXPECT_EQ(std::memcmp(deck, game->Roster[3].Deck, sizeof deck), 0);
    game->StartNewGame(3, -1, 2);
    EXPECT_NE(std::memcmp(deck, game->Roster[3].Deck, sizeof deck), 0);
}
