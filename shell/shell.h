// The program's start, its one loop and its end.
#pragma once

struct MESSAGE;

extern int FrameCounter;            // frames toward the next rate measure
extern int LastMillis;              // millisecond field of the last measure
extern int MillisPer5Frames;        // how long the last five frames took
extern int FramesPerSecond;         // the measured frame rate; 60 while minimised

int RunGame();                      // called by main: the whole life of the program; its exit code
bool CreateMainWindow();            // called by RunGame when the program starts; false when the window cannot be made
void MainLoop();                    // called by RunGame once the device is up; returns when the window is gone
void DrawScreenFrame();             // called by the main loop for each shown frame: the current screen drawn, a game advanced by a frame
void PumpMessage();                 // called by the main loop each pass and by start-up after each texture: one waiting message at most
void UpdateFrameRate();             // called by the main loop after each pass
void ReleaseAll();                  // called by Shutdown: models, textures and the device, each announced in the log
void Shutdown();                    // called by RunGame when the main loop has returned
[[noreturn]] void FatalError(float code);  // called when start-up fails: the code in a box, then exit code 1
void ClearErrorLog();               // called by RunGame first: the log holds this run only
void WndProc(const MESSAGE& message);      // called by PumpMessage for each message the window sends
