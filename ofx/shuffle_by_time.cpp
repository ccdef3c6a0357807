// The time's seed: its bits mixed (SplitMix64's finaliser) so that times a frame
// apart give unrelated seeds.
#include "shuffle_by_time.h"

#include <cstdint>
#include <cstring>

#include "frame_copy.h"
#include "shuffle_with.h"

RandSequence SequenceOfTime(OfxTime time)
{
    uint64_t bits = 0;
    static_assert(sizeof bits == sizeof time, "a time is 64 bits");
    std::memcpy(&bits, &time, sizeof bits);
    bits ^= bits >> 30;
    bits *= 0xBF58476D1CE4E5B9u;
    bits ^= bits >> 27;
    bits *= 0x94D049BB133111EBu;
    bits ^= bits >> 31;
    return RandSequence(static_cast<uint32_t>(bits ^ (bits >> 32)));
}

void ShuffleByTime(const PixelRows& frame, OfxTime time, Pixel* arranged, const SortWorkers& workers)
{
    CopyRows(frame, arranged, frame.order, workers);
    RandSequence sequence = SequenceOfTime(time);
    ShuffleWith(arranged, static_cast<size_t>(PixelCount(frame)), sequence, RandSequence::kMax);
}
