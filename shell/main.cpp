// The game's entry point. It reads no command line and no environment: everything it
// needs is in its working folder.
#include "shell/shell.h"

int main()
{
    return RunGame();
}
