// Bringing the game up once: the art folder, the device with its fixed states, the sprite and line objects, the
// capability lines of the event log, the shadow quad, the fog and the light, the fonts and the textures; and the way
// out when a step of it fails.
#include "shell/start_up.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>
#include <vector>

#include "base/eventlog.h"
#include "base/files.h"
#include "base/text.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "graphics/models.h"
#include "graphics/textures.h"
#include "platform/window.h"
#include "world/texture_list.h"

namespace {

DEVICE Device;
SPRITEDRAWER Sprite2D;
LINEDRAWER Line;

constexpr std::uint32_t ShadowColour = 0x7f000000;  // black at alpha 127
constexpr std::uint32_t AlphaReference = 0x88;       // the alpha test's reference, kept though the test stays off
constexpr std::uint32_t FogColour = 0x444444;
constexpr float FogStart = 0.1f;
constexpr float FogEnd = 500.0f;
constexpr std::uint32_t AmbientLight = 0x888888;

constexpr char TextureFolder[] = "Textures\\";  // in the working folder: the images' files and the fonts' folder

// The capability lines, in the order the log shows them.
struct CAPSLINE {
    std::uint16_t Bit;
    const char* Text;
};
const CAPSLINE CapsLines[] = {
    {Caps8BitTextures, "8-bit Textures"},
    {Caps16BitTextures, "16-bit Textures"},
    {Caps32BitTextures, "32-bit Textures"},
    {CapsHardwareRendering, "Hardware Rendering"},
    {CapsHardwareTransform, "Hardware T&L"},
};

void Log(const char* event)
{
    LogError(event, "", 0, 0);
}

// The system's name of a folder as the texture list and the fonts name theirs: "\\" after it there, nothing here.
std::string HostFolder(const char* folder)
{
    std::string name = HostPath(folder);
    name.pop_back();
    return name;
}

std::vector<const char*> PictureFiles()
{
    std::vector<const char*> files;
    for (int r = 0; r < TextureListRows; r++)
        files.push_back(TextureList[r].Name);
    return files;
}

// The files the fonts' glyphs name; a glyph without one draws from another glyph's texture.
std::vector<const char*> FontFiles()
{
    std::vector<const char*> files;
    for (const GLYPH* font : {LargeFontTable, SmallFontTable})
        for (int i = 0; i < FontGlyphs; i++)
            if (font[i].File[0] != '\0')
                files.push_back(font[i].File);
    return files;
}

// Whether any of the files is in the folder, each looked at by name alone, as a file may be large. One is enough to
// start: a file that then fails to load is named. When none is, reason is the first failure other than absence, as
// the system words it, or clear when every one is simply absent.
bool AnyFileReached(const char* folder, const std::vector<const char*>& files, std::error_code& reason)
{
    reason.clear();
    for (const char* file : files) {
        std::error_code error;
        const std::string path = HostPath(JoinStrings(folder, file).c_str());
        static_cast<void>(std::filesystem::status(path, error));  // its error alone
        if (!error)
            return true;
        if (!reason && error != std::errc::no_such_file_or_directory)
            reason = error;
    }
    return false;
}

// The message that stops the start-up when none of the files can be reached in the folder, what naming them in it;
// empty when one can. The folder is looked at by its relative name, which holds however long the working folder's
// path is; the full path is only for the message, and advice follows it only when the folder is missing.
std::string NoneReached(const char* what, const char* folder, const std::vector<const char*>& files,
                        const std::string& advice)
{
    const std::string relative = HostFolder(folder);
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(relative, error);
    const std::string name = error ? relative : full.string();
    const std::string subject = JoinStrings("The game's ", what);
    static_cast<void>(std::filesystem::status(relative, error));  // its error alone
    if (error == std::errc::no_such_file_or_directory)
        return subject + " were not found: there is no folder " + name + "." + advice;
    if (!error && AnyFileReached(folder, files, error))
        return "";
    return error ? subject + " cannot be read from the folder " + name + ": " + error.message() + "."
                 : subject + " were not found: the folder " + name + " holds none of them.";
}

}  // namespace

// Our device always renders: the check for a rendering device cannot fail, so
// it is logged as passed. The texture formats are those our textures hold:
// 32-bit colour with alpha only; there is no hardware transform and lighting.
void TARNWICK::InitD3D(void (*pumpMessage)())
{
    std::uint16_t caps = 0;
    Log("Direct3DCreate9");
    Log("Hardware rendering detected");
    caps |= CapsHardwareRendering;
    caps |= CreateD3DDevice();
    for (const CAPSLINE& line : CapsLines)
        if (caps & line.Bit)
            Log(line.Text);

    Drawing.pShadowQuad = CreateShadowQuad(*Drawing.pDevice);
    SetupFog();
    SetupLight();

    Models.SetDevice(Drawing.pDevice);
    Textures.SetDevice(Drawing.pDevice);
    Models.SetTextures(&Textures);

    // The large font loads first, so its glyphs take the first entries of the texture table.
    FontLarge.Reset();
    FontLarge.SetTextures(&Textures);
    FontLarge.InitLargeFont(Drawing.pDevice);
    FontSmall.Reset();
    FontSmall.SetTextures(&Textures);
    FontSmall.InitSmallFont(Drawing.pDevice);

    // Row r goes to the entry after the large font's glyphs, 95 + r, which is
    // where every 2-D image is drawn from. One window message after each
    // texture keeps the window answering while they load.
    const int firstImageEntry = FontLarge.GetNumberOfGlyphs();
    for (int r = 0; r < TextureListRows; r++) {
        const TEXTUREFILE& row = TextureList[r];
        LogError("TARNWICK::InitD3D Texture load", row.Name, r, 0);
        Textures.LoadTexture(TextureFolder, row.Name, Textures.TextureSlot(firstImageEntry + r), nullptr,
                             row.ColourKey, row.MipFilter);
        pumpMessage();
    }
}

// Without a picture the game would be a black window, and without a font every text would be blank, each file
// printing a line of its own: one plain message instead, before the window opens. The fonts' folder lies in the
// pictures', so the pictures are looked for first and a missing art folder is said once.
void CheckArtFolder()
{
    const std::string art = HostFolder(TextureFolder);
    std::string text = NoneReached("pictures", TextureFolder, PictureFiles(),
                                   "\nThe game looks for them in \"" + art + "\" in the folder it is started from. "
                                   "Start it with scripts/play, which paints the art, links it as \"" + art +
                                   "\" into the game's own folder and starts the game there.");
    if (text.empty())
        text = NoneReached("fonts", FontFolder, FontFiles(), "");
    if (text.empty())
        return;
    LogError(text.substr(0, text.find('\n')).c_str(), "", 0, 0);
    StartUpFailed(text.c_str());
}

std::uint16_t CreateD3DDevice()
{
    const int result = Device.Create();
    Log("GetAdapterDisplayMode");
    if (result == PlatformNoDisplayMode)
        FatalError(1000.0f, PlatformFailureReason());
    Log("CreateDevice");
    if (result != PlatformOk)
        FatalError(1003.0f, PlatformFailureReason());
    Drawing.pDevice = &Device;

    // The states that hold for the whole run. The alpha test's reference and function are set only where the
    // device can compare alpha so; the test itself stays off.
    Device.SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
    Device.SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    Device.SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    Device.SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    Device.SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR);
    Device.SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    Device.SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    Device.SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
    Device.SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    Device.SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    if (Device.Caps().AlphaCmpCaps & D3DPCMPCAPS_GREATEREQUAL) {
        Device.SetRenderState(D3DRS_ALPHAREF, AlphaReference);
        Device.SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    }

    Sprite2D.Create(Drawing.pDevice);
    Drawing.pSprite2D = &Sprite2D;
    Line.Create(Drawing.pDevice);
    Drawing.pLine = &Line;
    return Caps32BitTextures;
}

// A strip of two triangles over the whole picture, wound clockwise so the default culling keeps it.
VERTEXBUFFER* CreateShadowQuad(DEVICE& device)
{
    constexpr int Corners = 4;
    VERTEXBUFFER* quad = device.CreateVertexBuffer(Corners * sizeof(SCREENVERTEX), D3DUSAGE_WRITEONLY,
                                                   ScreenVertexFormat, D3DPOOL_MANAGED);
    if (quad == nullptr) {
        Log("Shadow poly creation failed.");
        return nullptr;
    }
    Log("Shadow poly creation OK.");
    const float width = static_cast<float>(PictureWidth);
    const float height = static_cast<float>(PictureHeight);
    const SCREENVERTEX corners[Corners] = {
        {0.0f, height, 0.0f, 1.0f, ShadowColour},
        {0.0f, 0.0f, 0.0f, 1.0f, ShadowColour},
        {width, height, 0.0f, 1.0f, ShadowColour},
        {width, 0.0f, 0.0f, 1.0f, ShadowColour},
    };
    if (std::uint8_t* bytes = device.Lock(quad, 0, 0)) {
        std::memcpy(bytes, corners, sizeof corners);
        device.Unlock(quad);
    }
    return quad;
}

// Fog stays off for the whole run: only its values are set.
void SetupFog()
{
    DEVICE* device = Drawing.pDevice;
    if (device == nullptr)
        return;
    device->SetRenderState(D3DRS_FOGVERTEXMODE, D3DFOG_LINEAR);
    device->SetRenderState(D3DRS_FOGCOLOR, FogColour);
    device->SetRenderState(D3DRS_FOGSTART, FloatBits(FogStart));
    device->SetRenderState(D3DRS_FOGEND, FloatBits(FogEnd));
}

// One white light from above, and a grey ambient.
void SetupLight()
{
    DEVICE* device = Drawing.pDevice;
    if (device == nullptr)
        return;
    LIGHT light;
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 0.0f};
    light.Specular = {1.0f, 1.0f, 1.0f, 1.0f};
    light.Position = {0.0f, 1000.0f, 150.0f};
    light.Direction = {0.0f, -1.0f, 0.0f};
    light.Range = 0.0f;
    light.Attenuation0 = 1.0f;
    device->SetLight(0, light);
    device->LightEnable(0, true);
    device->SetRenderState(D3DRS_AMBIENT, AmbientLight);
}

void ReleaseDevice()
{
    if (Drawing.pDevice != nullptr)
        Drawing.pDevice->Release();
    Drawing = DRAWING();
}

// The box reads "Error Code : " and the code with four decimals, under the window's title; a known reason
// follows on a line of its own, in words the player can act on.
void FatalError(float code, const char* reason)
{
    std::string text = "Error Code : " + FloatToText(code);
    if (reason != nullptr && reason[0] != '\0')
        text += std::string("\n") + reason;
    StartUpFailed(text.c_str());
}

void StartUpFailed(const char* text)
{
    ShowMessageBox("Tollmarrow", text);
    CloseMainWindow();
    std::exit(1);
}
