// TransposePixels: a cache-blocked transpose. The grid is walked in tiles of
// kTile x kTile pixels, so that each tile reads kTile source rows and writes
// kTile target rows of kTile pixels each: whole cache lines on both sides.
// Within a tile, 4 x 4 blocks move as four row loads and four column stores,
// shuffled in vector registers where the processor has them.
#include <algorithm>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "line_sort_internal.h"

namespace {

constexpr size_t kTile = 16;
constexpr size_t kBlock = 4;

// Row r of the source starts sourceRowBytes * r bytes from source, and row c of
// the target targetRowBytes * c bytes from target; either may be negative, for
// rows that run bottom-up.
struct Grid {
    unsigned char* target;
    ptrdiff_t targetRowBytes;
    const unsigned char* source;
    ptrdiff_t sourceRowBytes;

    const unsigned char* From(size_t row, size_t column) const
    {
        return source + static_cast<ptrdiff_t>(row) * sourceRowBytes + column * kPixelBytes;
    }
    unsigned char* To(size_t column, size_t row) const
    {
        return target + static_cast<ptrdiff_t>(column) * targetRowBytes + row * kPixelBytes;
    }
};

#if defined(__SSE2__) || defined(_M_X64)
// Every x86-64 processor has SSE2, and compilers do not find this shuffle
// themselves: they move the 16 pixels one by one.
void TransposeBlock(const Grid& grid, size_t row, size_t column)
{
    const auto load = [&grid, row, column](size_t r) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(grid.From(row + r, column)));
    };
    const auto store = [&grid, row, column](size_t c, __m128i pixels) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(grid.To(column + c, row)), pixels);
    };
    const __m128i a = load(0), b = load(1), c = load(2), d = load(3);  // rows a0 a1 a2 a3 and so on
    const __m128i rows01Low = _mm_unpacklo_epi32(a, b);                // a0 b0 a1 b1
    const __m128i rows23Low = _mm_unpacklo_epi32(c, d);                // c0 d0 c1 d1
    const __m128i rows01High = _mm_unpackhi_epi32(a, b);               // a2 b2 a3 b3
    const __m128i rows23High = _mm_unpackhi_epi32(c, d);               // c2 d2 c3 d3
    store(0, _mm_unpacklo_epi64(rows01Low, rows23Low));
    store(1, _mm_unpackhi_epi64(rows01Low, rows23Low));
    store(2, _mm_unpacklo_epi64(rows01High, rows23High));
    store(3, _mm_unpackhi_epi64(rows01High, rows23High));
}
#else
void TransposeBlock(const Grid& grid, size_t row, size_t column)
{
    uint32_t rows[kBlock][kBlock];
    for (size_t r = 0; r < kBlock; ++r) {
        std::memcpy(rows[r], grid.From(row + r, column), sizeof rows[r]);
    }
    for (size_t c = 0; c < kBlock; ++c) {
        const uint32_t column4[kBlock] = {rows[0][c], rows[1][c], rows[2][c], rows[3][c]};
        std::memcpy(grid.To(column + c, row), column4, sizeof column4);
    }
}
#endif

void TransposeOne(const Grid& grid, size_t row, size_t column)
{
    StorePixel(grid.To(column, row), LoadPixel(grid.From(row, column)));
}

// The tile's whole 4 x 4 blocks first, then its ragged right and bottom edges.
void TransposeTile(const Grid& grid, size_t firstRow, size_t firstColumn, size_t rowEnd, size_t columnEnd)
{
    const size_t blockRowEnd = firstRow + (rowEnd - firstRow) / kBlock * kBlock;
    const size_t blockColumnEnd = firstColumn + (columnEnd - firstColumn) / kBlock * kBlock;
    for (size_t row = firstRow; row < blockRowEnd; row += kBlock) {
        for (size_t column = firstColumn; column < blockColumnEnd; column += kBlock) {
            TransposeBlock(grid, row, column);
        }
        for (size_t r = row; r < row + kBlock; ++r) {
            for (size_t column = blockColumnEnd; column < columnEnd; ++column) {
                TransposeOne(grid, r, column);
            }
        }
    }
    for (size_t row = blockRowEnd; row < rowEnd; ++row) {
        for (size_t column = firstColumn; column < columnEnd; ++column) {
            TransposeOne(grid, row, column);
        }
    }
}

}  // namespace

void TransposePixels(unsigned char* target, size_t targetStride, const unsigned char* source, size_t sourceStride,
                     size_t rows, size_t columns)
{
    TransposeRows(target, static_cast<ptrdiff_t>(targetStride * kPixelBytes), source,
                  static_cast<ptrdiff_t>(sourceStride * kPixelBytes), rows, columns);
}

void TransposeRows(unsigned char* target, ptrdiff_t targetRowBytes, const unsigned char* source,
                   ptrdiff_t sourceRowBytes, size_t rows, size_t columns)
{
    const Grid grid{target, targetRowBytes, source, sourceRowBytes};
    // The short side is crossed whole before moving along the long side, so that
    // each stretch of the long side is visited once: a block of frame rows is
    // read or written in full while its cache lines and pages are at hand.
    const bool rowsOuter = rows >= columns;
    const size_t outerEnd = rowsOuter ? rows : columns;
    const size_t innerEnd = rowsOuter ? columns : rows;
    for (size_t outer = 0; outer < outerEnd; outer += kTile) {
        for (size_t inner = 0; inner < innerEnd; inner += kTile) {
            const size_t row = rowsOuter ? outer : inner;
            const size_t column = rowsOuter ? inner : outer;
            TransposeTile(grid, row, column, std::min(row + kTile, rows), std::min(column + kTile, columns));
        }
    }
}
