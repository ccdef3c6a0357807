// OpenLibrary and FindSymbol for the test programs that load a module by its
// path as hosts load plug-ins: dlopen and dlsym on Linux, LoadLibrary and
// GetProcAddress on Windows. Each gives null when it cannot.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

inline void* OpenLibrary(const char* path)
{
#if defined(_WIN32)
    return LoadLibraryA(path);
#else
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
#endif
}

inline void* FindSymbol(void* library, const char* name)
{
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
#else
    return dlsym(library, name);
#endif
}
