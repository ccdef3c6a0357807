// Drawing below a bound from generators narrower than the bound: values joined most
// significant first, the top block thrown away, results uniform; and the shuffle
// uniform on a 15-bit generator like the Windows runtime's rand, whose joining
// glibc's 31-bit rand never reaches for real frames.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "guarded_world.h"
#include "host_pixels.h"
#include "rand_sequence.h"
#include "shuffle_with.h"
#include "uniform_draw.h"

namespace {

constexpr uint32_t k15BitMax = 0x7FFF;
constexpr uint32_t k31BitMax = 0x7FFFFFFF;

// Uniform values 0 .. max from a fixed seed.
struct FakeGenerator {
    FakeGenerator(uint32_t maximum, unsigned seed) : max(maximum), random(seed) {}
    int operator()() { return static_cast<int>(random() & max); }
    uint32_t max;
    std::mt19937 random;
};

// Hands out the values it was given, in order.
struct ScriptedGenerator {
    int operator()() { return values.at(next++); }
    std::vector<int> values;
    size_t next = 0;
};

// Chi-square of counts against equal expectations.
double ChiSquare(const std::vector<int>& counts, double expected)
{
    double sum = 0;
    for (int count : counts) sum += (count - expected) * (count - expected) / expected;
    return sum;
}

TEST(RandSequence, GivesTheWindowsRuntimesRandUnseededAndFromAnySeed)
{
    // The first values of rand in a program built with MinGW-w64, run under Wine.
    RandSequence unseeded;
    for (uint32_t expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358}) EXPECT_EQ(unseeded(), expected);
    // The runtime's own one step at a time.
    for (uint32_t seed : {0u, 12345u, 0xFFFFFFFFu}) {
        RandSequence sequence(seed);
        uint32_t state = seed;
        for (int i = 0; i < 1000; ++i) {
            state = state * 214013u + 2531011u;
            ASSERT_EQ(sequence(), (state >> 16) & 0x7FFF) << "seed " << seed << ", value " << i;
        }
    }
}

TEST(RemainderBelow, IsExactBesideMultiplesOfTheBoundUpTo32Bits)
{
    std::mt19937_64 random(3);
    for (int i = 0; i < 100000; ++i) {
        const uint64_t bound = 1 + (random() >> (32 + random() % 32));  // 1 .. 2^32 - 1, small ones as often
        const uint64_t multiple = bound * (random() % (UINT32_MAX / bound + 1));
        for (uint64_t value : {multiple - 1, multiple, multiple + 1}) {
            if (value > UINT32_MAX) continue;
            ASSERT_EQ(RemainderBelow(value, bound), value % bound) << value << " modulo " << bound;
        }
    }
    EXPECT_EQ(RemainderBelow(UINT32_MAX, UINT32_MAX - 1), 1u);
    EXPECT_EQ(RemainderBelow(uint64_t{1} << 40, 3), 1u);
}

TEST(DrawBelow, JoinsValuesMostSignificantFirstAndDrawsAgainInTheTopBlock)
{
    ScriptedGenerator joined{{1, 2}};
    EXPECT_EQ(DrawBelow(uint64_t{1} << 30, joined, k15BitMax), (uint64_t{1} << 15) + 2);
    EXPECT_EQ(joined.next, 2u);

    // Below 2^30 - 1 from a 30-bit span the top block is 2^30 - 2 and 2^30 - 1:
    // the first draw falls in it and is replaced by the next, 5 modulo the bound.
    ScriptedGenerator rejected{{0x7FFF, 0x7FFF, 0, 5}};
    EXPECT_EQ(DrawBelow((uint64_t{1} << 30) - 1, rejected, k15BitMax), 5u);
    EXPECT_EQ(rejected.next, 4u);

    ScriptedGenerator single{{40000}};
    EXPECT_EQ(DrawBelow(30000, single, k31BitMax), 10000u);
}

TEST(DrawBelow, IsUniformForBoundsThatTakeSeveralGeneratorValues)
{
    // Two 15-bit values barely covering the bound; two with a top block of a third
    // of the span; three; three over 45 bits; and two 31-bit values.
    const std::pair<uint32_t, uint64_t> cases[] = {
        {k15BitMax, 32769},
        {k15BitMax, 715827883},
        {k15BitMax, (uint64_t{1} << 30) + 1},
        {k15BitMax, (uint64_t{3} << 40) + 5},
        {k31BitMax, (uint64_t{3} << 60) / 7},
    };
    constexpr int kBuckets = 16, kDraws = 64000;
    unsigned seed = 1;
    for (const auto& c : cases) {
        FakeGenerator generator(c.first, ++seed);
        std::vector<int> buckets(kBuckets), parity(2);
        for (int i = 0; i < kDraws; ++i) {
            const uint64_t value = DrawBelow(c.second, generator, c.first);
            ASSERT_LT(value, c.second);
            ++buckets[static_cast<size_t>(value / ((c.second + kBuckets - 1) / kBuckets))];
            ++parity[value % 2];
        }
        // 15 degrees of freedom: 50 is passed by chance about once in a hundred
        // thousand; one degree: 25 about once in a million.
        EXPECT_LT(ChiSquare(buckets, double(kDraws) / kBuckets), 50.0) << "bound " << c.second;
        EXPECT_LT(ChiSquare(parity, kDraws / 2.0), 25.0) << "bound " << c.second;
    }
}

TEST(ShuffleWith, MovesAPixelAnywhereInAFrameLargerThanOneNarrowValue)
{
    constexpr size_t kPixels = 40000;
    constexpr int kShuffles = 400, kBuckets = 8;
    FakeGenerator generator(k15BitMax, 77);
    const std::vector<PF_Pixel> input = RandomPixels(kPixels, 5);
    std::vector<int> buckets(kBuckets);
    for (int i = 0; i < kShuffles; ++i) {
        std::vector<PF_Pixel> frame = input;
        ShuffleWith(AsPixels(frame.data()), frame.size(), generator, k15BitMax);
        if (i == 0) {
            ASSERT_EQ(PixelMultiset(frame), PixelMultiset(input));
        }
        const size_t position = size_t(std::find(frame.begin(), frame.end(), input[0]) - frame.begin());
        ++buckets[position * kBuckets / kPixels];
    }
    // 7 degrees of freedom: 35 is passed by chance about once in a hundred thousand.
    EXPECT_LT(ChiSquare(buckets, double(kShuffles) / kBuckets), 35.0);
}

// The shuffle as the textbook gives it: each partner drawn just before its swap.
void PlainFisherYates(std::vector<PF_Pixel>& pixels, FakeGenerator& generator)
{
    for (size_t k = 1; k < pixels.size(); ++k) {
        std::swap(pixels[k], pixels[DrawBelow(uint64_t{k} + 1, generator, generator.max)]);
    }
}

TEST(ShuffleWith, MakesTheSameSwapsAsAPlainFisherYatesAndLeavesTheGeneratorAlike)
{
    // Frames shorter than, as long as and longer than the draws it makes ahead, on
    // both a 15-bit and a 31-bit generator.
    for (uint32_t maximum : {k15BitMax, k31BitMax}) {
        for (size_t count : {0, 1, 2, 63, 64, 65, 66, 129, 1000, 70001}) {
            const std::vector<PF_Pixel> input = RandomPixels(count, unsigned(count));
            FakeGenerator ours(maximum, 9), plain(maximum, 9);
            std::vector<PF_Pixel> shuffled = input, expected = input;
            ShuffleWith(AsPixels(shuffled.data()), shuffled.size(), ours, maximum);
            PlainFisherYates(expected, plain);
            ASSERT_EQ(shuffled, expected) << count << " pixels";
            EXPECT_EQ(ours(), plain()) << "the same number of draws, " << count << " pixels";
        }
    }
}

}  // namespace
