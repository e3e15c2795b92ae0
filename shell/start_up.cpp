// Bringing the game up once: the art folder, the device, the sprite and line objects, the capability lines of
// the event log, the fonts and the textures; and the way out when a step of it fails.
#include "shell/start_up.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "base/eventlog.h"
#include "base/text.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "graphics/models.h"
#include "graphics/textures.h"
#include "platform/window.h"

namespace {

DEVICE Device;
SPRITEDRAWER Sprite2D;
LINEDRAWER Line;

constexpr char ArtFolder[] = "Textures";         // in the working folder: the fonts' and the images' files
constexpr char TextureFolder[] = "Textures\\";  // the same folder as the texture list names it

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

    // The game draws no shadows, but its log has always said the step passed.
    Log("Shadow poly creation OK.");

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

// Without the folder every picture would be missing, one line each, and the game a black window:
// one plain word instead, with the full path that was looked for.
void CheckArtFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(ArtFolder, error);
    if (std::filesystem::is_directory(folder, error))
        return;
    const std::string text = "The game's pictures were not found: there is no folder " + folder.string() +
                             ".\nThe game looks for them in \"" + ArtFolder +
                             "\" in the folder it is started from. Start it with scripts/play, which paints the art, "
                             "links it as \"" + ArtFolder + "\" into the game's own folder and starts the game there.";
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
    Sprite2D.Create(Drawing.pDevice);
    Drawing.pSprite2D = &Sprite2D;
    Line.Create(Drawing.pDevice);
    Drawing.pLine = &Line;
    return Caps32BitTextures;
}

void ReleaseDevice()
{
    if (Drawing.pDevice != nullptr)
        Drawing.pDevice->Release();
    Drawing.pDevice = nullptr;
    Drawing.pSprite2D = nullptr;
    Drawing.pLine = nullptr;
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
