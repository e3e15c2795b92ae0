// The graphics device and the shared sprite and line objects, brought up once at start-up.
#pragma once

#include <cstdint>

#include "graphics/drawing.h"

// Device capability bits, logged at start-up.
constexpr std::uint16_t CapsHardwareRendering = 0x0400;
constexpr std::uint16_t CapsHardwareTransform = 0x0800;
constexpr std::uint16_t Caps8BitTextures = 0x1000;
constexpr std::uint16_t Caps16BitTextures = 0x2000;
constexpr std::uint16_t Caps32BitTextures = 0x4000;

struct TARNWICK {
    static void InitD3D();          // called once by the entry point after the window exists; ends the program on failure
};

void CheckArtFolder();              // called by RunGame before the window opens: ends the start-up in plain words when "Textures" is no folder
std::uint16_t CreateD3DDevice();    // the device with its fixed states and the sprite and line objects; its capability bits
void SetupFog();                    // the fog values, kept though fog stays off
void SetupLight();                  // called at start-up and by the main loop in every drawn frame
void ReleaseDevice();               // gives back the device's window resources at shutdown
