// The start state of test programs that link the whole program: the world's, then every layer above it.
#include "tests/support/start_state.h"

#include "graphics/camera.h"
#include "screens/pointer.h"

void RestoreStartState()
{
    RestoreWorldStartState();
    Play = PLAYSTATE();
    Camera = CAMERA();
}
