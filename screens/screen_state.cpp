// The screen the player is on and the choices made so far.
#include "screens/screen_state.h"

SCREENS Screens;
