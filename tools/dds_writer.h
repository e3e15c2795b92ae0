// Writes pictures as uncompressed 32-bit DDS files (A8R8G8B8, or X8R8G8B8 for opaque pictures).
#pragma once

#include <string>
#include <vector>

#include "tools/canvas.h"

// How the texture's one bit of alpha is taken from the picture's soft alpha.
enum ALPHACUT {
    AlphaThreshold,  // crisp edges: a texel is solid from alpha 128 on
    AlphaDither      // soft falloff: an ordered dither keeps the share of solid texels
};

// The file's bytes: the alpha flag is set when any texel is not fully opaque, and the alpha is cut to one bit.
std::vector<unsigned char> EncodeDds(const CANVAS& canvas, ALPHACUT cut);
// Writes bytes to path; false when the file cannot be written.
bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
