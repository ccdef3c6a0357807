// SortLines, SortLinesFrom and a RowSorter against the stable reference: every
// mode, comparator and direction, over frames whose lines hold runs from one
// pixel to hundreds (so that short runs, long runs, whole lines over 256 pixels
// and wide product keys all occur), must give exactly the reference's bytes; and
// the same input must always give the same bytes.
#include <gtest/gtest.h>

#include <sstream>

#include "stable_reference.h"

namespace {

struct TestFrame {
    uint32_t width;
    uint32_t height;
    Frame pixels;
};

// Pixels around a level that holds for a random stretch and then jumps, walked
// along rows or along columns: each line falls into segments whose mean length
// is meanSegment, with noise in every colour byte so that keys within a segment
// differ.
Frame SegmentedFrame(std::mt19937& random, uint32_t width, uint32_t height, bool alongRows, uint32_t meanSegment)
{
    std::uniform_int_distribution<int> level(0, 255), noise(-9, 9);
    std::bernoulli_distribution jump(1.0 / meanSegment);
    Frame frame(size_t{width} * height);
    int current = level(random);
    for (uint32_t line = 0; line < (alongRows ? height : width); ++line) {
        for (uint32_t i = 0; i < (alongRows ? width : height); ++i) {
            if (jump(random)) {
                current = level(random);
            }
            Pixel& p = frame[alongRows ? size_t{line} * width + i : size_t{i} * width + line];
            for (int c = 0; c < 3; ++c) {
                p[c] = static_cast<unsigned char>(std::clamp(current + noise(random), 0, 255));
            }
            p[3] = static_cast<unsigned char>(random());
        }
    }
    return frame;
}

std::vector<TestFrame> TestFrames()
{
    std::mt19937 random(4711);
    std::vector<TestFrame> frames;
    frames.push_back({7, 5, RandomFrame(random, 7 * 5, false)});
    frames.push_back({13, 11, RandomFrame(random, 13 * 11, true)});
    frames.push_back({257, 4, RandomFrame(random, 257 * 4, false)});
    frames.push_back({300, 6, SegmentedFrame(random, 300, 6, true, 3)});
    frames.push_back({300, 6, SegmentedFrame(random, 300, 6, true, 40)});
    frames.push_back({6, 300, SegmentedFrame(random, 6, 300, false, 12)});
    frames.push_back({520, 3, SegmentedFrame(random, 520, 3, true, 200)});
    frames.push_back({40, 90, SegmentedFrame(random, 40, 90, false, 30)});
    return frames;
}

std::string Describe(const TestFrame& frame, const SortOptions& options)
{
    std::ostringstream text;
    text << frame.width << "x" << frame.height << ", direction " << static_cast<int>(options.direction)
         << ", comparator " << static_cast<int>(options.comparator) << ", mode " << static_cast<int>(options.mode)
         << ", threshold " << options.threshold;
    return text.str();
}

TEST(SortLinesStable, MatchesStableReferenceForEveryOption)
{
    const int32_t thresholds[] = {-1, 45, 128, 210, 256, 50000, 2000000};
    for (const TestFrame& frame : TestFrames()) {
        for (int32_t direction = 0; direction < 3; ++direction) {
            for (int32_t comparator = 0; comparator < 5; ++comparator) {
                for (int32_t mode = 0; mode < 3; ++mode) {
                    for (const int32_t threshold : thresholds) {
                        const SortOptions options{static_cast<SortDirection>(direction),
                                                  static_cast<SortComparator>(comparator), static_cast<SortMode>(mode),
                                                  threshold};
                        const Frame expected = StableReference(frame.pixels, frame.width, frame.height, options);
                        const Frame actual = SortedCopy(frame.pixels, frame.width, frame.height, options);
                        ASSERT_EQ(KeysOf(actual, options.comparator), KeysOf(expected, options.comparator))
                            << Describe(frame, options);
                        ASSERT_EQ(actual, expected) << "equal keys out of order: " << Describe(frame, options);
                        ASSERT_EQ(SortedFrom(frame.pixels, frame.width, frame.height, options), expected)
                            << "SortLinesFrom: " << Describe(frame, options);
                        ASSERT_EQ(SortedWith(frame.pixels, frame.width, frame.height, options, 3), expected)
                            << "three workers: " << Describe(frame, options);
                        const Frame stored = Flipped(frame.pixels, frame.width, frame.height);
                        ASSERT_EQ(
                            Flipped(SortedWith(stored, frame.width, frame.height, options, 3, INT32_MAX, nullptr, true),
                                    frame.width, frame.height),
                            expected)
                            << "rows stored bottom-up: " << Describe(frame, options);
                        if (options.direction == SortDirection::Row) {
                            const auto rows = RowSorted(frame.pixels, frame.width, frame.height, options);
                            ASSERT_TRUE(rows != nullptr);
                            ASSERT_EQ(*rows, expected) << "RowSorter: " << Describe(frame, options);
                        }
                    }
                }
            }
        }
    }
}

// Sorting one frame, then another, then the first again gives the first result
// byte for byte: nothing from an earlier call or from uninitialised scratch
// reaches the output.
TEST(SortLinesStable, RepeatedRunsAreByteIdentical)
{
    std::mt19937 random(99);
    const Frame first = SegmentedFrame(random, 160, 90, true, 25);
    const Frame other = RandomFrame(random, 160 * 90, false);
    for (int32_t direction = 0; direction < 3; ++direction) {
        for (int32_t comparator = 0; comparator < 5; ++comparator) {
            for (int32_t mode = 0; mode < 3; ++mode) {
                const SortOptions options{static_cast<SortDirection>(direction),
                                          static_cast<SortComparator>(comparator), static_cast<SortMode>(mode), 100};
                const Frame once = SortedCopy(first, 160, 90, options);
                SortedCopy(other, 160, 90, options);
                EXPECT_EQ(SortedCopy(first, 160, 90, options), once)
                    << "direction " << direction << ", comparator " << comparator << ", mode " << mode;
                EXPECT_NE(once, first) << "the case sorts nothing, so it proves nothing";
            }
        }
    }
}

}  // namespace

// Workers asked to stop end the sort early and say so; the same sort left alone
// runs to its end.
TEST(SortLinesStable, WorkersStopWhenAskedAndSaySo)
{
    std::mt19937 random(5);
    const Frame frame = RandomFrame(random, 64 * 48, false);
    const SortOptions options{SortDirection::Both, SortComparator::Average, SortMode::AllPixels, 45};
    bool finished = true;
    const Frame stopped = SortedWith(frame, 64, 48, options, 2, 3, &finished);
    EXPECT_FALSE(finished);
    EXPECT_NE(stopped, SortedCopy(frame, 64, 48, options));
    SortedWith(frame, 64, 48, options, 2, INT32_MAX, &finished);
    EXPECT_TRUE(finished);
}
