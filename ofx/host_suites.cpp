// The stored host and its suites.
#include "host_suites.h"

#include "ofx_strings.h"

namespace {

OfxHost* storedHost = nullptr;
HostSuites suites;
bool suitesFetched = false;

template <typename Suite>
const Suite* FetchSuite(const char* name, int version)
{
    return static_cast<const Suite*>(storedHost->fetchSuite(storedHost->host, name, version));
}

}  // namespace

void StoreHost(OfxHost* host)
{
    storedHost = host;
}

OfxStatus FetchSuites()
{
    suitesFetched = false;
    if (!storedHost || !storedHost->fetchSuite) return kOfxStatErrMissingHostFeature;
    suites.property = FetchSuite<OfxPropertySuiteV1>(kOfxPropertySuite, 1);
    suites.effect = FetchSuite<OfxImageEffectSuiteV1>(kOfxImageEffectSuite, 1);
    suites.parameter = FetchSuite<OfxParameterSuiteV1>(kOfxParameterSuite, 1);
    suites.message = FetchSuite<OfxMessageSuiteV1>(kOfxMessageSuite, 1);
    suites.multiThread = FetchSuite<OfxMultiThreadSuiteV1>(kOfxMultiThreadSuite, 1);
    suitesFetched = suites.property && suites.effect && suites.parameter;
    return suitesFetched ? kOfxStatOK : kOfxStatErrMissingHostFeature;
}

const HostSuites* Suites()
{
    return suitesFetched ? &suites : nullptr;
}
