// Recording a frame from several drawers at once and drawing it again, merged back into call order.
#include "tests/support/frame_recording.h"

#include <cstdlib>

// The drawers share one list each: only one draws at a time, so their draws stay in call order.
void FRAMERECORDING::Start(std::initializer_list<SPRITEDRAWER*> sprites, LINEDRAWER* line)
{
    Stop();
    Sprites.clear();
    Lines.clear();
    SpriteDrawers.assign(sprites);
    for (SPRITEDRAWER* drawer : SpriteDrawers)
        drawer->Record(&Sprites);
    LineDrawer = line;
    LineDrawer->Record(&Lines);
}

void FRAMERECORDING::Stop()
{
    for (SPRITEDRAWER* drawer : SpriteDrawers)
        drawer->Record(nullptr);
    SpriteDrawers.clear();
    if (LineDrawer != nullptr)
        LineDrawer->Record(nullptr);
    LineDrawer = nullptr;
}

int FRAMERECORDING::PixelsDifferingFrom(const DEVICE& drawn, DRAWPATH path) const
{
    DEVICE again;
    again.SetDrawPath(path);
    again.Clear(D3DCLEAR_TARGET, 0x000000, 1.0f, 0);
    SPRITEDRAWER sprite;
    LINEDRAWER line;
    sprite.Create(&again);
    line.Create(&again);
    Replay(
        [&](const SPRITEDRAW& draw) {
            sprite.Draw(draw.Texture, draw.HasSource ? &draw.Source : nullptr, draw.Scaling,
                        draw.HasCentre ? &draw.Centre : nullptr, draw.Rotation, draw.Translation, draw.Colour);
        },
        [&](const LINEDRAW& draw) {
            line.SetWidth(draw.Width);
            line.Draw(draw.From, draw.To, draw.Colour);
        });
    int differing = 0;
    for (int p = 0; p < PictureWidth * PictureHeight; ++p)
        differing += again.Picture()[p] != drawn.Pixel(p % PictureWidth, p / PictureWidth);
    return differing;
}

double ShareAlike(const std::uint32_t* picture, const DEVICE& device, int most)
{
    int alike = 0;
    for (int p = 0; p < PictureWidth * PictureHeight; ++p) {
        const std::uint32_t ours = device.Pixel(p % PictureWidth, p / PictureWidth);
        bool close = true;
        for (int shift = 0; shift < 24; shift += 8)
            close = close && std::abs(static_cast<int>(picture[p] >> shift & 0xffu) -
                                      static_cast<int>(ours >> shift & 0xffu)) <= most;
        alike += close;
    }
    return static_cast<double>(alike) / (PictureWidth * PictureHeight);
}
