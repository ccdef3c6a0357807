// A render shared out among workers run one after another, the last first: the
// serial bytes for any worker count, and a stop that leaves the rest undone.
#include "spread_checks.h"

namespace {

using spread::Size;

TEST(WorkerSpread, GivesTheSerialBytesForAnyWorkerCount)
{
    spread::ExpectSerialBytesForEveryWorkerCount(TestWorkers::Run::LastFirst);
}

// How many times a render asks whether to stop, with 3 workers that say stop
// after `stopAfter` asks.
template <typename Render>
int AsksOf(const Render& render, int stopAfter)
{
    TestWorkers workers(3, TestWorkers::Run::LastFirst, stopAfter);
    render(workers.Workers());
    return workers.asks;
}

// Once stop is said, each worker asks once more at most in each step of the
// render, and the render asks once between steps; a whole render of this frame
// asks more often than that in every Mode.
TEST(WorkerSpread, StopLeavesTheRestOfTheWorkOut)
{
    const Size size{2048, 400};
    constexpr int kStopAfter = 2, kNever = 1 << 30, kMostAsksOnceStopped = kStopAfter + 3 * 3 + 2;
    const std::vector<Pixel> pixels = spread::VariedPixels(size, 3);
    const std::vector<float> floats = spread::AsFloats(pixels);
    const DeepFrame frame{floats.data(), size.width * 16, size.width, size.height, 4, ComponentDepth::Float};
    for (Mode mode : {Mode::SimpleSort, Mode::Highlights, Mode::Shadows, Mode::AllPixels}) {
        for (Orientation orientation : {Orientation::Column, Orientation::Row, Orientation::Both}) {
            SCOPED_TRACE(testing::Message() << "mode " << int(mode) << " orientation " << int(orientation));
            const RenderSettings settings{mode, orientation, Comparator::Max, 100};
            const auto arrange = [&](const SortWorkers& workers) { spread::Arranged(pixels, size, settings, workers); };
            const auto permute = [&](const SortWorkers& workers) { spread::Permute(floats, size, settings, workers); };
            EXPECT_LE(AsksOf(arrange, kStopAfter), kMostAsksOnceStopped);
            EXPECT_GT(AsksOf(arrange, kNever), kMostAsksOnceStopped);
            EXPECT_LE(AsksOf(permute, kStopAfter), kMostAsksOnceStopped);
            EXPECT_GT(AsksOf(permute, kNever), kMostAsksOnceStopped);

            // Stopped from the first ask, the permutation path writes nothing.
            TestWorkers stopped(3, TestWorkers::Run::LastFirst, 0);
            std::vector<uint32_t> order(pixels.size(), UINT32_MAX);
            std::mt19937 random(1);
            OrderPixels(frame, settings, random, UINT32_MAX, order.data(), stopped.Workers());
            EXPECT_EQ(order, std::vector<uint32_t>(pixels.size(), UINT32_MAX));
            std::vector<float> output(floats.size(), -1.0f);
            WriteArrangedWindow(frame, order.data(), FrameWindow{0, 0, size.width, size.height},
                                DeepRowsOut{output.data(), size.width * 16}, stopped.Workers());
            EXPECT_EQ(output, std::vector<float>(floats.size(), -1.0f));
        }
    }
}

}  // namespace
