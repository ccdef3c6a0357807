// DecodeImage: the bytes of a PNG, JPEG, BMP or TGA file as 8-bit RGBA (grey is
// expanded, 16-bit channels are cut to 8 bits).
//
// The frame size is read from the header first: an image without pixels, or with
// a side longer than largestSide, is refused before any pixel memory is taken.
// Inputs that the decoder (stb_image 2.27) would mishandle are refused before it
// reads them. Throws std::runtime_error with one printable line naming `name`.
// Borrows the bytes for the call; they must be fewer than 2^31.
#pragma once

#include <cstddef>
#include <string>

#include "image.h"

// The largest frame a host world can hold, on either side.
constexpr int LargestImageSide = 30000;

Image DecodeImage(const unsigned char* bytes, size_t size, const std::string& name, int largestSide = LargestImageSide);
