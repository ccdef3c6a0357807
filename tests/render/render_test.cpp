// Render through EntryPointFunc with a fake host: each Mode against the ordering or
// the engine called directly, the option mapping, strides, progress and stopping,
// and the records a render must refuse without touching the output.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <thread>
#include <vector>

#include "engine_options.h"
#include "guarded_world.h"
#include "host_pixels.h"
#include "render_call.h"

namespace {

class RenderTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 12;
    static constexpr int kHeight = 9;

    RenderTest() : input(kWidth, kHeight, 3), frame(RandomPixels(kWidth * kHeight, 3)) { input.Fill(frame); }

    PF_Err Send(const EffectSettings& settings, GuardedWorld& output, GuardedWorld* source = nullptr)
    {
        return SendRender(host, (source ? source : &input)->layer, output.layer, settings);
    }

    // A full render into an output world with its own row gap, checked for the
    // properties every render has: success, no stray write, the input's pixels.
    std::vector<PF_Pixel> Rendered(const EffectSettings& settings)
    {
        GuardedWorld output(kWidth, kHeight, 1);
        EXPECT_EQ(Send(settings, output), PF_Err_NONE);
        EXPECT_TRUE(output.CanariesIntact());
        EXPECT_EQ(PixelMultiset(output.Pixels()), PixelMultiset(frame));
        EXPECT_EQ(input.Pixels(), frame);
        EXPECT_TRUE(input.CanariesIntact());
        return output.Pixels();
    }

    void ExpectOutputUntouched(PF_Err expected, GuardedWorld& output, GuardedWorld* source = nullptr,
                               const EffectSettings& settings = {})
    {
        EXPECT_EQ(Send(settings, output, source), expected);
        EXPECT_EQ(output.Pixels(), std::vector<PF_Pixel>(output.Pixels().size(), Canary()));
        EXPECT_TRUE(output.CanariesIntact());
        EXPECT_TRUE(host.progressCalls.empty());
    }

    FakeHost host;
    GuardedWorld input;
    std::vector<PF_Pixel> frame;
};

TEST_F(RenderTest, EngineModesReachTheEngineWithMappedOptions)
{
    using D = SortDirection;
    using C = SortComparator;
    using M = SortMode;
    const std::pair<EffectSettings, SortOptions> cases[] = {
        {{ModeHighlights, OrientationRow, ComparatorAverage, 45}, {D::Row, C::Average, M::Highlights, 210}},
        {{ModeHighlights, OrientationRow, ComparatorAverage, 0}, {D::Row, C::Average, M::Highlights, 255}},
        {{ModeHighlights, OrientationRow, ComparatorAverage, 255}, {D::Row, C::Average, M::Highlights, 0}},
        {{ModeHighlights, OrientationRow, ComparatorAverage, -7}, {D::Row, C::Average, M::Highlights, 0}},
        {{ModeHighlights, OrientationColumn, ComparatorMax, 90}, {D::Column, C::Max, M::Highlights, 165}},
        {{ModeShadows, OrientationRow, ComparatorAverage, 45}, {D::Row, C::Average, M::Shadows, 45}},
        {{ModeShadows, OrientationColumn, ComparatorMultiply, -7}, {D::Column, C::Multiply, M::Shadows, 0}},
        {{ModeAllPixels, OrientationBoth, ComparatorMin, 45}, {D::Both, C::Min, M::AllPixels, 45}},
        {{ModeAllPixels, OrientationColumn, ComparatorXor, 45}, {D::Column, C::Xor, M::AllPixels, 45}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Rendered(c.first), SortedByEngine(frame, kWidth, kHeight, c.second))
            << "mode " << c.first.mode << ", threshold " << c.first.threshold;
    }
}

TEST_F(RenderTest, UnnamedAndOutOfRangeChoicesActAsTheLastNamedOnes)
{
    for (A_long beyond : {6, 0, 99}) {
        EXPECT_EQ(Rendered({beyond, OrientationRow}), Rendered({ModeAllPixels, OrientationRow})) << beyond;
    }
    EXPECT_EQ(Rendered({ModeShadows, 4, ComparatorAverage, 120}),
              Rendered({ModeShadows, OrientationBoth, ComparatorAverage, 120}));
    EXPECT_EQ(Rendered({ModeAllPixels, OrientationRow, 6}), Rendered({ModeAllPixels, OrientationRow, ComparatorXor}));
}

TEST_F(RenderTest, WholeFrameModesMatchTheirOrderingsWhateverTheOtherSettings)
{
    std::vector<PF_Pixel> expected = frame;
    SortPixelsByLuma(expected.data(), expected.size());
    EXPECT_EQ(Rendered({ModeSimpleSort}), expected);
    EXPECT_EQ(Rendered({ModeSimpleSort, OrientationBoth, ComparatorXor, 200}), expected);
    EXPECT_EQ(Rendered({ModeSimpleSort, 4, 6, -3}), expected);

    // Every thread's sequence starts afresh, so the two agree when each goes first
    // on a thread of its own.
    std::vector<PF_Pixel> shuffled;
    std::thread([&] { shuffled = Rendered({ModeRandom}); }).join();
    expected = frame;
    std::thread([&] { ShufflePixels(expected.data(), expected.size()); }).join();
    EXPECT_EQ(shuffled, expected);
}

TEST_F(RenderTest, ReportsRowsTwoToLastIntoWhatFitsAndStopsWhenTheHostSaysSo)
{
    Rendered({});
    std::vector<std::pair<A_long, A_long>> expected;
    for (A_long row = 2; row <= kHeight; ++row) expected.emplace_back(row, kHeight);
    EXPECT_EQ(host.progressCalls, expected);

    // Both ways out: the working copy (Simple Sort) and row by row (a Row pass).
    std::vector<std::pair<EffectSettings, std::vector<PF_Pixel>>> cases;
    cases.emplace_back(EffectSettings{ModeSimpleSort}, frame);
    SortPixelsByLuma(cases.back().second.data(), cases.back().second.size());
    for (A_long mode : {ModeHighlights, ModeShadows, ModeAllPixels}) {
        cases.emplace_back(
            EffectSettings{mode, OrientationRow, ComparatorMultiply, 90},
            SortedByEngine(frame, kWidth, kHeight,
                           MakeSortOptions({SettingOfChoice<Mode>(mode), Orientation::Row, Comparator::Multiply, 90})));
    }
    for (const auto& [settings, sorted] : cases) {
        GuardedWorld smaller(kWidth - 5, kHeight - 4, 2);
        host.progressCalls.clear();
        host.stopAtProgressCall = -1;
        EXPECT_EQ(Send(settings, smaller), PF_Err_NONE) << settings.mode;
        for (int y = 0; y < kHeight - 4; ++y) {
            for (int x = 0; x < kWidth - 5; ++x) EXPECT_EQ(smaller.At(x, y), sorted[y * kWidth + x]) << x << "," << y;
        }
        EXPECT_TRUE(smaller.CanariesIntact());
        EXPECT_EQ(host.progressCalls.back(), std::make_pair(A_long{kHeight - 4}, A_long{kHeight - 4}));

        host.progressCalls.clear();
        host.stopAtProgressCall = 2;  // the report after the fourth row, of the 6 that fit
        host.stopCode = 99;
        GuardedWorld stopped(kWidth - 5, kHeight - 3, 2);
        EXPECT_EQ(Send(settings, stopped), 99) << settings.mode;
        EXPECT_EQ(host.progressCalls.back(), std::make_pair(A_long{4}, A_long{kHeight - 3})) << settings.mode;
        for (int y = 0; y < kHeight - 3; ++y) {
            for (int x = 0; x < kWidth - 5; ++x) {
                EXPECT_EQ(stopped.At(x, y), y < 4 ? sorted[y * kWidth + x] : Canary())
                    << settings.mode << ": " << x << "," << y;
            }
        }
        EXPECT_TRUE(stopped.CanariesIntact());
    }
}

TEST_F(RenderTest, OneRowIsWrittenWithoutProgressAndEmptyFramesWriteNothing)
{
    GuardedWorld row(kWidth, 1, 2), rowOutput(kWidth, 1, 0);
    std::vector<PF_Pixel> expected(frame.begin(), frame.begin() + kWidth);
    row.Fill(expected);
    EXPECT_EQ(Send({ModeSimpleSort}, rowOutput, &row), PF_Err_NONE);
    SortPixelsByLuma(expected.data(), expected.size());
    EXPECT_EQ(rowOutput.Pixels(), expected);
    EXPECT_TRUE(host.progressCalls.empty());

    GuardedWorld noRows(kWidth, 0, 1), noColumns(0, kHeight, 1), output(kWidth, kHeight, 1);
    ExpectOutputUntouched(PF_Err_NONE, output, &noRows);
    ExpectOutputUntouched(PF_Err_NONE, output, &noColumns);
}

TEST_F(RenderTest, RefusesUnusableRecordsWithoutTouchingTheOutput)
{
    GuardedWorld output(kWidth, kHeight, 1);
    host.in_data.pica_basicP = nullptr;
    ExpectOutputUntouched(PF_Err_BAD_CALLBACK_PARAM, output);
    host.in_data.pica_basicP = &host.basic;

    GuardedWorld negative(kWidth, kHeight, 0), narrowRows(kWidth, kHeight, 0), noData(kWidth, kHeight, 0);
    negative.layer.height = -1;
    narrowRows.layer.rowbytes = 4 * kWidth - 4;
    noData.layer.data = nullptr;
    for (GuardedWorld* source : {&negative, &narrowRows, &noData}) {
        ExpectOutputUntouched(PF_Err_BAD_CALLBACK_PARAM, output, source);
    }
    output.layer.rowbytes = 0;
    ExpectOutputUntouched(PF_Err_BAD_CALLBACK_PARAM, output);
    EXPECT_EQ(host.Send(PF_Cmd_RENDER, nullptr, &output.layer), PF_Err_BAD_CALLBACK_PARAM);
}

TEST_F(RenderTest, FrameTooLargeForMemoryLeavesTheOutputUntouched)
{
    // The claimed frame holds about 2^59 pixels: no allocation can succeed, so its
    // data, a single row here, is never read.
    GuardedWorld huge(1, 1, 0);
    huge.layer.width = 1 << 28;
    huge.layer.rowbytes = 1 << 30;
    huge.layer.height = INT_MAX;
    GuardedWorld output(4, 4, 1);
    for (A_long mode : {ModeSimpleSort, ModeRandom, ModeHighlights}) {
        ExpectOutputUntouched(PF_Err_OUT_OF_MEMORY, output, &huge, {mode});
    }
}

}  // namespace
