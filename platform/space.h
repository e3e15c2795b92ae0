// Points and matrices in space, as the device transforms positions: row vectors times 4 x 4 matrices.
#pragma once

// A point or a direction in space.
struct VECTOR3 {
    float X = 0.0f;
    float Y = 0.0f;
    float Z = 0.0f;
};

// A 4 x 4 matrix applied to row vectors ((x, y, z, 1) times the matrix); the translation is the
// fourth row (_41, _42, _43). A product a x b applies a first.
struct MATRIX {
    float _11 = 0.0f, _12 = 0.0f, _13 = 0.0f, _14 = 0.0f;
    float _21 = 0.0f, _22 = 0.0f, _23 = 0.0f, _24 = 0.0f;
    float _31 = 0.0f, _32 = 0.0f, _33 = 0.0f, _34 = 0.0f;
    float _41 = 0.0f, _42 = 0.0f, _43 = 0.0f, _44 = 0.0f;
};

// A point in homogeneous space: (x, y, z, 1) for a point, w the divisor after a projection.
struct VECTOR4 {
    float X = 0.0f;
    float Y = 0.0f;
    float Z = 0.0f;
    float W = 0.0f;
};

// The row vector times the matrix, each element's four products summed in order, in single precision.
constexpr VECTOR4 Transform(const VECTOR4& p, const MATRIX& m)
{
    return {p.X * m._11 + p.Y * m._21 + p.Z * m._31 + p.W * m._41,
            p.X * m._12 + p.Y * m._22 + p.Z * m._32 + p.W * m._42,
            p.X * m._13 + p.Y * m._23 + p.Z * m._33 + p.W * m._43,
            p.X * m._14 + p.Y * m._24 + p.Z * m._34 + p.W * m._44};
}

constexpr MATRIX IdentityMatrix()
{
    MATRIX identity;
    identity._11 = 1.0f;
    identity._22 = 1.0f;
    identity._33 = 1.0f;
    identity._44 = 1.0f;
    return identity;
}
