// EffectModule on Linux: dlopen and dlsym.
#include <dlfcn.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

#include "module_loader.h"

namespace {

const char* LastLoaderError()
{
    const char* reason = dlerror();
    return reason ? reason : "unknown reason";
}

// dlopen searches the library path for a bare file name; a module given by name
// is meant to be the file in the current folder.
std::string AsFilePath(const std::string& path)
{
    return path.find('/') == std::string::npos ? "./" + path : path;
}

}  // namespace

EffectModule::EffectModule(const std::string& path)
    : library_(dlopen(AsFilePath(path).c_str(), RTLD_NOW | RTLD_LOCAL)), entryPoint_(nullptr)
{
    if (!library_) throw std::runtime_error("cannot load effect module: " + std::string(LastLoaderError()));
    entryPoint_ = reinterpret_cast<PF_EntryPointFunc>(dlsym(library_, "EntryPointFunc"));
    if (!entryPoint_) {
        dlclose(library_);
        throw std::runtime_error("'" + path + "' has no EntryPointFunc");
    }
}

EffectModule::~EffectModule()
{
    dlclose(library_);
}

std::string DefaultModulePath()
{
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) return "Talvenor.so";
    const std::string executable(buffer.data(), static_cast<size_t>(length));
    return executable.substr(0, executable.rfind('/') + 1) + "Talvenor.so";
}
