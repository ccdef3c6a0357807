// Line buffers: copy the frame into the line order of a pass, run the pass's
// line function over every line, and copy the lines back. Columns are
// transposed into contiguous lines so that rows and columns share one sorting
// path.
#include <cstring>
#include <new>

#include "line_sort_internal.h"

namespace {

size_t FrameBytes(const SortImage& image) {
    return static_cast<size_t>(image.width) * image.height * kPixelBytes;
}

// target pixel (c, r) of a columns x rows grid = source pixel (r, c) of a
// rows x columns grid, both row-major.
void CopyTransposed(unsigned char* target, const unsigned char* source, size_t sourceRows,
                    size_t sourceColumns) {
    for (size_t c = 0; c < sourceColumns; ++c) {
        for (size_t r = 0; r < sourceRows; ++r) {
            std::memcpy(PixelAt(target, c * sourceRows + r),
                        PixelAt(source, r * sourceColumns + c), kPixelBytes);
        }
    }
}

}  // namespace

unsigned char* ExtractLines(const SortImage& image, const LineSorter& pass) {
    unsigned char* lines = new (std::nothrow) unsigned char[FrameBytes(image)];
    if (lines == nullptr) {
        return nullptr;
    }
    if (pass.direction == SortDirection::Row) {
        std::memcpy(lines, image.pixels, FrameBytes(image));
    } else {
        CopyTransposed(lines, image.pixels, image.height, image.width);
    }
    return lines;
}

void ForEachLine(unsigned char* lines, const LineSorter& pass) {
    for (int32_t i = 0; i < pass.lineCount; ++i) {
        const size_t firstPixel = static_cast<size_t>(i) * static_cast<size_t>(pass.lineLength);
        pass.lineFunction(PixelAt(lines, firstPixel), pass);
    }
}

void RestoreLines(const SortImage& image, const LineSorter& pass, const unsigned char* lines) {
    if (pass.direction == SortDirection::Row) {
        std::memcpy(image.pixels, lines, FrameBytes(image));
    } else {
        CopyTransposed(image.pixels, lines, image.width, image.height);
    }
}
