// Image files: reading them whole for the decoder, and writing them into place
// in the format their ending names through stb_image_write, which is compiled here.
#include "image_io.h"

#include <algorithm>
#include <cctype>
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
struct FileSink {
    std::FILE* file;
    bool failed = false;
};

void WriteToSink(void* context, void* data, int size)
{
    FileSink& sink = *static_cast<FileSink*>(context);
    if (!sink.failed && std::fwrite(data, 1, static_cast<size_t>(size), sink.file) != static_cast<size_t>(size)) {
        sink.failed = true;
    }
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

// stb_image_write's JPEG, BMP and TGA writers address pixel bytes, and size the
// BMP file, in int; JPEG and TGA headers hold each side in 16 bits.
bool FitsIntSizedWriter(int width, int height)
{
    constexpr int64_t MaxSide = 65535;
    constexpr int64_t LargestBmpHeaderBytes = 14 + 108;
    return width <= MaxSide && height <= MaxSide &&
           int64_t{width} * height * RgbaChannels + LargestBmpHeaderBytes <= INT32_MAX;
}

// Enough to keep sorted detail crisp at a fraction of the PNG's size.
constexpr int JpegQuality = 90;

// A file format stb_image_write encodes, and the endings that name it.
struct OutputFormat {
    const char* name;
    std::vector<std::string> endings;  // lower case
    bool (*fits)(int width, int height);
    int (*encode)(stbi_write_func* write, void* context, const Image& image);
};

const OutputFormat OutputFormats[] = {
    {"PNG",
     {".png"},
     FitsPngWriter,
     [](stbi_write_func* write, void* context, const Image& image) {
         return stbi_write_png_to_func(write, context, image.width, image.height, RgbaChannels, image.rgba.data(),
                                       image.width * RgbaChannels);
     }},
    {"JPEG",
     {".jpg", ".jpeg"},
     FitsIntSizedWriter,
     [](stbi_write_func* write, void* context, const Image& image) {
         return stbi_write_jpg_to_func(write, context, image.width, image.height, RgbaChannels, image.rgba.data(),
                                       JpegQuality);
     }},
    {"BMP",
     {".bmp"},
     FitsIntSizedWriter,
     [](stbi_write_func* write, void* context, const Image& image) {
         return stbi_write_bmp_to_func(write, context, image.width, image.height, RgbaChannels, image.rgba.data());
     }},
    {"TGA",
     {".tga"},
     FitsIntSizedWriter,
     [](stbi_write_func* write, void* context, const Image& image) {
         return stbi_write_tga_to_func(write, context, image.width, image.height, RgbaChannels, image.rgba.data());
     }},
};

// ".png, .jpg, .jpeg, .bmp or .tga", for the refusal of any other ending.
std::string ListOfEndings()
{
    std::string list;
    for (const OutputFormat& format : OutputFormats) {
        for (const std::string& ending : format.endings) list += (list.empty() ? "" : ", ") + ending;
    }
    return list.replace(list.rfind(", "), 2, " or ");
}

std::string LowerCaseEnding(const std::string& path)
{
    std::string ending = std::filesystem::path(path).extension().string();
    for (char& letter : ending) letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    return ending;
}

const OutputFormat& FormatNamedBy(const std::string& path)
{
    const std::string ending = LowerCaseEnding(path);
    for (const OutputFormat& format : OutputFormats) {
        if (std::find(format.endings.begin(), format.endings.end(), ending) != format.endings.end()) return format;
    }
    throw std::runtime_error("cannot write " + Quoted(path) + ": the format follows the name's ending, which must be " +
                             ListOfEndings());
}

const OutputFormat& FormatFitting(const std::string& path, int width, int height)
{
    const OutputFormat& format = FormatNamedBy(path);
    if (!format.fits(width, height)) {
        throw std::runtime_error("cannot write " + Quoted(path) + ": " + std::to_string(width) + " x " +
                                 std::to_string(height) + " pixels is more than the " + format.name +
                                 " writer can encode");
    }
    return format;
}

// Writes the whole image to path, or returns the reason it could not.
std::string WriteImageFile(const std::string& path, const OutputFormat& format, const Image& image)
{
    errno = 0;
    File file(std::fopen(path.c_str(), "wb"));
    if (!file) return std::strerror(errno);
    FileSink sink{file.get()};
    const bool encoded = format.encode(WriteToSink, &sink, image) != 0;
    const bool closed = std::fclose(file.release()) == 0;
    if (!encoded) return "the image could not be encoded";
    if (sink.failed || !closed) return errno ? std::strerror(errno) : "write failed";
    return "";
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

void RequireWritableEnding(const std::string& path)
{
    FormatNamedBy(path);
}

void RequireWritableSize(const std::string& path, int width, int height)
{
    FormatFitting(path, width, height);
}

void WriteImage(const std::string& path, const Image& image)
{
    const OutputFormat& format = FormatFitting(path, image.width, image.height);
    const std::string temporary = TemporaryNameFor(path);
    const std::string reason = WriteImageFile(temporary, format, image);
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
