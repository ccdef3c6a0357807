// Plays the host's first calls against the module given on the command line:
// GlobalSetup, then About with a basic suite that hands out the ANSI suite.
// Prints each failed check and exits 1 if there is one.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "expect.h"
#include "host/ansi_functions.h"
#include "host_api.h"
#include "module_loading.h"

namespace {

std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(value));
    return text;
}

// Bits the host had set must stay set; exactly `added` joins them.
void ExpectBitsAdded(const char* field, A_long before, A_long after, A_long added)
{
    Expect(after == (before | added), std::string(field) + " went from " + Hex(before) + " to " + Hex(after) +
                                          ", expected " + Hex(added) + " added");
}

// Quotes text with carriage returns and line feeds made visible.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) quoted += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return quoted + "\"";
}

// The host side of About: every suite call is logged in order.
std::vector<std::string> suiteCalls;

SPErr AcquireSuite(const char* name, int32_t version, const void** suite)
{
    suiteCalls.push_back("acquire " + std::string(name) + " v" + std::to_string(version));
    static PF_ANSISuite1 ansi = [] {
        PF_ANSISuite1 table{};
        table.sprintf = AnsiSprintf;
        return table;
    }();
    if (std::strcmp(name, "PF ANSI Suite") != 0 || version != 1) return 1;
    *suite = &ansi;
    return 0;
}

SPErr ReleaseSuite(const char* name, int32_t version)
{
    suiteCalls.push_back("release " + std::string(name) + " v" + std::to_string(version));
    return 0;
}

void CheckGlobalSetup(PF_EntryPointFunc entry)
{
    // A filled record shows any write outside the three fields GlobalSetup owns.
    PF_OutData before;
    std::memset(&before, 0xA5, sizeof before);
    before.out_flags = PF_OutFlag_DEEP_COLOR_AWARE;
    before.out_flags2 = PF_OutFlag2_SUPPORTS_THREADED_RENDERING;
    PF_OutData out_data;
    std::memcpy(&out_data, &before, sizeof out_data);
    PF_InData in_data{};

    PF_Err err = entry(PF_Cmd_GLOBAL_SETUP, &in_data, &out_data, nullptr, nullptr, nullptr);

    Expect(err == PF_Err_NONE, "GlobalSetup returned " + std::to_string(err));
    Expect(out_data.my_version == 0x81001, "my_version is " + Hex(out_data.my_version) + ", expected 0x81001");
    ExpectBitsAdded("out_flags", before.out_flags, out_data.out_flags, 0x440);
    ExpectBitsAdded("out_flags2", before.out_flags2, out_data.out_flags2, 0x1);
    PF_OutData expected;
    std::memcpy(&expected, &before, sizeof expected);
    expected.my_version = out_data.my_version;
    expected.out_flags = out_data.out_flags;
    expected.out_flags2 = out_data.out_flags2;
    Expect(std::memcmp(&out_data, &expected, sizeof expected) == 0,
           "GlobalSetup changed out_data outside my_version, out_flags and out_flags2");
}

void CheckAbout(PF_EntryPointFunc entry)
{
    SPBasicSuite basic{};
    basic.AcquireSuite = AcquireSuite;
    basic.ReleaseSuite = ReleaseSuite;
    PF_InData in_data{};
    in_data.pica_basicP = &basic;
    PF_OutData out_data;
    std::memset(&out_data, 0xA5, sizeof out_data);  // a missing terminator shows as junk

    PF_Err err = entry(PF_Cmd_ABOUT, &in_data, &out_data, nullptr, nullptr, nullptr);

    Expect(err == PF_Err_NONE, "About returned " + std::to_string(err));
    const std::string message(out_data.return_msg, strnlen(out_data.return_msg, sizeof out_data.return_msg));
    const std::string expectedMessage = "Talvenor, v1.0.2\rTalvenor plugin for After Effects";
    Expect(message == expectedMessage, "return_msg is " + Quoted(message) + ", expected " + Quoted(expectedMessage));
    const std::vector<std::string> expectedCalls = {"acquire PF ANSI Suite v1", "release PF ANSI Suite v1"};
    std::string calls;
    for (const std::string& call : suiteCalls) calls += " [" + call + "]";
    Expect(suiteCalls == expectedCalls, "suite calls were" + (calls.empty() ? std::string(" none") : calls) +
                                            ", expected one acquire and one release of PF ANSI Suite v1");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s MODULE\n", argv[0]);
        return 2;
    }
    HMODULE module = LoadModule(argv[1]);
    if (!module) return 1;
    PF_EntryPointFunc entry = nullptr;
    if (FindExport(module, "EntryPointFunc", entry)) {
        CheckGlobalSetup(entry);
        CheckAbout(entry);
    } else {
        ++failureCount;
    }
    if (!UnloadModule(module)) ++failureCount;
    return failureCount == 0 ? 0 : 1;
}
