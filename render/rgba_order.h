// Converts one row of pixels between the host's byte order (alpha, red, green,
// blue) and the line sorting engine's (red, green, blue, alpha) while copying it
// from one buffer to another. The two buffers must not overlap; neither needs any
// alignment. Pixels keep their places; only the bytes within each pixel move.
#pragma once

#include <cstddef>

#include "host_api.h"

void PackRgbaRow(const PF_Pixel* from, unsigned char* to, size_t count);
void UnpackRgbaRow(const unsigned char* from, PF_Pixel* to, size_t count);
