// The host's callback tables. The effect uses only strcpy and sprintf of the ANSI
// functions; the other slots stay null, so any use of them fails loudly.
#include "host_suites.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* AnsiSuiteName = "PF ANSI Suite";
constexpr int32_t AnsiSuiteVersion = 1;
constexpr SPErr SuiteNotFound = 1;

int AnsiSprintf(A_char* destination, const A_char* format, ...)
{
    va_list values;
    va_start(values, format);
    const int length = std::vsnprintf(destination, PF_MAX_EFFECT_MSG_LEN + 1, format, values);
    va_end(values);
    return length;
}

A_char* AnsiStrcpy(A_char* destination, const A_char* source)
{
    return std::strcpy(destination, source);
}

const PF_ANSISuite1& AnsiSuite()
{
    static const PF_ANSISuite1 suite = [] {
        PF_ANSISuite1 table{};
        table.sprintf = AnsiSprintf;
        table.strcpy = AnsiStrcpy;
        return table;
    }();
    return suite;
}

bool IsAnsiSuite(const char* name, int32_t version)
{
    return name && std::strcmp(name, AnsiSuiteName) == 0 && version == AnsiSuiteVersion;
}

SPErr AcquireSuite(const char* name, int32_t version, const void** suite)
{
    if (!suite) return SuiteNotFound;
    *suite = IsAnsiSuite(name, version) ? &AnsiSuite() : nullptr;
    return *suite ? 0 : SuiteNotFound;
}

SPErr ReleaseSuite(const char* name, int32_t version)
{
    return IsAnsiSuite(name, version) ? 0 : SuiteNotFound;
}

}  // namespace

PF_UtilCallbacks MakeUtilCallbacks()
{
    PF_UtilCallbacks utils{};
    utils.ansi.sprintf = AnsiSprintf;
    utils.ansi.strcpy = AnsiStrcpy;
    return utils;
}

SPBasicSuite MakeBasicSuite()
{
    SPBasicSuite basic{};
    basic.AcquireSuite = AcquireSuite;
    basic.ReleaseSuite = ReleaseSuite;
    return basic;
}
