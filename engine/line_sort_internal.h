// Line sorting engine: the pieces behind SortLines, shared by its source files
// and reachable by the engine's tests. Nothing outside the engine calls these.
//
// A pixel is kPixelBytes bytes (three colour bytes, then alpha). A line buffer
// holds the lineCount lines of one pass back to back, lineLength pixels each; it
// is taken with new[] (nothrow) by ExtractLines and released by the caller with
// delete[]. LineSorter records are taken by MakeLineSorter and released, along
// their next links, by FreeLineSorters. Pixel positions and counts are signed
// 32-bit; byte offsets are size_t so that no frame below 2^31 pixels overflows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "line_sort.h"

constexpr size_t kPixelBytes = 4;

struct LineSorter;

// Rearranges the pass's lineLength pixels starting at line, in place.
using LineFunction = void (*)(unsigned char* line, const LineSorter& pass);
// The sort key of one pixel, read from its three colour bytes.
using KeyFunction = int32_t (*)(const unsigned char* pixel);
// The order of two pixels by one key, in the form qsort takes.
using CompareFunction = int (*)(const void* a, const void* b);
// Index of the first of n pixels that ends the scan, or n when none does.
using RunScanner = int32_t (*)(const unsigned char* first, KeyFunction key,
                               int32_t n, int32_t threshold);

// One pass over the frame in one direction; passes chain in running order.
struct LineSorter {
    int32_t lineCount;               // height for a row pass, width for a column pass
    int32_t lineLength;              // width for a row pass, height for a column pass
    SortDirection direction;         // Row or Column, never Both
    LineFunction lineFunction;       // chosen by mode
    KeyFunction keyFunction;         // chosen by comparator
    CompareFunction compareFunction; // the twin of keyFunction
    const SortOptions* options;      // the caller's; line functions read threshold
    LineSorter* next;                // the pass that runs after this one, or null
};

inline unsigned char* PixelAt(unsigned char* first, size_t index) {
    return first + index * kPixelBytes;
}
inline const unsigned char* PixelAt(const unsigned char* first, size_t index) {
    return first + index * kPixelBytes;
}

// Passes: null when the record cannot be allocated.
LineSorter* MakeLineSorter(const SortImage& image, const SortOptions& options,
                           SortDirection passDirection);
void FreeLineSorters(LineSorter* first);

// Line buffers: ExtractLines returns null when the buffer cannot be allocated.
unsigned char* ExtractLines(const SortImage& image, const LineSorter& pass);
void ForEachLine(unsigned char* lines, const LineSorter& pass);
void RestoreLines(const SortImage& image, const LineSorter& pass, const unsigned char* lines);

// Sorts count consecutive pixels ascending; a count below 2 changes nothing.
void SortPixels(unsigned char* first, int32_t count, CompareFunction compare);

// Line functions.
void SortHighlightRuns(unsigned char* line, const LineSorter& pass);
void SortShadowRuns(unsigned char* line, const LineSorter& pass);
void SortWholeLine(unsigned char* line, const LineSorter& pass);

// Run scanners: the first pixel whose key is above / at or below / below /
// at or above the threshold.
int32_t FindHighlightStart(const unsigned char* first, KeyFunction key, int32_t n, int32_t threshold);
int32_t HighlightRunLength(const unsigned char* first, KeyFunction key, int32_t n, int32_t threshold);
int32_t FindShadowStart(const unsigned char* first, KeyFunction key, int32_t n, int32_t threshold);
int32_t ShadowRunLength(const unsigned char* first, KeyFunction key, int32_t n, int32_t threshold);

// Keys of the colour bytes b0, b1, b2.
int32_t KeyAverage(const unsigned char* pixel);     // (b0 + b1 + b2) / 3, truncated
int32_t KeyProduct(const unsigned char* pixel);     // b0 * b1 * b2
int32_t KeyMaxChannel(const unsigned char* pixel);  // largest colour byte
int32_t KeyMinChannel(const unsigned char* pixel);  // smallest colour byte
int32_t KeyXor(const unsigned char* pixel);         // b0 ^ b1 ^ b2

// Comparators: key(a) - key(b) of the key with the same name.
int CompareAverage(const void* a, const void* b);
int CompareProduct(const void* a, const void* b);
int CompareMaxChannel(const void* a, const void* b);
int CompareMinChannel(const void* a, const void* b);
int CompareXor(const void* a, const void* b);
