// The message banner: the three-part line of texts the game announces its events on.
#include "world/game.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "base/colours.h"
#include "world/random.h"

namespace {

constexpr bool Event = true;    // the parts appear one after another
constexpr bool Plain = false;   // all three parts at once

// Which banner a row is; the rows of Banners are in this order.
enum BANNERKIND {
    TurnBanner,
    CastBanner,
    TransferBanner,
    DreamBanner,
    HiddenDreamBanner,
    PieceInfoBanner,
    HiddenCreatureInfoBanner,
    TargetPromptBanner,
    DreamPlacePromptBanner,
    ReceiverPromptBanner,
    SpellFailedBanner,
    DreamingFailedBanner,
    LevelUpBanner,
    BannerKindCount
};

// One banner as the line shows it. A text is a pattern whose one "%s", if any,
// takes the part the operation fills in: a name, a spell, a dream, a level.
struct BANNERROW {
    int Kind;
    const char* Text[MessageParts];
    std::uint32_t Colour[MessageParts];
    bool IsEvent;
    int Frames;
};

constexpr BANNERROW Banners[] = {
    {TurnBanner, {"%s", "'s ", "turn."}, {Yellow, Yellow, White}, Plain, 1},
    {CastBanner, {"%s", " casts ", "%s"}, {Yellow, White, Cyan}, Event, 50},
    {TransferBanner, {"%s", " transfers ", "%s"}, {Yellow, White, Cyan}, Event, 50},
    {DreamBanner, {"%s", " dreamed %s", "%s"}, {Yellow, White, Cyan}, Event, 50},
    {HiddenDreamBanner, {"%s", " is dreaming", ""}, {Yellow, White, Cyan}, Event, 50},
    {PieceInfoBanner, {"%s", " (%s)", ""}, {Yellow, White, Cyan}, Plain, 1},
    {HiddenCreatureInfoBanner, {"Unknown", " (%s)", ""}, {Yellow, White, Cyan}, Plain, 1},
    {TargetPromptBanner, {"Select ", "your ", "target."}, {Cyan, Cyan, Cyan}, Plain, 50},
    {DreamPlacePromptBanner, {"Select where you ", "would like your ", "dream to be placed."}, {Cyan, Cyan, Cyan}, Plain, 50},
    {ReceiverPromptBanner, {"Select who ", "should receive ", "the spell."}, {Cyan, Cyan, Cyan}, Plain, 50},
    {SpellFailedBanner, {"%s", "'s ", "Spell Failed."}, {Yellow, Yellow, White}, Plain, 50},
    {DreamingFailedBanner, {"%s", "'s ", "Dreaming Failed."}, {Yellow, Yellow, White}, Plain, 50},
    {LevelUpBanner, {"%s", " has grown to ", "LV-%s"}, {Yellow, White, Cyan}, Plain, 1},
};
static_assert(std::size(Banners) == BannerKindCount);

constexpr bool BannersInKindOrder()
{
    for (int i = 0; i < BannerKindCount; i++)
        if (Banners[i].Kind != i)
            return false;
    return true;
}
static_assert(BannersInKindOrder());

constexpr int DepartureCount = 6;

// The ways a dreamer leaves the game, one drawn at random per death; the
// blanks inside the texts are what joins them on the line.
constexpr BANNERROW Departures[] = {
    {0, {"%s", " went back to ordinary reality.", ""}, {Yellow, White, White}, Event, 200},
    {1, {"%s", "'s ", "dream ended."}, {Yellow, Yellow, White}, Event, 200},
    {2, {"%s", "'s ", "journey is over."}, {Yellow, Yellow, White}, Event, 200},
    {3, {"%s", "'s ", "time with the spirits ended."}, {Yellow, Yellow, White}, Event, 200},
    {4, {"%s", "", " had a nightmare."}, {Yellow, Yellow, White}, Event, 200},
    {5, {"%s", " left the field of battle.", ""}, {Yellow, White, White}, Event, 200},
};
static_assert(std::size(Departures) == DepartureCount);

// Every creature kind's name begins with a capital, so only capital vowels count.
const char* ArticleFor(const char* name)
{
    return name[0] != '\0' && std::strchr("AEIOU", name[0]) != nullptr ? "an " : "a ";
}

const char* NameOf(const PIECEBASE* piece)
{
    return piece != nullptr ? piece->Name : "";
}

// The spell name in a hand slot; a slot beyond the hand reads as no spell.
const char* SpellNameOf(const PIECEBASE* piece, int slot)
{
    if (piece == nullptr || slot < 0 || slot >= piece->Spells.Count)
        return "";
    return piece->Spells.Slots[slot].Name;
}

// A creature with no dreamer is shown with "..." in its dreamer's place.
const char* OwnerNameOf(PIECEBASE* piece)
{
    PIECE* creature = piece != nullptr ? piece->ToCreature() : nullptr;
    if (creature == nullptr || creature->pOwner == nullptr)
        return "...";
    return creature->pOwner->Name;
}

// What stands in the brackets of an information banner: a dreamer's class,
// a creature's dreamer, nothing for a free slot.
const char* DescriptionOf(PIECEBASE* piece)
{
    if (piece == nullptr)
        return "";
    if (PLAYER* dreamer = piece->ToPlayer())
        return dreamer->ClassName;
    if (piece->IsCreature())
        return OwnerNameOf(piece);
    return "";
}

}  // namespace

// Longer texts are cut at 63 characters rather than overrun the line's arrays.
void GAME::ShowMessage(const char* text1, const char* text2, const char* text3, std::uint32_t colour1,
                       std::uint32_t colour2, std::uint32_t colour3, bool isEvent, int frames)
{
    const char* texts[MessageParts] = {text1, text2, text3};
    for (int i = 0; i < MessageParts; i++)
        std::snprintf(MessageText[i], MessageTextSize, "%s", texts[i] != nullptr ? texts[i] : "");
    MessageColour[0] = colour1;
    MessageColour[1] = colour2;
    MessageColour[2] = colour3;
    MessageIsEvent = isEvent ? 1 : 0;
    MessageFramesLeft = frames;
    MessageFrames = frames;
}

// The counts are left alone: a running banner still holds up the turn machine
// after its texts are gone.
void GAME::ClearMessage()
{
    for (char(&text)[MessageTextSize] : MessageText)
        text[0] = '\0';
    MessageColour[0] = 0xffffff;
    MessageColour[1] = 0xffffff;
    MessageColour[2] = 0x0fffffff;
    MessageIsEvent = 0;
}

// An event reveals its second text 18 frames and its third 25 frames after it
// started; a banner that has run out shows all it still holds.
bool GAME::IsMessagePartShown(int part) const
{
    if (part < 0 || part >= MessageParts)
        return false;
    if (part == 0 || !MessageIsEvent)
        return true;
    int delay = part == 1 ? MessageSecondPartDelay : MessageThirdPartDelay;
    return MessageFramesLeft <= MessageFrames - delay;
}

namespace {

// Fills a row's patterns with the given parts and shows the result.
void ShowBanner(GAME& game, const BANNERROW& row, const char* part1, const char* part2, const char* part3)
{
    const char* parts[MessageParts] = {part1, part2, part3};
    char texts[MessageParts][MessageTextSize];
    for (int i = 0; i < MessageParts; i++)
        std::snprintf(texts[i], MessageTextSize, row.Text[i], parts[i] != nullptr ? parts[i] : "");
    game.ShowMessage(texts[0], texts[1], texts[2], row.Colour[0], row.Colour[1], row.Colour[2], row.IsEvent,
                     row.Frames);
}

}  // namespace

void GAME::ShowTurnMessage(PIECEBASE* dreamer)
{
    ShowBanner(*this, Banners[TurnBanner], NameOf(dreamer), nullptr, nullptr);
}

void GAME::ShowCastMessage(PIECEBASE* piece, int slot)
{
    ShowBanner(*this, Banners[CastBanner], NameOf(piece), nullptr, SpellNameOf(piece, slot));
}

void GAME::ShowTransferMessage(PIECEBASE* piece, int slot)
{
    ShowBanner(*this, Banners[TransferBanner], NameOf(piece), nullptr, SpellNameOf(piece, slot));
}

// A computer dreamer under its own side's cloud cover keeps the kind it dreams
// to itself; the human's dreams are always named.
void GAME::ShowDreamMessage(PIECEBASE* dreamer, int slot)
{
    if (dreamer != nullptr && dreamer->IsComputer && Effects.CountCloudCover(dreamer->Team) != 0) {
        ShowBanner(*this, Banners[HiddenDreamBanner], dreamer->Name, nullptr, nullptr);
        return;
    }
    PLAYER* player = dreamer != nullptr ? dreamer->ToPlayer() : nullptr;
    const char* kindName = "";
    if (player != nullptr && slot >= 0 && slot < player->DreamSlotCount)
        kindName = player->DreamSlots[slot].Name;
    ShowBanner(*this, Banners[DreamBanner], NameOf(dreamer), ArticleFor(kindName), kindName);
}

void GAME::ShowPieceInfo(PIECEBASE* piece)
{
    ShowBanner(*this, Banners[PieceInfoBanner], NameOf(piece), DescriptionOf(piece), nullptr);
}

// Only a creature's kind is hidden; a dreamer is shown as it is.
void GAME::ShowHiddenPieceInfo(PIECEBASE* piece)
{
    if (piece == nullptr || !piece->IsCreature()) {
        ShowPieceInfo(piece);
        return;
    }
    ShowBanner(*this, Banners[HiddenCreatureInfoBanner], nullptr, OwnerNameOf(piece), nullptr);
}

void GAME::ShowSelectTargetPrompt()
{
    ShowBanner(*this, Banners[TargetPromptBanner], nullptr, nullptr, nullptr);
}

void GAME::ShowSelectDreamPlacePrompt()
{
    ShowBanner(*this, Banners[DreamPlacePromptBanner], nullptr, nullptr, nullptr);
}

void GAME::ShowSelectSpellReceiverPrompt()
{
    ShowBanner(*this, Banners[ReceiverPromptBanner], nullptr, nullptr, nullptr);
}

void GAME::ShowSpellFailed(PIECEBASE* piece)
{
    ShowBanner(*this, Banners[SpellFailedBanner], NameOf(piece), nullptr, nullptr);
}

void GAME::ShowDreamingFailed(PIECEBASE* dreamer)
{
    ShowBanner(*this, Banners[DreamingFailedBanner], NameOf(dreamer), nullptr, nullptr);
}

// One draw per death, whatever the dreamer.
void GAME::ShowLeftGameMessage(PIECEBASE* dreamer)
{
    const BANNERROW& row = Departures[Rand() % DepartureCount];
    ShowBanner(*this, row, NameOf(dreamer), nullptr, nullptr);
}

void GAME::ShowLevelUpMessage(PIECEBASE* piece)
{
    char level[16] = "";
    if (piece != nullptr)
        std::snprintf(level, sizeof(level), "%d", piece->Level);
    ShowBanner(*this, Banners[LevelUpBanner], NameOf(piece), nullptr, level);
}
