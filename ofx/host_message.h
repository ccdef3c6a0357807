// ReportError: tells the user, through the host's message suite when it has one,
// why an action failed, and returns the action's status, so that a failure is
// reported and returned in one statement.
#pragma once

#include "ofx_types.h"

OfxStatus ReportError(OfxImageEffectHandle effect, OfxStatus status, const char* text);
