// Setting up a game: seating the dreamers of a free game or a challenge, with
// their stats, spells and dream slots.
#include <cstring>

#include "world/game.h"
#include "world/random.h"

namespace {

constexpr int BoardPlayWidth = 608;
constexpr int BoardPlayHeight = 448;
constexpr int FewestPlayers = 2;
constexpr int RandomOpponents = 10;     // the last roster character is never drawn
constexpr int DreamerWorth = 500;

const PICTURESIZE* FindPictureSize(int picture)
{
    for (const PICTURESIZE& size : PictureSizes)
        if (size.Picture == picture)
            return &size;
    return nullptr;
}

}  // namespace

void SetNewGameFlag(GAME& game)
{
    game.NewGameFlag = 1;
}

void GAME::StartNewGame(int humanRosterIndex, int opponentRosterIndex, int playerCount)
{
    Reset();
    BoardWidth = BoardPlayWidth;
    BoardHeight = BoardPlayHeight;
    SetBoardBounds(0, 0, BoardPlayWidth, BoardPlayHeight);
    if (opponentRosterIndex >= 0)
        NewChallengeGame(humanRosterIndex, opponentRosterIndex);
    else
        NewRandomGame(humanRosterIndex, playerCount);
    ShowTurnMessage(&Players[0]);
}

// Every free game deals the decks anew; the opponents are distinct characters
// of the first ten, none of them the player's own.
void GAME::NewRandomGame(int humanRosterIndex, int playerCount)
{
    BuildRoster();
    if (playerCount < FewestPlayers)
        playerCount = FewestPlayers;
    if (playerCount > MaxPlayers)
        playerCount = MaxPlayers;
    int list[MaxPlayers] = {humanRosterIndex};
    int n = 1;
    while (n < playerCount) {
        int r = Rand() % RandomOpponents;
        if (!IsInList(r, list, n))
            list[n++] = r;
    }
    PlacePlayers(list, playerCount);
}

// A challenge keeps the decks of the last free game, or of the start.
void GAME::NewChallengeGame(int humanRosterIndex, int opponentRosterIndex)
{
    int list[2] = {humanRosterIndex, opponentRosterIndex};
    PlacePlayers(list, 2);
}

void GAME::PlacePlayers(const int* list, int count)
{
    if (count < FewestPlayers || count > MaxPlayers)
        return;
    const STARTPOSITIONS& layout = StartPositions[count - FewestPlayers];
    for (int i = 0; i < count; i++)
        CreatePlayerFromRoster(list[i], i, layout.X[i], layout.Y[i], i == 0);
}

bool GAME::IsInList(int rosterIndex, const int* list, int n) const
{
    for (int i = 0; i < n; i++)
        if (list[i] == rosterIndex)
            return true;
    return false;
}

void GAME::CreatePlayerFromRoster(int rosterIndex, int playerIndex, int x, int y, bool isHuman)
{
    if (rosterIndex < 0 || rosterIndex >= RosterSize || playerIndex < 0 || playerIndex >= MaxPlayers)
        return;
    const ROSTERENTRY& entry = Roster[rosterIndex];
    CreatePlayer(entry.Name, entry.Class, entry.Picture, playerIndex, x, y, isHuman, entry.DreamChoice,
                 entry.SpellChoice, entry.TransferEagerness, entry.FriendCastEagerness, entry.HoldBack);
    DealDreamDeck(rosterIndex, playerIndex, DeckSize - Rand() % 2);
    if (isHuman)
        return;
    const EXTRAKINDS& extra = ExtraKinds[rosterIndex];
    for (int i = 0; i < extra.Count; i++)
        Players[playerIndex].AddDreamSlot(extra.Kinds[i]);
}

void GAME::DealDreamDeck(int rosterIndex, int playerIndex, int n)
{
    const ROSTERENTRY& entry = Roster[rosterIndex];
    for (int i = 0; i < n && i < entry.DeckCount; i++)
        Players[playerIndex].AddDreamSlot(entry.Deck[i]);
}

void GAME::CreatePlayer(const char* name, int playerClass, int picture, int playerIndex, int x, int y, bool isHuman,
                        int dreamChoice, int spellChoice, int transferEagerness, int friendCastEagerness,
                        int holdBack)
{
    PLAYER& player = Players[playerIndex];
    const PIECEKIND kind = isHuman ? PieceHumanDreamer : PieceComputerDreamer;
    player.SetClass(playerClass);
    player.IsComputer = isHuman ? 0 : 1;
    player.TeamColour = GetTeamColour(playerIndex);
    player.PaleColour = GetTeamPaleColour(playerIndex);

    // A dreamer's sprite is its whole picture, one frame.
    const PICTURESIZE* size = FindPictureSize(picture);
    int width = size ? size->Width : 0;
    int height = size ? size->Height : 0;
    player.Sprite.BuildFrames(picture, 1, width, height, 1);
    player.Init(playerIndex, playerIndex, name, kind, 0, 1, 10, 0xffffff, 255);

    const CLASSSTATS& stats = ClassStats[(playerClass >= 0 && playerClass < DreamerClassCount) ? playerClass : 0];
    player.SetStats(1, stats.MaxHealth, stats.Attack, stats.Defence, stats.FourthStat, stats.Reach);
    player.SetPosition(static_cast<float>(x), static_cast<float>(y), width, height);
    player.SetBounds(BoardBounds[0], BoardBounds[1], BoardBounds[2], BoardBounds[3]);
    player.DealSpells(SpellTable);
    player.DreamChoice = dreamChoice;
    player.SpellChoice = spellChoice;
    player.TransferEagerness = transferEagerness;
    player.FriendCastEagerness = friendCastEagerness;
    player.HoldBack = holdBack;
    player.ScoreValue = DreamerWorth;
}
