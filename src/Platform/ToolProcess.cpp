#include "Platform/ToolProcess.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

std::string nameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& added)
{
    std::vector<std::string> merged;
    for (char** entry = environ; entry && *entry; ++entry) {
        const std::string current(*entry);
        bool replaced = false;
        for (const auto& mine : added)
            replaced = replaced || nameOf(mine) == nameOf(current);
        if (!replaced)
            merged.push_back(current);
    }
    merged.insert(merged.end(), added.begin(), added.end());
    return merged;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (auto& text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ToolRun runTool(const std::vector<std::string>& arguments, const std::vector<std::string>& environment)
{
    if (arguments.empty() || arguments.front().empty())
        return {ToolRun::Outcome::notFound, ENOENT};
    std::vector<std::string> argv = arguments;
    std::vector<std::string> envp = mergedEnvironment(environment);
    auto argvPointers = pointersTo(argv);
    auto envpPointers = pointersTo(envp);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int error =
        posix_spawnp(&child, argvPointers[0], &actions, nullptr, argvPointers.data(), envpPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        return {error == ENOENT ? ToolRun::Outcome::notFound : ToolRun::Outcome::notStarted, error};

    int status = 0;
    pid_t waited = 0;
    do
        waited = ::waitpid(child, &status, 0);
    while (waited < 0 && errno == EINTR);
    if (waited < 0)
        return {ToolRun::Outcome::notStarted, errno};
    if (WIFSIGNALED(status))
        return {ToolRun::Outcome::killed, WTERMSIG(status)};
    return {ToolRun::Outcome::exited, WEXITSTATUS(status)};
}
