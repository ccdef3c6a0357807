// Host-layout frames and their conversion from and to RGBA images.
#include "pixel_world.h"

namespace {

constexpr A_long PixelBytes = sizeof(PF_Pixel);

}  // namespace

PixelWorld::PixelWorld(A_long width, A_long height, A_long gapBytes)
    : pixels_(static_cast<size_t>(width + gapBytes / PixelBytes) * static_cast<size_t>(height)), layer_{}
{
    layer_.data = pixels_.data();
    layer_.rowbytes = width * PixelBytes + gapBytes;
    layer_.width = width;
    layer_.height = height;
    layer_.extent_hint = PF_Rect{0, 0, width, height};
    layer_.pix_aspect_ratio = PF_RationalScale{1, 1};
}

PixelWorld PixelWorld::FromImage(const Image& image, A_long gapBytes)
{
    PixelWorld world(image.width, image.height, gapBytes);
    const unsigned char* rgba = image.rgba.data();
    for (A_long y = 0; y < image.height; ++y) {
        PF_Pixel* row = world.Row(y);
        for (A_long x = 0; x < image.width; ++x, rgba += RgbaChannels) {
            row[x] = PF_Pixel{rgba[3], rgba[0], rgba[1], rgba[2]};
        }
    }
    return world;
}

Image PixelWorld::ToImage() const
{
    Image image{layer_.width, layer_.height, {}};
    image.rgba.resize(static_cast<size_t>(layer_.width) * static_cast<size_t>(layer_.height) * RgbaChannels);
    unsigned char* rgba = image.rgba.data();
    for (A_long y = 0; y < layer_.height; ++y) {
        const PF_Pixel* row = Row(y);
        for (A_long x = 0; x < layer_.width; ++x, rgba += RgbaChannels) {
            rgba[0] = row[x].red;
            rgba[1] = row[x].green;
            rgba[2] = row[x].blue;
            rgba[3] = row[x].alpha;
        }
    }
    return image;
}

PF_Pixel* PixelWorld::Row(A_long y)
{
    return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(layer_.rowbytes / PixelBytes);
}

const PF_Pixel* PixelWorld::Row(A_long y) const
{
    return const_cast<PixelWorld*>(this)->Row(y);
}
