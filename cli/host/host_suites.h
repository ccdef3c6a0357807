// The callback tables talvenor hands an effect, as a host does: the util
// callbacks (its `ansi` table with strcpy and sprintf) and the basic suite,
// whose AcquireSuite gives out the "PF ANSI Suite" version 1.
//
// Each call returns a fresh table by value for the caller to own; the tables
// keep no state, so no effect_ref is needed to serve them. The ANSI sprintf
// writes at most PF_MAX_EFFECT_MSG_LEN + 1 bytes: a host's message field.
#pragma once

#include "host_api.h"

PF_UtilCallbacks MakeUtilCallbacks();
SPBasicSuite MakeBasicSuite();
