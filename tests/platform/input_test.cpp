// Input becoming messages: typed characters, merged pointer moves, the key-state snapshot, and the headless services.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/input.h"
#include "platform/window.h"

namespace {

// Scancodes as the window toolkit reports them (USB keyboard usage numbers).
constexpr int ScanA = 4;
constexpr int ScanD = 7;
constexpr int ScanW = 26;
constexpr int ScanX = 27;
constexpr int Scan1 = 30;
constexpr int Scan0 = 39;
constexpr int ScanEnter = 40;
constexpr int ScanEscape = 41;
constexpr int ScanBackspace = 42;
constexpr int ScanTab = 43;
constexpr int ScanF1 = 58;
constexpr int ScanF12 = 69;
constexpr int ScanRight = 79;
constexpr int ScanLeft = 80;
constexpr int ScanDown = 81;
constexpr int ScanUp = 82;
constexpr int ScanKeypadEnter = 88;
constexpr int ScanLeftShift = 225;

std::string Drain(MESSAGEQUEUE& queue)
{
    std::string out;
    MESSAGE message;
    while (queue.Pop(message))
        out += std::to_string(message.Kind) + ":" + std::to_string(message.X) + "," + std::to_string(message.Y) + "," +
               std::to_string(message.Char) + " ";
    return out;
}

class HeadlessInput : public testing::Test {
protected:
    void SetUp() override { ResetInput(); }
    void TearDown() override { ResetInput(); }
};

}  // namespace

TEST(KeyTranslation, OnlyBackspaceTabBothEntersAndEscapeTypeByThemselves)
{
    struct ROW {
        int Scancode;
        int Char;
        const char* Name;
    };
    const ROW rows[] = {
        {ScanBackspace, 8, "Backspace"}, {ScanTab, 9, "Tab"},           {ScanEnter, 13, "Enter"},
        {ScanKeypadEnter, 13, "keypad Enter"}, {ScanEscape, 27, "Escape"}, {ScanA, 0, "A comes as text"},
        {Scan1, 0, "1 comes as text"}, {ScanLeft, 0, "Left"},           {ScanRight, 0, "Right"},
        {ScanUp, 0, "Up"},             {ScanDown, 0, "Down"},           {ScanF1, 0, "F1"},
        {ScanLeftShift, 0, "Shift"},   {0, 0, "unknown"},               {511, 0, "beyond every table"},
    };
    for (const ROW& row : rows)
        EXPECT_EQ(CharOfScancode(row.Scancode), row.Char) << row.Name;
}

TEST(KeyTranslation, TypedTextGivesItsPrintableAsciiCharactersInOrder)
{
    MESSAGEQUEUE queue;
    QueueText(queue, "Ab 1~");
    QueueText(queue, "\xc3\xa9");    // e acute: a two-byte character types nothing
    QueueText(queue, "\x7f\x1bz");   // delete and control bytes type nothing
    EXPECT_EQ(Drain(queue), "4:0,0,65 4:0,0,98 4:0,0,32 4:0,0,49 4:0,0,126 4:0,0,122 ");
}

TEST(KeyTranslation, PointsOutsideTheDrawingAreaAreNotInThePicture)
{
    EXPECT_TRUE(IsInPicture(0, 0));
    EXPECT_TRUE(IsInPicture(639, 511));
    EXPECT_FALSE(IsInPicture(640, 100));
    EXPECT_FALSE(IsInPicture(100, 512));
    EXPECT_FALSE(IsInPicture(-1, 0));
    EXPECT_FALSE(IsInPicture(0, -1));
}

TEST(MessageQueue, PointerMovesMergeIntoTheLatestBeforeTheNextOtherMessage)
{
    MESSAGEQUEUE queue;
    queue.Push(MakeMessage(MessagePointerMove, 1, 1));
    queue.Push(MakeMessage(MessagePointerMove, 2, 2));
    queue.Push(MakeMessage(MessageButtonDown, 2, 2));
    queue.Push(MakeMessage(MessagePointerMove, 3, 3));
    queue.Push(MakeMessage(MessagePointerMove, 4, 4));
    queue.Push(MakeMessage(MessageChar, 0, 0, 13));
    queue.Push(MakeMessage(MessagePointerMove, 5, 5));
    EXPECT_EQ(queue.Count(), 5);
    EXPECT_EQ(Drain(queue), "1:2,2,0 2:2,2,0 1:4,4,0 4:0,0,13 1:5,5,0 ");
}

TEST(MessageQueue, AFullQueueRefusesNewMessagesButStillMergesMovesAndKeepsOrderAcrossTheRing)
{
    MESSAGEQUEUE queue;
    MESSAGE out;
    for (int i = 0; i < 10; ++i) {
        queue.Push(MakeMessage(MessageChar, 0, 0, i));
        ASSERT_TRUE(queue.Pop(out));
    }
    for (int i = 0; i < MessageQueueSize - 1; ++i)
        ASSERT_TRUE(queue.Push(MakeMessage(MessageChar, 0, 0, i)));
    EXPECT_TRUE(queue.Push(MakeMessage(MessagePointerMove, 7, 7)));
    EXPECT_FALSE(queue.Push(MakeMessage(MessageChar, 0, 0, 999)));
    EXPECT_TRUE(queue.Push(MakeMessage(MessagePointerMove, 8, 8)));
    EXPECT_EQ(queue.Count(), MessageQueueSize);
    for (int i = 0; i < MessageQueueSize - 1; ++i) {
        ASSERT_TRUE(queue.Pop(out));
        ASSERT_EQ(out.Char, i);
    }
    ASSERT_TRUE(queue.Pop(out));
    EXPECT_EQ(out.Kind, MessagePointerMove);
    EXPECT_EQ(out.X, 8);
    EXPECT_FALSE(queue.Pop(out));
}

TEST(KeyStates, EachKeyTheGameReadsHasItsNumberAndOnlyHeldKeysCarryTheTopBit)
{
    struct ROW {
        int Scancode;
        int Key;
        const char* Name;
    };
    const ROW rows[] = {
        {ScanLeft, 0x25, "Left"}, {ScanUp, 0x26, "Up"}, {ScanRight, 0x27, "Right"},
        {ScanDown, 0x28, "Down"}, {ScanA, 0x41, "A"},   {ScanD, 0x44, "D"},
        {ScanW, 0x57, "W"},       {ScanX, 0x58, "X"},   {ScanF1, 0x70, "F1"},
        {ScanF12, 0x7b, "F12"},   {Scan0, 0x30, "0"},   {ScanKeypadEnter, 0x0d, "keypad Enter"},
    };
    for (const ROW& row : rows) {
        EXPECT_EQ(KeyOfScancode(row.Scancode), row.Key) << row.Name;
        std::uint8_t down[512] = {};
        down[row.Scancode] = 1;
        std::uint8_t keys[KeyStateCount];
        FillKeyStates(down, 512, keys);
        for (int key = 0; key < KeyStateCount; ++key)
            ASSERT_EQ(keys[key], key == row.Key ? 0x80 : 0) << row.Name << " key " << key;
    }
}

TEST_F(HeadlessInput, QueuedMessagesComeBackOneAtATimeInOrderAndHeldKeysShowInTheSnapshot)
{
    ASSERT_FALSE(IsWindowOpen());
    MESSAGE message;
    EXPECT_FALSE(NextMessage(message));
    QueueMessage(MakeMessage(MessageButtonDown, 10, 20));
    QueueMessage(MakeMessage(MessageClose));
    ASSERT_TRUE(NextMessage(message));
    EXPECT_EQ(message.Kind, MessageButtonDown);
    EXPECT_EQ(message.Y, 20);
    ASSERT_TRUE(NextMessage(message));
    EXPECT_EQ(message.Kind, MessageClose);
    EXPECT_FALSE(NextMessage(message));

    HoldKey(KeyF1, true);
    HoldKey(KeyW, true);
    HoldKey(KeyW, false);
    HoldKey(300, true);
    std::uint8_t keys[KeyStateCount];
    ReadKeyStates(keys);
    EXPECT_EQ(keys[KeyF1], 0x80);
    EXPECT_EQ(keys[KeyW], 0);
    ResetInput();
    ReadKeyStates(keys);
    EXPECT_EQ(keys[KeyF1], 0);
}

TEST_F(HeadlessInput, TheCursorIsOneOfFourShapesAndAnUnknownNumberShowsTheArrow)
{
    EXPECT_EQ(PointerCursor(), CursorArrow);
    const CURSOR shapes[] = {CursorCross, CursorNo, CursorHelp, CursorArrow};
    for (CURSOR shape : shapes) {
        SetPointerCursor(shape);
        EXPECT_EQ(PointerCursor(), shape);
    }
    SetPointerCursor(CursorHelp);
    SetPointerCursor(static_cast<CURSOR>(12345));
    EXPECT_EQ(PointerCursor(), CursorArrow);
}

TEST_F(HeadlessInput, WithoutAWindowTheMessageBoxGoesToStandardError)
{
    testing::internal::CaptureStderr();
    ShowMessageBox("Tollmarrow", "Error Code : 1003.0000");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Tollmarrow: Error Code : 1003.0000\n");
}

TEST_F(HeadlessInput, WithoutAWindowTheDeviceIsHeadlessAndPresentLeavesThePicture)
{
    DEVICE device;
    ASSERT_EQ(device.Create(), PlatformOk);
    EXPECT_TRUE(device.IsHeadless());
    device.Clear(0x123456);
    device.BeginScene();
    device.EndScene();
    device.Present();
    EXPECT_EQ(device.Pixel(0, 0), 0xff123456u);
    EXPECT_EQ(device.Pixel(639, 511), 0xff123456u);
    EXPECT_EQ(device.Pixel(640, 0), 0u);
}
