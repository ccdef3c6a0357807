// PngBytes: a PNG file's bytes built by hand, for the inputs stb_image_write
// cannot make: 16-bit channels, headers that claim any size, files cut short.
// Takes the header's fields and the raw scanlines (each row led by its filter
// byte) and returns the whole file: signature, IHDR, one IDAT of stored deflate
// blocks, IEND.
#pragma once

#include <cstdint>
#include <string>

std::string PngBytes(uint32_t width, uint32_t height, int bitDepth, int colourType, const std::string& scanlines);
