// The demo picture, computed pixel by pixel: hue sweeps across, and interfering
// waves plus fine grain wash it towards white and shade it towards black, so the
// sort finds runs of highlights and shadows at its default threshold.
#include "demo_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int DemoWidth = 1280;
constexpr int DemoHeight = 720;

struct Rgb {
    double red, green, blue;
};

// A fully saturated colour of the given hue (in turns), darkened towards black
// for a shade below 0.5 and washed towards white above it.
Rgb Shaded(double hue, double shade)
{
    const double h = (hue - std::floor(hue)) * 6.0;
    const Rgb pure{std::clamp(std::fabs(h - 3.0) - 1.0, 0.0, 1.0), std::clamp(2.0 - std::fabs(h - 2.0), 0.0, 1.0),
                   std::clamp(2.0 - std::fabs(h - 4.0), 0.0, 1.0)};
    const double dark = std::min(1.0, 2.0 * shade), white = std::max(0.0, 2.0 * shade - 1.0);
    return {pure.red * dark + (1 - pure.red) * white, pure.green * dark + (1 - pure.green) * white,
            pure.blue * dark + (1 - pure.blue) * white};
}

// Repeatable grain in -1..1 from the pixel position.
double Grain(int x, int y)
{
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<double>((h ^ (h >> 16)) & 0xFFFF) / 32767.5 - 1.0;
}

unsigned char ToByte(double channel)
{
    return static_cast<unsigned char>(std::lround(std::clamp(channel, 0.0, 1.0) * 255.0));
}

Rgb DemoColour(int x, int y)
{
    const double u = x / (DemoWidth - 1.0), v = y / (DemoHeight - 1.0);
    const double waves = std::sin(u * 31.0 + 6.0 * std::sin(v * 7.0)) * std::cos(v * 19.0 + 4.0 * std::sin(u * 9.0));
    const double hue = 0.85 * u + 0.15 * v + 0.06 * waves;
    const double shade = 0.5 + 0.42 * waves + 0.15 * (0.5 - v) + 0.04 * Grain(x, y);
    return Shaded(hue, shade);
}

}  // namespace

Image MakeDemoPicture()
{
    Image image{DemoWidth, DemoHeight, {}};
    image.rgba.reserve(static_cast<size_t>(DemoWidth) * DemoHeight * 4);
    for (int y = 0; y < DemoHeight; ++y) {
        for (int x = 0; x < DemoWidth; ++x) {
            const Rgb colour = DemoColour(x, y);
            image.rgba.insert(image.rgba.end(), {ToByte(colour.red), ToByte(colour.green), ToByte(colour.blue), 255});
        }
    }
    return image;
}
