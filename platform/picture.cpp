// The picture's bounds and the textures drawn from.
#include "platform/picture.h"

#include <utility>

bool IsInPicture(int x, int y)
{
    return x >= 0 && x < PictureWidth && y >= 0 && y < PictureHeight;
}

bool TEXTURE::Create(IMAGE image)
{
    bool valid = image.Width > 0 && image.Height > 0 &&
                 image.Pixels.size() == static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height);
    Texels = valid ? std::move(image) : IMAGE{};
    return valid;
}

int TEXTURE::Width() const
{
    return Texels.Width;
}

int TEXTURE::Height() const
{
    return Texels.Height;
}

std::uint32_t TEXTURE::Texel(int x, int y) const
{
    return Row(y)[x];
}
