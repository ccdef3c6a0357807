// The host's callback tables. The effect uses only strcpy and sprintf of the ANSI
// functions; the other slots stay null, so any use of them fails loudly.
#include "host_suites.h"

#include <cstring>

#include "ansi_functions.h"

namespace {

constexpr SPErr SuiteNotFound = 1;

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
    return name && std::strcmp(name, kPFANSISuite) == 0 && version == kPFANSISuiteVersion1;
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
