// The banner line: each message's texts, colours and frames, the article of a dream and when each part shows.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/support/board.h"
#include "world/frame_update.h"
#include "world/random.h"

namespace {

constexpr std::uint32_t Yellow = 0xffff00;
constexpr std::uint32_t White = 0xffffff;
constexpr std::uint32_t Cyan = 0x00ffff;

// The Bee Shaman "Pellamor" (dreamer 1, level 7) with Shadow Bolt and the dreams Owl and Bear; its Badger in slot 4.
PLAYER& Pellamor(GAME& game)
{
    StartEmptyBoard(game);
    PLAYER& dreamer = PlaceDreamer(game, 1, "Pellamor", 300, 200);
    dreamer.SetClass(1);
    dreamer.Level = 7;
    dreamer.Spells.AddSpell(55);
    dreamer.AddDreamSlot(11);
    dreamer.AddDreamSlot(2);
    PlaceCreature(game, 4, 1, "Badger", 200, 200);
    return dreamer;
}

// The line as shown: three texts, three colours, the event flag, the frames left and the total.
using COLOUR = std::uint32_t;
using SHOWN = std::tuple<std::string, std::string, std::string, COLOUR, COLOUR, COLOUR, int, int, int>;

SHOWN Shown(const GAME& g)
{
    return {g.MessageText[0], g.MessageText[1], g.MessageText[2], g.MessageColour[0], g.MessageColour[1],
            g.MessageColour[2], g.MessageIsEvent, g.MessageFramesLeft, g.MessageFrames};
}

}  // namespace

TEST(Banner, EveryBannerHasItsTextsColoursAndFrames)
{
    const auto game = std::make_unique<GAME>();
    GAME& g = *game;
    PLAYER& dreamer = Pellamor(g);
    PIECE& badger = g.Creatures[4];
    PlaceCreature(g, 5, 1, "Wolf", 100, 100).pOwner = nullptr;  // a creature without a dreamer
    const auto depart = [&](int draw) { ScriptRand({draw, 3}); g.ShowLeftGameMessage(&dreamer); };
    const std::pair<std::function<void()>, SHOWN> rows[] = {
        {[&] { g.ShowTurnMessage(&dreamer); }, {"Pellamor", "'s ", "turn.", Yellow, Yellow, White, 0, 1, 1}},
        {[&] { g.ShowCastMessage(&dreamer, 0); }, 
         {"Pellamor", " casts ", "Shadow Bolt", Yellow, White, Cyan, 1, 50, 50}},
        {[&] { g.ShowTransferMessage(&dreamer, 0); }, 
         {"Pellamor", " transfers ", "Shadow Bolt", Yellow, White, Cyan, 1, 50, 50}},
        {[&] { g.ShowDreamMessage(&dreamer, 0); }, {"Pellamor", " dreamed an ", "Owl", Yellow, White, Cyan, 1, 50, 50}},
        {[&] { g.ShowPieceInfo(&dreamer); }, {"Pellamor", " (Bee Shaman)", "", Yellow, White, Cyan, 0, 1, 1}},
        {[&] { g.ShowPieceInfo(&badger); }, {"Badger", " (Pellamor)", "", Yellow, White, Cyan, 0, 1, 1}},
        {[&] { g.ShowPieceInfo(&g.Creatures[5]); }, {"Wolf", " (...)", "", Yellow, White, Cyan, 0, 1, 1}},
        {[&] { g.ShowHiddenPieceInfo(&badger); }, {"Unknown", " (Pellamor)", "", Yellow, White, Cyan, 0, 1, 1}},
        {[&] { g.ShowHiddenPieceInfo(&dreamer); }, {"Pellamor", " (Bee Shaman)", "", Yellow, White, Cyan, 0, 1, 1}},
        {[&] { g.ShowSelectTargetPrompt(); }, {"Select ", "your ", "target.", Cyan, Cyan, Cyan, 0, 50, 50}},
        {[&] { g.ShowSelectDreamPlacePrompt(); }, 
         {"Select where you ", "would like your ", "dream to be placed.", Cyan, Cyan, Cyan, 0, 50, 50}},
        {[&] { g.ShowSelectSpellReceiverPrompt(); }, 
         {"Select who ", "should receive ", "the spell.", Cyan, Cyan, Cyan, 0, 50, 50}},
        {[&] { g.ShowSpellFailed(&dreamer); }, {"Pellamor", "'s ", "Spell Failed.", Yellow, Yellow, White, 0, 50, 50}},
        {[&] { g.ShowDreamingFailed(&dreamer); }, 
         {"Pellamor", "'s ", "Dreaming Failed.", Yellow, Yellow, White, 0, 50, 50}},
        {[&] { g.ShowLevelUpMessage(&dreamer); }, {"Pellamor", " has grown to ", "LV-7", Yellow, White, Cyan, 0, 1, 1}},
        // A dreamer's departure: one of six by the draw modulo 6, the blanks kept.
        {[&] { depart(6); }, {"Pellamor", " went back to ordinary reality.", "", Yellow, White, White, 1, 200, 200}},
        {[&] { depart(1); }, {"Pellamor", "'s ", "dream ended.", Yellow, Yellow, White, 1, 200, 200}},
        {[&] { depart(2); }, {"Pellamor", "'s ", "journey is over.", Yellow, Yellow, White, 1, 200, 200}},
        {[&] { depart(3); }, {"Pellamor", "'s ", "time with the spirits ended.", Yellow, Yellow, White, 1, 200, 200}},
        {[&] { depart(4); }, {"Pellamor", "", " had a nightmare.", Yellow, Yellow, White, 1, 200, 200}},
        {[&] { depart(32765); }, {"Pellamor", " left the field of battle.", "", Yellow, White, White, 1, 200, 200}},
    };
    for (const auto& [show, expected] : rows) {
        ClearRandScript();
        show();  // replaces the row before's banner at once, whatever is left of it
        EXPECT_EQ(Shown(g), expected);
    }
    EXPECT_EQ(ScriptedRandLeft(), 1) << "one draw per departure";
}

TEST(Banner, ADreamTakesAnOnlyBeforeACapitalVowelAndHidesItsKindUnderTheComputersOwnClouds)
{
    const auto game = std::make_unique<GAME>();
    PLAYER& dreamer = Pellamor(*game);
    const char* kinds[] = {"Eagle", "Ibis", "Otter", "Urchin", "Bear", "Yak", "owl", ""};
    for (int i = 0; i < 8; i++) {
        dreamer.DreamSlots[1].Set(11, kinds[i], 70);
        game->ShowDreamMessage(&dreamer, 1);
        EXPECT_STREQ(game->MessageText[1], i < 4 ? " dreamed an " : " dreamed a ") << kinds[i];
    }

    EFFECT& cloud = game->Effects.Slots[200];
    cloud.IsActive = 1;
    const int cases[][4] = {{21, 1, 1, 1}, {21, 2, 1, 0}, {2, 1, 1, 0}, {21, 1, 0, 0}};  // kind, team, computer, hidden
    for (const auto& c : cases) {
        cloud.Kind = c[0];
        cloud.OwnerTeam = c[1];
        dreamer.IsComputer = static_cast<std::uint8_t>(c[2]);
        game->ShowDreamMessage(&dreamer, 0);
        EXPECT_EQ(Shown(*game), (c[3] ? SHOWN{"Pellamor", " is dreaming", "", Yellow, White, Cyan, 1, 50, 50}
                                         : SHOWN{"Pellamor", " dreamed an ", "Owl", Yellow, White, Cyan, 1, 50, 50}));
    }
}

TEST(Banner, AnEventShowsItsSecondPart18AndItsThirdPart25FramesAfterItsFirstAndAnyOtherBannerAllAtOnce)
{
    const auto game = std::make_unique<GAME>();
    GAME& g = *game;
    PLAYER& dreamer = Pellamor(g);
    const struct { const char* Name; std::function<void()> Show; std::vector<int> Hidden; } cases[] = {
        {"a cast, run out after 50 frames and showing all it holds", [&] { g.ShowCastMessage(&dreamer, 0); },
         {0, 18, 25}},
        {"a departure of 200 frames, counted from its start", [&] { g.ShowLeftGameMessage(&dreamer); }, {0, 18, 25}},
        {"a prompt, no event", [&] { g.ShowSelectTargetPrompt(); }, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        c.Show();
        std::vector<int> hidden(3, 0);  // the frames each part is hidden, of the first 60
        for (int frame = 0; frame < 60; frame++, UpdateGameFrame(g))
            for (int part = 0; part < 3; part++)
                hidden[part] += !g.IsMessagePartShown(part);
        EXPECT_EQ(hidden, c.Hidden) << c.Name;
        EXPECT_FALSE(g.IsMessagePartShown(-1) || g.IsMessagePartShown(3)) << c.Name;
    }
}

TEST(Banner, AClearedLineHoldsItsCountATextIsCutAt63AndMissingTextsShowEmpty)
{
    const auto game = std::make_unique<GAME>();
    GAME& g = *game;
    PLAYER& dreamer = Pellamor(g);
    g.ShowCastMessage(&dreamer, 0);
    g.ClearMessage();  // the texts go, the count runs on and still holds up the turn machine
    EXPECT_EQ(Shown(g), (SHOWN{"", "", "", White, White, 0x0fffffff, 0, 50, 50}));
    const std::string longText(100, 'x');
    g.ShowMessage(longText.c_str(), nullptr, "ok", 1, 2, 3, true, 9);
    EXPECT_EQ(Shown(g), (SHOWN{longText.substr(0, 63), "", "ok", 1, 2, 3, 1, 9, 9}));
    for (int slot : {-1, 2, 31})  // beyond the hand or the dream list
        for (auto show : {&GAME::ShowCastMessage, &GAME::ShowTransferMessage, &GAME::ShowDreamMessage}) {
            (g.*show)(&dreamer, slot);
            EXPECT_STREQ(g.MessageText[2], "") << slot;
        }
}
