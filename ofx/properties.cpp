// The string read, which copies the host's text.
#include "properties.h"

OfxStatus Properties::GetString(const char* name, std::string& value) const
{
    char* text = nullptr;
    const OfxStatus status = suite_.propGetString(set_, name, 0, &text);
    if (status != kOfxStatOK) return status;
    value = text ? text : "";
    return kOfxStatOK;
}
