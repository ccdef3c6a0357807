// Line functions: sort one line of a line buffer in place, either whole or run
// by run, where a run is a maximal stretch of pixels beyond the threshold.
// Pixels outside every run keep their places. Each pixel's key is computed once
// per line into the pass's scratch; runs are found on those keys before any of
// them is sorted, and sorting a run leaves the keys after it as they were.
#include "line_sort_internal.h"

namespace {

// A key table is looked up by each pixel's index (line_sort.h).
int32_t* LineKeys(const unsigned char* line, const LineSorter& pass)
{
    int32_t* keys = pass.scratch.keys;
    const int32_t* table = pass.options->keyTable;
    if (table == nullptr) {
        pass.stretchKeyFunction(line, pass.lineLength, keys);
        return keys;
    }
    for (int32_t i = 0; i < pass.lineLength; ++i) keys[i] = table[LoadPixel(PixelAt(line, static_cast<size_t>(i)))];
    return keys;
}

void SortRuns(unsigned char* line, const LineSorter& pass, RunScanner findStart, RunScanner runLength)
{
    const int32_t length = pass.lineLength;
    const int32_t threshold = pass.options->threshold;
    int32_t* keys = LineKeys(line, pass);
    int32_t position = 0;
    while (position < length) {
        const int32_t start = position + findStart(keys + position, length - position, threshold);
        const int32_t runPixels = runLength(keys + start, length - start, threshold);
        SortPixels(PixelAt(line, static_cast<size_t>(start)), keys + start, runPixels, pass);
        position = start + runPixels;
    }
}

}  // namespace

void SortHighlightRuns(unsigned char* line, const LineSorter& pass)
{
    SortRuns(line, pass, FindHighlightStart, HighlightRunLength);
}

void SortShadowRuns(unsigned char* line, const LineSorter& pass)
{
    SortRuns(line, pass, FindShadowStart, ShadowRunLength);
}

void SortWholeLine(unsigned char* line, const LineSorter& pass)
{
    SortPixels(line, LineKeys(line, pass), pass.lineLength, pass);
}
