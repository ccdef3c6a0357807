// ShufflePixels: a uniformly random order of a frame's pixels. The Windows C
// runtime's rand is shared with the host there, so its sequence is drawn from rand
// itself; every other runtime draws the same sequence from RandSequence, one state
// per thread, unseeded, going on from render to render as rand's does.
#include <cstdlib>

#include "orderings.h"
#include "rand_sequence.h"
#include "shuffle_with.h"

#if defined(_WIN32)
static_assert(RAND_MAX == RandSequence::kMax, "the Windows C runtime's rand gives 15 bits");

namespace {
struct RuntimeRand {
    int operator()() const { return std::rand(); }
};
}  // namespace

void ShufflePixels(Pixel* pixels, size_t count)
{
    RuntimeRand rand;
    ShuffleWith(pixels, count, rand, RAND_MAX);
}
#else
void ShufflePixels(Pixel* pixels, size_t count)
{
    thread_local RandSequence threadSequence;
    // A local copy keeps the state in a register through the shuffle.
    RandSequence sequence = threadSequence;
    ShuffleWith(pixels, count, sequence, RandSequence::kMax);
    threadSequence = sequence;
}
#endif
