// Reading and writing image files.
//
// ReadImage takes a PNG, JPEG, BMP or TGA file and returns it as 8-bit RGBA.
// WritePng writes an image as PNG to a temporary name in the destination's folder
// and renames it into place, so the destination is either the whole new file or
// untouched. Both throw std::runtime_error with a one-line reason.
#pragma once

#include <string>

#include "image.h"

Image ReadImage(const std::string& path);
void WritePng(const std::string& path, const Image& image);
