// The checks behind DecoderHazard: a JPEG walked marker by marker, a PNG chunk
// by chunk, each as stb_image 2.27 would read it.
#include "image_screening.h"

#include <algorithm>
#include <cstring>

namespace {

// stb_image 2.27 trusts a JPEG's Huffman tables: a table of more than 256 codes
// writes past the decoder's arrays, and a scan may name a table that no segment
// defined, which the decoder then reads uninitialised, indexing out of bounds.
// The bytes are walked marker by marker as the decoder reads them (segments
// skipped by their length, entropy-coded data scanned for the next marker), and
// every table is measured and every scan's tables looked up first.
class JpegScan {
public:
    JpegScan(const unsigned char* bytes, size_t size) : bytes_(bytes), size_(size) {}

    // Why the decoder must not see these bytes, or "" when it may.
    std::string Fault()
    {
        if (Byte() != 0xFF || Marker() != 0xD8) return "";
        while (position_ < size_) {
            if (Byte() != 0xFF) continue;
            const int marker = Marker();
            if (marker == 0xD9) return "";
            if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
            const std::string fault = Segment(marker);
            if (!fault.empty()) return fault;
        }
        return "";
    }

private:
    static constexpr int MaxHuffmanCodes = 256;
    static constexpr int TableSlots = 4;
    enum TableClass { Dc, Ac, ClassCount };

    std::string Segment(int marker)
    {
        const size_t start = position_;
        const int length = Length();
        if (marker == 0xC4) return DefineTables(length);  // read as the decoder does, not cut at its end
        if (marker >= 0xC0 && marker <= 0xC2) progressive_ = marker == 0xC2;
        const std::string fault = marker == 0xDA ? CheckScanTables() : "";
        position_ = start + static_cast<size_t>(length);
        return fault;
    }

    // Past the end, as in the decoder, bytes read as 0.
    int Byte() { return position_ < size_ ? bytes_[position_++] : (position_++, 0); }
    // What follows a run of 0xFF fill bytes.
    int Marker()
    {
        int byte = Byte();
        while (byte == 0xFF) byte = Byte();
        return byte;
    }
    int Length()
    {
        const int high = Byte();
        return std::max(high << 8 | Byte(), 2);
    }

    // Reads a DHT segment as the decoder does, table after table until its
    // length is used up, even past the segment's end.
    std::string DefineTables(int length)
    {
        for (int left = length - 2; left > 0;) {
            const int kind = Byte();
            if (kind >> 4 >= ClassCount || (kind & 15) >= TableSlots) return "";  // the decoder stops here
            int codes = 0;
            for (int i = 0; i < 16; ++i) codes += Byte();
            if (codes > MaxHuffmanCodes) return "a Huffman table has more than 256 codes";
            defined_[kind >> 4][kind & 15] = true;
            position_ += static_cast<size_t>(codes);
            left -= 17 + codes;
        }
        return "";
    }

    // The tables a scan decodes with: both in a baseline scan; in a progressive
    // one, DC in a first DC scan (refinements use none) and AC in an AC scan.
    std::string CheckScanTables()
    {
        const int components = Byte();
        int selectors[TableSlots] = {};
        for (int i = 0; i < components && i < TableSlots; ++i) {
            Byte();  // component id
            selectors[i] = Byte();
        }
        const int spectralStart = Byte();
        Byte();  // spectral end
        const bool refinement = Byte() >> 4 != 0;
        const bool usesDc = !progressive_ || (spectralStart == 0 && !refinement);
        const bool usesAc = !progressive_ || spectralStart != 0;
        for (int i = 0; i < components && i < TableSlots; ++i) {
            const int dc = selectors[i] >> 4, ac = selectors[i] & 15;
            if (dc >= TableSlots || ac >= TableSlots) return "";  // the decoder refuses the scan
            if ((usesDc && !defined_[Dc][dc]) || (usesAc && !defined_[Ac][ac])) {
                return "a scan uses a Huffman table that was never defined";
            }
        }
        return "";
    }

    const unsigned char* bytes_;
    size_t size_;
    size_t position_ = 0;
    bool progressive_ = false;
    bool defined_[ClassCount][TableSlots] = {};
};

constexpr size_t PngSignatureBytes = 8;
constexpr size_t PngChunkHeaderBytes = 8;  // length, type
constexpr size_t PngChunkCrcBytes = 4;

bool StartsAsPng(const unsigned char* bytes, size_t size)
{
    static const unsigned char Signature[PngSignatureBytes] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return size >= PngSignatureBytes && std::memcmp(bytes, Signature, PngSignatureBytes) == 0;
}

uint32_t BigEndian32(const unsigned char* bytes)
{
    return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
}

// stb_image takes memory for a PNG's image data as the chunk lengths claim, before
// it reads the data, so a few bytes could ask for gigabytes. Each chunk up to IEND
// must fit in the file.
bool PngChunkOverruns(const unsigned char* bytes, size_t size)
{
    if (!StartsAsPng(bytes, size)) return false;
    size_t at = PngSignatureBytes;
    while (size - at >= PngChunkHeaderBytes) {
        const uint32_t length = BigEndian32(bytes + at);
        if (length > size - at - PngChunkHeaderBytes) return true;
        if (std::memcmp(bytes + at + 4, "IEND", 4) == 0) return false;
        at += PngChunkHeaderBytes + length;
        if (size - at < PngChunkCrcBytes) return false;
        at += PngChunkCrcBytes;
    }
    return false;
}

}  // namespace

// The frame size a PNG's IHDR chunk states.
bool ReadPngHeaderSize(const unsigned char* bytes, size_t size, FrameSize* frame)
{
    const unsigned char* ihdr = bytes + PngSignatureBytes;
    if (!StartsAsPng(bytes, size) || size < PngSignatureBytes + PngChunkHeaderBytes + 8 || BigEndian32(ihdr) != 13 ||
        std::memcmp(ihdr + 4, "IHDR", 4) != 0) {
        return false;
    }
    *frame = FrameSize{BigEndian32(ihdr + 8), BigEndian32(ihdr + 12)};
    return true;
}

std::string DecoderHazard(const unsigned char* bytes, size_t size)
{
    const std::string jpegFault = JpegScan(bytes, size).Fault();
    if (!jpegFault.empty()) return jpegFault;
    if (PngChunkOverruns(bytes, size)) return "a PNG chunk runs past the end of the file";
    return "";
}
