// SortPixels: a stable sort of a stretch of pixels by their stored keys. Short
// stretches take an insertion sort; longer ones a counting sort when their keys
// span at most kCountingRange values (always so for the 8-bit keys), else an
// LSD radix sort of (key, pixel) pairs, a key byte per pass. All of them keep
// pixels with equal keys in their order, so the result is fully determined.
#include <algorithm>
#include <utility>

#include "line_sort_internal.h"

namespace {

constexpr int32_t kInsertionMax = 24;
constexpr uint32_t kCountingRange = 256;
constexpr int kDigitBits = 8;
constexpr uint32_t kDigitValues = 1u << kDigitBits;
constexpr int kMaxDigits = 32 / kDigitBits;

struct KeySpan {
    int32_t least;
    uint32_t spread;  // greatest key minus least key
};

KeySpan SpanOf(const int32_t* keys, int32_t count)
{
    int32_t least = keys[0];
    int32_t greatest = keys[0];
    for (int32_t i = 1; i < count; ++i) {
        least = std::min(least, keys[i]);
        greatest = std::max(greatest, keys[i]);
    }
    return {least, static_cast<uint32_t>(greatest) - static_cast<uint32_t>(least)};
}

void InsertionSort(unsigned char* first, int32_t* keys, int32_t count)
{
    for (int32_t i = 1; i < count; ++i) {
        const int32_t key = keys[i];
        const uint32_t pixel = LoadPixel(PixelAt(first, static_cast<size_t>(i)));
        int32_t j = i;
        for (; j > 0 && keys[j - 1] > key; --j) {
            keys[j] = keys[j - 1];
            StorePixel(PixelAt(first, static_cast<size_t>(j)), LoadPixel(PixelAt(first, static_cast<size_t>(j - 1))));
        }
        keys[j] = key;
        StorePixel(PixelAt(first, static_cast<size_t>(j)), pixel);
    }
}

// Items are dealt to buckets by `ways` interleaved walks over equal stretches of
// the items, each walk with its own bucket positions. A single walk stalls when
// neighbouring pixels share a bucket, as they often do in footage: each step
// waits for the position update of the step before. Walk w's items of a bucket
// go after those of the walks before it, so the deal stays stable.
template <int ways>
struct Walks {
    explicit Walks(int32_t count) : shortest(count / ways)
    {
        for (int w = 0; w <= ways; ++w) {
            bounds[w] = static_cast<int32_t>(int64_t{count} * w / ways);
        }
    }
    int32_t bounds[ways + 1];  // walk w covers bounds[w] to bounds[w + 1] - 1
    int32_t shortest;          // items in the shortest walk

    // Calls visit(w, i) for every item i of every walk w, each walk in order,
    // the walks taking turns.
    template <typename Visit>
    void Interleave(Visit visit) const
    {
        for (int32_t k = 0; k < shortest; ++k) {
            for (int w = 0; w < ways; ++w) {
                visit(w, bounds[w] + k);
            }
        }
        for (int w = 0; w < ways; ++w) {
            if (bounds[w] + shortest < bounds[w + 1]) {
                visit(w, bounds[w] + shortest);
            }
        }
    }
};

// Turns counts into starts: starts[w * buckets + b] holds how many items of walk
// w fall in bucket b, and becomes the position of the first of them. Returns
// false when one bucket holds all `total` items, so that dealing them out would
// change nothing.
template <int ways>
bool CountsToStarts(uint32_t* starts, uint32_t buckets, uint32_t total)
{
    uint32_t next = 0;
    for (uint32_t b = 0; b < buckets; ++b) {
        const uint32_t bucketStart = next;
        for (int w = 0; w < ways; ++w) {
            const uint32_t items = starts[w * buckets + b];
            starts[w * buckets + b] = next;
            next += items;
        }
        if (next - bucketStart == total) {
            return false;
        }
    }
    return true;
}

// One bucket per key value in the span, four walks; the pixels are dealt into
// `sorted`, then copied back.
void CountingSort(unsigned char* first, const int32_t* keys, int32_t count, KeySpan span, uint32_t* sorted)
{
    constexpr int kWays = 4;
    const Walks<kWays> walks(count);
    const uint32_t buckets = span.spread + 1;
    const auto bucketOf = [keys, span](int32_t i) { return static_cast<uint32_t>(keys[i] - span.least); };
    uint32_t starts[kWays * kCountingRange];
    std::fill_n(starts, kWays * buckets, 0u);
    walks.Interleave([&](int w, int32_t i) { ++starts[w * buckets + bucketOf(i)]; });
    if (!CountsToStarts<kWays>(starts, buckets, static_cast<uint32_t>(count))) {
        return;
    }
    walks.Interleave([&](int w, int32_t i) {
        sorted[starts[w * buckets + bucketOf(i)]++] = LoadPixel(PixelAt(first, static_cast<size_t>(i)));
    });
    std::memcpy(first, sorted, static_cast<size_t>(count) * kPixelBytes);
}

uint32_t DigitOf(uint32_t key, int digit)
{
    return (key >> (digit * kDigitBits)) & (kDigitValues - 1);
}

// A key byte of a (key, pixel) pair, taken with one shift of the whole pair
// (DigitOf on the key half would take two, a few percent of a product sort):
// PairDigitShift gives the shift for digit d, PairDigit the digit.
int PairDigitShift(int digit)
{
    return 32 + digit * kDigitBits;
}
uint32_t PairDigit(uint64_t pair, int shift)
{
    return static_cast<uint32_t>(pair >> shift) & (kDigitValues - 1);
}

// Counts the lowest `digits` key bytes of every key into counts[digit]. The
// digit count is fixed at compile time so that the loop over them unrolls.
template <int digits>
void CountDigits(const int32_t* keys, int32_t count, int32_t least, uint32_t (&counts)[kMaxDigits][kDigitValues])
{
    std::fill_n(&counts[0][0], digits * kDigitValues, 0u);
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t key = static_cast<uint32_t>(keys[i] - least);
        for (int digit = 0; digit < digits; ++digit) {
            ++counts[digit][DigitOf(key, digit)];
        }
    }
}

// The key bytes that the radix sort must deal by, lowest first, with each one's
// bucket starts in starts[digit]: the bytes within the span that not every key
// shares. Returns how many there are.
int DigitPasses(const int32_t* keys, int32_t count, KeySpan span, uint32_t (&starts)[kMaxDigits][kDigitValues],
                int (&passes)[kMaxDigits])
{
    int digits = 1;
    while (digits < kMaxDigits && (span.spread >> (digits * kDigitBits)) != 0) {
        ++digits;
    }
    switch (digits) {  // only spans of kCountingRange or more come here: two bytes at least
    case 2: CountDigits<2>(keys, count, span.least, starts); break;
    case 3: CountDigits<3>(keys, count, span.least, starts); break;
    default: CountDigits<kMaxDigits>(keys, count, span.least, starts); break;
    }
    int passCount = 0;
    for (int digit = 0; digit < digits; ++digit) {
        if (CountsToStarts<1>(starts[digit], kDigitValues, static_cast<uint32_t>(count))) {
            passes[passCount++] = digit;
        }
    }
    return passCount;
}

// Deals count items into bucket order by two walks, one from each end of the
// items: the front walk fills each bucket from its start upwards, the back walk
// from its end downwards, so that both keep their items' order and meet
// exactly. Long stretches of one bucket (pixels with a zero colour byte all
// have key 0) then feed two position updates at a time instead of one.
// starts[b] is where bucket b begins; move(i, position) puts item i there.
template <typename BucketOf, typename Move>
void DealFromBothEnds(int32_t count, const uint32_t (&starts)[kDigitValues], BucketOf bucketOf, Move move)
{
    uint32_t fronts[kDigitValues];
    uint32_t backs[kDigitValues];
    for (uint32_t b = 0; b < kDigitValues; ++b) {
        fronts[b] = starts[b];
        backs[b] = b + 1 < kDigitValues ? starts[b + 1] : static_cast<uint32_t>(count);
    }
    const int32_t half = count / 2;
    for (int32_t k = 0; k < half; ++k) {
        const int32_t back = count - 1 - k;
        move(k, fronts[bucketOf(k)]++);
        move(back, --backs[bucketOf(back)]);
    }
    if (count % 2 != 0) {
        move(half, fronts[bucketOf(half)]);
    }
}

// Pairs hold the key less the least key in their high half and the pixel in the
// low half. They are made in one sequential sweep, so that every pass deals the
// same simple way: pairs to pairs, and the last pass the pixels straight back
// into the stretch.
void SortByWideKeys(unsigned char* first, const int32_t* keys, int32_t count, KeySpan span, uint64_t* pairs)
{
    uint32_t starts[kMaxDigits][kDigitValues];
    int passes[kMaxDigits];
    const int passCount = DigitPasses(keys, count, span, starts, passes);
    if (passCount == 0) {
        return;  // every key byte is shared: the keys are all equal
    }
    uint64_t* from = pairs;
    uint64_t* to = pairs + count;
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t key = static_cast<uint32_t>(keys[i] - span.least);
        from[i] = uint64_t{key} << 32 | LoadPixel(PixelAt(first, static_cast<size_t>(i)));
    }
    for (int p = 0; p + 1 < passCount; ++p) {
        const int shift = PairDigitShift(passes[p]);
        DealFromBothEnds(
            count, starts[passes[p]], [from, shift](int32_t i) { return PairDigit(from[i], shift); },
            [from, to](int32_t i, uint32_t position) { to[position] = from[i]; });
        std::swap(from, to);
    }
    const int shift = PairDigitShift(passes[passCount - 1]);
    DealFromBothEnds(
        count, starts[passes[passCount - 1]], [from, shift](int32_t i) { return PairDigit(from[i], shift); },
        [from, first](int32_t i, uint32_t position) {
            StorePixel(PixelAt(first, position), static_cast<uint32_t>(from[i]));
        });
}

}  // namespace

void SortPixels(unsigned char* first, int32_t* keys, int32_t count, const LineSorter& pass)
{
    if (count < 2) {
        return;
    }
    if (count <= kInsertionMax) {
        InsertionSort(first, keys, count);
        return;
    }
    // A long stretch spans most of its keys' range anyway, and finding the exact
    // span would cost a sixth of a byte key's sort and a tenth of a product's.
    // The radix sort still skips every key byte that all the keys share.
    const bool longStretch = count >= static_cast<int32_t>(kCountingRange);
    const KeySpan span = longStretch ? KeySpan{0, static_cast<uint32_t>(pass.keyLimit)} : SpanOf(keys, count);
    if (span.spread == 0) {
        return;  // all keys equal: a stable sort leaves the stretch as it is
    }
    if (span.spread < kCountingRange) {
        CountingSort(first, keys, count, span, pass.scratch.pixels);
    } else {
        SortByWideKeys(first, keys, count, span, pass.scratch.pairs);
    }
}
