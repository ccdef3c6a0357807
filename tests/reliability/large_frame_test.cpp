// A frame of 24000 x 24000 pixels, more than 2^29, so that byte offsets within it
// pass 2^31: rendered through EntryPointFunc in the engine (All pixels by columns
// and by rows) and in Simple Sort, and checked cheaply: a histogram over every
// pixel proves that the output holds exactly the input's pixels, all four bytes,
// and one sweep checks the order that the Mode must leave.
//
// The test first reads MemAvailable and is skipped, saying so, when the frames it
// needs do not fit: the machines that run CI have room for them.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>

#include "entry_point.h"
#include "fake_host.h"
#include "guarded_world.h"
#include "host_pixels.h"
#include "pixel_keys.h"
#include "render_params.h"

namespace {

constexpr int kSide = 24000;
constexpr size_t kRowPixels = kSide + 1;  // one gap pixel after each row
constexpr size_t kColours = size_t{1} << 24;
constexpr double kFrameBytes = 4.0 * kSide * kSide;
// Both worlds, the render's working copy and the engine's line buffer.
constexpr double kFramesNeeded = 4;
constexpr double kGigabyte = 1e9;

// A kSide x kSide world whose rows each end in a gap pixel, between a guard row
// before and one after; gaps and guards hold the canary. Unlike GuardedWorld it
// checks them without a sweep over every byte of the frame.
class LargeWorld {
public:
    LargeWorld() : layer(), pixels_(kRowPixels * (kSide + 2), Canary())
    {
        layer.data = &At(0, 0);
        layer.rowbytes = static_cast<A_long>(4 * kRowPixels);
        layer.width = kSide;
        layer.height = kSide;
    }

    PF_Pixel& At(int x, int y) { return pixels_[(y + 1) * kRowPixels + x]; }

    bool GapsAndGuardsIntact() const
    {
        const auto isCanary = [](const PF_Pixel& pixel) { return pixel == Canary(); };
        const auto lastRow = pixels_.end() - kRowPixels;
        if (!std::all_of(pixels_.begin(), pixels_.begin() + kRowPixels, isCanary)) return false;
        if (!std::all_of(lastRow, pixels_.end(), isCanary)) return false;
        for (size_t y = 1; y <= kSide; ++y) {
            if (!isCanary(pixels_[y * kRowPixels + kSide])) return false;
        }
        return true;
    }

    PF_LayerDef layer;

private:
    std::vector<PF_Pixel> pixels_;
};

uint64_t SplitMix(uint64_t value)
{
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

// Alpha is a check byte of the colour, so an output pixel whose four bytes were
// never together in the input shows as a colour whose alpha is wrong.
A_u_char CheckByte(uint32_t colour)
{
    return static_cast<A_u_char>(SplitMix(colour) >> 56);
}

uint32_t ColourOf(const PF_Pixel& pixel)
{
    return uint32_t{pixel.red} << 16 | uint32_t{pixel.green} << 8 | pixel.blue;
}

double AvailableMemoryBytes()
{
    std::ifstream meminfo("/proc/meminfo");
    std::string name;
    double kilobytes = 0;
    while (meminfo >> name >> kilobytes) {
        if (name == "MemAvailable:") return kilobytes * 1024;
        meminfo.ignore(256, '\n');
    }
    return 0;
}

class LargeFrameTest : public ::testing::Test {
protected:
    // Fills the input with pixels of random colour and counts each colour.
    void MakeInput()
    {
        input = std::make_unique<LargeWorld>();
        colourCounts.assign(kColours, 0);
        uint64_t index = 0;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const uint32_t colour = static_cast<uint32_t>(SplitMix(index++) >> 40);
                input->At(x, y) = {CheckByte(colour), A_u_char(colour >> 16), A_u_char(colour >> 8), A_u_char(colour)};
                ++colourCounts[colour];
            }
        }
    }

    // Renders into a fresh output world and checks what every render must give.
    void Render(const EffectSettings& settings)
    {
        output.reset();
        output = std::make_unique<LargeWorld>();
        host.progressCalls.clear();
        RenderParams params(input->layer, settings);
        ASSERT_EQ(host.Send(PF_Cmd_RENDER, params.List(), &output->layer), PF_Err_NONE);
        EXPECT_EQ(host.progressCalls.size(), size_t{kSide - 1});
        EXPECT_TRUE(output->GapsAndGuardsIntact());
        EXPECT_TRUE(OutputHoldsTheInputPixels());
    }

    // True when every output pixel is an input pixel and each input pixel is used once.
    bool OutputHoldsTheInputPixels()
    {
        std::vector<int32_t> remaining = colourCounts;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const PF_Pixel& pixel = output->At(x, y);
                const uint32_t colour = ColourOf(pixel);
                if (pixel.alpha != CheckByte(colour) || remaining[colour]-- == 0) return false;
            }
        }
        return true;  // as many pixels out as in, none beyond its colour's count: all used
    }

    template <typename KeyOf>
    int64_t ColumnDescents(KeyOf key)
    {
        int64_t descents = 0;
        for (int y = 1; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) descents += key(output->At(x, y - 1)) > key(output->At(x, y));
        }
        return descents;
    }

    template <typename KeyOf>
    int64_t RowDescents(KeyOf key)
    {
        int64_t descents = 0;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 1; x < kSide; ++x) descents += key(output->At(x - 1, y)) > key(output->At(x, y));
        }
        return descents;
    }

    // Row-major order: each row ascends, and each starts at or above the end of the one before.
    int64_t RowMajorDescents()
    {
        int64_t descents = RowDescents([](const PF_Pixel& p) { return LumaKey(p); });
        for (int y = 1; y < kSide; ++y) descents += LumaKey(output->At(kSide - 1, y - 1)) > LumaKey(output->At(0, y));
        return descents;
    }

    FakeHost host;
    std::unique_ptr<LargeWorld> input;
    std::unique_ptr<LargeWorld> output;
    std::vector<int32_t> colourCounts;
};

TEST_F(LargeFrameTest, EngineAndSimpleSortRenderAFrameBeyondTwoToTheTwentyNinthPixels)
{
    const double needed = kFramesNeeded * kFrameBytes + 2 * kColours * sizeof(int32_t);
    const double available = AvailableMemoryBytes();
    if (available < needed) {
        GTEST_SKIP() << "needs about " << needed / kGigabyte << " GB of memory, MemAvailable is "
                     << available / kGigabyte << " GB";
    }
    MakeInput();
    {
        SCOPED_TRACE("All pixels by columns");
        Render({ModeAllPixels, OrientationColumn});
        EXPECT_EQ(ColumnDescents(AverageKey), 0);
    }
    {
        SCOPED_TRACE("All pixels by rows");
        Render({ModeAllPixels, OrientationRow});
        EXPECT_EQ(RowDescents(AverageKey), 0);
    }
    {
        SCOPED_TRACE("Simple Sort");
        Render({ModeSimpleSort});
        EXPECT_EQ(RowMajorDescents(), 0);
    }
}

}  // namespace
