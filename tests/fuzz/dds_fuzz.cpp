// Any bytes given as a texture file either decode into a whole picture of a sane size or are refused.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/dds.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IMAGE image;
    if (!DecodeDds(data, size, image))
        return 0;
    if (image.Width < 1 || image.Width > MaxImageSide || image.Height < 1 || image.Height > MaxImageSide ||
        image.Pixels.size() != static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height))
        std::abort();
    MakeTexturePixels(image, DdsAlphaFlag(data, size) ? TextureOneBitAlpha : TextureOpaque, 0xff000000u);
    return 0;
}
