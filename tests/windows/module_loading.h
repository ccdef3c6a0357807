// LoadLibrary and FreeLibrary for the Windows test programs. Each reports its
// failure on stderr with the Windows error code; LoadModule then returns null
// and UnloadModule false. Nothing is printed on success.
#pragma once

#include <windows.h>

#include <cstdio>

inline HMODULE LoadModule(const char* path)
{
    HMODULE module = LoadLibraryA(path);
    if (!module) std::fprintf(stderr, "FAIL: LoadLibrary(\"%s\"): Windows error %lu\n", path, GetLastError());
    return module;
}

inline bool UnloadModule(HMODULE module)
{
    if (FreeLibrary(module)) return true;
    std::fprintf(stderr, "FAIL: FreeLibrary: Windows error %lu\n", GetLastError());
    return false;
}
