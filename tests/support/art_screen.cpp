#include "tests/support/art_screen.h"

#include <filesystem>

#include "graphics/board.h"
#include "graphics/drawing.h"
#include "graphics/textures.h"

bool ARTSCREEN::Open(const std::string& artFolder)
{
    const std::string textures = artFolder + "/Textures/";
    if (!std::filesystem::is_directory(textures) || Device.Create() != PlatformOk)
        return false;
    Sprite.Create(&Device);
    Line.Create(&Device);
    Drawing.pDevice = &Device;
    Drawing.pSprite2D = &Sprite;
    Drawing.pLine = &Line;
    Textures.SetDevice(&Device);
    for (int row = 0; row < TextureListRows; row++)
        Textures.LoadTexture(textures.c_str(), TextureList[row].Name, Textures.TextureSlot(row), nullptr,
                             TextureList[row].ColourKey, TextureList[row].MipFilter);
    return true;
}

// The clear stands in for the window's previous frame, which the background covers anyway.
void ARTSCREEN::DrawGameFrame()
{
    Device.Clear(0x000000);
    Device.BeginScene();
    ApplyFillMode();
    Sprite.Begin();
    DrawGame2D(AIMVIEW());
    DrawScene(nullptr);
    DrawBoardFrame(0, 0);
    Sprite.End();
    Device.EndScene();
}

void ARTSCREEN::Close()
{
    Textures.ReleaseTextures();
    Device.Release();
    Drawing.pDevice = nullptr;
    Drawing.pSprite2D = nullptr;
    Drawing.pLine = nullptr;
}
