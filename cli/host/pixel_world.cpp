// Host-layout frames and their conversion from and to RGBA images.
#include "pixel_world.h"

#include "pixel_order.h"

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
    const size_t width = static_cast<size_t>(image.width);
    const Pixel* rgba = reinterpret_cast<const Pixel*>(image.rgba.data());
    for (A_long y = 0; y < image.height; ++y) {
        ReorderPixels(rgba + y * width, PixelOrder::Rgba, reinterpret_cast<Pixel*>(world.Row(y)), PixelOrder::Argb,
                      width);
    }
    return world;
}

Image PixelWorld::ToImage() const
{
    Image image{layer_.width, layer_.height, {}};
    image.rgba.resize(static_cast<size_t>(layer_.width) * static_cast<size_t>(layer_.height) * RgbaChannels);
    const size_t width = static_cast<size_t>(layer_.width);
    Pixel* rgba = reinterpret_cast<Pixel*>(image.rgba.data());
    for (A_long y = 0; y < layer_.height; ++y) {
        ReorderPixels(reinterpret_cast<const Pixel*>(Row(y)), PixelOrder::Argb, rgba + y * width, PixelOrder::Rgba,
                      width);
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
