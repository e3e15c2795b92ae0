// What starting the window and the device gave, shared by the two; window.cpp keeps the reason for a failure.
#pragma once

enum PLATFORMRESULT : int {
    PlatformOk = 0,
    PlatformNoVideo = 1,        // the video system did not start
    PlatformNoWindow = 2,       // the window could not be created
    PlatformNoDisplayMode = 3,  // the display's current mode could not be read
    PlatformNoRenderer = 4,     // neither an accelerated nor a software renderer could show the picture
};

// Why the last failed OpenMainWindow or DEVICE::Create failed, one line for the player; empty before any failure.
const char* PlatformFailureReason();
