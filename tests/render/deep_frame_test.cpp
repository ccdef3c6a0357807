// Frames of every depth and component count, through OrderPixels and
// WriteArrangedWindow, checked against ArrangeFrame on the frame's 8-bit values:
// the same arrangement, every pixel moved whole and bit for bit; and both paths
// shared out among 3 and 8 workers, run one after another last first (a share
// that leaned on an earlier one would show), giving the serial bytes, and
// stopping when asked. (The OpenFX face's test runs them on real threads, under
// ThreadSanitizer too.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "arrange_frame.h"
#include "arranged_window.h"
#include "pixel_permutation.h"

namespace {

// Workers on the calling thread, the last first; with stopAfter >= 0 they say
// stop from that many asks on. They count the asks.
struct TestWorkers {
    TestWorkers(int32_t count, int stopAfter = -1) : count(count), stopAfter(stopAfter) {}
    SortWorkers Workers()
    {
        const auto run = [](void* context, void (*work)(void*, int32_t), void* argument) {
            for (int32_t w = static_cast<TestWorkers*>(context)->count - 1; w >= 0; --w) work(argument, w);
        };
        const auto stopped = [](void* context) {
            auto& self = *static_cast<TestWorkers*>(context);
            return self.stopAfter >= 0 && self.asks++ >= self.stopAfter;
        };
        return SortWorkers{count, run, stopped, this};
    }
    int32_t count;
    int stopAfter;
    int asks = 0;
};
const int32_t kWorkerCounts[] = {3, 8};

// 161 * (1.0 / 161) falls short of 1, as row indices split through a reciprocal
// do, and 161 columns are more than a column sort keys in one block.
constexpr int64_t kWidth = 161, kHeight = 9;
using Bytes = std::vector<unsigned char>;

struct Format {
    ComponentDepth depth;
    int components;
    int64_t padBytes;  // after each row
    bool bottomUp;     // rows stored last first, seen through negative row bytes
};

// Where a format's frame lives: its bytes and the top-down view of them.
struct DeepImage {
    Bytes bytes;
    DeepFrame frame;
};

DeepImage Blank(const Format& format, int64_t width, int64_t height)
{
    DeepImage image{{}, DeepFrame{nullptr, 0, width, height, format.components, format.depth}};
    const int64_t stride = width * PixelBytesOf(image.frame) + format.padBytes;
    image.bytes.assign(static_cast<size_t>(stride * height), 0xA5);
    image.frame.first = image.bytes.data() + (format.bottomUp ? (height - 1) * stride : 0);
    image.frame.rowBytes = format.bottomUp ? -stride : stride;
    return image;
}

unsigned char* PixelOf(const DeepImage& image, int64_t x, int64_t y)
{
    return const_cast<unsigned char*>(DeepRowAt(image.frame, y)) + x * PixelBytesOf(image.frame);
}

// An 8-bit RGBA frame in a deep format: Short as byte * 257, Float as byte / 255.
DeepImage Deepen(const std::vector<Pixel>& rgba, int64_t width, const Format& format)
{
    DeepImage image = Blank(format, width, static_cast<int64_t>(rgba.size()) / width);
    for (size_t i = 0; i < rgba.size(); ++i) {
        unsigned char* to = PixelOf(image, static_cast<int64_t>(i) % width, static_cast<int64_t>(i) / width);
        for (int c = 0; c < format.components; ++c) {
            const unsigned char byte = rgba[i].bytes[c];
            const uint16_t shortValue = static_cast<uint16_t>(byte * 257);
            const float floatValue = byte / 255.0f;
            if (format.depth == ComponentDepth::Byte) to[c] = byte;
            if (format.depth == ComponentDepth::Short) std::memcpy(to + 2 * c, &shortValue, 2);
            if (format.depth == ComponentDepth::Float) std::memcpy(to + 4 * c, &floatValue, 4);
        }
    }
    return image;
}

std::vector<Pixel> VariedFrame(uint32_t seed, int64_t width = kWidth, int64_t height = kHeight)
{
    std::mt19937 random(seed);
    std::vector<Pixel> frame(static_cast<size_t>(width * height));
    for (size_t i = 0; i < frame.size(); ++i) {
        const int level = static_cast<int>(random() % 256);
        // Greys in stretches, so that keys tie and runs form, between random colours.
        for (int c = 0; c < 4; ++c) frame[i].bytes[c] = (i / 5) % 3 == 0 ? level : random() % 256;
    }
    return frame;
}

// The order, serial and, the same, on every count of workers: each input pixel used once.
std::vector<uint32_t> OrderOf(const DeepFrame& frame, const RenderSettings& settings, std::mt19937& random)
{
    std::vector<uint32_t> order(static_cast<size_t>(frame.width * frame.height));
    const std::mt19937 start = random;
    OrderPixels(frame, settings, random, UINT32_MAX, order.data());
    for (int32_t count : kWorkerCounts) {
        std::mt19937 again = start;
        TestWorkers workers(count);
        std::vector<uint32_t> shared(order.size());
        OrderPixels(frame, settings, again, UINT32_MAX, shared.data(), workers.Workers());
        EXPECT_EQ(shared, order) << count << " workers";
    }
    std::vector<int> uses(order.size());
    for (uint32_t index : order) ++uses.at(index);
    for (size_t i = 0; i < uses.size(); ++i) EXPECT_EQ(uses[i], 1) << "input pixel " << i;
    return order;
}

// ArrangeFrame of an 8-bit frame, serial and, the same, on every count of workers.
std::vector<Pixel> Arranged(const std::vector<Pixel>& frame, const RenderSettings& settings)
{
    const PixelRows rows{frame.data(), kWidth * 4, kWidth, kHeight, PixelOrder::Rgba};
    std::vector<Pixel> arranged(frame.size()), shared(frame.size());
    ArrangeFrame(rows, settings, arranged.data());
    for (int32_t count : kWorkerCounts) {
        TestWorkers workers(count);
        ArrangeFrame(rows, settings, shared.data(), workers.Workers());
        EXPECT_EQ(std::memcmp(shared.data(), arranged.data(), arranged.size() * 4), 0) << count << " workers";
    }
    return arranged;
}

// The window of the arranged frame, written into a fresh output of the format
// with one pixel of margin around it, compared byte for byte, margins included,
// with `expected` written the same way.
void ExpectArrangedWindow(const DeepImage& input, const std::vector<uint32_t>& order, const FrameWindow& window,
                          const Format& format, const DeepImage& expected)
{
    const auto written = [&](const DeepImage& from, const std::vector<uint32_t>& fromOrder) {
        DeepImage out = Blank(format, window.x1 - window.x0 + 2, window.y1 - window.y0 + 2);
        TestWorkers workers(3);
        WriteArrangedWindow(from.frame, fromOrder.data(), window, DeepRowsOut{PixelOf(out, 1, 1), out.frame.rowBytes},
                            workers.Workers());
        return out.bytes;
    };
    std::vector<uint32_t> identity(order.size());
    for (size_t i = 0; i < identity.size(); ++i) identity[i] = static_cast<uint32_t>(i);
    EXPECT_EQ(written(input, order), written(expected, identity));
}

const Format kFormats[] = {
    {ComponentDepth::Byte, 4, 0, false},  {ComponentDepth::Short, 4, 6, false}, {ComponentDepth::Float, 4, 0, true},
    {ComponentDepth::Float, 3, 12, true}, {ComponentDepth::Short, 3, 0, true},  {ComponentDepth::Byte, 3, 5, false},
};

TEST(DeepFrames, ArrangeAsTheEightBitFrameInEveryModeAndFormat)
{
    const std::vector<Pixel> frame = VariedFrame(7);
    std::mt19937 unused(1);
    for (Mode mode : {Mode::SimpleSort, Mode::Highlights, Mode::Shadows, Mode::AllPixels}) {
        for (Orientation orientation : {Orientation::Column, Orientation::Row, Orientation::Both}) {
            for (int comparator = 0; comparator < 5; ++comparator) {
                const RenderSettings settings{mode, orientation, static_cast<Comparator>(comparator), 110};
                const std::vector<Pixel> arranged = Arranged(frame, settings);
                for (const Format& format : kFormats) {
                    SCOPED_TRACE(testing::Message() << "mode " << int(mode) << " orientation " << int(orientation)
                                                    << " comparator " << comparator << " depth " << int(format.depth)
                                                    << " components " << format.components);
                    const DeepImage input = Deepen(frame, kWidth, format);
                    const std::vector<uint32_t> order = OrderOf(input.frame, settings, unused);
                    const DeepImage expected = Deepen(arranged, kWidth, format);
                    ExpectArrangedWindow(input, order, FrameWindow{0, 0, kWidth, kHeight}, format, expected);
                    ExpectArrangedWindow(input, order, FrameWindow{3, 2, 150, 7}, format, expected);
                }
            }
        }
    }
}

TEST(DeepFrames, RandomDrawsAsTheShuffleOfTheEightBitFrame)
{
    std::vector<Pixel> frame = VariedFrame(8);
    const Format format{ComponentDepth::Float, 4, 4, true};
    const DeepImage input = Deepen(frame, kWidth, format);
    std::mt19937 deepRandom(99), byteRandom(99);
    const std::vector<uint32_t> order =
        OrderOf(input.frame, {Mode::Random, Orientation::Column, Comparator::Average, 45}, deepRandom);
    ShuffleWith(frame.data(), frame.size(), byteRandom, UINT32_MAX);
    ExpectArrangedWindow(input, order, FrameWindow{0, 0, kWidth, kHeight}, format, Deepen(frame, kWidth, format));
}

// Values beyond 0 .. 1 and NaNs key as their clamped 8-bit values, and Short keys
// as its rounded 8-bit value; each pixel still moves with every bit it has.
TEST(DeepFrames, KeyByEightBitValuesAndMoveEveryBit)
{
    std::mt19937 random(5);
    const float oddValues[] = {-0.25f, 1.5f, std::numeric_limits<float>::infinity(), -0.0f, 0.5f / 255, 0.9f};
    const uint32_t nanBits = 0x7FC01234;
    for (ComponentDepth depth : {ComponentDepth::Short, ComponentDepth::Float}) {
        const Format format{depth, 4, 8, true};
        DeepImage input = Blank(format, kWidth, kHeight);
        std::vector<Pixel> eightBit(kWidth * kHeight);
        for (size_t i = 0; i < eightBit.size(); ++i) {
            unsigned char* pixel = PixelOf(input, static_cast<int64_t>(i) % kWidth, static_cast<int64_t>(i) / kWidth);
            for (int c = 0; c < 4; ++c) {
                const uint16_t shortValue = static_cast<uint16_t>(random());
                float floatValue = random() % 3 == 0 ? oddValues[random() % 6] : float(random() % 1000) / 999;
                if (random() % 9 == 0) std::memcpy(&floatValue, &nanBits, 4);
                if (depth == ComponentDepth::Short) std::memcpy(pixel + 2 * c, &shortValue, 2);
                if (depth == ComponentDepth::Float) std::memcpy(pixel + 4 * c, &floatValue, 4);
                const float clamped = floatValue > 0 ? std::min(floatValue, 1.0f) : 0.0f;
                eightBit[i].bytes[c] = depth == ComponentDepth::Short ? (shortValue * 255 + 32767) / 65535
                                                                      : static_cast<int>(std::round(clamped * 255));
            }
        }
        for (Mode mode : {Mode::SimpleSort, Mode::Highlights, Mode::AllPixels}) {
            const RenderSettings settings{mode, Orientation::Both, Comparator::Average, 120};
            const std::vector<Pixel> arranged = Arranged(eightBit, settings);
            const std::vector<uint32_t> order = OrderOf(input.frame, settings, random);
            DeepImage output = Blank(format, kWidth, kHeight);
            WriteArrangedWindow(
                input.frame, order.data(), FrameWindow{0, 0, kWidth, kHeight},
                DeepRowsOut{output.frame.first == nullptr ? nullptr : PixelOf(output, 0, 0), output.frame.rowBytes});
            for (size_t i = 0; i < order.size(); ++i) {
                const int64_t x = static_cast<int64_t>(i) % kWidth, y = static_cast<int64_t>(i) / kWidth;
                ASSERT_EQ(std::memcmp(PixelOf(output, x, y), PixelOf(input, order[i] % kWidth, order[i] / kWidth),
                                      static_cast<size_t>(PixelBytesOf(input.frame))),
                          0)
                    << "mode " << int(mode) << " position " << i;
                const Pixel& moved = eightBit[order[i]];
                ASSERT_EQ(std::memcmp(moved.bytes, arranged[i].bytes, 4), 0)
                    << "mode " << int(mode) << " position " << i;
            }
        }
    }
}

// Once stopped says stop, each worker asks once more at most in each step, and a
// whole render of a frame this size asks more often than that; stopped from the
// first ask, the permutation path writes nothing.
TEST(DeepFrames, WorkersStopWhenAsked)
{
    constexpr int64_t kStopWidth = 2048, kStopHeight = 400;
    const std::vector<Pixel> pixels = VariedFrame(3, kStopWidth, kStopHeight);
    const DeepImage input = Deepen(pixels, kStopWidth, Format{ComponentDepth::Float, 4, 0, false});
    const PixelRows rows{pixels.data(), kStopWidth * 4, kStopWidth, kStopHeight, PixelOrder::Rgba};
    constexpr int kStopAfter = 2, kMostAsksOnceStopped = kStopAfter + 3 * 3 + 2;
    for (Mode mode : {Mode::SimpleSort, Mode::Highlights, Mode::AllPixels}) {
        for (Orientation orientation : {Orientation::Column, Orientation::Row, Orientation::Both}) {
            SCOPED_TRACE(testing::Message() << "mode " << int(mode) << " orientation " << int(orientation));
            const RenderSettings settings{mode, orientation, Comparator::Max, 100};
            std::vector<Pixel> arranged(pixels.size());
            std::vector<uint32_t> order(pixels.size(), UINT32_MAX);
            std::mt19937 random(1);
            for (int stopAfter : {kStopAfter, 1 << 30}) {
                TestWorkers arranging(3, stopAfter), ordering(3, stopAfter);
                ArrangeFrame(rows, settings, arranged.data(), arranging.Workers());
                OrderPixels(input.frame, settings, random, UINT32_MAX, order.data(), ordering.Workers());
                const bool stops = stopAfter == kStopAfter;
                EXPECT_EQ(arranging.asks <= kMostAsksOnceStopped, stops) << arranging.asks << " asks";
                EXPECT_EQ(ordering.asks <= kMostAsksOnceStopped, stops) << ordering.asks << " asks";
            }
            TestWorkers stopped(3, 0);
            std::fill(order.begin(), order.end(), UINT32_MAX);
            OrderPixels(input.frame, settings, random, UINT32_MAX, order.data(), stopped.Workers());
            EXPECT_EQ(order, std::vector<uint32_t>(pixels.size(), UINT32_MAX));
        }
    }
}

}  // namespace
