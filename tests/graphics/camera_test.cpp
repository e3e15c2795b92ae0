// The camera: its view and projection as the device gets them, the matrix product, and its keys with the debug
// switch.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <memory>

#include "graphics/camera.h"
#include "graphics/drawing.h"
#include "platform/window.h"
#include "world/game.h"

namespace {

VECTOR3 Times(VECTOR3 p, const MATRIX& m, float* w = nullptr)
{
    if (w != nullptr)
        *w = p.X * m._14 + p.Y * m._24 + p.Z * m._34 + m._44;
    return {p.X * m._11 + p.Y * m._21 + p.Z * m._31 + m._41, p.X * m._12 + p.Y * m._22 + p.Z * m._32 + m._42,
            p.X * m._13 + p.Y * m._23 + p.Z * m._33 + m._43};
}

bool Same(const MATRIX& a, const MATRIX& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Holds the keys through one game frame.
void Frame(const GAME& game, std::initializer_list<int> keys)
{
    for (int key : keys)
        HoldKey(key, true);
    ReadCameraKeys(game);
    ResetInput();
}

}  // namespace

// The view takes the camera's place to the origin, its turn taking world +z to the right at a yaw of 90; the
// projection puts the near plane at depth 0, the far one at 1, and the top of the 45-degree view at the picture's
// top. Both reach the device.
TEST(CameraMatrices, TheViewCentresTheCameraTheProjectionSpansItsFieldAndBothReachTheDevice)
{
    DEVICE device;
    Drawing.pDevice = &device;
    PlaceCameraForNewGame();
    ApplyCamera();
    const VECTOR3 origin = Times({-5.0f, 132.0f, -180.0f}, Camera.matView);
    EXPECT_TRUE(std::fabs(origin.X) < 1e-4f && std::fabs(origin.Y) < 1e-4f && std::fabs(origin.Z) < 1e-4f);
    EXPECT_TRUE(Same(device.State().View, Camera.matView) && Same(device.State().Projection, Camera.matProj));

    Camera = CAMERA();
    Camera.CameraYaw = 90.0f;
    ApplyCamera();
    const VECTOR3 ahead = Times({0.0f, 0.0f, 1.0f}, Camera.matView);
    EXPECT_TRUE(std::fabs(ahead.X - 1.0f) < 1e-6f && std::fabs(ahead.Z) < 1e-6f);
    float w = 0.0f;
    EXPECT_NEAR(Times({0.0f, 0.0f, 1.0f}, Camera.matProj, &w).Z / w, 0.0f, 1e-6f);
    EXPECT_NEAR(Times({0.0f, 0.0f, 50000.0f}, Camera.matProj, &w).Z / w, 1.0f, 1e-6f);
    const VECTOR3 top = Times({0.0f, 100.0f * std::tan(0.392699f), 100.0f}, Camera.matProj, &w);
    EXPECT_NEAR(top.Y / w, 1.0f, 1e-5f);
    Drawing = DRAWING();
}

// A product written over either of its inputs is the product of the inputs as they were.
TEST(CameraMatrices, AProductWrittenOverItsInputIsTheSame)
{
    MATRIX a, b, expected;
    SetRotateYMatrix(a, 0.7f);
    SetTranslateMatrix(b, 3.0f, -2.0f, 5.0f);
    MatrixMultiply(expected, a, b);
    EXPECT_FLOAT_EQ(expected._41, 3.0f);
    MATRIX first = a, second = b;
    MatrixMultiply(first, first, b);
    MatrixMultiply(second, a, second);
    EXPECT_TRUE(Same(first, expected) && Same(second, expected));
    MATRIX inverse;
    ASSERT_TRUE(InvertMatrix(inverse, expected));
    MatrixMultiply(first, expected, inverse);
    EXPECT_NEAR(first._11 + first._22 + first._33 + first._44, 4.0f, 1e-5f);
    EXPECT_NEAR(first._41, 0.0f, 1e-5f);
    EXPECT_FALSE(InvertMatrix(inverse, MATRIX())) << "a flat matrix has no inverse";
}

// The game's camera looks down 26.6 degrees, so half a unit forward also sinks; down and right win over their
// opposites. The yaw wraps around and the pitch is never clamped; during the computer's turns only F1 counts, and
// the overlay it turns on stays on for good.
TEST(CameraKeys, ArrowsStepAlongTheCameraAxesTheYawWrapsAndOnlyF1CountsInTheComputersTurns)
{
    const auto game = std::make_unique<GAME>();
    PlaceCameraForNewGame();
    Frame(*game, {KeyUp});
    EXPECT_NEAR(Camera.CameraMatrix._42, 132.0f - 0.22388f, 1e-4f);
    EXPECT_NEAR(Camera.CameraMatrix._43, -180.0f + 0.44708f, 1e-4f);
    Camera.CameraPitch = 0.0f;
    Frame(*game, {KeyUp, KeyDown});
    EXPECT_NEAR(Camera.CameraMatrix._43, -180.05292f, 1e-4f);
    Frame(*game, {KeyLeft, KeyRight});
    EXPECT_FLOAT_EQ(Camera.CameraMatrix._41, -4.5f);

    PlaceCameraForNewGame();
    Camera.CameraYaw = 359.5f;
    Frame(*game, {KeyA});
    EXPECT_NEAR(Camera.CameraYaw, 0.4f, 1e-4f);
    Frame(*game, {KeyD});
    Frame(*game, {KeyD});
    EXPECT_NEAR(Camera.CameraYaw, 358.6f, 1e-4f);
    for (int frame = 0; frame < 100; frame++)
        Frame(*game, {KeyW});
    EXPECT_NEAR(Camera.CameraPitch, 63.4f, 1e-3f);

    PlaceCameraForNewGame();
    game->HumanTurnEnded = 1;
    Frame(*game, {KeyUp, KeyRight, KeyA, KeyW});
    EXPECT_TRUE(Camera.CameraMatrix._41 == -5.0f && Camera.CameraMatrix._43 == -180.0f &&
                Camera.CameraYaw == 0.0f && Camera.CameraPitch == -26.6f);
    EXPECT_FALSE(Camera.DebugDisplay);
    Frame(*game, {KeyF1});
    game->HumanTurnEnded = 0;
    Frame(*game, {});
    EXPECT_TRUE(Camera.DebugDisplay);
}
