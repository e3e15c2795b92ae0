// The camera keys and the debug switch; the shadow-volume geometry of the models.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "graphics/camera.h"
#include "graphics/models.h"
#include "platform/window.h"
#include "world/game.h"

namespace {

// Holds the keys through one game frame.
void Frame(std::initializer_list<int> keys)
{
    for (int key : keys)
        HoldKey(key, true);
    ReadCameraKeys();
    ResetInput();
}

}  // namespace

// The game's camera looks down 26.6 degrees, so half a unit forward also sinks; down and right win over their
// opposites. The yaw wraps around and the pitch is never clamped; during the computer's turns only F1 counts, and
// the overlay it turns on stays on for good.
TEST(CameraKeys, ArrowsStepAlongTheCameraAxesTheYawWrapsAndOnlyF1CountsInTheComputersTurns)
{
    PlaceCameraForNewGame();
    Frame({KeyUp});
    EXPECT_NEAR(Camera.CameraMatrix._42, 132.0f - 0.22388f, 1e-4f);
    EXPECT_NEAR(Camera.CameraMatrix._43, -180.0f + 0.44708f, 1e-4f);
    Camera.CameraPitch = 0.0f;
    Frame({KeyUp, KeyDown});
    EXPECT_NEAR(Camera.CameraMatrix._43, -180.05292f, 1e-4f);
    Frame({KeyLeft, KeyRight});
    EXPECT_FLOAT_EQ(Camera.CameraMatrix._41, -4.5f);

    PlaceCameraForNewGame();
    Camera.CameraYaw = 359.5f;
    Frame({KeyA});
    EXPECT_NEAR(Camera.CameraYaw, 0.4f, 1e-4f);
    Frame({KeyD});
    Frame({KeyD});
    EXPECT_NEAR(Camera.CameraYaw, 358.6f, 1e-4f);
    for (int frame = 0; frame < 100; frame++)
        Frame({KeyW});
    EXPECT_NEAR(Camera.CameraPitch, 63.4f, 1e-3f);

    PlaceCameraForNewGame();
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

// An edge added twice, either way round, cancels; two lit triangles of a square share their diagonal, so four
// silhouette edges are extruded, six points each, A pushed back along the light; an unlit square gives none, and
// an edge that would not fit below the bound is left out.
TEST(ShadowVolumes, OnlyTheLitSilhouetteIsExtrudedWithinTheBound)
{
    SHADOWEDGE edges[4];
    int edgeCount = 0;
    for (const auto& edge : {std::pair{1, 2}, {2, 3}, {3, 1}, {2, 1}})
        AddShadowEdge(edges, edgeCount, static_cast<std::uint16_t>(edge.first),
                      static_cast<std::uint16_t>(edge.second));
    EXPECT_TRUE(edgeCount == 2 && edges[0].A == 3 && edges[0].B == 1);

    MESH square;
    square.Vertices.resize(4);
    square.Vertices[1].Position = {1.0f, 0.0f, 0.0f};
    square.Vertices[2].Position = {1.0f, 0.0f, 1.0f};
    square.Vertices[3].Position = {0.0f, 0.0f, 1.0f};
    square.Indices = {0, 1, 2, 0, 2, 3};
    auto points = std::make_unique<POINT3[]>(MaxShadowPoints);
    int count = 0;
    EXPECT_EQ(BuildShadowVolume(square, {0.0f, 1.0f, 0.0f}, points.get(), count), 0);
    ASSERT_EQ(count, 24);
    EXPECT_TRUE(points[2].Y == -10.0f && points[0].Y == 0.0f);
    int unlit = 0;
    BuildShadowVolume(square, {0.0f, -1.0f, 0.0f}, points.get(), unlit);
    EXPECT_EQ(unlit, 0);
    int nearlyFull = MaxShadowPoints - 10;
    BuildShadowVolume(square, {0.0f, 1.0f, 0.0f}, points.get(), nearlyFull);
    EXPECT_EQ(nearlyFull, MaxShadowPoints - 4);
}

// A ray meets the front of a triangle at its distance and barycentric place, and misses its back.
TEST(ShadowVolumes, RaysMeetOnlyTheFrontOfATriangle)
{
    const POINT3 c0{0.0f, 0.0f, 0.0f}, c1{0.0f, 1.0f, 0.0f}, c2{1.0f, 0.0f, 0.0f};
    float t = 0.0f, u = 0.0f, v = 0.0f;
    ASSERT_TRUE(IntersectTriangle({0.25f, 0.5f, -2.0f}, {0.0f, 0.0f, 1.0f}, c0, c1, c2, t, u, v));
    EXPECT_TRUE(t == 2.0f && u == 0.5f && v == 0.25f);
    EXPECT_FALSE(IntersectTriangle({0.25f, 0.5f, 2.0f}, {0.0f, 0.0f, -1.0f}, c0, c1, c2, t, u, v));
}
