// The host and the suites the effect calls. The host pointer is stored when the
// host hands it over (setHost may do nothing else); the suites are fetched at
// Load, which may come more than once, and then only read, from any thread.
#pragma once

#include "ofx_suites.h"

struct HostSuites {
    const OfxPropertySuiteV1* property = nullptr;
    const OfxImageEffectSuiteV1* effect = nullptr;
    const OfxParameterSuiteV1* parameter = nullptr;
    const OfxMessageSuiteV1* message = nullptr;          // optional: errors then go unexplained
    const OfxMultiThreadSuiteV1* multiThread = nullptr;  // optional: renders then take one thread
};

void StoreHost(OfxHost* host);
// kOfxStatErrMissingHostFeature when the host lacks a suite the effect needs.
OfxStatus FetchSuites();
// Null before a successful Load.
const HostSuites* Suites();
