#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>

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
    const int asked[] = {-3, 1, 2, 5, 8, 9, 40};
    const int seated[] = {2, 2, 2, 5, 8, 8, 8};
    for (int i = 0; i < 7; i++) {
        game->StartNewGame(4, -1, asked[i]);
        EXPECT_EQ(SeatedDreamers(*game), seated[i]) << "asked for " << asked[i];
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
    EXPECT_EQ(human.Kind, PieceHumanDreamer);
    EXPECT_EQ(human.IsComputer, 0);
    EXPECT_STREQ(human.ClassName, "Druid");
    EXPECT_EQ(human.MaxHealth, 48);
    EXPECT_EQ(human.Health, 48);
    EXPECT_EQ(human.Defence, 48);
    EXPECT_EQ(human.Reach, 0.75f);
    EXPECT_EQ(human.SpellReach, 0.6f);
    EXPECT_EQ(human.X, 48.0f);
    EXPECT_EQ(human.Y, 200.0f);
    EXPECT_EQ(human.Width, 21);
    EXPECT_EQ(human.Height, 62);
    EXPECT_EQ(human.Sprite.Frames[0].Texture, 69);
    EXPECT_EQ(human.Sprite.Frames[0].Right, 21);
    EXPECT_EQ(human.TeamColour, 0xff0000u);
    EXPECT_EQ(human.PaleColour, 0xffddddu);
    EXPECT_EQ(human.ScoreValue, 500);
    EXPECT_EQ(human.Bounds[2], 608);
    EXPECT_EQ(human.FadeMode, 0);
    EXPECT_EQ(human.HoldBack, 2);
    EXPECT_EQ(human.Spells.Slots[human.Spells.Count - 1].Id, 40);  // a Druid holds Cloud Cover

    EXPECT_EQ(witch.Kind, PieceComputerDreamer);
    EXPECT_EQ(witch.IsComputer, 1);
    EXPECT_EQ(witch.X, 528.0f);
    EXPECT_EQ(witch.Team, 1);
    EXPECT_EQ(witch.TeamColour, 0x00ff00u);
    EXPECT_EQ(witch.DreamChoice, 1);
    EXPECT_EQ(witch.FriendCastEagerness, 2);

    EXPECT_EQ(game->BoardWidth, 608);
    EXPECT_EQ(game->BoardHeight, 448);
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
