// The computer opponent's entry: hooks it into the turn machine.
#pragma once

void InstallComputerOpponent();     // lets the turn machine hand computer turns to Game.PlayerTurn and Game.CreatureTurn
