// The model table, which the game never fills, and the silhouette and ray tests of the shadow-volume code.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/textures.h"
#include "platform/device.h"

constexpr int MaxModels = 512;              // entries in the model table
constexpr int ModelFolderSize = 32;
constexpr int MaxShadowPoints = 32000;      // the most points one shadow volume holds
constexpr float ShadowExtrusion = 10.0f;    // how far along the light the silhouette is pushed out
constexpr float FacingEpsilon = 0.0001f;    // a ray meets a triangle only when it faces it by more than this

struct POINT3 {
    float X = 0.0f;
    float Y = 0.0f;
    float Z = 0.0f;
};

// One vertex of a mesh: its position, then the normal and texture coordinates the shadow code does not read.
struct MESHVERTEX {
    POINT3 Position;
    POINT3 Normal;
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

private:
    MODEL Entries[MaxModels];
    char ModelFolder[ModelFolderSize];
    int Used = 0;
    int Current = 0;
    DEVICE* pDevice = nullptr;
    TEXTURES* pTextures = nullptr;
};

extern MODELS Models;  // the one table

// An edge between two vertex indices.
struct SHADOWEDGE {
    std::uint16_t A = 0;
    std::uint16_t B = 0;
};

// Adds the edge (a, b) to the first count edges, or removes it when it or (b, a) is there: a shared edge cancels.
void AddShadowEdge(SHADOWEDGE* edges, int& count, std::uint16_t a, std::uint16_t b);
// Appends to points (count in and out, at most MaxShadowPoints) two triangles per silhouette edge of the faces
// lit by light, from the edge to the edge pushed ShadowExtrusion times the light back; 0.
int BuildShadowVolume(const MESH& mesh, POINT3 light, POINT3* points, int& count);
// Whether the ray from origin along direction meets the triangle's front face; t along the ray, u and v across it.
bool IntersectTriangle(POINT3 origin, POINT3 direction, POINT3 c0, POINT3 c1, POINT3 c2, float& t, float& u,
                       float& v);
