// GuardedWorld: a host world for the render tests and the render fuzz target. Its
// pixel rows are padded with gap bytes and the whole buffer is framed by guard
// bytes; gaps, guards and the pixels all start as a canary, so a stray write shows
// in CanariesIntact (or UntouchedOutside, for a render that writes less) and an
// untouched pixel still reads as Canary(). Pixels are set and read row-major. A
// world of any shape can be made, also one a host must refuse. Beside it, the
// pixel helpers the render tests share.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "host_api.h"

constexpr unsigned char kCanaryByte = 0xA5;
constexpr int kGuardBytes = 64;

inline PF_Pixel Canary()
{
    return PF_Pixel{kCanaryByte, kCanaryByte, kCanaryByte, kCanaryByte};
}

inline bool operator==(const PF_Pixel& a, const PF_Pixel& b)
{
    return a.alpha == b.alpha && a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// The shape of a world as a host may hand it over: width, height and the gap after
// each row's pixels in bytes, any of them negative, and maybe no pixels at all.
struct WorldShape {
    int32_t width;
    int32_t height;
    int32_t gapBytes;
    bool nullData;

    int32_t Rowbytes() const { return 4 * width + gapBytes; }
    // What a host must give for a world to be walked: sizes that are not
    // negative, whole rows of pixels, and pixels behind a non-empty world.
    bool Walkable() const
    {
        return width >= 0 && height >= 0 && Rowbytes() >= 4 * width && (!nullData || width == 0 || height == 0);
    }
};

class GuardedWorld {
public:
    // The block holds height rows of rowbytes bytes when the shape is walkable.
    explicit GuardedWorld(const WorldShape& shape)
        : layer(), shape_(shape), bytes_(static_cast<size_t>(2 * kGuardBytes + RowBlockBytes(shape)), kCanaryByte)
    {
        layer.data = shape.nullData ? nullptr : reinterpret_cast<PF_Pixel*>(bytes_.data() + kGuardBytes);
        layer.rowbytes = shape.Rowbytes();
        layer.width = shape.width;
        layer.height = shape.height;
    }

    GuardedWorld(int width, int height, int gapPixels) : GuardedWorld(WorldShape{width, height, 4 * gapPixels, false})
    {}

    unsigned char* PixelBytes(int32_t x, int32_t y)
    {
        return bytes_.data() + kGuardBytes + int64_t{y} * shape_.Rowbytes() + 4 * int64_t{x};
    }

    PF_Pixel& At(int x, int y) { return *reinterpret_cast<PF_Pixel*>(PixelBytes(x, y)); }

    // The pixels of the first `columns` of the first `rows` rows, row-major.
    std::vector<PF_Pixel> Pixels(int64_t columns, int64_t rows)
    {
        std::vector<PF_Pixel> pixels;
        for (int32_t y = 0; y < rows; ++y) {
            for (int32_t x = 0; x < columns; ++x) pixels.push_back(At(x, y));
        }
        return pixels;
    }

    std::vector<PF_Pixel> Pixels() { return Pixels(layer.width, layer.height); }

    void Fill(const std::vector<PF_Pixel>& pixels)
    {
        for (size_t i = 0; i < pixels.size(); ++i) At(int(i % layer.width), int(i / layer.width)) = pixels[i];
    }

    const std::vector<unsigned char>& Bytes() const { return bytes_; }

    // True when every byte outside the first `columns` pixels of the first
    // `rows` rows still holds the canary.
    bool UntouchedOutside(int64_t columns, int64_t rows) const
    {
        const int64_t rowbytes = shape_.Rowbytes();
        for (size_t i = 0; i < bytes_.size(); ++i) {
            const int64_t offset = static_cast<int64_t>(i) - kGuardBytes;
            const bool inside =
                offset >= 0 && rowbytes > 0 && offset / rowbytes < rows && offset % rowbytes < 4 * columns;
            if (!inside && bytes_[i] != kCanaryByte) return false;
        }
        return true;
    }

    bool CanariesIntact() const { return UntouchedOutside(shape_.width, shape_.height); }

    PF_LayerDef layer;

private:
    static int64_t RowBlockBytes(const WorldShape& shape)
    {
        return shape.Walkable() ? int64_t{shape.Rowbytes()} * shape.height : 0;
    }

    WorldShape shape_;
    std::vector<unsigned char> bytes_;
};

// Pixels from a fixed seed, none equal to the canary, so a gap byte read as a pixel
// shows as a pixel that was never in the input.
inline std::vector<PF_Pixel> RandomPixels(size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<PF_Pixel> pixels;
    while (pixels.size() < count) {
        const uint32_t bits = random();
        const PF_Pixel pixel{uint8_t(bits), uint8_t(bits >> 8), uint8_t(bits >> 16), uint8_t(bits >> 24)};
        if (!(pixel == Canary())) pixels.push_back(pixel);
    }
    return pixels;
}

// All four bytes of every pixel, in an order that makes two frames holding the
// same pixels compare equal.
inline std::vector<uint32_t> PixelMultiset(const std::vector<PF_Pixel>& pixels)
{
    std::vector<uint32_t> codes;
    for (const PF_Pixel& p : pixels) codes.push_back(uint32_t(p.alpha) << 24 | p.red << 16 | p.green << 8 | p.blue);
    std::sort(codes.begin(), codes.end());
    return codes;
}
