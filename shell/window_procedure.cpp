// The window procedure: every message the window sends passes through here.
#include "platform/window.h"
#include "shell/device.h"
#include "shell/screen_changes.h"
#include "shell/screen_state.h"
#include "shell/shell.h"

namespace {

constexpr int RestoredState = 0;
constexpr int MinimisedState = 1;

}  // namespace

// The window's destruction is final: it leaves 27 in LastKey, which ends the main loop.
// A typed Escape is cleared at once, so it never does.
void WndProc(const MESSAGE& message)
{
    switch (message.Kind) {
    case MessageChar:
        LastKey = message.Char;
        if (LastKey == KeyEscape)
            LastKey = 0;
        break;
    case MessageMinimise:
        WindowSizeState = MinimisedState;
        break;
    case MessageRestore:
        WindowSizeState = RestoredState;
        break;
    case MessageExpose:
        if (pDevice != nullptr)
            pDevice->Present();
        break;
    case MessageClose:
        LastKey = LastKeyWindowGone;
        break;
    default:
        break;
    }
}
