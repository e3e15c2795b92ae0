// The SDL window between its two users in the platform: window.cpp, which opens and closes it, and the device's
// window half, device_window.cpp, which shows the picture in it. Nothing outside these two includes this.
#pragma once

#include "platform/platform_result.h"

struct SDL_Window;

// window.cpp's side.
SDL_Window* MainSdlWindow();   // called by the device's window half: the open window; null when none is open
// Called when a step of starting the window or the device fails: keeps "what: detail" (or, when SDL gave no detail,
// its video driver's silence) for PlatformFailureReason; returns result.
PLATFORMRESULT PlatformFailed(PLATFORMRESULT result, const char* what, const char* detail);

// device_window.cpp's side.
void ReleaseWindowRenderer();  // called by CloseMainWindow and DEVICE::Release: the renderer showing the picture goes
