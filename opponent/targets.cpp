// Whom a computer piece aims at, and the side counts its decisions rest on.
#include <algorithm>
#include <cstdlib>

#include "opponent/opponent.h"
#include "world/game.h"

namespace {

constexpr int NoDistanceYet = 99999;    // farther than any two points of a board

// A piece takes part in the game while its slot is used and it has not died.
bool IsLive(const PIECEBASE& piece)
{
    return piece.Kind != PieceFree && !piece.IsDead;
}

// The larger axis distance plus half the smaller: a cheap stand-in for the straight line.
int ApproximateDistance(const PIECEBASE& from, const PIECEBASE& to)
{
    const int dx = std::abs(to.CentreX - from.CentreX);
    const int dy = std::abs(to.CentreY - from.CentreY);
    return std::max(dx, dy) + (std::min(dx, dy) >> 1);
}

}  // namespace

PIECEBASE* SelectTarget(GAME& game, PIECEBASE* piece, int team, bool isFriend, bool byScore)
{
    if (CountTeamPieces(game, team) <= 0)
        team = -1;
    return FindTarget(game, piece, team, isFriend, byScore);
}

// Dreamers are visited before creatures and only a strictly better candidate
// replaces the best, so ties go to a dreamer, then to the lower index.
PIECEBASE* FindTarget(GAME& game, PIECEBASE* piece, int team, bool isFriend, bool byScore)
{
    if (piece == nullptr)
        return nullptr;
    int bestScore = 0;
    int bestDistance = NoDistanceYet;
    PIECEBASE* best = nullptr;
    auto consider = [&](PIECEBASE& candidate) {
        if (!IsLive(candidate))
            return;
        if (candidate.Kind == piece->Kind && candidate.Index == piece->Index)
            return;
        if (isFriend != (candidate.Team == piece->Team))
            return;
        if (team != -1 && candidate.Team != team)
            return;
        // A side's own cloud cover hides it from everyone, its own pieces included.
        if (game.Effects.IsUnderCloudCover(candidate.Team, candidate.CentreX, candidate.CentreY))
            return;
        if (byScore) {
            const int score = ScoreTarget(game, piece, &candidate);
            if (score > bestScore) {
                bestScore = score;
                best = &candidate;
            }
        } else {
            const int distance = ApproximateDistance(*piece, candidate);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = &candidate;
            }
        }
    };
    for (PLAYER& player : game.Players)
        consider(player);
    for (PIECE& creature : game.Creatures)
        consider(creature);
    return best;
}

// Near, sturdy pieces score high; a dreamer is worth the more the stronger the
// searcher's own side already is, since felling it takes its creatures too.
int ScoreTarget(GAME& game, PIECEBASE* piece, PIECEBASE* candidate)
{
    if (piece == nullptr || candidate == nullptr)
        return 0;
    const int dx = std::abs(candidate->CentreX - piece->CentreX);
    const int dy = std::abs(candidate->CentreY - piece->CentreY);
    int score = (game.BoardWidth + game.BoardHeight) - (dx + dy) + candidate->Level + candidate->MaxHealth +
                candidate->Attack + candidate->Defence;
    if (candidate->IsDreamer())
        score += GetTeamCreatureStrength(game, piece);
    return score;
}

// The first creature slot of the side counts even when that creature has died.
int GetTeamCreatureStrength(GAME& game, PIECEBASE* piece)
{
    if (piece == nullptr)
        return 0;
    for (const PIECE& creature : game.Creatures)
        if (creature.Kind != PieceFree && creature.Team == piece->Team)
            return creature.Level + creature.MaxHealth + creature.Attack + creature.Defence;
    return 0;
}

int CountTeamPieces(GAME& game, int team)
{
    int count = CountTeamCreatures(game, team);
    for (const PLAYER& player : game.Players)
        if (IsLive(player) && player.Team == team)
            count++;
    return count;
}

int CountTeamCreatures(GAME& game, int team)
{
    int count = 0;
    for (const PIECE& creature : game.Creatures)
        if (IsLive(creature) && creature.Team == team)
            count++;
    return count;
}

// A dying creature still counts: its slot keeps its kind until the fade-out ends.
bool HasCreatures(GAME& game, int player)
{
    for (const PIECE& creature : game.Creatures)
        if (creature.Kind != PieceFree && creature.Team == player)
            return true;
    return false;
}
