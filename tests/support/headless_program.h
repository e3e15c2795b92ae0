// The whole program brought up as its start-up and main loop bring it up, headless, for the tests that drive the
// shell with window messages: the generated art is found as "Textures" in the working folder.
#pragma once

#include <initializer_list>

#include "platform/input.h"

bool StartProgramHeadless(const char* artFolder);  // device, opponent, hooks, settings, roster, title; false: no art
void StopProgramHeadless();                        // everything StartProgramHeadless loaded released; the title shown
void Send(MESSAGEKIND kind, int x, int y, int character = 0);  // one message through the window procedure
void Click(int x, int y);                     // the pointer moved there, the button pressed and let go
void Type(std::initializer_list<int> codes);  // a character message for each code
