// The one main window and its services: messages one at a time, the key-state snapshot, cursors and the message box.
// With no window open the same services run headless: messages come only from QueueMessage and keys from HoldKey.
#pragma once

#include <cstdint>

#include "platform/input.h"
#include "platform/platform_result.h"

// Cursor shapes, numbered as the game's cursor choices number them.
enum CURSOR : int {
    CursorArrow = 32512,
    CursorCross = 32515,
    CursorNo = 32648,
    CursorHelp = 32651,  // an arrow with a question mark
};

PLATFORMRESULT OpenMainWindow();                       // starts video and opens the fixed window "Tollmarrow", its drawing area the picture's size; PlatformOk, PlatformNoVideo or PlatformNoWindow
void CloseMainWindow();                     // destroys the window and its renderer and stops video; no Close message follows
bool IsWindowOpen();                        // a window is open; otherwise everything runs headless
bool NextMessage(MESSAGE& message);         // gathers the window's new input, then takes the oldest waiting message; false when none waits; never waits
bool WaitMessage(MESSAGE& message);         // as NextMessage, but first sleeps until the window has new input when nothing waits
void QueueMessage(const MESSAGE& message);  // adds a message behind the waiting ones, as if the window had sent it
void ReadKeyStates(std::uint8_t keys[KeyStateCount]);  // the snapshot of the keys held now: KeyDownBit set for each
void HoldKey(int key, bool down);           // holds or lets go of a key number in every later snapshot (the headless keyboard)
void ResetInput();                          // empties the message queue, lets go of every held key, shows the arrow
void SetPointerCursor(CURSOR cursor);          // shows a cursor shape over the window; an unknown number shows the arrow
CURSOR PointerCursor();                     // the shape shown, CursorArrow at first
void ShowMessageBox(const char* caption, const char* text);  // a modal box over the open window; standard error when none is open or it cannot show
