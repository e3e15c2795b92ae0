// Messages in order with merged pointer moves, key numbers of physical keys, and typed characters.
#include "platform/input.h"

namespace {

// A run of physical keys whose key numbers run in step with their scancodes.
struct KEYRANGE {
    int FirstScancode;
    int LastScancode;
    int FirstKey;
    const char* Name;
};

constexpr int KeyRangeCount = 20;
constexpr KEYRANGE KeyRanges[] = {
    {4, 29, 'A', "letters A to Z"},
    {30, 38, '1', "digits 1 to 9"},
    {39, 39, '0', "digit 0"},
    {40, 40, KeyEnter, "Enter"},
    {41, 41, KeyEscape, "Escape"},
    {42, 42, KeyBackspace, "Backspace"},
    {43, 43, KeyTab, "Tab"},
    {44, 44, KeySpace, "Space"},
    {58, 69, KeyF1, "F1 to F12"},
    {79, 79, KeyRight, "Right arrow"},
    {80, 80, KeyLeft, "Left arrow"},
    {81, 81, KeyDown, "Down arrow"},
    {82, 82, KeyUp, "Up arrow"},
    {88, 88, KeyEnter, "keypad Enter"},
    {224, 224, KeyControl, "left Control"},
    {225, 225, KeyShift, "left Shift"},
    {226, 226, KeyAlt, "left Alt"},
    {228, 228, KeyControl, "right Control"},
    {229, 229, KeyShift, "right Shift"},
    {230, 230, KeyAlt, "right Alt"},
};
static_assert(sizeof(KeyRanges) / sizeof(KeyRanges[0]) == KeyRangeCount);

}  // namespace

MESSAGE MakeMessage(MESSAGEKIND kind, int x, int y, int character)
{
    MESSAGE message;
    message.Kind = kind;
    message.X = x;
    message.Y = y;
    message.Char = character;
    return message;
}

bool MESSAGEQUEUE::Push(const MESSAGE& message)
{
    // The pointer only matters where it is now: a newer move replaces one still waiting at the end.
    if (message.Kind == MessagePointerMove && Used > 0) {
        MESSAGE& last = Messages[(First + Used - 1) % MessageQueueSize];
        if (last.Kind == MessagePointerMove) {
            last = message;
            return true;
        }
    }
    if (Used == MessageQueueSize)
        return false;
    Messages[(First + Used) % MessageQueueSize] = message;
    ++Used;
    return true;
}

bool MESSAGEQUEUE::Pop(MESSAGE& message)
{
    if (Used == 0)
        return false;
    message = Messages[First];
    First = (First + 1) % MessageQueueSize;
    --Used;
    return true;
}

int MESSAGEQUEUE::Count() const
{
    return Used;
}

void MESSAGEQUEUE::Clear()
{
    First = 0;
    Used = 0;
}

int KeyOfScancode(int scancode)
{
    for (const KEYRANGE& range : KeyRanges) {
        if (scancode >= range.FirstScancode && scancode <= range.LastScancode)
            return range.FirstKey + scancode - range.FirstScancode;
    }
    return 0;
}

int CharOfScancode(int scancode)
{
    switch (KeyOfScancode(scancode)) {
    case KeyBackspace: return 8;
    case KeyTab: return 9;
    case KeyEnter: return 13;
    case KeyEscape: return 27;
    default: return 0;
    }
}

void FillKeyStates(const std::uint8_t* scancodeDown, int scancodeCount, std::uint8_t keys[KeyStateCount])
{
    for (int key = 0; key < KeyStateCount; ++key)
        keys[key] = 0;
    for (int scancode = 0; scancode < scancodeCount; ++scancode) {
        int key = KeyOfScancode(scancode);
        if (scancodeDown[scancode] != 0 && key != 0)
            keys[key] = KeyDownBit;
    }
}

void QueueText(MESSAGEQUEUE& queue, const char* text)
{
    // Bytes of a multi-byte UTF-8 character are all 0x80 or above, so such a character types nothing.
    for (const char* p = text; *p != '\0'; ++p) {
        int code = static_cast<unsigned char>(*p);
        if (code >= 32 && code < 127)
            queue.Push(MakeMessage(MessageChar, 0, 0, code));
    }
}
