// Reading and checking an image's layout.
#include "image_view.h"

#include "ofx_strings.h"

namespace {

// Far beyond any real frame, and small enough that a frame's byte offsets cannot
// overflow: guards against hosts that clamp an infinite region "in some manner".
constexpr int64_t kLargestFrameSide = 1 << 16;

}  // namespace

OfxStatus ReadImageView(const Properties& image, ImageView& view)
{
    void* data = nullptr;
    int rowBytes = 0;
    OfxStatus status = image.GetPointer(kOfxImagePropData, data);
    if (status == kOfxStatOK) status = image.GetInt(kOfxImagePropRowBytes, rowBytes);
    if (status == kOfxStatOK) status = image.GetInts(kOfxImagePropBounds, &view.bounds.x1, 4);
    if (status == kOfxStatOK) status = image.GetString(kOfxImageEffectPropPixelDepth, view.depth);
    if (status == kOfxStatOK) status = image.GetString(kOfxImageEffectPropComponents, view.components);
    view.data = static_cast<unsigned char*>(data);
    view.rowBytes = rowBytes;
    return status;
}

const char* LayoutProblem(const ImageView& view, int64_t bytesPerPixel)
{
    const int64_t width = WidthOf(view.bounds), height = HeightOf(view.bounds);
    if (width <= 0 || height <= 0) return "The host gave Talvenor an empty image: there are no pixels to arrange.";
    if (width > kLargestFrameSide || height > kLargestFrameSide) {
        return "The host gave Talvenor an image far larger than any frame (more than 65536 pixels a side).";
    }
    if (!view.data) return "The host gave Talvenor an image without pixels.";
    const int64_t rowBytes = view.rowBytes < 0 ? -view.rowBytes : view.rowBytes;
    if (rowBytes < width * bytesPerPixel)
        return "The host gave Talvenor an image whose rows are shorter than its width.";
    return nullptr;
}

bool ReadPixelFormat(const ImageView& view, PixelFormat& format)
{
    if (view.depth == kOfxBitDepthByte) {
        format.depth = ComponentDepth::Byte;
    } else if (view.depth == kOfxBitDepthShort) {
        format.depth = ComponentDepth::Short;
    } else if (view.depth == kOfxBitDepthFloat) {
        format.depth = ComponentDepth::Float;
    } else {
        return false;
    }
    format.components = view.components == kOfxImageComponentRGBA  ? 4
                        : view.components == kOfxImageComponentRGB ? 3
                                                                   : 0;
    return format.components != 0;
}

DeepFrame TopDownFrame(const ImageView& view, const PixelFormat& format)
{
    const int64_t height = HeightOf(view.bounds);
    const auto* top = view.data + (height - 1) * view.rowBytes;
    return {top, -view.rowBytes, WidthOf(view.bounds), height, format.components, format.depth};
}

PixelRows TopDownRows(const ImageView& view)
{
    const DeepFrame frame = TopDownFrame(view, PixelFormat{ComponentDepth::Byte, 4});
    return {static_cast<const Pixel*>(frame.first), frame.rowBytes, frame.width, frame.height, PixelOrder::Rgba};
}
