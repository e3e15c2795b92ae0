// The screens' drawing fixture: what each screen draws is recorded rather than looked at in pixels.
#include "tests/support/recorded_screen.h"

#include "graphics/drawing.h"
#include "graphics/font.h"

void RECORDEDSCREEN::SetUp()
{
    for (FONT* font : {&FontLarge, &FontSmall}) {
        font->Reset();
        font->SetTextures(&Table);
    }
    FontLarge.InitLargeFont(&Device);
    FontSmall.InitSmallFont(&Device);
    FontLarge.pSprite->Record(&Texts);
    FontSmall.pSprite->Record(&Texts);
    for (int i = 0; i < TextureListRows; i++)
        *Textures.TextureSlot(FontGlyphs + i) = &Fakes[i];
    Sprite.Record(&Images);
    Drawing.pSprite2D = &Sprite;
}

void RECORDEDSCREEN::TearDown()
{
    for (int i = 0; i < TextureListRows; i++)
        *Textures.TextureSlot(FontGlyphs + i) = nullptr;
    FontLarge.Reset();
    FontSmall.Reset();
    Drawing.pSprite2D = nullptr;
}

int RECORDEDSCREEN::ImageOf(const SPRITEDRAW& draw) const
{
    const int row = static_cast<int>(draw.Texture - Fakes);
    return row >= 0 && row < TextureListRows ? row : -1;
}
