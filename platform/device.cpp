// The software picture: the device, its states, vertex buffers and planes, and the drawers that place sprites and
// lines on it and hand them to its rasteriser. Both back ends draw here, so the window and the headless tests see
// the same pixels.
#include "platform/device.h"

#include <algorithm>
#include <cstddef>

#include "platform/png.h"
#include "platform/raster.h"

namespace {

std::uint64_t DrawsAsked = 0;  // sprite and line draws asked for so far, for the recordings' sequence numbers

// Its triangles honour every comparison, the alpha test's among them.
constexpr DEVICECAPS Capabilities{D3DPCMPCAPS_NEVER | D3DPCMPCAPS_LESS | D3DPCMPCAPS_EQUAL | D3DPCMPCAPS_LESSEQUAL |
                                  D3DPCMPCAPS_GREATER | D3DPCMPCAPS_NOTEQUAL | D3DPCMPCAPS_GREATEREQUAL |
                                  D3DPCMPCAPS_ALWAYS};

constexpr std::size_t PlaneSize = static_cast<std::size_t>(PictureWidth) * PictureHeight;

std::size_t PixelIndex(int x, int y)
{
    return static_cast<std::size_t>(y) * PictureWidth + static_cast<std::size_t>(x);
}

}  // namespace

DEVICE::DEVICE()
    : Pixels(PlaneSize, OpaqueBlack)
{
}

void DEVICE::Reset()
{
    States = DefaultDeviceState();
    for (int i = 0; i < BufferCount; ++i)
        Buffers[i] = VERTEXBUFFER();
    BufferCount = 0;
    Planes = PLANES();
}

bool DEVICE::IsHeadless() const
{
    return Headless;
}

// The picture in a loop of a known count, which the compiler writes with vector stores; the planes only note theirs.
void DEVICE::Clear(std::uint32_t flags, std::uint32_t colour, float z, std::uint32_t stencil)
{
    if (flags & D3DCLEAR_TARGET) {
        const std::uint32_t pixel = OpaqueBlack | (colour & 0xffffffu);
        std::uint32_t* picture = Pixels.data();
        for (std::size_t i = 0; i < PlaneSize; ++i)
            picture[i] = pixel;
    }
    if (flags & D3DCLEAR_ZBUFFER) {
        Planes.DepthClear = z;
        Planes.DepthStale = true;
    }
    if (flags & D3DCLEAR_STENCIL) {
        Planes.StencilClear = static_cast<std::uint8_t>(stencil);
        Planes.StencilStale = true;
    }
}

void DEVICE::ReadyPlanes()
{
    if (Planes.Depth.empty()) {
        Planes.Depth.resize(PlaneSize);
        Planes.Stencil.resize(PlaneSize);
    }
    if (Planes.DepthStale)
        std::fill(Planes.Depth.begin(), Planes.Depth.end(), Planes.DepthClear);
    if (Planes.StencilStale)
        std::fill(Planes.Stencil.begin(), Planes.Stencil.end(), Planes.StencilClear);
    Planes.DepthStale = false;
    Planes.StencilStale = false;
}

std::uint32_t DEVICE::StencilAt(int x, int y) const
{
    if (!IsInPicture(x, y))
        return 0;
    return Planes.StencilStale ? Planes.StencilClear : Planes.Stencil[PixelIndex(x, y)];
}

float DEVICE::DepthAt(int x, int y) const
{
    if (!IsInPicture(x, y))
        return 1.0f;
    return Planes.DepthStale ? Planes.DepthClear : Planes.Depth[PixelIndex(x, y)];
}

const DEVICECAPS& DEVICE::Caps() const
{
    return Capabilities;
}

const DEVICESTATE& DEVICE::State() const
{
    return States;
}

void DEVICE::SetRenderState(RENDERSTATE state, std::uint32_t value)
{
    if (state >= 0 && state < RenderStateCount)
        States.RenderStates[state] = value;
}

void DEVICE::SetSamplerState(int sampler, SAMPLERSTATE state, std::uint32_t value)
{
    if (sampler == 0 && state >= 0 && state < SamplerStateCount)
        States.SamplerStates[state] = value;
}

void DEVICE::SetTextureStageState(int stage, TEXTURESTAGESTATE state, std::uint32_t value)
{
    if (stage == 0 && state >= 0 && state < StageStateCount)
        States.StageStates[state] = value;
}

void DEVICE::SetTransform(TRANSFORMSTATE which, const MATRIX& matrix)
{
    switch (which) {
    case D3DTS_WORLD:
        States.World = matrix;
        break;
    case D3DTS_VIEW:
        States.View = matrix;
        break;
    case D3DTS_PROJECTION:
        States.Projection = matrix;
        break;
    }
}

void DEVICE::SetLight(int index, const LIGHT& light)
{
    if (index == 0)
        States.Light0 = light;
}

void DEVICE::LightEnable(int index, bool enable)
{
    if (index == 0)
        States.Light0Enabled = enable;
}

void DEVICE::SetFVF(std::uint32_t format)
{
    States.VertexFormat = format;
}

void DEVICE::SetStreamSource(int stream, const VERTEXBUFFER* buffer, std::uint32_t offset, std::uint32_t stride)
{
    if (stream == 0)
        States.Stream0 = STREAMSOURCE{buffer, offset, stride};
}

VERTEXBUFFER* DEVICE::CreateVertexBuffer(std::uint32_t length, std::uint32_t usage, std::uint32_t format, POOL pool)
{
    if (length == 0 || length > MaxVertexBufferBytes || BufferCount >= MaxVertexBuffers)
        return nullptr;
    VERTEXBUFFER& buffer = Buffers[BufferCount++];
    buffer = VERTEXBUFFER();
    buffer.Bytes.assign(length, 0);
    buffer.Usage = usage;
    buffer.Format = format;
    buffer.Pool = pool;
    return &buffer;
}

std::uint8_t* DEVICE::Lock(VERTEXBUFFER* buffer, std::uint32_t offset, std::uint32_t size)
{
    if (buffer == nullptr || buffer->Locked)
        return nullptr;
    const std::size_t length = buffer->Bytes.size();
    if (offset >= length || size > length - offset)
        return nullptr;
    buffer->Locked = true;
    return buffer->Bytes.data() + offset;
}

void DEVICE::Unlock(VERTEXBUFFER* buffer)
{
    if (buffer != nullptr)
        buffer->Locked = false;
}

void DEVICE::BeginScene()
{
}

void DEVICE::EndScene()
{
}

std::uint32_t DEVICE::Pixel(int x, int y) const
{
    return IsInPicture(x, y) ? Pixels[PixelIndex(x, y)] : 0u;
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
