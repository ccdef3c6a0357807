// ShufflePixels: a uniformly random order of a frame's pixels, drawn from rand.
#include <cstdlib>

#include "orderings.h"
#include "shuffle_with.h"

static_assert(((uint64_t{RAND_MAX} + 1) & uint64_t{RAND_MAX}) == 0, "rand must give whole bits");

void ShufflePixels(Pixel* pixels, size_t count)
{
    auto rand = [] { return std::rand(); };
    ShuffleWith(pixels, count, rand, RAND_MAX);
}
