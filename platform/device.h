// The drawing device: the picture that textured sprites and lines are drawn into, shown in the window or kept
// headless, and its drawers. Declared here; drawn in device.cpp, shown in the window by device_window.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/picture.h"
#include "platform/platform_result.h"

// The one drawing device. Every draw renders into the picture at once, in call order. Create, Release, Present
// and Show are its window half, in device_window.cpp; the rest is in device.cpp.
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
    std::uint32_t* Picture();           // the PictureWidth x PictureHeight pixels, row by row, for the drawing objects
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
