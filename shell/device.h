// The graphics device and the shared sprite and line objects, brought up once at start-up.
#pragma once

#include <cstdint>

#include "graphics/drawing.h"

// One corner of the quad that spans the picture, for the shadow drawing.
struct SHADOWVERTEX {
    float X, Y, Z, Rhw;
    std::uint32_t Colour;
};
constexpr int ShadowQuadVertices = 4;
extern SHADOWVERTEX ShadowQuad[ShadowQuadVertices];

// The one light and the fog the scene is set up with; neither changes the flat picture.
struct SCENELIGHT {
    float Diffuse[4];
    float Specular[4];
    float Position[3];
    float Direction[3];
    float Attenuation0;
    std::uint32_t Ambient;
};
struct SCENEFOG {
    std::uint32_t Colour;
    float Start;
    float End;
};
extern SCENELIGHT SceneLight;
extern SCENEFOG SceneFog;

// Device capability bits, logged at start-up.
constexpr std::uint16_t CapsHardwareRendering = 0x0400;
constexpr std::uint16_t CapsHardwareTransform = 0x0800;
constexpr std::uint16_t Caps8BitTextures = 0x1000;
constexpr std::uint16_t Caps16BitTextures = 0x2000;
constexpr std::uint16_t Caps32BitTextures = 0x4000;

struct TARNWICK {
    static void InitD3D();          // called once by the entry point after the window exists; ends the program on failure
};

std::uint16_t CreateD3DDevice();    // the device with its fixed states and the sprite and line objects; its capability bits
void SetupFog();                    // the fog values, kept though fog stays off
void SetupLight();                  // called at start-up and by the main loop in every drawn frame
void ReleaseDevice();               // gives back the device's window resources at shutdown
