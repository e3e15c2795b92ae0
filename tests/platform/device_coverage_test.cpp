// The device's own triangles leave no seam where they share edges: floors cut by the near and far planes, closed
// meshes in space, and tilings of the picture with corners on pixel centres, on pixel edges and far off it, each
// counted through the stencil, where a seam shows as a pixel counted twice or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/device.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Degree = Pi / 180.0;
constexpr float FloorHalf = 150.0f;  // the floors' half side, in units
constexpr int FloorCells = 40;       // along each side: 3200 triangles

using COUNTS = std::vector<std::uint8_t>;  // how often each pixel was drawn, row by row

// A point or direction worked in double precision, so that the tests' own geometry stays clear of the device's
// rounding.
struct POINT3 {
    double X = 0.0, Y = 0.0, Z = 0.0;
};

POINT3 operator+(POINT3 a, POINT3 b) { return {a.X + b.X, a.Y + b.Y, a.Z + b.Z}; }
POINT3 operator-(POINT3 a, POINT3 b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }
POINT3 operator*(POINT3 a, double s) { return {a.X * s, a.Y * s, a.Z * s}; }
double Dot(POINT3 a, POINT3 b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }
POINT3 Cross(POINT3 a, POINT3 b) { return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X}; }
POINT3 Unit(POINT3 a) { return a * (1.0 / std::sqrt(Dot(a, a))); }
VECTOR3 Single(POINT3 p) { return {static_cast<float>(p.X), static_cast<float>(p.Y), static_cast<float>(p.Z)}; }

double Uniform(std::mt19937& random, double low, double high)
{
    return std::uniform_real_distribution<double>(low, high)(random);
}

int Between(std::mt19937& random, int low, int high)  // both included
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

// A view and projection as the game builds them: row vectors, left-handed, clip depth from 0 at the near plane to
// w at the far; with the axes kept to follow rays through the picture.
struct CAMERA {
    MATRIX View, Projection;
    POINT3 Eye, Right, Up, Forward;
    double XScale = 1.0, YScale = 1.0, Near = 1.0, Far = 1.0;
};

// Looking from eye towards at, up as near to up as the direction allows.
CAMERA LookAt(POINT3 eye, POINT3 at, POINT3 up, double fovY, double nearZ, double farZ)
{
    CAMERA camera;
    camera.Eye = eye;
    camera.Forward = Unit(at - eye);
    camera.Right = Unit(Cross(up, camera.Forward));
    camera.Up = Cross(camera.Forward, camera.Right);
    const POINT3 axes[3] = {camera.Right, camera.Up, camera.Forward};
    float* view = &camera.View._11;
    for (int column = 0; column < 3; ++column) {
        view[column] = static_cast<float>(axes[column].X);
        view[4 + column] = static_cast<float>(axes[column].Y);
        view[8 + column] = static_cast<float>(axes[column].Z);
        view[12 + column] = static_cast<float>(-Dot(axes[column], eye));
    }
    camera.View._44 = 1.0f;
    camera.YScale = 1.0 / std::tan(fovY / 2.0);
    camera.XScale = camera.YScale * PictureHeight / PictureWidth;
    camera.Near = nearZ;
    camera.Far = farZ;
    camera.Projection._11 = static_cast<float>(camera.XScale);
    camera.Projection._22 = static_cast<float>(camera.YScale);
    camera.Projection._33 = static_cast<float>(farZ / (farZ - nearZ));
    camera.Projection._34 = 1.0f;
    camera.Projection._43 = static_cast<float>(-nearZ * farZ / (farZ - nearZ));
    return camera;
}

// A camera turned by yaw about the vertical, pitched down by pitch and rolled by roll.
CAMERA Aim(POINT3 eye, double yaw, double pitch, double roll, double fovY, double nearZ, double farZ)
{
    const POINT3 forward{std::cos(pitch) * std::sin(yaw), -std::sin(pitch), std::cos(pitch) * std::cos(yaw)};
    const POINT3 level = Unit(Cross({0.0, 1.0, 0.0}, forward));
    const POINT3 up = Cross(forward, level) * std::cos(roll) + level * std::sin(roll);
    return LookAt(eye, eye + forward, up, fovY, nearZ, farZ);
}

// The ray through a picture point (pixels, y down) as a direction whose depth along the view is 1.
POINT3 RayThrough(const CAMERA& camera, double x, double y)
{
    const double right = (2.0 * x / PictureWidth - 1.0) / camera.XScale;
    const double up = (1.0 - 2.0 * y / PictureHeight) / camera.YScale;
    return camera.Forward + camera.Right * right + camera.Up * up;
}

// The picture's corners all look onto the floor (y = 0), a margin within its sides, between the near and far
// planes with room to spare: the floor seen is convex, so then it fills the picture.
bool SeesOnlyFloor(const CAMERA& camera, double margin)
{
    const std::pair<int, int> corners[] = {
        {0, 0}, {PictureWidth, 0}, {0, PictureHeight}, {PictureWidth, PictureHeight}};
    for (const auto& [x, y] : corners) {
        const POINT3 ray = RayThrough(camera, x, y);
        if (ray.Y >= 0.0)
            return false;
        const double depth = camera.Eye.Y / -ray.Y;
        const POINT3 at = camera.Eye + ray * depth;
        if (depth < camera.Near * 1.05 || depth > camera.Far * 0.95 || std::abs(at.X) > FloorHalf - margin ||
            std::abs(at.Z) > FloorHalf - margin)
            return false;
    }
    return true;
}

// Some of the floor lies behind the camera, so the near plane cuts it.
bool FloorBehind(const CAMERA& camera)
{
    for (double x : {-FloorHalf, FloorHalf})
        for (double z : {-FloorHalf, FloorHalf})
            if (Dot(POINT3{x, 0.0, z} - camera.Eye, camera.Forward) < 0.0)
                return true;
    return false;
}

// Triangles by their corners' indices.
struct MESH {
    std::vector<VECTOR3> Points;
    std::vector<std::array<int, 3>> Triangles;
};

// A square floor on y = 0 of cells x cells, each cut along a diagonal chosen at random and the inner corners moved
// within the plane by up to a fifth of a cell each way: too little for any triangle to fold over, so all stay wound
// alike. Its outline stays the square's.
MESH Floor(std::mt19937& random, int cells, float half)
{
    MESH floor;
    const float step = 2.0f * half / static_cast<float>(cells);
    const float jitter = step / 5.0f;
    for (int j = 0; j <= cells; ++j)
        for (int i = 0; i <= cells; ++i) {
            VECTOR3 p{-half + step * static_cast<float>(i), 0.0f, -half + step * static_cast<float>(j)};
            if (i == cells)
                p.X = half;
            if (j == cells)
                p.Z = half;
            if (i > 0 && i < cells && j > 0 && j < cells) {
                p.X += static_cast<float>(Uniform(random, -jitter, jitter));
                p.Z += static_cast<float>(Uniform(random, -jitter, jitter));
            }
            floor.Points.push_back(p);
        }
    const auto at = [cells](int i, int j) { return j * (cells + 1) + i; };
    for (int j = 0; j < cells; ++j)
        for (int i = 0; i < cells; ++i) {
            const int p00 = at(i, j), p10 = at(i + 1, j), p11 = at(i + 1, j + 1), p01 = at(i, j + 1);
            if (random() % 2 == 0) {
                floor.Triangles.push_back({p00, p10, p11});
                floor.Triangles.push_back({p00, p11, p01});
            } else {
                floor.Triangles.push_back({p00, p10, p01});
                floor.Triangles.push_back({p10, p11, p01});
            }
        }
    return floor;
}

// The mesh's triangles as a list in random order, each from a corner chosen at random, all turned the other way
// round when flipped: none of which may change what they cover.
std::vector<VECTOR3> Shuffled(const MESH& mesh, std::mt19937& random, bool flipped)
{
    std::vector<std::array<int, 3>> triangles = mesh.Triangles;
    std::shuffle(triangles.begin(), triangles.end(), random);
    std::vector<VECTOR3> corners;
    for (std::array<int, 3> t : triangles) {
        if (flipped)
            std::swap(t[1], t[2]);
        std::rotate(t.begin(), t.begin() + random() % 3, t.end());
        for (int k : t)
            corners.push_back(mesh.Points[static_cast<std::size_t>(k)]);
    }
    return corners;
}

// The same floor as two triangles, as a fan or a strip, cut along either diagonal.
std::vector<VECTOR3> TwoTriangleFloor(bool strip, bool otherDiagonal)
{
    const VECTOR3 corners[4] = {{-FloorHalf, 0, -FloorHalf}, {FloorHalf, 0, -FloorHalf}, {FloorHalf, 0, FloorHalf},
                                {-FloorHalf, 0, FloorHalf}};
    const int first = otherDiagonal ? 1 : 0;
    const VECTOR3 a = corners[first], b = corners[first + 1], c = corners[first + 2], d = corners[(first + 3) % 4];
    if (strip)
        return {b, a, c, d};
    return {a, b, c, d};
}

std::uint32_t PrimitivesOf(PRIMITIVETYPE type, std::size_t vertices)
{
    return static_cast<std::uint32_t>(type == D3DPT_TRIANGLELIST ? vertices / 3 : vertices - 2);
}

// Twice the signed area of a triangle on the picture (x and y of each corner). Every coordinate the picture tilings
// use is a multiple of a half no larger than 1e7, so every product and sum here is exact in double precision.
double PictureArea(const std::array<VECTOR3, 3>& t)
{
    return (double{t[1].X} - t[0].X) * (double{t[2].Y} - t[0].Y) -
           (double{t[2].X} - t[0].X) * (double{t[1].Y} - t[0].Y);
}

// How many pixels had each count, and the first of them in reading order.
std::string Tally(const COUNTS& counts)
{
    std::map<int, std::pair<int, std::size_t>> seen;  // count: pixels, first
    for (std::size_t i = 0; i < counts.size(); ++i) {
        auto [entry, added] = seen.try_emplace(counts[i], 0, i);
        ++entry->second.first;
    }
    std::ostringstream text;
    for (const auto& [count, found] : seen)
        text << " counted " << count << ": " << found.first << " pixels, first (" << found.second % PictureWidth
             << ", " << found.second / PictureWidth << ");";
    return text.str();
}

bool All(const COUNTS& counts, std::initializer_list<int> allowed)
{
    return std::all_of(counts.begin(), counts.end(), [allowed](std::uint8_t c) {
        return std::find(allowed.begin(), allowed.end(), c) != allowed.end();
    });
}

// Where two countings differ, outside the pixels skipped: how many, and the first.
std::string Differences(const COUNTS& a, const COUNTS& b, const std::vector<bool>& skipped = {})
{
    int differing = 0;
    std::size_t first = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && (skipped.empty() || !skipped[i]) && differing++ == 0)
            first = i;
    if (differing == 0)
        return {};
    std::ostringstream text;
    text << differing << " pixels differ, first (" << first % PictureWidth << ", " << first / PictureWidth << "): "
         << int{a[first]} << " against " << int{b[first]};
    return text.str();
}

// The pixels within one pixel of where a counting changes.
std::vector<bool> NearChanges(const COUNTS& counts)
{
    std::vector<bool> near(counts.size(), false);
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int u = x + dx, v = y + dy;
                    if (IsInPicture(u, v) && counts[static_cast<std::size_t>(v * PictureWidth + u)] !=
                                                 counts[static_cast<std::size_t>(y * PictureWidth + x)])
                        near[static_cast<std::size_t>(y * PictureWidth + x)] = true;
                }
    return near;
}

// A closed convex mesh as the draws that make it.
struct BATCH {
    PRIMITIVETYPE Type;
    std::vector<VECTOR3> Vertices;
};
using SOLID = std::vector<BATCH>;

// Each test draws with the stencil counting every pixel a triangle covers, the depth test off.
class Coverage : public testing::Test {
protected:
    DEVICE Screen;

    void SetUp() override
    {
        ASSERT_EQ(Screen.Create(), PlatformOk);
        Screen.SetRenderState(D3DRS_STENCILENABLE, 1);
        Screen.SetRenderState(D3DRS_STENCILPASS, D3DSTENCILOP_INCR);
        Screen.SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    }

    // A fresh count, culling as given.
    void Start(std::uint32_t cull)
    {
        Screen.Clear(D3DCLEAR_STENCIL, 0, 1.0f, 0);
        Screen.SetRenderState(D3DRS_CULLMODE, cull);
    }

    void Look(const CAMERA& camera, const MATRIX& world = IdentityMatrix())
    {
        Screen.SetTransform(D3DTS_WORLD, world);
        Screen.SetTransform(D3DTS_VIEW, camera.View);
        Screen.SetTransform(D3DTS_PROJECTION, camera.Projection);
    }

    void DrawInSpace(PRIMITIVETYPE type, const std::vector<VECTOR3>& vertices)
    {
        Screen.SetFVF(D3DFVF_XYZ);
        Screen.DrawPrimitiveUP(type, PrimitivesOf(type, vertices.size()), vertices.data(), sizeof(VECTOR3));
    }

    // Points given by x and y on the picture, at one depth.
    void DrawOnPicture(PRIMITIVETYPE type, const std::vector<VECTOR3>& points)
    {
        std::vector<SCREENVERTEX> vertices;
        for (const VECTOR3& p : points)
            vertices.push_back({p.X, p.Y, 0.5f, 1.0f, 0xffffffffu});
        Screen.SetFVF(ScreenVertexFormat);
        Screen.DrawPrimitiveUP(type, PrimitivesOf(type, points.size()), vertices.data(), sizeof(SCREENVERTEX));
    }

    // A solid counted three times: nothing culled, clockwise culled, counter-clockwise culled.
    std::array<COUNTS, 3> CountsByCulling(const SOLID& solid)
    {
        std::array<COUNTS, 3> counts;
        const std::uint32_t culls[3] = {D3DCULL_NONE, D3DCULL_CW, D3DCULL_CCW};
        for (int k = 0; k < 3; ++k) {
            Start(culls[k]);
            for (const BATCH& batch : solid)
                DrawInSpace(batch.Type, batch.Vertices);
            counts[k] = Counts();
        }
        return counts;
    }

    COUNTS Counts() const
    {
        COUNTS counts(static_cast<std::size_t>(PictureWidth) * PictureHeight);
        for (int y = 0; y < PictureHeight; ++y)
            for (int x = 0; x < PictureWidth; ++x)
                counts[static_cast<std::size_t>(y * PictureWidth + x)] =
                    static_cast<std::uint8_t>(Screen.StencilAt(x, y));
        return counts;
    }
};

// A camera over the floor that sees nothing but floor and has floor behind it: from half a unit to 30 up, pitched
// from just under the horizon to nearly straight down, rolled a little, its near plane from 0.5 to 2 away.
CAMERA FillingCamera(std::mt19937& random)
{
    for (;;) {
        const double fovY = Uniform(random, 45.0, 75.0) * Degree;
        const double height = std::exp(Uniform(random, std::log(0.5), std::log(30.0)));
        const POINT3 eye{Uniform(random, -40.0, 40.0), height, Uniform(random, -40.0, 40.0)};
        const double yaw = Uniform(random, 0.0, 2.0 * Pi);
        const double pitch = Uniform(random, fovY / 2.0 + 3.0 * Degree, 85.0 * Degree);
        const double roll = Uniform(random, -0.4, 0.4);
        const double nearZ = Uniform(random, 0.5, 2.0);
        const CAMERA camera = Aim(eye, yaw, pitch, roll, fovY, nearZ, 4000.0);
        if (SeesOnlyFloor(camera, 2.0 * FloorHalf / FloorCells) && FloorBehind(camera))
            return camera;
    }
}

}  // namespace

// A floor of many triangles reaching behind the camera, so that the near plane cuts those under it far off the
// picture, fills the picture: each pixel once from every view, whichever way round its triangles are wound, in
// whatever order and from whichever corner they come, drawn from memory or from a vertex buffer. Rounding at the cuts
// gives way in few views, a pixel at a time: all but the first two here are such views.
TEST_F(Coverage, AFloorCutByTheNearPlaneCoversEveryPixelOnce)
{
    const std::uint32_t bytes = 3u * 2u * FloorCells * FloorCells * sizeof(VECTOR3);
    VERTEXBUFFER* buffer = Screen.CreateVertexBuffer(bytes, D3DUSAGE_WRITEONLY, D3DFVF_XYZ, D3DPOOL_MANAGED);
    ASSERT_NE(buffer, nullptr);
    for (unsigned seed : {1u, 2u, 70u, 124u, 224u, 239u, 332u, 336u, 578u, 758u, 893u, 1471u}) {
        std::mt19937 random(seed);
        const MESH floor = Floor(random, FloorCells, FloorHalf);
        Look(FillingCamera(random));
        Start(D3DCULL_NONE);
        const std::vector<VECTOR3> corners = Shuffled(floor, random, seed % 2 == 1);
        if (seed % 3 == 0) {
            std::memcpy(Screen.Lock(buffer, 0, 0), corners.data(), bytes);
            Screen.Unlock(buffer);
            Screen.SetFVF(D3DFVF_XYZ);
            Screen.SetStreamSource(0, buffer, 0, sizeof(VECTOR3));
            Screen.DrawPrimitive(D3DPT_TRIANGLELIST, 0, PrimitivesOf(D3DPT_TRIANGLELIST, corners.size()));
        } else {
            DrawInSpace(D3DPT_TRIANGLELIST, corners);
        }
        const COUNTS counts = Counts();
        EXPECT_TRUE(All(counts, {1})) << "floor seed " << seed << ":" << Tally(counts);
    }
}

namespace {

enum EDGEVIEW { FarCut, Outline, NearCut };  // where a view sees the floor end

// A camera that sees the floor end on the picture: where the far plane cuts it, at its outline, or where the near
// plane cuts it.
CAMERA EdgeCamera(EDGEVIEW kind, std::mt19937& random)
{
    const double fovY = 60.0 * Degree;
    const double yaw = Uniform(random, 0.0, 2.0 * Pi);
    const double roll = Uniform(random, -0.5, 0.5);
    if (kind == FarCut) {  // looking just under the horizon, the far plane nearer than the floor's sides
        const POINT3 eye{Uniform(random, -30, 30), Uniform(random, 2, 5), Uniform(random, -30, 30)};
        const double pitch = fovY / 2.0 + Uniform(random, 1, 5) * Degree;
        return Aim(eye, yaw, pitch, roll, fovY, 1.0, Uniform(random, 15, 40));
    }
    if (kind == Outline) {  // high above, looking at a point on one of the floor's sides
        const POINT3 eye{Uniform(random, -200, 200), Uniform(random, 150, 400), Uniform(random, -200, 200)};
        const double along = Uniform(random, -FloorHalf, FloorHalf);
        const double side = random() % 2 == 0 ? -FloorHalf : FloorHalf;
        const POINT3 target = random() % 2 == 0 ? POINT3{side, 0, along} : POINT3{along, 0, side};
        return LookAt(eye, target, {std::sin(roll), std::cos(roll), 0}, fovY, 1.0, 4000.0);
    }
    // just over the floor with a deep near plane, so that its cut crosses the picture
    const POINT3 eye{Uniform(random, -20, 20), Uniform(random, 0.4, 0.9), Uniform(random, -20, 20)};
    const double pitch = Uniform(random, 33, 40) * Degree;
    return Aim(eye, yaw, pitch, roll, fovY, Uniform(random, 1.0, 1.5), 4000.0);
}

}  // namespace

// Where the floor ends on the picture, at its outline or where the near or far plane cuts it, the fine floor covers
// just what the same floor of two triangles covers, but for the pixels next to where that changes; neither covers
// any pixel twice. Rounding gives way in few views, a pixel at a time: all but the first of each kind here are such
// views.
TEST_F(Coverage, AFloorOfManyTrianglesCoversWhatTheSameFloorOfTwoDoes)
{
    const char* const names[] = {"far plane cuts it", "outline shows", "near plane cuts it"};
    const std::pair<EDGEVIEW, unsigned> views[] = {
        {FarCut, 1}, {FarCut, 14}, {FarCut, 52}, {FarCut, 53},
        {Outline, 1}, {Outline, 91}, {Outline, 116},
        {NearCut, 1}, {NearCut, 20}, {NearCut, 68}, {NearCut, 144}};
    for (const auto& [kind, seed] : views) {
        std::mt19937 random(seed);
        Look(EdgeCamera(kind, random));
        const MESH floor = Floor(random, FloorCells, FloorHalf);
        Start(D3DCULL_NONE);
        DrawInSpace(D3DPT_TRIANGLELIST, Shuffled(floor, random, seed % 2 == 0));
        const COUNTS fine = Counts();
        Start(D3DCULL_NONE);
        DrawInSpace(seed % 2 == 0 ? D3DPT_TRIANGLESTRIP : D3DPT_TRIANGLEFAN,
                    TwoTriangleFloor(seed % 2 == 0, seed % 4 >= 2));
        const COUNTS coarse = Counts();
        const std::string view = std::string(names[kind]) + ", seed " + std::to_string(seed);
        ASSERT_TRUE(!All(coarse, {0}) && !All(coarse, {1, 2})) << view << ": no edge of the floor in sight";
        EXPECT_TRUE(All(fine, {0, 1})) << view << ", many triangles:" << Tally(fine);
        EXPECT_TRUE(All(coarse, {0, 1})) << view << ", two triangles:" << Tally(coarse);
        const std::string differences = Differences(fine, coarse, NearChanges(coarse));
        EXPECT_TRUE(differences.empty()) << view << ", many triangles against two: " << differences;
    }
}

namespace {

// A sphere of rings and meridians: a fan about each pole and a strip around each band between rings.
SOLID Globe(int rings, int meridians)
{
    const auto at = [rings, meridians](int ring, int meridian) {
        const double up = Pi * ring / rings, round = 2.0 * Pi * (meridian % meridians) / meridians;
        return Single({std::sin(up) * std::cos(round), std::cos(up), std::sin(up) * std::sin(round)});
    };
    SOLID globe;
    BATCH north{D3DPT_TRIANGLEFAN, {at(0, 0)}}, south{D3DPT_TRIANGLEFAN, {at(rings, 0)}};
    for (int m = 0; m <= meridians; ++m) {
        north.Vertices.push_back(at(1, meridians - m));
        south.Vertices.push_back(at(rings - 1, m));
    }
    globe.push_back(north);
    globe.push_back(south);
    for (int ring = 1; ring + 1 < rings; ++ring) {
        BATCH band{D3DPT_TRIANGLESTRIP, {}};
        for (int m = 0; m <= meridians; ++m) {
            band.Vertices.push_back(at(ring + 1, m));
            band.Vertices.push_back(at(ring, m));
        }
        globe.push_back(band);
    }
    return globe;
}

// Turned any way and stretched by low to high along each axis; reach is how far its corners may lie from its centre.
MATRIX Turned(std::mt19937& random, double low, double high, double& reach)
{
    std::normal_distribution<double> normal;
    double q[4];
    for (double& e : q)
        e = normal(random);
    const double length = std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]);
    const double w = q[0] / length, x = q[1] / length, y = q[2] / length, z = q[3] / length;
    const double turn[3][3] = {{1 - 2 * (y * y + z * z), 2 * (x * y + w * z), 2 * (x * z - w * y)},
                               {2 * (x * y - w * z), 1 - 2 * (x * x + z * z), 2 * (y * z + w * x)},
                               {2 * (x * z + w * y), 2 * (y * z - w * x), 1 - 2 * (x * x + y * y)}};
    const double stretch[3] = {Uniform(random, low, high), Uniform(random, low, high), Uniform(random, low, high)};
    reach = std::sqrt(stretch[0] * stretch[0] + stretch[1] * stretch[1] + stretch[2] * stretch[2]);
    MATRIX world = IdentityMatrix();
    float* m = &world._11;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            m[row * 4 + column] = static_cast<float>(stretch[row] * turn[row][column]);
    return world;
}

// Its centre at depth from the eye, across and down given as parts of the picture's half width and height there.
void Place(MATRIX& world, const CAMERA& camera, double depth, double across, double down)
{
    world._41 = static_cast<float>(across * depth / camera.XScale);
    world._42 = static_cast<float>(down * depth / camera.YScale);
    world._43 = static_cast<float>(depth);
}

// Stretched by up to two along each axis, turned any way, and put wholly between the near plane and the far, from
// just past the near plane to a few sizes beyond it, perhaps partly off the picture.
MATRIX Pose(std::mt19937& random, const CAMERA& camera)
{
    double reach = 0.0;
    MATRIX world = Turned(random, 0.5, 2.0, reach);
    const double depth = camera.Near + reach * Uniform(random, 1.02, 4.0);
    const double across = Uniform(random, -1.2, 1.2), down = Uniform(random, -1.2, 1.2);
    Place(world, camera, depth, across, down);
    return world;
}

}  // namespace

// A closed convex mesh wholly between the near and far planes covers each pixel twice or not at all when nothing
// is culled, and once from each side: culling clockwise or counter-clockwise leaves the same pixels counted once.
// Rounding gives way in few poses, a pixel on the outline or inside: all but the first of each here are such poses.
TEST_F(Coverage, AClosedConvexMeshCoversEachPixelTwiceOrNotAtAllAndOnceFromEachSide)
{
    struct SHAPE {
        const char* Name;
        SOLID Solid;
        std::vector<unsigned> Poses;  // seeds
    };
    const SHAPE shapes[] = {{"globe", Globe(9, 16), {1, 1153, 2309}},
                            {"coarse globe", Globe(4, 5), {87, 938, 2960}}};
    const CAMERA camera = LookAt({0, 0, 0}, {0, 0, 1}, {0, 1, 0}, 60.0 * Degree, 1.0, 100.0);
    for (const auto& [name, solid, poses] : shapes) {
        for (unsigned pose : poses) {
            std::mt19937 posed(pose);
            Look(camera, Pose(posed, camera));
            const std::array<COUNTS, 3> counts = CountsByCulling(solid);
            const std::string where = std::string(name) + " in pose seed " + std::to_string(pose);
            ASSERT_FALSE(All(counts[0], {0})) << where << " is out of sight";
            EXPECT_TRUE(All(counts[0], {0, 2})) << where << ", nothing culled:" << Tally(counts[0]);
            EXPECT_TRUE(All(counts[1], {0, 1})) << where << ", clockwise culled:" << Tally(counts[1]);
            EXPECT_TRUE(All(counts[2], {0, 1})) << where << ", counter-clockwise culled:" << Tally(counts[2]);
            const std::string sides = Differences(counts[1], counts[2]);
            EXPECT_TRUE(sides.empty()) << where << ", clockwise culled against counter-clockwise: " << sides;
        }
    }
}

// A closed convex mesh that the near or far plane cuts covers each pixel at most twice, and once from each side it
// shows there: its triangles facing the eye and those facing away, counted apart, add up to all of them counted
// together. From inside it, where its triangles beside the eye reach behind it, every pixel is covered once, by
// triangles all facing away.
TEST_F(Coverage, AClosedConvexMeshAcrossTheNearOrFarPlaneOrAboutTheEyeCoversEachPixelOnceFromEachSide)
{
    enum PLACE { AcrossNear, AcrossFar, AboutEye };
    const char* const names[] = {"across the near plane", "across the far plane", "about the eye"};
    const std::pair<PLACE, unsigned> views[] = {{AcrossNear, 1}, {AcrossNear, 134}, {AcrossNear, 162}, {AcrossFar, 1},
                                                {AcrossFar, 236}, {AboutEye, 1},    {AboutEye, 172},    {AboutEye, 257}};
    const SOLID globe = Globe(9, 16);
    for (const auto& [place, seed] : views) {
        std::mt19937 random(400 * place + seed);
        const double nearZ = place == AboutEye ? 0.05 : Uniform(random, 0.5, 2.0);
        const double farZ = place == AcrossFar ? Uniform(random, 8.0, 20.0) : 1000.0;
        const CAMERA camera = LookAt({0, 0, 0}, {0, 0, 1}, {0, 1, 0}, 60.0 * Degree, nearZ, farZ);
        double reach = 0.0;
        MATRIX world = Turned(random, 1.0, 2.0, reach);
        // Stretched by at least one, the globe holds the ball of 0.9 about its centre: the eye and the near plane's
        // corners within 0.4 of it lie inside.
        if (place == AboutEye)
            Place(world, camera, Uniform(random, -0.3, 0.3), Uniform(random, -0.3, 0.3), Uniform(random, -0.3, 0.3));
        else
            Place(world, camera, (place == AcrossNear ? nearZ : farZ) + Uniform(random, -0.5, 0.5),
                  Uniform(random, -0.3, 0.3), Uniform(random, -0.3, 0.3));
        Look(camera, world);
        const std::array<COUNTS, 3> counts = CountsByCulling(globe);
        const std::string where = std::string(names[place]) + ", seed " + std::to_string(seed);
        COUNTS sides(counts[1].size());
        for (std::size_t i = 0; i < sides.size(); ++i)
            sides[i] = static_cast<std::uint8_t>(counts[1][i] + counts[2][i]);
        EXPECT_TRUE(All(counts[1], {0, 1})) << where << ", clockwise culled:" << Tally(counts[1]);
        EXPECT_TRUE(All(counts[2], {0, 1})) << where << ", counter-clockwise culled:" << Tally(counts[2]);
        const std::string differences = Differences(counts[0], sides);
        EXPECT_TRUE(differences.empty()) << where << ", both sides against each: " << differences;
        if (place == AboutEye) {
            EXPECT_TRUE(All(counts[0], {1})) << where << ", nothing culled:" << Tally(counts[0]);
            EXPECT_TRUE(All(counts[1], {1}) || All(counts[2], {1}))
                << where << ": not all wound alike, clockwise culled:" << Tally(counts[1]);
        } else {
            EXPECT_TRUE(All(counts[0], {0, 1, 2})) << where << ", nothing culled:" << Tally(counts[0]);
            EXPECT_FALSE(All(counts[0], {0, 2})) << where << ": no plane cuts it in sight";
        }
    }
}

// A fan about a corner on a pixel centre, a pixel's corner or the middle of a pixel's edge, its spokes running
// through pixel centres or pixel corners at every step and out 1e4 to 1e6 pixels, tiles the picture: the centre
// under the hub and those on the spokes each go to one triangle.
TEST_F(Coverage, FansAboutACornerOnAPixelCentreOrCornerTileThePictureOnce)
{
    std::vector<std::pair<int, int>> spokes;  // every direction of whole steps up to 2, once
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (std::gcd(dx, dy) == 1)
                spokes.push_back({dx, dy});
    std::sort(spokes.begin(), spokes.end(),
              [](auto a, auto b) { return std::atan2(a.second, a.first) < std::atan2(b.second, b.first); });
    ASSERT_EQ(spokes.size(), 16u);
    struct FAN {
        VECTOR3 Hub;
        float Reach;
    };
    const FAN fans[] = {{{320.5f, 256.5f, 0}, 1e4f}, {{0.5f, 0.5f, 0}, 1e6f}, {{100.0f, 200.0f, 0}, 1e5f},
                        {{639.5f, 0.0f, 0}, 1e4f},   {{257.5f, 13.0f, 0}, 1e5f}, {{640.0f, 511.5f, 0}, 1e6f}};
    for (const FAN& fan : fans)
        for (bool reversed : {false, true}) {
            std::vector<VECTOR3> vertices{fan.Hub};
            for (std::size_t k = 0; k <= spokes.size(); ++k) {
                const auto [dx, dy] = spokes[(reversed ? spokes.size() - k : k) % spokes.size()];
                vertices.push_back({fan.Hub.X + fan.Reach * static_cast<float>(dx),
                                    fan.Hub.Y + fan.Reach * static_cast<float>(dy), 0.0f});
            }
            Start(D3DCULL_NONE);
            DrawOnPicture(D3DPT_TRIANGLEFAN, vertices);
            const COUNTS counts = Counts();
            EXPECT_TRUE(All(counts, {1})) << "fan about (" << fan.Hub.X << ", " << fan.Hub.Y << ")"
                                          << (reversed ? " wound the other way" : "") << ":" << Tally(counts);
        }
}

// A square 2e5 or 2e7 pixels across about the picture, cut into long thin triangles by corners added at random far
// off the picture and on pixel centres and edges on and about it, tiles the picture: every pixel once, though its
// triangles' corners lie as far as 1e7 pixels out.
TEST_F(Coverage, TrianglesWithCornersFarOffThePictureTileItOnce)
{
    for (unsigned seed = 1; seed <= 3; ++seed) {
        std::mt19937 random(300 + seed);
        const int far = seed == 2 ? 100000 : 10000000;
        const float edge = static_cast<float>(far);
        MESH square{{{-edge, -edge, 0}, {edge, -edge, 0}, {edge, edge, 0}, {-edge, edge, 0}}, {{0, 1, 2}, {0, 2, 3}}};
        for (int added = 0; added < 24; ++added) {
            const VECTOR3 p = added % 2 == 0
                                  ? VECTOR3{static_cast<float>(Between(random, 1 - far, far - 1)),
                                            static_cast<float>(Between(random, 1 - far, far - 1)), 0}
                                  : VECTOR3{0.5f * static_cast<float>(Between(random, -80, 2 * PictureWidth + 80)),
                                            0.5f * static_cast<float>(Between(random, -80, 2 * PictureHeight + 80)), 0};
            for (std::size_t i = 0; i < square.Triangles.size(); ++i) {
                const auto [a, b, c] = square.Triangles[i];
                const auto corner = [&square](int k) { return square.Points[static_cast<std::size_t>(k)]; };
                if (PictureArea({corner(a), corner(b), p}) > 0.0 && PictureArea({corner(b), corner(c), p}) > 0.0 &&
                    PictureArea({corner(c), corner(a), p}) > 0.0) {
                    const int n = static_cast<int>(square.Points.size());
                    square.Points.push_back(p);
                    square.Triangles[i] = {a, b, n};
                    square.Triangles.push_back({b, c, n});
                    square.Triangles.push_back({c, a, n});
                    break;
                }
            }
        }
        Start(D3DCULL_NONE);
        DrawOnPicture(D3DPT_TRIANGLELIST, Shuffled(square, random, seed % 2 == 0));
        const COUNTS counts = Counts();
        EXPECT_TRUE(All(counts, {1})) << "square seed " << 300 + seed << " of " << square.Triangles.size()
                                      << " triangles:" << Tally(counts);
    }
}

// A pixel centre lying exactly on an edge goes to the triangle whose inside lies to the right of the edge, or below
// it where the edge is level, whichever way the triangle is wound; one a hair off a long edge lies on its own side.
TEST_F(Coverage, APixelCentreOnAnEdgeGoesToTheTriangleRightOfOrBelowIt)
{
    struct CASE {
        const char* Name;
        std::array<VECTOR3, 3> Corners;
        int X, Y;  // the pixel whose centre lies on the edge
        std::uint32_t Count;
    };
    const CASE cases[] = {
        {"upright edge, inside to the right", {{{10.5f, 0, 0}, {60, 50, 0}, {10.5f, 100, 0}}}, 10, 50, 1},
        {"upright edge, inside to the left", {{{10.5f, 0, 0}, {-40, 50, 0}, {10.5f, 100, 0}}}, 10, 50, 0},
        {"level edge, inside below", {{{0, 20.5f, 0}, {100, 20.5f, 0}, {50, 80, 0}}}, 50, 20, 1},
        {"level edge, inside above", {{{0, 20.5f, 0}, {100, 20.5f, 0}, {50, -40, 0}}}, 50, 20, 0},
        {"sloping edge, inside to the right", {{{10.5f, 0.5f, 0}, {30.5f, 40.5f, 0}, {60, 0, 0}}}, 20, 20, 1},
        {"sloping edge, inside to the left", {{{10.5f, 0.5f, 0}, {30.5f, 40.5f, 0}, {-20, 40, 0}}}, 20, 20, 0},
        {"falling edge, inside to the right", {{{30.5f, 0.5f, 0}, {10.5f, 40.5f, 0}, {60, 40, 0}}}, 20, 20, 1},
        {"falling edge, inside to the left", {{{30.5f, 0.5f, 0}, {10.5f, 40.5f, 0}, {-20, 0, 0}}}, 20, 20, 0},
        {"a long edge 2e-13 above the centre, inside below", {{{0x1p40f, 0, 0}, {-0x1p40f, 1, 0}, {0, 1000, 0}}}, 0,
         0, 1},
        {"a long edge 2e-13 above the centre, inside above", {{{0x1p40f, 0, 0}, {-0x1p40f, 1, 0}, {0, -1000, 0}}}, 0,
         0, 0},
    };
    for (const CASE& test : cases)
        for (bool flipped : {false, true}) {
            std::array<VECTOR3, 3> corners = test.Corners;
            if (flipped)
                std::swap(corners[1], corners[2]);
            Start(D3DCULL_NONE);
            DrawOnPicture(D3DPT_TRIANGLELIST, {corners.begin(), corners.end()});
            EXPECT_EQ(Screen.StencilAt(test.X, test.Y), test.Count)
                << test.Name << (flipped ? ", wound the other way" : "");
        }
}

// A fan in space about a corner that falls exactly on a pixel centre, its rim in a plane through it turned any way,
// so that the sides through the hub meet the centre only after rounding: the hub's pixel and those about it go to one
// triangle each, whichever way the fan is wound.
TEST_F(Coverage, AFanInSpaceAboutAPixelCentreCoversItOnce)
{
    MATRIX projection = IdentityMatrix();  // w = z, the hub's 15 bits deep: it falls on the centre of pixel (322, 255)
    projection._33 = 1.001f;
    projection._34 = 1.0f;
    projection._43 = -0.1001f;
    projection._44 = 0.0f;
    Screen.SetTransform(D3DTS_PROJECTION, projection);
    const POINT3 hub{24577.0 / 1048576.0, 24577.0 / 4194304.0, 24577.0 / 8192.0};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        POINT3 normal{Uniform(random, -1, 1), Uniform(random, -1, 1), 0.0};
        normal.Z = (random() % 2 == 0 ? 1.0 : -1.0) * Uniform(random, 0.4, 1.0);
        const POINT3 u = Unit(Cross(normal, {Uniform(random, -1, 1), 1.0, 0.0})), v = Unit(Cross(normal, u));
        const int spokes = Between(random, 5, 16);
        const double start = Uniform(random, 0.0, 2.0 * Pi);
        std::vector<VECTOR3> fan{Single(hub)};
        for (int k = 0; k <= spokes; ++k) {
            const double angle = start + 2.0 * Pi * (seed % 2 == 0 ? k : spokes - k) / spokes;
            const double reach = Uniform(random, 0.3, 1.2);
            fan.push_back(Single(hub + (u * std::cos(angle) + v * std::sin(angle)) * reach));
        }
        fan.back() = fan[1];
        Start(D3DCULL_NONE);
        DrawInSpace(D3DPT_TRIANGLEFAN, fan);
        for (int y = 254; y <= 256; ++y)
            for (int x = 321; x <= 323; ++x)
                EXPECT_EQ(Screen.StencilAt(x, y), 1u) << "fan seed " << seed << " at (" << x << ", " << y << ")";
    }
}
