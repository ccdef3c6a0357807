// Line sorting engine: the pieces behind SortLines, shared by its source files
// and reachable by the engine's tests. Nothing outside the engine calls these.
//
// A pixel is kPixelBytes bytes (three colour bytes, then alpha). A pass works
// through its lines a block of blockLines lines at a time: ExtractLines puts the
// block in line order (lines back to back, lineLength pixels each; read from the
// image, or from SortLinesFrom's source in its first pass), ForEachLine
// sorts them and RestoreLines puts them back. A row pass sorts the frame's rows
// where they lie, a row a block; a column pass transposes ColumnBlockLines
// columns at a time into its block buffer. LineSorter records and their scratch (the block
// buffer included) are taken by MakeLineSorter and released, along their next
// links, by FreeLineSorters. Pixel positions and counts are signed 32-bit; byte
// offsets are size_t so that no frame below 2^31 pixels overflows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "keys.h"
#include "line_sort.h"

constexpr size_t kPixelBytes = 4;
// Columns per block of a column pass: as many as keep the block buffer within
// kColumnBlockBytes, in steps of kColumnBlockStep, from one step to
// kColumnBlockMost. Each frame row is read and written in stretches of a
// block's width (192 bytes and more at a frame height of 2160, 448 at 1080).
// The budget keeps the block below the size from which a Windows heap takes a
// block straight from the system and hands it back on free, so that every pass
// would fault its pages in afresh (508 KiB in Wine's heap; under Wine a 1 MiB
// block cost a 4K column pass a fifth of its time); a block this size also
// stays in the caches as its lines are sorted one by one.
constexpr size_t kColumnBlockBytes = 480 * 1024;
constexpr int32_t kColumnBlockStep = 16;
constexpr int32_t kColumnBlockMost = 128;

// The columns per block for a frame of that height.
int32_t ColumnBlockLines(uint32_t height);

struct LineSorter;

// Rearranges the pass's lineLength pixels starting at line, in place.
using LineFunction = void (*)(unsigned char* line, const LineSorter& pass);
// The sort key of one pixel, read from its three colour bytes.
using KeyFunction = int32_t (*)(const unsigned char* pixel);
// The order of two pixels by one key, in the form qsort takes.
using CompareFunction = int (*)(const void* a, const void* b);
// The keys of count pixels from first, into keys[0] to keys[count - 1].
using StretchKeyFunction = void (*)(const unsigned char* first, int32_t count, int32_t* keys);
// Index of the first of n stored keys that ends the scan, or n when none does.
using RunScanner = int32_t (*)(const int32_t* keys, int32_t n, int32_t threshold);

// Working memory of one pass, taken with the pass and reused by every line: the
// keys of the line being sorted, room for a sorted copy of its pixels, two
// halves of (key, pixel) pairs for the radix sort, and the column block buffer.
struct LineScratch {
    int32_t* keys;         // lineLength keys
    uint32_t* pixels;      // lineLength pixels
    uint64_t* pairs;       // 2 * lineLength pairs
    unsigned char* block;  // blockLines * lineLength pixels; null for a row pass
};

// One pass over the frame in one direction; passes chain in running order.
struct LineSorter {
    int32_t lineCount;                      // height for a row pass, width for a column pass
    int32_t lineLength;                     // width for a row pass, height for a column pass
    int32_t blockLines;                     // lines per block: one row, or ColumnBlockLines columns
    SortDirection direction;                // Row or Column, never Both
    LineFunction lineFunction;              // chosen by mode
    KeyFunction keyFunction;                // chosen by comparator: the key the pass orders by
    CompareFunction compareFunction;        // the twin of keyFunction, to compare two pixels
    StretchKeyFunction stretchKeyFunction;  // keyFunction over a stretch: what the line functions use
    int32_t keyLimit;                       // the largest key keyFunction returns
    const SortOptions* options;             // the caller's; line functions read threshold
    LineScratch scratch;                    // owned by the pass
    LineSorter* next;                       // the pass that runs after this one, or null
};

inline unsigned char* PixelAt(unsigned char* first, size_t index)
{
    return first + index * kPixelBytes;
}
inline const unsigned char* PixelAt(const unsigned char* first, size_t index)
{
    return first + index * kPixelBytes;
}

// A whole pixel as one 32-bit word, so that pixels move with single loads and
// stores; the byte order within the word does not matter, only that it travels.
inline uint32_t LoadPixel(const unsigned char* pixel)
{
    uint32_t word;
    std::memcpy(&word, pixel, kPixelBytes);
    return word;
}
inline void StorePixel(unsigned char* pixel, uint32_t word)
{
    std::memcpy(pixel, &word, kPixelBytes);
}

// Passes: null when the record or its scratch cannot be allocated.
LineSorter* MakeLineSorter(const SortImage& image, const SortOptions& options, SortDirection passDirection);
void FreeLineSorters(LineSorter* first);
// The chain of passes the options' direction asks for, each pass that cannot be
// allocated left out (null when none can).
LineSorter* MakePassChain(const SortImage& image, const SortOptions& options);

// The direction of the first pass the options ask for.
inline SortDirection FirstPassDirection(const SortOptions& options)
{
    return options.direction == SortDirection::Column ? SortDirection::Column : SortDirection::Row;
}

// The image as the source of a pass that sorts it in place.
inline SortSource InPlace(const SortImage& image)
{
    return SortSource{image.pixels, size_t{image.width} * kPixelBytes};
}

// Runs a pass over its lines firstLine to endLine - 1, a block at a time, reading
// them from `from`. With workers that have a stopped callback, asks it before
// each block and returns false, with lines left unsorted, once it says stop.
bool RunPassLines(const SortSource& from, const SortImage& image, const LineSorter& pass, int32_t firstLine,
                  int32_t endLine, const SortWorkers* workers);
// Runs a chain on the calling thread as SortLinesFrom does, the plain copy
// standing in for a first pass left out (none when the source is the image); with
// workers, stops as RunPassLines does and then returns false.
bool RunChainFrom(const SortSource& source, const SortImage& image, const LineSorter* chain, const SortOptions& options,
                  const SortWorkers* workers);

// Frame memory that a column pass is about to move: `rows` rows, `stride` bytes
// apart, of `bytes` bytes each from first, the same rows of each stretch. A
// column block's lines are sorted within the caches while memory stands idle,
// so the next block's columns in `from`, and this block's place in the image
// when it is not where the block was read, are fetched then: the moves that
// follow find them at hand instead of waiting on memory row by row. Empty, rows
// 0, for a row pass, which reads and writes its rows in order.
struct FrameStretch {
    const unsigned char* first;  // null when there is nothing to fetch
    size_t stride;
    size_t bytes;
};
struct BlockFetch {
    FrameStretch next;
    FrameStretch target;
    size_t rows;
};
BlockFetch FetchWhileSorting(const SortSource& from, const SortImage& image, const LineSorter& pass, int32_t firstLine,
                             int32_t lineCount);

// Line blocks: lines firstLine to firstLine + lineCount - 1 of the pass, at
// most blockLines of them. ExtractLines returns them in line order, read from
// `from` (the image itself, or a source frame of the same size): the image's own
// rows for a row pass (copied there first from another source), the filled block
// buffer for a column pass. ForEachLine sorts them, fetching `fetch` into the
// caches meanwhile, a share before each line. RestoreLines writes them back to
// their place in the image.
// Copies rows firstRow to firstRow + rowCount - 1 of a source frame into the image.
void CopySourceRows(const SortSource& from, const SortImage& image, size_t firstRow, size_t rowCount);
unsigned char* ExtractLines(const SortSource& from, const SortImage& image, const LineSorter& pass, int32_t firstLine,
                            int32_t lineCount);
void ForEachLine(unsigned char* lines, int32_t lineCount, const LineSorter& pass, const BlockFetch& fetch);
void RestoreLines(const SortImage& image, const LineSorter& pass, int32_t firstLine, int32_t lineCount,
                  const unsigned char* lines);

// TransposePixels with rows given by their byte distance, which may be negative
// (rows that run bottom-up): source row r starts sourceRowBytes * r bytes from
// source, target row c targetRowBytes * c bytes from target.
void TransposeRows(unsigned char* target, ptrdiff_t targetRowBytes, const unsigned char* source,
                   ptrdiff_t sourceRowBytes, size_t rows, size_t columns);

// Sorts count consecutive pixels ascending by their stored keys, stably: pixels
// with equal keys keep their order. keys[i] is the key of pixel i, from 0 to the
// pass's keyLimit; the keys are left in an unspecified order. Works in the
// pass's scratch. A count below 2 changes nothing.
void SortPixels(unsigned char* first, int32_t* keys, int32_t count, const LineSorter& pass);

// Line functions.
void SortHighlightRuns(unsigned char* line, const LineSorter& pass);
void SortShadowRuns(unsigned char* line, const LineSorter& pass);
void SortWholeLine(unsigned char* line, const LineSorter& pass);

// Run scanners over stored keys: the first key above / at or below / below /
// at or above the threshold.
int32_t FindHighlightStart(const int32_t* keys, int32_t n, int32_t threshold);
int32_t HighlightRunLength(const int32_t* keys, int32_t n, int32_t threshold);
int32_t FindShadowStart(const int32_t* keys, int32_t n, int32_t threshold);
int32_t ShadowRunLength(const int32_t* keys, int32_t n, int32_t threshold);

// Comparators: key(a) - key(b) of the key with the same name (keys.h).
int CompareAverage(const void* a, const void* b);
int CompareProduct(const void* a, const void* b);
int CompareMaxChannel(const void* a, const void* b);
int CompareMinChannel(const void* a, const void* b);
int CompareXor(const void* a, const void* b);

// Stretch keys: KeyAverage and the rest applied to count pixels.
void StretchKeysAverage(const unsigned char* first, int32_t count, int32_t* keys);
void StretchKeysProduct(const unsigned char* first, int32_t count, int32_t* keys);
void StretchKeysMaxChannel(const unsigned char* first, int32_t count, int32_t* keys);
void StretchKeysMinChannel(const unsigned char* first, int32_t count, int32_t* keys);
void StretchKeysXor(const unsigned char* first, int32_t count, int32_t* keys);
