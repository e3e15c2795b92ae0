// The camera and its matrices, handed to the device each drawn frame. Nothing the game draws passes through the
// view and projection: every sprite, line and letter is placed in back-buffer pixels, so moving the camera changes
// only these matrices and what the device's own triangles show. The key handler also holds the switch of the debug
// overlay.
#include "graphics/camera.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "graphics/drawing.h"
#include "platform/window.h"
#include "world/game.h"

CAMERA Camera;

namespace {

constexpr float GameCameraX = -5.0f;
constexpr float GameCameraY = 132.0f;
constexpr float GameCameraZ = -180.0f;
constexpr float GameCameraPitch = -26.6f;
constexpr float FullTurn = 360.0f;
constexpr float CameraAspect = 1.0f;

// The elements by row and column, so products can walk them in order.
constexpr float MATRIX::*Elements[4][4] = {
    {&MATRIX::_11, &MATRIX::_12, &MATRIX::_13, &MATRIX::_14},
    {&MATRIX::_21, &MATRIX::_22, &MATRIX::_23, &MATRIX::_24},
    {&MATRIX::_31, &MATRIX::_32, &MATRIX::_33, &MATRIX::_34},
    {&MATRIX::_41, &MATRIX::_42, &MATRIX::_43, &MATRIX::_44},
};

// Sines and cosines are taken in double precision and kept as floats.
float Cos(float radians)
{
    return static_cast<float>(std::cos(static_cast<double>(radians)));
}

float Sin(float radians)
{
    return static_cast<float>(std::sin(static_cast<double>(radians)));
}

bool IsDown(const std::uint8_t keys[KeyStateCount], int key)
{
    return (keys[key] & KeyDownBit) != 0;
}

}  // namespace

void SetIdentityMatrix(MATRIX& out)
{
    out = IdentityMatrix();
}

void SetTranslateMatrix(MATRIX& out, float x, float y, float z)
{
    SetIdentityMatrix(out);
    out._41 = x;
    out._42 = y;
    out._43 = z;
}

void SetRotateXMatrix(MATRIX& out, float radians)
{
    SetIdentityMatrix(out);
    out._22 = Cos(radians);
    out._23 = Sin(radians);
    out._32 = -Sin(radians);
    out._33 = Cos(radians);
}

void SetRotateYMatrix(MATRIX& out, float radians)
{
    SetIdentityMatrix(out);
    out._11 = Cos(radians);
    out._13 = -Sin(radians);
    out._31 = Sin(radians);
    out._33 = Cos(radians);
}

// Built in a temporary first, so the output may be either input.
void MatrixMultiply(MATRIX& out, const MATRIX& a, const MATRIX& b)
{
    MATRIX product;
    for (int row = 0; row < 4; row++) {
        for (int column = 0; column < 4; column++) {
            float sum = 0.0f;
            for (int k = 0; k < 4; k++)
                sum += a.*Elements[row][k] * b.*Elements[k][column];
            product.*Elements[row][column] = sum;
        }
    }
    out = product;
}

void SetPerspectiveMatrix(MATRIX& out, float fieldOfView, float aspect, float nearPlane, float farPlane)
{
    const float yScale = 1.0f / std::tan(fieldOfView * 0.5f);
    out = MATRIX{};
    out._11 = yScale / aspect;
    out._22 = yScale;
    out._33 = farPlane / (farPlane - nearPlane);
    out._34 = 1.0f;
    out._43 = -nearPlane * farPlane / (farPlane - nearPlane);
}

// Gauss-Jordan elimination on the rows of m beside the identity, each pivot the largest left in its column.
bool InvertMatrix(MATRIX& out, const MATRIX& m)
{
    float left[4][4];
    float right[4][4];
    const MATRIX identity = IdentityMatrix();
    for (int row = 0; row < 4; row++) {
        for (int column = 0; column < 4; column++) {
            left[row][column] = m.*Elements[row][column];
            right[row][column] = identity.*Elements[row][column];
        }
    }
    for (int column = 0; column < 4; column++) {
        int pivot = column;
        for (int row = column + 1; row < 4; row++)
            if (std::fabs(left[row][column]) > std::fabs(left[pivot][column]))
                pivot = row;
        if (left[pivot][column] == 0.0f)
            return false;
        std::swap(left[pivot], left[column]);
        std::swap(right[pivot], right[column]);
        const float scale = 1.0f / left[column][column];
        for (int k = 0; k < 4; k++) {
            left[column][k] *= scale;
            right[column][k] *= scale;
        }
        for (int row = 0; row < 4; row++) {
            const float factor = left[row][column];
            if (row == column || factor == 0.0f)
                continue;
            for (int k = 0; k < 4; k++) {
                left[row][k] -= factor * left[column][k];
                right[row][k] -= factor * right[column][k];
            }
        }
    }
    for (int row = 0; row < 4; row++)
        for (int column = 0; column < 4; column++)
            out.*Elements[row][column] = right[row][column];
    return true;
}

void PlaceCameraForNewGame()
{
    SetTranslateMatrix(Camera.CameraMatrix, GameCameraX, GameCameraY, GameCameraZ);
    Camera.CameraPitch = GameCameraPitch;
    Camera.CameraYaw = 0.0f;
}

void ApplyCamera()
{
    MATRIX toCamera;
    SetTranslateMatrix(toCamera, -Camera.CameraMatrix._41, -Camera.CameraMatrix._42, -Camera.CameraMatrix._43);
    SetRotateYMatrix(Camera.matCameraYaw, Camera.CameraYaw * DegreesToRadians);
    SetRotateXMatrix(Camera.matCameraPitch, Camera.CameraPitch * DegreesToRadians);
    MatrixMultiply(Camera.matView, toCamera, Camera.matCameraYaw);
    MatrixMultiply(Camera.matView, Camera.matView, Camera.matCameraPitch);
    SetPerspectiveMatrix(Camera.matProj, CameraFieldOfView, CameraAspect, CameraNearPlane, CameraFarPlane);
    if (Drawing.pDevice == nullptr)
        return;
    Drawing.pDevice->SetTransform(D3DTS_VIEW, Camera.matView);
    Drawing.pDevice->SetTransform(D3DTS_PROJECTION, Camera.matProj);
}

// The arrows step along the camera's own axes, so with a pitch a forward step also rises or sinks.
// Of two opposite arrows the one tested later wins: down over up, right over left.
void ReadCameraKeys(const GAME& game)
{
    std::uint8_t keys[KeyStateCount] = {};
    ReadKeyStates(keys);
    if (IsDown(keys, KeyF1))
        Camera.DebugDisplay = true;
    if (game.HumanTurnEnded)
        return;

    MATRIX yaw;
    MATRIX pitch;
    MATRIX step;
    SetRotateYMatrix(yaw, -Camera.CameraYaw * DegreesToRadians);
    SetRotateXMatrix(pitch, -Camera.CameraPitch * DegreesToRadians);
    SetIdentityMatrix(step);
    bool moved = false;
    if (IsDown(keys, KeyUp)) {
        step._43 = CameraMoveStep;
        moved = true;
    }
    if (IsDown(keys, KeyDown)) {
        step._43 = -CameraMoveStep;
        moved = true;
    }
    if (IsDown(keys, KeyLeft)) {
        step._41 = -CameraMoveStep;
        moved = true;
    }
    if (IsDown(keys, KeyRight)) {
        step._41 = CameraMoveStep;
        moved = true;
    }
    if (moved) {
        MatrixMultiply(step, step, pitch);
        MatrixMultiply(step, step, yaw);
        Camera.CameraMatrix._41 += step._41;
        Camera.CameraMatrix._42 += step._42;
        Camera.CameraMatrix._43 += step._43;
    }

    if (IsDown(keys, KeyA)) {
        Camera.CameraYaw += CameraTurnStep;
        if (Camera.CameraYaw >= FullTurn)
            Camera.CameraYaw -= FullTurn;
    }
    if (IsDown(keys, KeyD)) {
        Camera.CameraYaw -= CameraTurnStep;
        if (Camera.CameraYaw < 0.0f)
            Camera.CameraYaw += FullTurn;
    }
    if (IsDown(keys, KeyW))
        Camera.CameraPitch += CameraTurnStep;
    if (IsDown(keys, KeyX))
        Camera.CameraPitch -= CameraTurnStep;
}
