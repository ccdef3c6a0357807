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
        for (A_long x = 0; x < image.width; ++x, rgba += 4) {
            world.pixels_[world.IndexOf(x, y)] = PF_Pixel{rgba[3], rgba[0], rgba[1], rgba[2]};
        }
    }
    return world;
}

Image PixelWorld::ToImage() const
{
    Image image{layer_.width, layer_.height, {}};
    image.rgba.reserve(static_cast<size_t>(layer_.width) * static_cast<size_t>(layer_.height) * 4);
    for (A_long y = 0; y < layer_.height; ++y) {
        for (A_long x = 0; x < layer_.width; ++x) {
            const PF_Pixel& pixel = pixels_[IndexOf(x, y)];
            image.rgba.insert(image.rgba.end(), {pixel.red, pixel.green, pixel.blue, pixel.alpha});
        }
    }
    return image;
}

size_t PixelWorld::IndexOf(A_long x, A_long y) const
{
    return static_cast<size_t>(y) * static_cast<size_t>(layer_.rowbytes / PixelBytes) + static_cast<size_t>(x);
}
