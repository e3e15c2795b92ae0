// The message banner: the three-part line of texts the game announces its events on.
#include "world/game.h"

// The counts are left alone: a running banner still holds up the turn machine
// after its texts are gone.
void GAME::ClearMessage()
{
    for (char(&text)[MessageTextSize] : MessageText)
        text[0] = '\0';
    MessageColour[0] = 0xffffff;
    MessageColour[1] = 0xffffff;
    MessageColour[2] = 0x0fffffff;
    MessageIsEvent = 0;
}
