// The drawing device: the picture that textured sprites, lines and the device's own triangles are drawn into, shown
// in the window or kept headless; its fixed-function state, vertex buffers, depth and stencil planes; and its
// drawers. Declared here; drawn in device.cpp and device_triangles.cpp, shown in the window by device_window.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/device_state.h"
#include "platform/picture.h"
#include "platform/platform_result.h"

constexpr int MaxVertexBuffers = 16;                   // vertex buffers one device holds at once
constexpr std::uint32_t MaxVertexBufferBytes = 1u << 20;  // the largest vertex buffer it makes

// A block of vertices the device keeps; made, locked and unlocked through the device.
struct VERTEXBUFFER {
    std::vector<std::uint8_t> Bytes;  // as long as asked for, zero when made
    std::uint32_t Usage = 0;          // D3DUSAGE_ bits, kept
    std::uint32_t Format = 0;         // D3DFVF_ bits, kept; a draw reads the vertices in the device's format
    POOL Pool = D3DPOOL_DEFAULT;      // kept: every buffer lives in memory
    bool Locked = false;              // between Lock and Unlock, when nothing draws from it
};

// The one drawing device. Every draw renders into the picture at once, in call order. Create, Release, Present
// and Show are its window half, in device_window.cpp; the triangles are in device_triangles.cpp; the rest is in
// device.cpp.
//
// What its states change. The sprite and line drawers draw with states of their own, as a sprite object does: filtered,
// alpha-blended (source alpha over the picture), placed in picture pixels whatever the transforms, with no depth,
// stencil or alpha test; nothing set on the device changes their pixels. The device's own triangles (DrawPrimitiveUP,
// DrawPrimitive) honour: the world, view and projection transforms of positions in space, with clipping at the near and
// far planes, leaving no seam (a pixel centre on a side or corner that triangles share goes to one of them, whatever
// their order, winding or reach off the picture); the cull mode; the alpha test (ALPHATESTENABLE, ALPHAREF, ALPHAFUNC);
// the stencil test and its operations (STENCILENABLE, FUNC, REF, MASK, WRITEMASK, FAIL, ZFAIL, PASS); the depth test
// (ZENABLE, ZFUNC, ZWRITEENABLE); blending (ALPHABLENDENABLE, SRCBLEND, DESTBLEND, added); and the colour writes
// (COLORWRITEENABLE; the picture stays opaque). It keeps without honouring: the fog (the game leaves it off, and no fog
// is ever drawn), the light, the ambient and LIGHTING (nothing is lit), the fill mode (always solid), the shade mode (a
// triangle takes its first vertex's colour, or opaque white when its vertices have none), and the sampler and
// texture-stage states (its triangles are untextured; the sprites are always filtered).
class DEVICE {
public:
    DEVICE();
    // A new device's states, no buffers and clear planes; shows the picture in the open window, or runs headless when
    // none is open. PlatformOk or a failure.
    PLATFORMRESULT Create();
    void Release();                     // gives back the window's renderer and the vertex buffers; the picture stays
    bool IsHeadless() const;            // no window shows the picture
    // Clears what the D3DCLEAR_ flags name: the picture to the 0xRRGGBB colour, opaque, the depth to z, the stencil to
    // its low byte.
    void Clear(std::uint32_t flags, std::uint32_t colour, float z, std::uint32_t stencil);
    void BeginScene();                  // nothing to prepare: draws render at once
    void EndScene();                    // nothing to finish
    void Present();                     // window: shows the picture 1:1 and waits for the next frame; headless: nothing
    void Show();                        // as Present without the wait; called by the draw benchmark to time the work
    void SetDrawPath(DRAWPATH path);    // the rasteriser its drawers use from now on; called by tests and benchmark
    DRAWPATH DrawPath() const;          // DrawFast until set
    std::uint32_t Pixel(int x, int y) const;      // the picture's pixel 0xAARRGGBB, 0 outside it
    std::uint32_t* Picture();           // the PictureWidth x PictureHeight pixels, row by row, for the drawing objects
    bool SaveScreenshot(const char* name) const;  // writes the picture as a PNG file
    std::uint32_t StencilAt(int x, int y) const;  // the stencil plane's value, 0 outside the picture
    float DepthAt(int x, int y) const;            // the depth plane's value, 1 outside the picture

    const DEVICECAPS& Caps() const;     // what the device can do
    const DEVICESTATE& State() const;   // everything set on it, for the drawing and for tests
    void SetRenderState(RENDERSTATE state, std::uint32_t value);  // a number past the kept ones is ignored
    void SetSamplerState(int sampler, SAMPLERSTATE state, std::uint32_t value);  // sampler 0's are kept
    void SetTextureStageState(int stage, TEXTURESTAGESTATE state, std::uint32_t value);  // stage 0's are kept
    void SetTransform(TRANSFORMSTATE which, const MATRIX& matrix);
    void SetLight(int index, const LIGHT& light);   // light 0 is kept
    void LightEnable(int index, bool enable);        // light 0 is kept
    void SetFVF(std::uint32_t format);               // the D3DFVF_ bits of the vertices drawn next
    // Where DrawPrimitive takes its vertices: stream 0 is kept.
    void SetStreamSource(int stream, const VERTEXBUFFER* buffer, std::uint32_t offset, std::uint32_t stride);

    // A buffer of length bytes, zeroed; null when it has no length, is longer than MaxVertexBufferBytes or the device
    // holds MaxVertexBuffers already.
    VERTEXBUFFER* CreateVertexBuffer(std::uint32_t length, std::uint32_t usage, std::uint32_t format, POOL pool);
    // The bytes from offset on (size 0: to the end), until Unlock; null when the range is not in the buffer or it is
    // locked already.
    std::uint8_t* Lock(VERTEXBUFFER* buffer, std::uint32_t offset, std::uint32_t size);
    void Unlock(VERTEXBUFFER* buffer);
    // Triangles (a list, a strip or a fan) of count primitives, the vertices stride bytes apart in the device's
    // vertex format, drawn through the states; any other primitive draws nothing.
    void DrawPrimitiveUP(PRIMITIVETYPE type, std::uint32_t count, const void* vertices, std::uint32_t stride);
    // The same from the stream source, from vertex start on; nothing when its buffer is locked or too short.
    void DrawPrimitive(PRIMITIVETYPE type, std::uint32_t start, std::uint32_t count);

private:
    // The depth and stencil planes, made for the first triangle that reads them; a clear only notes its value, and
    // the plane takes it when next read, so a frame that draws no triangle pays nothing for them.
    struct PLANES {
        std::vector<float> Depth;
        std::vector<std::uint8_t> Stencil;
        float DepthClear = 1.0f;
        std::uint8_t StencilClear = 0;
        bool DepthStale = true;    // every depth is DepthClear
        bool StencilStale = true;  // every stencil value is StencilClear
    };

    void Reset();                   // the states, buffers and planes of a new device
    void ReadyPlanes();             // the planes made and holding their last clear
    void DrawTriangles(PRIMITIVETYPE type, std::uint32_t count, const std::uint8_t* vertices, std::uint32_t stride);

    std::vector<std::uint32_t> Pixels;
    bool Headless = true;
    DRAWPATH Path = DrawFast;
    DEVICESTATE States = DefaultDeviceState();
    VERTEXBUFFER Buffers[MaxVertexBuffers];
    int BufferCount = 0;
    PLANES Planes;
};

// One sprite draw as it was asked for, kept by a recording drawer.
struct SPRITEDRAW {
    std::uint64_t Sequence = 0;  // its place among every sprite and line draw asked for, to merge recordings
    const TEXTURE* Texture = nullptr;
    bool HasSource = false;  // false: the whole texture
    RECTANGLE Source;
    VECTOR2 Scaling;
    bool HasCentre = false;  // false: turned about the top-left corner
    VECTOR2 Centre;
    float Rotation = 0.0f;
    VECTOR2 Translation;
    std::uint32_t Colour = 0;
};

// One line draw as it was asked for, kept by a recording drawer.
struct LINEDRAW {
    std::uint64_t Sequence = 0;  // its place among every sprite and line draw asked for, to merge recordings
    VECTOR2 From;
    VECTOR2 To;
    float Width = 0.0f;
    std::uint32_t Colour = 0;
};

// Draws textured pictures through an affine placement, with bilinear filtering and alpha blending.
class SPRITEDRAWER {
public:
    void Create(DEVICE* device);  // draws into this device's picture from now on; draws before Create do nothing
    void Begin();                 // nothing to prepare: every Draw renders at once
    void End();                   // nothing to finish
    // Scales the source (none: the whole texture; negative x mirrors about its left edge), turns it
    // clockwise by rotation radians about centre (pixels of the scaled picture; none: its top-left
    // corner), puts its top-left corner at translation, multiplies its texels by the 0xAARRGGBB colour
    // and blends them by alpha. No texture, or an empty source, draws nothing.
    void Draw(const TEXTURE* texture, const RECTANGLE* source, VECTOR2 scaling, const VECTOR2* centre,
              float rotation, VECTOR2 translation, std::uint32_t colour);
    void Record(std::vector<SPRITEDRAW>* into);  // records every later Draw into it, even before Create, and still draws; null stops

private:
    DEVICE* pDevice = nullptr;
    std::vector<SPRITEDRAW>* pRecording = nullptr;
};

// Draws straight lines of a set width as solid quads, blended by the colour's alpha.
class LINEDRAWER {
public:
    void Create(DEVICE* device);  // draws into this device's picture from now on; draws before Create do nothing
    void SetWidth(float width);   // the width of the following lines, 1 at first
    void Begin();                 // nothing to prepare
    void End();                   // nothing to finish
    void Draw(VECTOR2 from, VECTOR2 to, std::uint32_t colour);  // a quad centred on the segment between the two pixels' centres
    void Record(std::vector<LINEDRAW>* into);  // records every later Draw into it, even before Create, and still draws; null stops

private:
    DEVICE* pDevice = nullptr;
    std::vector<LINEDRAW>* pRecording = nullptr;
    float Width = 1.0f;
};
