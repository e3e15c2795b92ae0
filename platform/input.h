// The game's window messages and key states, and the pure rules that turn the toolkit's input into them.
#pragma once

#include <cstdint>

// What a message tells the window procedure.
enum MESSAGEKIND : int {
    MessageNone = 0,
    MessagePointerMove = 1,  // X, Y: the pointer moved to this point of the drawing area
    MessageButtonDown = 2,   // X, Y: the left button went down at this point
    MessageButtonUp = 3,     // X, Y: the left button came up at this point
    MessageChar = 4,         // Char: a typed character (ASCII, or 8, 9, 13, 27)
    MessageMinimise = 5,     // the window was minimised
    MessageRestore = 6,      // the window was restored from its minimised state
    MessageExpose = 7,       // the window needs the last picture shown again
    MessageClose = 8,        // the window is being destroyed: the program ends
};

// One message for the window procedure.
struct MESSAGE {
    MESSAGEKIND Kind = MessageNone;
    int X = 0;     // pointer position in drawing-area pixels, for the pointer messages
    int Y = 0;
    int Char = 0;  // the character of MessageChar
};

MESSAGE MakeMessage(MESSAGEKIND kind, int x = 0, int y = 0, int character = 0);  // a message as the window sends it

constexpr int MessageQueueSize = 256;  // messages that can wait at once

// Messages waiting in order, with a run of pointer moves merged into its latest one.
class MESSAGEQUEUE {
public:
    bool Push(const MESSAGE& message);  // appends; a pointer move behind a pointer move replaces it; false when full
    bool Pop(MESSAGE& message);         // takes the oldest message; false when none waits
    int Count() const;                  // messages waiting
    void Clear();                       // forgets every waiting message

private:
    MESSAGE Messages[MessageQueueSize];  // a ring: Used messages from index First on
    int First = 0;
    int Used = 0;
};

// Key numbers of the key-state snapshot: letters and digits are their capital ASCII codes.
constexpr int KeyStateCount = 256;  // entries of a key-state snapshot
constexpr int KeyDownBit = 0x80;    // set in a snapshot entry while its key is held
constexpr int KeyBackspace = 0x08;
constexpr int KeyTab = 0x09;
constexpr int KeyEnter = 0x0D;      // the main Enter key and the keypad's
constexpr int KeyShift = 0x10;
constexpr int KeyControl = 0x11;
constexpr int KeyAlt = 0x12;
constexpr int KeyEscape = 0x1B;
constexpr int KeySpace = 0x20;
constexpr int KeyLeft = 0x25;
constexpr int KeyUp = 0x26;
constexpr int KeyRight = 0x27;
constexpr int KeyDown = 0x28;
constexpr int KeyA = 0x41;          // B to Z follow
constexpr int KeyD = 0x44;
constexpr int KeyW = 0x57;
constexpr int KeyX = 0x58;
constexpr int KeyF1 = 0x70;         // F2 to F12 follow

// Scancodes are the USB keyboard usage numbers that the window toolkit reports for physical keys.
int KeyOfScancode(int scancode);    // the key number of a physical key, 0 for keys the game has no number for
int CharOfScancode(int scancode);   // the character a key types by itself: 8, 9, 13 or 27; 0 for the rest (text comes separately)
void FillKeyStates(const std::uint8_t* scancodeDown, int scancodeCount,
                   std::uint8_t keys[KeyStateCount]);  // a snapshot from per-scancode down flags
void QueueText(MESSAGEQUEUE& queue, const char* text); // one MessageChar per printable ASCII byte of typed UTF-8 text
