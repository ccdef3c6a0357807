// Smooth fields of a few low frequencies per channel, plus hashed noise.
#include "natural_frame.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Noise in -12..12 that depends only on the position.
int Noise(uint32_t x, uint32_t y, uint32_t channel)
{
    uint32_t h = x * 0x9E3779B1u ^ y * 0x85EBCA77u ^ channel * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 13;
    return static_cast<int>(h % 25) - 12;
}

unsigned char Channel(double u, double v, uint32_t channel)
{
    const double phase = 0.7 * channel;
    const double light = std::sin(kTwoPi * (1.1 * u + 0.15 * phase)) * std::cos(kTwoPi * (0.8 * v - 0.1));
    const double tint = 0.35 * std::sin(kTwoPi * (0.6 * u + 1.7 * v + phase));
    const double vignette = 1.0 - 0.5 * ((u - 0.5) * (u - 0.5) + (v - 0.5) * (v - 0.5));
    return static_cast<unsigned char>(std::clamp(128.0 + 140.0 * (light + tint) * vignette, 0.0, 255.0));
}

}  // namespace

std::vector<unsigned char> NaturalFrame(uint32_t width, uint32_t height)
{
    std::vector<unsigned char> frame(size_t{width} * height * 4);
    unsigned char* pixel = frame.data();
    for (uint32_t y = 0; y < height; ++y) {
        const double v = static_cast<double>(y) / height;
        for (uint32_t x = 0; x < width; ++x, pixel += 4) {
            const double u = static_cast<double>(x) / width;
            for (uint32_t c = 0; c < 3; ++c) {
                pixel[c] = static_cast<unsigned char>(std::clamp(Channel(u, v, c) + Noise(x, y, c), 0, 255));
            }
            pixel[3] = 255;
        }
    }
    return frame;
}
