// The camera keys and the debug switch.
#include <gtest/gtest.h>

#include <initializer_list>

#include "graphics/camera.h"
#include "platform/window.h"
#include "world/game.h"

namespace {

class CameraKeys : public testing::Test {
protected:
    void SetUp() override { PlaceCameraForNewGame(); }
    void TearDown() override { ResetInput(); }

    // Holds the keys through one game frame.
    static void Frame(std::initializer_list<int> keys)
    {
        for (int key : keys)
            HoldKey(key, true);
        ReadCameraKeys();
        ResetInput();
    }
};

}  // namespace

// The game's camera looks down 26.6 degrees, so half a unit forward also sinks.
TEST_F(CameraKeys, ArrowsStepAlongTheCameraAxesAndDownAndRightWinOverTheirOpposites)
{
    Frame({KeyUp});
    EXPECT_NEAR(Camera.CameraMatrix._42, 132.0f - 0.22388f, 1e-4f);
    EXPECT_NEAR(Camera.CameraMatrix._43, -180.0f + 0.44708f, 1e-4f);
    Camera.CameraPitch = 0.0f;
    Frame({KeyUp, KeyDown});
    EXPECT_NEAR(Camera.CameraMatrix._43, -180.05292f, 1e-4f);
    Frame({KeyLeft, KeyRight});
    EXPECT_FLOAT_EQ(Camera.CameraMatrix._41, -4.5f);
}

TEST_F(CameraKeys, TheYawWrapsAroundAndThePitchIsNeverClamped)
{
    Camera.CameraYaw = 359.5f;
    Frame({KeyA});
    EXPECT_NEAR(Camera.CameraYaw, 0.4f, 1e-4f);
    Frame({KeyD});
    Frame({KeyD});
    EXPECT_NEAR(Camera.CameraYaw, 358.6f, 1e-4f);
    for (int frame = 0; frame < 100; frame++)
        Frame({KeyW});
    EXPECT_NEAR(Camera.CameraPitch, 63.4f, 1e-3f);
}

TEST_F(CameraKeys, DuringComputerTurnsOnlyF1CountsAndTheOverlayStaysOnForGood)
{
    Game.HumanTurnEnded = 1;
    Frame({KeyUp, KeyRight, KeyA, KeyW});
    EXPECT_TRUE(Camera.CameraMatrix._41 == -5.0f && Camera.CameraMatrix._43 == -180.0f && Camera.CameraYaw == 0.0f &&
                Camera.CameraPitch == -26.6f);
    EXPECT_FALSE(Camera.DebugDisplay);
    Frame({KeyF1});
    Game.HumanTurnEnded = 0;
    Frame({});
    EXPECT_TRUE(Camera.DebugDisplay);
}
