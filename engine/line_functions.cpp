// Line functions: sort one line of a line buffer in place, either whole or run
// by run, where a run is a maximal stretch of pixels beyond the threshold.
// Pixels outside every run keep their places.
#include <cstdlib>

#include "line_sort_internal.h"

namespace {

void SortRuns(unsigned char* line, const LineSorter& pass, RunScanner findStart, RunScanner runLength) {
    const int32_t length = pass.lineLength;
    const int32_t threshold = pass.options->threshold;
    int32_t position = 0;
    while (position < length) {
        const int32_t start = position + findStart(PixelAt(line, static_cast<size_t>(position)),
                                                   pass.keyFunction, length - position, threshold);
        unsigned char* run = PixelAt(line, static_cast<size_t>(start));
        const int32_t runPixels = runLength(run, pass.keyFunction, length - start, threshold);
        SortPixels(run, runPixels, pass.compareFunction);
        position = start + runPixels;
    }
}

}  // namespace

void SortPixels(unsigned char* first, int32_t count, CompareFunction compare) {
    if (count < 2) {
        return;
    }
    std::qsort(first, static_cast<size_t>(count), kPixelBytes, compare);
}

void SortHighlightRuns(unsigned char* line, const LineSorter& pass) {
    SortRuns(line, pass, FindHighlightStart, HighlightRunLength);
}

void SortShadowRuns(unsigned char* line, const LineSorter& pass) {
    SortRuns(line, pass, FindShadowStart, ShadowRunLength);
}

void SortWholeLine(unsigned char* line, const LineSorter& pass) {
    SortPixels(line, pass.lineLength, pass.compareFunction);
}
