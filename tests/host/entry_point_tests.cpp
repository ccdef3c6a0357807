// The entry point as the host sees it: About's text and its failures, GlobalSetup's
// flags, commands left unanswered, and the guard that keeps every exception inside.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

#include "entry_point.h"
#include "fake_host.h"

namespace {

const SuiteCall AnsiSuite1{"PF ANSI Suite", 1};

void FillWithPattern(PF_OutData& out_data)
{
    std::memset(&out_data, 0xA7, sizeof out_data);
}

bool SameBytes(const PF_OutData& a, const PF_OutData& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(About, WritesExactlyNameVersionAndDescription)
{
    FakeHost host;
    FillWithPattern(host.out_data);
    const std::string text = std::string("Talvenor, v1.0.2") + '\r' + "Talvenor plugin for After Effects";
    PF_OutData expected = host.out_data;
    std::memcpy(expected.return_msg, text.c_str(), text.size() + 1);

    ASSERT_EQ(host.Send(PF_Cmd_ABOUT), PF_Err_NONE);

    EXPECT_EQ(std::string(host.out_data.return_msg), text);
    EXPECT_TRUE(SameBytes(host.out_data, expected));
    EXPECT_EQ(host.acquired, std::vector<SuiteCall>{AnsiSuite1});
    EXPECT_EQ(host.released, std::vector<SuiteCall>{AnsiSuite1});
}

// A failure shown by the suite cache's thrown code comes back from the entry point.
TEST(About, WithoutTheAnsiSuiteGives516AndWritesNothing)
{
    FakeHost noBasicSuite;
    noBasicSuite.in_data.pica_basicP = nullptr;
    FakeHost refusing;
    refusing.suiteAnswer = FakeHost::SuiteAnswer::RefuseWithError;
    FakeHost givingNull;
    givingNull.suiteAnswer = FakeHost::SuiteAnswer::GiveNull;

    for (FakeHost* host : {&noBasicSuite, &refusing, &givingNull}) {
        FillWithPattern(host->out_data);
        const PF_OutData before = host->out_data;
        EXPECT_EQ(host->Send(PF_Cmd_ABOUT), PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_TRUE(SameBytes(host->out_data, before));
        EXPECT_TRUE(host->released.empty());
    }
}

TEST(About, SuiteWithoutSprintfGives516AndIsStillReleased)
{
    FakeHost host;
    host.ansi.sprintf = nullptr;
    FillWithPattern(host.out_data);
    const PF_OutData before = host.out_data;

    EXPECT_EQ(host.Send(PF_Cmd_ABOUT), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(SameBytes(host.out_data, before));
    EXPECT_EQ(host.released, std::vector<SuiteCall>{AnsiSuite1});
}

TEST(GlobalSetup, AddsVersionAndFlagsKeepingTheHostsBits)
{
    FakeHost host;
    FillWithPattern(host.out_data);
    host.out_data.out_flags = 0x00010001;
    host.out_data.out_flags2 = 0x00000100;
    PF_OutData expected = host.out_data;
    expected.my_version = 0x81001;
    expected.out_flags = 0x00010441;
    expected.out_flags2 = 0x00000101;

    ASSERT_EQ(host.Send(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    EXPECT_TRUE(SameBytes(host.out_data, expected));
    ASSERT_EQ(host.Send(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    EXPECT_TRUE(SameBytes(host.out_data, expected)) << "a second call must change nothing";
    EXPECT_TRUE(host.acquired.empty());
}

TEST(EntryPoint, UnansweredCommandsReturnNoneAndTouchNothing)
{
    const PF_Cmd unanswered[] = {PF_Cmd_GLOBAL_SETDOWN,
                                 PF_Cmd_SEQUENCE_SETUP,
                                 PF_Cmd_FRAME_SETUP,
                                 PF_Cmd_FRAME_SETDOWN,
                                 PF_Cmd_USER_CHANGED_PARAM,
                                 PF_Cmd_QUERY_DYNAMIC_FLAGS,
                                 2,
                                 99,
                                 -1};
    for (PF_Cmd cmd : unanswered) {
        SCOPED_TRACE(cmd);
        FakeHost host;
        FillWithPattern(host.out_data);
        const PF_OutData before = host.out_data;

        EXPECT_EQ(host.Send(cmd), PF_Err_NONE);
        EXPECT_TRUE(SameBytes(host.out_data, before));
        EXPECT_TRUE(host.acquired.empty() && host.addedParams.empty());
    }
}

TEST(EntryPoint, MissingRecordsGive516)
{
    for (PF_Cmd cmd : {PF_Cmd_ABOUT, PF_Cmd_GLOBAL_SETUP, PF_Cmd_PARAMS_SETUP}) {
        EXPECT_EQ(EntryPointFunc(cmd, nullptr, nullptr, nullptr, nullptr, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    }
}

PF_Err AddParamThrowingHostCode(PF_ProgPtr, A_long, PF_ParamDef*)
{
    throw PF_Err(PF_Interrupt_CANCEL);
}

PF_Err AddParamRunningOutOfMemory(PF_ProgPtr, A_long, PF_ParamDef*)
{
    throw std::bad_alloc();
}

PF_Err AddParamThrowingAnythingElse(PF_ProgPtr, A_long, PF_ParamDef*)
{
    throw std::runtime_error("not a host code");
}

TEST(EntryPoint, NoExceptionEscapes)
{
    const std::pair<decltype(PF_InteractCallbacks::add_param), PF_Err> cases[] = {
        {AddParamThrowingHostCode, PF_Interrupt_CANCEL},
        {AddParamRunningOutOfMemory, PF_Err_OUT_OF_MEMORY},
        {AddParamThrowingAnythingElse, PF_Err_INTERNAL_STRUCT_DAMAGED},
    };
    for (const auto& [addParam, code] : cases) {
        FakeHost host;
        host.in_data.inter.add_param = addParam;
        PF_Err result = PF_Err_NONE;
        EXPECT_NO_THROW(result = host.Send(PF_Cmd_PARAMS_SETUP));
        EXPECT_EQ(result, code);
    }
}

}  // namespace
