// The qsort yardstick, sorting with the engine's own Average comparator.
#include "qsort_column_sort.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "line_sort_internal.h"

void QsortColumnSortAverage(unsigned char* pixels, uint32_t width, uint32_t height)
{
    std::vector<unsigned char> lines(size_t{width} * height * 4);
    for (size_t x = 0; x < width; ++x) {
        for (size_t y = 0; y < height; ++y) {
            std::memcpy(&lines[(x * height + y) * 4], &pixels[(y * width + x) * 4], 4);
        }
    }
    for (size_t x = 0; x < width; ++x) {
        std::qsort(&lines[x * height * 4], height, 4, CompareAverage);
    }
    for (size_t x = 0; x < width; ++x) {
        for (size_t y = 0; y < height; ++y) {
            std::memcpy(&pixels[(y * width + x) * 4], &lines[(x * height + y) * 4], 4);
        }
    }
}
