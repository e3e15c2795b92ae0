// The start state of test programs below the screens: the lower floors' records are all there is.
#include "tests/support/start_state.h"

void RestoreStartState() { RestoreWorldStartState(); }
