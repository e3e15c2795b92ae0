// Plays free games with no screen. The invariants are those every frame of a real game must keep: health within
// its bounds, the turn state within its arrays, no posted action left waiting without a reason, and every score
// earned by exactly one death of the piece it was scored for.
#include "tests/support/game_runner.h"

#include <algorithm>
#include <iterator>
#include <sstream>

#include "opponent/opponent.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/random.h"

namespace {

int ExpectedScores[MaxPlayers];                 // what each side must have scored from the deaths seen so far
bool WasDead[MaxPlayers + CreatureSlots];

const PIECEBASE& PieceAt(const GAME& game, int i)
{
    return i < MaxPlayers ? static_cast<const PIECEBASE&>(game.Players[i]) : game.Creatures[i - MaxPlayers];
}

}  // namespace

void ResetInvariants()
{
    std::fill(std::begin(ExpectedScores), std::end(ExpectedScores), 0);
    std::fill(std::begin(WasDead), std::end(WasDead), false);
}

std::string CheckInvariants(const GAME& game)
{
    std::ostringstream fault;
    if (game.CurrentPlayer < 0 || game.CurrentPlayer >= MaxPlayers)
        fault << "CurrentPlayer " << game.CurrentPlayer;
    if (game.CurrentCreature < -1 || game.CurrentCreature >= CreatureSlots)
        fault << "CurrentCreature " << game.CurrentCreature;
    for (int i = 0; i < MaxPlayers + CreatureSlots; i++) {
        const PIECEBASE& piece = PieceAt(game, i);
        if (piece.Kind != PieceFree && (piece.Health < 0 || piece.Health > piece.MaxHealth))
            fault << piece.Name << " health " << piece.Health << " of " << piece.MaxHealth;
        if (piece.Spells.Count < 0 || piece.Spells.Count > HandSize)
            fault << piece.Name << " holds " << piece.Spells.Count << " spells";
        // A death scores once, for the side that last touched the piece.
        if (piece.IsDead && piece.Kind != PieceFree && !WasDead[i] && piece.LastAttackerTeam >= 0 &&
            piece.LastAttackerTeam < MaxPlayers)
            ExpectedScores[piece.LastAttackerTeam] += piece.ScoreValue;
        WasDead[i] = piece.IsDead;
    }
    for (int team = 0; team < MaxPlayers; team++)
        if (game.Players[team].Score != ExpectedScores[team])
            fault << "side " << team << " scored " << game.Players[team].Score << ", not " << ExpectedScores[team];
    const bool mayWait = game.MessageFramesLeft > 0 || game.Players[game.CurrentPlayer].IsMoving;
    if (game.PendingAction.Kind != ActionNone && !mayWait)
        fault << "action " << game.PendingAction.Kind << " left waiting";
    return fault.str();
}

void StartHeadlessGame(GAME& game, unsigned seed, int players, PLAYERSCRIPT script)
{
    SeedRand(seed);
    InstallComputerOpponent();
    game.StartNewGame(static_cast<int>(seed % 10), -1, players);
    ResetInvariants();
    if (script == PLAYERSCRIPT::DieAtOnce)
        game.Players[0].PendingHealth = -game.Players[0].MaxHealth;  // no side touched him: nobody scores
}

bool PlayHeadlessFrame(GAME& game, PLAYERSCRIPT script)
{
    if (game.CountLivePlayers() < 2)
        return false;
    const bool humansTurn = !game.ComputerTurnsRunning && !game.HumanTurnEnded && game.IsHumanAlive();
    if (script == PLAYERSCRIPT::EndTurnAtOnce && humansTurn && game.MessageFramesLeft == 0)
        EndHumanTurn(game, &game.Players[0]);
    UpdateGameFrame(game);
    return true;
}

GAMERUN RunHeadlessGame(GAME& game, unsigned seed, int players, PLAYERSCRIPT script, int frameLimit,
                        bool checkInvariants)
{
    GAMERUN run;
    StartHeadlessGame(game, seed, players, script);
    while (run.Frames < frameLimit && PlayHeadlessFrame(game, script)) {
        run.Frames++;
        if (checkInvariants && !(run.Fault = CheckInvariants(game)).empty())
            return run;
    }
    run.Ended = game.CountLivePlayers() < 2;
    return run;
}

std::string DescribeGame(const GAME& game)
{
    std::ostringstream text;
    text << "player " << game.CurrentPlayer << ", creature " << game.CurrentCreature << ", pending "
         << game.PendingAction.Kind << ", banner " << game.MessageFramesLeft << "\n";
    for (int i = 0; i < MaxPlayers + CreatureSlots; i++) {
        const PIECEBASE& piece = PieceAt(game, i);
        if (piece.Kind != PieceFree)
            text << "  " << piece.Name << " (" << piece.CentreX << ", " << piece.CentreY << ") " << piece.Health
                 << (piece.IsDead ? " dead\n" : "\n");
    }
    return text.str();
}
