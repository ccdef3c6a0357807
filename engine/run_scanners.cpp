// Run scanners: walk a stretch of pixels and report where a run of pixels
// beyond the threshold begins or ends. Keys are computed afresh for each pixel.
#include "line_sort_internal.h"

namespace {

template <typename StopTest>
int32_t IndexOfFirst(const unsigned char* first, KeyFunction key, int32_t n, StopTest stops) {
    for (int32_t i = 0; i < n; ++i) {
        if (stops(key(PixelAt(first, static_cast<size_t>(i))))) {
            return i;
        }
    }
    return n;
}

}  // namespace

int32_t FindHighlightStart(const unsigned char* first, KeyFunction key, int32_t n, int32_t threshold) {
    return IndexOfFirst(first, key, n, [threshold](int32_t k) { return k > threshold; });
}

int32_t HighlightRunLength(const unsigned char* first, KeyFunction key, int32_t n, int32_t threshold) {
    return IndexOfFirst(first, key, n, [threshold](int32_t k) { return k <= threshold; });
}

int32_t FindShadowStart(const unsigned char* first, KeyFunction key, int32_t n, int32_t threshold) {
    return IndexOfFirst(first, key, n, [threshold](int32_t k) { return k < threshold; });
}

int32_t ShadowRunLength(const unsigned char* first, KeyFunction key, int32_t n, int32_t threshold) {
    return IndexOfFirst(first, key, n, [threshold](int32_t k) { return k >= threshold; });
}
