// What talvenor's commands do, given an effect whose session has started. They
// print results on stdout and throw std::runtime_error with a one-line reason on
// failure; a failed or stopped render leaves no output file.
#pragma once

#include <string>
#include <vector>

#include "host/host_session.h"

void PrintAbout(HostSession& session);
void PrintParameters(const HostSession& session);

struct RenderRequest {
    std::string inputPath;  // unused when demo is set
    bool demo = false;
    std::string outputPath;
    std::vector<PF_ParamValue> values;  // one for each declared parameter
};

void RenderImage(HostSession& session, const RenderRequest& request);

// Throws naming the effect's error code when the command did not succeed.
void RequireSuccess(PF_Err err, const std::string& command);
