// Recorded draws replayed through SDL_RenderGeometry: runs of quads with one texture go to SDL together, each
// quad's corners placed as the drawers place them, its colour on its vertices.
#include "platform/sdl_replay.h"

#include <SDL.h>

#include <unordered_map>
#include <vector>

#include "platform/raster.h"

namespace {

struct REPLAYER {
    SDL_Window* Window = nullptr;
    SDL_Renderer* Renderer = nullptr;
    SDL_RendererInfo Info{};
    std::unordered_map<const TEXTURE*, SDL_Texture*> Textures;  // each texture uploaded once, at its first draw
    SDL_Texture* Batched = nullptr;                              // the texture of the quads gathered, null for lines
    std::vector<SDL_Vertex> Vertices;
    std::vector<int> Indices;
};

REPLAYER Replayer;

SDL_Texture* Upload(const TEXTURE* texture)
{
    auto found = Replayer.Textures.find(texture);
    if (found != Replayer.Textures.end())
        return found->second;
    SDL_Texture* uploaded = SDL_CreateTexture(Replayer.Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                              texture->Width(), texture->Height());
    if (uploaded != nullptr) {
        SDL_UpdateTexture(uploaded, nullptr, texture->Row(0), texture->Width() * 4);
        SDL_SetTextureBlendMode(uploaded, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(uploaded, SDL_ScaleModeLinear);
    }
    Replayer.Textures[texture] = uploaded;
    return uploaded;
}

SDL_Color ColourOf(std::uint32_t colour)
{
    return SDL_Color{static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8), static_cast<Uint8>(colour),
                     static_cast<Uint8>(colour >> 24)};
}

// Draws the quads gathered so far.
void Flush()
{
    if (!Replayer.Indices.empty())
        SDL_RenderGeometry(Replayer.Renderer, Replayer.Batched, Replayer.Vertices.data(),
                           static_cast<int>(Replayer.Vertices.size()), Replayer.Indices.data(),
                           static_cast<int>(Replayer.Indices.size()));
    Replayer.Vertices.clear();
    Replayer.Indices.clear();
    Replayer.Batched = nullptr;
}

// The placed quad's corners, with the texture coordinates of the source's corners; a quad of another texture
// first draws those gathered.
void AddQuad(SDL_Texture* texture, const PLACEMENT& place, std::uint32_t colour, const float* u, const float* v)
{
    if (texture != Replayer.Batched)
        Flush();
    Replayer.Batched = texture;
    const SDL_Color tint = ColourOf(colour);
    const float along[4][2] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
    const int first = static_cast<int>(Replayer.Vertices.size());
    for (int i = 0; i < 4; ++i) {
        float a = along[i][0] * place.Width;
        float b = along[i][1] * place.Height;
        SDL_Vertex vertex;
        vertex.position = SDL_FPoint{place.Origin.X + place.AxisX.X * a + place.AxisY.X * b,
                                     place.Origin.Y + place.AxisX.Y * a + place.AxisY.Y * b};
        vertex.color = tint;
        vertex.tex_coord = SDL_FPoint{u[i], v[i]};
        Replayer.Vertices.push_back(vertex);
    }
    for (int corner : {0, 1, 2, 0, 2, 3})
        Replayer.Indices.push_back(first + corner);
}

}  // namespace

bool OpenSdlReplay(bool accelerated)
{
    CloseSdlReplay();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return false;
    Replayer.Window = SDL_CreateWindow("Tollmarrow SDL replay", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                       PictureWidth, PictureHeight, SDL_WINDOW_SHOWN);
    if (Replayer.Window != nullptr)
        Replayer.Renderer = SDL_CreateRenderer(Replayer.Window, -1,
                                               accelerated ? SDL_RENDERER_ACCELERATED : SDL_RENDERER_SOFTWARE);
    if (Replayer.Renderer == nullptr || SDL_GetRendererInfo(Replayer.Renderer, &Replayer.Info) != 0) {
        CloseSdlReplay();
        return false;
    }
    SDL_SetRenderDrawBlendMode(Replayer.Renderer, SDL_BLENDMODE_BLEND);
    return true;
}

void CloseSdlReplay()
{
    for (auto& texture : Replayer.Textures) {
        if (texture.second != nullptr)
            SDL_DestroyTexture(texture.second);
    }
    if (Replayer.Renderer != nullptr)
        SDL_DestroyRenderer(Replayer.Renderer);
    if (Replayer.Window != nullptr) {
        SDL_DestroyWindow(Replayer.Window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    Replayer = REPLAYER{};
}

const char* SdlReplayRenderer()
{
    return Replayer.Renderer != nullptr ? Replayer.Info.name : "";
}

void ClearSdlReplay()
{
    SDL_SetRenderDrawColor(Replayer.Renderer, 0, 0, 0, 255);
    SDL_RenderClear(Replayer.Renderer);
}

void ReplaySprite(const SPRITEDRAW& draw)
{
    const TEXTURE* texture = draw.Texture;
    if (texture == nullptr || texture->Width() == 0)
        return;
    RECTANGLE rect{0, 0, texture->Width(), texture->Height()};
    if (draw.HasSource)
        rect = draw.Source;
    int width = rect.Right - rect.Left;
    int height = rect.Bottom - rect.Top;
    SDL_Texture* uploaded = Upload(texture);
    if (width <= 0 || height <= 0 || uploaded == nullptr)
        return;
    const float w = static_cast<float>(texture->Width());
    const float h = static_cast<float>(texture->Height());
    const float u[4] = {rect.Left / w, rect.Right / w, rect.Right / w, rect.Left / w};
    const float v[4] = {rect.Top / h, rect.Top / h, rect.Bottom / h, rect.Bottom / h};
    AddQuad(uploaded, PlaceSprite(width, height, draw.Scaling, draw.HasCentre ? &draw.Centre : nullptr, draw.Rotation,
                                  draw.Translation),
            draw.Colour, u, v);
}

void ReplayLine(const LINEDRAW& draw)
{
    PLACEMENT place;
    if (!PlaceLine(draw.From, draw.To, draw.Width, place))
        return;
    const float none[4] = {};
    AddQuad(nullptr, place, draw.Colour, none, none);
}

void ReadSdlReplay(std::uint32_t* picture)
{
    Flush();
    SDL_RenderReadPixels(Replayer.Renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, picture, PictureWidth * 4);
}

void PresentSdlReplay()
{
    Flush();
    SDL_RenderPresent(Replayer.Renderer);
}
