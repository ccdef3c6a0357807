// Line sorting engine: public contract.
//
// SortLines rearranges an RGBA frame in place. It cuts the frame into lines (rows,
// columns, or rows then columns) and in each line sorts either the whole line or
// every maximal run of pixels whose key lies above (Highlights) or below (Shadows)
// the threshold, ascending by one of five keys of the three colour bytes. Pixels
// with equal keys keep their order, so the result is fully determined. Pixels
// are moved whole (4 bytes, alpha included) and only within their line.
//
// Takes: a SortImage (pixels row-major, 4 bytes a pixel: bytes 0-2 colour, byte 3
// alpha) and a SortOptions, both owned by the caller and only borrowed for the
// call. Any option value is accepted: out-of-range values act as Both, AllPixels
// and Xor. Returns nothing. Allocates per pass and frees before returning; if an
// allocation fails the pass is left out, so the frame still holds each pixel once.
// Has no global state: calls on different frames may run on different threads.
// Frames of up to 2^31 - 1 pixels; a frame with width or height 0 is left as is.
#pragma once

#include <cstdint>

enum class SortDirection : int32_t { Column = 0, Row = 1, Both = 2 };
enum class SortMode : int32_t { AllPixels = 0, Highlights = 1, Shadows = 2 };
enum class SortComparator : int32_t { Average = 0, Multiply = 1, Min = 2, Max = 3, Xor = 4 };

struct SortImage {
    unsigned char* pixels;
    uint32_t width;
    uint32_t height;
    int32_t channels;  // set to 4 by the caller; a pixel is always 4 bytes
};

struct SortOptions {
    SortDirection direction;
    SortComparator comparator;
    SortMode mode;
    int32_t threshold;
};

void SortLines(const SortImage& image, const SortOptions& options);
