// The free-flying camera: its position, yaw and pitch, the view and projection built from them each
// frame, the keys that move it, and the small 4 x 4 matrix helpers it works with.
#pragma once

#include "platform/space.h"

class GAME;

constexpr float CameraFieldOfView = 0.785398185f; // pi / 4, the vertical field of view in radians
constexpr float CameraNearPlane = 1.0f;
constexpr float CameraFarPlane = 50000.0f;
constexpr float CameraMoveStep = 0.5f;            // units per frame an arrow key moves the camera
constexpr float CameraTurnStep = 0.9f;            // degrees per frame a turning key turns it

// The camera and the switch read with its keys.
struct CAMERA {
    MATRIX CameraMatrix;        // only the translation row is used: the camera position
    float CameraYaw = 0.0f;     // degrees about the vertical axis, kept in [0, 360) by the keys
    float CameraPitch = 0.0f;   // degrees about the camera's horizontal axis, unbounded
    MATRIX matCameraYaw;        // rotation about Y by the yaw, rebuilt every drawn frame
    MATRIX matCameraPitch;      // rotation about X by the pitch, rebuilt every drawn frame
    MATRIX matView;             // the view transform of the last drawn frame
    MATRIX matProj;             // the projection transform of the last drawn frame
    bool DebugDisplay = false;  // F1 has turned on the overlay of debug values, for the rest of the run
};

extern CAMERA Camera;  // the one camera

void SetIdentityMatrix(MATRIX& out);                              // the identity
void SetTranslateMatrix(MATRIX& out, float x, float y, float z);  // the identity moved by (x, y, z)
void SetRotateXMatrix(MATRIX& out, float radians);                // turn about the X axis
void SetRotateYMatrix(MATRIX& out, float radians);                // turn about the Y axis
void MatrixMultiply(MATRIX& out, const MATRIX& a, const MATRIX& b);  // out = a x b; out may be a or b
void SetPerspectiveMatrix(MATRIX& out, float fieldOfView, float aspect, float nearPlane,
                          float farPlane);                        // left-handed perspective projection
bool InvertMatrix(MATRIX& out, const MATRIX& m);                  // out = m's inverse; false, out kept, when none

void PlaceCameraForNewGame();  // the camera every game starts with: above and behind the board, tilted down
void ApplyCamera();            // the view and projection rebuilt and handed to the device; every drawn frame
void ReadCameraKeys(const GAME& game);  // F1: debug values on; arrows, A/D, W/X move the camera, not in computer turns
