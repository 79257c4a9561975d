#include "Platform/RunningPrograms.h"

#include "Models/Paths.h"
#include "Models/TextLines.h"
#include "Platform/DirectoryWalker.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t kMaxProcFileBytes = 16 * 1024;

// Files under /proc report size 0, so they are read until end of file.
std::string readProcFile(const std::string& path)
{
    std::string out;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return out;
    char buffer[4096];
    while (out.size() < kMaxProcFileBytes) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        out.append(buffer, std::size_t(n));
    }
    close(fd);
    return out;
}

std::string readLinkText(const std::string& path)
{
    char target[4096];
    const ssize_t n = readlink(path.c_str(), target, sizeof target);
    return n > 0 ? std::string(target, std::size_t(n)) : std::string();
}

bool isDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "app-flatpak-org.mozilla.firefox-12345.scope" → "org.mozilla.firefox".
std::string_view flatpakAppOf(std::string_view unit)
{
    constexpr std::string_view kPrefix = "app-flatpak-", kSuffix = ".scope";
    if (!unit.starts_with(kPrefix) || !unit.ends_with(kSuffix))
        return {};
    unit.remove_prefix(kPrefix.size());
    unit.remove_suffix(kSuffix.size());
    const auto dash = unit.rfind('-');
    if (dash == std::string_view::npos || !isDigits(unit.substr(dash + 1)))
        return {};
    return unit.substr(0, dash);
}

// "snap.firefox.firefox-…scope" → "firefox".
std::string_view snapOf(std::string_view unit)
{
    constexpr std::string_view kPrefix = "snap.";
    if (!unit.starts_with(kPrefix))
        return {};
    unit.remove_prefix(kPrefix.size());
    const auto dot = unit.find('.');
    return dot == std::string_view::npos ? std::string_view{} : unit.substr(0, dot);
}

} // namespace

void RunningPrograms::addName(std::string_view name)
{
    if (!name.empty())
        names_.insert(paths::asciiLower(name));
}

void RunningPrograms::addProcess(std::string_view comm, std::string_view exeTarget, std::string_view cmdline,
                                 std::string_view cgroup)
{
    while (comm.ends_with('\n'))
        comm.remove_suffix(1);
    addName(comm);
    // An executable replaced by an update is shown with " (deleted)" after its path.
    constexpr std::string_view kDeleted = " (deleted)";
    if (exeTarget.ends_with(kDeleted))
        exeTarget.remove_suffix(kDeleted.size());
    if (!exeTarget.empty())
        addName(paths::lastComponent(exeTarget));
    const std::string_view argv0 = cmdline.substr(0, cmdline.find('\0'));
    // Some programs rewrite their whole command line into argv[0]; a path may hold spaces too.
    if (!argv0.empty()) {
        addName(paths::lastComponent(argv0));
        addName(paths::lastComponent(argv0.substr(0, argv0.find(' '))));
    }

    text::forEachLine(cgroup, [&](std::string_view line) {
        // Every component of the group path may be the app's unit ("…/app.slice/<unit>/…").
        for (const std::string_view unit : text::split(line, '/')) {
            if (const auto app = flatpakAppOf(unit); !app.empty())
                flatpakApps_.insert(std::string(app));
            if (const auto snap = snapOf(unit); !snap.empty())
                snaps_.insert(std::string(snap));
        }
    });
}

bool RunningPrograms::isRunning(std::string_view programName) const
{
    return names_.count(paths::asciiLower(programName)) > 0;
}

RunningPrograms RunningPrograms::read(const std::string& procRoot)
{
    RunningPrograms running;
    const auto entries = DirectoryWalker::list(procRoot);
    if (!entries)
        return running;
    for (const auto& entry : *entries) {
        if (!isDigits(entry.name))
            continue;
        const std::string process = paths::join(procRoot, entry.name);
        // A process that ended meanwhile leaves empty reads, which add nothing.
        running.addProcess(readProcFile(paths::join(process, "comm")), readLinkText(paths::join(process, "exe")),
                           readProcFile(paths::join(process, "cmdline")), readProcFile(paths::join(process, "cgroup")));
    }
    return running;
}
