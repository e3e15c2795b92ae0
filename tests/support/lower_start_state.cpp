// The start state of test programs below the screens: the world's records are all there is.
#include "tests/support/start_state.h"

void RestoreStartState()
{
    RestoreWorldStartState();
}
