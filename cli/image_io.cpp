// Image files: reading them whole for the decoder, and writing PNG files into
// place through stb_image_write, which is compiled here.
#include "image_io.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "image_decode.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Folders, pipes and devices are turned away before opening: a pipe could block
// the open, and a file read whole needs a size.
void RequireRegularFile(const std::string& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::is_directory(status)) throw std::runtime_error(Quoted(path) + " is a folder, not an image");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw std::runtime_error(Quoted(path) + " is not a regular file");
    }
}

std::vector<unsigned char> ReadFileBytes(const std::string& path)
{
    RequireRegularFile(path);
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) throw std::runtime_error("cannot open " + Quoted(path) + ": " + std::strerror(errno));
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error) throw std::runtime_error("cannot read " + Quoted(path) + ": " + error.message());
    if (size == 0) throw std::runtime_error(Quoted(path) + " is empty");
    if (size > INT32_MAX) throw std::runtime_error(Quoted(path) + " is larger than 2 GB");
    std::vector<unsigned char> bytes(static_cast<size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        throw std::runtime_error("cannot read " + Quoted(path) + ": " +
                                 (std::ferror(file.get()) ? std::strerror(errno) : "it became shorter"));
    }
    return bytes;
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

Image ReadImage(const std::string& path)
{
    const std::vector<unsigned char> bytes = ReadFileBytes(path);
    return DecodeImage(bytes.data(), bytes.size(), path);
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
