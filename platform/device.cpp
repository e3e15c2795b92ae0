// The software picture: the device, and the drawers that place sprites and lines on it and hand them to its
// rasteriser. Both back ends draw here, so the window and the headless tests see the same pixels.
#include "platform/device.h"

#include <cstddef>

#include "platform/png.h"
#include "platform/raster.h"

namespace {

std::uint64_t DrawsAsked = 0;  // sprite and line draws asked for so far, for the recordings' sequence numbers

}  // namespace

DEVICE::DEVICE()
    : Pixels(static_cast<std::size_t>(PictureWidth) * PictureHeight, OpaqueBlack)
{
}

bool DEVICE::IsHeadless() const
{
    return Headless;
}

// A loop of a known count, which the compiler writes with vector stores.
void DEVICE::Clear(std::uint32_t colour)
{
    const std::uint32_t pixel = OpaqueBlack | (colour & 0xffffffu);
    std::uint32_t* picture = Pixels.data();
    for (int i = 0; i < PictureWidth * PictureHeight; ++i)
        picture[i] = pixel;
}

void DEVICE::BeginScene()
{
}

void DEVICE::EndScene()
{
}

std::uint32_t DEVICE::Pixel(int x, int y) const
{
    return IsInPicture(x, y) ? Pixels[static_cast<std::size_t>(y) * PictureWidth + x] : 0u;
}

std::uint32_t* DEVICE::Picture()
{
    return Pixels.data();
}

void DEVICE::SetDrawPath(DRAWPATH path)
{
    Path = path;
}

DRAWPATH DEVICE::DrawPath() const
{
    return Path;
}

bool DEVICE::SaveScreenshot(const char* name) const
{
    return SavePng(name, Pixels.data(), PictureWidth, PictureHeight);
}

void SPRITEDRAWER::Create(DEVICE* device)
{
    pDevice = device;
}

void SPRITEDRAWER::Begin()
{
}

void SPRITEDRAWER::End()
{
}

void SPRITEDRAWER::Draw(const TEXTURE* texture, const RECTANGLE* source, VECTOR2 scaling, const VECTOR2* centre,
                        float rotation, VECTOR2 translation, std::uint32_t colour)
{
    ++DrawsAsked;
    if (pRecording != nullptr) {
        SPRITEDRAW draw;
        draw.Sequence = DrawsAsked;
        draw.Texture = texture;
        draw.HasSource = source != nullptr;
        if (source != nullptr)
            draw.Source = *source;
        draw.Scaling = scaling;
        draw.HasCentre = centre != nullptr;
        if (centre != nullptr)
            draw.Centre = *centre;
        draw.Rotation = rotation;
        draw.Translation = translation;
        draw.Colour = colour;
        pRecording->push_back(draw);
    }
    if (pDevice == nullptr || texture == nullptr || texture->Width() == 0)
        return;
    RECTANGLE rect{0, 0, texture->Width(), texture->Height()};
    if (source != nullptr)
        rect = *source;
    int width = rect.Right - rect.Left;
    int height = rect.Bottom - rect.Top;
    if (width <= 0 || height <= 0)
        return;

    const PLACEMENT place = PlaceSprite(width, height, scaling, centre, rotation, translation);
    int lowX = ClampIndex(rect.Left, 0, texture->Width() - 1);
    int lowY = ClampIndex(rect.Top, 0, texture->Height() - 1);
    const SPRITEJOB job{texture,
                        rect,
                        lowX,
                        ClampIndex(rect.Right - 1, lowX, texture->Width() - 1),
                        lowY,
                        ClampIndex(rect.Bottom - 1, lowY, texture->Height() - 1),
                        place,
                        INVERSE(place),
                        colour};
    if (pDevice->DrawPath() == DrawReference)
        DrawReferenceSprite(pDevice->Picture(), job);
    else
        DrawFastSprite(pDevice->Picture(), job, pDevice->DrawPath());
}

void SPRITEDRAWER::Record(std::vector<SPRITEDRAW>* into)
{
    pRecording = into;
}

void LINEDRAWER::Create(DEVICE* device)
{
    pDevice = device;
}

void LINEDRAWER::SetWidth(float width)
{
    Width = width;
}

void LINEDRAWER::Begin()
{
}

void LINEDRAWER::End()
{
}

void LINEDRAWER::Record(std::vector<LINEDRAW>* into)
{
    pRecording = into;
}

void LINEDRAWER::Draw(VECTOR2 from, VECTOR2 to, std::uint32_t colour)
{
    ++DrawsAsked;
    if (pRecording != nullptr)
        pRecording->push_back(LINEDRAW{DrawsAsked, from, to, Width, colour});
    if (pDevice == nullptr)
        return;
    PLACEMENT place;
    if (!PlaceLine(from, to, Width, place))
        return;
    if (pDevice->DrawPath() == DrawReference)
        DrawReferenceLine(pDevice->Picture(), place, colour);
    else
        DrawFastLine(pDevice->Picture(), place, colour, pDevice->DrawPath());
}
