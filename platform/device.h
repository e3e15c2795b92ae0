// The drawing device: a 640 x 512 picture that textured sprites and lines are drawn into, shown in the window or kept headless.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/dds.h"
#include "platform/input.h"

// Results of starting the window and the device.
enum PLATFORMRESULT : int {
    PlatformOk = 0,
    PlatformNoVideo = 1,        // the video system did not start
    PlatformNoWindow = 2,       // the window could not be created
    PlatformNoDisplayMode = 3,  // the display's current mode could not be read
    PlatformNoRenderer = 4,     // neither an accelerated nor a software renderer could show the picture
};

const char* PlatformFailureReason();  // why the last failed OpenMainWindow or DEVICE::Create failed, one line for the player; empty before any failure

struct VECTOR2 {
    float X = 0.0f;
    float Y = 0.0f;
};

// A rectangle of texels or pixels; Right and Bottom are one past the last column and row.
struct RECTANGLE {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// A picture to draw from, its texels 0xAARRGGBB exactly as created.
class TEXTURE {
public:
    bool Create(IMAGE image);             // takes the image's pixels; false, and empty, for an image without pixels
    int Width() const;                    // texels per row, 0 before Create
    int Height() const;                   // rows, 0 before Create
    std::uint32_t Texel(int x, int y) const;  // the texel at (x, y), which must lie inside
    const std::uint32_t* Row(int y) const     // the texels of row y, which must lie inside
    {
        return Texels.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(Texels.Width);
    }

private:
    IMAGE Texels;
};

// Which rasteriser the drawers render with: the fast one, or the plain scalar one it is checked against.
enum DRAWPATH : int {
    DrawFast = 0,       // the game's, and every device's at first: on AVX2 where the processor has it
    DrawSse2 = 1,       // the fast one held to SSE2, as on processors without AVX2
    DrawReference = 2,  // one pixel at a time, for the tests and the draw benchmark
};

// The one drawing device. Every draw renders into the picture at once, in call order.
class DEVICE {
public:
    DEVICE();
    PLATFORMRESULT Create();            // shows the picture in the open window, or runs headless when none is open; PlatformOk or a failure
    void Release();                     // gives back the window's renderer; the picture stays
    bool IsHeadless() const;            // no window shows the picture
    void Clear(std::uint32_t colour);   // every pixel becomes the 0xRRGGBB colour, opaque
    void BeginScene();                  // nothing to prepare: draws render at once
    void EndScene();                    // nothing to finish
    void Present();                     // window: shows the picture 1:1 and waits for the next frame; headless: nothing
    void Show();                        // as Present without the wait; called by the draw benchmark to time the work
    void SetDrawPath(DRAWPATH path);    // the rasteriser its drawers use from now on; called by tests and benchmark
    DRAWPATH DrawPath() const;          // DrawFast until set
    std::uint32_t Pixel(int x, int y) const;      // the picture's pixel 0xAARRGGBB, 0 outside it
    std::uint32_t* Picture();           // the 640 x 512 pixels, row by row, for the drawing objects
    bool SaveScreenshot(const char* name) const;  // writes the picture as a PNG file

private:
    std::vector<std::uint32_t> Pixels;
    bool Headless = true;
    DRAWPATH Path = DrawFast;
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
