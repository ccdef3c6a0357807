// SortLines: builds the chain of passes that the direction asks for, then runs
// each pass over its lines, a block at a time.
#include <algorithm>

#include "line_sort_internal.h"

namespace {

// A pass whose record or scratch cannot be allocated is left out of the chain,
// and the frame stays as the previous pass left it.
LineSorter* MakePassChain(const SortImage& image, const SortOptions& options) {
    switch (options.direction) {
    case SortDirection::Row:
        return MakeLineSorter(image, options, SortDirection::Row);
    case SortDirection::Column:
        return MakeLineSorter(image, options, SortDirection::Column);
    default: {  // Both, and any value outside the named ones: rows, then columns
        LineSorter* rows = MakeLineSorter(image, options, SortDirection::Row);
        LineSorter* columns = MakeLineSorter(image, options, SortDirection::Column);
        if (rows == nullptr) {
            return columns;
        }
        rows->next = columns;
        return rows;
    }
    }
}

void RunPass(const SortImage& image, const LineSorter& pass) {
    int32_t firstLine = 0;
    while (firstLine < pass.lineCount) {
        const int32_t lineCount = std::min(pass.blockLines, pass.lineCount - firstLine);
        unsigned char* lines = ExtractLines(image, pass, firstLine, lineCount);
        ForEachLine(lines, lineCount, pass);
        RestoreLines(image, pass, firstLine, lineCount, lines);
        firstLine += lineCount;
    }
}

}  // namespace

void SortLines(const SortImage& image, const SortOptions& options) {
    if (image.width == 0 || image.height == 0) {
        return;
    }
    LineSorter* chain = MakePassChain(image, options);
    for (const LineSorter* pass = chain; pass != nullptr; pass = pass->next) {
        RunPass(image, *pass);
    }
    FreeLineSorters(chain);
}
