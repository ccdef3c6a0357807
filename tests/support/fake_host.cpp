// Callbacks of the fake host. The suite callbacks get no context from the effect,
// so they answer for the FakeHost most recently built on this thread.
#include "fake_host.h"

#include <cstring>

#include "entry_point.h"
#include "host/ansi_functions.h"

namespace {

thread_local FakeHost* activeHost = nullptr;

FakeHost& HostOf(PF_ProgPtr effect_ref)
{
    return *reinterpret_cast<FakeHost*>(effect_ref);
}

PF_Err AddParam(PF_ProgPtr effect_ref, A_long index, PF_ParamDef* def)
{
    FakeHost& host = HostOf(effect_ref);
    const int call = static_cast<int>(host.addedParams.size());
    host.addedParams.push_back(*def);
    host.addParamIndices.push_back(index);
    const bool popup = def->param_type == PF_Param_POPUP && def->u.pd.u.namesptr;
    host.addedChoices.push_back(popup ? def->u.pd.u.namesptr : "");
    return call == host.addParamFailAt ? host.addParamError : PF_Err_NONE;
}

PF_Err Progress(PF_ProgPtr effect_ref, A_long current, A_long total)
{
    FakeHost& host = HostOf(effect_ref);
    const int call = static_cast<int>(host.progressCalls.size());
    host.progressCalls.emplace_back(current, total);
    return call == host.stopAtProgressCall ? host.stopCode : PF_Err_NONE;
}

SPErr AcquireSuite(const char* name, int32_t version, const void** suite)
{
    FakeHost& host = *activeHost;
    switch (host.suiteAnswer) {
    case FakeHost::SuiteAnswer::RefuseWithError: return 1;
    case FakeHost::SuiteAnswer::GiveNull: *suite = nullptr; return 0;
    case FakeHost::SuiteAnswer::Give: break;
    }
    if (std::strcmp(name, kPFANSISuite) != 0 || version != kPFANSISuiteVersion1) return 1;
    host.acquired.emplace_back(name, version);
    *suite = &host.ansi;
    return 0;
}

SPErr ReleaseSuite(const char* name, int32_t version)
{
    activeHost->released.emplace_back(name, version);
    return 0;
}

}  // namespace

FakeHost::FakeHost() : in_data(), out_data(), utils(), basic(), ansi()
{
    in_data.inter.add_param = AddParam;
    in_data.inter.progress = Progress;
    in_data.effect_ref = reinterpret_cast<PF_ProgPtr>(this);
    in_data.utils = &utils;
    in_data.pica_basicP = &basic;
    utils.ansi.strcpy = AnsiStrcpy;
    utils.ansi.sprintf = AnsiSprintf;
    ansi.sprintf = AnsiSprintf;
    ansi.strcpy = AnsiStrcpy;
    basic.AcquireSuite = AcquireSuite;
    basic.ReleaseSuite = ReleaseSuite;
    activeHost = this;
}

FakeHost::~FakeHost()
{
    if (activeHost == this) activeHost = nullptr;
}

PF_Err FakeHost::Send(PF_Cmd cmd, PF_ParamDef* params[], PF_LayerDef* output)
{
    activeHost = this;
    return EntryPointFunc(cmd, &in_data, &out_data, params, output, nullptr);
}
