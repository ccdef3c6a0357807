// Image files through stb_image and stb_image_write, which are compiled here.
#include "image_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <system_error>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#include <stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace {

constexpr int RgbaChannels = 4;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Quoted(const std::string& path)
{
    return "'" + path + "'";
}

// stb_image's reason, made fit for one line on a terminal: for an unknown PNG
// chunk it quotes the chunk's type bytes from the file, which may be anything,
// a NUL that ends the text early included.
std::string DecoderReason()
{
    std::string reason = stbi_failure_reason();
    for (char& c : reason) {
        if (c < ' ' || c > '~') c = '?';
    }
    return reason.find_first_not_of('?') == std::string::npos ? "damaged image data" : reason;
}

// What keeps a path from being read as an image file, before it is opened. The
// file is read twice (its header, then the image), so it must be a regular file,
// not a pipe or a device.
void RequireImageFile(const std::string& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return;  // opening it says why
    if (std::filesystem::is_directory(status)) throw std::runtime_error(Quoted(path) + " is a folder, not an image");
    if (!std::filesystem::is_regular_file(status)) throw std::runtime_error(Quoted(path) + " is not a regular file");
    if (std::filesystem::file_size(path, error) == 0 && !error) throw std::runtime_error(Quoted(path) + " is empty");
}

// stb_image 2.27 trusts the code counts of a JPEG Huffman table: a table of more
// than 256 codes writes past the decoder's arrays. The file is walked marker by
// marker as the decoder reads it (segments skipped by their length, entropy-coded
// data scanned for the next marker), and every table is measured first.
class JpegScan {
public:
    explicit JpegScan(std::FILE* file) : file_(file) {}

    bool HasOversizedHuffmanTable()
    {
        if (Byte() != 0xFF || Marker() != 0xD8) return false;
        for (int byte = Byte(); byte != EOF; byte = Byte()) {
            if (byte != 0xFF) continue;
            const int marker = Marker();
            if (marker == EOF || marker == 0xD9) return false;
            if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
            if (marker == 0xC4) {
                if (TablesOversized()) return true;
            } else if (!SkipSegment()) {
                return false;  // a length the decoder refuses too
            }
        }
        return false;
    }

private:
    static constexpr int MaxHuffmanCodes = 256;

    int Byte() { return std::getc(file_); }
    // What follows a run of 0xFF fill bytes.
    int Marker()
    {
        int byte = Byte();
        while (byte == 0xFF) byte = Byte();
        return byte;
    }
    // Past the end, as in the decoder, bytes read as 0.
    int Value() { return std::max(Byte(), 0); }
    int Length()
    {
        const int high = Value();
        return high << 8 | Value();
    }

    bool SkipSegment()
    {
        const int length = Length();
        return length >= 2 && std::fseek(file_, length - 2, SEEK_CUR) == 0;
    }

    // Reads a DHT segment as the decoder does, table after table until its
    // length is used up, even past the segment's end.
    bool TablesOversized()
    {
        for (int left = Length() - 2; left > 0;) {
            const int kind = Value();
            if (kind >> 4 > 1 || (kind & 15) > 3) return false;
            int codes = 0;
            for (int i = 0; i < 16; ++i) codes += Value();
            if (codes > MaxHuffmanCodes) return true;
            std::fseek(file_, codes, SEEK_CUR);
            left -= 17 + codes;
        }
        return false;
    }

    std::FILE* file_;
};

// Whether the file, from its current position, is a JPEG the decoder must not
// see; the position is kept.
bool IsUnsafeJpeg(std::FILE* file)
{
    const long start = std::ftell(file);
    const bool unsafe = JpegScan(file).HasOversizedHuffmanTable();
    std::fseek(file, start, SEEK_SET);
    return unsafe;
}

struct FrameSize {
    int64_t width;
    int64_t height;
};

// The frame size a PNG's IHDR chunk states, read without moving the file on.
bool ReadPngHeaderSize(std::FILE* file, FrameSize* size)
{
    static const unsigned char Signature[12] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
    unsigned char header[24];
    const long start = std::ftell(file);
    const bool read = std::fread(header, 1, sizeof header, file) == sizeof header;
    std::fseek(file, start, SEEK_SET);
    if (!read || std::memcmp(header, Signature, sizeof Signature) != 0 || std::memcmp(header + 12, "IHDR", 4) != 0) {
        return false;
    }
    const auto bigEndian = [&header](int at) {
        return int64_t{header[at]} << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3];
    };
    *size = FrameSize{bigEndian(16), bigEndian(20)};
    return true;
}

// stb_image's header scan turns a PNG whose frame would pass 2^30 bytes down as
// no image at all, so such a header is read here to name its size.
FrameSize HeaderSize(std::FILE* file, const std::string& name)
{
    int width = 0, height = 0, channels = 0;
    if (stbi_info_from_file(file, &width, &height, &channels)) return FrameSize{width, height};
    const std::string reason = DecoderReason();
    FrameSize size;
    if (ReadPngHeaderSize(file, &size)) return size;
    throw std::runtime_error(Quoted(name) + " is not a PNG, JPEG, BMP or TGA image (" + reason + ")");
}

// stb_image_write reports a failed write only through this callback's context.
struct PngSink {
    std::FILE* file;
    bool failed = false;
};

void WriteToSink(void* context, void* data, int size)
{
    PngSink& sink = *static_cast<PngSink*>(context);
    if (!sink.failed && std::fwrite(data, 1, static_cast<size_t>(size), sink.file) != static_cast<size_t>(size)) {
        sink.failed = true;
    }
}

// Writes the whole PNG to path, or returns the reason it could not.
std::string WritePngFile(const std::string& path, const Image& image)
{
    errno = 0;
    File file(std::fopen(path.c_str(), "wb"));
    if (!file) return std::strerror(errno);
    PngSink sink{file.get()};
    const bool encoded = stbi_write_png_to_func(WriteToSink, &sink, image.width, image.height, RgbaChannels,
                                                image.rgba.data(), image.width * RgbaChannels) != 0;
    const bool closed = std::fclose(file.release()) == 0;
    if (!encoded) return "the image could not be encoded";
    if (sink.failed || !closed) return errno ? std::strerror(errno) : "write failed";
    return "";
}

// stb_image_write keeps the compressed image in a buffer whose int size doubles
// as it grows, which overflows past 2^30 bytes; its fixed Huffman codes spend up
// to 9 bits on a byte. Pixel rows carry one filter byte each.
bool FitsPngWriter(int width, int height)
{
    constexpr int64_t MaxCompressedBytes = int64_t{1} << 30;
    constexpr int64_t MaxRowBytes = MaxCompressedBytes / 9 * 8 - (int64_t{1} << 20);
    return (int64_t{width} * RgbaChannels + 1) * height <= MaxRowBytes;
}

// Unique enough that two runs writing the same output don't share a name.
std::string TemporaryNameFor(const std::string& path)
{
    std::random_device source;
    return path + ".partial-" + std::to_string(source());
}

}  // namespace

Image DecodeImage(std::FILE* file, const std::string& name, int largestSide)
{
    // Before any stb_image call: reading the header already builds the tables.
    if (IsUnsafeJpeg(file)) {
        throw std::runtime_error("cannot decode " + Quoted(name) + ": a Huffman table has more than 256 codes");
    }
    const FrameSize size = HeaderSize(file, name);
    // stb_image loads a BMP of height 0 as an image without pixels.
    if (size.width < 1 || size.height < 1) {
        throw std::runtime_error(Quoted(name) + " has no pixels (" + std::to_string(size.width) + " x " +
                                 std::to_string(size.height) + ")");
    }
    if (size.width > largestSide || size.height > largestSide) {
        throw std::runtime_error(Quoted(name) + " is " + std::to_string(size.width) + " x " +
                                 std::to_string(size.height) + " pixels, larger than the largest frame, " +
                                 std::to_string(largestSide) + " x " + std::to_string(largestSide));
    }
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_file(file, &width, &height, &channels, RgbaChannels);
    if (!pixels) throw std::runtime_error("cannot decode " + Quoted(name) + ": " + DecoderReason());
    Image image{width, height, {}};
    image.rgba.assign(pixels, pixels + static_cast<size_t>(width) * height * RgbaChannels);
    stbi_image_free(pixels);
    return image;
}

Image ReadImage(const std::string& path)
{
    RequireImageFile(path);
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) throw std::runtime_error("cannot open " + Quoted(path) + ": " + std::strerror(errno));
    return DecodeImage(file.get(), path);
}

void RequirePngWritable(const std::string& path, int width, int height)
{
    if (!FitsPngWriter(width, height)) {
        throw std::runtime_error("cannot write " + Quoted(path) + ": " + std::to_string(width) + " x " +
                                 std::to_string(height) + " pixels is more than the PNG writer can encode");
    }
}

void WritePng(const std::string& path, const Image& image)
{
    RequirePngWritable(path, image.width, image.height);
    const std::string temporary = TemporaryNameFor(path);
    const std::string reason = WritePngFile(temporary, image);
    if (!reason.empty()) {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot write " + Quoted(path) + ": " + reason);
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot write " + Quoted(path) + ": " + error.message());
    }
}
