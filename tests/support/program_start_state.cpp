// The start state of test programs that link the whole program: the lower floors', then the state of every
// floor above them. The tables the fixtures load (textures, fonts, models, menus) are theirs to set up.
#include "tests/support/start_state.h"

#include "graphics/background.h"
#include "graphics/board.h"
#include "graphics/camera.h"
#include "screens/choice.h"
#include "screens/overlays.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "screens/text_entry.h"
#include "screens/title.h"
#include "shell/shell.h"

void RestoreStartState()
{
    RestoreWorldStartState();
    BoardView = BOARDVIEW();
    Background = BACKGROUND();
    Camera = CAMERA();
    Play = PLAYSTATE();
    Screens = SCREENS();
    Title = TITLESTATE();
    Overlays = OVERLAYS();
    TextEntry = TEXTENTRY();
    ChoiceLayout = CHOICELAYOUT();
    Loop = MAINLOOP();
}
