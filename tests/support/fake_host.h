// FakeHost: a scriptable stand-in for the host in tests. It owns the records the
// effect reads, answers the callbacks the effect makes (add_param, progress,
// ansi.strcpy, the basic suite handing out the "PF ANSI Suite" version 1), records
// every call, and can be told to refuse a suite, fail add_param or stop a render.
// Send() calls the linked EntryPointFunc the way the host does.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host_api.h"

using SuiteCall = std::pair<std::string, int32_t>;  // suite name, version

struct FakeHost {
    enum class SuiteAnswer { Give, RefuseWithError, GiveNull };

    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    PF_Err Send(PF_Cmd cmd, PF_ParamDef* params[] = nullptr, PF_LayerDef* output = nullptr);

    PF_InData in_data;
    PF_OutData out_data;
    PF_UtilCallbacks utils;
    SPBasicSuite basic;
    PF_ANSISuite1 ansi;

    // Suite traffic.
    SuiteAnswer suiteAnswer = SuiteAnswer::Give;
    std::vector<SuiteCall> acquired;
    std::vector<SuiteCall> released;

    // add_param: every definition as passed, and the popup entries it pointed to.
    std::vector<PF_ParamDef> addedParams;
    std::vector<std::string> addedChoices;
    std::vector<A_long> addParamIndices;  // the index argument of each call
    int addParamFailAt = -1;              // zero-based call that fails, or -1
    PF_Err addParamError = PF_Err_NONE;

    // progress: every (current, total); the call numbered stopAtProgressCall answers stopCode.
    std::vector<std::pair<A_long, A_long>> progressCalls;
    int stopAtProgressCall = -1;
    PF_Err stopCode = PF_Interrupt_CANCEL;
};
