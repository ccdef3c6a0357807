// Loads the OpenFX bundle's binary by path as a host does (dlopen, LoadLibrary)
// and finds its two entry points; on failure says why on stderr and returns false.
#pragma once

#include <cstdio>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "ofx_types.h"

struct BundleEntryPoints {
    int (*numberOfPlugins)() = nullptr;
    OfxPlugin* (*plugin)(int) = nullptr;
};

inline void* FindSymbol(void* library, const char* name)
{
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
#else
    return dlsym(library, name);
#endif
}

inline bool LoadBundle(const char* path, BundleEntryPoints& entry)
{
#if defined(_WIN32)
    void* library = LoadLibraryA(path);
#else
    void* library = dlopen(path, RTLD_LAZY | RTLD_LOCAL);
#endif
    if (!library) {
        std::fprintf(stderr, "FAIL: cannot load %s\n", path);
        return false;
    }
    entry.numberOfPlugins = reinterpret_cast<int (*)()>(FindSymbol(library, "OfxGetNumberOfPlugins"));
    entry.plugin = reinterpret_cast<OfxPlugin* (*)(int)>(FindSymbol(library, "OfxGetPlugin"));
    if (entry.numberOfPlugins && entry.plugin) return true;
    std::fprintf(stderr, "FAIL: %s lacks OfxGetNumberOfPlugins or OfxGetPlugin\n", path);
    return false;
}
