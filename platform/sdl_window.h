// The SDL window and its renderer, kept by window.cpp, for the device's window half (device_window.cpp), which shows
// the picture through them. Nothing outside these two includes this.
#pragma once

#include <cstdint>

#include "platform/platform_result.h"

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;

SDL_Window* MainSdlWindow();   // called by the device's window half: the open window; null when none is open
// Called when a step of starting the window or the device fails: keeps "what: detail" (or, when SDL gave no detail,
// its video driver's silence) for PlatformFailureReason; returns result.
PLATFORMRESULT PlatformFailed(PLATFORMRESULT result, const char* what, const char* detail);
// Called by DEVICE::Create: the renderer with these SDL flags and a picture-sized streaming texture; false, with
// neither, when either cannot be made.
bool CreateWindowRenderer(std::uint32_t flags);
SDL_Renderer* WindowRenderer();  // the renderer made, null before and after
SDL_Texture* WindowScreen();     // the picture's copy on the renderer's side, null before and after
void ReleaseWindowRenderer();    // called by CloseMainWindow and DEVICE::Release: the renderer and its texture go
