// Renders through EntryPointFunc while the heap refuses one allocation, for every
// allocation that a full render makes, in every Mode and, in the engine's Modes,
// every orientation. Whichever allocation fails, the host must get
// PF_Err_OUT_OF_MEMORY or PF_Err_NONE, no exception, no leaked block, and an
// output world that is either untouched or holds a whole rearranged frame.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "counting_allocator.h"
#include "fake_host.h"
#include "guarded_world.h"
#include "render_params.h"

namespace {

constexpr int kWidth = 13;
constexpr int kHeight = 7;

// The host's progress answer, kept free of allocations so that every counted
// allocation is the effect's own.
PF_Err QuietProgress(PF_ProgPtr, A_long, A_long)
{
    return PF_Err_NONE;
}

bool IsUntouched(GuardedWorld& world)
{
    return world.Pixels() == std::vector<PF_Pixel>(world.Pixels().size(), Canary()) && world.CanariesIntact();
}

class AllocationFailureTest : public ::testing::TestWithParam<EffectSettings> {
protected:
    AllocationFailureTest() : input(kWidth, kHeight, 2), frame(RandomPixels(kWidth * kHeight, 11))
    {
        input.Fill(frame);
        host.in_data.inter.progress = QuietProgress;
    }

    static void TearDownTestSuite() { std::cout << "allocation failure points tried: " << failurePointsTried << "\n"; }

    // Renders with the attempt numbered failAt failing (0: none) and checks what
    // holds whichever allocation fails. Returns the allocations attempted.
    int64_t RenderFailing(int64_t failAt)
    {
        GuardedWorld output(kWidth, kHeight, 1);
        RenderParams params(input.layer, GetParam());
        const int64_t liveBefore = LiveAllocations();
        PF_Err result = PF_Err_INTERNAL_STRUCT_DAMAGED;

        ArmAllocationFailure(failAt);
        EXPECT_NO_THROW(result = host.Send(PF_Cmd_RENDER, params.List(), &output.layer));
        const int64_t attempts = DisarmAllocationFailure();

        EXPECT_EQ(LiveAllocations(), liveBefore) << "blocks leaked";
        EXPECT_TRUE(result == PF_Err_OUT_OF_MEMORY || result == PF_Err_NONE) << result;
        const bool wholeFrame = output.CanariesIntact() && PixelMultiset(output.Pixels()) == PixelMultiset(frame);
        EXPECT_TRUE(wholeFrame || IsUntouched(output)) << "output partly written or not the input's pixels";
        if (result == PF_Err_NONE) {
            EXPECT_TRUE(wholeFrame) << "success without the whole frame";
        }
        EXPECT_EQ(input.Pixels(), frame);
        EXPECT_TRUE(input.CanariesIntact());
        return attempts;
    }

    FakeHost host;
    GuardedWorld input;
    std::vector<PF_Pixel> frame;
    static int64_t failurePointsTried;
};

int64_t AllocationFailureTest::failurePointsTried = 0;

TEST_P(AllocationFailureTest, AnyFailedAllocationEndsInOutOfMemoryOrAWholeFrame)
{
    const int64_t allocations = RenderFailing(0);
    ASSERT_GT(allocations, 0) << "a render needs at least its working copy";
    for (int64_t failAt = 1; failAt <= allocations; ++failAt) {
        SCOPED_TRACE("allocation " + std::to_string(failAt) + " of " + std::to_string(allocations) + " fails");
        // The attempts before the failing one are those of the full render, so the
        // failing one is always reached.
        EXPECT_GE(RenderFailing(failAt), failAt);
        if (HasFailure()) break;
    }
    failurePointsTried += allocations;
    std::cout << allocations << " failure points for " << GetParam() << "\n";
}

std::string SettingName(const ::testing::TestParamInfo<EffectSettings>& info)
{
    return "Mode" + std::to_string(info.param.mode) + "Orientation" + std::to_string(info.param.orientation);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, AllocationFailureTest,
                         ::testing::ValuesIn(EveryModeAndOrientation(ComparatorAverage)), SettingName);

}  // namespace
