// Pass records: making one pass from the caller's options, with the scratch its
// lines share, and releasing a chain of them. Mode and comparator
// are turned into function references here, once per pass, so the per-line work
// only calls through them.
#include <algorithm>
#include <new>

#include "line_sort_internal.h"

namespace {

struct KeyChoice {
    KeyFunction key;
    CompareFunction compare;
    StretchKeyFunction stretchKeys;
    int32_t limit;
};

// Any mode value outside the named ones sorts whole lines.
LineFunction LineFunctionFor(SortMode mode)
{
    switch (mode) {
    case SortMode::Highlights: return SortHighlightRuns;
    case SortMode::Shadows: return SortShadowRuns;
    default: return SortWholeLine;
    }
}

// The swap is deliberate: the user's "Min" orders by the largest colour byte and
// "Max" by the smallest. Any value outside the named ones orders by XOR.
KeyChoice KeyChoiceFor(SortComparator comparator)
{
    switch (comparator) {
    case SortComparator::Average: return {KeyAverage, CompareAverage, StretchKeysAverage, kByteKeyLimit};
    case SortComparator::Multiply: return {KeyProduct, CompareProduct, StretchKeysProduct, kProductKeyLimit};
    case SortComparator::Min: return {KeyMaxChannel, CompareMaxChannel, StretchKeysMaxChannel, kByteKeyLimit};
    case SortComparator::Max: return {KeyMinChannel, CompareMinChannel, StretchKeysMinChannel, kByteKeyLimit};
    default: return {KeyXor, CompareXor, StretchKeysXor, kByteKeyLimit};
    }
}

// Keys and pixels share one block (a signed and an unsigned word may alias);
// the pairs and the column block buffer have their own.
bool TakeScratch(LineScratch& scratch, int32_t lineLength, int32_t blockLines, bool rowPass)
{
    const size_t length = static_cast<size_t>(lineLength);
    uint32_t* words = new (std::nothrow) uint32_t[2 * length];
    uint64_t* pairs = new (std::nothrow) uint64_t[2 * length];
    unsigned char* block =
        rowPass ? nullptr : new (std::nothrow) unsigned char[static_cast<size_t>(blockLines) * length * kPixelBytes];
    scratch = LineScratch{reinterpret_cast<int32_t*>(words), words == nullptr ? nullptr : words + length, pairs, block};
    return words != nullptr && pairs != nullptr && (rowPass || block != nullptr);
}

void ReleaseScratch(const LineScratch& scratch)
{
    delete[] reinterpret_cast<uint32_t*>(scratch.keys);
    delete[] scratch.pairs;
    delete[] scratch.block;
}

}  // namespace

int32_t ColumnBlockLines(uint32_t height)
{
    const size_t fitting = kColumnBlockBytes / (size_t{height} * kPixelBytes);
    const size_t steps = std::max<size_t>(1, fitting / kColumnBlockStep);
    return static_cast<int32_t>(std::min<size_t>(steps * kColumnBlockStep, kColumnBlockMost));
}

LineSorter* MakeLineSorter(const SortImage& image, const SortOptions& options, SortDirection passDirection)
{
    const bool rowPass = passDirection == SortDirection::Row;
    const int32_t width = static_cast<int32_t>(image.width);
    const int32_t height = static_cast<int32_t>(image.height);
    const int32_t lineCount = rowPass ? height : width;
    const KeyChoice keys = KeyChoiceFor(options.comparator);
    LineSorter* pass = new (std::nothrow) LineSorter{
        lineCount,
        rowPass ? width : height,
        rowPass ? 1 : std::min(lineCount, ColumnBlockLines(image.height)),
        rowPass ? SortDirection::Row : SortDirection::Column,
        LineFunctionFor(options.mode),
        keys.key,
        keys.compare,
        keys.stretchKeys,
        keys.limit,
        &options,
        LineScratch{},
        nullptr,
    };
    if (pass != nullptr && !TakeScratch(pass->scratch, pass->lineLength, pass->blockLines, rowPass)) {
        ReleaseScratch(pass->scratch);
        delete pass;
        return nullptr;
    }
    return pass;
}

void KeysOfPixels(const SortOptions& options, const unsigned char* pixels, int32_t count, int32_t* keys)
{
    KeyChoiceFor(options.comparator).stretchKeys(pixels, count, keys);
}

void FreeLineSorters(LineSorter* first)
{
    while (first != nullptr) {
        LineSorter* next = first->next;
        ReleaseScratch(first->scratch);
        delete first;
        first = next;
    }
}
