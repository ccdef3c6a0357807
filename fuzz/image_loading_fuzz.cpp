// Fuzz target: talvenor's image decoding on any bytes.
//
// Each input either loads, as an image no larger than the limit whose size is
// the one its header gives and whose buffer holds exactly its RGBA pixels, or is
// refused with one non-empty line of printable characters. The limit is kept
// small here so that a header claiming a large frame stays within the fuzzer's
// memory budget; the code path is the one talvenor runs with its own limit.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include <stb_image.h>

#include "fuzz_check.h"
#include "images/image_decode.h"

namespace {

constexpr int FuzzLargestSide = 1024;

void CheckLoaded(const Image& image, const uint8_t* data, size_t size)
{
    FUZZ_CHECK(image.width > 0 && image.width <= FuzzLargestSide);
    FUZZ_CHECK(image.height > 0 && image.height <= FuzzLargestSide);
    FUZZ_CHECK(image.rgba.size() == size_t(image.width) * size_t(image.height) * 4);
    int width = 0, height = 0, channels = 0;
    FUZZ_CHECK(stbi_info_from_memory(data, static_cast<int>(size), &width, &height, &channels));
    FUZZ_CHECK(width == image.width && height == image.height);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        CheckLoaded(DecodeImage(data, size, "fuzz input", FuzzLargestSide), data, size);
    } catch (const std::runtime_error& refusal) {
        const std::string reason = refusal.what();
        FUZZ_CHECK(!reason.empty());
        FUZZ_CHECK(std::all_of(reason.begin(), reason.end(), [](char c) { return c >= ' ' && c <= '~'; }));
    }
    return 0;
}
