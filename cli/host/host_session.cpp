// The host side of each command, and the callbacks the effect calls back into.
#include "host_session.h"

#include <algorithm>
#include <utility>

#include "host_suites.h"

HostSession::HostSession(PF_EntryPointFunc entryPoint)
    : entryPoint_(entryPoint), utils_(MakeUtilCallbacks()), basic_(MakeBasicSuite()), inData_{}, outData_{}
{
    inData_.inter.add_param = AddParam;
    inData_.inter.progress = Progress;
    inData_.utils = &utils_;
    inData_.effect_ref = reinterpret_cast<PF_ProgPtr>(this);
    inData_.pica_basicP = &basic_;
}

PF_Err HostSession::Start()
{
    if (const PF_Err err = Send(PF_Cmd_GLOBAL_SETUP)) return err;
    parameters_.clear();
    return Send(PF_Cmd_PARAMS_SETUP);
}

PF_Err HostSession::About(std::string& text)
{
    const PF_Err err = Send(PF_Cmd_ABOUT);
    const A_char* message = outData_.return_msg;
    text.assign(message, std::find(message, message + sizeof outData_.return_msg, '\0'));
    return err;
}

PF_Err HostSession::Render(PF_LayerDef& input, const std::vector<PF_ParamValue>& values, PF_LayerDef& output,
                           ProgressListener listener)
{
    PF_ParamDef layer{};
    layer.param_type = PF_Param_LAYER;
    layer.u.ld = input;
    std::vector<PF_ParamDef> definitions{layer};
    for (size_t i = 0; i < parameters_.size(); ++i) definitions.push_back(WithValue(parameters_[i], values.at(i)));
    std::vector<PF_ParamDef*> params;
    for (PF_ParamDef& definition : definitions) params.push_back(&definition);

    inData_.num_params = static_cast<A_long>(params.size());
    inData_.width = input.width;
    inData_.height = input.height;
    inData_.extent_hint = PF_Rect{0, 0, input.width, input.height};
    inData_.downsample_x = inData_.downsample_y = inData_.pixel_aspect_ratio = PF_RationalScale{1, 1};
    progressListener_ = std::move(listener);
    const PF_Err err = Send(PF_Cmd_RENDER, params.data(), &output);
    progressListener_ = nullptr;
    return err;
}

PF_Err HostSession::Send(PF_Cmd cmd, PF_ParamDef* params[], PF_LayerDef* output)
{
    outData_ = PF_OutData{};
    return entryPoint_(cmd, &inData_, &outData_, params, output, nullptr);
}

HostSession& HostSession::From(PF_ProgPtr effect_ref)
{
    return *reinterpret_cast<HostSession*>(effect_ref);
}

// Only appending is offered: a host may refuse any other position.
PF_Err HostSession::AddParam(PF_ProgPtr effect_ref, A_long index, PF_ParamDef* def)
{
    if (!effect_ref || !def) return PF_Err_BAD_CALLBACK_PARAM;
    if (index != -1) return PF_Err_INVALID_INDEX;
    try {
        From(effect_ref).parameters_.push_back(RecordDeclaration(*def));
        return PF_Err_NONE;
    } catch (...) {
        return PF_Err_OUT_OF_MEMORY;
    }
}

PF_Err HostSession::Progress(PF_ProgPtr effect_ref, A_long current, A_long total)
{
    if (!effect_ref) return PF_Err_BAD_CALLBACK_PARAM;
    const ProgressListener& listener = From(effect_ref).progressListener_;
    try {
        return listener ? listener(current, total) : PF_Err_NONE;
    } catch (...) {
        return PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
}
