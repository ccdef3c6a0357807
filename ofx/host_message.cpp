// Error messages to the host, as plain text: the text never serves as a format.
#include "host_message.h"

#include "host_suites.h"
#include "ofx_identity.h"
#include "ofx_strings.h"

OfxStatus ReportError(OfxImageEffectHandle effect, OfxStatus status, const char* text)
{
    const HostSuites* suites = Suites();
    if (suites && suites->message && suites->message->message) {
        suites->message->message(effect, kOfxMessageError, kOfxEffectMessageId, "%s", text);
    }
    return status;
}
