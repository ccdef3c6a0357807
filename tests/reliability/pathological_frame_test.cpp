// Frames at the edges of what a host hands over, rendered through EntryPointFunc
// in every Mode and orientation: one pixel wide or one pixel high and 30000 long,
// keys that cross the threshold at every pixel, and a frame of one colour. Each
// render is checked for the result its Mode must give, not just for surviving.
#include <gtest/gtest.h>

#include <algorithm>

#include "entry_point.h"
#include "frame_render.h"
#include "host_pixels.h"
#include "line_runs.h"
#include "pixel_keys.h"

namespace {

bool IsRunMode(A_long mode)
{
    return mode == ModeHighlights || mode == ModeShadows;
}

bool IsLumaSorted(const std::vector<PF_Pixel>& pixels)
{
    return std::is_sorted(pixels.begin(), pixels.end(),
                          [](const PF_Pixel& a, const PF_Pixel& b) { return LumaKey(a) < LumaKey(b); });
}

// Whether an engine Mode sorts a pixel of this Average key: in All pixels (and the
// unnamed Mode after it) every pixel is.
bool InARun(A_long mode, int32_t key)
{
    if (mode == ModeHighlights) return key > 255 - kMiddleThreshold;
    if (mode == ModeShadows) return key < kMiddleThreshold;
    return true;
}

// One line before and after an engine pass with the Average key: every pixel
// outside the runs stays, each maximal run keeps its pixels and ascends.
std::string LineProblem(const std::vector<PF_Pixel>& before, const std::vector<PF_Pixel>& after, A_long mode)
{
    return LineRunProblem(
        before, after, [mode](const PF_Pixel& p) { return InARun(mode, AverageKey(p)); }, AverageKey);
}

TEST(PathologicalFrameTest, FramesOnePixelAcrossSortTheirOneLongLine)
{
    FakeHost host;
    const std::vector<PF_Pixel> line = RandomPixels(30000, 21);
    for (const auto& [width, height] : {std::pair{1, 30000}, std::pair{30000, 1}}) {
        for (const EffectSettings& settings : EveryModeAndOrientation(ComparatorAverage)) {
            SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height) + ", " +
                         ::testing::PrintToString(settings));
            const RenderedFrame rendered = RenderFrame(EntryPointFunc, host, line, width, height, settings);
            ASSERT_EQ(ProblemWith(rendered, line), "");
            if (settings.mode == ModeSimpleSort) {
                EXPECT_TRUE(IsLumaSorted(rendered.pixels));
            } else if (settings.mode == ModeRandom) {
                // A uniform shuffle leaves one pixel in place on average.
                size_t unmoved = 0;
                for (size_t i = 0; i < line.size(); ++i) unmoved += rendered.pixels[i] == line[i];
                EXPECT_LT(unmoved, 30u);
            } else if (settings.orientation == OrientationBoth ||
                       (settings.orientation == OrientationColumn) == (height > 1)) {
                EXPECT_EQ(LineProblem(line, rendered.pixels, settings.mode), "");
            } else {
                EXPECT_TRUE(rendered.pixels == line) << "lines of one pixel changed";
            }
        }
    }
}

// Greys in a chequerboard of levels 0 to 5 and 128 to 255. Every comparator's key
// of a grey v is v, or v cubed for Multiply, so the dark squares key at most 127
// and the light ones at least 128: each run of Highlights or Shadows is one pixel
// long, and ordering by grey level is ordering by any key.
std::vector<PF_Pixel> Chequerboard(int width, int height)
{
    std::vector<PF_Pixel> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int i = y * width + x;
            const auto level = static_cast<A_u_char>((x + y) % 2 ? i % 6 : 128 + i % 128);
            pixels.push_back({static_cast<A_u_char>(i * 7), level, level, level});
        }
    }
    return pixels;
}

bool LinesAscendInGreyLevel(const std::vector<PF_Pixel>& pixels, int width, int height, A_long orientation)
{
    const bool columns = orientation != OrientationRow;  // Both ends with its column pass
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int previous = columns ? (y - 1) * width + x : y * width + x - 1;
            if ((columns ? y : x) > 0 && pixels[previous].red > pixels[y * width + x].red) return false;
        }
    }
    return true;
}

TEST(PathologicalFrameTest, KeysCrossingTheThresholdAtEveryPixelLeaveTheRunModesNothingToSort)
{
    constexpr int kWidth = 61;
    constexpr int kHeight = 47;
    FakeHost host;
    const std::vector<PF_Pixel> frame = Chequerboard(kWidth, kHeight);
    for (A_long comparator = ComparatorAverage; comparator <= ComparatorXor; ++comparator) {
        for (const EffectSettings& settings : EveryModeAndOrientation(comparator)) {
            SCOPED_TRACE(::testing::PrintToString(settings));
            const RenderedFrame rendered = RenderFrame(EntryPointFunc, host, frame, kWidth, kHeight, settings);
            ASSERT_EQ(ProblemWith(rendered, frame), "");
            if (settings.mode == ModeSimpleSort) {
                EXPECT_TRUE(IsLumaSorted(rendered.pixels));
            } else if (IsRunMode(settings.mode)) {
                EXPECT_TRUE(rendered.pixels == frame) << "a run of one pixel was changed";
            } else if (settings.mode != ModeRandom) {
                EXPECT_TRUE(LinesAscendInGreyLevel(rendered.pixels, kWidth, kHeight, settings.orientation));
            }
        }
    }
}

TEST(PathologicalFrameTest, FrameOfOneColourComesOutAsItWent)
{
    FakeHost host;
    // Its Average key 150 makes every line one run in Highlights and none in Shadows.
    const std::vector<PF_Pixel> frame(53 * 41, PF_Pixel{77, 200, 150, 100});
    for (A_long comparator = ComparatorAverage; comparator <= ComparatorXor; ++comparator) {
        for (const EffectSettings& settings : EveryModeAndOrientation(comparator)) {
            const RenderedFrame rendered = RenderFrame(EntryPointFunc, host, frame, 53, 41, settings);
            EXPECT_EQ(rendered.result, PF_Err_NONE) << settings;
            EXPECT_TRUE(rendered.worldsIntact) << settings;
            EXPECT_TRUE(rendered.pixels == frame) << settings;
        }
    }
}

}  // namespace
