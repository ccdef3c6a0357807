// PixelWorld: a frame laid out as a host lays one out, PF_Pixel (alpha, red,
// green, blue) rows `rowbytes` apart with a gap after each row's pixels, so that
// an effect which ignores rowbytes shows it at once.
//
// The world owns its pixels. Layer() is the host record over them and stays valid
// for the world's life, also after a move; copying is not allowed.
#pragma once

#include <vector>

#include "host_api.h"
#include "images/image.h"

class PixelWorld {
public:
    // gapBytes is a multiple of 4.
    PixelWorld(A_long width, A_long height, A_long gapBytes);
    PixelWorld(PixelWorld&&) = default;
    PixelWorld& operator=(PixelWorld&&) = default;
    PixelWorld(const PixelWorld&) = delete;
    PixelWorld& operator=(const PixelWorld&) = delete;

    static PixelWorld FromImage(const Image& image, A_long gapBytes);
    Image ToImage() const;

    PF_LayerDef& Layer() { return layer_; }
    const PF_LayerDef& Layer() const { return layer_; }

private:
    PF_Pixel* Row(A_long y);
    const PF_Pixel* Row(A_long y) const;

    std::vector<PF_Pixel> pixels_;
    PF_LayerDef layer_;
};
