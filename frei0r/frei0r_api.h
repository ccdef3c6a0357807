// frei0r's own API header, as frei0r hosts declare it, with C linkage. On Linux the
// f0r_* functions are the module's only exports (everything else is hidden); on
// Windows the module-definition file lists them.
#pragma once

#if defined(__GNUC__) && !defined(_WIN32)
#pragma GCC visibility push(default)
#endif
extern "C" {
#include <frei0r.h>
}
#if defined(__GNUC__) && !defined(_WIN32)
#pragma GCC visibility pop
#endif
