// RandSequence: the Windows C runtime's rand as a value of its own. Each call moves
// the state on as state * 214013 + 2531011 (modulo 2^32) and returns bits 16 to 30
// of it, 0 .. kMax; a state of 1, the runtime's own unseeded start, gives 41,
// 18467, 6334, 26500, ... So a build on another C runtime draws the sequence the
// Windows plug-in draws, and a caller that seeds the state draws a sequence that
// depends on that seed alone, on every machine.
#pragma once

#include <cstdint>

struct RandSequence {
    static constexpr uint32_t kMax = 0x7FFF;
    uint32_t state = 1;

    uint32_t operator()()
    {
        state = state * 214013u + 2531011u;
        return (state >> 16) & kMax;
    }
};
