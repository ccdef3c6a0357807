// The two ANSI functions a host hands an effect that this project uses: sprintf,
// bounded by the host's message field (PF_MAX_EFFECT_MSG_LEN + 1 bytes), and
// strcpy. Shared by talvenor and the tests' fake host.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "host_api.h"

inline int AnsiSprintf(A_char* destination, const A_char* format, ...)
{
    va_list values;
    va_start(values, format);
    const int length = std::vsnprintf(destination, PF_MAX_EFFECT_MSG_LEN + 1, format, values);
    va_end(values);
    return length;
}

inline A_char* AnsiStrcpy(A_char* destination, const A_char* source)
{
    return std::strcpy(destination, source);
}
