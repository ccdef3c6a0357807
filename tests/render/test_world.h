// TestWorld: a host world for render tests. Its pixel rows are padded with gap
// bytes and the whole buffer is framed by guard bytes; gaps, guards and the pixels
// all start as a canary, so a stray write shows in CanariesIntact and an untouched
// pixel still reads as Canary(). Pixels are set and read row-major. Beside it, the
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

class TestWorld {
public:
    TestWorld(int width, int height, int gapPixels)
        : layer(), rowbytes_(4 * (width + gapPixels)),
          bytes_(2 * kGuardBytes + static_cast<size_t>(rowbytes_) * height, kCanaryByte)
    {
        layer.data = reinterpret_cast<PF_Pixel*>(bytes_.data() + kGuardBytes);
        layer.rowbytes = rowbytes_;
        layer.width = width;
        layer.height = height;
    }

    PF_Pixel& At(int x, int y) { return *reinterpret_cast<PF_Pixel*>(Row(y) + 4 * x); }

    std::vector<PF_Pixel> Pixels()
    {
        std::vector<PF_Pixel> pixels;
        for (int y = 0; y < layer.height; ++y) {
            for (int x = 0; x < layer.width; ++x) pixels.push_back(At(x, y));
        }
        return pixels;
    }

    void Fill(const std::vector<PF_Pixel>& pixels)
    {
        for (size_t i = 0; i < pixels.size(); ++i) At(int(i % layer.width), int(i / layer.width)) = pixels[i];
    }

    bool CanariesIntact() const
    {
        for (size_t i = 0; i < bytes_.size(); ++i) {
            const size_t offset = i < kGuardBytes ? 0 : (i - kGuardBytes) % rowbytes_;
            const bool inPixels = i >= kGuardBytes && i < bytes_.size() - kGuardBytes &&
                                  offset < 4 * static_cast<size_t>(layer.width);
            if (!inPixels && bytes_[i] != kCanaryByte) return false;
        }
        return true;
    }

    PF_LayerDef layer;

private:
    unsigned char* Row(int y) { return bytes_.data() + kGuardBytes + static_cast<size_t>(rowbytes_) * y; }

    int rowbytes_;
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
