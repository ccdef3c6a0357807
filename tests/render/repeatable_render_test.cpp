// Renders of a frame whose width leaves tails to every copy loop, through worlds
// with row gaps of their own: every Mode but Random gives the same bytes every
// time, Simple Sort is a stable sort by LumaKey, the engine Modes are what the
// engine makes of the frame, and a stopped render has written exactly its rows.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine_options.h"
#include "guarded_world.h"
#include "host_pixels.h"
#include "render_call.h"

namespace {

constexpr int kWidth = 37;
constexpr int kHeight = 23;

class RepeatableRenderTest : public ::testing::Test {
protected:
    RepeatableRenderTest() : input(kWidth, kHeight, 3), frame(RandomPixels(kWidth * kHeight, 8))
    {
        // Runs of equal keys, so that ties in Simple Sort and runs in the engine occur.
        for (size_t i = 0; i < frame.size(); i += 5) frame[i] = PF_Pixel{uint8_t(i), 40, 40, 40};
        input.Fill(frame);
    }

    std::vector<PF_Pixel> Rendered(const EffectSettings& settings)
    {
        GuardedWorld output(kWidth, kHeight, 2);
        EXPECT_EQ(SendRender(host, input.layer, output.layer, settings), PF_Err_NONE);
        EXPECT_TRUE(output.CanariesIntact());
        EXPECT_TRUE(input.CanariesIntact());
        EXPECT_EQ(PixelMultiset(output.Pixels()), PixelMultiset(frame));
        return output.Pixels();
    }

    FakeHost host;
    GuardedWorld input;
    std::vector<PF_Pixel> frame;
};

TEST_F(RepeatableRenderTest, SimpleSortIsAStableSortByLumaKey)
{
    std::vector<PF_Pixel> expected = frame;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const PF_Pixel& a, const PF_Pixel& b) { return LumaKey(a) < LumaKey(b); });
    EXPECT_EQ(Rendered({ModeSimpleSort}), expected);
    EXPECT_EQ(Rendered({ModeSimpleSort}), expected);
}

TEST_F(RepeatableRenderTest, EngineModesGiveTheSameBytesEveryTime)
{
    for (A_long mode : {ModeHighlights, ModeShadows, ModeAllPixels}) {
        for (A_long orientation : {OrientationColumn, OrientationRow, OrientationBoth}) {
            const EffectSettings settings{mode, orientation, ComparatorMultiply, 100};
            const std::vector<PF_Pixel> first = Rendered(settings);
            EXPECT_EQ(first, SortedByEngine(frame, kWidth, kHeight,
                                            MakeSortOptions({SettingOfChoice<Mode>(mode),
                                                             SettingOfChoice<Orientation>(orientation),
                                                             Comparator::Multiply, 100})))
                << "mode " << mode << ", orientation " << orientation;
            EXPECT_EQ(Rendered(settings), first) << "mode " << mode << ", orientation " << orientation;
        }
    }
}

TEST_F(RepeatableRenderTest, AStoppedRenderHasWrittenItsRowsAndNoMore)
{
    for (A_long mode : {ModeSimpleSort, ModeRandom, ModeAllPixels}) {
        host.progressCalls.clear();
        host.stopAtProgressCall = 4;  // the report after row 6
        GuardedWorld output(kWidth, kHeight, 2);
        EXPECT_EQ(SendRender(host, input.layer, output.layer, {mode, OrientationRow}), host.stopCode);
        const std::vector<PF_Pixel> written = output.Pixels();
        for (size_t i = 0; i < written.size(); ++i) {
            const bool inStoppedRows = i < size_t(6 * kWidth);
            ASSERT_EQ(written[i] == Canary(), !inStoppedRows) << "mode " << mode << ", pixel " << i;
        }
        EXPECT_TRUE(output.CanariesIntact());
    }
}

}  // namespace
