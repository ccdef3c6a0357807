// The plug-in binary's two exports, the only symbols a host finds in it (the
// Linux version script and the Windows module-definition file list them). The
// one effect's actions all arrive at its main entry, which lets no exception out:
// every failure reaches the host as an OpenFX status.
#pragma once

#include "ofx_types.h"

#if defined(_WIN32)
#define TALVENOR_OFX_EXPORT
#else
#define TALVENOR_OFX_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
TALVENOR_OFX_EXPORT int OfxGetNumberOfPlugins(void);
TALVENOR_OFX_EXPORT OfxPlugin* OfxGetPlugin(int nth);
}
