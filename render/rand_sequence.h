// RandSequence: the Windows C runtime's rand as a value of its own. Each value
// moves the state on as state * 214013 + 2531011 (modulo 2^32) and is bits 16 to
// 30 of the new state, 0 .. kMax; the unseeded start, state 1, gives 41, 18467,
// 6334, 26500, ... So a build on another C runtime draws the sequence the Windows
// plug-in draws, and a sequence started from a seed depends on that seed alone,
// on every machine.
//
// A step waits for the one before, and a shuffle's draws join two values, so the
// chain of steps set the pace of a 4K shuffle. So the sequence keeps two states
// and makes each new one from the state two steps back, by the step taken twice:
// the same values, with two chains that overlap.
#pragma once

#include <cstdint>

class RandSequence {
public:
    static constexpr uint32_t kMax = 0x7FFF;

    explicit RandSequence(uint32_t seed = 1) : current_(seed), next_(seed * kMultiplier + kIncrement) {}

    uint32_t operator()()
    {
        const uint32_t value = next_;
        const uint32_t afterNext = current_ * kDoubleMultiplier + kDoubleIncrement;
        current_ = next_;
        next_ = afterNext;
        return (value >> 16) & kMax;
    }

private:
    static constexpr uint32_t kMultiplier = 214013u;
    static constexpr uint32_t kIncrement = 2531011u;
    static constexpr uint32_t kDoubleMultiplier = kMultiplier * kMultiplier;
    static constexpr uint32_t kDoubleIncrement = kIncrement * kMultiplier + kIncrement;

    uint32_t current_;  // the state of the value last handed out (the seed at first)
    uint32_t next_;     // the state of the next value
};
