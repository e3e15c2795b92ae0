// Any bytes as a texture file decode into a whole picture of a sane size or are refused, alike when cut to their need.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/dds.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IMAGE image, cut;
    DDSRESULT result = DdsDecoded, cutResult = DdsDecoded;
    const bool decoded = DecodeDds(data, size, image, &result);
    // Bytes past the largest file the header can need change nothing, so a loader may leave them unread.
    DecodeDds(data, std::min(size, DdsLargestFile(data, size)), cut, &cutResult);
    if (cutResult != result || cut.Pixels != image.Pixels)
        std::abort();
    if (!decoded)
        return 0;
    if (image.Width < 1 || image.Width > MaxImageSide || image.Height < 1 || image.Height > MaxImageSide ||
        image.Pixels.size() != static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height))
        std::abort();
    MakeTexturePixels(image, DdsAlphaFlag(data, size) ? TextureOneBitAlpha : TextureOpaque, 0xff000000u);
    return 0;
}
