// Converts the working copy in place between the host's pixel byte order (alpha,
// red, green, blue) and the line sorting engine's (red, green, blue, alpha).
// Only the bytes within each pixel move; pixels keep their places.
#pragma once

#include <cstddef>

#include "host_api.h"

void PackRgba(PF_Pixel* pixels, size_t count);
void UnpackRgba(PF_Pixel* pixels, size_t count);
