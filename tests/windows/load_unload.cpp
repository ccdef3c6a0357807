// Loads the module given on the command line and unloads it with no command
// sent. Loading must run nothing of the effect's own, so on success this
// program prints nothing at all; its test fails on any output.
#include <cstdio>

#include "module_loading.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s MODULE\n", argv[0]);
        return 2;
    }
    HMODULE module = LoadModule(argv[1]);
    return module && UnloadModule(module) ? 0 : 1;
}
