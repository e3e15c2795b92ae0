// The colours the game calls by name, 0xRRGGBB, and the alpha of a picture drawn without see-through.
#pragma once

#include <cstdint>

constexpr std::uint32_t White = 0xffffff;
constexpr std::uint32_t Yellow = 0xffff00;
constexpr std::uint32_t Cyan = 0x00ffff;
constexpr std::uint32_t Red = 0xff0000;
constexpr std::uint32_t Magenta = 0xff00ff;
constexpr std::uint32_t PaleGreen = 0x80ff80;

constexpr std::uint32_t Opaque = 255;
