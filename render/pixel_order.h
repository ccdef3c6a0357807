// The render's pixel: four bytes whose meaning the frame's PixelOrder gives.
// Hosts hand over ARGB (alpha, red, green, blue: the compositing host's worlds) or
// RGBA (the line sorting engine's order, and frei0r's); the render moves whole
// pixels and reads colour bytes only where a key needs them.
//
// ReorderPixels copies count pixels from one buffer to another, turning each from
// one order into the other (or copying it as it is when the orders agree). The
// buffers must not overlap; neither needs any alignment.
#pragma once

#include <cstddef>

struct Pixel {
    unsigned char bytes[4];
};
static_assert(sizeof(Pixel) == 4, "a pixel is four bytes with no padding");

enum class PixelOrder { Argb, Rgba };

// Where a pixel's red byte lies; green and blue follow it in both orders.
constexpr int RedByteOf(PixelOrder order)
{
    return order == PixelOrder::Argb ? 1 : 0;
}

void ReorderPixels(const Pixel* from, PixelOrder fromOrder, Pixel* to, PixelOrder toOrder, size_t count);
