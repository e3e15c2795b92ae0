// The device's fixed-function state as the game sets it: render, sampler and texture-stage states, transforms,
// the light, the vertex format and stream, numbered as the device interface the game was written for numbers them.
#pragma once

#include <cstdint>
#include <cstring>

#include "platform/space.h"

// Render states, by their numbers (the fill mode is render state 8).
enum RENDERSTATE : int {
    D3DRS_ZENABLE = 7,
    D3DRS_FILLMODE = 8,
    D3DRS_SHADEMODE = 9,
    D3DRS_ZWRITEENABLE = 14,
    D3DRS_ALPHATESTENABLE = 15,
    D3DRS_SRCBLEND = 19,
    D3DRS_DESTBLEND = 20,
    D3DRS_CULLMODE = 22,
    D3DRS_ZFUNC = 23,
    D3DRS_ALPHAREF = 24,
    D3DRS_ALPHAFUNC = 25,
    D3DRS_ALPHABLENDENABLE = 27,
    D3DRS_FOGENABLE = 28,
    D3DRS_FOGCOLOR = 34,
    D3DRS_FOGSTART = 36,
    D3DRS_FOGEND = 37,
    D3DRS_STENCILENABLE = 52,
    D3DRS_STENCILFAIL = 53,
    D3DRS_STENCILZFAIL = 54,
    D3DRS_STENCILPASS = 55,
    D3DRS_STENCILFUNC = 56,
    D3DRS_STENCILREF = 57,
    D3DRS_STENCILMASK = 58,
    D3DRS_STENCILWRITEMASK = 59,
    D3DRS_LIGHTING = 137,
    D3DRS_AMBIENT = 139,
    D3DRS_FOGVERTEXMODE = 140,
    D3DRS_COLORWRITEENABLE = 168,
};
constexpr int RenderStateCount = 169;  // the render states the device keeps: numbers 0 to 168

enum ZBUFFERTYPE : int { D3DZB_FALSE = 0, D3DZB_TRUE = 1 };
enum FILLMODE : int { D3DFILL_POINT = 1, D3DFILL_WIREFRAME = 2, D3DFILL_SOLID = 3 };
enum SHADEMODE : int { D3DSHADE_FLAT = 1, D3DSHADE_GOURAUD = 2 };
enum CULL : int { D3DCULL_NONE = 1, D3DCULL_CW = 2, D3DCULL_CCW = 3 };  // CW culls clockwise triangles on the picture
enum FOGMODE : int { D3DFOG_NONE = 0, D3DFOG_LINEAR = 3 };

// A comparison "new against kept": the depth test compares the triangle's depth with the plane's, the stencil test
// the reference with the plane's value, the alpha test the triangle's alpha with the reference.
enum CMPFUNC : int {
    D3DCMP_NEVER = 1,
    D3DCMP_LESS = 2,
    D3DCMP_EQUAL = 3,
    D3DCMP_LESSEQUAL = 4,
    D3DCMP_GREATER = 5,
    D3DCMP_NOTEQUAL = 6,
    D3DCMP_GREATEREQUAL = 7,
    D3DCMP_ALWAYS = 8,
};

enum BLEND : int {
    D3DBLEND_ZERO = 1,
    D3DBLEND_ONE = 2,
    D3DBLEND_SRCCOLOR = 3,
    D3DBLEND_INVSRCCOLOR = 4,
    D3DBLEND_SRCALPHA = 5,
    D3DBLEND_INVSRCALPHA = 6,
    D3DBLEND_DESTALPHA = 7,
    D3DBLEND_INVDESTALPHA = 8,
    D3DBLEND_DESTCOLOR = 9,
    D3DBLEND_INVDESTCOLOR = 10,
};

enum STENCILOP : int {
    D3DSTENCILOP_KEEP = 1,
    D3DSTENCILOP_ZERO = 2,
    D3DSTENCILOP_REPLACE = 3,
    D3DSTENCILOP_INCRSAT = 4,  // up to 255 and no further
    D3DSTENCILOP_DECRSAT = 5,  // down to 0 and no further
    D3DSTENCILOP_INVERT = 6,
    D3DSTENCILOP_INCR = 7,     // 255 wraps to 0
    D3DSTENCILOP_DECR = 8,     // 0 wraps to 255
};

// What a comparison offers, one bit per CMPFUNC.
constexpr std::uint32_t D3DPCMPCAPS_NEVER = 0x01;
constexpr std::uint32_t D3DPCMPCAPS_LESS = 0x02;
constexpr std::uint32_t D3DPCMPCAPS_EQUAL = 0x04;
constexpr std::uint32_t D3DPCMPCAPS_LESSEQUAL = 0x08;
constexpr std::uint32_t D3DPCMPCAPS_GREATER = 0x10;
constexpr std::uint32_t D3DPCMPCAPS_NOTEQUAL = 0x20;
constexpr std::uint32_t D3DPCMPCAPS_GREATEREQUAL = 0x40;
constexpr std::uint32_t D3DPCMPCAPS_ALWAYS = 0x80;

// Colour writes, one bit per channel of the picture.
constexpr std::uint32_t D3DCOLORWRITEENABLE_RED = 0x1;
constexpr std::uint32_t D3DCOLORWRITEENABLE_GREEN = 0x2;
constexpr std::uint32_t D3DCOLORWRITEENABLE_BLUE = 0x4;
constexpr std::uint32_t D3DCOLORWRITEENABLE_ALPHA = 0x8;

enum SAMPLERSTATE : int {
    D3DSAMP_MAGFILTER = 5,
    D3DSAMP_MINFILTER = 6,
    D3DSAMP_MIPFILTER = 7,
};
constexpr int SamplerStateCount = 8;  // the states of sampler 0 the device keeps: numbers 0 to 7

enum TEXTUREFILTER : int { D3DTEXF_NONE = 0, D3DTEXF_POINT = 1, D3DTEXF_LINEAR = 2 };

enum TEXTURESTAGESTATE : int {
    D3DTSS_COLOROP = 1,
    D3DTSS_COLORARG1 = 2,
    D3DTSS_COLORARG2 = 3,
    D3DTSS_ALPHAOP = 4,
    D3DTSS_ALPHAARG1 = 5,
    D3DTSS_ALPHAARG2 = 6,
};
constexpr int StageStateCount = 7;  // the states of texture stage 0 the device keeps: numbers 0 to 6

enum TEXTUREOP : int { D3DTOP_DISABLE = 1, D3DTOP_SELECTARG1 = 2, D3DTOP_SELECTARG2 = 3, D3DTOP_MODULATE = 4 };
enum TEXTUREARG : int { D3DTA_DIFFUSE = 0, D3DTA_CURRENT = 1, D3DTA_TEXTURE = 2 };

enum TRANSFORMSTATE : int { D3DTS_VIEW = 2, D3DTS_PROJECTION = 3, D3DTS_WORLD = 256 };

enum LIGHTTYPE : int { D3DLIGHT_POINT = 1, D3DLIGHT_SPOT = 2, D3DLIGHT_DIRECTIONAL = 3 };

enum PRIMITIVETYPE : int { D3DPT_TRIANGLELIST = 4, D3DPT_TRIANGLESTRIP = 5, D3DPT_TRIANGLEFAN = 6 };

enum POOL : int { D3DPOOL_DEFAULT = 0, D3DPOOL_MANAGED = 1 };
constexpr std::uint32_t D3DUSAGE_WRITEONLY = 0x8;

// Vertex formats: what each vertex holds, in this order.
constexpr std::uint32_t D3DFVF_XYZ = 0x002;     // a position in space (three floats), transformed by the device
constexpr std::uint32_t D3DFVF_XYZRHW = 0x004;  // a position on the picture with depth and 1 / w (four floats)
constexpr std::uint32_t D3DFVF_NORMAL = 0x010;  // a normal (three floats)
constexpr std::uint32_t D3DFVF_DIFFUSE = 0x040; // a colour 0xAARRGGBB

// What a clear clears.
constexpr std::uint32_t D3DCLEAR_TARGET = 0x1;
constexpr std::uint32_t D3DCLEAR_ZBUFFER = 0x2;
constexpr std::uint32_t D3DCLEAR_STENCIL = 0x4;

struct COLOURVALUE {
    float R = 0.0f;
    float G = 0.0f;
    float B = 0.0f;
    float A = 0.0f;
};

// A light, all zero until set.
struct LIGHT {
    LIGHTTYPE Type{};
    COLOURVALUE Diffuse;
    COLOURVALUE Specular;
    COLOURVALUE Ambient;
    VECTOR3 Position;
    VECTOR3 Direction;
    float Range = 0.0f;
    float Falloff = 0.0f;
    float Attenuation0 = 0.0f;
    float Attenuation1 = 0.0f;
    float Attenuation2 = 0.0f;
    float Theta = 0.0f;
    float Phi = 0.0f;
};

// A vertex already on the picture, with a colour: D3DFVF_XYZRHW | D3DFVF_DIFFUSE.
struct SCREENVERTEX {
    float X = 0.0f;
    float Y = 0.0f;
    float Z = 0.0f;
    float Rhw = 0.0f;
    std::uint32_t Diffuse = 0;
};
static_assert(sizeof(SCREENVERTEX) == 20, "a screen vertex is five 32-bit values");
constexpr std::uint32_t ScreenVertexFormat = D3DFVF_XYZRHW | D3DFVF_DIFFUSE;

struct VERTEXBUFFER;

// Where the device's own triangles take their vertices from: a buffer, from a byte offset, a stride apart.
struct STREAMSOURCE {
    const VERTEXBUFFER* Buffer = nullptr;
    std::uint32_t Offset = 0;
    std::uint32_t Stride = 0;
};

// Everything the device keeps of what was set on it; a new device holds the defaults (device_defaults.cpp).
struct DEVICESTATE {
    std::uint32_t RenderStates[RenderStateCount] = {};    // by RENDERSTATE; floats as their bits
    std::uint32_t SamplerStates[SamplerStateCount] = {};  // of sampler 0, by SAMPLERSTATE
    std::uint32_t StageStates[StageStateCount] = {};      // of texture stage 0, by TEXTURESTAGESTATE
    MATRIX World = IdentityMatrix();
    MATRIX View = IdentityMatrix();
    MATRIX Projection = IdentityMatrix();
    LIGHT Light0;
    bool Light0Enabled = false;
    std::uint32_t VertexFormat = 0;  // D3DFVF_ bits of the vertices drawn next
    STREAMSOURCE Stream0;
};

// What the device can do, as it answers when asked.
struct DEVICECAPS {
    std::uint32_t AlphaCmpCaps = 0;  // D3DPCMPCAPS_ bits the alpha test offers
};

DEVICESTATE DefaultDeviceState();  // the states of a device just created

// A float render state (the fog's start and end) is kept as the bits of the float.
inline std::uint32_t FloatBits(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
