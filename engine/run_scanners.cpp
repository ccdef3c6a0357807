// Run scanners: walk the stored keys of a stretch and report where a run of
// pixels beyond the threshold begins or ends.
#include "line_sort_internal.h"

namespace {

// Keys are tested a block at a time by counting the stops in it, a branch-free
// loop that compilers vectorise (a block this long is not unrolled first); only
// the block holding the stop is searched key by key. Runs in footage are long,
// so most blocks are passed over whole.
constexpr int32_t kScanBlock = 32;

template <typename StopTest>
int32_t IndexOfFirst(const int32_t* keys, int32_t n, StopTest stops)
{
    int32_t block = 0;
    for (; block + kScanBlock <= n; block += kScanBlock) {
        int32_t stopping = 0;
        for (int32_t i = 0; i < kScanBlock; ++i) {
            stopping += stops(keys[block + i]) ? 1 : 0;
        }
        if (stopping != 0) {
            break;
        }
    }
    for (int32_t i = block; i < n; ++i) {
        if (stops(keys[i])) {
            return i;
        }
    }
    return n;
}

}  // namespace

int32_t FindHighlightStart(const int32_t* keys, int32_t n, int32_t threshold)
{
    return IndexOfFirst(keys, n, [threshold](int32_t k) { return k > threshold; });
}

int32_t HighlightRunLength(const int32_t* keys, int32_t n, int32_t threshold)
{
    return IndexOfFirst(keys, n, [threshold](int32_t k) { return k <= threshold; });
}

int32_t FindShadowStart(const int32_t* keys, int32_t n, int32_t threshold)
{
    return IndexOfFirst(keys, n, [threshold](int32_t k) { return k < threshold; });
}

int32_t ShadowRunLength(const int32_t* keys, int32_t n, int32_t threshold)
{
    return IndexOfFirst(keys, n, [threshold](int32_t k) { return k >= threshold; });
}
