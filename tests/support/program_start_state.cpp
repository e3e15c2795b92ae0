// The start state of test programs that link the whole program: the lower floors', then the state of every
// floor above them, the screens' game among it. The tables the fixtures load (textures, fonts, models, menus) are
// theirs to set up.
#include "tests/support/start_state.h"

#include "graphics/background.h"
#include "graphics/board.h"
#include "graphics/camera.h"
#include "graphics/models.h"
#include "screens/choice.h"
#include "screens/overlays.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "screens/text_entry.h"
#include "screens/title.h"
#include "shell/shell.h"
#include "world/game.h"

void RestoreStartState()
{
    RestoreWorldStartState();
    static const GAME* const Pristine = new GAME;  // a game is too large for a temporary on the stack
    Game = *Pristine;
    BoardView = BOARDVIEW();
    Background = BACKGROUND();
    Camera = CAMERA();
    Shadows = SHADOWS();
    Play = PLAYSTATE();
    Screens = SCREENS();
    Title = TITLESTATE();
    Overlays = OVERLAYS();
    TextEntry = TEXTENTRY();
    ChoiceLayout = CHOICELAYOUT();
    Loop = MAINLOOP();
}
