// The shadow volumes: a box's shadow on a floor as the stencil counts it and the quad darkens it, the bound on a
// volume's points, the silhouette's edges and the ray-triangle test; the one model file the data names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "graphics/camera.h"
#include "graphics/drawing.h"
#include "graphics/models.h"
#include "shell/start_up.h"
#include "world/model_list.h"
#include "world/texture_list.h"

namespace {

constexpr float Margin = 1.5f;            // pixels this near an outline may go either way
constexpr std::uint32_t Lit = 0xff8040c0u;  // the picture before the shadow
constexpr std::uint32_t Shaded = 0xff402060u;  // black at alpha 127 over it: each channel times 128 / 255

struct SCREENPOINT {
    float X, Y;
};

// A device of the test's own, as the game's would stand in a frame: the shadow quad made, depth compared by LESS,
// every plane cleared.
class ShadowPicture : public testing::Test {
protected:
    DEVICE Device;

    void SetUp() override
    {
        ASSERT_EQ(Device.Create(), PlatformOk);
        Drawing.pDevice = &Device;
        Drawing.pShadowQuad = CreateShadowQuad(Device);
        Device.SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
        Device.Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, Lit, 1.0f, 0);
    }
    void TearDown() override { Drawing = DRAWING(); }

    // The triangles drawn into the depth plane alone, from both sides.
    void DrawIntoDepth(const std::vector<VECTOR3>& triangles)
    {
        Device.SetRenderState(D3DRS_COLORWRITEENABLE, 0);
        Device.SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        Device.SetTransform(D3DTS_WORLD, IdentityMatrix());
        DrawTriangleList(triangles.data(), static_cast<std::uint32_t>(triangles.size()));
        Device.SetRenderState(D3DRS_COLORWRITEENABLE, 0xf);
        Device.SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    }

    static SCREENPOINT OnScreen(VECTOR3 p)
    {
        const MATRIX& v = Camera.matView;
        const MATRIX& m = Camera.matProj;
        const float vx = p.X * v._11 + p.Y * v._21 + p.Z * v._31 + v._41;
        const float vy = p.X * v._12 + p.Y * v._22 + p.Z * v._32 + v._42;
        const float vz = p.X * v._13 + p.Y * v._23 + p.Z * v._33 + v._43;
        const float x = vx * m._11, y = vy * m._22, w = vz * m._34;
        return {(x / w + 1.0f) * 320.0f, (1.0f - y / w) * 256.0f};
    }
};

// A closed box of 12 triangles, each wound clockwise seen from outside.
MESH Box(float halfWidth, float height)
{
    MESH box;
    for (int i = 0; i < 8; ++i) {
        MESHVERTEX corner;
        corner.Position = {i & 1 ? halfWidth : -halfWidth, i & 2 ? height : 0.0f, i & 4 ? halfWidth : -halfWidth};
        box.Vertices.push_back(corner);
    }
    box.Indices = {0, 2, 3, 0, 3, 1, 4, 5, 7, 4, 7, 6, 0, 1, 5, 0, 5, 4,
                   2, 6, 7, 2, 7, 3, 0, 4, 6, 0, 6, 2, 1, 3, 7, 1, 7, 5};
    return box;
}

std::vector<VECTOR3> Triangles(const MESH& mesh, VECTOR3 offset)
{
    std::vector<VECTOR3> points;
    for (std::uint16_t i : mesh.Indices) {
        const VECTOR3 p = mesh.Vertices[i].Position;
        points.push_back({p.X + offset.X, p.Y + offset.Y, p.Z + offset.Z});
    }
    return points;
}

// The convex hull of points, counter-clockwise on the picture.
std::vector<SCREENPOINT> Hull(std::vector<SCREENPOINT> points)
{
    std::sort(points.begin(), points.end(),
              [](SCREENPOINT a, SCREENPOINT b) { return a.X < b.X || (a.X == b.X && a.Y < b.Y); });
    auto turn = [](SCREENPOINT o, SCREENPOINT a, SCREENPOINT b) {
        return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
    };
    std::vector<SCREENPOINT> hull(2 * points.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && turn(hull[k - 2], hull[k - 1], points[i]) <= 0.0f)
            --k;
        hull[k++] = points[i];
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i > 0; --i) {
        while (k >= lower && turn(hull[k - 2], hull[k - 1], points[i - 1]) <= 0.0f)
            --k;
        hull[k++] = points[i - 1];
    }
    hull.resize(k - 1);
    return hull;
}

// Inside by more than the margin 1, outside by more than it -1, near the outline 0.
int Side(const std::vector<SCREENPOINT>& hull, float x, float y)
{
    float nearest = 1e9f;
    for (std::size_t i = 0; i < hull.size(); ++i) {
        const SCREENPOINT a = hull[i], b = hull[(i + 1) % hull.size()];
        const float length = std::hypot(b.X - a.X, b.Y - a.Y);
        nearest = std::min(nearest, ((b.X - a.X) * (y - a.Y) - (b.Y - a.Y) * (x - a.X)) / length);
    }
    return nearest > Margin ? 1 : (nearest < -Margin ? -1 : 0);
}

}  // namespace

// The box stands 4 above the floor at (3, 2), 10 wide and 10 high, turned a quarter, lit from up, left and near, so
// its shadow falls along (1, -2, 1): each corner at height h lands h / 2 further along x and z. The camera looks down
// on it at 45 degrees. The floor reaches behind the camera, so its near triangles are cut at the near plane. Only the
// floor seen in the shadow darkens, by black at alpha 127; the box, the lit floor and everything else keep theirs.
TEST_F(ShadowPicture, ABoxsShadowDarkensTheFloorInItsOutlineAndNothingElse)
{
    SetTranslateMatrix(Camera.CameraMatrix, 0.0f, 60.0f, -60.0f);
    Camera.CameraPitch = -45.0f;
    ApplyCamera();
    const std::vector<VECTOR3> floor = {{-300, 0, -300}, {-300, 0, 300}, {300, 0, 300},
                                        {-300, 0, -300}, {300, 0, 300},  {300, 0, -300}};
    const MESH box = Box(5.0f, 10.0f);
    const VECTOR3 standing{3.0f, 4.0f, 2.0f};
    DrawIntoDepth(floor);
    DrawIntoDepth(Triangles(box, standing));
    MATRIX turned, moved, world;  // a quarter turn, which leaves the box as it stands but not the light in its space
    SetRotateYMatrix(turned, 90.0f * DegreesToRadians);
    SetTranslateMatrix(moved, standing.X, standing.Y, standing.Z);
    MatrixMultiply(world, turned, moved);
    ::Shadows.Light = {-17.0f, 44.0f, -18.0f};  // from the box's foot: (-20, 40, -20)
    DrawModelShadow(box, world);
    EXPECT_EQ(DrawShadowQuad(), 0);

    std::vector<SCREENPOINT> shadow, solid;
    for (const MESHVERTEX& corner : box.Vertices) {
        const VECTOR3 p{corner.Position.X + standing.X, corner.Position.Y + standing.Y,
                        corner.Position.Z + standing.Z};
        shadow.push_back(OnScreen({p.X + p.Y / 2, 0.0f, p.Z + p.Y / 2}));
        solid.push_back(OnScreen(p));
    }
    const std::vector<SCREENPOINT> shadowOutline = Hull(shadow), boxOutline = Hull(solid);
    int darkened = 0, checked = 0;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            const int inShadow = Side(shadowOutline, x + 0.5f, y + 0.5f);
            const int inBox = Side(boxOutline, x + 0.5f, y + 0.5f);
            if (inShadow == 0 || inBox == 0)
                continue;
            const bool dark = inShadow > 0 && inBox < 0;
            ASSERT_EQ(Device.Pixel(x, y), dark ? Shaded : Lit) << x << ", " << y;
            darkened += dark;
            ++checked;
        }
    }
    EXPECT_GT(darkened, 2000);
    EXPECT_GT(checked, PictureWidth * PictureHeight * 9 / 10);
}

// The game loads no model, so every entry of the table is empty: asking any of them, or one outside the table, for
// its shadow counts nothing in the stencil.
TEST_F(ShadowPicture, AnEmptyOrMissingModelEntryCastsNoShadow)
{
    SetTranslateMatrix(Camera.CameraMatrix, 0.0f, 60.0f, -60.0f);
    Camera.CameraPitch = -45.0f;
    ApplyCamera();
    ::Shadows.Light = {-17.0f, 44.0f, -18.0f};
    for (int entry : {-1, 0, 1, MaxModels - 1, MaxModels})
        Models.DrawModelShadowByIndex(entry, IdentityMatrix());
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x)
            ASSERT_EQ(Device.StencilAt(x, y), 0u) << x << ", " << y;
}

// Each of these triangles faces the light and shares no edge: three silhouette edges, 18 points. 1777 of them fill
// 31986 of the 32000 points; one more would overflow, as would these after 15 points held already, and such a volume
// is refused whole: nothing is counted or darkened.
TEST_F(ShadowPicture, AVolumeOfMoreThan32000PointsIsRefusedWhole)
{
    MESH many;
    for (int i = 0; i < 1778; ++i) {
        const float x = static_cast<float>(i % 40) * 2.0f - 40.0f, z = static_cast<float>(i / 40) * 2.0f - 40.0f;
        for (VECTOR3 p : {VECTOR3{x, 0, z}, VECTOR3{x + 1, 0, z}, VECTOR3{x, 0, z + 1}}) {
            many.Indices.push_back(static_cast<std::uint16_t>(many.Vertices.size()));
            many.Vertices.push_back(MESHVERTEX{p, {}, 0.0f, 0.0f});
        }
    }
    auto points = std::make_unique<VECTOR3[]>(MaxShadowPoints);
    int count = 0;
    BuildShadowVolume(many, {0.0f, 1.0f, 0.0f}, points.get(), count);
    EXPECT_EQ(count, 0);
    many.Indices.resize(many.Indices.size() - 3);
    BuildShadowVolume(many, {0.0f, 1.0f, 0.0f}, points.get(), count);
    EXPECT_EQ(count, 31986);
    EXPECT_TRUE(points[2].Y == -10.0f && points[0].Y == 0.0f) << "the edge's copy lies 10 lights back";
    int held = 14;  // points the list holds already: with these 31986 it is full
    BuildShadowVolume(many, {0.0f, 1.0f, 0.0f}, points.get(), held);
    EXPECT_EQ(held, MaxShadowPoints);
    held = 15;
    BuildShadowVolume(many, {0.0f, 1.0f, 0.0f}, points.get(), held);
    EXPECT_EQ(held, 15) << "a point past the list's room";

    many.Indices.insert(many.Indices.end(), {5331, 5332, 5333});
    SetTranslateMatrix(Camera.CameraMatrix, 0.0f, 60.0f, -60.0f);
    Camera.CameraPitch = -45.0f;
    ApplyCamera();
    ::Shadows.Light = {0.0f, 1.0f, 0.0f};
    DrawModelShadow(many, IdentityMatrix());
    DrawShadowQuad();
    EXPECT_TRUE(std::all_of(Device.Picture(), Device.Picture() + PictureWidth * PictureHeight,
                            [](std::uint32_t pixel) { return pixel == Lit; }));
    EXPECT_EQ(Device.StencilAt(320, 256), 0u);
}

// An edge added twice, either way round, cancels, the last edge taking its place; the only edge removed leaves
// none. Two lit triangles of a square share their diagonal, so its four outer edges remain; an unlit square gives
// none, and a face naming a vertex the mesh lacks gives none either.
TEST(ShadowEdges, ASharedEdgeCancelsAndOnlyTheLitSilhouetteRemains)
{
    SHADOWEDGE edges[4];
    int count = 0;
    for (const auto& [a, b] : {std::pair{1, 2}, {2, 3}, {3, 1}, {2, 1}})
        AddShadowEdge(edges, count, static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b));
    EXPECT_TRUE(count == 2 && edges[0].A == 3 && edges[0].B == 1 && edges[1].A == 2 && edges[1].B == 3);
    SHADOWEDGE only[1];
    int one = 0;
    AddShadowEdge(only, one, 4, 5);
    AddShadowEdge(only, one, 5, 4);
    EXPECT_EQ(one, 0);

    MESH square;
    square.Vertices.resize(4);
    square.Vertices[1].Position = {1.0f, 0.0f, 0.0f};
    square.Vertices[2].Position = {1.0f, 0.0f, 1.0f};
    square.Vertices[3].Position = {0.0f, 0.0f, 1.0f};
    square.Indices = {0, 1, 2, 0, 2, 3, 4, 0, 1, 0, 4, 1, 0, 1, 4};  // the last three name a vertex it lacks
    auto points = std::make_unique<VECTOR3[]>(MaxShadowPoints);
    int lit = 0, unlit = 0;
    EXPECT_EQ(BuildShadowVolume(square, {0.0f, 1.0f, 0.0f}, points.get(), lit), 0);
    EXPECT_EQ(lit, 24);
    BuildShadowVolume(square, {0.0f, -1.0f, 0.0f}, points.get(), unlit);
    EXPECT_EQ(unlit, 0);
}

// The triangle (0,0,0), (0,1,0), (1,0,0) faces a ray along +z: it is met at its distance and barycentric place, on
// its edges too; its back, a ray beside it and a ray along its plane miss.
TEST(ShadowRays, ARayMeetsOnlyTheFrontOfATriangleEdgesIncluded)
{
    const VECTOR3 c0{0.0f, 0.0f, 0.0f}, c1{0.0f, 1.0f, 0.0f}, c2{1.0f, 0.0f, 0.0f};
    struct RAY {
        VECTOR3 Origin, Direction;
        bool Meets;
        float T, U, V;
    };
    const RAY rays[] = {
        {{0.25f, 0.5f, -2.0f}, {0.0f, 0.0f, 1.0f}, true, 2.0f, 0.5f, 0.25f},
        {{0.0f, 0.5f, -2.0f}, {0.0f, 0.0f, 1.0f}, true, 2.0f, 0.5f, 0.0f},   // on the edge c0 c1
        {{0.5f, 0.5f, -1.0f}, {0.0f, 0.0f, 1.0f}, true, 1.0f, 0.5f, 0.5f},   // on the edge c1 c2
        {{0.25f, 0.5f, 2.0f}, {0.0f, 0.0f, -1.0f}, false, 0, 0, 0},          // its back
        {{-0.1f, 0.5f, -2.0f}, {0.0f, 0.0f, 1.0f}, false, 0, 0, 0},          // beside it
        {{0.5f, 0.51f, -2.0f}, {0.0f, 0.0f, 1.0f}, false, 0, 0, 0},          // past the long edge
        {{-1.0f, 0.25f, 0.0f}, {1.0f, 0.0f, 0.0f}, false, 0, 0, 0},          // along its plane
    };
    for (const RAY& ray : rays) {
        float t = -1.0f, u = -1.0f, v = -1.0f;
        ASSERT_EQ(IntersectTriangle(ray.Origin, ray.Direction, c0, c1, c2, t, u, v), ray.Meets) << ray.Origin.X;
        if (ray.Meets) {
            EXPECT_TRUE(t == ray.T && u == ray.U && v == ray.V) << t << " " << u << " " << v;
        }
    }
}

// The data names one model file, "BlockShadow.x", whole within its name's bytes; it is a model, not one of the
// textures the game loads.
TEST(ModelList, TheDataNamesOneModelFileBesideTheTextures)
{
    ASSERT_EQ(ModelListRows, 1);
    EXPECT_STREQ(ModelList[0].Name, "BlockShadow.x");
    EXPECT_EQ(std::find_if(TextureList, TextureList + TextureListRows,
                           [](const TEXTUREFILE& row) { return std::strcmp(row.Name, ModelList[0].Name) == 0; }),
              TextureList + TextureListRows);
}
