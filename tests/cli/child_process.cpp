// Child processes through posix_spawn, stdout and stderr sent to files so that
// neither can fill a pipe and stall the child.
#include "child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

RunningTalvenor StartTalvenor(const std::vector<std::string>& arguments, const std::string& scratchFolder)
{
    RunningTalvenor running{0, scratchFolder + "/stdout.txt", scratchFolder + "/stderr.txt"};
    std::vector<std::string> words{TALVENOR_EXE};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, running.outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, running.errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int failed = posix_spawn(&running.pid, TALVENOR_EXE, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " TALVENOR_EXE);
    return running;
}

TalvenorRun FinishTalvenor(const RunningTalvenor& running)
{
    int status = 0;
    waitpid(running.pid, &status, 0);
    const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return {exitStatus, FileBytes(running.outPath), FileBytes(running.errPath)};
}

TalvenorRun RunTalvenor(const std::vector<std::string>& arguments, const std::string& scratchFolder)
{
    return FinishTalvenor(StartTalvenor(arguments, scratchFolder));
}

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
