// The device as start-up leaves it (its fixed states, the fog, the light, the shadow quad) with the log of a normal
// start line by line, a device that cannot make the quad, and what every drawn frame hands the device.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/eventlog.h"
#include "graphics/board.h"
#include "graphics/camera.h"
#include "graphics/drawing.h"
#include "graphics/models.h"
#include "screens/screen_state.h"
#include "shell/screen_changes.h"
#include "shell/shell.h"
#include "shell/start_up.h"
#include "tests/support/headless_program.h"
#include "tests/support/raw_files.h"
#include "world/texture_list.h"

namespace {

class DeviceStart : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StartProgramHeadless(ART_FOLDER)) << "no generated art in " ART_FOLDER; }
    void TearDown() override { StopProgramHeadless(); }
};

std::vector<std::string> LogLines()
{
    std::istringstream log(ReadRaw(EventLogName));
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);)
        lines.push_back(line.substr(0, line.size() - 1));  // less the CR
    return lines;
}

bool Same(const MATRIX& a, const MATRIX& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

// The fixed states in the order start-up sets them, the alpha test's only where the device can compare alpha so;
// the fog's values though fog stays off; one white light from above and a grey ambient.
TEST_F(DeviceStart, TheDeviceHoldsTheFixedStatesTheFogAndTheLight)
{
    const DEVICESTATE& state = Drawing.pDevice->State();
    ASSERT_TRUE(Drawing.pDevice->Caps().AlphaCmpCaps & D3DPCMPCAPS_GREATEREQUAL);
    for (const auto& [name, value] : std::initializer_list<std::pair<RENDERSTATE, std::uint32_t>>{
             {D3DRS_ZFUNC, D3DCMP_LESS}, {D3DRS_ZENABLE, D3DZB_TRUE}, {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
             {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA}, {D3DRS_ALPHAREF, 136}, {D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL},
             {D3DRS_ALPHABLENDENABLE, 0}, {D3DRS_ALPHATESTENABLE, 0}, {D3DRS_FOGVERTEXMODE, D3DFOG_LINEAR},
             {D3DRS_FOGCOLOR, 0x444444}, {D3DRS_FOGSTART, FloatBits(0.1f)}, {D3DRS_FOGEND, FloatBits(500.0f)},
             {D3DRS_FOGENABLE, 0}, {D3DRS_AMBIENT, 0x888888}})
        EXPECT_EQ(state.RenderStates[name], value) << "render state " << name;
    for (SAMPLERSTATE filter : {D3DSAMP_MAGFILTER, D3DSAMP_MINFILTER, D3DSAMP_MIPFILTER})
        EXPECT_EQ(state.SamplerStates[filter], D3DTEXF_LINEAR) << "sampler state " << filter;
    EXPECT_TRUE(state.StageStates[D3DTSS_ALPHAARG1] == D3DTA_TEXTURE &&
                state.StageStates[D3DTSS_ALPHAARG2] == D3DTA_DIFFUSE &&
                state.StageStates[D3DTSS_ALPHAOP] == D3DTOP_SELECTARG1);

    const LIGHT& light = state.Light0;
    const float expected[] = {1, 1, 1, 0, 1, 1, 1, 1, 0, 1000, 150, 0, -1, 0, 0, 1, 0, 0};
    const float actual[] = {light.Diffuse.R,  light.Diffuse.G,   light.Diffuse.B,     light.Diffuse.A,
                            light.Specular.R, light.Specular.G,  light.Specular.B,    light.Specular.A,
                            light.Position.X, light.Position.Y,  light.Position.Z,    light.Direction.X,
                            light.Direction.Y, light.Direction.Z, light.Range,         light.Attenuation0,
                            light.Attenuation1, light.Ambient.R};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), std::begin(actual)));
    EXPECT_TRUE(state.Light0Enabled && light.Type == D3DLIGHT_DIRECTIONAL);
}

// (0, 512), (0, 0), (640, 512), (640, 0): a strip over the whole picture in black at alpha 127.
TEST_F(DeviceStart, TheShadowQuadSpansThePictureInItsOrder)
{
    ASSERT_NE(Drawing.pShadowQuad, nullptr);
    const VERTEXBUFFER& quad = *Drawing.pShadowQuad;
    EXPECT_TRUE(quad.Bytes.size() == 80 && quad.Format == (D3DFVF_XYZRHW | D3DFVF_DIFFUSE) &&
                quad.Usage == D3DUSAGE_WRITEONLY && quad.Pool == D3DPOOL_MANAGED && !quad.Locked);
    SCREENVERTEX corners[4];
    std::memcpy(corners, quad.Bytes.data(), sizeof corners);
    const float expected[4][2] = {{0, 512}, {0, 0}, {640, 512}, {640, 0}};
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(corners[i].X == expected[i][0] && corners[i].Y == expected[i][1] && corners[i].Z == 0.0f &&
                    corners[i].Rhw == 1.0f && corners[i].Diffuse == 0x7f000000u) << i;
}

// The device's lines, the shadow quad, each font's 95 glyphs and the 92 textures in the list's order.
TEST_F(DeviceStart, ANormalStartLogsEachStepInItsOrder)
{
    const std::vector<std::string> lines = LogLines();
    const std::vector<std::string> device = {"Direct3DCreate9: , 0, 0", "Hardware rendering detected: , 0, 0",
                                             "GetAdapterDisplayMode: , 0, 0", "CreateDevice: , 0, 0",
                                             "32-bit Textures: , 0, 0", "Hardware Rendering: , 0, 0",
                                             "Shadow poly creation OK.: , 0, 0"};
    ASSERT_EQ(lines.size(), device.size() + 2 * 95 + TextureListRows);
    EXPECT_TRUE(std::equal(device.begin(), device.end(), lines.begin()));
    EXPECT_EQ(lines[device.size()], "FONT::LoadFont: FT_Backing.dds, 0, 0");
    EXPECT_EQ(lines[device.size() + 95], "FONT::LoadFont: _Small.dds, 0, 0");
    for (int i = 0; i < 2 * 95; i++) {
        const std::string& line = lines[device.size() + i];
        const std::string number = ", " + std::to_string(i % 95) + ", 0";
        EXPECT_TRUE(line.rfind("FONT::LoadFont: ", 0) == 0 &&
                    line.compare(line.size() - number.size(), number.size(), number) == 0) << line;
    }
    for (int r = 0; r < TextureListRows; r++)
        EXPECT_EQ(lines[device.size() + 190 + r], std::string("TARNWICK::InitD3D Texture load: ") +
                                                      TextureList[r].Name + ", " + std::to_string(r) + ", 0");
}

// A device that holds all the buffers it can makes no quad: the log says so and the shadow quad draws nothing.
TEST(ShadowQuad, ADeviceThatCannotMakeTheQuadLogsItAndDrawsNoShadow)
{
    DEVICE device;
    ASSERT_EQ(device.Create(), PlatformOk);
    while (device.CreateVertexBuffer(20, 0, 0, D3DPOOL_DEFAULT) != nullptr) {
    }
    EXPECT_EQ(CreateShadowQuad(device), nullptr);
    EXPECT_EQ(ReadRaw(EventLogName), "Shadow poly creation failed.: , 0, 0\r\n");
    Drawing.pDevice = &device;
    device.Clear(D3DCLEAR_TARGET, 0x808080, 1.0f, 1);
    EXPECT_EQ(DrawShadowQuad(), 0);
    EXPECT_EQ(device.Pixel(320, 256), 0xff808080u);
    Drawing = DRAWING();
}

// Whatever was left on the device, a drawn frame hands it the camera's view and projection, sets the light again,
// compares depth by LESS and clears every plane; in play the board's fill mode is applied.
TEST_F(DeviceStart, EveryDrawnFrameHandsTheDeviceTheCameraTheLightAndTheFillMode)
{
    Screens.TitleChoice = 0;
    Screens.PlayerCount = 2;
    StartGame();
    DEVICE& device = *Drawing.pDevice;
    device.LightEnable(0, false);
    device.SetLight(0, LIGHT());
    device.SetRenderState(D3DRS_AMBIENT, 0);
    device.SetRenderState(D3DRS_ZFUNC, D3DCMP_ALWAYS);
    device.SetRenderState(D3DRS_FILLMODE, D3DFILL_POINT);
    device.Clear(D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0, 0.5f, 9);
    BoardView.FillMode = D3DFILL_WIREFRAME;
    Camera.CameraYaw = 30.0f;
    DrawScreenFrame();
    const DEVICESTATE& state = device.State();
    EXPECT_TRUE(Same(state.View, Camera.matView) && Same(state.Projection, Camera.matProj));
    EXPECT_NE(Camera.matView._11, 1.0f) << "the turned camera's view";
    EXPECT_TRUE(state.Light0Enabled && state.Light0.Type == D3DLIGHT_DIRECTIONAL && state.Light0.Position.Y == 1000.0f);
    EXPECT_EQ(state.RenderStates[D3DRS_AMBIENT], 0x888888u);
    EXPECT_EQ(state.RenderStates[D3DRS_ZFUNC], D3DCMP_LESS);
    EXPECT_EQ(state.RenderStates[D3DRS_FILLMODE], D3DFILL_WIREFRAME);
    EXPECT_TRUE(device.DepthAt(300, 300) == 1.0f && device.StencilAt(300, 300) == 0);

    GoToTitle();
    device.SetRenderState(D3DRS_FILLMODE, D3DFILL_POINT);
    DrawScreenFrame();
    EXPECT_EQ(state.RenderStates[D3DRS_FILLMODE], D3DFILL_POINT) << "only a game frame applies the fill mode";
}
