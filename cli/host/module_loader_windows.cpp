// EffectModule on Windows: LoadLibraryA and GetProcAddress. Paths stay in the
// ANSI code page, as the command line hands them to main.
#include <windows.h>

#include <stdexcept>

#include "module_loader.h"

namespace {

std::string LastLoaderError()
{
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, GetLastError(), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length ? std::string(text, length) : "unknown reason";
    LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' ')) {
        reason.pop_back();
    }
    return reason;
}

}  // namespace

EffectModule::EffectModule(const std::string& path) : library_(LoadLibraryA(path.c_str())), entryPoint_(nullptr)
{
    if (!library_) throw std::runtime_error("cannot load effect module '" + path + "': " + LastLoaderError());
    const FARPROC symbol = GetProcAddress(static_cast<HMODULE>(library_), "EntryPointFunc");
    if (!symbol) {
        FreeLibrary(static_cast<HMODULE>(library_));
        throw std::runtime_error("'" + path + "' has no EntryPointFunc");
    }
    // Through void(*)(), the one function type any other converts to quietly.
    entryPoint_ = reinterpret_cast<PF_EntryPointFunc>(reinterpret_cast<void (*)()>(symbol));
}

EffectModule::~EffectModule()
{
    FreeLibrary(static_cast<HMODULE>(library_));
}

std::string DefaultModulePath()
{
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "Talvenor.aex";
    const std::string executable(buffer, length);
    return executable.substr(0, executable.find_last_of("\\/") + 1) + "Talvenor.aex";
}
