// The screen the player is on and the choices made so far.
#include "screens/screen_state.h"

int ScreenState = ScreenTitle;
int LastKey = 0;
int WindowSizeState = 0;
int TitleChoice = 0;
int TitleHover = 0;
int PlayerCount = 0;
int PlayerCountHover = 0;
int ChosenCharacter = 0;
int ChosenOpponent = 0;
int ChoiceHover = 0;
std::uint8_t GameWon = 0;
