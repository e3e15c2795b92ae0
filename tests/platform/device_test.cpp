// The device's own triangles through its states: blending, colour writes, culling, the stencil, depth and alpha
// tests, the transforms and the near plane; its vertex buffers, its clears, and a new device's states.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "platform/device.h"

namespace {

constexpr std::uint32_t Under = 0xff204060u;  // the picture before each draw

class Device : public testing::Test {
protected:
    DEVICE Screen;

    void SetUp() override
    {
        ASSERT_EQ(Screen.Create(), PlatformOk);
        Screen.Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, Under, 1.0f, 0);
    }

    // A triangle over the picture's top-left corner at depth 0.5, clockwise on the picture unless turned.
    void DrawCorner(std::uint32_t colour, bool clockwise = true)
    {
        SCREENVERTEX corners[3] = {{0, 0, 0.5f, 1, colour}, {100, 0, 0.5f, 1, colour}, {0, 100, 0.5f, 1, colour}};
        if (!clockwise)
            std::swap(corners[1], corners[2]);
        Screen.SetFVF(ScreenVertexFormat);
        Screen.DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, corners, sizeof(SCREENVERTEX));
    }

    void DrawInSpace(std::initializer_list<VECTOR3> corners)
    {
        const std::vector<VECTOR3> points(corners);
        Screen.SetFVF(D3DFVF_XYZ);
        Screen.DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, points.data(), sizeof(VECTOR3));
    }
};

}  // namespace

// Each case sets its states on a new device, draws the corner once and reads pixel (10, 10) and its planes.
TEST_F(Device, ATrianglesPixelsGoThroughTheStatesAsSet)
{
    struct CASE {
        const char* Name;
        std::vector<std::pair<RENDERSTATE, std::uint32_t>> States;
        std::uint32_t Colour;
        bool Clockwise;
        std::uint32_t Pixel, Stencil;
        float Depth;
    };
    const CASE cases[] = {
        {"without blending, the colour", {}, 0x80ff0000, true, 0xffff0000, 0, 0.5f},
        {"source alpha over the picture",
         {{D3DRS_ALPHABLENDENABLE, 1}, {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA}, {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA}},
         0x80ff0000, true, 0xff902030, 0, 0.5f},
        {"zero and one keep the picture",
         {{D3DRS_ALPHABLENDENABLE, 1}, {D3DRS_SRCBLEND, D3DBLEND_ZERO}, {D3DRS_DESTBLEND, D3DBLEND_ONE}},
         0xffabcdef, true, Under, 0, 0.5f},
        {"each by itself and the picture by its inverse",
         {{D3DRS_ALPHABLENDENABLE, 1}, {D3DRS_SRCBLEND, D3DBLEND_SRCCOLOR}, {D3DRS_DESTBLEND, D3DBLEND_INVSRCCOLOR}},
         0x00808080, true, 0xff506070, 0, 0.5f},
        {"times the picture, and the picture by its inverse",
         {{D3DRS_ALPHABLENDENABLE, 1}, {D3DRS_SRCBLEND, D3DBLEND_DESTCOLOR}, {D3DRS_DESTBLEND, D3DBLEND_INVDESTCOLOR}},
         0x00ffffff, true, 0xff3c709c, 0, 0.5f},
        {"the opaque picture's alpha weighs all",
         {{D3DRS_ALPHABLENDENABLE, 1}, {D3DRS_SRCBLEND, D3DBLEND_DESTALPHA}, {D3DRS_DESTBLEND, D3DBLEND_INVDESTALPHA}},
         0x00abcdef, true, 0xffabcdef, 0, 0.5f},
        {"green written alone", {{D3DRS_COLORWRITEENABLE, D3DCOLORWRITEENABLE_GREEN}}, 0xffabcdef, true, 0xff20cd60,
         0, 0.5f},
        {"counter-clockwise culled at first", {}, 0xffabcdef, false, Under, 0, 1.0f},
        {"clockwise culled by CW", {{D3DRS_CULLMODE, D3DCULL_CW}}, 0xffabcdef, true, Under, 0, 1.0f},
        {"either side drawn without culling", {{D3DRS_CULLMODE, D3DCULL_NONE}}, 0xffabcdef, false, 0xffabcdef, 0,
         0.5f},
        {"stencil replaced where drawn",
         {{D3DRS_STENCILENABLE, 1}, {D3DRS_STENCILPASS, D3DSTENCILOP_REPLACE}, {D3DRS_STENCILREF, 5}}, 0xffabcdef,
         true, 0xffabcdef, 5, 0.5f},
        {"a failed stencil test draws nothing and counts its own way",
         {{D3DRS_STENCILENABLE, 1}, {D3DRS_STENCILFUNC, D3DCMP_EQUAL}, {D3DRS_STENCILREF, 3},
          {D3DRS_STENCILFAIL, D3DSTENCILOP_INCR}},
         0xffabcdef, true, Under, 1, 1.0f},
        {"a reference equal to the count is not greater than it",
         {{D3DRS_STENCILENABLE, 1}, {D3DRS_STENCILFUNC, D3DCMP_GREATER}, {D3DRS_STENCILREF, 0},
          {D3DRS_STENCILFAIL, D3DSTENCILOP_INCR}},
         0xffabcdef, true, Under, 1, 1.0f},
        {"a reference above the count is greater",
         {{D3DRS_STENCILENABLE, 1}, {D3DRS_STENCILFUNC, D3DCMP_GREATER}, {D3DRS_STENCILREF, 1},
          {D3DRS_STENCILFAIL, D3DSTENCILOP_INCR}},
         0xffabcdef, true, 0xffabcdef, 0, 0.5f},
        {"a count down from 0 wraps", {{D3DRS_STENCILENABLE, 1}, {D3DRS_STENCILPASS, D3DSTENCILOP_DECR}},
         0xffabcdef, true, 0xffabcdef, 255, 0.5f},
        {"a saturating count down stays at 0", {{D3DRS_STENCILENABLE, 1}, {D3DRS_STENCILPASS, D3DSTENCILOP_DECRSAT}},
         0xffabcdef, true, 0xffabcdef, 0, 0.5f},
        {"the write mask keeps the other bits",
         {{D3DRS_STENCILENABLE, 1}, {D3DRS_STENCILPASS, D3DSTENCILOP_REPLACE}, {D3DRS_STENCILREF, 0xff},
          {D3DRS_STENCILWRITEMASK, 0x0f}},
         0xffabcdef, true, 0xffabcdef, 0x0f, 0.5f},
        {"a failed depth test draws nothing and counts by ZFAIL",
         {{D3DRS_ZFUNC, D3DCMP_GREATER}, {D3DRS_STENCILENABLE, 1}, {D3DRS_STENCILZFAIL, D3DSTENCILOP_INCR}},
         0xffabcdef, true, Under, 1, 1.0f},
        {"without the depth test, drawn and no depth written",
         {{D3DRS_ZENABLE, D3DZB_FALSE}, {D3DRS_ZFUNC, D3DCMP_NEVER}}, 0xffabcdef, true, 0xffabcdef, 0, 1.0f},
        {"depth tested but not written", {{D3DRS_ZWRITEENABLE, 0}}, 0xffabcdef, true, 0xffabcdef, 0, 1.0f},
        {"alpha under the reference fails",
         {{D3DRS_ALPHATESTENABLE, 1}, {D3DRS_ALPHAREF, 0x88}, {D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL}}, 0x87abcdef,
         true, Under, 0, 1.0f},
        {"alpha at the reference passes",
         {{D3DRS_ALPHATESTENABLE, 1}, {D3DRS_ALPHAREF, 0x88}, {D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL}}, 0x88abcdef,
         true, 0xffabcdef, 0, 0.5f},
    };
    for (const CASE& test : cases) {
        SetUp();
        for (const auto& [state, value] : test.States)
            Screen.SetRenderState(state, value);
        DrawCorner(test.Colour, test.Clockwise);
        EXPECT_EQ(Screen.Pixel(10, 10), test.Pixel) << test.Name;
        EXPECT_EQ(Screen.StencilAt(10, 10), test.Stencil) << test.Name;
        EXPECT_EQ(Screen.DepthAt(10, 10), test.Depth) << test.Name;
        EXPECT_EQ(Screen.Pixel(90, 90), Under) << test.Name << ": past the long edge";
    }
}

// Positions in space go through world, view and projection onto the picture: with all three the identity, x and y
// from -1 to 1 span it; the world moves them. What lies before the near plane (depth below 0) is cut away.
TEST_F(Device, PositionsInSpaceGoThroughTheTransformsAndAreCutAtTheNearPlane)
{
    DrawInSpace({{-1, 1, 0.5f}, {0, 1, 0.5f}, {-1, 0, 0.5f}});
    EXPECT_TRUE(Screen.Pixel(10, 10) == 0xffffffffu && Screen.Pixel(330, 10) == Under);
    MATRIX right = IdentityMatrix();
    right._41 = 1.0f;
    Screen.SetTransform(D3DTS_WORLD, right);
    Screen.Clear(D3DCLEAR_TARGET, Under, 1.0f, 0);
    DrawInSpace({{-1, 1, 0.5f}, {0, 1, 0.5f}, {-1, 0, 0.5f}});
    EXPECT_TRUE(Screen.Pixel(10, 10) == Under && Screen.Pixel(330, 10) == 0xffffffffu);

    Screen.SetTransform(D3DTS_WORLD, IdentityMatrix());
    Screen.SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    Screen.Clear(D3DCLEAR_TARGET, Under, 1.0f, 0);
    DrawInSpace({{-1, 1, -1}, {1, 1, -1}, {-1, -1, 1}});
    EXPECT_EQ(Screen.Pixel(10, 250), Under) << "the upper half lies before the near plane";
    EXPECT_TRUE(Screen.Pixel(10, 262) == 0xffffffffu && Screen.Pixel(400, 262) == Under) << "cut at x 0 and -1";

    Screen.Clear(D3DCLEAR_TARGET, Under, 1.0f, 0);
    const VECTOR3 fan[] = {{-1, 1, 0.5f}, {1, 1, 0.5f}, {1, -1, 0.5f}, {-1, -1, 0.5f}};
    Screen.DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, fan, sizeof(VECTOR3));
    EXPECT_TRUE(Screen.Pixel(620, 100) == 0xffffffffu && Screen.Pixel(100, 490) == 0xffffffffu) << "a fan";
}

// A buffer is made zeroed, within the device's bounds; it is read whole or in part between Lock and Unlock, and
// nothing draws from it while it is locked or past its end. A new device keeps none of the old one's.
TEST_F(Device, VertexBuffersAreMadeLockedAndDrawnWithinTheirBounds)
{
    EXPECT_EQ(Screen.CreateVertexBuffer(0, 0, ScreenVertexFormat, D3DPOOL_MANAGED), nullptr);
    EXPECT_EQ(Screen.CreateVertexBuffer(MaxVertexBufferBytes + 1, 0, ScreenVertexFormat, D3DPOOL_MANAGED), nullptr);
    VERTEXBUFFER* buffer = Screen.CreateVertexBuffer(60, D3DUSAGE_WRITEONLY, ScreenVertexFormat, D3DPOOL_MANAGED);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(Screen.Lock(buffer, 60, 0), nullptr);
    EXPECT_EQ(Screen.Lock(buffer, 40, 21), nullptr);
    std::uint8_t* bytes = Screen.Lock(buffer, 0, 0);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes[59], 0);
    EXPECT_EQ(Screen.Lock(buffer, 0, 0), nullptr) << "locked already";
    const SCREENVERTEX corners[3] = {{0, 0, 0, 1, 0xffabcdef}, {100, 0, 0, 1, 0xffabcdef}, {0, 100, 0, 1, 0xffabcdef}};
    std::memcpy(bytes, corners, sizeof corners);
    Screen.SetFVF(ScreenVertexFormat);
    Screen.SetStreamSource(0, buffer, 0, sizeof(SCREENVERTEX));
    Screen.DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1);
    EXPECT_EQ(Screen.Pixel(10, 10), Under) << "drawn while locked";
    Screen.Unlock(buffer);
    Screen.DrawPrimitive(D3DPT_TRIANGLELIST, 1, 1);
    EXPECT_EQ(Screen.Pixel(10, 10), Under) << "drawn past the end";
    Screen.DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1);
    EXPECT_EQ(Screen.Pixel(10, 10), 0xffabcdefu);

    for (int i = 1; i < MaxVertexBuffers; i++)
        EXPECT_NE(Screen.CreateVertexBuffer(20, 0, 0, D3DPOOL_DEFAULT), nullptr);
    EXPECT_EQ(Screen.CreateVertexBuffer(20, 0, 0, D3DPOOL_DEFAULT), nullptr) << "the device holds as many as it can";
    ASSERT_EQ(Screen.Create(), PlatformOk);
    EXPECT_NE(Screen.CreateVertexBuffer(20, 0, 0, D3DPOOL_DEFAULT), nullptr);
}

// A new device stands in its defaults whatever was set before; a state, sampler, stage or light it does not keep is
// ignored. A clear of the planes leaves the picture, and the picture's clear the planes.
TEST_F(Device, ANewDeviceHasTheDefaultsAndAClearTouchesOnlyWhatItNames)
{
    Screen.SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    Screen.SetRenderState(static_cast<RENDERSTATE>(RenderStateCount), 1);
    Screen.SetSamplerState(1, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    Screen.SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    Screen.LightEnable(1, true);
    const DEVICESTATE& state = Screen.State();
    EXPECT_TRUE(state.SamplerStates[D3DSAMP_MAGFILTER] == D3DTEXF_POINT &&
                state.StageStates[D3DTSS_COLOROP] == D3DTOP_MODULATE && !state.Light0Enabled);
    ASSERT_EQ(Screen.Create(), PlatformOk);
    EXPECT_EQ(state.RenderStates[D3DRS_CULLMODE], D3DCULL_CCW);
    EXPECT_TRUE(state.RenderStates[D3DRS_ALPHABLENDENABLE] == 0 && state.RenderStates[D3DRS_ALPHATESTENABLE] == 0 &&
                state.RenderStates[D3DRS_ALPHAFUNC] == D3DCMP_ALWAYS && state.RenderStates[D3DRS_ALPHAREF] == 0);
    EXPECT_TRUE(state.RenderStates[D3DRS_STENCILMASK] == 0xffffffffu && state.RenderStates[D3DRS_LIGHTING] == 1 &&
                state.RenderStates[D3DRS_COLORWRITEENABLE] == 0xfu && state.RenderStates[D3DRS_ZENABLE] == D3DZB_TRUE);

    Screen.Clear(D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0x123456, 0.25f, 0x107);
    EXPECT_TRUE(Screen.Pixel(5, 5) == Under && Screen.DepthAt(5, 5) == 0.25f && Screen.StencilAt(5, 5) == 7);
    Screen.Clear(D3DCLEAR_TARGET, 0x123456, 1.0f, 0);
    EXPECT_TRUE(Screen.Pixel(5, 5) == 0xff123456u && Screen.DepthAt(5, 5) == 0.25f && Screen.StencilAt(5, 5) == 7);
}
