// Sprite and line drawing: every picture of the game reaches the screen through here.
#include "graphics/drawing.h"

DEVICE* pDevice = nullptr;
SPRITEDRAWER* pSprite2D = nullptr;
LINEDRAWER* pLine = nullptr;
