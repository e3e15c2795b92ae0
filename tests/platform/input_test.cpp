// Input becoming messages and key states, and the window's services with and without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/device.h"
#include "platform/input.h"
#include "platform/window.h"

namespace {

class Window : public testing::Test {
protected:
    void TearDown() override
    {
        CloseMainWindow();
        ResetInput();
    }
};

}  // namespace

// Video that fails to start leaves the system's D-Bus library holding a buffer it never frees.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so"; }

// Scancodes are USB keyboard usages. Only Backspace, Tab, both Enters and Escape type by themselves; a held key
// carries the top bit in its own entry of the snapshot and in no other, and a key without a number in none.
TEST(Keys, EachPhysicalKeyHasItsNumberAndOnlyFiveTypeByThemselves)
{
    const struct { int Scancode, Key, Char; } rows[] = {
        {42, 0x08, 8}, {43, 0x09, 9}, {40, 0x0d, 13}, {88, 0x0d, 13}, {41, 0x1b, 27}, {4, 0x41, 0}, {29, 0x5a, 0},
        {30, 0x31, 0}, {39, 0x30, 0}, {80, 0x25, 0}, {82, 0x26, 0}, {79, 0x27, 0}, {81, 0x28, 0}, {58, 0x70, 0},
        {69, 0x7b, 0}, {225, 0x10, 0}, {0, 0, 0}, {511, 0, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(KeyOfScancode(row.Scancode), row.Key) << row.Scancode;
        EXPECT_EQ(CharOfScancode(row.Scancode), row.Char) << row.Scancode;
        std::uint8_t down[512] = {};
        down[row.Scancode] = 1;
        std::uint8_t keys[KeyStateCount];
        FillKeyStates(down, 512, keys);
        for (int key = 0; key < KeyStateCount; ++key)
            ASSERT_EQ(keys[key], key == row.Key && key != 0 ? KeyDownBit : 0) << row.Scancode << " key " << key;
    }
}

// Typed text gives only printable ASCII; pointer moves merge into the latest, even in a full queue.
TEST(Keys, TextTypesItsPrintableCharactersAndTheQueueMergesPointerMoves)
{
    MESSAGEQUEUE queue;
    QueueText(queue, "Ab 1~\xc3\xa9\x7f\x1bz");
    for (MESSAGEKIND kind : {MessagePointerMove, MessagePointerMove, MessageButtonDown, MessagePointerMove,
                             MessagePointerMove, MessageChar, MessagePointerMove})
        queue.Push(MakeMessage(kind, queue.Count(), 0, 13));
    std::string said;
    for (MESSAGE m; queue.Pop(m);)
        said += std::to_string(m.Kind) + ":" + std::to_string(m.X) + "," + std::to_string(m.Char) + " ";
    EXPECT_EQ(said, "4:0,65 4:0,98 4:0,32 4:0,49 4:0,126 4:0,122 1:7,13 2:7,13 1:9,13 4:9,13 1:10,13 ");
    MESSAGE out;
    for (int i = 0; i < 10; ++i)
        queue.Push(MakeMessage(MessageChar)) && queue.Pop(out);
    for (int i = 0; i < MessageQueueSize - 1; ++i)
        ASSERT_TRUE(queue.Push(MakeMessage(MessageChar, 0, 0, i)));
    EXPECT_TRUE(queue.Push(MakeMessage(MessagePointerMove, 7, 7)));
    EXPECT_FALSE(queue.Push(MakeMessage(MessageChar, 0, 0, 999)));
    EXPECT_TRUE(queue.Push(MakeMessage(MessagePointerMove, 8, 8)));
    EXPECT_EQ(queue.Count(), MessageQueueSize);
    for (int i = 0; i < MessageQueueSize - 1; ++i)
        ASSERT_TRUE(queue.Pop(out) && out.Char == i);
    EXPECT_TRUE(queue.Pop(out) && out.Kind == MessagePointerMove && out.X == 8);
    EXPECT_FALSE(queue.Pop(out));
    EXPECT_TRUE(IsInPicture(0, 0) && IsInPicture(639, 511));
    EXPECT_FALSE(IsInPicture(640, 100) || IsInPicture(100, 512) || IsInPicture(-1, 0) || IsInPicture(0, -1));
}

// Without a window, messages come only from QueueMessage and keys only from HoldKey, numbers outside the snapshot
// ignored; an unknown cursor is the arrow; the message box goes to standard error; the device keeps its picture.
TEST_F(Window, WithoutAWindowEveryServiceRunsHeadless)
{
    ASSERT_FALSE(IsWindowOpen());
    MESSAGE message;
    EXPECT_FALSE(NextMessage(message));
    QueueMessage(MakeMessage(MessageButtonDown, 10, 20));
    QueueMessage(MakeMessage(MessageClose));
    EXPECT_TRUE(NextMessage(message) && message.Kind == MessageButtonDown && message.Y == 20);
    EXPECT_TRUE(WaitMessage(message) && message.Kind == MessageClose);
    EXPECT_FALSE(NextMessage(message));
    for (int key : {-1, 0, KeyW, KeyF1, KeyStateCount - 1, KeyStateCount})
        HoldKey(key, true);
    HoldKey(KeyW, false);
    std::uint8_t keys[KeyStateCount];
    ReadKeyStates(keys);
    for (int key = 0; key < KeyStateCount; ++key)
        EXPECT_EQ(keys[key], key == 0 || key == KeyF1 || key == KeyStateCount - 1 ? KeyDownBit : 0) << key;
    ResetInput();
    ReadKeyStates(keys);
    EXPECT_EQ(keys[KeyF1], 0);
    SetPointerCursor(CursorHelp);
    EXPECT_EQ(PointerCursor(), CursorHelp);
    SetPointerCursor(static_cast<CURSOR>(12345));
    EXPECT_EQ(PointerCursor(), CursorArrow);
    testing::internal::CaptureStderr();
    ShowMessageBox("Tollmarrow", "Error Code : 1003.0000");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Tollmarrow: Error Code : 1003.0000\n");
    DEVICE device;
    ASSERT_EQ(device.Create(), PlatformOk);
    EXPECT_TRUE(device.IsHeadless());
    device.Clear(D3DCLEAR_TARGET, 0x123456, 1.0f, 0);
    device.Present();
    EXPECT_TRUE(device.Pixel(0, 0) == 0xff123456u && device.Pixel(639, 511) == 0xff123456u && !device.Pixel(640, 0));
    EXPECT_FALSE(device.SaveScreenshot("no such folder/shot.png"));
}

// A window on SDL's driver that shows nothing opens with no key held; its message box goes to standard error.
TEST_F(Window, AMessageBoxThatCannotShowOverTheWindowGoesToStandardError)
{
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(OpenMainWindow(), PlatformOk) << PlatformFailureReason();
    EXPECT_STREQ(PlatformFailureReason(), "");
    std::uint8_t keys[KeyStateCount];
    ReadKeyStates(keys);
    EXPECT_EQ(std::count(keys, keys + KeyStateCount, 0), KeyStateCount);
    DEVICE device;
    ASSERT_EQ(device.Create(), PlatformOk);
    EXPECT_FALSE(device.IsHeadless());
    device.Present();
    device.Present();
    testing::internal::CaptureStderr();
    ShowMessageBox("Tollmarrow", "Error Code : 1003.0000");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Tollmarrow: Error Code : 1003.0000\n");
    device.Release();
}

// The reason a window cannot open is said whole, however long the display's name.
TEST_F(Window, WhyNoWindowOpensIsSaidWholeForALongDisplayName)
{
    const std::string display = ":" + std::string(150, '7');
    setenv("DISPLAY", display.c_str(), 1);
    unsetenv("SDL_VIDEODRIVER");
    EXPECT_EQ(OpenMainWindow(), PlatformNoVideo);
    const std::string reason = PlatformFailureReason();
    EXPECT_EQ(reason.rfind("No display could be opened: DISPLAY=\":7777", 0), 0u) << reason;
    EXPECT_EQ(reason.substr(reason.size() - 19), "which shows nothing") << reason;
}
