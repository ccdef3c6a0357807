// Image decoding through stb_image, which is compiled here, behind the screening
// of the bytes and the frame size.
#include "image_decode.h"

#include <cstdint>
#include <stdexcept>

#include "image_screening.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#include <stb_image.h>

namespace {

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

// stb_image's header scan turns a PNG whose frame would pass 2^30 bytes down as
// no image at all, so such a header is read here to name its size.
FrameSize HeaderSize(const unsigned char* bytes, int size, const std::string& name)
{
    int width = 0, height = 0, channels = 0;
    if (stbi_info_from_memory(bytes, size, &width, &height, &channels)) return FrameSize{width, height};
    const std::string reason = DecoderReason();
    FrameSize frame;
    if (ReadPngHeaderSize(bytes, static_cast<size_t>(size), &frame)) return frame;
    throw std::runtime_error(Quoted(name) + " is not a PNG, JPEG, BMP or TGA image (" + reason + ")");
}

void RequireDecodableSize(const FrameSize& frame, const std::string& name, int largestSide)
{
    const std::string size = std::to_string(frame.width) + " x " + std::to_string(frame.height);
    // stb_image loads a BMP of height 0 as an image without pixels.
    if (frame.width < 1 || frame.height < 1) throw std::runtime_error(Quoted(name) + " has no pixels (" + size + ")");
    if (frame.width > largestSide || frame.height > largestSide) {
        const std::string largest = std::to_string(largestSide);
        throw std::runtime_error(Quoted(name) + " is " + size + " pixels, larger than the largest frame, " + largest +
                                 " x " + largest);
    }
}

}  // namespace

Image DecodeImage(const unsigned char* bytes, size_t size, const std::string& name, int largestSide)
{
    if (size > INT32_MAX) throw std::runtime_error(Quoted(name) + " is larger than 2 GB");
    const int length = static_cast<int>(size);
    // Before any stb_image call: reading a JPEG header already builds its tables.
    const std::string hazard = DecoderHazard(bytes, size);
    if (!hazard.empty()) throw std::runtime_error("cannot decode " + Quoted(name) + ": " + hazard);
    RequireDecodableSize(HeaderSize(bytes, length, name), name, largestSide);
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes, length, &width, &height, &channels, RgbaChannels);
    if (!pixels) throw std::runtime_error("cannot decode " + Quoted(name) + ": " + DecoderReason());
    Image image{width, height, {}};
    image.rgba.assign(pixels, pixels + static_cast<size_t>(width) * height * RgbaChannels);
    stbi_image_free(pixels);
    return image;
}
