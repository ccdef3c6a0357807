// Screening of image file bytes before stb_image 2.27 reads them.
//
// DecoderHazard names what in the bytes would make the decoder write or read
// outside its memory, or take memory as the file merely claims: a JPEG Huffman
// table of more than 256 codes, a JPEG scan using a table never defined, a PNG
// chunk longer than the rest of the file. It returns "" when the bytes may be
// decoded (which says nothing of whether they are a valid image).
// ReadPngHeaderSize gives the frame size in a PNG's IHDR chunk, if the bytes
// start as a PNG with one. Both only read the bytes they are given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct FrameSize {
    int64_t width;
    int64_t height;
};

std::string DecoderHazard(const unsigned char* bytes, size_t size);
bool ReadPngHeaderSize(const unsigned char* bytes, size_t size, FrameSize* frame);
