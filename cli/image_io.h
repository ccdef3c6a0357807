// Reading and writing image files.
//
// ReadImage takes a PNG, JPEG, BMP or TGA file and returns it as 8-bit RGBA (grey
// is expanded, 16-bit channels are cut to 8 bits). DecodeImage does the same for
// a file already open, read from its current position, and names it `name` in
// errors. Both read the size from the header first and refuse, without decoding,
// an image with a side longer than largestSide. WritePng writes an image as PNG to
// a temporary name in the destination's folder and renames it into place, so the
// destination is either the whole new file or untouched, and no temporary is left.
// All throw std::runtime_error with a one-line reason.
#pragma once

#include <cstdio>
#include <string>

#include "image.h"

// The largest frame a host world can hold, on either side.
constexpr int LargestImageSide = 30000;

Image ReadImage(const std::string& path);
Image DecodeImage(std::FILE* file, const std::string& name, int largestSide = LargestImageSide);
void WritePng(const std::string& path, const Image& image);
// Throws, naming path, when a PNG of this size is more than WritePng can encode
// (some 950 million bytes of pixel rows, about 15400 x 15400), so that a caller
// can refuse before the work that would produce it.
void RequirePngWritable(const std::string& path, int width, int height);
