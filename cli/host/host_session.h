// HostSession: plays the host for one loaded effect.
//
// It owns the records a host passes (a zeroed PF_InData with add_param, progress,
// the util callbacks and the basic suite; a PF_OutData cleared for each command),
// sends commands through the effect's EntryPointFunc and keeps the parameters the
// effect declares. in_data.effect_ref points at the session itself so that the
// callbacks find it; the session therefore can be neither copied nor moved.
// Every command returns the effect's result unchanged.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "declared_parameter.h"
#include "host_api.h"

// Told each progress report of a render; its result is the callback's answer to
// the effect (non-zero stops the render).
using ProgressListener = std::function<PF_Err(A_long done, A_long total)>;

class HostSession {
public:
    explicit HostSession(PF_EntryPointFunc entryPoint);
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    // GlobalSetup, then ParamsSetup, which fills Parameters().
    PF_Err Start();
    // The effect's About text as it wrote it.
    PF_Err About(std::string& text);
    // values holds one value for each declared parameter, in order; input and
    // output are the frames the effect reads and writes.
    PF_Err Render(PF_LayerDef& input, const std::vector<PF_ParamValue>& values, PF_LayerDef& output,
                  ProgressListener listener);

    const std::vector<DeclaredParameter>& Parameters() const { return parameters_; }

private:
    static HostSession& From(PF_ProgPtr effect_ref);
    static PF_Err AddParam(PF_ProgPtr effect_ref, A_long index, PF_ParamDef* def);
    static PF_Err Progress(PF_ProgPtr effect_ref, A_long current, A_long total);

    PF_Err Send(PF_Cmd cmd, PF_ParamDef* params[] = nullptr, PF_LayerDef* output = nullptr);

    PF_EntryPointFunc entryPoint_;
    PF_UtilCallbacks utils_;
    SPBasicSuite basic_;
    PF_InData inData_;
    PF_OutData outData_;
    std::vector<DeclaredParameter> parameters_;
    ProgressListener progressListener_;
};
