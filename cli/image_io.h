// Reading and writing image files.
//
// ReadImage reads a regular file whole and decodes it (see DecodeImage); a missing
// file, a folder, a pipe or device, or an empty file is refused first. WritePng
// writes an image as PNG to a temporary name in the destination's folder and
// renames it into place, so the destination is either the whole new file or
// untouched, and no temporary is left. All throw std::runtime_error with a
// one-line reason.
#pragma once

#include <string>

#include "image.h"

Image ReadImage(const std::string& path);
void WritePng(const std::string& path, const Image& image);
// Throws, naming path, when a PNG of this size is more than WritePng can encode
// (some 950 million bytes of pixel rows, about 15400 x 15400), so that a caller
// can refuse before the work that would produce it.
void RequirePngWritable(const std::string& path, int width, int height);
