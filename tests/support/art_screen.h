// The generated art loaded into a drawing device of its own, for the picture tests and the drawing benchmark.
#pragma once

#include <string>

#include "platform/device.h"

class GAME;

// Every creature and effect slot of an eight-dreamer game in use and the banner open: the busiest frame there is.
void SetUpBusiestFrame(GAME& game);

class ARTSCREEN {
public:
    DEVICE Device;
    SPRITEDRAWER Sprite;
    LINEDRAWER Line;
    bool Open(const std::string& artFolder);  // every texture-list image of artFolder/Textures; false without them
    void DrawGameFrame(const GAME& game);     // background, board, scene and frame, as the main loop draws them
    void Close();                             // textures released and the shared drawing objects unhooked
};
