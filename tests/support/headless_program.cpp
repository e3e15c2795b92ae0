// The program's own start-up, headless: the steps RunGame and MainLoop take before the first frame, without the
// window, the log's deletion or the time seed, which a test sets for itself.
#include "tests/support/headless_program.h"

#include <filesystem>

#include "base/config.h"
#include "graphics/font.h"
#include "opponent/opponent.h"
#include "platform/window.h"
#include "screens/menus.h"
#include "screens/screen_state.h"
#include "shell/screen_changes.h"
#include "shell/start_up.h"
#include "shell/shell.h"
#include "world/frame_update.h"
#include "world/game.h"

bool StartProgramHeadless(const char* artFolder)
{
    const std::filesystem::path art = std::filesystem::path(artFolder) / "Textures";
    if (!std::filesystem::is_directory(art))
        return false;
    std::filesystem::create_directory_symlink(art, "Textures");
    ResetInput();
    TARNWICK::InitD3D(PumpMessage);
    InstallComputerOpponent();
    TurnHooks.GameOverCheck = CheckGameOver;
    Config.Load();
    Game.BuildRoster();
    Menus.SetFont(&FontSmall);
    GoToTitle();
    return true;
}

void StopProgramHeadless()
{
    ReleaseAll();
    GoToTitle();
}

void Send(MESSAGEKIND kind, int x, int y, int character)
{
    WndProc(MakeMessage(kind, x, y, character));
}

void Click(int x, int y)
{
    Send(MessagePointerMove, x, y);
    Send(MessageButtonDown, x, y);
    Send(MessageButtonUp, x, y);
}

void Type(std::initializer_list<int> codes)
{
    for (int c : codes)
        Send(MessageChar, 0, 0, c);
}
