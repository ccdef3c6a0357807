// SortLines: builds the chain of passes that the direction asks for, then runs
// each pass through a line buffer of its own.
#include "line_sort_internal.h"

namespace {

// A pass whose record cannot be allocated is left out of the chain.
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

// Without a line buffer the pass is skipped, and the frame stays as the
// previous pass left it.
void RunPass(const SortImage& image, const LineSorter& pass) {
    unsigned char* lines = ExtractLines(image, pass);
    if (lines == nullptr) {
        return;
    }
    ForEachLine(lines, pass);
    RestoreLines(image, pass, lines);
    delete[] lines;
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
