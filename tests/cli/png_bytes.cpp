// PNG chunks with their CRCs around a zlib stream of stored (uncompressed) blocks.
#include "png_bytes.h"

#include <algorithm>

namespace {

void AppendBigEndian(std::string& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift & 0xFF);
}

uint32_t Crc32(const std::string& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return crc ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const std::string& bytes)
{
    uint32_t a = 1, b = 0;
    for (const char byte : bytes) {
        a = (a + static_cast<unsigned char>(byte)) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

std::string Chunk(const std::string& type, const std::string& data)
{
    std::string chunk;
    AppendBigEndian(chunk, static_cast<uint32_t>(data.size()));
    chunk += type + data;
    AppendBigEndian(chunk, Crc32(type + data));
    return chunk;
}

std::string StoredZlib(const std::string& data)
{
    std::string stream = "\x78\x01";
    size_t at = 0;
    do {
        const size_t length = std::min<size_t>(data.size() - at, 65535);
        const bool last = at + length == data.size();
        stream += static_cast<char>(last ? 1 : 0);
        for (const uint32_t half : {uint32_t(length), uint32_t(~length & 0xFFFF)}) {
            stream += static_cast<char>(half & 0xFF);
            stream += static_cast<char>(half >> 8 & 0xFF);
        }
        stream += data.substr(at, length);
        at += length;
    } while (at < data.size());
    AppendBigEndian(stream, Adler32(data));
    return stream;
}

}  // namespace

std::string PngBytes(uint32_t width, uint32_t height, int bitDepth, int colourType, const std::string& scanlines)
{
    std::string header;
    AppendBigEndian(header, width);
    AppendBigEndian(header, height);
    header += {static_cast<char>(bitDepth), static_cast<char>(colourType), 0, 0, 0};
    return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", StoredZlib(scanlines)) +
           Chunk("IEND", "");
}
