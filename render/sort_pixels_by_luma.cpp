// SortPixelsByLuma: orders a frame's pixels by luma key, darkest first.
#include <algorithm>
#include <numeric>
#include <vector>

#include "orderings.h"

void SortPixelsByLuma(PF_Pixel* pixels, size_t count)
{
    // Keys are computed once and only indices move during the sort; the pixels are
    // copied once the order is known.
    std::vector<int32_t> keys(count);
    std::transform(pixels, pixels + count, keys.begin(), LumaKey);

    std::vector<uint64_t> order(count);
    std::iota(order.begin(), order.end(), uint64_t{0});
    std::sort(order.begin(), order.end(), [&keys](uint64_t a, uint64_t b) { return keys[a] < keys[b]; });

    std::vector<PF_Pixel> sorted(count);
    std::transform(order.begin(), order.end(), sorted.begin(), [pixels](uint64_t index) { return pixels[index]; });
    std::copy(sorted.begin(), sorted.end(), pixels);
}
