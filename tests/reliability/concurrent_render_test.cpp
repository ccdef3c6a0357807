// Several frames rendered at the same time through one loaded effect module, as
// a host rendering frames on its own threads does: each thread brings its own
// host records and renders frames of different sizes, contents and settings, over
// and over, and each result must equal the serial render of the same frame, byte
// for byte. Random renders run in the mix and are only checked for holding the
// input's pixels, since they draw from the generator that all threads share.
#include <gtest/gtest.h>

#include <atomic>
#include <iostream>
#include <thread>

#include "frame_render.h"
#include "host/module_loader.h"

namespace {

constexpr int kThreads = 8;
constexpr int kFramesPerThread = 4;
constexpr int kRounds = 3;

struct FrameJob {
    int width;
    int height;
    std::vector<PF_Pixel> pixels;
    EffectSettings settings;
};

// Frame k goes to thread k % kThreads. Sizes, contents, Modes, orientations,
// comparators and thresholds all vary from frame to frame.
std::vector<FrameJob> MixedFrames()
{
    const A_long modes[] = {ModeSimpleSort, ModeHighlights, ModeShadows, ModeAllPixels, ModeRandom, ModeAllPixels + 1};
    std::vector<FrameJob> jobs;
    for (int k = 0; k < kThreads * kFramesPerThread; ++k) {
        const int width = 17 + (k * 37) % 150;
        const int height = 9 + (k * 53) % 120;
        const EffectSettings settings{modes[k % 6], 1 + k % 3, 1 + (k / 3) % 5, (k * 41) % 256};
        jobs.push_back({width, height, RandomPixels(size_t(width) * height, 100 + k), settings});
    }
    return jobs;
}

RenderedFrame Render(const EffectModule& module, FakeHost& host, const FrameJob& job)
{
    return RenderFrame(module.EntryPoint(), host, job.pixels, job.width, job.height, job.settings);
}

// What differs between a concurrent render and the serial one; empty if nothing.
std::string Difference(const FrameJob& job, const RenderedFrame& concurrent, const RenderedFrame& serial)
{
    const std::string problem = ProblemWith(concurrent, job.pixels);
    if (!problem.empty()) return problem;
    if (job.settings.mode != ModeRandom && concurrent.pixels != serial.pixels) return "differs from the serial render";
    return "";
}

TEST(ConcurrentRenderTest, FramesRenderedAtOnceMatchTheirSerialRenders)
{
    const EffectModule module(TALVENOR_MODULE);
    const std::vector<FrameJob> jobs = MixedFrames();
    std::vector<RenderedFrame> serial;
    FakeHost serialHost;
    for (const FrameJob& job : jobs) {
        serial.push_back(Render(module, serialHost, job));
        ASSERT_EQ(ProblemWith(serial.back(), job.pixels), "") << job.settings;
    }

    std::atomic<int> waiting{kThreads};
    std::vector<std::vector<std::string>> differences(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            FakeHost host;
            // All threads start rendering together.
            --waiting;
            while (waiting.load() > 0) std::this_thread::yield();
            for (int round = 0; round < kRounds; ++round) {
                for (size_t k = t; k < jobs.size(); k += kThreads) {
                    const std::string difference = Difference(jobs[k], Render(module, host, jobs[k]), serial[k]);
                    if (!difference.empty()) differences[t].push_back("frame " + std::to_string(k) + ": " + difference);
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();

    for (int t = 0; t < kThreads; ++t) {
        for (const std::string& difference : differences[t]) ADD_FAILURE() << "thread " << t << ", " << difference;
    }
    std::cout << kThreads << " threads x " << kFramesPerThread << " frames x " << kRounds << " rounds\n";
}

}  // namespace
