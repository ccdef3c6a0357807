// SortPixels on stretches of every size class (insertion sort, counting sort over
// the span or over the whole byte range, radix sort with one to three key bytes,
// a key byte that never varies) against a stable sort of the same keys; and
// TransposePixels against the index mapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>

#include "line_sort_internal.h"

namespace {

using KeyMaker = std::function<int32_t(std::mt19937&, int32_t index)>;

struct KeyShape {
    const char* name;
    KeyMaker key;
};

// Keys of the byte-sized comparators: 0 to 255.
std::vector<KeyShape> ByteKeyShapes()
{
    using Random = std::mt19937;
    return {
        {"all equal", [](Random&, int32_t) { return 7; }},
        {"byte keys", [](Random& r, int32_t) { return static_cast<int32_t>(r() % 256); }},
        {"few byte values", [](Random& r, int32_t) { return static_cast<int32_t>(r() % 3) * 100; }},
        {"byte ramp", [](Random&, int32_t i) { return i / 8 % 256; }},
        {"narrow bytes", [](Random& r, int32_t) { return 200 + static_cast<int32_t>(r() % 9); }},
    };
}

// Keys of the product comparator: 0 to 255 cubed.
std::vector<KeyShape> ProductKeyShapes()
{
    using Random = std::mt19937;
    std::vector<KeyShape> shapes = ByteKeyShapes();
    const std::vector<KeyShape> wide{
        {"narrow products", [](Random& r, int32_t) { return 1000000 + static_cast<int32_t>(r() % 256); }},
        {"spread of 256", [](Random& r, int32_t i) { return i == 0 ? 256 : static_cast<int32_t>(r() % 257); }},
        {"wide products", [](Random& r, int32_t) { return static_cast<int32_t>(r() % 16581376); }},
        {"middle byte fixed", [](Random& r, int32_t) { return static_cast<int32_t>((r() % 2) << 16 | (r() % 256)); }},
        {"nested clusters",
         [](Random& r, int32_t) { return static_cast<int32_t>((r() % 2) * 10000000 + (r() % 2) * 40000 + r() % 256); }},
        {"few values", [](Random& r, int32_t) { return static_cast<int32_t>(r() % 3) * 300000; }},
        {"ascending", [](Random&, int32_t i) { return i / 2; }},
        {"descending", [](Random&, int32_t i) { return 70000 - 9 * (i / 3); }},
        {"mostly zero", [](Random& r, int32_t) { return r() % 4 == 0 ? static_cast<int32_t>(r() % 16581376) : 0; }},
    };
    shapes.insert(shapes.end(), wide.begin(), wide.end());
    return shapes;
}

// Pixels numbered by position, so that a stable sort is told apart from any other.
std::vector<uint32_t> NumberedPixels(int32_t count)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(count));
    std::iota(pixels.begin(), pixels.end(), 0x5A000000u);
    return pixels;
}

// SortPixels with a pass of the comparator on every shape and size, against a
// stable sort of the same keys.
void ExpectStableSorts(SortComparator comparator, const std::vector<KeyShape>& shapes)
{
    std::mt19937 random(31);
    for (const int32_t count : {0, 1, 2, 3, 23, 24, 25, 26, 100, 255, 256, 257, 1000, 3000}) {
        const SortOptions options{SortDirection::Row, comparator, SortMode::AllPixels, 0};
        LineSorter* pass =
            MakeLineSorter(SortImage{nullptr, static_cast<uint32_t>(count), 1, 4}, options, SortDirection::Row);
        ASSERT_NE(pass, nullptr);
        for (const KeyShape& shape : shapes) {
            std::vector<int32_t> keys(static_cast<size_t>(count));
            for (int32_t i = 0; i < count; ++i) {
                keys[static_cast<size_t>(i)] = shape.key(random, i);
            }
            std::vector<uint32_t> pixels = NumberedPixels(count);
            std::vector<size_t> order(pixels.size());
            std::iota(order.begin(), order.end(), size_t{0});
            std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
            std::vector<uint32_t> expected;
            for (size_t index : order) {
                expected.push_back(pixels[index]);
            }
            SortPixels(reinterpret_cast<unsigned char*>(pixels.data()), keys.data(), count, *pass);
            EXPECT_EQ(pixels, expected) << shape.name << ", " << count << " pixels";
        }
        FreeLineSorters(pass);
    }
}

TEST(SortPixels, StableByByteKeysOnEveryPath)
{
    ExpectStableSorts(SortComparator::Average, ByteKeyShapes());
}

TEST(SortPixels, StableByProductKeysOnEveryPath)
{
    ExpectStableSorts(SortComparator::Multiply, ProductKeyShapes());
}

// Grids of every shape against tiles and 4 x 4 blocks, each cut from a wider
// source and written into a wider target: the mapping holds inside, nothing
// outside the target's part is written, and transposing back restores the grid.
TEST(TransposePixels, FollowsTheIndexMappingWithinStrides)
{
    const size_t sizes[][2] = {{1, 1}, {3, 17}, {17, 3}, {16, 16}, {33, 40}, {100, 7}, {1, 50}, {4, 4}};
    const uint32_t untouched = 0xDEADBEEFu;
    for (const auto& size : sizes) {
        const size_t rows = size[0], columns = size[1];
        const size_t sourceStride = columns + 5, targetStride = rows + 3;
        const std::vector<uint32_t> source = NumberedPixels(static_cast<int32_t>(rows * sourceStride));
        std::vector<uint32_t> transposed(columns * targetStride, untouched);
        TransposePixels(reinterpret_cast<unsigned char*>(transposed.data()), targetStride,
                        reinterpret_cast<const unsigned char*>(source.data()), sourceStride, rows, columns);
        for (size_t c = 0; c < columns; ++c) {
            for (size_t r = 0; r < targetStride; ++r) {
                const uint32_t expected = r < rows ? source[r * sourceStride + c] : untouched;
                ASSERT_EQ(transposed[c * targetStride + r], expected)
                    << rows << "x" << columns << " at " << c << "," << r;
            }
        }
        std::vector<uint32_t> back(source.size(), untouched);
        TransposePixels(reinterpret_cast<unsigned char*>(back.data()), sourceStride,
                        reinterpret_cast<const unsigned char*>(transposed.data()), targetStride, columns, rows);
        for (size_t i = 0; i < back.size(); ++i) {
            ASSERT_EQ(back[i], i % sourceStride < columns ? source[i] : untouched) << rows << "x" << columns;
        }
    }
}

}  // namespace
