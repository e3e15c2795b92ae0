// The pages of a piece's popup menu: a dreamer's main, information, dreams and two spell lists, a creature's likewise without dreams.
#include <cstdio>
#include <iterator>
#include <limits>

#include "screens/menus.h"
#include "world/pieces.h"
#include "world/spells.h"

namespace {

constexpr std::uint32_t TitleColour = 0xc0c0ff;
constexpr std::uint32_t DreamsTitleColour = 0xe0e0e0;
constexpr std::uint32_t CommandColour = 0xffffff;
constexpr std::uint32_t CancelColour = 0xffff00;
constexpr std::uint32_t HostileSpellColour = 0xffc0c0;
constexpr std::uint32_t FriendlySpellColour = 0x00ffff;
constexpr char EmptyListText[] = "Empty";
constexpr char OwnerlessText[] = "...";

// What a row of a fixed page shows.
enum class ROWKIND { Title, Separator, Command, Score, Health, Attack, Defence };

// When a command row is enabled, by the piece's flags of this turn.
enum class ENABLED { Always, NotMoved, NotDreamed, CanCast };

struct PAGEROW {
    ROWKIND Kind;
    const char* Text;           // a command's text, or the text before a stat's number
    MENUID Id;
    std::uint32_t Colour;
    ENABLED When;
};

constexpr int DreamerMainRowCount = 12;
constexpr PAGEROW DreamerMainRows[] = {
    {ROWKIND::Title, "", MenuIdNone, TitleColour, ENABLED::Always},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "Information", MenuIdInformation, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "Move / Attack", MenuIdMoveAttack, CommandColour, ENABLED::NotMoved},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "Dreaming", MenuIdDreaming, CommandColour, ENABLED::NotDreamed},
    {ROWKIND::Command, "Cast Spell", MenuIdCastSpell, CommandColour, ENABLED::CanCast},
    {ROWKIND::Command, "Transfer Spell", MenuIdTransferSpell, CommandColour, ENABLED::CanCast},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "End Turn", MenuIdEndTurn, CommandColour, ENABLED::Always},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "Cancel", MenuIdCancelMain, CancelColour, ENABLED::Always},
};
static_assert(std::size(DreamerMainRows) == DreamerMainRowCount);

constexpr int DreamerInformationRowCount = 8;
constexpr PAGEROW DreamerInformationRows[] = {
    {ROWKIND::Title, "", MenuIdNone, TitleColour, ENABLED::Always},
    {ROWKIND::Score, "Score\t\t", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Health, "Health\t\t", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Attack, "Attack\t\t", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Defence, "Defence\t\t", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "Cancel", MenuIdCancelInformation, CancelColour, ENABLED::Always},
};
static_assert(std::size(DreamerInformationRows) == DreamerInformationRowCount);

constexpr int CreatureMainRowCount = 9;
constexpr PAGEROW CreatureMainRows[] = {
    {ROWKIND::Title, "", MenuIdNone, TitleColour, ENABLED::Always},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "Information", MenuIdInformation, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "Move / Attack", MenuIdMoveAttack, CommandColour, ENABLED::NotMoved},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "Cast Spell", MenuIdCreatureCastSpell, CommandColour, ENABLED::CanCast},
    {ROWKIND::Command, "Transfer Spell", MenuIdCreatureTransferSpell, CommandColour, ENABLED::CanCast},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "Cancel", MenuIdCancelMain, CancelColour, ENABLED::Always},
};
static_assert(std::size(CreatureMainRows) == CreatureMainRowCount);

// A creature keeps no score, so its information page has no score line.
constexpr int CreatureInformationRowCount = 7;
constexpr PAGEROW CreatureInformationRows[] = {
    {ROWKIND::Title, "", MenuIdNone, TitleColour, ENABLED::Always},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Health, "Health\t\t", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Attack, "Attack\t\t", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Defence, "Defence\t\t", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Separator, "", MenuIdNone, CommandColour, ENABLED::Always},
    {ROWKIND::Command, "Cancel", MenuIdCancelInformation, CancelColour, ENABLED::Always},
};
static_assert(std::size(CreatureInformationRows) == CreatureInformationRowCount);

// Dream rows are told apart by a barely visible shade: the likelier the dream, the whiter.
struct DREAMSHADE {
    int MinimumChance;
    std::uint32_t Colour;
};
constexpr int DreamShadeCount = 6;
constexpr DREAMSHADE DreamShades[] = {
    {100, 0xffffff},
    {80, 0xfefefe},
    {60, 0xfdfdfd},
    {40, 0xfcfcfc},
    {20, 0xfbfbfb},
    {std::numeric_limits<int>::min(), 0xfafafa},
};
static_assert(std::size(DreamShades) == DreamShadeCount);

// A list of at most limit entries; counts out of range read as none or the limit.
int Bounded(int count, int limit)
{
    if (count < 0)
        return 0;
    return count < limit ? count : limit;
}

bool IsEnabled(ENABLED when, PIECEBASE& piece, const PLAYER* dreamer)
{
    switch (when) {
    case ENABLED::NotMoved:
        return !piece.HasMoved;
    case ENABLED::NotDreamed:
        return dreamer != nullptr && !dreamer->HasDreamed;
    case ENABLED::CanCast:
        return !piece.HasCast && piece.Spells.GetNumberOfSpells() > 0;
    case ENABLED::Always:
        break;
    }
    return true;
}

// The rows of a fixed page; the title row is added by the caller's title adder.
template <typename ADDTITLE>
void AddRows(MENUPANEL& panel, const PAGEROW* rows, int count, PIECEBASE& piece, const PLAYER* dreamer,
             ADDTITLE addTitle)
{
    for (int i = 0; i < count; ++i) {
        const PAGEROW& row = rows[i];
        switch (row.Kind) {
        case ROWKIND::Title:
            addTitle();
            break;
        case ROWKIND::Separator:
            panel.AddSeparator();
            break;
        case ROWKIND::Command:
            panel.AddColouredItem(row.Text, row.Id, row.Colour, IsEnabled(row.When, piece, dreamer));
            break;
        case ROWKIND::Score:
            panel.AddNumberLine(row.Text, dreamer != nullptr ? dreamer->Score : 0);
            break;
        case ROWKIND::Health: {
            char text[MenuTextSize];
            std::snprintf(text, sizeof text, "%s%d / %d", row.Text, piece.Health, piece.MaxHealth);
            panel.AddLabel(text);
            break;
        }
        case ROWKIND::Attack:
            panel.AddNumberLine(row.Text, piece.Attack);
            break;
        case ROWKIND::Defence:
            panel.AddNumberLine(row.Text, piece.Defence);
            break;
        }
    }
}

}  // namespace

void MENUS::OpenPieceMenu(MENUPAGE page, PIECEBASE* pPiece, int x, int y, int width)
{
    if (pPiece == nullptr)
        return;
    if (pPiece->IsDreamer())
        BuildPlayerMenu(page, pPiece->ToPlayer(), x, y, width);
    else if (pPiece->IsCreature())
        BuildCreatureMenu(page, pPiece->ToCreature(), x, y, width);
}

void MENUS::StartPage(int page)
{
    if (OpenPanel >= 0 && OpenPanel < MenuPanelCount)
        Panels[OpenPanel].Reset();
    OpenPanel = page;
    Panels[page].Reset();
}

void MENUS::BuildPlayerMenu(MENUPAGE page, PLAYER* pPlayer, int x, int y, int width)
{
    if (pPlayer == nullptr || page < 0 || page >= MenuPanelCount)
        return;
    StartPage(page);
    MENUPANEL& panel = Panels[page];
    const auto addTitle = [&]() { AddPlayerTitle(page, pPlayer); };
    switch (page) {
    case PageMain:
        AddRows(panel, DreamerMainRows, DreamerMainRowCount, *pPlayer, pPlayer, addTitle);
        break;
    case PageInformation:
        AddRows(panel, DreamerInformationRows, DreamerInformationRowCount, *pPlayer, pPlayer, addTitle);
        break;
    case PageDreams: {
        panel.AddTitle(pPlayer->Name, "'s Dreams", DreamsTitleColour);
        panel.AddSeparator();
        const int dreams = Bounded(pPlayer->DreamSlotCount, DreamSlotsPerDreamer);
        for (int slot = 0; slot < dreams; ++slot) {
            const DREAMSLOT& dream = pPlayer->DreamSlots[slot];
            char text[MenuTextSize];
            std::snprintf(text, sizeof text, "%s (%d%%)", dream.Name, dream.Chance);
            panel.AddColouredItem(text, MenuIdDream, GetDreamColour(dream.Chance), true);
        }
        if (dreams == 0)
            panel.AddLabel(EmptyListText);
        panel.AddSeparator();
        panel.AddColouredItem("Cancel", MenuIdCancelDreams, CancelColour, true);
        break;
    }
    case PageCastSpells:
        BuildSpellMenu(page, MenuIdCastListSpell, pPlayer, &pPlayer->Spells);
        break;
    case PageTransferSpells:
        BuildSpellMenu(page, MenuIdTransferListSpell, pPlayer, &pPlayer->Spells);
        break;
    default:
        break;
    }
    PlacePanel(page, x, y, width);
}

// No creature row leads to page 2: it is emptied and placed, and stays closed.
void MENUS::BuildCreatureMenu(MENUPAGE page, PIECE* pCreature, int x, int y, int width)
{
    if (pCreature == nullptr || page < 0 || page >= MenuPanelCount)
        return;
    StartPage(page);
    MENUPANEL& panel = Panels[page];
    const auto addTitle = [&]() { AddCreatureTitle(page, pCreature); };
    switch (page) {
    case PageMain:
        AddRows(panel, CreatureMainRows, CreatureMainRowCount, *pCreature, nullptr, addTitle);
        break;
    case PageInformation:
        AddRows(panel, CreatureInformationRows, CreatureInformationRowCount, *pCreature, nullptr, addTitle);
        break;
    case PageCastSpells:
        BuildSpellMenu(page, MenuIdCastListSpell, pCreature, &pCreature->Spells);
        break;
    case PageTransferSpells:
        BuildSpellMenu(page, MenuIdTransferListSpell, pCreature, &pCreature->Spells);
        break;
    default:
        break;
    }
    PlacePanel(page, x, y, width);
}

void MENUS::AddPlayerTitle(int page, PLAYER* pPlayer)
{
    char rest[MenuTextSize];
    std::snprintf(rest, sizeof rest, " (%s)", pPlayer->ClassName);
    Panels[page].AddTitle(pPlayer->Name, rest, TitleColour);
}

void MENUS::AddCreatureTitle(int page, PIECE* pCreature)
{
    char rest[MenuTextSize];
    std::snprintf(rest, sizeof rest, " (%s)", pCreature->pOwner != nullptr ? pCreature->pOwner->Name : OwnerlessText);
    Panels[page].AddTitle(pCreature->Name, rest, TitleColour);
}

void MENUS::BuildSpellMenu(int page, MENUID id, PIECEBASE* pPiece, SPELLHAND* pHand)
{
    MENUPANEL& panel = Panels[page];
    panel.AddTitle(pPiece->Name, "'s Spells", TitleColour);
    panel.AddSeparator();
    const int spells = Bounded(pHand->Count, HandSize);
    for (int row = 0; row < spells; ++row) {
        const SPELL& spell = pHand->Slots[row];
        char text[MenuTextSize];
        std::snprintf(text, sizeof text, "%s (%d%%)", spell.Name, spell.GetChance());
        const std::uint32_t colour = spell.Category == SpellCategoryHostile ? HostileSpellColour : FriendlySpellColour;
        panel.AddColouredItem(text, id, colour, true);
    }
    if (spells == 0)
        panel.AddLabel(EmptyListText);
    panel.AddSeparator();
    panel.AddColouredItem("Cancel", MenuIdCancelSpells, CancelColour, true);
}

std::uint32_t MENUS::GetDreamColour(int chance)
{
    for (const DREAMSHADE& shade : DreamShades)
        if (chance >= shade.MinimumChance)
            return shade.Colour;
    return DreamShades[DreamShadeCount - 1].Colour;
}
