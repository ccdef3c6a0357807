// ImageView: what the render reads of one image a clip hands over: its pixels,
// row bytes, bounds, depth and components, each image's own (a host may send a
// depth it was not asked for).
//
// OpenFX rows run bottom-up: row y + 1 lies rowBytes after row y (rowBytes may be
// negative or padded), and the picture's top row is the image's last. TopDownRows
// views a byte RGBA image the other way round, top row first, as the render core
// and the other faces see a frame. LayoutProblem says, in words for the user, why
// an image cannot be addressed as pixels of `bytesPerPixel` bytes (no pixels,
// empty or absurd bounds, rows shorter than the bounds), or is null when it can.
// ReadPixelFormat reads the depth and components the render knows (Byte, Short
// or Float; RGBA or RGB) and is false for any other; TopDownFrame views an image
// of a known format top row first, as TopDownRows does.
#pragma once

#include <cstdint>
#include <string>

#include "deep_frame.h"
#include "ofx_types.h"
#include "pixel_rows.h"
#include "properties.h"

struct ImageView {
    unsigned char* data = nullptr;
    int64_t rowBytes = 0;
    OfxRectI bounds{};
    std::string depth;
    std::string components;
};

OfxStatus ReadImageView(const Properties& image, ImageView& view);
const char* LayoutProblem(const ImageView& view, int64_t bytesPerPixel);
PixelRows TopDownRows(const ImageView& view);

struct PixelFormat {
    ComponentDepth depth;
    int components;  // 3 or 4
};
bool ReadPixelFormat(const ImageView& view, PixelFormat& format);
DeepFrame TopDownFrame(const ImageView& view, const PixelFormat& format);

inline int64_t WidthOf(const OfxRectI& rect)
{
    return int64_t{rect.x2} - rect.x1;
}

inline int64_t HeightOf(const OfxRectI& rect)
{
    return int64_t{rect.y2} - rect.y1;
}
