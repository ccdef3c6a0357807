// Line sorting engine: public contract.
//
// SortLines rearranges an RGBA frame in place. It cuts the frame into lines (rows,
// columns, or rows then columns) and in each line sorts either the whole line or
// every maximal run of pixels whose key lies above (Highlights) or below (Shadows)
// the threshold, ascending by one of five keys of the three colour bytes. Pixels
// with equal keys keep their order, so the result is fully determined. Pixels
// are moved whole (4 bytes, alpha included) and only within their line.
//
// Takes: a SortImage (pixels row-major, 4 bytes a pixel: bytes 0-2 colour, byte 3
// alpha) and a SortOptions, both owned by the caller and only borrowed for the
// call. Any option value is accepted: out-of-range values act as Both, AllPixels
// and Xor. Returns nothing. Allocates per pass and frees before returning; if an
// allocation fails the pass is left out, so the frame still holds each pixel once.
// Has no global state: calls on different frames may run on different threads.
// Frames of up to 2^31 - 1 pixels; a frame with width or height 0 is left as is.
//
// SortLinesFrom gives exactly the bytes of copying a source frame's rows into the
// image and then calling SortLines, with the copy folded into the first pass: a
// row pass reads each source row once and writes the sorted row once, a column
// pass gathers its columns from the source and scatters them sorted into the
// image. The source holds width x height RGBA pixels, its rows rowBytes apart
// (a multiple of 4, at least width * 4; pixels 4-byte aligned or not), and
// overlaps no byte of the image. A pass whose memory cannot be allocated is left
// out as in SortLines; the image then still holds every source pixel once (the
// plain copy, when the first pass is the one left out).
//
// Sorting by a key table: with SortOptions::keyTable set, the image's 4-byte pixels
// are 32-bit indices into the table, and a pixel's key is keyTable[index] instead of
// one computed from its bytes, in SortLines, SortLinesFrom and a RowSorter alike;
// everything else is as above. So the engine can arrange pixels of any format: it
// sorts their indices, whose keys KeysOfPixels made once from the frame's 8-bit RGBA
// values with the same comparator. KeysOfPixels writes the keys of count RGBA pixels
// to keys[0 .. count - 1], exactly the keys SortLines orders those pixels by.
//
// TransposePixels copies a rows x columns grid of 4-byte pixels (or any 4-byte
// words) into target as its transpose: target pixel c * targetStride + r = source
// pixel r * sourceStride + c, strides in pixels. It works tile by tile so that
// both sides stay in cache. The grids must not overlap.
//
// Rows stored bottom-up (SortImage::rowsBottomUp), as OpenFX hosts store them:
// the picture's top row is the image's last in memory, and a source's rows lie
// the same way. The sort is the picture's, as if its rows were stored top-down:
// columns are sorted from the picture's top. Rows are sorted where they lie.
//
// Spreading a sort over threads: SortWorkers describes the caller's. run(context,
// work, argument) must call work(argument, w) once for every w from 0 to count -
// 1, on threads of its own or one after another, and return when all have
// returned. SortLinesFromWith then gives exactly SortLinesFrom's bytes for any
// count (and SortLines's when the source is the image itself, rows width * 4
// bytes apart): each pass's lines
// are shared out among the workers in equal runs, every worker with passes and
// memory of its own, and a pass starts only when the one before has ended on
// every worker. stopped(context), when not null, is asked before each block of
// lines; once it says stop, the workers end and SortLinesFromWith returns false,
// the image left in an unspecified state. Workers beyond the 64th get no share.
// When a worker's memory cannot be allocated, the sort runs on the calling thread
// alone, with the passes whose memory the first worker has (as SortLinesFrom).
// Returns true when the sort ran to its end.
//
// A RowSorter sorts rows one at a time, for a caller that streams them: SortRow
// rearranges one row of `width` RGBA pixels in place exactly as the row pass of
// SortLines with the sorter's options (copied at MakeRowSorter) would. All its
// memory is taken by MakeRowSorter, which returns null when that fails or when
// width exceeds 2^31 - 1; SortRow allocates nothing. One sorter serves one
// thread at a time; FreeRowSorter releases it (null is accepted).
#pragma once

#include <cstddef>
#include <cstdint>

enum class SortDirection : int32_t { Column = 0, Row = 1, Both = 2 };
enum class SortMode : int32_t { AllPixels = 0, Highlights = 1, Shadows = 2 };
enum class SortComparator : int32_t { Average = 0, Multiply = 1, Min = 2, Max = 3, Xor = 4 };

struct SortImage {
    unsigned char* pixels;
    uint32_t width;
    uint32_t height;
    int32_t channels;           // set to 4 by the caller; a pixel is always 4 bytes
    bool rowsBottomUp = false;  // the picture's top row is the last in memory
};

struct SortOptions {
    SortDirection direction;
    SortComparator comparator;
    SortMode mode;
    int32_t threshold;
    const int32_t* keyTable = nullptr;  // null: pixels are RGBA colours
};

void SortLines(const SortImage& image, const SortOptions& options);

struct SortSource {
    const unsigned char* pixels;
    size_t rowBytes;
};

void SortLinesFrom(const SortSource& source, const SortImage& image, const SortOptions& options);

void KeysOfPixels(const SortOptions& options, const unsigned char* pixels, int32_t count, int32_t* keys);

void TransposePixels(unsigned char* target, size_t targetStride, const unsigned char* source, size_t sourceStride,
                     size_t rows, size_t columns);

struct RowSorter;

RowSorter* MakeRowSorter(uint32_t width, const SortOptions& options);
void SortRow(RowSorter* sorter, unsigned char* row);
void FreeRowSorter(RowSorter* sorter);

struct SortWorkers {
    int32_t count;  // at least 1
    void (*run)(void* context, void (*work)(void* argument, int32_t worker), void* argument);
    bool (*stopped)(void* context);
    void* context;
};

bool SortLinesFromWith(const SortSource& source, const SortImage& image, const SortOptions& options,
                       const SortWorkers& workers);

// Whether the workers' stopped says stop.
inline bool StopAsked(const SortWorkers& workers)
{
    return workers.stopped != nullptr && workers.stopped(workers.context);
}
