// The program's start, its one loop and its end.
#pragma once

#include "platform/input.h"

// The window's size states, numbered as the game numbers them.
enum WINDOWSIZE : int {
    WindowRestored = 0,
    WindowMinimised = 1,            // nothing is drawn and the game waits
    WindowMaximised = 2,            // the state the main loop starts in
};

constexpr int LastKeyWindowGone = KeyEscape;  // LastKey once the window is destroyed: a typed Escape is cleared

// The main loop's own state: the key that ends it, the window's size state and the frame-rate measure.
struct MAINLOOP {
    int LastKey = 0;                            // the last typed character; 27 only once the window is gone
    WINDOWSIZE WindowSizeState = WindowRestored;  // minimised or not
    int FrameCounter = 0;                       // frames toward the next rate measure
    int LastMillis = 0;                         // millisecond field of the last measure
    int MillisPer5Frames = 0;                   // how long the last five frames took
    int FramesPerSecond = 0;                    // the measured frame rate; 60 while minimised
};

extern MAINLOOP Loop;  // the one main loop

int RunGame();                      // called by main: the whole life of the program; its exit code
void CreateMainWindow();            // called by RunGame when the program starts; ends the program, saying why, when the window cannot be made
void MainLoop();                    // called by RunGame once the device is up; returns when the window is gone
void DrawScreenFrame();             // called by the main loop for each shown frame: the current screen drawn, a game advanced by a frame
void PumpMessage();                 // called by the main loop each pass and by start-up after each texture: one waiting message at most
void UpdateFrameRate();             // called by the main loop after each pass
void ReleaseAll();                  // called by Shutdown: models, textures and the device, each announced in the log
void Shutdown();                    // called by RunGame when the main loop has returned
void ClearErrorLog();               // called by RunGame first: the log holds this run only, removed or emptied
void WndProc(const MESSAGE& message);      // called by PumpMessage for each message the window sends
