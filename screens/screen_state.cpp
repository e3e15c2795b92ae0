// The screen the player is on, the choices made so far and the one game.
#include "screens/screen_state.h"

#include "world/game.h"

SCREENS Screens;
GAME Game;
