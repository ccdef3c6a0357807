// Reading and writing image files.
//
// ReadImage reads a regular file whole and decodes it (see DecodeImage); a missing
// file, a folder, a pipe or device, or an empty file is refused first. WriteImage
// writes an image in the format its path's ending names (.png, .jpg or .jpeg,
// .bmp, .tga, in any letter case) to a temporary name in the destination's folder
// and renames it into place, so the destination is either the whole new file or
// untouched, and no temporary is left. JPEG keeps no alpha. All throw
// std::runtime_error with a one-line reason.
#pragma once

#include <string>

#include "image.h"

Image ReadImage(const std::string& path);
void WriteImage(const std::string& path, const Image& image);
// Throws, naming path, when its ending names no format WriteImage writes, so that
// a caller can refuse before any work.
void RequireWritableEnding(const std::string& path);
// Throws, naming path, when an image of this size is more than the writer of
// path's format can encode (for PNG some 950 million bytes of pixel rows, about
// 15400 x 15400; for the others some 536 million pixels, about 23170 x 23170),
// so that a caller can refuse before the work that would produce it.
void RequireWritableSize(const std::string& path, int width, int height);
