// Sharing a render out among workers changes no byte: ArrangeFrame (8-bit) and
// the permutation path (Float) give the serial result for 1, 2, 3 and 8 workers in
// every Mode and Orientation. TestWorkers runs the workers on the calling thread,
// the last first (a share that leans on an earlier one shows), or each on a thread
// of its own; it can say stop after a number of asks, and counts the asks.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include "arrange_frame.h"
#include "arranged_window.h"
#include "pixel_permutation.h"

struct TestWorkers {
    enum class Run { LastFirst, Threads };

    TestWorkers(int32_t count, Run run, int stopAfterAsks = -1) : count(count), run(run), stopAfterAsks(stopAfterAsks)
    {}

    SortWorkers Workers() { return SortWorkers{count, RunAll, stopAfterAsks < 0 ? nullptr : Stopped, this}; }

    static void RunAll(void* context, void (*work)(void*, int32_t), void* argument)
    {
        const TestWorkers& workers = *static_cast<const TestWorkers*>(context);
        if (workers.run == Run::LastFirst) {
            for (int32_t w = workers.count - 1; w >= 0; --w) work(argument, w);
            return;
        }
        std::vector<std::thread> threads;
        for (int32_t w = 0; w < workers.count; ++w) threads.emplace_back(work, argument, w);
        for (std::thread& thread : threads) thread.join();
    }

    static bool Stopped(void* context)
    {
        TestWorkers& workers = *static_cast<TestWorkers*>(context);
        return ++workers.asks > workers.stopAfterAsks;
    }

    int32_t count;
    Run run;
    int stopAfterAsks;  // -1: never says stop
    std::atomic<int> asks{0};
};

namespace spread {

struct Size {
    int64_t width;
    int64_t height;
};

// 37 x 23 leaves most of 8 workers without a share of its blocks and chunks; 300
// columns are more than two blocks of a column sort; 1 x 70 has a column only.
inline const Size kSizes[] = {{37, 23}, {300, 7}, {1, 70}};
inline const int32_t kWorkerCounts[] = {1, 2, 3, 8};

inline std::vector<Pixel> VariedPixels(const Size& size, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<Pixel> pixels(static_cast<size_t>(size.width * size.height));
    for (size_t i = 0; i < pixels.size(); ++i) {
        const int level = static_cast<int>(random() % 256);
        // Greys in stretches, so that keys tie and runs form, between random colours.
        for (int c = 0; c < 4; ++c) pixels[i].bytes[c] = (i / 4) % 3 == 0 ? level : random() % 256;
    }
    return pixels;
}

inline std::vector<float> AsFloats(const std::vector<Pixel>& pixels)
{
    std::vector<float> floats;
    for (const Pixel& pixel : pixels) floats.insert(floats.end(), pixel.bytes, pixel.bytes + 4);
    for (float& value : floats) value /= 255.0f;
    return floats;
}

inline RenderSettings SettingsOf(Mode mode, Orientation orientation, int variant)
{
    return RenderSettings{mode, orientation, static_cast<Comparator>(variant % 5), 70 + 40 * (variant % 3)};
}

inline std::vector<Pixel> Arranged(const std::vector<Pixel>& input, const Size& size, const RenderSettings& settings,
                                   const SortWorkers& workers)
{
    std::vector<Pixel> arranged(input.size());
    ArrangeFrame(PixelRows{input.data(), size.width * 4, size.width, size.height, PixelOrder::Rgba}, settings,
                 arranged.data(), workers);
    return arranged;
}

// The order, and the frame written through it into a window one pixel in from
// every edge (the whole frame where it is too thin for that), as bytes.
struct Permuted {
    std::vector<uint32_t> order;
    std::vector<float> window;
};

inline Permuted Permute(const std::vector<float>& input, const Size& size, const RenderSettings& settings,
                        const SortWorkers& workers)
{
    const DeepFrame frame{input.data(), size.width * 16, size.width, size.height, 4, ComponentDepth::Float};
    std::mt19937 random(11);
    Permuted permuted{std::vector<uint32_t>(input.size() / 4), {}};
    OrderPixels(frame, settings, random, UINT32_MAX, permuted.order.data(), workers);
    const int64_t inset = size.width > 2 && size.height > 2 ? 1 : 0;
    const FrameWindow window{inset, inset, size.width - inset, size.height - inset};
    permuted.window.assign(static_cast<size_t>((window.x1 - window.x0) * (window.y1 - window.y0) * 4), -1.0f);
    WriteArrangedWindow(frame, permuted.order.data(), window,
                        DeepRowsOut{permuted.window.data(), (window.x1 - window.x0) * 16}, workers);
    return permuted;
}

// Every Mode (Random on the permutation path only: the 8-bit shuffle draws from
// a sequence the test cannot restart) and Orientation, named or not.
inline void ExpectSerialBytesForEveryWorkerCount(TestWorkers::Run run)
{
    int variant = 0;
    for (const Size& size : kSizes) {
        const std::vector<Pixel> pixels = VariedPixels(size, static_cast<uint32_t>(size.width));
        const std::vector<float> floats = AsFloats(pixels);
        for (Mode mode : {Mode::SimpleSort, Mode::Random, Mode::Highlights, Mode::Shadows, Mode::AllPixels}) {
            for (Orientation orientation :
                 {Orientation::Column, Orientation::Row, Orientation::Both, Orientation::Other}) {
                const RenderSettings settings = SettingsOf(mode, orientation, ++variant);
                const std::vector<Pixel> serialPixels =
                    mode == Mode::Random ? pixels : Arranged(pixels, size, settings, SerialWorkers());
                const Permuted serial = Permute(floats, size, settings, SerialWorkers());
                for (int32_t count : kWorkerCounts) {
                    SCOPED_TRACE(testing::Message() << size.width << "x" << size.height << " mode " << int(mode)
                                                    << " orientation " << int(orientation) << " workers " << count);
                    TestWorkers workers(count, run);
                    if (mode != Mode::Random) {
                        const std::vector<Pixel> arranged = Arranged(pixels, size, settings, workers.Workers());
                        EXPECT_EQ(std::memcmp(arranged.data(), serialPixels.data(), arranged.size() * 4), 0);
                    }
                    const Permuted permuted = Permute(floats, size, settings, workers.Workers());
                    EXPECT_EQ(permuted.order, serial.order);
                    EXPECT_EQ(std::memcmp(permuted.window.data(), serial.window.data(), serial.window.size() * 4), 0);
                }
            }
        }
    }
}

}  // namespace spread
