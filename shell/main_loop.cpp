// The program's life: the log emptied, the generator seeded, the window and the device brought up,
// one frame drawn per pass of the main loop until the window is destroyed, then the release.
#include "shell/shell.h"

#include <chrono>
#include <csignal>
#include <ctime>

#include "base/config.h"
#include "base/eventlog.h"
#include "base/files.h"
#include "graphics/board.h"
#include "graphics/camera.h"
#include "graphics/drawing.h"
#include "graphics/font.h"
#include "graphics/models.h"
#include "graphics/textures.h"
#include "opponent/opponent.h"
#include "platform/window.h"
#include "screens/choice.h"
#include "screens/menus.h"
#include "screens/overlays.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "screens/title.h"
#include "shell/screen_changes.h"
#include "shell/start_up.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/random.h"

MAINLOOP Loop;

namespace {

constexpr int MillisPerSecond = 1000;

// Until the main loop starts, the one message handled after each texture may
// only close or minimise the window: a click could otherwise start a game
// before the roster and the configuration exist.
bool LoopStarted = false;

bool IsAllowedBeforeLoop(const MESSAGE& message)
{
    return message.Kind == MessageClose || message.Kind == MessageMinimise || message.Kind == MessageRestore ||
           message.Kind == MessageExpose;
}

// The millisecond field of the time of day, as the frame-rate measure reads it.
int MillisecondOfSecond()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count() % MillisPerSecond);
}

bool IsGameScreen()
{
    const SCREEN screen = Screens.ScreenState;
    return screen == ScreenUnused || screen == ScreenInGame || screen == ScreenGameOver;
}

// The screens other than the game: each draws its picture, then the frame every screen shows.
void DrawMenuScreen()
{
    switch (Screens.ScreenState) {
    case ScreenTitle:
        DrawTitleScreen();
        break;
    case ScreenPlayerCount:
        DrawPlayerCountScreen(0, 200);
        break;
    case ScreenCharacterChoice:
    case ScreenChallengePlayAs:
        DrawCharacterChoice(0, 200, "Who Will You Play As?", -1, 0);
        break;
    case ScreenNameEntry:
        DrawNameEntryScreen();
        break;
    case ScreenChallengeOpponent:
        DrawCharacterChoice(0, 200, "Who Do You Want To Challenge?", Screens.ChosenCharacter, 1);
        break;
    default:
        return;
    }
    DrawBoardFrame(Game, 0, 0);
}

bool IsMenuScreen()
{
    const SCREEN screen = Screens.ScreenState;
    return screen == ScreenTitle || screen == ScreenPlayerCount || screen == ScreenCharacterChoice ||
           screen == ScreenNameEntry || screen == ScreenChallengePlayAs || screen == ScreenChallengeOpponent;
}

// One frame of the current screen. A game frame shows the board as the last update left it, and only
// then is the game advanced by a frame; the texts and menus are drawn over the board.
void DrawFrame()
{
    if (IsGameScreen()) {
        Drawing.pDevice->BeginScene();
        ApplyFillMode();
        Drawing.pSprite2D->Begin();
        const AIMVIEW aim = GetAimView();
        DrawGame2D(Game, aim);
        DrawScene(Game, aim.pSelected);
        DrawBoardFrame(Game, 0, 0);
        Drawing.pSprite2D->End();
        DrawDebugValues();
        DrawMessageLine();
        if (Screens.ScreenState == ScreenGameOver)
            DrawGameOverText();
        DrawScoreTexts();
        DrawScore();
        Menus.Draw();
        Drawing.pDevice->EndScene();
        UpdatePlayFrame();
        ReadCameraKeys(Game);
    } else if (IsMenuScreen()) {
        Drawing.pDevice->BeginScene();
        Drawing.pSprite2D->Begin();
        DrawMenuScreen();
        Drawing.pSprite2D->End();
        Drawing.pDevice->EndScene();
    }
}

}  // namespace

// The camera's view and projection, the light, the depth test and the clear of every plane come first in every
// drawn frame, whatever the screen.
void DrawScreenFrame()
{
    ApplyCamera();
    SetupLight();
    Drawing.pDevice->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
    Drawing.pDevice->Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0x000000, 1.0f, 0);
    DrawFrame();
}

void ClearErrorLog()
{
    ClearEventLog();
}

// No video keeps the game's own code; a window refused has none, so its reason stands alone.
void CreateMainWindow()
{
    LogError("Creating to run in window", "", 0, 0);
    const PLATFORMRESULT result = OpenMainWindow();
    if (result == PlatformNoVideo)
        FatalError(1001.0f, PlatformFailureReason());
    if (result != PlatformOk)
        StartUpFailed(PlatformFailureReason());
}

// Only the window's destruction leaves LastKey at 27, so a typed Escape never ends the loop.
void MainLoop()
{
    Loop.WindowSizeState = WindowMaximised;
    if (Loop.LastKey != LastKeyWindowGone)
        Loop.LastKey = 0;
    Config.Load();
    Game.BuildRoster();
    Menus.SetFont(&FontSmall);
    LoopStarted = true;

    while (Loop.LastKey != LastKeyWindowGone) {
        if (Loop.WindowSizeState == WindowMinimised) {
            // Nothing is drawn and the game does not advance until the window comes back.
            MESSAGE message;
            while (Loop.WindowSizeState == WindowMinimised && Loop.LastKey != LastKeyWindowGone && WaitMessage(message))
                WndProc(message);
        } else {
            DrawScreenFrame();
            Drawing.pDevice->Present();
        }
        PumpMessage();
        UpdateFrameRate();
    }
}

void PumpMessage()
{
    MESSAGE message;
    if (!NextMessage(message))
        return;
    if (!LoopStarted && !IsAllowedBeforeLoop(message))
        return;
    WndProc(message);
}

// Only the millisecond field is compared, so five frames that take a second
// or more are measured modulo a second.
void UpdateFrameRate()
{
    const int ms = MillisecondOfSecond();
    Loop.FrameCounter += 1;
    if (Loop.FrameCounter >= 5) {
        Loop.FrameCounter = 0;
        if (ms != Loop.LastMillis) {
            const int last = Loop.LastMillis;
            Loop.MillisPer5Frames = last < ms ? ms - last : MillisPerSecond - last + ms;
            Loop.LastMillis = ms;
        }
    }
    if (Loop.MillisPer5Frames < 1)
        Loop.MillisPer5Frames = 1;
    Loop.FramesPerSecond = Loop.WindowSizeState == WindowMinimised ? 60 : 5000 / Loop.MillisPer5Frames;
}

void ReleaseAll()
{
    LogError("Releasing Models.", "", 0, 0);
    Models.ReleaseModels();
    LogError("Releasing Textures.", "", 0, 0);
    Textures.ReleaseTextures();
    LogError("Releasing Device.", "", 0, 0);
    ReleaseDevice();
}

void Shutdown()
{
    ReleaseAll();
    CloseMainWindow();
}

// A normal close ends with code 0; a working folder without the art, or a start-up step that fails, ends the
// program where it fails, with code 1.
int RunGame()
{
    // A file-size limit would otherwise end the game at the write that passes it; ignored, that write fails and says
    // so, as a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    ClearErrorLog();
    CheckArtFolder();
    SeedRand(static_cast<std::uint32_t>(std::time(nullptr)));
    CreateMainWindow();
    TARNWICK::InitD3D(PumpMessage);
    InstallComputerOpponent();
    TurnHooks.GameOverCheck = CheckGameOver;
    MainLoop();
    Shutdown();
    return 0;
}
