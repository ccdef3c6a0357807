// Image files through stb_image and stb_image_write, which are compiled here.
#include "image_io.h"

#include <cerrno>
#include <cstdio>
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

Image DecodeImage(std::FILE* file, const std::string& path)
{
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_file(file, &width, &height, &channels, RgbaChannels);
    if (!pixels) {
        throw std::runtime_error("'" + path + "' is not a PNG, JPEG, BMP or TGA image (" + stbi_failure_reason() + ")");
    }
    Image image{width, height, {}};
    image.rgba.assign(pixels, pixels + static_cast<size_t>(width) * height * RgbaChannels);
    stbi_image_free(pixels);
    return image;
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
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw std::runtime_error("cannot open '" + path + "': " + std::strerror(errno));
    return DecodeImage(file.get(), path);
}

void WritePng(const std::string& path, const Image& image)
{
    const std::string temporary = TemporaryNameFor(path);
    errno = 0;
    if (!stbi_write_png(temporary.c_str(), image.width, image.height, RgbaChannels, image.rgba.data(),
                        image.width * RgbaChannels)) {
        const std::string reason = errno ? std::strerror(errno) : "write failed";
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot write '" + path + "': " + reason);
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot write '" + path + "': " + error.message());
    }
}
