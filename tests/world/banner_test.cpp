#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "world/game.h"
#include "world/random.h"

namespace {

constexpr std::uint32_t Yellow = 0xffff00;
constexpr std::uint32_t White = 0xffffff;
constexpr std::uint32_t Cyan = 0x00ffff;

// A computer Bee Shaman "Pellamor" (dreamer 1) holding two spells and the
// dreams Owl and Bear, and a Badger it dreamt (creature 4).
struct TABLEAU {
    std::unique_ptr<GAME> Game = std::make_unique<GAME>();
    PLAYER& Dreamer = Game->Players[1];
    PIECE& Creature = Game->Creatures[4];

    TABLEAU()
    {
        Dreamer.Init(1, 1, "Pellamor", PieceComputerDreamer, 0, 1, 10, 0xffffff, 255);
        Dreamer.IsComputer = 1;
        Dreamer.SetClass(1);
        Dreamer.Level = 7;
        Dreamer.Spells.SetSpellTable(&Game->SpellTable);
        Dreamer.Spells.AddSpell(5);
        Dreamer.Spells.AddSpell(55);
        Dreamer.DreamSlots[0].Set(11, "Owl", 70);
        Dreamer.DreamSlots[1].Set(2, "Bear", 30);
        Dreamer.DreamSlotCount = 2;
        Creature.Init(4, 1, "Badger", PieceCreature, 0, 1, 10, 0xffffff, 255);
        Creature.pOwner = &Dreamer;
    }
};

struct SHOWN {
    std::string Text[3];
    std::uint32_t Colour[3];
    int IsEvent;
    int Frames;
};

void ExpectBanner(const GAME& game, const SHOWN& expected, const std::string& what)
{
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(game.MessageText[i], expected.Text[i]) << what << ", text " << i;
        EXPECT_EQ(game.MessageColour[i], expected.Colour[i]) << what << ", colour " << i;
    }
    EXPECT_EQ(game.MessageIsEvent, expected.IsEvent) << what;
    EXPECT_EQ(game.MessageFramesLeft, expected.Frames) << what;
    EXPECT_EQ(game.MessageFrames, expected.Frames) << what;
}

}  // namespace

TEST(Banner, EveryBannerHasItsTextsColoursAndFrames)
{
    TABLEAU t;
    GAME& g = *t.Game;
    PIECE& orphan = g.Creatures[5];
    orphan.Init(5, 1, "Wolf", PieceCreature, 0, 1, 10, 0xffffff, 255);
    const SHOWN info = {{"Pellamor", " (Bee Shaman)", ""}, {Yellow, White, Cyan}, 0, 1};
    const struct {
        const char* What;
        std::function<void()> Show;
        SHOWN Expected;
    } rows[] = {
        {"turn", [&] { g.ShowTurnMessage(&t.Dreamer); }, {{"Pellamor", "'s ", "turn."}, {Yellow, Yellow, White}, 0, 1}},
        {"cast", [&] { g.ShowCastMessage(&t.Dreamer, 1); }, {{"Pellamor", " casts ", "Shadow Bolt"}, {Yellow, White, Cyan}, 1, 50}},
        {"transfer", [&] { g.ShowTransferMessage(&t.Dreamer, 0); }, {{"Pellamor", " transfers ", "Meteor Shower"}, {Yellow, White, Cyan}, 1, 50}},
        {"dream Owl", [&] { g.ShowDreamMessage(&t.Dreamer, 0); }, {{"Pellamor", " dreamed an ", "Owl"}, {Yellow, White, Cyan}, 1, 50}},
        {"dream Bear", [&] { g.ShowDreamMessage(&t.Dreamer, 1); }, {{"Pellamor", " dreamed a ", "Bear"}, {Yellow, White, Cyan}, 1, 50}},
        {"dreamer info", [&] { g.ShowPieceInfo(&t.Dreamer); }, info},
        {"creature info", [&] { g.ShowPieceInfo(&t.Creature); }, {{"Badger", " (Pellamor)", ""}, {Yellow, White, Cyan}, 0, 1}},
        {"orphan info", [&] { g.ShowPieceInfo(&orphan); }, {{"Wolf", " (...)", ""}, {Yellow, White, Cyan}, 0, 1}},
        {"hidden creature", [&] { g.ShowHiddenPieceInfo(&t.Creature); }, {{"Unknown", " (Pellamor)", ""}, {Yellow, White, Cyan}, 0, 1}},
        {"hidden orphan", [&] { g.ShowHiddenPieceInfo(&orphan); }, {{"Unknown", " (...)", ""}, {Yellow, White, Cyan}, 0, 1}},
        {"hidden dreamer", [&] { g.ShowHiddenPieceInfo(&t.Dreamer); }, info},
        {"target prompt", [&] { g.ShowSelectTargetPrompt(); }, {{"Select ", "your ", "target."}, {Cyan, Cyan, Cyan}, 0, 50}},
        {"place prompt", [&] { g.ShowSelectDreamPlacePrompt(); }, {{"Select where you ", "would like your ", "dream to be placed."}, {Cyan, Cyan, Cyan}, 0, 50}},
        {"receiver prompt", [&] { g.ShowSelectSpellReceiverPrompt(); }, {{"Select who ", "should receive ", "the spell."}, {Cyan, Cyan, Cyan}, 0, 50}},
        {"spell failed", [&] { g.ShowSpellFailed(&t.Dreamer); }, {{"Pellamor", "'s ", "Spell Failed."}, {Yellow, Yellow, White}, 0, 50}},
        {"dreaming failed", [&] { g.ShowDreamingFailed(&t.Dreamer); }, {{"Pellamor", "'s ", "Dreaming Failed."}, {Yellow, Yellow, White}, 0, 50}},
        {"level up", [&] { g.ShowLevelUpMessage(&t.Dreamer); }, {{"Pellamor", " has grown to ", "LV-7"}, {Yellow, White, Cyan}, 0, 1}},
    };
    for (const auto& row : rows) {
        g.ShowCastMessage(&t.Creature, 0);  // a running banner is replaced at once, whatever is left of it
        g.MessageFramesLeft = 17;
        row.Show();
        ExpectBanner(g, row.Expected, row.What);
    }
}

TEST(Banner, TheArticleIsAnOnlyBeforeACapitalVowel)
{
    TABLEAU t;
    const std::pair<const char*, const char*> cases[] = {
        {"Owl", " dreamed an "}, {"Otter", " dreamed an "}, {"Eagle", " dreamed an "}, {"Ibis", " dreamed an "},
        {"Urchin", " dreamed an "}, {"Bear", " dreamed a "}, {"Dragon", " dreamed a "}, {"owl", " dreamed a "},
        {"Yak", " dreamed a "}, {"", " dreamed a "},
    };
    for (const auto& [kind, text] : cases) {
        t.Dreamer.DreamSlots[0].Set(11, kind, 70);
        t.Game->ShowDreamMessage(&t.Dreamer, 0);
        EXPECT_STREQ(t.Game->MessageText[1], text) << kind;
    }
}

TEST(Banner, OnlyAComputerDreamerUnderItsOwnCloudCoverHidesTheKind)
{
    TABLEAU t;
    EFFECT& cloud = t.Game->Effects.Slots[200];
    cloud.IsActive = 1;
    const struct {
        int Kind, OwnerTeam, IsComputer;
        bool Hidden;
    } cases[] = {{21, 1, 1, true}, {21, 2, 1, false}, {2, 1, 1, false}, {21, 1, 0, false}};
    for (const auto& c : cases) {
        cloud.Kind = c.Kind;
        cloud.OwnerTeam = c.OwnerTeam;
        t.Dreamer.IsComputer = static_cast<std::uint8_t>(c.IsComputer);
        t.Game->ShowDreamMessage(&t.Dreamer, 0);
        if (c.Hidden)
            ExpectBanner(*t.Game, {{"Pellamor", " is dreaming", ""}, {Yellow, White, Cyan}, 1, 50}, "hidden");
        else
            EXPECT_STREQ(t.Game->MessageText[2], "Owl") << c.Kind << " " << c.OwnerTeam << " " << c.IsComputer;
    }
}

TEST(Banner, AnEventRevealsItsSecondTextAt18FramesAndItsThirdAt25)
{
    TABLEAU t;
    GAME& g = *t.Game;
    g.ShowCastMessage(&t.Dreamer, 0);
    for (int left = 50; left >= 1; left--) {
        g.MessageFramesLeft = left;
        EXPECT_TRUE(g.IsMessagePartShown(0)) << left;
        EXPECT_EQ(g.IsMessagePartShown(1), left <= 32) << left;
        EXPECT_EQ(g.IsMessagePartShown(2), left <= 25) << left;
    }
    g.ShowSelectTargetPrompt();
    EXPECT_TRUE(g.IsMessagePartShown(1) && g.IsMessagePartShown(2));
    EXPECT_FALSE(g.IsMessagePartShown(3));
}

TEST(Banner, TheDepartureTextIsOneDrawModuloSixWithItsBlanksKept)
{
    TABLEAU t;
    const SHOWN departures[] = {
        {{"Pellamor", " went back to ordinary reality.", ""}, {Yellow, White, White}, 1, 200},
        {{"Pellamor", "'s ", "dream ended."}, {Yellow, Yellow, White}, 1, 200},
        {{"Pellamor", "'s ", "journey is over."}, {Yellow, Yellow, White}, 1, 200},
        {{"Pellamor", "'s ", "time with the spirits ended."}, {Yellow, Yellow, White}, 1, 200},
        {{"Pellamor", "", " had a nightmare."}, {Yellow, Yellow, White}, 1, 200},
        {{"Pellamor", " left the field of battle.", ""}, {Yellow, White, White}, 1, 200},
    };
    for (int draw : {0, 1, 2, 3, 4, 5, 6, 32765}) {
        ClearRandScript();
        ScriptRand({draw, 3});
        t.Game->ShowLeftGameMessage(&t.Dreamer);
        EXPECT_EQ(ScriptedRandLeft(), 1) << "one draw per death";
        ExpectBanner(*t.Game, departures[draw % 6], "draw " + std::to_string(draw));
    }
}

TEST(Banner, TextsAreCutAt63CharactersAndMissingTextsAreEmpty)
{
    TABLEAU t;
    const std::string longText(100, 'x');
    t.Game->ShowMessage(longText.c_str(), nullptr, "ok", 1, 2, 3, true, 9);
    EXPECT_EQ(t.Game->MessageText[0], longText.substr(0, 63));
    EXPECT_STREQ(t.Game->MessageText[1], "");
    EXPECT_STREQ(t.Game->MessageText[2], "ok");
    std::memset(t.Dreamer.ClassName, 'C', PieceNameSize - 1);
    t.Game->ShowPieceInfo(&t.Dreamer);
    EXPECT_EQ(t.Game->MessageText[1], " (" + std::string(31, 'C') + ")");
}

TEST(Banner, SlotsBeyondTheHandOrTheDreamListGiveAnEmptyText)
{
    TABLEAU t;
    GAME& g = *t.Game;
    for (int slot : {-1, 2, 31}) {
        g.ShowCastMessage(&t.Dreamer, slot);
        EXPECT_STREQ(g.MessageText[2], "") << slot;
        g.ShowTransferMessage(&t.Dreamer, slot);
        EXPECT_STREQ(g.MessageText[2], "") << slot;
        g.ShowDreamMessage(&t.Dreamer, slot);
        EXPECT_STREQ(g.MessageText[2], "") << slot;
    }
    g.ShowDreamMessage(&t.Creature, 0);
    EXPECT_STREQ(g.MessageText[2], "") << "a creature has no dreams";
}
