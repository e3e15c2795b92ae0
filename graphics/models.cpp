// The model table and the geometry of shadow volumes: silhouette edges, their extrusion, and a ray-triangle test.
#include "graphics/models.h"

#include <cstring>

MODELS Models;

namespace {

constexpr char ModelFolderName[] = "Textures\\";
constexpr int PointsPerEdge = 6;  // two triangles join an edge to its extruded copy

POINT3 Subtract(POINT3 a, POINT3 b)
{
    return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}

POINT3 Cross(POINT3 a, POINT3 b)
{
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

float Dot(POINT3 a, POINT3 b)
{
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

POINT3 PushedBack(POINT3 p, POINT3 light)
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

// Faces turned toward the light give their edges; an edge two lit faces share
// cancels, so only the silhouette is extruded. A face naming a vertex the mesh
// lacks is skipped, and edges that find the point list full are dropped.
int BuildShadowVolume(const MESH& mesh, POINT3 light, POINT3* points, int& count)
{
    const std::size_t faces = mesh.Indices.size() / 3;
    std::vector<SHADOWEDGE> edges(faces * 3);
    int edgeCount = 0;
    for (std::size_t f = 0; f < faces; f++) {
        const std::uint16_t* index = &mesh.Indices[f * 3];
        if (index[0] >= mesh.Vertices.size() || index[1] >= mesh.Vertices.size() ||
            index[2] >= mesh.Vertices.size())
            continue;
        const POINT3 p0 = mesh.Vertices[index[0]].Position;
        const POINT3 p1 = mesh.Vertices[index[1]].Position;
        const POINT3 p2 = mesh.Vertices[index[2]].Position;
        const POINT3 normal = Cross(Subtract(p2, p1), Subtract(p1, p0));
        if (Dot(normal, light) >= 0.0f) {
            AddShadowEdge(edges.data(), edgeCount, index[0], index[1]);
            AddShadowEdge(edges.data(), edgeCount, index[1], index[2]);
            AddShadowEdge(edges.data(), edgeCount, index[2], index[0]);
        }
    }
    for (int e = 0; e < edgeCount && count + PointsPerEdge <= MaxShadowPoints; e++) {
        const POINT3 a = mesh.Vertices[edges[e].A].Position;
        const POINT3 b = mesh.Vertices[edges[e].B].Position;
        const POINT3 a2 = PushedBack(a, light);
        const POINT3 b2 = PushedBack(b, light);
        const POINT3 quad[PointsPerEdge] = {a, b, a2, b, b2, a2};
        for (const POINT3& p : quad)
            points[count++] = p;
    }
    return 0;
}

bool IntersectTriangle(POINT3 origin, POINT3 direction, POINT3 c0, POINT3 c1, POINT3 c2, float& t, float& u,
                       float& v)
{
    const POINT3 e1 = Subtract(c1, c0);
    const POINT3 e2 = Subtract(c2, c0);
    const POINT3 p = Cross(direction, e2);
    const float det = Dot(e1, p);
    if (det < FacingEpsilon)
        return false;
    const POINT3 s = Subtract(origin, c0);
    u = Dot(s, p);
    if (u < 0.0f || u > det)
        return false;
    const POINT3 q = Cross(s, e1);
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
