// SortLines and SortLinesFrom: build the chain of passes that the direction asks
// for, then run each pass over its lines, a block at a time. SortLinesFrom's
// first pass reads its lines from the caller's source instead of the image.
#include <algorithm>
#include <new>

#include "line_sort_internal.h"

// A pass whose record or scratch cannot be allocated is left out of the chain,
// and the frame stays as the previous pass left it.
LineSorter* MakePassChain(const SortImage& image, const SortOptions& options)
{
    switch (options.direction) {
    case SortDirection::Row: return MakeLineSorter(image, options, SortDirection::Row);
    case SortDirection::Column: return MakeLineSorter(image, options, SortDirection::Column);
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

bool RunPassLines(const SortSource& from, const SortImage& image, const LineSorter& pass, int32_t firstLine,
                  int32_t endLine, const SortWorkers* workers)
{
    while (firstLine < endLine) {
        if (workers != nullptr && StopAsked(*workers)) return false;
        const int32_t lineCount = std::min(pass.blockLines, endLine - firstLine);
        unsigned char* lines = ExtractLines(from, image, pass, firstLine, lineCount);
        ForEachLine(lines, lineCount, pass, FetchWhileSorting(from, image, pass, firstLine, lineCount));
        RestoreLines(image, pass, firstLine, lineCount, lines);
        firstLine += lineCount;
    }
    return true;
}

void SortLines(const SortImage& image, const SortOptions& options)
{
    if (image.width == 0 || image.height == 0) {
        return;
    }
    LineSorter* chain = MakePassChain(image, options);
    RunChainFrom(InPlace(image), image, chain, options, nullptr);
    FreeLineSorters(chain);
}

void SortLinesFrom(const SortSource& source, const SortImage& image, const SortOptions& options)
{
    if (image.width == 0 || image.height == 0) {
        return;
    }
    LineSorter* chain = MakePassChain(image, options);
    RunChainFrom(source, image, chain, options, nullptr);
    FreeLineSorters(chain);
}

bool RunChainFrom(const SortSource& source, const SortImage& image, const LineSorter* chain, const SortOptions& options,
                  const SortWorkers* workers)
{
    if (chain == nullptr || chain->direction != FirstPassDirection(options)) {
        // The first pass is left out: the plain copy stands in for it.
        if (source.pixels != image.pixels) CopySourceRows(source, image, 0, image.height);
    } else {
        if (!RunPassLines(source, image, *chain, 0, chain->lineCount, workers)) return false;
        chain = chain->next;
    }
    for (; chain != nullptr; chain = chain->next) {
        if (!RunPassLines(InPlace(image), image, *chain, 0, chain->lineCount, workers)) return false;
    }
    return true;
}

struct RowSorter {
    SortOptions options;  // the pass points at these
    LineSorter* pass;
};

RowSorter* MakeRowSorter(uint32_t width, const SortOptions& options)
{
    if (width > static_cast<uint32_t>(INT32_MAX)) {
        return nullptr;
    }
    RowSorter* sorter = new (std::nothrow) RowSorter{options, nullptr};
    if (sorter != nullptr) {
        sorter->pass = MakeLineSorter(SortImage{nullptr, width, 1, 4}, sorter->options, SortDirection::Row);
    }
    if (sorter != nullptr && sorter->pass == nullptr) {
        delete sorter;
        return nullptr;
    }
    return sorter;
}

void SortRow(RowSorter* sorter, unsigned char* row)
{
    sorter->pass->lineFunction(row, *sorter->pass);
}

void FreeRowSorter(RowSorter* sorter)
{
    if (sorter != nullptr) {
        FreeLineSorters(sorter->pass);
        delete sorter;
    }
}
