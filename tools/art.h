// The art generator: paints and writes every picture file the game loads.
#pragma once

#include <string>

#include "world/texture_list.h"

constexpr int ArtTextureFiles = TextureListRows;  // the texture list, under "Textures/"
constexpr const char* SmallFontAtlas = "_Small.dds";  // the small font's atlas, beside the glyph files
constexpr const char* ArtFaceFolder = "/usr/share/fonts/truetype/dejavu";  // Debian's DejaVu faces

// Writes the texture files and the font files into folder/Textures and folder/Textures/Font, creating the
// folders; false, with a message in error, when a font cannot be opened or a file cannot be written.
bool MakeArt(const std::string& folder, std::string& error);
