// The program's start-up and its end: the art folder checked, the device and its sprite and line objects made with
// their fixed states, the shadow quad, the fog and the light, the fonts and textures loaded with the event log's
// capability lines; the device given back at shutdown.
#pragma once

#include <cstdint>

class DEVICE;
struct VERTEXBUFFER;

// Device capability bits, logged at start-up.
constexpr std::uint16_t CapsHardwareRendering = 0x0400;
constexpr std::uint16_t CapsHardwareTransform = 0x0800;
constexpr std::uint16_t Caps8BitTextures = 0x1000;
constexpr std::uint16_t Caps16BitTextures = 0x2000;
constexpr std::uint16_t Caps32BitTextures = 0x4000;

struct TARNWICK {
    // Called once by RunGame after the window exists, with the pump that handles one waiting window message after
    // each texture; ends the program on failure.
    static void InitD3D(void (*pumpMessage)());
};

// Called by RunGame before the window opens: ends the start-up in plain words when no picture can be reached in
// "Textures", or no font in "Textures/Font", with the reason the system gives.
void CheckArtFolder();
// Called by InitD3D: the device, its fixed states, its sprite and line objects; its capability bits.
std::uint16_t CreateD3DDevice();
// Called by InitD3D: the four screen vertices spanning the picture in black at alpha 127, logged as made or not; null
// when the device cannot make them.
VERTEXBUFFER* CreateShadowQuad(DEVICE& device);
void SetupFog();                  // called by InitD3D: the fog's mode, colour, start and end, though fog stays off
void SetupLight();                // called by InitD3D and by the main loop at the start of every frame it draws
void ReleaseDevice();             // called by ReleaseAll at shutdown: gives back the device's window resources
// Called when a start-up step fails: the code in a box, the reason under it when known, then exit code 1.
[[noreturn]] void FatalError(float code, const char* reason = nullptr);
// Called when the program cannot start: the text in a box (standard error without a window), then exit code 1.
[[noreturn]] void StartUpFailed(const char* text);
