// The device's window half: the picture shown in the window at the display's pace, through the window's renderer,
// which window.cpp keeps and this half makes and gives back with the device.
#include "platform/device.h"

#include <SDL.h>

#include <cstddef>
#include <cstring>

#include "platform/sdl_window.h"

namespace {

constexpr int FallbackRate = 60;  // frames a second without vertical sync

// The pace of the frames shown, while a device shows the picture in the window.
struct PACE {
    Uint64 FrameTicks = 0;  // performance-counter ticks a presented frame lasts at least
    Uint64 NextFrame = 0;   // when the next Present may return
};

PACE Pace;

// Every timing of the game counts frames, so frames must not come faster than the display's pace.
void WaitForNextFrame()
{
    Uint64 now = SDL_GetPerformanceCounter();
    if (now < Pace.NextFrame) {
        Uint64 milliseconds = (Pace.NextFrame - now) * 1000 / SDL_GetPerformanceFrequency();
        if (milliseconds > 0)
            SDL_Delay(static_cast<Uint32>(milliseconds));
        now = SDL_GetPerformanceCounter();
    }
    // Keep the pace from the last deadline so that waking early never adds up; after a slow frame start afresh.
    Uint64 next = Pace.NextFrame + Pace.FrameTicks;
    Pace.NextFrame = next > now ? next : now + Pace.FrameTicks;
}

}  // namespace

PLATFORMRESULT DEVICE::Create()
{
    Reset();
    if (MainSdlWindow() == nullptr) {
        Headless = true;
        return PlatformOk;
    }
    if (WindowRenderer() == nullptr) {
        SDL_ClearError();
        SDL_DisplayMode mode;
        int display = SDL_GetWindowDisplayIndex(MainSdlWindow());
        if (display < 0 || SDL_GetDesktopDisplayMode(display, &mode) != 0)
            return PlatformFailed(PlatformNoDisplayMode, "The display's current mode could not be read",
                                  SDL_GetError());
        // The picture is drawn by the processor, so SDL's software renderer shows it with one copy into the
        // window's own memory, shared with the X server. An accelerated renderer would also upload it, draw it
        // and, where OpenGL itself runs on the processor (no graphics card, or a virtual X server), read it
        // back: over ten times the processor's time. It stays the fallback where the window has no such memory.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        if (!CreateWindowRenderer(SDL_RENDERER_SOFTWARE) &&
            !CreateWindowRenderer(SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC))
            return PlatformFailed(PlatformNoRenderer, "No renderer could show the picture", SDL_GetError());
        SDL_RendererInfo info;
        bool vsync = SDL_GetRendererInfo(WindowRenderer(), &info) == 0 &&
                     (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0 && mode.refresh_rate > 0;
        // With vertical sync the display sets the pace; the floor at nine tenths of its period only
        // catches a sync that returns at once. Without it, a timer holds 60 frames a second.
        Uint64 second = SDL_GetPerformanceFrequency();
        Pace.FrameTicks = vsync ? second * 9 / (10 * static_cast<Uint64>(mode.refresh_rate)) : second / FallbackRate;
        Pace.NextFrame = 0;
    }
    Headless = false;
    return PlatformOk;
}

void DEVICE::Release()
{
    ReleaseWindowRenderer();
    Reset();
    Headless = true;
}

void DEVICE::Present()
{
    if (Headless || WindowRenderer() == nullptr)
        return;
    Show();
    WaitForNextFrame();
}

// The picture is copied straight into the locked texture, row by row only where SDL pads its rows.
void DEVICE::Show()
{
    if (Headless || WindowRenderer() == nullptr)
        return;
    SDL_Renderer* renderer = WindowRenderer();
    SDL_Texture* screen = WindowScreen();
    void* locked = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(screen, nullptr, &locked, &pitch) == 0) {
        constexpr int RowBytes = PictureWidth * 4;
        if (pitch == RowBytes) {
            std::memcpy(locked, Pixels.data(), static_cast<std::size_t>(RowBytes) * PictureHeight);
        } else {
            for (int y = 0; y < PictureHeight; ++y)
                std::memcpy(static_cast<char*>(locked) + static_cast<std::ptrdiff_t>(y) * pitch,
                            Pixels.data() + static_cast<std::size_t>(y) * PictureWidth, RowBytes);
        }
        SDL_UnlockTexture(screen);
    }
    SDL_Rect whole{0, 0, PictureWidth, PictureHeight};
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, screen, nullptr, &whole);
    SDL_RenderPresent(renderer);
}
