// EntryPointFunc: routes each host command to its handler inside one guard, so
// that a thrown host error code is returned and nothing else escapes.
#include "entry_point.h"

#include <new>

#include "handlers.h"

namespace {

PF_Err Dispatch(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output)
{
    switch (cmd) {
    case PF_Cmd_ABOUT: return About(in_data, out_data, params, output);
    case PF_Cmd_GLOBAL_SETUP: return GlobalSetup(in_data, out_data, params, output);
    case PF_Cmd_PARAMS_SETUP: return ParamsSetup(in_data, out_data, params, output);
    case PF_Cmd_RENDER: return Render(in_data, out_data, params, output);
    default: return PF_Err_NONE;
    }
}

}  // namespace

extern "C" PF_Err EntryPointFunc(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                                 PF_LayerDef* output, void* /*extra*/)
{
    try {
        return Dispatch(cmd, in_data, out_data, params, output);
    } catch (PF_Err err) {
        return err;
    } catch (const std::bad_alloc&) {
        return PF_Err_OUT_OF_MEMORY;
    } catch (...) {
        return PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
}
