// Sprite and line drawing in back-buffer pixels, through the device's shared sprite and line objects.
#pragma once

#include "platform/device.h"

extern DEVICE* pDevice;             // the one device, null until start-up has made it
extern SPRITEDRAWER* pSprite2D;     // the sprite object every 2-D image is drawn through
extern LINEDRAWER* pLine;           // the line object for all lines
