// The generated art in a device of its own, drawn as the main loop draws a game frame, and the busiest frame set up.
#include "tests/support/art_screen.h"

#include <filesystem>
#include <iterator>

#include "graphics/board.h"
#include "graphics/camera.h"
#include "graphics/drawing.h"
#include "graphics/textures.h"
#include "world/effects.h"
#include "world/game.h"
#include "world/random.h"

// 16 x 8 creatures spread evenly over the board; the effects fly half-way across it, a few frames of flight turn
// and animate them, and any that landed meanwhile are sent again.
void SetUpBusiestFrame(GAME& game)
{
    constexpr int EffectKinds[] = {1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    SeedRand(1);
    game.StartNewGame(0, -1, 8);
    for (int row = 0; row < 8; row++)
        for (int column = 0; column < 16; column++)
            game.CreateCreature("Busy", 1 + (row * 16 + column) % 20, (row + column) % 8, 19 + column * 38,
                                28 + row * 56);
    const int kinds = static_cast<int>(std::size(EffectKinds));
    for (int round = 0; round < 2; round++) {
        for (int i = 0; i < EffectSlots; i++) {
            if (game.Effects.Slots[i].IsActive)
                continue;
            const int x = 20 + (i * 37) % 568;
            const int y = 20 + (i * 53) % 408;
            game.Effects.SpawnEffect(EffectKinds[i % kinds], i % 8, 0, x, y, PieceRefNone, -1, PieceRefNone, -1,
                                     588 - x, 428 - y, 10.0f, 0xffffff, 255, 0);
        }
        for (int i = 0; round == 0 && i < 10; i++)
            game.Effects.UpdateEffects();
    }
    game.ShowMessage("Busy casts Fire Blast", "at Ann", "for the last time", 0xffffff, 0xffff00, 0xff0000, false, 600);
}

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

// As the main loop begins every frame: the camera's transforms, the depth test and the clear of every plane.
void ARTSCREEN::DrawGameFrame(const GAME& game)
{
    ApplyCamera();
    Device.SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
    Device.Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0x000000, 1.0f, 0);
    Device.BeginScene();
    ApplyFillMode();
    Sprite.Begin();
    DrawGame2D(game, AIMVIEW());
    DrawScene(game, nullptr);
    DrawBoardFrame(game, 0, 0);
    Sprite.End();
    Device.EndScene();
}

void ARTSCREEN::Close()
{
    Textures.ReleaseTextures();
    Device.Release();
    Drawing = DRAWING();
}
