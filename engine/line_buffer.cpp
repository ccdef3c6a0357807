// Line buffers: put a block of a pass's lines into line order, run the pass's
// line function over every line, and put the lines back. Rows already lie in
// line order, so a row pass sorts them in the frame itself, a row at a time (a
// row read from elsewhere is first copied into its place, where it stays in
// cache while it is sorted); columns are transposed a block of ColumnBlockLines
// columns at a time into the pass's block buffer and back, so that the block,
// its stretch of the frame and the sorting all stay in cache, and the frame is
// read and written once per pass. While a column block is sorted, the frame
// memory that the pass moves next is fetched into the caches.
#if defined(__SSE__) || defined(_M_X64)
#include <xmmintrin.h>
#endif

#include <algorithm>

#include "line_sort_internal.h"

namespace {

constexpr size_t kCacheLineBytes = 64;

void FetchRows(const FrameStretch& stretch, size_t firstRow, size_t endRow)
{
#if defined(__SSE__) || defined(_M_X64)
    if (stretch.first == nullptr) return;
    for (size_t row = firstRow; row < endRow; ++row) {
        const unsigned char* first = stretch.first + row * stretch.stride;
        for (size_t byte = 0; byte < stretch.bytes; byte += kCacheLineBytes) {
            _mm_prefetch(reinterpret_cast<const char*>(first + byte), _MM_HINT_T0);
        }
    }
#else
    (void)stretch, (void)firstRow, (void)endRow;
#endif
}

// How far from a frame's first row in memory, laid out like the image, its
// picture's top row lies, and the byte step to the row below it in the picture.
struct RowsFromTop {
    ptrdiff_t top;
    ptrdiff_t step;
};

RowsFromTop FromTop(ptrdiff_t rowBytes, const SortImage& image)
{
    if (!image.rowsBottomUp) return {0, rowBytes};
    return {static_cast<ptrdiff_t>(image.height - 1) * rowBytes, -rowBytes};
}

}  // namespace

void CopySourceRows(const SortSource& from, const SortImage& image, size_t firstRow, size_t rowCount)
{
    const size_t rowBytes = size_t{image.width} * kPixelBytes;
    for (size_t row = firstRow; row < firstRow + rowCount; ++row) {
        std::memcpy(image.pixels + row * rowBytes, from.pixels + row * from.rowBytes, rowBytes);
    }
}

unsigned char* ExtractLines(const SortSource& from, const SortImage& image, const LineSorter& pass, int32_t firstLine,
                            int32_t lineCount)
{
    if (pass.direction == SortDirection::Row) {
        if (from.pixels != image.pixels) {
            CopySourceRows(from, image, static_cast<size_t>(firstLine), static_cast<size_t>(lineCount));
        }
        return image.pixels + static_cast<size_t>(firstLine) * image.width * kPixelBytes;
    }
    const RowsFromTop rows = FromTop(static_cast<ptrdiff_t>(from.rowBytes), image);
    TransposeRows(pass.scratch.block, static_cast<ptrdiff_t>(image.height * kPixelBytes),
                  PixelAt(from.pixels + rows.top, static_cast<size_t>(firstLine)), rows.step, image.height,
                  static_cast<size_t>(lineCount));
    return pass.scratch.block;
}

BlockFetch FetchWhileSorting(const SortSource& from, const SortImage& image, const LineSorter& pass, int32_t firstLine,
                             int32_t lineCount)
{
    if (pass.direction == SortDirection::Row) return BlockFetch{};
    const int32_t nextLine = firstLine + lineCount;
    const int32_t nextCount = std::min(pass.blockLines, pass.lineCount - nextLine);
    const FrameStretch next{nextCount > 0 ? PixelAt(from.pixels, static_cast<size_t>(nextLine)) : nullptr,
                            from.rowBytes, static_cast<size_t>(std::max(nextCount, 0)) * kPixelBytes};
    const FrameStretch target{
        from.pixels != image.pixels ? PixelAt(image.pixels, static_cast<size_t>(firstLine)) : nullptr,
        size_t{image.width} * kPixelBytes, static_cast<size_t>(lineCount) * kPixelBytes};
    return BlockFetch{next, target, image.height};
}

void ForEachLine(unsigned char* lines, int32_t lineCount, const LineSorter& pass, const BlockFetch& fetch)
{
    for (int32_t i = 0; i < lineCount; ++i) {
        const size_t firstRow = fetch.rows * static_cast<size_t>(i) / static_cast<size_t>(lineCount);
        const size_t endRow = fetch.rows * static_cast<size_t>(i + 1) / static_cast<size_t>(lineCount);
        FetchRows(fetch.next, firstRow, endRow);
        FetchRows(fetch.target, firstRow, endRow);
        const size_t firstPixel = static_cast<size_t>(i) * static_cast<size_t>(pass.lineLength);
        pass.lineFunction(PixelAt(lines, firstPixel), pass);
    }
}

void RestoreLines(const SortImage& image, const LineSorter& pass, int32_t firstLine, int32_t lineCount,
                  const unsigned char* lines)
{
    if (pass.direction == SortDirection::Column) {
        const RowsFromTop rows = FromTop(static_cast<ptrdiff_t>(image.width * kPixelBytes), image);
        TransposeRows(PixelAt(image.pixels + rows.top, static_cast<size_t>(firstLine)), rows.step, lines,
                      static_cast<ptrdiff_t>(image.height * kPixelBytes), static_cast<size_t>(lineCount), image.height);
    }
}
