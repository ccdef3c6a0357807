// The frei0r face called as a host calls it: frames of odd sizes at any 4-byte
// alignment, in place, values that name nothing, renders that run out of memory,
// and updates of one instance from several threads while its values change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "counting_allocator.h"
#include "frei0r_api.h"

namespace {

using Frame = std::vector<uint32_t>;

const char* const kModes[] = {"simple sort", "Random", "HIGHLIGHTS", "shadows", "All pixels", "6"};

Frame RandomFrame(size_t pixels, uint32_t seed)
{
    std::mt19937 random(seed);
    Frame frame(pixels);
    for (uint32_t& pixel : frame) pixel = random() & 0xF0F0F0FFu;  // few colours: many equal keys
    return frame;
}

bool IsRearrangement(Frame before, Frame after)
{
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    return before == after;
}

void SetText(f0r_instance_t instance, int index, const char* text)
{
    f0r_set_param_value(instance, &text, index);
}

std::string TextOf(f0r_instance_t instance, int index)
{
    const char* text = nullptr;
    f0r_get_param_value(instance, &text, index);
    return text ? text : "(null)";
}

double ThresholdOf(f0r_instance_t instance)
{
    double threshold = -1;
    f0r_get_param_value(instance, &threshold, 3);
    return threshold;
}

Frame Update(f0r_instance_t instance, const Frame& input)
{
    Frame output(input.size());
    f0r_update(instance, 0, input.data(), output.data());
    return output;
}

TEST(Frei0rFace, RearrangesFramesOfAnySizeAtAnyAlignmentAndInPlace)
{
    for (const auto& size : std::vector<std::pair<unsigned, unsigned>>{{1, 1}, {3, 5}, {37, 23}, {616, 3}, {0, 4}}) {
        const f0r_instance_t instance = f0r_construct(size.first, size.second);
        for (const char* mode : kModes) {
            SetText(instance, 0, mode);
            SetText(instance, 1, "both");
            const size_t pixels = size_t{size.first} * size.second;
            // One pixel past a 16-byte boundary, in and out.
            const Frame input = RandomFrame(pixels + 1, size.first);
            Frame output(pixels + 1);
            f0r_update(instance, 0, input.data() + 1, output.data() + 1);
            EXPECT_TRUE(IsRearrangement({input.begin() + 1, input.end()}, {output.begin() + 1, output.end()}))
                << mode << " at " << size.first << " x " << size.second;
            Frame inPlace(input.begin() + 1, input.end());
            f0r_update(instance, 0, inPlace.data(), inPlace.data());
            EXPECT_TRUE(IsRearrangement({input.begin() + 1, input.end()}, inPlace)) << mode << " in place";
        }
        f0r_destruct(instance);
    }
}

TEST(Frei0rFace, KeepsTheValueWhenTextOrNumberNamesNothing)
{
    const f0r_instance_t instance = f0r_construct(8, 8);
    EXPECT_EQ(TextOf(instance, 0), "Highlights");
    EXPECT_EQ(ThresholdOf(instance), 45.0 / 255);
    SetText(instance, 0, "all PIXELS");
    for (const char* nothing : {"nonsense", "", "0", "7", "-1", "5.0", " 5"}) SetText(instance, 0, nothing);
    SetText(instance, 0, nullptr);
    EXPECT_EQ(TextOf(instance, 0), "all PIXELS");
    SetText(instance, 2, "4");
    SetText(instance, 2, "Maximum");
    EXPECT_EQ(TextOf(instance, 2), "4");
    for (double nothing : {std::nan(""), std::numeric_limits<double>::infinity(), -0.01, 1.01}) {
        f0r_set_param_value(instance, &nothing, 3);
    }
    EXPECT_EQ(ThresholdOf(instance), 45.0 / 255);
    f0r_set_param_value(instance, nullptr, 0);
    f0r_set_param_value(instance, nullptr, 3);
    const char* unknown = "Row";
    f0r_set_param_value(instance, &unknown, 9);
    f0r_set_param_value(instance, &unknown, -1);
    EXPECT_EQ(TextOf(instance, 1), "Column");
    f0r_destruct(instance);
}

TEST(Frei0rFace, RunningOutOfMemoryNeverLosesAPixel)
{
    const Frame input = RandomFrame(40 * 30, 7);
    const f0r_instance_t instance = f0r_construct(40, 30);
    for (const char* mode : kModes) {
        SetText(instance, 0, mode);
        int64_t attempts = 0;
        for (int64_t failAt = 1; failAt == 1 || failAt <= attempts; ++failAt) {
            Frame output(input.size());
            ArmAllocationFailure(failAt);
            f0r_update(instance, 0, input.data(), output.data());
            attempts = DisarmAllocationFailure();
            EXPECT_TRUE(IsRearrangement(input, output)) << mode << ", allocation " << failAt << " failing";
            // The render's first allocation is its working memory: without it the frame goes through.
            if (failAt == 1 && attempts > 0) {
                EXPECT_EQ(output, input) << mode;
            }
        }
    }
    f0r_destruct(instance);
}

TEST(Frei0rFace, UpdatesOneInstanceFromSeveralThreadsWhileItsValuesChange)
{
    const Frame input = RandomFrame(64 * 48, 3);
    const f0r_instance_t instance = f0r_construct(64, 48);
    std::vector<std::thread> renders;
    std::vector<int> rearranged(4, 0);
    for (size_t thread = 0; thread < rearranged.size(); ++thread) {
        renders.emplace_back([&, thread] {
            for (int frame = 0; frame < 20; ++frame)
                rearranged[thread] += IsRearrangement(input, Update(instance, input));
        });
    }
    for (int change = 0; change < 200; ++change) {
        SetText(instance, 0, kModes[change % 6]);
        SetText(instance, 1, change % 2 ? "Row" : "Both");
        double threshold = change % 11 / 10.0;
        f0r_set_param_value(instance, &threshold, 3);
    }
    for (std::thread& render : renders) render.join();
    EXPECT_EQ(rearranged, std::vector<int>(rearranged.size(), 20));
    f0r_destruct(instance);
}

}  // namespace
