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

PIECEBASE& PieceAt(int i)
{
    return i < MaxPlayers ? static_cast<PIECEBASE&>(Game.Players[i]) : Game.Creatures[i - MaxPlayers];
}

}  // namespace

void ResetInvariants()
{
    std::fill(std::begin(ExpectedScores), std::end(ExpectedScores), 0);
    std::fill(std::begin(WasDead), std::end(WasDead), false);
}

std::string CheckInvariants()
{
    std::ostringstream fault;
    if (Game.CurrentPlayer < 0 || Game.CurrentPlayer >= MaxPlayers)
        fault << "CurrentPlayer " << Game.CurrentPlayer;
    if (Game.CurrentCreature < -1 || Game.CurrentCreature >= CreatureSlots)
        fault << "CurrentCreature " << Game.CurrentCreature;
    for (int i = 0; i < MaxPlayers + CreatureSlots; i++) {
        PIECEBASE& piece = PieceAt(i);
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
        if (Game.Players[team].Score != ExpectedScores[team])
            fault << "side " << team << " scored " << Game.Players[team].Score << ", not " << ExpectedScores[team];
    const bool mayWait = Game.MessageFramesLeft > 0 || Game.Players[Game.CurrentPlayer].IsMoving;
    if (Game.PendingAction.Kind != ActionNone && !mayWait)
        fault << "action " << Game.PendingAction.Kind << " left waiting";
    return fault.str();
}

void StartHeadlessGame(unsigned seed, int players, PLAYERSCRIPT script)
{
    SeedRand(seed);
    InstallComputerOpponent();
    Game.StartNewGame(static_cast<int>(seed % 10), -1, players);
    ResetInvariants();
    if (script == PLAYERSCRIPT::DieAtOnce)
        Game.Players[0].PendingHealth = -Game.Players[0].MaxHealth;  // no side touched him: nobody scores
}

bool PlayHeadlessFrame(PLAYERSCRIPT script)
{
    if (Game.CountLivePlayers() < 2)
        return false;
    const bool humansTurn = !Game.ComputerTurnsRunning && !Game.HumanTurnEnded && Game.IsHumanAlive();
    if (script == PLAYERSCRIPT::EndTurnAtOnce && humansTurn && Game.MessageFramesLeft == 0)
        EndHumanTurn(Game, &Game.Players[0]);
    UpdateGameFrame(Game);
    return true;
}

GAMERUN RunHeadlessGame(unsigned seed, int players, PLAYERSCRIPT script, int frameLimit, bool checkInvariants)
{
    GAMERUN run;
    StartHeadlessGame(seed, players, script);
    while (run.Frames < frameLimit && PlayHeadlessFrame(script)) {
        run.Frames++;
        if (checkInvariants && !(run.Fault = CheckInvariants()).empty())
            return run;
    }
    run.Ended = Game.CountLivePlayers() < 2;
    return run;
}

std::string DescribeGame()
{
    std::ostringstream text;
    text << "player " << Game.CurrentPlayer << ", creature " << Game.CurrentCreature << ", pending "
         << Game.PendingAction.Kind << ", banner " << Game.MessageFramesLeft << "\n";
    for (int i = 0; i < MaxPlayers + CreatureSlots; i++)
        if (PieceAt(i).Kind != PieceFree)
            text << "  " << PieceAt(i).Name << " (" << PieceAt(i).CentreX << ", " << PieceAt(i).CentreY << ") "
                 << PieceAt(i).Health << (PieceAt(i).IsDead ? " dead\n" : "\n");
    return text.str();
}
