// LoadLibrary, GetProcAddress and FreeLibrary for the Windows test programs. Each
// reports its failure on stderr (with the Windows error code where there is one);
// LoadModule then returns null, FindExport and UnloadModule false. Nothing is
// printed on success.
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

// Sets `function` to the export `name` of `module`, or to null when it has none.
template <typename FunctionPointer>
bool FindExport(HMODULE module, const char* name, FunctionPointer& function)
{
    function = reinterpret_cast<FunctionPointer>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (function) return true;
    std::fprintf(stderr, "FAIL: GetProcAddress(\"%s\") found nothing\n", name);
    return false;
}
