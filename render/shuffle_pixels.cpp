// ShufflePixels: a uniformly random order of a frame's pixels, drawn from rand.
#include <cstdlib>
#include <utility>

#include "orderings.h"

namespace {

constexpr uint64_t kRandValues = uint64_t{RAND_MAX} + 1;
static_assert((kRandValues & (kRandValues - 1)) == 0, "rand must give whole bits");

constexpr int BitsPerRand()
{
    int bits = 0;
    while ((uint64_t{1} << bits) < kRandValues) ++bits;
    return bits;
}
constexpr int kRandBits = BitsPerRand();

// A uniform draw from 0 .. bound - 1 (bound >= 1). Values of rand are joined, most
// significant first, until their span 0 .. spanMax covers the bound; a value in the
// incomplete top block of that span would favour small results and is drawn again.
uint64_t DrawBelow(uint64_t bound)
{
    for (;;) {
        uint64_t value = 0;
        uint64_t spanMax = 0;
        while (spanMax < bound - 1) {
            value = (value << kRandBits) | static_cast<uint64_t>(std::rand());
            // Past 64 bits only the low 64 are kept, which are still uniform.
            spanMax = spanMax > (UINT64_MAX >> kRandBits) ? UINT64_MAX : (spanMax << kRandBits) | RAND_MAX;
        }
        const uint64_t topBlock = (spanMax % bound + 1) % bound;
        if (value <= spanMax - topBlock) return value % bound;
    }
}

}  // namespace

void ShufflePixels(PF_Pixel* pixels, size_t count)
{
    for (size_t k = 1; k < count; ++k) {
        std::swap(pixels[k], pixels[DrawBelow(uint64_t{k} + 1)]);
    }
}
