// Recording a frame from several drawers at once and drawing it again, merged back into call order.
#include "tests/support/frame_recording.h"

#include <cstdlib>

void FRAMERECORDING::Start(std::initializer_list<SPRITEDRAWER*> sprites, LINEDRAWER* line)
{
    Stop();
    Sprites.clear();
    Lines.clear();
    // The drawers share one list each: only one draws at a time, so their draws stay in call order.
    for (SPRITEDRAWER* drawer : sprites)
        if (drawer != nullptr) {
            drawer->Record(&Sprites);
            SpriteDrawers.push_back(drawer);
        }
    LineDrawer = line;
    if (LineDrawer != nullptr)
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

int FRAMERECORDING::SpriteCount() const
{
    return static_cast<int>(Sprites.size());
}

int FRAMERECORDING::LineCount() const
{
    return static_cast<int>(Lines.size());
}

void FRAMERECORDING::DrawInto(DEVICE& device) const
{
    SPRITEDRAWER sprite;
    LINEDRAWER line;
    sprite.Create(&device);
    line.Create(&device);
    Replay(
        [&](const SPRITEDRAW& draw) {
            sprite.Draw(draw.Texture, draw.HasSource ? &draw.Source : nullptr, draw.Scaling,
                        draw.HasCentre ? &draw.Centre : nullptr, draw.Rotation, draw.Translation, draw.Colour);
        },
        [&](const LINEDRAW& draw) {
            line.SetWidth(draw.Width);
            line.Draw(draw.From, draw.To, draw.Colour);
        });
}

int FRAMERECORDING::PixelsDifferingFrom(const DEVICE& drawn, DRAWPATH path) const
{
    DEVICE again;
    again.SetDrawPath(path);
    again.Clear(0x000000);
    DrawInto(again);
    int differing = 0;
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x)
            differing += again.Pixel(x, y) != drawn.Pixel(x, y);
    return differing;
}

double ShareAlike(const std::uint32_t* picture, const DEVICE& device, int most)
{
    int alike = 0;
    for (int p = 0; p < PictureWidth * PictureHeight; ++p) {
        bool close = true;
        for (int shift = 0; shift < 24; shift += 8) {
            const int ours = static_cast<int>(device.Pixel(p % PictureWidth, p / PictureWidth) >> shift & 0xffu);
            close = close && std::abs(static_cast<int>(picture[p] >> shift & 0xffu) - ours) <= most;
        }
        alike += close;
    }
    return static_cast<double>(alike) / (PictureWidth * PictureHeight);
}
