// The model table, which the game never fills, and the stencil shadow volumes of a mesh: silhouette, extrusion, the
// two stencil passes and the darkening quad; and a ray-triangle test. The game draws no shadow.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/textures.h"
#include "platform/device.h"
#include "platform/space.h"

constexpr int MaxModels = 512;              // entries in the model table
constexpr int ModelFolderSize = 32;
constexpr int MaxShadowPoints = 32000;      // the most points one shadow volume holds
constexpr float ShadowExtrusion = 10.0f;    // how far along the light the silhouette is pushed out
constexpr float FacingEpsilon = 0.0001f;    // a ray meets a triangle only when it faces it by more than this

// One vertex of a mesh: its position, then the normal and texture coordinates the shadow code does not read.
struct MESHVERTEX {
    VECTOR3 Position;
    VECTOR3 Normal;
    float U = 0.0f;
    float V = 0.0f;
};

// A triangle mesh: three 16-bit vertex indices per face.
struct MESH {
    std::vector<MESHVERTEX> Vertices;
    std::vector<std::uint16_t> Indices;
};

// One drawing range of a model, with the material and texture it is drawn with.
struct MODELPART {
    std::uint32_t FirstFace = 0;
    std::uint32_t FaceCount = 0;
    std::vector<std::uint8_t> Material;
    std::vector<std::uint8_t> TextureName;
};

// One model: a mesh, three blocks of its data and its parts, all owned; empty from construction.
class MODEL {
public:
    void Release();              // frees everything the entry holds; an empty entry stays as it is

    std::unique_ptr<MESH> Mesh;
    std::vector<std::uint8_t> Materials;
    std::vector<std::uint8_t> TextureEntries;
    std::vector<std::uint8_t> Adjacency;
    int Flags = 0;
    std::vector<MODELPART> Parts;
};

// The table of models; the game loads none, so its releases free nothing.
class MODELS {
public:
    MODELS();
    void ReleaseModels();                  // frees entries 0 to count - 1; count 0
    void SetDevice(DEVICE* device);        // the device the models are drawn on
    void SetTextures(TEXTURES* textures);  // the table the models' textures live in
    void Reset();                          // clears the current model
    void DrawModelShadowByIndex(int entry, const MATRIX& world);  // DrawModelShadow of the entry's mesh, if any

private:
    MODEL Entries[MaxModels];
    char ModelFolder[ModelFolderSize];
    int Used = 0;
    int Current = 0;
    DEVICE* pDevice = nullptr;
    TEXTURES* pTextures = nullptr;
};

extern MODELS Models;  // the one table

// What shadows are cast from.
struct SHADOWS {
    VECTOR3 Light;  // the light, a point in world space far from the models; nothing in the game sets it
};

extern SHADOWS Shadows;  // the one shadow light

// An edge between two vertex indices.
struct SHADOWEDGE {
    std::uint16_t A = 0;
    std::uint16_t B = 0;
};

// Adds the edge (a, b) to the first count edges, or removes it when it or (b, a) is there: a shared edge cancels.
void AddShadowEdge(SHADOWEDGE* edges, int& count, std::uint16_t a, std::uint16_t b);
// Appends to points (count in and out) two triangles per silhouette edge of the faces lit by light (in the mesh's
// space), from the edge to the edge pushed ShadowExtrusion times the light back; a volume that would take count past
// MaxShadowPoints is refused whole, count unchanged. 0.
int BuildShadowVolume(const MESH& mesh, VECTOR3 light, VECTOR3* points, int& count);
// The mesh's shadow volume, built with the shadow light taken into the mesh's space, counted into the stencil plane.
void DrawModelShadow(const MESH& mesh, const MATRIX& world);
// The volume's triangles drawn twice through world: front faces count the stencil up, back faces down, where they
// pass the depth test; no depth or colour is written. The states are restored after.
void RenderShadowVolume(const VECTOR3* points, int count, const MATRIX& world);
// The shadow quad drawn over the picture where the stencil count is 1 or more, darkening it by its colour; 0.
int DrawShadowQuad();
// Whether the ray from origin along direction meets the triangle's front face; t along the ray, u and v across it.
bool IntersectTriangle(VECTOR3 origin, VECTOR3 direction, VECTOR3 c0, VECTOR3 c1, VECTOR3 c2, float& t, float& u,
                       float& v);
