// The effect module's single export. The host (or talvenor) calls it with one
// command at a time; it never lets an exception or crash reach the caller.
#pragma once

#include "host_api.h"

#if defined(_WIN32)
#define TALVENOR_EXPORT /* exported undecorated by the module-definition file */
#elif defined(__GNUC__)
#define TALVENOR_EXPORT __attribute__((visibility("default")))
#else
#define TALVENOR_EXPORT
#endif

extern "C" TALVENOR_EXPORT PF_Err EntryPointFunc(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                                 PF_ParamDef* params[], PF_LayerDef* output, void* extra);
