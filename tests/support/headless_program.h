// The whole program brought up as its start-up and main loop bring it up, headless, for the tests that drive the
// shell with window messages: the generated art is found as "Textures" in the working folder.
#pragma once

#include "platform/input.h"

bool StartProgramHeadless(const char* artFolder);  // device, opponent, hooks, configuration, roster, title; false, with nothing started, without artFolder/Textures
void StopProgramHeadless();                        // everything StartProgramHeadless loaded released; the title shown
void Send(MESSAGEKIND kind, int x, int y, int character = 0);  // one message through the window procedure, as PumpMessage hands it on
