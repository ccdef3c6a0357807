// Properties: typed reads and writes of one OpenFX property set through the host's
// property suite. Every call returns the host's status; a read leaves its
// output as it was unless the status is kOfxStatOK. Strings read are copied,
// since the host's own are valid only until its next call.
//
// PropertyWriter sets several properties and keeps the first failure, for the
// descriptions, whose every property must take; but a property the host does not
// know (kOfxStatErrUnknown: older hosts lack those added since OpenFX 1.0) is no
// failure, lest such a host drop the effect for a property it would not read.
#pragma once

#include <string>
#include <vector>

#include "ofx_suites.h"

class Properties {
public:
    Properties(const OfxPropertySuiteV1& suite, OfxPropertySetHandle set) : suite_(suite), set_(set) {}

    OfxStatus SetInt(const char* name, int value) const { return suite_.propSetInt(set_, name, 0, value); }
    OfxStatus SetString(const char* name, const char* value) const
    {
        return suite_.propSetString(set_, name, 0, value);
    }
    OfxStatus SetPointer(const char* name, void* value) const { return suite_.propSetPointer(set_, name, 0, value); }
    OfxStatus SetStrings(const char* name, const std::vector<const char*>& values) const
    {
        return suite_.propSetStringN(set_, name, static_cast<int>(values.size()), values.data());
    }
    OfxStatus SetDoubles(const char* name, const double* values, int count) const
    {
        return suite_.propSetDoubleN(set_, name, count, values);
    }

    OfxStatus GetInt(const char* name, int& value) const { return suite_.propGetInt(set_, name, 0, &value); }
    OfxStatus GetDouble(const char* name, double& value) const { return suite_.propGetDouble(set_, name, 0, &value); }
    OfxStatus GetPointer(const char* name, void*& value) const { return suite_.propGetPointer(set_, name, 0, &value); }
    OfxStatus GetInts(const char* name, int* values, int count) const
    {
        return suite_.propGetIntN(set_, name, count, values);
    }
    OfxStatus GetString(const char* name, std::string& value) const;

private:
    const OfxPropertySuiteV1& suite_;
    OfxPropertySetHandle set_;
};

class PropertyWriter {
public:
    explicit PropertyWriter(const Properties& properties) : properties_(properties) {}

    template <typename Value>
    void Int(const char* name, Value value)
    {
        Keep(properties_.SetInt(name, static_cast<int>(value)));
    }
    void String(const char* name, const char* value) { Keep(properties_.SetString(name, value)); }
    void Strings(const char* name, const std::vector<const char*>& values)
    {
        Keep(properties_.SetStrings(name, values));
    }
    OfxStatus Status() const { return status_; }

private:
    void Keep(OfxStatus status)
    {
        if (status_ == kOfxStatOK && status != kOfxStatErrUnknown) status_ = status;
    }

    const Properties& properties_;
    OfxStatus status_ = kOfxStatOK;
};
