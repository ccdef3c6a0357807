// Checks for the Windows test programs: a failed one is printed on stderr as a
// FAIL line and counted, so that a program can report every failure and then
// exit 1 if there was one.
#pragma once

#include <cstdio>
#include <string>

inline int failureCount = 0;

inline void Expect(bool ok, const std::string& failure)
{
    if (ok) return;
    std::fprintf(stderr, "FAIL: %s\n", failure.c_str());
    ++failureCount;
}
