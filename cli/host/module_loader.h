// EffectModule: an effect module (Talvenor.so, Talvenor.aex) loaded by path, and
// the EntryPointFunc found in it, which is all talvenor ever calls.
//
// Takes a file path; owns the loaded library and unloads it when destroyed, so the
// entry point must not be called after that. Loading failures throw
// std::runtime_error with a one-line reason. Each platform has its own
// implementation file.
#pragma once

#include <string>

#include "host_api.h"

class EffectModule {
public:
    explicit EffectModule(const std::string& path);
    ~EffectModule();
    EffectModule(const EffectModule&) = delete;
    EffectModule& operator=(const EffectModule&) = delete;

    PF_EntryPointFunc EntryPoint() const { return entryPoint_; }

private:
    void* library_;
    PF_EntryPointFunc entryPoint_;
};

// The module built beside the running executable.
std::string DefaultModulePath();
