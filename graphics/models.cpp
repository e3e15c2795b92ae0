// The model table and the shadow volumes: silhouette edges, their extrusion, the stencil passes and the quad that
// darkens what they count; and a ray-triangle test.
#include "graphics/models.h"

#include <cstring>

#include "graphics/camera.h"
#include "graphics/drawing.h"

MODELS Models;
SHADOWS Shadows;

namespace {

constexpr char ModelFolderName[] = "Textures\\";
constexpr int PointsPerEdge = 6;  // two triangles join an edge to its extruded copy
constexpr std::uint32_t EveryStencilBit = 0xffffffffu;

struct RENDERSTATEROW {
    RENDERSTATE State;
    std::uint32_t Value;
};

struct STAGESTATEROW {
    TEXTURESTAGESTATE State;
    std::uint32_t Value;
};

// The volume's first pass: nothing of depth or colour written, and every pixel where a front face passes the depth
// test counts one up.
const RENDERSTATEROW VolumeStates[] = {
    {D3DRS_ZWRITEENABLE, false},
    {D3DRS_STENCILENABLE, true},
    {D3DRS_SHADEMODE, D3DSHADE_FLAT},
    {D3DRS_STENCILFUNC, D3DCMP_ALWAYS},
    {D3DRS_STENCILZFAIL, D3DSTENCILOP_KEEP},
    {D3DRS_STENCILFAIL, D3DSTENCILOP_KEEP},
    {D3DRS_STENCILREF, 1},
    {D3DRS_STENCILMASK, EveryStencilBit},
    {D3DRS_STENCILWRITEMASK, EveryStencilBit},
    {D3DRS_STENCILPASS, D3DSTENCILOP_INCR},
    {D3DRS_ALPHABLENDENABLE, true},
    {D3DRS_SRCBLEND, D3DBLEND_ZERO},
    {D3DRS_DESTBLEND, D3DBLEND_ONE},
};

// The second pass: the back faces count one down.
const RENDERSTATEROW BackFaceStates[] = {
    {D3DRS_CULLMODE, D3DCULL_CW},
    {D3DRS_STENCILPASS, D3DSTENCILOP_DECR},
};

const RENDERSTATEROW VolumeRestored[] = {
    {D3DRS_SHADEMODE, D3DSHADE_GOURAUD},
    {D3DRS_CULLMODE, D3DCULL_CCW},
    {D3DRS_ZWRITEENABLE, true},
    {D3DRS_STENCILENABLE, false},
    {D3DRS_ALPHABLENDENABLE, false},
    {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
    {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
};

// The quad blends over every pixel whose count is 1 or more, whatever lies in front.
const RENDERSTATEROW QuadStates[] = {
    {D3DRS_ZENABLE, D3DZB_FALSE},
    {D3DRS_STENCILENABLE, true},
    {D3DRS_FOGENABLE, false},
    {D3DRS_ALPHABLENDENABLE, true},
    {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
    {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
    {D3DRS_STENCILREF, 1},
    {D3DRS_STENCILFUNC, D3DCMP_LESSEQUAL},
    {D3DRS_STENCILPASS, D3DSTENCILOP_KEEP},
};

const STAGESTATEROW QuadStageStates[] = {
    {D3DTSS_COLORARG1, D3DTA_TEXTURE},
    {D3DTSS_COLORARG2, D3DTA_DIFFUSE},
    {D3DTSS_COLOROP, D3DTOP_MODULATE},
    {D3DTSS_ALPHAARG1, D3DTA_TEXTURE},
    {D3DTSS_ALPHAARG2, D3DTA_DIFFUSE},
    {D3DTSS_ALPHAOP, D3DTOP_MODULATE},
};

const RENDERSTATEROW QuadRestored[] = {
    {D3DRS_ZENABLE, D3DZB_TRUE},
    {D3DRS_STENCILENABLE, false},
    {D3DRS_FOGENABLE, true},
    {D3DRS_ALPHABLENDENABLE, false},
};

const STAGESTATEROW QuadStageRestored[] = {
    {D3DTSS_ALPHAOP, D3DTOP_SELECTARG1},
    {D3DTSS_ALPHAARG1, D3DTA_TEXTURE},
    {D3DTSS_ALPHAARG2, D3DTA_DIFFUSE},
};

template <std::size_t N>
void SetStates(DEVICE& device, const RENDERSTATEROW (&rows)[N])
{
    for (const RENDERSTATEROW& row : rows)
        device.SetRenderState(row.State, row.Value);
}

template <std::size_t N>
void SetStates(DEVICE& device, const STAGESTATEROW (&rows)[N])
{
    for (const STAGESTATEROW& row : rows)
        device.SetTextureStageState(0, row.State, row.Value);
}

VECTOR3 Subtract(VECTOR3 a, VECTOR3 b)
{
    return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}

VECTOR3 Cross(VECTOR3 a, VECTOR3 b)
{
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

float Dot(VECTOR3 a, VECTOR3 b)
{
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

VECTOR3 PushedBack(VECTOR3 p, VECTOR3 light)
{
    return {p.X - ShadowExtrusion * light.X, p.Y - ShadowExtrusion * light.Y, p.Z - ShadowExtrusion * light.Z};
}

}  // namespace

void MODEL::Release()
{
    Materials.clear();
    TextureEntries.clear();
    Adjacency.clear();
    Mesh.reset();
    Parts.clear();
}

MODELS::MODELS()
{
    std::strcpy(ModelFolder, ModelFolderName);
    Reset();
}

void MODELS::ReleaseModels()
{
    for (int i = 0; i < Used; i++)
        Entries[i].Release();
    Used = 0;
    Reset();
}

void MODELS::SetDevice(DEVICE* device)
{
    pDevice = device;
}

void MODELS::SetTextures(TEXTURES* textures)
{
    pTextures = textures;
}

void MODELS::Reset()
{
    Current = 0;
}

void MODELS::DrawModelShadowByIndex(int entry, const MATRIX& world)
{
    if (entry >= 0 && entry < MaxModels && Entries[entry].Mesh != nullptr)
        DrawModelShadow(*Entries[entry].Mesh, world);
}

void AddShadowEdge(SHADOWEDGE* edges, int& count, std::uint16_t a, std::uint16_t b)
{
    for (int i = 0; i < count; i++) {
        if ((edges[i].A == a && edges[i].B == b) || (edges[i].A == b && edges[i].B == a)) {
            if (count >= 2)
                edges[i] = edges[count - 1];
            count -= 1;
            return;
        }
    }
    edges[count] = {a, b};
    count += 1;
}

// Faces turned toward the light give their edges; an edge two lit faces share cancels, so only the silhouette is
// extruded. A face naming a vertex the mesh lacks is skipped. A volume cut short would leave walls open and count
// shadow where there is none, so one that does not fit is not built at all.
int BuildShadowVolume(const MESH& mesh, VECTOR3 light, VECTOR3* points, int& count)
{
    const std::size_t faces = mesh.Indices.size() / 3;
    std::vector<SHADOWEDGE> edges(faces * 3);
    int edgeCount = 0;
    for (std::size_t f = 0; f < faces; f++) {
        const std::uint16_t* index = &mesh.Indices[f * 3];
        if (index[0] >= mesh.Vertices.size() || index[1] >= mesh.Vertices.size() ||
            index[2] >= mesh.Vertices.size())
            continue;
        const VECTOR3 p0 = mesh.Vertices[index[0]].Position;
        const VECTOR3 p1 = mesh.Vertices[index[1]].Position;
        const VECTOR3 p2 = mesh.Vertices[index[2]].Position;
        const VECTOR3 normal = Cross(Subtract(p2, p1), Subtract(p1, p0));
        if (Dot(normal, light) >= 0.0f) {
            AddShadowEdge(edges.data(), edgeCount, index[0], index[1]);
            AddShadowEdge(edges.data(), edgeCount, index[1], index[2]);
            AddShadowEdge(edges.data(), edgeCount, index[2], index[0]);
        }
    }
    if (count < 0 || edgeCount > (MaxShadowPoints - count) / PointsPerEdge)
        return 0;
    for (int e = 0; e < edgeCount; e++) {
        const VECTOR3 a = mesh.Vertices[edges[e].A].Position;
        const VECTOR3 b = mesh.Vertices[edges[e].B].Position;
        const VECTOR3 a2 = PushedBack(a, light);
        const VECTOR3 b2 = PushedBack(b, light);
        const VECTOR3 quad[PointsPerEdge] = {a, b, a2, b, b2, a2};
        for (const VECTOR3& p : quad)
            points[count++] = p;
    }
    return 0;
}

// A world that flattens the model has no inverse: such a model casts no shadow.
void DrawModelShadow(const MESH& mesh, const MATRIX& world)
{
    MATRIX toModel;
    if (!InvertMatrix(toModel, world))
        return;
    const VECTOR3& l = Shadows.Light;
    const VECTOR4 inModel = Transform({l.X, l.Y, l.Z, 1.0f}, toModel);  // as a point, without the divide
    const VECTOR3 light{inModel.X, inModel.Y, inModel.Z};
    std::vector<VECTOR3> points(MaxShadowPoints);
    int count = 0;
    BuildShadowVolume(mesh, light, points.data(), count);
    RenderShadowVolume(points.data(), count, world);
}

void RenderShadowVolume(const VECTOR3* points, int count, const MATRIX& world)
{
    DEVICE* device = Drawing.pDevice;
    if (device == nullptr || count < 0)
        return;
    SetStates(*device, VolumeStates);
    device->SetTransform(D3DTS_WORLD, world);
    DrawTriangleList(points, static_cast<std::uint32_t>(count));
    SetStates(*device, BackFaceStates);
    device->SetTransform(D3DTS_WORLD, world);
    DrawTriangleList(points, static_cast<std::uint32_t>(count));
    SetStates(*device, VolumeRestored);
}

int DrawShadowQuad()
{
    DEVICE* device = Drawing.pDevice;
    if (device == nullptr)
        return 0;
    SetStates(*device, QuadStates);
    SetStates(*device, QuadStageStates);
    device->SetFVF(ScreenVertexFormat);
    device->SetStreamSource(0, Drawing.pShadowQuad, 0, sizeof(SCREENVERTEX));
    device->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
    SetStates(*device, QuadRestored);
    SetStates(*device, QuadStageRestored);
    return 0;
}

bool IntersectTriangle(VECTOR3 origin, VECTOR3 direction, VECTOR3 c0, VECTOR3 c1, VECTOR3 c2, float& t, float& u,
                       float& v)
{
    const VECTOR3 e1 = Subtract(c1, c0);
    const VECTOR3 e2 = Subtract(c2, c0);
    const VECTOR3 p = Cross(direction, e2);
    const float det = Dot(e1, p);
    if (det < FacingEpsilon)
        return false;
    const VECTOR3 s = Subtract(origin, c0);
    u = Dot(s, p);
    if (u < 0.0f || u > det)
        return false;
    const VECTOR3 q = Cross(s, e1);
    v = Dot(direction, q);
    if (v < 0.0f || u + v > det)
        return false;
    t = Dot(e2, q);
    const float inverse = 1.0f / det;
    t *= inverse;
    u *= inverse;
    v *= inverse;
    return true;
}
