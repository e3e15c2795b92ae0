// SDL's own renderer drawing recorded sprites and lines as textured quads in a window of its own, for the draw
// benchmark to time the game's rasteriser and window against. The game never uses it.
#pragma once

#include <cstdint>

#include "platform/device.h"

// Each called by the draw benchmark. Open makes a window of its own and SDL's accelerated or software renderer,
// vertical sync off; false when SDL refuses.
bool OpenSdlReplay(bool accelerated);
void CloseSdlReplay();                       // the textures, renderer and window given back
const char* SdlReplayRenderer();             // SDL's name for the renderer, empty when none is open
void ClearSdlReplay();                       // the frame begins black
void ReplaySprite(const SPRITEDRAW& draw);   // a textured quad, filtered, multiplied by the colour and blended
void ReplayLine(const LINEDRAW& draw);       // a quad of the line's colour, blended
void ReadSdlReplay(std::uint32_t* picture);  // the frame drawn so far, the picture's size in 0xAARRGGBB; before it is shown
void PresentSdlReplay();                     // the frame shown at once
