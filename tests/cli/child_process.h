// Running the built talvenor as a child process, its output caught in files.
//
// RunTalvenor runs it to the end and returns the exit status (a signal death
// counts as failure) and everything it printed. StartTalvenor only starts it, for
// tests that act on it while it runs; FinishTalvenor then waits for it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct TalvenorRun {
    int exitStatus;
    std::string out;
    std::string err;
};

struct RunningTalvenor {
    pid_t pid;
    std::string outPath;
    std::string errPath;
};

RunningTalvenor StartTalvenor(const std::vector<std::string>& arguments, const std::string& scratchFolder);
TalvenorRun FinishTalvenor(const RunningTalvenor& running);
TalvenorRun RunTalvenor(const std::vector<std::string>& arguments, const std::string& scratchFolder);
// The whole content of a file, or nothing when it cannot be read.
std::string FileBytes(const std::string& path);
