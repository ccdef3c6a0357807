// Pass records: making one pass from the caller's options, and releasing a
// chain of them. Mode and comparator are turned into function references here,
// once per pass, so the per-line and per-pixel work only calls through them.
#include <new>

#include "line_sort_internal.h"

namespace {

struct KeyChoice {
    KeyFunction key;
    CompareFunction compare;
};

// Any mode value outside the named ones sorts whole lines.
LineFunction LineFunctionFor(SortMode mode) {
    switch (mode) {
    case SortMode::Highlights:
        return SortHighlightRuns;
    case SortMode::Shadows:
        return SortShadowRuns;
    default:
        return SortWholeLine;
    }
}

// The swap is deliberate: the user's "Min" orders by the largest colour byte and
// "Max" by the smallest. Any value outside the named ones orders by XOR.
KeyChoice KeyChoiceFor(SortComparator comparator) {
    switch (comparator) {
    case SortComparator::Average:
        return {KeyAverage, CompareAverage};
    case SortComparator::Multiply:
        return {KeyProduct, CompareProduct};
    case SortComparator::Min:
        return {KeyMaxChannel, CompareMaxChannel};
    case SortComparator::Max:
        return {KeyMinChannel, CompareMinChannel};
    default:
        return {KeyXor, CompareXor};
    }
}

}  // namespace

LineSorter* MakeLineSorter(const SortImage& image, const SortOptions& options,
                           SortDirection passDirection) {
    const bool rowPass = passDirection == SortDirection::Row;
    const int32_t width = static_cast<int32_t>(image.width);
    const int32_t height = static_cast<int32_t>(image.height);
    const KeyChoice keys = KeyChoiceFor(options.comparator);
    return new (std::nothrow) LineSorter{
        rowPass ? height : width,
        rowPass ? width : height,
        rowPass ? SortDirection::Row : SortDirection::Column,
        LineFunctionFor(options.mode),
        keys.key,
        keys.compare,
        &options,
        nullptr,
    };
}

void FreeLineSorters(LineSorter* first) {
    while (first != nullptr) {
        LineSorter* next = first->next;
        delete first;
        first = next;
    }
}
