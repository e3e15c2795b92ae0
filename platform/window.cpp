// The SDL back end: the window with its icon, cursors and renderer, input turned into messages and the message box.
// The device's window half (device_window.cpp) shows the picture through the renderer kept here.
#include "platform/window.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/picture.h"
#include "platform/sdl_window.h"

static_assert(SDL_SCANCODE_A == 4 && SDL_SCANCODE_F1 == 58 && SDL_SCANCODE_UP == 82 && SDL_SCANCODE_KP_ENTER == 88,
              "the key tables are numbered by USB keyboard usages, as SDL's scancodes are");

namespace {

constexpr char Title[] = "Tollmarrow";
constexpr char WindowClass[] = "Tollmarrow";  // the class the window manager knows the window by
constexpr int GatherLimit = MessageQueueSize / 2;  // stop taking input while this many wait; one text event adds at most 31

// The four cursor shapes: SDL's own, except help, which SDL lacks and we draw.
struct CURSORSHAPE {
    CURSOR Shape;
    SDL_SystemCursor System;
    const char* Name;
};

constexpr int CursorShapeCount = 4;
constexpr int HelpShape = 3;
constexpr CURSORSHAPE CursorShapes[] = {
    {CursorArrow, SDL_SYSTEM_CURSOR_ARROW, "arrow"},
    {CursorCross, SDL_SYSTEM_CURSOR_CROSSHAIR, "cross"},
    {CursorNo, SDL_SYSTEM_CURSOR_NO, "no"},
    {CursorHelp, SDL_SYSTEM_CURSOR_ARROW, "help"},
};
static_assert(sizeof(CursorShapes) / sizeof(CursorShapes[0]) == CursorShapeCount);

// The help cursor: the arrow with a question mark beside it. 'X' black, 'o' white, '.' clear; hot spot top-left.
constexpr int HelpCursorWidth = 24;
constexpr int HelpCursorHeight = 19;
constexpr char HelpCursorArt[HelpCursorHeight][HelpCursorWidth + 1] = {
    "X.......................",
    "XX...........XXXXXXX....",
    "XoX.........XoooooooX...",
    "XooX........XooXXXooX...",
    "XoooX.......XXX..XooX...",
    "XooooX..........XooX....",
    "XoooooX........XooX.....",
    "XooooooX.......XooX.....",
    "XoooooooX......XXXX.....",
    "XooooooooX.....XooX.....",
    "XoooooooooX....XooX.....",
    "XooooooXXXXX...XXXX.....",
    "XoooXooX................",
    "XooX.XooX...............",
    "XoX..XooX...............",
    "XX....XooX..............",
    "X.....XooX..............",
    ".......XooX.............",
    ".......XXX..............",
};

constexpr int IconSize = 32;

struct BACKEND {
    SDL_Window* Window = nullptr;
    SDL_Cursor* Cursors[CursorShapeCount] = {};
    SDL_Renderer* Renderer = nullptr;  // while a device shows its picture in the window
    SDL_Texture* Screen = nullptr;     // the picture's copy on the renderer's side
};

BACKEND Backend;
MESSAGEQUEUE Queue;
std::uint8_t HeldKeys[KeyStateCount] = {};
CURSOR ShownCursor = CursorArrow;
constexpr int FailureDetailSize = 256;                     // SDL's words or ours on what went wrong
constexpr int FailureReasonSize = FailureDetailSize + 64;  // the step that failed, then the detail
char FailureReason[FailureReasonSize] = "";

int CursorIndex(CURSOR shape)
{
    for (int i = 0; i < CursorShapeCount; ++i) {
        if (CursorShapes[i].Shape == shape)
            return i;
    }
    return 0;
}

// The window's icon: a crescent moon over a night-blue disc, drawn per pixel.
void SetWindowIcon()
{
    static std::uint32_t pixels[IconSize * IconSize];
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            auto within = [&](float cx, float cy, float r) {
                float dx = static_cast<float>(x) + 0.5f - cx;
                float dy = static_cast<float>(y) + 0.5f - cy;
                return dx * dx + dy * dy <= r * r;
            };
            std::uint32_t colour = 0;
            if (within(16.0f, 16.0f, 15.5f))
                colour = 0xff5868b0u;
            if (within(16.0f, 16.0f, 14.0f))
                colour = 0xff18204cu;
            if (within(14.0f, 17.0f, 10.0f) && !within(19.0f, 13.0f, 9.0f))
                colour = 0xffe8c040u;
            if ((x == 23 && y >= 19 && y <= 23) || (y == 21 && x >= 21 && x <= 25))
                colour = 0xfff8f0c0u;
            pixels[y * IconSize + x] = colour;
        }
    }
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(pixels, IconSize, IconSize, 32, IconSize * 4,
                                                           SDL_PIXELFORMAT_ARGB8888);
    if (icon == nullptr)
        return;
    SDL_SetWindowIcon(Backend.Window, icon);
    SDL_FreeSurface(icon);
}

SDL_Cursor* MakeHelpCursor()
{
    static std::uint32_t pixels[HelpCursorWidth * HelpCursorHeight];
    for (int y = 0; y < HelpCursorHeight; ++y) {
        for (int x = 0; x < HelpCursorWidth; ++x) {
            char c = HelpCursorArt[y][x];
            pixels[y * HelpCursorWidth + x] = c == 'X' ? 0xff000000u : (c == 'o' ? 0xffffffffu : 0u);
        }
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels, HelpCursorWidth, HelpCursorHeight, 32,
                                                              HelpCursorWidth * 4, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr)
        return nullptr;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, 0, 0);
    SDL_FreeSurface(surface);
    return cursor;
}

void CreateCursors()
{
    for (int i = 0; i < CursorShapeCount; ++i)
        Backend.Cursors[i] = i == HelpShape ? MakeHelpCursor() : SDL_CreateSystemCursor(CursorShapes[i].System);
}

void ShowCursorShape()
{
    SDL_Cursor* cursor = Backend.Cursors[CursorIndex(ShownCursor)];
    if (Backend.Window != nullptr && cursor != nullptr && SDL_GetCursor() != cursor)
        SDL_SetCursor(cursor);
}

void QueueKind(MESSAGEKIND kind, int x = 0, int y = 0, int code = 0)
{
    Queue.Push(MakeMessage(kind, x, y, code));
}

// Pointer messages come only from inside the drawing area, as they would with the mouse not captured.
void QueuePointer(MESSAGEKIND kind, int x, int y)
{
    if (IsInPicture(x, y))
        QueueKind(kind, x, y);
}

void Translate(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
        QueuePointer(MessagePointerMove, event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT)
            QueuePointer(event.type == SDL_MOUSEBUTTONDOWN ? MessageButtonDown : MessageButtonUp, event.button.x,
                         event.button.y);
        break;
    case SDL_KEYDOWN:
        if (int code = CharOfScancode(event.key.keysym.scancode); code != 0)
            QueueKind(MessageChar, 0, 0, code);
        break;
    case SDL_TEXTINPUT:
        QueueText(Queue, event.text.text);
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_MINIMIZED)
            QueueKind(MessageMinimise);
        else if (event.window.event == SDL_WINDOWEVENT_RESTORED)
            QueueKind(MessageRestore);
        else if (event.window.event == SDL_WINDOWEVENT_EXPOSED)
            QueueKind(MessageExpose);
        break;
    case SDL_QUIT:
        // Closing the last window, or an interrupt from the terminal, both end the program.
        QueueKind(MessageClose);
        break;
    default:
        break;
    }
}

// Without a display SDL falls back to drivers that show nothing; unless asked for by name, that is no video.
bool VideoShowsNothing()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    bool invisible = driver == nullptr || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
    return invisible && SDL_GetHint(SDL_HINT_VIDEODRIVER) == nullptr;
}

const char* VideoDriverName()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr ? driver : "unknown";
}

// SDL reports no error when it falls back to a driver that shows nothing, so the reason is told in our words.
PLATFORMRESULT NoDisplay()
{
    const char* display = SDL_getenv("DISPLAY");
    char where[FailureDetailSize / 2];
    if (display == nullptr || display[0] == '\0')
        std::snprintf(where, sizeof(where), "DISPLAY is not set");
    else
        std::snprintf(where, sizeof(where), "DISPLAY=\"%s\" could not be reached", display);
    char detail[FailureDetailSize];
    std::snprintf(detail, sizeof(detail), "%s, so SDL fell back to its \"%s\" video driver, which shows nothing", where,
                  VideoDriverName());
    return PlatformFailed(PlatformNoVideo, "No display could be opened", detail);
}

}  // namespace

SDL_Window* MainSdlWindow()
{
    return Backend.Window;
}

// The picture is opaque, so its copy has no alpha: shown, it is copied, never blended, and into a window of the
// usual 32-bit format without a conversion.
bool CreateWindowRenderer(std::uint32_t flags)
{
    Backend.Renderer = SDL_CreateRenderer(Backend.Window, -1, flags);
    if (Backend.Renderer != nullptr)
        Backend.Screen = SDL_CreateTexture(Backend.Renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                           PictureWidth, PictureHeight);
    if (Backend.Screen != nullptr)
        return true;
    ReleaseWindowRenderer();
    return false;
}

SDL_Renderer* WindowRenderer()
{
    return Backend.Renderer;
}

SDL_Texture* WindowScreen()
{
    return Backend.Screen;
}

void ReleaseWindowRenderer()
{
    if (Backend.Screen != nullptr)
        SDL_DestroyTexture(Backend.Screen);
    if (Backend.Renderer != nullptr)
        SDL_DestroyRenderer(Backend.Renderer);
    Backend.Screen = nullptr;
    Backend.Renderer = nullptr;
}

// Kept at the moment of failure: SDL's error text is overwritten by the calls that clean up after it. Some
// refusals leave no text at all; the steps clear it first, so that an older text cannot stand in for theirs.
PLATFORMRESULT PlatformFailed(PLATFORMRESULT result, const char* what, const char* detail)
{
    if (detail[0] != '\0')
        std::snprintf(FailureReason, sizeof(FailureReason), "%s: %s", what, detail);
    else
        std::snprintf(FailureReason, sizeof(FailureReason), "%s: SDL's \"%s\" video driver gave no reason", what,
                      VideoDriverName());
    return result;
}

PLATFORMRESULT OpenMainWindow()
{
    if (Backend.Window != nullptr)
        return PlatformOk;
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // SDL names the X window's class when video starts, after this variable, else after the executable.
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", WindowClass, 1);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return PlatformFailed(PlatformNoVideo, "The video system did not start", SDL_GetError());
    if (VideoShowsNothing()) {
        const PLATFORMRESULT result = NoDisplay();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return result;
    }
    SDL_ClearError();
    Backend.Window = SDL_CreateWindow(Title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, PictureWidth,
                                      PictureHeight, SDL_WINDOW_SHOWN);
    if (Backend.Window == nullptr) {
        const PLATFORMRESULT result =
            PlatformFailed(PlatformNoWindow, "The window could not be created", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return result;
    }
    SetWindowIcon();
    CreateCursors();
    ShowCursorShape();
    SDL_StartTextInput();
    SDL_RaiseWindow(Backend.Window);
    return PlatformOk;
}

void CloseMainWindow()
{
    if (Backend.Window == nullptr)
        return;
    ReleaseWindowRenderer();
    for (SDL_Cursor*& cursor : Backend.Cursors) {
        if (cursor != nullptr)
            SDL_FreeCursor(cursor);
        cursor = nullptr;
    }
    SDL_DestroyWindow(Backend.Window);
    Backend = BACKEND{};
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool IsWindowOpen()
{
    return Backend.Window != nullptr;
}

bool NextMessage(MESSAGE& message)
{
    if (Backend.Window != nullptr) {
        SDL_Event event;
        while (Queue.Count() < GatherLimit && SDL_PollEvent(&event) != 0)
            Translate(event);
    }
    return Queue.Pop(message);
}

bool WaitMessage(MESSAGE& message)
{
    if (Queue.Count() == 0 && Backend.Window != nullptr) {
        SDL_Event event;
        if (SDL_WaitEvent(&event) != 0)
            Translate(event);
    }
    return NextMessage(message);
}

void QueueMessage(const MESSAGE& message)
{
    Queue.Push(message);
}

void ReadKeyStates(std::uint8_t keys[KeyStateCount])
{
    int count = 0;
    const Uint8* down = Backend.Window != nullptr ? SDL_GetKeyboardState(&count) : nullptr;
    if (down != nullptr)
        FillKeyStates(down, count, keys);
    else
        std::memset(keys, 0, KeyStateCount);
    for (int key = 0; key < KeyStateCount; ++key) {
        if (HeldKeys[key] != 0)
            keys[key] = KeyDownBit;
    }
}

void HoldKey(int key, bool down)
{
    if (key >= 0 && key < KeyStateCount)
        HeldKeys[key] = down ? 1 : 0;
}

void ResetInput()
{
    Queue.Clear();
    std::memset(HeldKeys, 0, sizeof(HeldKeys));
    SetPointerCursor(CursorArrow);
}

void SetPointerCursor(CURSOR cursor)
{
    ShownCursor = CursorShapes[CursorIndex(cursor)].Shape;
    ShowCursorShape();
}

CURSOR PointerCursor()
{
    return ShownCursor;
}

const char* PlatformFailureReason()
{
    return FailureReason;
}

void ShowMessageBox(const char* caption, const char* text)
{
    // A plain box with one button; no window (headless, or video never started) means no display to show it on.
    if (Backend.Window == nullptr || SDL_ShowSimpleMessageBox(0, caption, text, Backend.Window) != 0)
        std::fprintf(stderr, "%s: %s\n", caption, text);
}
